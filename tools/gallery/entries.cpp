// One line per gallery picture: {"file-name", factory}. The factory runs
// after the skin and the display scale are set, and returns the window to
// draw; the gallery deletes it afterwards.

#include "gallery.h"

const QList<GalleryEntry> &galleryEntries()
{
    static const QList<GalleryEntry> entries = {
        {"skinned-controls", gallery::makeSkinnedControls},
        {"skin-images", gallery::makeSkinImages},
    };
    return entries;
}
