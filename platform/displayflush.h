#pragma once
// Runs the pending events and sends every queued request to the X server,
// so that a window just hidden is really gone before the screen is grabbed.
// Only the events on other platforms.
void flushDisplay();
