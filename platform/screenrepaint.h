#pragma once
// Waiting for the screen to stop showing a window that was just hidden.
//
// Unmapping a window does not take it off the screen at once: a compositing
// manager shows its last picture until it repaints, and without one the
// windows below draw themselves only when they get to it. A grab taken
// straight away would hold the hidden window.
#include <QImage>
#include <QObject>
#include <QRect>
#include <QVector>

#include <functional>

namespace screenrepaint {

// The screen's pixels in `area` (desktop coordinates, clipped to the
// desktop); null when there is nothing to grab.
QImage grabArea(const QRect &area);

// Waits until the screen in `area` no longer shows `shown` (grabbed there
// before the window was hidden) and has come to rest, at most `timeoutMs`.
// `share` is how much of the area must have changed: a window covering it
// changes most (0.5), icons on a desktop a little (0). True when it did;
// false at the deadline (a window that was covered anyway, or a screen
// that cannot be grabbed).
bool waitUntilRepainted(const QRect &area, const QImage &shown, int timeoutMs, double share = 0.5);

// True when more than `share` of `now` differs from `before` (same size).
// A share of 0 asks for any change at all: every pixel is looked at.
bool differs(const QImage &before, const QImage &now, double share);

// A part of the screen a window covers, and the share of it that must
// change once the window is hidden (as for waitUntilRepainted).
struct Covered
{
    QRect area;
    double share = 0.5;
};

// The one wait for hidden windows to leave the screen: grabs each area,
// runs `hide`, has the X server do it (x11::sync), and waits until every
// area has been repainted without what it showed, all within `timeoutMs`.
// True when every one was. It handles events meanwhile (but the user's
// input): only for a caller that a click of the user's brought, which
// expects nothing else to run; elsewhere hideThen().
bool hideAndWait(const QVector<Covered> &covered, const std::function<void()> &hide, int timeoutMs);

// The same wait without a loop of its own: grabs each area and runs `hide`
// now, then looks at the screen from the caller's event loop every few
// milliseconds and calls `done` (true when every area was repainted) once
// it is, or at the deadline. The watch is a child of `context`: deleting
// it, or the context, drops the wait and the call. A watch with nothing to
// look at calls `done` from the event loop too, never from here.
QObject *hideThen(const QVector<Covered> &covered, const std::function<void()> &hide, int timeoutMs,
                  QObject *context, std::function<void(bool)> done);

// The waiting half of hideThen(), for areas whose pictures were grabbed
// before something was hidden (`shown`, one per area).
QObject *watchRepaint(const QVector<Covered> &covered, const QVector<QImage> &shown, int timeoutMs,
                      QObject *context, std::function<void(bool)> done);

} // namespace screenrepaint
