#pragma once
// The program's one stacking rule, for every window it shows.
//
// - A dialog is above the window that opened it and takes the keyboard: the
//   window manager is told whose it is (WM_TRANSIENT_FOR). A desktop overlay
//   is no window of the window manager's, so a dialog an overlay opens is
//   told to be the dialog of the nearest managed window that shows above it
//   in the line of openers, or of the whole program when none shows; it
//   opens beside the overlay, not over it, where the screen has room.
// - No overlay covers a dialog of its own (one it opened, or a modal one,
//   which blocks it): while one shows, the overlay lies directly below it;
//   one that lay on top goes back on top afterwards.
// - An overlay kept above (keepAbove) lies over every other program's
//   window while it shows, raised again when the desktop's stacking changes
//   (no timer: nothing wakes the program while nothing changes), except
//   while a dialog of its own shows. Overlays kept above leave each other,
//   and the program's menus and tool tips, alone.
class QWidget;

namespace stacking {

// Keeps the desktop overlay `overlay` above as described, from now on.
void keepAbove(QWidget *overlay);

// Puts the dialog half of the rule in force for the whole program; once is
// enough (DesktopOverlay::make() and keepAbove() do it).
void install();

} // namespace stacking
