#pragma once
// Waiting for the screen to stop showing a window that was just hidden.
//
// Unmapping a window does not take it off the screen at once: a compositing
// manager shows its last picture until it repaints, and without one the
// windows below draw themselves only when they get to it. A grab taken
// straight away would hold the hidden window.
#include <QImage>
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

// Grabs each area, runs `hide`, and waits until every area has been
// repainted without what it showed, all within `timeoutMs`. True when
// every one was.
bool hideAndWait(const QVector<Covered> &covered, const std::function<void()> &hide, int timeoutMs);

} // namespace screenrepaint
