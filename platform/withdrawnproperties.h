#pragma once
// What a window manager deletes from a window that is unmapped (withdrawn)
// and what a client is to set again before it maps the window back: the
// desktop it lies on (all of them, for a panel) and its state (sticky, no
// entry in the task bar or pager, above). A panel the program unmaps
// during a recording gets them back, or it would come back on the current
// desktop only, listed as an ordinary window, and the other desktops would
// lose the strip it keeps free.
#include <QByteArray>
#include <QList>

#include <xcb/xcb.h>

struct WithdrawnProperties
{
    bool hasDesktop = false;
    quint32 desktop = 0;
    // The state's atoms by name, so they can be kept in a file; the window
    // manager's own states (focused, hidden) are left out.
    QList<QByteArray> state;

    bool isEmpty() const { return !hasDesktop && state.isEmpty(); }

    // As the window has them now (mapped, before it is unmapped).
    static WithdrawnProperties read(xcb_connection_t *c, xcb_window_t w);
    // Sets back each one the window no longer has as it had it; to be
    // called once the window manager has let the window go (managed() is
    // false), before it is mapped again.
    void putBack(xcb_connection_t *c, xcb_window_t w) const;

    // The window manager manages the window now: its WM_STATE says normal
    // or iconic. Once unmapped, the window manager lets it go in its own
    // time, deleting what it deletes, and the WM_STATE goes or says
    // withdrawn.
    static bool managed(xcb_connection_t *c, xcb_window_t w);

    // One line of text and back ("desktop=N state=A,B"); an empty or
    // unreadable text gives nothing.
    QByteArray toText() const;
    static WithdrawnProperties fromText(const QByteArray &text);
};
