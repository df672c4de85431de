#pragma once
// Whether the windowing system Qt is about to use can be reached. Qt ends the
// process (abort) when its X11 plugin finds no display; asked first, the
// program can say so and end with an error code instead.
//
// The probe's connection stays open until release() (or the probe's end): an
// X server whose last client leaves resets, and a connection arriving during
// the reset is refused. Release it once the application has its own.
struct xcb_connection_t;

class DisplayProbe
{
public:
    // Probes the platform named by "-platform" on the command line, else by
    // QT_QPA_PLATFORM, else "xcb", when that is X11: a connection to the
    // display ("-display", else DISPLAY). Other platforms (offscreen for the
    // tests) are not probed.
    DisplayProbe(int argc, char **argv);
    ~DisplayProbe();
    DisplayProbe(const DisplayProbe &) = delete;
    DisplayProbe &operator=(const DisplayProbe &) = delete;

    // False only when the display is X11 and could not be reached.
    bool canOpen() const { return m_canOpen; }
    // Closes the probe's connection.
    void release();

private:
    xcb_connection_t *m_connection = nullptr;
    bool m_canOpen = true;
};
