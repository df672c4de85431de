#pragma once
// Waiting for the screen to stop showing a window that was just hidden.
//
// Unmapping a window does not take it off the screen at once: a compositing
// manager shows its last picture until it repaints, and without one the
// windows below draw themselves only when they get to it. A grab taken
// straight away would hold the hidden window.
#include <QImage>
#include <QRect>

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
bool differs(const QImage &before, const QImage &now, double share);

} // namespace screenrepaint
