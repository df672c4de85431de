#include "windowshape.h"

#include "x11.h"

#include <QVector>
#include <QWindow>
#include <QX11Info>

#include <xcb/shape.h>

namespace {

WindowShape *s_override = nullptr;

using x11::connection;

void setRegion(QWindow *window, xcb_shape_kind_t kind, const QRegion &region)
{
    xcb_connection_t *c = connection();
    if (!c || !window)
        return;
    QVector<xcb_rectangle_t> rects;
    for (const QRect &r : region)
        rects << xcb_rectangle_t{qint16(r.x()), qint16(r.y()), quint16(r.width()), quint16(r.height())};
    xcb_shape_rectangles(c, XCB_SHAPE_SO_SET, kind, XCB_CLIP_ORDERING_UNSORTED, xcb_window_t(window->winId()), 0, 0,
                         rects.size(), rects.constData());
    xcb_flush(c);
}

} // namespace

WindowShape::~WindowShape() = default;

WindowShape *WindowShape::instance()
{
    if (s_override)
        return s_override;
    static X11WindowShape x11;
    static NullWindowShape none;
    return connection() ? static_cast<WindowShape *>(&x11) : &none;
}

void WindowShape::setInstance(WindowShape *shape)
{
    s_override = shape;
}

void X11WindowShape::setInputRegion(QWindow *window, const QRegion &region)
{
    setRegion(window, XCB_SHAPE_SK_INPUT, region);
}

void X11WindowShape::setBoundingRegion(QWindow *window, const QRegion &region)
{
    setRegion(window, XCB_SHAPE_SK_BOUNDING, region);
}

void X11WindowShape::clearBoundingRegion(QWindow *window)
{
    xcb_connection_t *c = connection();
    if (!c || !window)
        return;
    xcb_shape_mask(c, XCB_SHAPE_SO_SET, XCB_SHAPE_SK_BOUNDING, xcb_window_t(window->winId()), 0, 0, XCB_NONE);
    xcb_flush(c);
}

bool X11WindowShape::compositingManagerRunning()
{
    xcb_connection_t *c = connection();
    if (!c)
        return true;
    // The compositing manager owns the selection _NET_WM_CM_S<screen>.
    const xcb_atom_t selection = x11::atom("_NET_WM_CM_S" + QByteArray::number(QX11Info::appScreen()));
    if (selection == XCB_ATOM_NONE)
        return false;
    const auto owner = x11::reply(c, xcb_get_selection_owner(c, selection), xcb_get_selection_owner_reply);
    return owner && owner->owner != XCB_NONE;
}

void X11WindowShape::sync()
{
    x11::sync();
}

void NullWindowShape::sync()
{
    x11::sync();
}
