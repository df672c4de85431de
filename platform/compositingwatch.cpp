#include "compositingwatch.h"

#include "windowshape.h"
#include "x11.h"

#include <QCoreApplication>
#include <QX11Info>

#include <xcb/xfixes.h>

CompositingWatch *CompositingWatch::instance()
{
    static CompositingWatch *watch = new CompositingWatch;
    return watch;
}

CompositingWatch::CompositingWatch()
    : QObject(QCoreApplication::instance())
{
    m_running = WindowShape::instance()->compositingManagerRunning();
    xcb_connection_t *c = x11::connection();
    if (!c)
        return;
    const xcb_query_extension_reply_t *xfixes = xcb_get_extension_data(c, &xcb_xfixes_id);
    if (!xfixes || !xfixes->present)
        return;
    x11::reply(c, xcb_xfixes_query_version(c, 5, 0), xcb_xfixes_query_version_reply);
    m_selection = x11::atom("_NET_WM_CM_S" + QByteArray::number(QX11Info::appScreen()));
    if (m_selection == XCB_ATOM_NONE)
        return;
    m_firstEvent = xfixes->first_event;
    xcb_xfixes_select_selection_input(c, xcb_window_t(QX11Info::appRootWindow()), m_selection,
                                      XCB_XFIXES_SELECTION_EVENT_MASK_SET_SELECTION_OWNER
                                          | XCB_XFIXES_SELECTION_EVENT_MASK_SELECTION_WINDOW_DESTROY
                                          | XCB_XFIXES_SELECTION_EVENT_MASK_SELECTION_CLIENT_CLOSE);
    xcb_flush(c);
    QCoreApplication::instance()->installNativeEventFilter(this);
}

bool CompositingWatch::nativeEventFilter(const QByteArray &eventType, void *message, long *)
{
    if (m_firstEvent < 0 || eventType != "xcb_generic_event_t")
        return false;
    auto *event = static_cast<xcb_generic_event_t *>(message);
    if ((event->response_type & 0x7f) != m_firstEvent + XCB_XFIXES_SELECTION_NOTIFY)
        return false;
    auto *e = reinterpret_cast<xcb_xfixes_selection_notify_event_t *>(event);
    if (e->selection == m_selection)
        notify(e->subtype == XCB_XFIXES_SELECTION_EVENT_SET_SELECTION_OWNER && e->owner != XCB_NONE);
    return false;
}

void CompositingWatch::notify(bool running)
{
    if (running == m_running)
        return;
    m_running = running;
    emit changed(running);
}
