#include "windowstacking.h"

#include <QWindow>

namespace {
WindowStacking *s_override = nullptr;
}

WindowStacking::~WindowStacking() = default;

WindowStacking *WindowStacking::instance()
{
    if (s_override)
        return s_override;
    static WmWindowStacking real;
    return &real;
}

void WindowStacking::setInstance(WindowStacking *stacking)
{
    s_override = stacking;
}

void WmWindowStacking::setStaysOnTop(QWindow *window, bool on)
{
    if (!window)
        return;
    window->setFlag(Qt::WindowStaysOnTopHint, on);
}

bool WmWindowStacking::staysOnTop(QWindow *window) const
{
    return window && window->flags().testFlag(Qt::WindowStaysOnTopHint);
}
