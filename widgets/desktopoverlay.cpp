#include "desktopoverlay.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <QWindow>

namespace {
constexpr char kOverlay[] = "_mirelo_desktop_overlay";
// A grab fails while the window is not yet viewable or another client holds
// one; it is tried again, for about two seconds.
constexpr int kGrabRetryMs = 20;
constexpr int kGrabTries = 100;
} // namespace

Qt::WindowFlags DesktopOverlay::flags(Options options)
{
    Qt::WindowFlags f = Qt::Tool | Qt::FramelessWindowHint | Qt::CustomizeWindowHint | Qt::NoDropShadowWindowHint
                        | Qt::X11BypassWindowManagerHint | Qt::WindowStaysOnTopHint;
    // Qt refuses to activate a window that does not accept the focus.
    if (!options)
        f |= Qt::WindowDoesNotAcceptFocus;
    return f;
}

void DesktopOverlay::make(QWidget *widget, Options options)
{
    if (!widget || isOverlay(widget))
        return;
    widget->setWindowFlags(flags(options));
    widget->setAttribute(Qt::WA_ShowWithoutActivating);
    widget->setAttribute(Qt::WA_X11DoNotAcceptFocus, !options);
    widget->setProperty(kOverlay, true);
    if (options)
        widget->installEventFilter(new DesktopOverlay(widget, options));
}

bool DesktopOverlay::isOverlay(const QWidget *widget)
{
    return widget && widget->property(kOverlay).toBool();
}

DesktopOverlay::DesktopOverlay(QWidget *widget, Options options)
    : QObject(widget), m_widget(widget), m_options(options)
{
}

bool DesktopOverlay::eventFilter(QObject *watched, QEvent *event)
{
    // The native window sees every press, whichever child it lands on.
    if (watched != m_widget) {
        if (event->type() == QEvent::MouseButtonPress && (m_options & FocusOnClick) && !m_widget->isActiveWindow())
            m_widget->activateWindow();
        return false;
    }
    switch (event->type()) {
    case QEvent::WinIdChange:
        watchWindow();
        break;
    case QEvent::Show:
        watchWindow();
        if (!(m_options & GrabKeyboard))
            break;
        {
            QWidget *active = QApplication::activeWindow();
            m_previous = active != m_widget ? active : nullptr;
            m_grabTries = 0;
            QTimer::singleShot(0, this, &DesktopOverlay::tryGrab);
        }
        break;
    case QEvent::Hide:
        if (m_grabbed && m_widget->windowHandle())
            m_widget->windowHandle()->setKeyboardGrabEnabled(false);
        if (m_grabbed && m_previous && m_previous->isVisible())
            m_previous->activateWindow();
        m_grabbed = false;
        m_grabTries = kGrabTries;
        break;
    default:
        break;
    }
    return false;
}

void DesktopOverlay::watchWindow()
{
    QWindow *window = m_widget->windowHandle();
    if (window && window != m_window) {
        if (m_window)
            m_window->removeEventFilter(this);
        m_window = window;
        window->installEventFilter(this);
    }
}

void DesktopOverlay::tryGrab()
{
    QWindow *window = m_widget->windowHandle();
    if (m_grabbed || !m_widget->isVisible() || !window || m_grabTries >= kGrabTries)
        return;
    ++m_grabTries;
    // Key events go to the program's focus window even while grabbed: the
    // overlay takes the focus too (Qt sets it itself on a window no window
    // manager manages).
    if (window->isExposed() && window->setKeyboardGrabEnabled(true)) {
        m_grabbed = true;
        m_widget->activateWindow();
        return;
    }
    QTimer::singleShot(kGrabRetryMs, this, &DesktopOverlay::tryGrab);
}
