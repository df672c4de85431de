#include "compositingwatch.h"

#include "windowshape.h"

#include <QCoreApplication>
#include <QX11Info>

#include <xcb/xcb.h>
#include <xcb/xfixes.h>

#include <cstdlib>

CompositingWatch *CompositingWatch::instance()
{
    static CompositingWatch *watch = new CompositingWatch;
    return watch;
}

CompositingWatch::CompositingWatch()
    : QObject(QCoreApplication::instance())
{
    m_running = WindowShape::instance()->compositingManagerRunning();
    if (!QX11Info::isPlatformX11())
        return;
    xcb_connection_t *c = QX11Info::connection();
    const xcb_query_extension_reply_t *xfixes = xcb_get_extension_data(c, &xcb_xfixes_id);
    if (!xfixes || !xfixes->present)
        return;
    std::free(xcb_xfixes_query_version_reply(c, xcb_xfixes_query_version(c, 5, 0), nullptr));
    const QByteArray name = "_NET_WM_CM_S" + QByteArray::number(QX11Info::appScreen());
    xcb_intern_atom_reply_t *atom = xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, name.size(), name.constData()), nullptr);
    if (!atom)
        return;
    m_selection = atom->atom;
    std::free(atom);
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
