#pragma once
// A layer that takes the pointer over a rectangle of the desktop and shows
// nothing at all. Without a compositing manager a window shows every pixel
// it has, transparent ones as black, so a window that must let the desktop
// show through cannot take the pointer where it shows nothing; this layer
// does. The X11 layer is an input-only window of its own connection, kept
// just above the window it serves; elsewhere (offscreen) the null layer only
// remembers what it was asked, for tests.
#include <QEvent>
#include <QObject>
#include <QPoint>
#include <QRect>
#include <QRegion>

class QWindow;

class PointerLayer : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;
    // The X11 layer on the xcb platform, else the null one.
    static PointerLayer *create(QObject *parent);

    // Covers `area` (desktop pixels), stacked just above `above`'s window,
    // and stays there when other windows are restacked.
    virtual void show(QWindow *above, const QRegion &area) = 0;
    virtual void hide() = 0;
    // The pointer's look over the layer.
    virtual void setCursorShape(Qt::CursorShape shape) { m_cursorShape = shape; }
    bool isShown() const { return m_shown; }
    QRegion area() const { return m_area; }
    Qt::CursorShape cursorShape() const { return m_cursorShape; }

signals:
    // A press, release or move of the pointer on the layer (moves and the
    // release reach it wherever the pointer goes while a button is held),
    // at the pointer in desktop pixels. `button` is the one that changed.
    void pointerEvent(QEvent::Type type, const QPoint &position, Qt::MouseButton button, Qt::MouseButtons buttons,
                      Qt::KeyboardModifiers modifiers);

protected:
    bool m_shown = false;
    QRegion m_area;
    Qt::CursorShape m_cursorShape = Qt::ArrowCursor;
};

class NullPointerLayer : public PointerLayer
{
    Q_OBJECT
public:
    using PointerLayer::PointerLayer;
    void show(QWindow *, const QRegion &area) override
    {
        m_shown = true;
        m_area = area;
    }
    void hide() override { m_shown = false; }
};
