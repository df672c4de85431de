#include "fakewindowstacking.h"

#include <QWindow>

FakeWindowStacking::FakeWindowStacking()
{
    WindowStacking::setInstance(this);
}

FakeWindowStacking::~FakeWindowStacking()
{
    if (WindowStacking::instance() == this)
        WindowStacking::setInstance(nullptr);
}

void FakeWindowStacking::setStaysOnTop(QWindow *window, bool on)
{
    if (!window)
        return;
    calls << QStringLiteral("%1 %2").arg(on ? QStringLiteral("above") : QStringLiteral("normal"), window->objectName());
    if (on)
        m_onTop.insert(window);
    else
        m_onTop.remove(window);
}

void FakeWindowStacking::stackNextTo(QWindow *window, QWindow *reference, bool above)
{
    if (window && reference)
        calls << QStringLiteral("%1 %2 %3").arg(window->objectName(), above ? QStringLiteral("over") : QStringLiteral("under"),
                                                 reference->objectName());
}
