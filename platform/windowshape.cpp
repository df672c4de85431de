#include "windowshape.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QVector>
#include <QWindow>
#include <QX11Info>

#include <xcb/shape.h>
#include <xcb/xcb.h>

#include <cstdlib>

namespace {

WindowShape *s_override = nullptr;

xcb_connection_t *connection()
{
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        return nullptr;
    return QX11Info::connection();
}

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
    const QByteArray name = "_NET_WM_CM_S" + QByteArray::number(QX11Info::appScreen());
    xcb_intern_atom_reply_t *atom = xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, name.size(), name.constData()), nullptr);
    if (!atom)
        return false;
    xcb_get_selection_owner_reply_t *owner =
        xcb_get_selection_owner_reply(c, xcb_get_selection_owner(c, atom->atom), nullptr);
    const bool running = owner && owner->owner != XCB_NONE;
    std::free(owner);
    std::free(atom);
    return running;
}

void X11WindowShape::sync()
{
    QCoreApplication::processEvents();
    if (xcb_connection_t *c = connection())
        std::free(xcb_get_input_focus_reply(c, xcb_get_input_focus(c), nullptr));
    QCoreApplication::processEvents();
}

void NullWindowShape::sync()
{
    QCoreApplication::processEvents();
}
