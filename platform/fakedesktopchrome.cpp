#include "fakedesktopchrome.h"

FakeDesktopChrome::FakeDesktopChrome() { setInstance(this); }

FakeDesktopChrome::~FakeDesktopChrome() { setInstance(nullptr); }

void FakeDesktopChrome::setVisible(Kind kind, bool visible)
{
    calls << QStringLiteral("%1 %2").arg(visible ? QStringLiteral("show") : QStringLiteral("hide"),
                                         kind == DesktopIcons ? QStringLiteral("icons") : QStringLiteral("taskbar"));
}
