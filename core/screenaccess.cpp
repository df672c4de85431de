#include "screenaccess.h"

#include <QCoreApplication>

namespace {
bool g_wayland = false;
} // namespace

namespace screenaccess {

void setWaylandSession(bool on)
{
    g_wayland = on;
}

bool readable()
{
    return !g_wayland;
}

QString refusal()
{
    return QCoreApplication::translate(
        "ScreenAccess",
        "In a Wayland session the screen cannot be recorded: screen and region recordings and screenshots would "
        "only be black. Sign in to an X11 session to record the screen. Sound and webcam recordings work here.");
}

} // namespace screenaccess
