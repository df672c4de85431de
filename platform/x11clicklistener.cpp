#include "x11clicklistener.h"

#include "x11.h"

#include <QGuiApplication>
#include <QSocketNotifier>

#include <xcb/xinput.h>

ClickListener *ClickListener::create(QObject *parent)
{
    if (QGuiApplication::platformName() == QLatin1String("xcb")) {
        auto *listener = new X11ClickListener(parent);
        if (listener->isListening())
            return listener;
        delete listener;
    }
    return new NullClickListener(parent);
}

X11ClickListener::X11ClickListener(QObject *parent)
    : ClickListener(parent)
{
    if (!setUp() && m_connection) {
        xcb_disconnect(m_connection);
        m_connection = nullptr;
    }
}

X11ClickListener::~X11ClickListener()
{
    delete m_notifier;
    if (m_connection)
        xcb_disconnect(m_connection);
}

bool X11ClickListener::setUp()
{
    m_connection = xcb_connect(nullptr, nullptr);
    if (!m_connection || xcb_connection_has_error(m_connection))
        return false;
    const xcb_query_extension_reply_t *ext = xcb_get_extension_data(m_connection, &xcb_input_id);
    if (!ext || !ext->present)
        return false;
    m_opcode = ext->major_opcode;
    // Announced as 2.2: a 2.0 client gets no raw event while another client
    // holds a grab, which every press on a window starts.
    const auto version =
        x11::reply(m_connection, xcb_input_xi_query_version(m_connection, 2, 2), xcb_input_xi_query_version_reply);
    if (!version || version->major_version < 2)
        return false;
    const xcb_setup_t *setup = xcb_get_setup(m_connection);
    m_root = xcb_setup_roots_iterator(setup).data->root;

    struct {
        xcb_input_event_mask_t head;
        uint32_t mask;
    } mask;
    mask.head.deviceid = XCB_INPUT_DEVICE_ALL_MASTER;
    mask.head.mask_len = 1;
    mask.mask = XCB_INPUT_XI_EVENT_MASK_RAW_BUTTON_PRESS;
    if (!x11::succeeded(m_connection, xcb_input_xi_select_events_checked(m_connection, m_root, 1, &mask.head)))
        return false;
    m_notifier = new QSocketNotifier(xcb_get_file_descriptor(m_connection), QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &X11ClickListener::readEvents);
    return true;
}

void X11ClickListener::readEvents()
{
    if (xcb_connection_has_error(m_connection)) {
        m_notifier->setEnabled(false);
        return;
    }
    int presses = 0;
    while (const x11::Reply<xcb_generic_event_t> event{xcb_poll_for_event(m_connection)}) {
        if ((event->response_type & 0x7f) == XCB_GE_GENERIC) {
            auto *ge = reinterpret_cast<xcb_ge_generic_event_t *>(event.get());
            if (ge->extension == m_opcode && ge->event_type == XCB_INPUT_RAW_BUTTON_PRESS) {
                auto *raw = reinterpret_cast<xcb_input_raw_button_press_event_t *>(event.get());
                if (raw->detail == 1)
                    ++presses;
            }
        }
    }
    // The press's own position is not in a raw event: the pointer is where
    // it was pressed, as the event is read at once.
    for (int i = 0; i < presses; ++i) {
        const auto pointer = x11::reply(m_connection, xcb_query_pointer(m_connection, m_root), xcb_query_pointer_reply);
        if (pointer)
            emit leftButtonPressed(QPoint(pointer->root_x, pointer->root_y));
    }
}
