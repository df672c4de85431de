#pragma once
// Which parts of a window take the pointer and which show at all.
//
// The region frame covers the whole desktop but paints only a border, a few
// handles and a tool bar. X11 does no hit-testing on transparent pixels, so
// the frame's input region is cut to what it paints; without a compositing
// manager transparent pixels show black, so there the window is cut to those
// parts as well (its bounding region).
#include <QRegion>

class QWindow;

class WindowShape
{
public:
    virtual ~WindowShape();

    // Regions in the window's own coordinates. An empty input region takes no
    // pointer at all.
    virtual void setInputRegion(QWindow *window, const QRegion &region) = 0;
    virtual void setBoundingRegion(QWindow *window, const QRegion &region) = 0;
    // The whole window shows again.
    virtual void clearBoundingRegion(QWindow *window) = 0;
    // A compositing manager runs on the program's screen, so transparent
    // pixels show what lies below.
    virtual bool compositingManagerRunning() = 0;
    // Everything asked of the window system so far has been done: the X
    // server has answered a round trip (a window hidden before is really
    // gone). No event is handled meanwhile.
    virtual void sync() = 0;

    // The program's layer: the X server's on the xcb platform, else a null
    // one that shapes nothing and reports compositing (offscreen windows
    // are drawn with their alpha).
    static WindowShape *instance();
    // Replaces it (tests); the caller keeps ownership, null restores.
    static void setInstance(WindowShape *shape);
};

class X11WindowShape : public WindowShape
{
public:
    void setInputRegion(QWindow *window, const QRegion &region) override;
    void setBoundingRegion(QWindow *window, const QRegion &region) override;
    void clearBoundingRegion(QWindow *window) override;
    bool compositingManagerRunning() override;
    void sync() override;
};

class NullWindowShape : public WindowShape
{
public:
    void setInputRegion(QWindow *, const QRegion &) override {}
    void setBoundingRegion(QWindow *, const QRegion &) override {}
    void clearBoundingRegion(QWindow *) override {}
    bool compositingManagerRunning() override { return true; }
    void sync() override;
};
