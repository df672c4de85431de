#pragma once
// Keeps a window above the others through the window manager's "above"
// state, on the window's existing native window: re-creating it (what
// QWidget::setWindowFlags does) would hand out a new window id to anyone
// drawing into the old one and drop its input shape.
//
// On X11 the xcb platform sends the state to a mapped window and sets it
// before the next map of an unmapped one. Tests replace the program's layer
// with FakeWindowStacking.

class QWindow;

class WindowStacking
{
public:
    virtual ~WindowStacking();

    virtual void setStaysOnTop(QWindow *window, bool on) = 0;
    virtual bool staysOnTop(QWindow *window) const = 0;

    // The program's layer (the window manager's, made on first use).
    static WindowStacking *instance();
    // Replaces it (tests); the caller keeps ownership and passes null to go
    // back to the default.
    static void setInstance(WindowStacking *stacking);
};

// The real one: the window's own stays-on-top flag, which the xcb platform
// turns into _NET_WM_STATE_ABOVE without re-creating the native window.
class WmWindowStacking : public WindowStacking
{
public:
    void setStaysOnTop(QWindow *window, bool on) override;
    bool staysOnTop(QWindow *window) const override;
};
