#pragma once
// What the keyboard map puts on a key without Shift: the first keysym of an
// X keycode, the one a key grab reads. Lets Shift+5 (reported by Qt as "%")
// be named by its key, 5.
#include <QtGlobal>

// Qt::Key_0..Key_9 or Qt::Key_A..Key_Z for the keycode's first keysym; 0
// for any other symbol, a keycode of 0, or without an X server.
int unshiftedKey(quint32 keycode);
