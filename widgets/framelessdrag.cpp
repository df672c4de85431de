#include "framelessdrag.h"

#include "platform/systemmove.h"

#include <QMouseEvent>
#include <QWidget>
#include <QWindow>

FramelessDrag::FramelessDrag(QWidget *window) : QObject(window), m_window(window) {}

void FramelessDrag::addHandle(QWidget *handle)
{
    if (handle)
        handle->installEventFilter(this);
}

void FramelessDrag::setEnabled(bool enabled)
{
    m_enabled = enabled;
    if (!enabled)
        m_dragging = false;
}

bool FramelessDrag::handleEvent(QEvent *event)
{
    if (!m_window || !m_enabled)
        return false;
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        auto *e = static_cast<QMouseEvent *>(event);
        if (e->button() != Qt::LeftButton || e->buttons() != Qt::LeftButton)
            return false;
        // Only a window the window manager manages is moved by it: a part
        // of a window, or a window kept away from it, follows by hand.
        QWindow *handle = m_window->isWindow() && !(m_window->windowFlags() & Qt::X11BypassWindowManagerHint)
                              ? m_window->windowHandle()
                              : nullptr;
        // From where it was pressed; a press that came from a touch, through
        // Qt's own call.
        const bool started =
            m_systemMoveAllowed && handle
            && (e->source() == Qt::MouseEventNotSynthesized ? systemmove::start(handle, e->globalPos())
                                                             : handle->startSystemMove());
        if (started) {
            m_dragging = false;
            return true;
        }
        m_dragging = true;
        m_offset = e->globalPos() - m_window->pos();
        return true;
    }
    case QEvent::MouseMove: {
        auto *e = static_cast<QMouseEvent *>(event);
        if (!m_dragging)
            return false;
        if (!(e->buttons() & Qt::LeftButton)) {
            m_dragging = false;
            return false;
        }
        m_window->move(e->globalPos() - m_offset);
        return true;
    }
    case QEvent::MouseButtonRelease: {
        auto *e = static_cast<QMouseEvent *>(event);
        if (e->button() != Qt::LeftButton || !m_dragging)
            return false;
        m_dragging = false;
        return true;
    }
    default:
        return false;
    }
}

bool FramelessDrag::eventFilter(QObject *watched, QEvent *event)
{
    if (handleEvent(event))
        return true;
    return QObject::eventFilter(watched, event);
}
