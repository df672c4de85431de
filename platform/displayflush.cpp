#include "displayflush.h"

#include <QCoreApplication>
#include <QX11Info>

#include <xcb/xcb.h>

void flushDisplay()
{
    QCoreApplication::processEvents();
    if (QX11Info::isPlatformX11()) {
        if (xcb_connection_t *c = QX11Info::connection())
            xcb_flush(c);
    }
}
