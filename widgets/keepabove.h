#pragma once
// Keeps a desktop overlay above the windows the window manager raises.
//
// An overlay is no window of the window manager's: when it raises one of its
// own (the user clicks their program, a window takes the focus) that one
// covers the overlay. While the overlay shows it is raised again now and
// then; raising a window that is on top already changes nothing.
class QWidget;

namespace keepabove {

// From now on while `overlay` shows; the helper lives as its child.
void install(QWidget *overlay);

} // namespace keepabove
