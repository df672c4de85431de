#pragma once
// The windows on the screen, for the area picker: each top-level window with
// its descendants, topmost first, rectangles in root (desktop) coordinates.
//
// On X11 this is the window tree from the root, not the window manager's
// client list: a managed window's top-level is its frame, whose rectangle
// holds the title bar the picker's title rule expects.
#include <QRect>
#include <QString>
#include <QVector>

struct WindowListEntry {
    quint32 id = 0;
    QRect rect;          // inclusive right and bottom, desktop coordinates
    bool visible = false; // viewable and able to show pixels (not input-only)
    QString className;   // WM_CLASS class of the client window; may be empty
    QVector<WindowListEntry> children; // topmost first
};

class WindowList
{
public:
    virtual ~WindowList();

    // Top-level windows, topmost first. `skip` names windows left out with
    // all they hold (the program's own).
    virtual QVector<WindowListEntry> windows(const QVector<quint32> &skip) = 0;

    // Where `window` lies on the desktop now, as the X server has it, or
    // with `withFrame` the top-level window that holds it (a managed
    // window's frame, its decoration included); null when unknown. Qt's
    // own idea of a window's place can lag behind a window manager that
    // placed the window itself and never said so.
    virtual QRect placeOf(quint32 window, bool withFrame);

    // The program's list: the X server's on the xcb platform, else an empty
    // list.
    static WindowList *instance();
    // Replaces it (tests); the caller keeps ownership, null restores.
    static void setInstance(WindowList *list);
};

// The X server's window tree, read through the program's own connection.
class X11WindowList : public WindowList
{
public:
    QVector<WindowListEntry> windows(const QVector<quint32> &skip) override;
    QRect placeOf(quint32 window, bool withFrame) override;
};

// No window system (offscreen): no windows.
class NullWindowList : public WindowList
{
public:
    QVector<WindowListEntry> windows(const QVector<quint32> &) override { return {}; }
};
