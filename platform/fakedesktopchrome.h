#pragma once
// The desktop chrome of tests.
#include "desktopchrome.h"

#include <QStringList>

// Records the calls ("hide icons", "show taskbar", ...), touches nothing.
class FakeDesktopChrome : public DesktopChrome
{
public:
    FakeDesktopChrome();  // installs itself
    ~FakeDesktopChrome() override;
    void setVisible(Kind kind, bool visible) override;
    bool canHide(Kind kind) override { return kind == DesktopIcons ? iconsHideable : taskbarHideable; }
    QList<QRect> panels() override { return panelRects; }
    void recoverLeftovers() override { calls << QStringLiteral("recover"); }
    QStringList calls;
    bool iconsHideable = true;
    bool taskbarHideable = true;
    QList<QRect> panelRects;
};
