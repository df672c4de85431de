#pragma once
// Whether the program may read the screen. In a Wayland session the program
// runs on Xwayland, whose usual (rootless) kind gives an X client only black
// where it reads the screen: there every screen or region recording,
// screenshot and region pick is refused with one message, rather than making
// black files. Sound and webcam recordings do not read the screen and go on.
#include <QString>

namespace screenaccess {

// Set at start (and by tests): on for a Wayland session's X server whose
// screen a client cannot read.
void setWaylandSession(bool on);
bool readable();
// Why the screen cannot be read, and the way out, in the interface language.
QString refusal();

} // namespace screenaccess
