#include "keepplace.h"

#include "platform/windowlist.h"

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
                // Where the X server has it: a window manager that placed
                // the window itself may never have told Qt.
                m_shownAt = m_widget->geometry().topLeft();
                const QRect onScreen = WindowList::instance()->placeOf(quint32(m_widget->internalWinId()), false);
                m_place = onScreen.isValid() ? onScreen.topLeft() : m_shownAt;
                m_hidden = true;
                m_pending = false;
            }
            break;
        case QEvent::Show:
            watchWindow();
            if (!event->spontaneous()) {
                // Where it was, unless the program moved it while hidden: then,
                // as for a window shown the first time, where the program put
                // it, if it did.
                m_putBack = true;
                if (m_hidden && m_widget->geometry().topLeft() == m_shownAt)
                    m_target = m_place;
                else if (m_widget->testAttribute(Qt::WA_Moved))
                    m_target = m_widget->geometry().topLeft();
                else
                    m_putBack = false;
                m_pending = true;
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
    const QRect onScreen = WindowList::instance()->placeOf(quint32(m_window->winId()), false);
    if (!onScreen.isValid())
        return;
    const QPoint now = onScreen.topLeft();
    // Qt asks nothing of a window it believes where it is asked to go: it
    // is told where the window is first. That alone also puts right what
    // a window manager that placed the window itself never told Qt (menus
    // open beside the window, not where Qt thought it was).
    if (m_window->position() != now)
        m_window->setPosition(now);
    // The window's own pixels there: the window manager adds its frame
    // around them.
    if (m_putBack && now != m_target)
        m_window->setPosition(m_target);
}
