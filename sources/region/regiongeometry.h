#pragma once
// The arithmetic of the area picker, the region frame and the custom size
// panel, kept apart from the windows so it can be checked on its own. All
// rectangles are QRects with inclusive right and bottom.
#include <QImage>
#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QVector>

namespace region {

// Pointer zones: the classic hit-test numbers (they are stored as int).
enum Zone {
    ZoneNone = 0,
    ZoneMove = 1,
    ZoneLeft = 10,
    ZoneRight = 11,
    ZoneTop = 12,
    ZoneTopLeft = 13,
    ZoneTopRight = 14,
    ZoneBottom = 15,
    ZoneBottomLeft = 16,
    ZoneBottomRight = 17,
};

// The smallest width and height a drag leaves a region.
constexpr int kMinimumSide = 100;
// The largest width and height the custom size panel takes; the panel's
// boxes and the frame's size button are made wide enough to show it.
constexpr int kLargestSide = 10000;

// The window the picker offers under the pointer: the outermost window when
// the pointer is on its top 5 pixels (its title bar), else the innermost;
// the screen when there is none. Cut to the screen, so a window hanging
// past its edge is never offered beyond it.
QRect windowRectAt(const QVector<QRect> &windowRects, const QRect &screenRect, const QPoint &point);

// The snapshot with red, green and blue lowered by 100 (at least 0), alpha
// kept.
QImage dimmed(const QImage &image);

// Top-left of the picker's 198 x 134 magnifier for a pointer at `pointer`,
// in a dialog of size `dialog`: below right, flipped above and/or left near
// the bottom and right edges.
QPoint magnifierTopLeft(const QPoint &pointer, const QSize &dialog);

// The frame's zone under the pointer (before the move icons are looked at).
// Only call for a region that is neither full screen nor being dragged.
int frameZone(const QRect &region, const QPoint &p, bool ratioLocked, bool recordingMode);

// The edge steps of one drag step.
struct Steps {
    int dl = 0, dt = 0, dr = 0, db = 0;
};
// The steps a pointer at p asks for in `zone` (lastPoint: the previous
// pointer position; ratio: width / height when locked).
Steps dragSteps(int zone, const QRect &region, const QPoint &p, const QPoint &lastPoint, bool ratioLocked,
                double ratio);
// Applies the minimum size and the desktop bounds to the steps and returns
// the new region. One rule for the frame and the screenshot tool: a step
// never leaves a side under 100 px from a larger one, never inverts the
// region, and a move past an edge is dropped on that axis only.
QRect applySteps(const QRect &region, Steps s, const QRect &bounds);

// A preset size centred on the screen, cut to it.
QRect presetRect(const QSize &size, const QRect &screen);

// Where the frame's tool bar goes for a region (keeps the bar's size).
QRect toolBarRect(const QSize &bar, const QRect &region, const QRect &screen);
// The same kept clear of the desktop's panels: where the rule above puts
// the bar over a panel (or off the monitor), it is applied to the part of
// the region that the free area of the bar's monitor holds, and the bar
// is kept inside that area. `monitors` and `free` go in pairs.
QRect toolBarRect(const QSize &bar, const QRect &region, const QRect &screen, const QList<QRect> &monitors,
                  const QList<QRect> &free);

// The part of a monitor that the desktop's panels leave free: its work
// area (`available`, as the window manager gives it), less the strip of
// each panel that lies on the monitor, cut from the edge the panel lies
// along (a window manager may keep no work area, or a panel reserve no
// strip).
QRect freeArea(const QRect &monitor, const QRect &available, const QList<QRect> &panels);

// A size typed for the region, kept on the desktop: each side is cut to the
// bounds, and a region that would then run past their right or bottom edge
// moves left or up first, so its top-left corner stays where it can.
QRect typedRect(const QRect &region, const QSize &size, const QRect &bounds);

// Where the custom size panel goes beside the region on the screen.
QRect panelRect(const QSize &panel, const QRect &region, const QRect &screen);

// width / height, or 1.0 when either side is empty.
double safeRatio(int width, int height);

} // namespace region
