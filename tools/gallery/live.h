#pragma once
// The gallery's live mode: one window opened on the current display as the
// running program holds it (the real class, the settings holder, the skin),
// for trying it by hand and for X11 tests:
//   mirelo_gallery --live ENTRY [--skin SKIN_ROOT]
// It prints "window 0x<id>" once the window shows and runs until it is
// killed (or, for a dialog, until the dialog ends).
#include "gallery.h"

class QApplication;

// The live registry (liveentries.cpp).
const QList<GalleryEntry> &liveEntries();
// The webcam and sound windows (sourceslive.cpp).
QList<GalleryEntry> sourceLiveEntries();

// True when the command line asks for the live mode (checked before the
// application object exists, which must then use the real display).
bool isLiveMode(int argc, char **argv);
int runLive(QApplication &app);
