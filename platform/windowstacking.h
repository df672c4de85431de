#pragma once
// How the desktop's top-level windows stack, and where the keyboard is.
//
// setStaysOnTop() keeps a window above the others through the window
// manager's "above" state, on the window's existing native window:
// re-creating it (what QWidget::setWindowFlags does) would hand out a new
// window id to anyone drawing into the old one and drop its input shape. On
// X11 a mapped window asks the window manager for the state and an unmapped
// one carries it into its next map.
//
// The rest reads the X server's stacking, hears its changes and moves the
// keyboard focus, for windows no window manager stacks or focuses (desktop
// overlays). Tests replace the program's layer with FakeWindowStacking.

#include <QVector>

#include <functional>

class QObject;
class QWindow;

class WindowStacking
{
public:
    virtual ~WindowStacking();

    virtual void setStaysOnTop(QWindow *window, bool on) = 0;
    virtual bool staysOnTop(QWindow *window) const = 0;
    // Puts `window` directly above or below the top-level window that holds
    // `reference` (a managed window's is its window manager's frame). For
    // windows no window manager manages (desktop overlays): the X server
    // restacks them at once.
    virtual void stackNextTo(QWindow *window, QWindow *reference, bool above) = 0;

    // The desktop's top-level windows that show, bottom to top, as the X
    // server stacks them.
    virtual QVector<quint32> stackingOrder() const = 0;
    // The top-level window that holds `window` (a managed window's frame),
    // 0 when it has none.
    virtual quint32 topLevelOf(QWindow *window) const = 0;
    // Calls `changed` on the program's thread each time the desktop's
    // stacking may have changed (a top-level window mapped, raised or
    // lowered, the window manager's stacking list rewritten), as long as the
    // returned object lives; `owner` owns it. Nothing wakes the program
    // while nothing changes.
    virtual QObject *watchStacking(QObject *owner, std::function<void()> changed) = 0;

    // The window that has the keyboard focus; 0 when none has it or the
    // desktop's root does.
    virtual quint32 keyboardFocus() const = 0;
    // Gives the keyboard focus to `window` (an id keyboardFocus() gave),
    // when it still shows.
    virtual void setKeyboardFocus(quint32 window) = 0;
    // When a window of the program's has the keyboard focus, lets the focus
    // fall to the desktop's root once that window hides, rather than to its
    // window manager's frame, which goes with it and leaves no focus at all
    // (Qt gives the focus so), where a window manager may leave it: then the
    // X server hands no key to anyone, not even a global hotkey.
    virtual void letFocusFallToRoot() = 0;

    // The program's layer (the window manager's, made on first use).
    static WindowStacking *instance();
    // Replaces it (tests); the caller keeps ownership and passes null to go
    // back to the default.
    static void setInstance(WindowStacking *stacking);
};

// The real one: _NET_WM_STATE_ABOVE on the window's native window, leaving
// the window's flags alone.
class WmWindowStacking : public WindowStacking
{
public:
    void setStaysOnTop(QWindow *window, bool on) override;
    bool staysOnTop(QWindow *window) const override;
    void stackNextTo(QWindow *window, QWindow *reference, bool above) override;
    QVector<quint32> stackingOrder() const override;
    quint32 topLevelOf(QWindow *window) const override;
    QObject *watchStacking(QObject *owner, std::function<void()> changed) override;
    quint32 keyboardFocus() const override;
    void setKeyboardFocus(quint32 window) override;
    void letFocusFallToRoot() override;
};
