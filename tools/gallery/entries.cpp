// One line per gallery picture: {"file-name", factory}. The factory runs
// after the skin and the display scale are set, and returns the window to
// draw; the gallery deletes it afterwards.

#include "gallery.h"

const QList<GalleryEntry> &galleryEntries()
{
    static const QList<GalleryEntry> entries = QList<GalleryEntry>{
        {"skinned-controls", gallery::makeSkinnedControls},
        {"skin-images", gallery::makeSkinImages},
        {"embedded-images", gallery::makeEmbeddedImages},
        {"frame-main", gallery::makeMainFrame},
        {"frame-service", gallery::makeServiceFrame},
        {"frame-common-all-buttons", gallery::makeCommonFrameAllButtons},
        {"frame-common-close", gallery::makeCommonFrameClose},
        {"frame-common-no-title", gallery::makeCommonFrameNoTitle},
        {"splash", gallery::makeSplash},
    } + gallery::dialogEntries()
      + gallery::annotationEntries()
      + gallery::regionEntries()
      + gallery::watermarkEntries()
      + gallery::sourceEntries()
      + gallery::bugReportEntries()
      + gallery::controlBarEntries()
      + gallery::screenshotEntries()
      + gallery::mainWindowEntries()
      + gallery::trayEntries()
      + gallery::serviceViewEntries()
      + gallery::updateEntries()
      + gallery::settingsEntries()
      + gallery::jobWindowEntries()
      + gallery::recordingWindowEntries()
      ;
    return entries;
}
