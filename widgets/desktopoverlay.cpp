#include "desktopoverlay.h"

#include "platform/windowstacking.h"
#include "stackingrule.h"

#include <QApplication>
#include <QDateTime>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <QWindow>

namespace {
constexpr char kOverlay[] = "_mirelo_desktop_overlay";
// A grab fails while another client holds one (an open menu, a key the
// window manager is handling): it is tried again, less and less often, for
// about ten seconds.
constexpr int kGrabFirstRetryMs = 20;
constexpr int kGrabLongestRetryMs = 1000;
constexpr qint64 kGrabForMs = 10000;
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
    // Dialogs the overlay opens stand above it.
    stacking::install();
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
    : QObject(widget), m_widget(widget), m_options(options), m_grabRetry(new QTimer(this))
{
    m_grabRetry->setSingleShot(true);
    connect(m_grabRetry, &QTimer::timeout, this, &DesktopOverlay::tryGrab);
}

bool DesktopOverlay::eventFilter(QObject *watched, QEvent *event)
{
    // The native window sees every press, whichever child it lands on.
    if (watched != m_widget) {
        if (event->type() == QEvent::MouseButtonPress && (m_options & FocusOnClick) && !m_widget->isActiveWindow())
            takeFocus();
        else if (event->type() == QEvent::Expose && m_window && m_window->isExposed())
            tryGrab();
        return false;
    }
    switch (event->type()) {
    case QEvent::WinIdChange:
        watchWindow();
        break;
    case QEvent::Show:
        watchWindow();
        if (m_options & GrabKeyboard) {
            QWidget *active = QApplication::activeWindow();
            m_previous = active != m_widget ? active : nullptr;
            m_usersFocus = usersFocus();
            m_grabRetryMs = kGrabFirstRetryMs;
            m_grabSince = QDateTime::currentMSecsSinceEpoch();
            // Tried once the window is exposed (mapped), as a grab needs.
            tryGrab();
        }
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
        if (m_window) {
            m_window->removeEventFilter(this);
            disconnect(m_window, nullptr, this, nullptr);
        }
        m_window = window;
        window->installEventFilter(this);
        // Before the window is unmapped: the keyboard goes back while this
        // window still has it, never by way of the desktop's root.
        connect(window, &QWindow::visibleChanged, this, [this](bool visible) {
            if (!visible)
                hiding();
        });
    }
}

quint32 DesktopOverlay::usersFocus() const
{
    const quint32 focus = WindowStacking::instance()->keyboardFocus();
    const QWindow *window = m_widget->windowHandle();
    return window && window->handle() && focus == quint32(window->winId()) ? 0 : focus;
}

void DesktopOverlay::takeFocus()
{
    m_usersFocus = usersFocus();
    m_widget->activateWindow();
}

void DesktopOverlay::hiding()
{
    m_grabRetry->stop();
    if (m_grabbed && m_window)
        m_window->setKeyboardGrabEnabled(false);
    m_grabbed = false;
    WindowStacking *stacking = WindowStacking::instance();
    const quint32 self = m_window && m_window->handle() ? quint32(m_window->winId()) : 0;
    if (m_usersFocus && self) {
        // Unless the user has put it elsewhere meanwhile.
        const quint32 focus = stacking->keyboardFocus();
        if (focus == self || focus == 0)
            stacking->setKeyboardFocus(m_usersFocus);
    }
    if (!m_usersFocus && m_previous && m_previous->isVisible() && m_widget->isActiveWindow())
        m_previous->activateWindow(); // where no window system tells the focus
    m_usersFocus = 0;
    m_previous = nullptr;
}

void DesktopOverlay::tryGrab()
{
    QWindow *window = m_widget->windowHandle();
    if (m_grabbed || !(m_options & GrabKeyboard) || !m_widget->isVisible() || !window || !window->isExposed())
        return;
    // Key events go to the program's focus window even while grabbed: the
    // overlay takes the focus too (Qt sets it itself on a window no window
    // manager manages), also should the grab never succeed.
    if (!m_widget->isActiveWindow())
        m_widget->activateWindow();
    if (window->setKeyboardGrabEnabled(true)) {
        m_grabbed = true;
        m_grabRetry->stop();
        return;
    }
    if (m_grabRetry->isActive() || QDateTime::currentMSecsSinceEpoch() - m_grabSince > kGrabForMs)
        return;
    m_grabRetry->start(m_grabRetryMs);
    m_grabRetryMs = qMin(m_grabRetryMs * 2, kGrabLongestRetryMs);
}
