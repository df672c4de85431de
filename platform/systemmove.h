#pragma once
// Hands the move of a top-level window to the window manager, from the
// place on the screen where the pointer was pressed (EWMH
// _NET_WM_MOVERESIZE). Qt's own call starts the move from the last place
// its platform window saw the pointer, which need not be the press that
// starts the move (after the window was hidden and shown again, a popup of
// its own closed, a press its window manager handed on): the window
// manager then moves the window by the difference at the first motion, a
// jump of hundreds of pixels.
class QPoint;
class QWindow;

namespace systemmove {

// True when the window manager took the move over; false when none runs
// that does such moves, and the caller moves the window itself.
// `pressedAt`: the press in desktop coordinates (QMouseEvent::globalPos).
bool start(QWindow *window, const QPoint &pressedAt);

} // namespace systemmove
