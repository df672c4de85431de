#pragma once
// Keeps a window above the others through the window manager's "above"
// state, on the window's existing native window: re-creating it (what
// QWidget::setWindowFlags does) would hand out a new window id to anyone
// drawing into the old one and drop its input shape.
//
// On X11 a mapped window asks the window manager for the state and an
// unmapped one carries it into its next map. Tests replace the program's
// layer with FakeWindowStacking.

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
};
