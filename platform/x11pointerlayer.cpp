#include "x11pointerlayer.h"

#include "x11.h"

#include <QGuiApplication>
#include <QSocketNotifier>
#include <QVector>
#include <QWindow>

#include <xcb/shape.h>

#include <initializer_list>

namespace {

// Glyphs of the X cursor font (each followed by its mask).
constexpr uint16_t kArrowGlyph = 68;     // left_ptr
constexpr uint16_t kFleurGlyph = 52;     // fleur
constexpr uint16_t kHorizontalGlyph = 108; // sb_h_double_arrow
constexpr uint16_t kVerticalGlyph = 116; // sb_v_double_arrow
constexpr uint16_t kFDiagGlyph = 14;     // bottom_right_corner
constexpr uint16_t kBDiagGlyph = 12;     // bottom_left_corner
constexpr uint16_t kCrossGlyph = 34;     // crosshair

uint16_t glyphOf(Qt::CursorShape shape)
{
    switch (shape) {
    case Qt::SizeAllCursor: return kFleurGlyph;
    case Qt::SizeHorCursor: return kHorizontalGlyph;
    case Qt::SizeVerCursor: return kVerticalGlyph;
    case Qt::SizeFDiagCursor: return kFDiagGlyph;
    case Qt::SizeBDiagCursor: return kBDiagGlyph;
    case Qt::CrossCursor: return kCrossGlyph;
    default: return kArrowGlyph;
    }
}

Qt::MouseButton buttonOf(uint8_t detail)
{
    switch (detail) {
    case 1: return Qt::LeftButton;
    case 2: return Qt::MiddleButton;
    case 3: return Qt::RightButton;
    case 8: return Qt::BackButton;
    case 9: return Qt::ForwardButton;
    default: return Qt::NoButton; // the wheel's 4 to 7
    }
}

// The Qt flags whose X state bits are set.
struct StateBit {
    uint16_t mask;
    int flag;
};
int flagsOf(uint16_t state, std::initializer_list<StateBit> bits)
{
    int flags = 0;
    for (const StateBit &bit : bits) {
        if (state & bit.mask)
            flags |= bit.flag;
    }
    return flags;
}

Qt::MouseButtons buttonsOf(uint16_t state)
{
    return Qt::MouseButtons(flagsOf(state, {{XCB_BUTTON_MASK_1, Qt::LeftButton},
                                            {XCB_BUTTON_MASK_2, Qt::MiddleButton},
                                            {XCB_BUTTON_MASK_3, Qt::RightButton}}));
}

Qt::KeyboardModifiers modifiersOf(uint16_t state)
{
    return Qt::KeyboardModifiers(flagsOf(state, {{XCB_MOD_MASK_SHIFT, Qt::ShiftModifier},
                                                 {XCB_MOD_MASK_CONTROL, Qt::ControlModifier},
                                                 {XCB_MOD_MASK_1, Qt::AltModifier},
                                                 {XCB_MOD_MASK_4, Qt::MetaModifier}}));
}

} // namespace

PointerLayer *PointerLayer::create(QObject *parent)
{
    if (QGuiApplication::platformName() == QLatin1String("xcb")) {
        auto *layer = new X11PointerLayer(parent);
        if (layer->isConnected())
            return layer;
        delete layer;
    }
    return new NullPointerLayer(parent);
}

X11PointerLayer::X11PointerLayer(QObject *parent)
    : PointerLayer(parent)
{
    if (!setUp() && m_connection) {
        xcb_disconnect(m_connection);
        m_connection = nullptr;
    }
}

X11PointerLayer::~X11PointerLayer()
{
    delete m_notifier;
    if (m_connection)
        xcb_disconnect(m_connection); // its window and cursor go with it
}

bool X11PointerLayer::setUp()
{
    m_connection = xcb_connect(nullptr, nullptr);
    if (!m_connection || xcb_connection_has_error(m_connection))
        return false;
    const xcb_query_extension_reply_t *shape = xcb_get_extension_data(m_connection, &xcb_shape_id);
    if (!shape || !shape->present)
        return false;
    m_root = xcb_setup_roots_iterator(xcb_get_setup(m_connection)).data->root;
    // Every restack of a top-level window is heard of.
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(m_connection, m_root, XCB_CW_EVENT_MASK, &mask);
    m_notifier = new QSocketNotifier(xcb_get_file_descriptor(m_connection), QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &X11PointerLayer::readEvents);
    return true;
}

unsigned X11PointerLayer::cursorFor(Qt::CursorShape shape)
{
    const uint16_t glyph = glyphOf(shape);
    auto found = m_cursors.constFind(glyph);
    if (found != m_cursors.constEnd())
        return *found;
    if (!m_font) {
        m_font = xcb_generate_id(m_connection);
        xcb_open_font(m_connection, m_font, 6, "cursor");
    }
    const xcb_cursor_t cursor = xcb_generate_id(m_connection);
    xcb_create_glyph_cursor(m_connection, cursor, m_font, m_font, glyph, glyph + 1, 0, 0, 0, 0xffff, 0xffff, 0xffff);
    m_cursors.insert(glyph, cursor);
    return cursor;
}

void X11PointerLayer::setCursorShape(Qt::CursorShape shape)
{
    PointerLayer::setCursorShape(shape);
    if (!m_connection || !m_window)
        return;
    const uint32_t cursor = cursorFor(shape);
    xcb_change_window_attributes(m_connection, m_window, XCB_CW_CURSOR, &cursor);
    xcb_flush(m_connection);
}

void X11PointerLayer::createWindow()
{
    m_window = xcb_generate_id(m_connection);
    // In the order of their bits: override-redirect, event mask, cursor.
    const uint32_t values[] = {1,
                               XCB_EVENT_MASK_BUTTON_PRESS | XCB_EVENT_MASK_BUTTON_RELEASE
                                   | XCB_EVENT_MASK_POINTER_MOTION,
                               cursorFor(m_cursorShape)};
    xcb_create_window(m_connection, 0, m_window, m_root, 0, 0, 1, 1, 0, XCB_WINDOW_CLASS_INPUT_ONLY,
                      XCB_COPY_FROM_PARENT, XCB_CW_OVERRIDE_REDIRECT | XCB_CW_EVENT_MASK | XCB_CW_CURSOR, values);
}

// The child of the root that holds `window` (a window manager's frame, or
// the window itself): only a sibling can be stacked against.
unsigned X11PointerLayer::topLevelOf(unsigned window) const
{
    for (int depth = 0; window && depth < 16; ++depth) {
        const auto tree = x11::reply(m_connection, xcb_query_tree(m_connection, window), xcb_query_tree_reply);
        if (!tree)
            return 0;
        if (tree->parent == m_root)
            return window;
        window = tree->parent;
    }
    return 0;
}

void X11PointerLayer::show(QWindow *above, const QRegion &area)
{
    const QRect rect = area.boundingRect();
    if (!m_connection || rect.isEmpty()) {
        hide();
        return;
    }
    if (!m_window)
        createWindow();
    m_served = above ? unsigned(above->winId()) : 0;
    m_sibling = m_served ? topLevelOf(m_served) : 0;
    const uint32_t values[] = {uint32_t(rect.x()), uint32_t(rect.y()), uint32_t(rect.width()), uint32_t(rect.height())};
    xcb_configure_window(m_connection, m_window,
                         XCB_CONFIG_WINDOW_X | XCB_CONFIG_WINDOW_Y | XCB_CONFIG_WINDOW_WIDTH | XCB_CONFIG_WINDOW_HEIGHT,
                         values);
    restack();

    QVector<xcb_rectangle_t> rects;
    for (const QRect &r : area.translated(-rect.topLeft()))
        rects << xcb_rectangle_t{int16_t(r.x()), int16_t(r.y()), uint16_t(r.width()), uint16_t(r.height())};
    xcb_shape_rectangles(m_connection, XCB_SHAPE_SO_SET, XCB_SHAPE_SK_INPUT, XCB_CLIP_ORDERING_UNSORTED, m_window, 0, 0,
                         uint32_t(rects.size()), rects.constData());
    xcb_map_window(m_connection, m_window);
    xcb_flush(m_connection);
    // The replies waited for above may have queued events the socket no
    // longer announces.
    QMetaObject::invokeMethod(this, &X11PointerLayer::readEvents, Qt::QueuedConnection);
    m_shown = true;
    m_area = area;
}

void X11PointerLayer::restack()
{
    QVector<uint32_t> values;
    uint16_t mask = XCB_CONFIG_WINDOW_STACK_MODE;
    if (m_sibling) {
        values << m_sibling;
        mask |= XCB_CONFIG_WINDOW_SIBLING;
    }
    values << XCB_STACK_MODE_ABOVE;
    xcb_configure_window(m_connection, m_window, mask, values.constData());
    xcb_flush(m_connection);
}

void X11PointerLayer::hide()
{
    if (m_connection && m_window && m_shown) {
        xcb_unmap_window(m_connection, m_window);
        xcb_flush(m_connection);
    }
    m_shown = false;
}

void X11PointerLayer::readEvents()
{
    if (xcb_connection_has_error(m_connection)) {
        m_notifier->setEnabled(false);
        m_shown = false;
        return;
    }
    while (const x11::Reply<xcb_generic_event_t> event{xcb_poll_for_event(m_connection)}) {
        // Errors (a sibling gone before the restack) need nothing.
        switch (event->response_type & 0x7f) {
        case XCB_BUTTON_PRESS:
        case XCB_BUTTON_RELEASE: {
            auto *e = reinterpret_cast<xcb_button_press_event_t *>(event.get());
            const Qt::MouseButton button = buttonOf(e->detail);
            if (e->event == m_window && button != Qt::NoButton) {
                // The state is the one before the event.
                const bool press = (event->response_type & 0x7f) == XCB_BUTTON_PRESS;
                const Qt::MouseButtons buttons = press ? buttonsOf(e->state) | button : buttonsOf(e->state) & ~button;
                emit pointerEvent(press ? QEvent::MouseButtonPress : QEvent::MouseButtonRelease,
                                  QPoint(e->root_x, e->root_y), button, buttons, modifiersOf(e->state));
            }
            break;
        }
        case XCB_MOTION_NOTIFY: {
            auto *e = reinterpret_cast<xcb_motion_notify_event_t *>(event.get());
            if (e->event == m_window)
                emit pointerEvent(QEvent::MouseMove, QPoint(e->root_x, e->root_y), Qt::NoButton, buttonsOf(e->state),
                                  modifiersOf(e->state));
            break;
        }
        case XCB_CONFIGURE_NOTIFY: {
            // A window restacked between the layer and the window served
            // (a window manager restacking its frames) would take the
            // pointer: the layer goes back on top of it.
            auto *e = reinterpret_cast<xcb_configure_notify_event_t *>(event.get());
            if (m_shown && e->window != m_window && (e->window == m_sibling || e->above_sibling == m_sibling))
                restack();
            break;
        }
        case XCB_REPARENT_NOTIFY:
            // The window served framed anew by a window manager.
            if (m_served) {
                m_sibling = topLevelOf(m_served);
                if (m_shown)
                    restack();
            }
            break;
        default:
            break;
        }
    }
}
