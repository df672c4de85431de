#pragma once
// Whether the windowing system Qt is about to use can be reached. Qt ends the
// process (abort) when its X11 plugin finds no display; asked first, the
// program can say so and end with an error code instead.

class DisplayProbe
{
public:
    // The platform named by "-platform" on the command line, else by
    // QT_QPA_PLATFORM, else "xcb". False only when that is X11 and no
    // connection can be made to the display ("-display", else DISPLAY);
    // other platforms (offscreen for the tests) are not probed.
    static bool canOpen(int argc, char **argv);
};
