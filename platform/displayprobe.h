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
    // True when the X server names itself Xwayland, the X server of a
    // Wayland session: its RandR outputs are named "XWAYLAND<n>" (later
    // versions also list an extension of that name); a server without RandR
    // is taken for one when the environment names a Wayland session.
    bool isXwayland() const { return m_xwayland; }
    // False only where the server is taken for Xwayland and a client that
    // reads the root window does not get the screen (rootless Xwayland, which
    // shows X clients only black there). A rootful Xwayland, or an X server
    // of its own started from a Wayland session, can be read and recorded.
    bool screenReadable() const { return m_screenReadable; }
    // Closes the probe's connection.
    void release();

private:
    xcb_connection_t *m_connection = nullptr;
    bool m_canOpen = true;
    bool m_xwayland = false;
    bool m_screenReadable = true;
};
