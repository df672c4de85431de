#pragma once
// Switches the computer off, normally (other programs get to close).

namespace PowerOff {

// The environment variable MIRELO_POWEROFF_COMMAND, when set, names a
// command run instead (tests use it, so nothing is ever switched off); set
// but empty, nothing is done.
// Otherwise logind's PowerOff over the system bus, else
// "systemctl poweroff". True when the request was handed over.
bool request();

} // namespace PowerOff
