/* selection-owner NAME: exit code 0 when some client owns the X selection
 * NAME on $DISPLAY (a compositing manager owns _NET_WM_CM_S0 of its screen),
 * 1 when nobody does, 2 when the display cannot be opened. run-test.sh waits
 * on it; no shell tool tells a selection's owner. */
#include <stdlib.h>
#include <string.h>
#include <xcb/xcb.h>

int main(int argc, char **argv)
{
    if (argc != 2)
        return 2;
    xcb_connection_t *c = xcb_connect(NULL, NULL);
    if (xcb_connection_has_error(c))
        return 2;
    int owned = 0;
    xcb_intern_atom_reply_t *atom
        = xcb_intern_atom_reply(c, xcb_intern_atom(c, 1, (uint16_t)strlen(argv[1]), argv[1]), NULL);
    /* An atom nobody interned yet names a selection nobody owns. */
    if (atom && atom->atom != XCB_ATOM_NONE) {
        xcb_get_selection_owner_reply_t *owner
            = xcb_get_selection_owner_reply(c, xcb_get_selection_owner(c, atom->atom), NULL);
        owned = owner && owner->owner != XCB_WINDOW_NONE;
        free(owner);
    }
    free(atom);
    xcb_disconnect(c);
    return owned ? 0 : 1;
}
