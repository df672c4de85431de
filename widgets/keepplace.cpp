#include "keepplace.h"

#include "platform/windowlist.h"

#include <QEvent>
#include <QWidget>
#include <QWindow>

namespace {
// How long after it shows a move of the window that nobody asked for is
// the window manager's late placing, and how often it is undone.
constexpr int kSettleMs = 1000;
constexpr int kSettleTries = 2;
} // namespace

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
                m_shownAt = m_widget->geometry().topLeft();
                if (m_putBack) {
                    // Hidden again before it was put back, or before the
                    // window manager carried the move out (shown and at
                    // once hidden by another window): it still belongs at
                    // its target, wherever the window manager put it
                    // meanwhile (i3 shifts it by its decoration's size at
                    // each showing).
                    m_place = m_target;
                } else {
                    // Where the X server has it: a window manager that
                    // placed the window itself may never have told Qt.
                    const QRect onScreen =
                        WindowList::instance()->placeOf(quint32(m_widget->internalWinId()), false);
                    m_place = onScreen.isValid() ? onScreen.topLeft() : m_shownAt;
                }
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
                m_settling.start();
                m_settleTries = 0;
            }
            break;
        case QEvent::Move:
            // The window manager's word on a place of the window's before
            // it was hidden, come late (i3 tells of the place it gave the
            // window when mapped): no move of the program's.
            if (m_hidden && event->spontaneous())
                m_shownAt = m_widget->geometry().topLeft();
            // The program put the shown window somewhere: its place now.
            if (!m_hidden && !event->spontaneous())
                m_settling.invalidate();
            break;
        case QEvent::WinIdChange:
            watchWindow();
            break;
        default:
            break;
        }
        return false;
    }
    if (watched == m_window && event->type() == QEvent::MouseButtonPress)
        m_settling.invalidate(); // the user's to move from now on
    if (watched == m_window && m_pending
        && (event->type() == QEvent::Expose || event->type() == QEvent::Move) && m_window->isExposed())
        putBack();
    else if (watched == m_window && m_putBack && !m_pending && !m_hidden && event->type() == QEvent::Move)
        confirmPutBack();
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
    if (m_putBack && now != m_target) {
        m_window->setPosition(m_target);
        m_from = now;
    } else if (m_putBack) {
        // There already, as far as the X server knows yet: the window
        // manager's word may still come.
        m_from = now;
    }
}

void KeepPlace::confirmPutBack()
{
    // Done once the X server has it there; or moved on since (the user
    // dragged it): either way where it is now is the X server's business.
    // Qt hears of the place it was told first on the way.
    const QPoint qtHasIt = m_window->position();
    const bool settling = m_settling.isValid() && m_settling.elapsed() < kSettleMs;
    if (settling && qtHasIt != m_target && qtHasIt != m_from && m_settleTries < kSettleTries) {
        // Placed anew by the window manager since it showed: back again.
        ++m_settleTries;
        m_from = qtHasIt;
        m_window->setPosition(m_target);
        return;
    }
    if ((qtHasIt != m_target && qtHasIt != m_from)
        || WindowList::instance()->placeOf(quint32(m_window->winId()), false).topLeft() == m_target)
        m_putBack = false;
}
