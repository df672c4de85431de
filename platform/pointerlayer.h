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

    // Covers `rect` (desktop pixels) less `holes` (desktop pixels), stacked
    // just above `above`'s window.
    virtual void show(QWindow *above, const QRect &rect, const QRegion &holes) = 0;
    virtual void hide() = 0;
    bool isShown() const { return m_shown; }
    QRect rect() const { return m_rect; }
    QRegion holes() const { return m_holes; }

signals:
    // A press, release or move of the pointer on the layer (moves and the
    // release reach it wherever the pointer goes while a button is held),
    // at the pointer in desktop pixels. `button` is the one that changed.
    void pointerEvent(QEvent::Type type, const QPoint &position, Qt::MouseButton button, Qt::MouseButtons buttons,
                      Qt::KeyboardModifiers modifiers);

protected:
    bool m_shown = false;
    QRect m_rect;
    QRegion m_holes;
};

class NullPointerLayer : public PointerLayer
{
    Q_OBJECT
public:
    using PointerLayer::PointerLayer;
    void show(QWindow *, const QRect &rect, const QRegion &holes) override
    {
        m_shown = true;
        m_rect = rect;
        m_holes = holes;
    }
    void hide() override { m_shown = false; }
};
