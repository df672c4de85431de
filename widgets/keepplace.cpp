#include "keepplace.h"

#include <QEvent>
#include <QWidget>
#include <QWindow>

void KeepPlace::watch(QWidget *widget)
{
    if (!widget || widget->findChild<KeepPlace *>(QString(), Qt::FindDirectChildrenOnly))
        return;
    widget->installEventFilter(new KeepPlace(widget));
}

KeepPlace::KeepPlace(QWidget *widget) : QObject(widget), m_widget(widget)
{
    watchWindow();
}

void KeepPlace::watchWindow()
{
    QWindow *window = m_widget->windowHandle();
    if (window == m_window)
        return;
    if (m_window)
        m_window->removeEventFilter(this);
    m_window = window;
    if (window)
        window->installEventFilter(this);
}

bool KeepPlace::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_widget) {
        switch (event->type()) {
        case QEvent::Hide:
            // A window minimised by the user is the window manager's
            // business (a spontaneous hide).
            if (!event->spontaneous() && m_widget->isWindow() && m_window) {
                m_place = m_widget->geometry().topLeft();
                m_hidden = true;
                m_pending = false;
            }
            break;
        case QEvent::Show:
            watchWindow();
            if (!event->spontaneous() && m_hidden) {
                // Moved by the program while hidden: that is its new place.
                m_pending = m_widget->geometry().topLeft() == m_place;
                m_hidden = false;
            }
            break;
        case QEvent::WinIdChange:
            watchWindow();
            break;
        default:
            break;
        }
        return false;
    }
    if (watched == m_window && m_pending
        && (event->type() == QEvent::Expose || event->type() == QEvent::Move) && m_window->isExposed())
        putBack();
    return false;
}

void KeepPlace::putBack()
{
    m_pending = false;
    // The window's own pixels where they were: the window manager adds its
    // frame around them.
    if (m_window->position() != m_place)
        m_window->setPosition(m_place);
}
