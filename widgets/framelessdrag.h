#pragma once
// Moves a frameless top-level window (or a widget inside a window) when the
// user drags one of its handle widgets (a caption, a title bar) with the
// left button.
//
// The window manager does the move when it can (it then snaps, keeps the
// window on screen and so on), from where the handle was pressed
// (systemmove::start); where none answers (no window manager, offscreen)
// the window follows the pointer by hand.

#include <QObject>
#include <QPoint>
#include <QPointer>

class QEvent;
class QWidget;

class FramelessDrag : public QObject
{
    Q_OBJECT
public:
    // window: the top-level window that moves; it also owns the helper.
    explicit FramelessDrag(QWidget *window);

    // Drags start from this widget (an event filter is installed on it).
    void addHandle(QWidget *handle);

    // A disabled helper lets every event pass and ends a manual drag.
    void setEnabled(bool enabled);
    bool isEnabled() const { return m_enabled; }
    bool isDragging() const { return m_dragging; }

    // Lets the system move be skipped, for tests of the manual move.
    void setSystemMoveAllowed(bool allowed) { m_systemMoveAllowed = allowed; }

    // Handles one mouse event of a handle. True when the event was used
    // (callers with their own event filter consume it then).
    bool handleEvent(QEvent *event);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QPointer<QWidget> m_window;
    QPoint m_offset;
    bool m_dragging = false;
    bool m_enabled = true;
    bool m_systemMoveAllowed = true;
};
