#pragma once
// The gallery: every registered window or control sheet is rendered in both
// skins at scales 1.0 and 1.5 to PNG files, so anyone can look at the skins.
// A new window registers itself with one line in entries.cpp.

#include <QImage>
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

class Mirelo;
class QPixmap;
class QWidget;

struct GalleryEntry {
    QString name;                    // file name of the picture, without ".png"
    std::function<QWidget *()> make; // builds the window after the skin and scale are set
};

// The registry (entries.cpp).
const QList<GalleryEntry> &galleryEntries();

namespace gallery {

// A window drawn with its own shape (a frame, a menu), grabbed into a picture
// so its transparent corners stay transparent (pictures.cpp).
QWidget *picture(const QPixmap &pixmap);
// A service view in a fresh service frame of the given types, as a picture;
// the view goes with the frame.
QWidget *framedPicture(QWidget *view, quint32 frameTypes);
// The main window in its main frame, with its files in a folder of its own
// and the test engine's devices; setUp runs once the frame holds it
// (mainwindowgallery.cpp).
QWidget *mainWindowPicture(const std::function<void(Mirelo *)> &setUp);

// The states a control is shown in, one column each.
enum class CellState { Normal, Hover, Pressed, Checked, Disabled };

struct StateRow {
    QString label;
    std::function<QWidget *()> make; // one fresh control per cell
    QList<CellState> states = {CellState::Normal, CellState::Hover, CellState::Pressed,
                               CellState::Checked, CellState::Disabled};
};

// A picture of each row's control in each of its states, on the skin's page
// background, returned as a window showing it.
QWidget *stateSheet(const QString &title, const QList<StateRow> &rows);

// Entries of the skinned toolkit (controlsgallery.cpp).
QWidget *makeSkinnedControls();
QWidget *makeSkinImages();
QWidget *makeEmbeddedImages();

// Frames, splash and common dialogs (framesgallery.cpp).
QWidget *makeMainFrame();
QWidget *makeServiceFrame();
QWidget *makeCommonFrameAllButtons();
QWidget *makeCommonFrameClose();
QWidget *makeCommonFrameNoTitle();
QWidget *makeSplash();
QList<GalleryEntry> dialogEntries();
// Runs one dialog factory and keeps a picture of the common dialog it shows.
QWidget *dialogPicture(const std::function<void()> &factory);

// The drawing palette's pages and the annotation shapes (annotationgallery.cpp).
QList<GalleryEntry> annotationEntries();

// The area picker, the region frame and the custom size panel
// (regiongallery.cpp).
QList<GalleryEntry> regionEntries();
// The watermark page and its preview (watermarkgallery.cpp).
QList<GalleryEntry> watermarkEntries();
// Webcam list, window and settings, sound lists (sourcesgallery.cpp).
QList<GalleryEntry> sourceEntries();
// The bug-report form (bugreportgallery.cpp).
QList<GalleryEntry> bugReportEntries();
QList<GalleryEntry> updateEntries();

// The recording control bar, closed and with each page open (controlbargallery.cpp).
QList<GalleryEntry> controlBarEntries();
// The screenshot tool, its panel and a pinned screenshot (screenshotgallery.cpp).
QList<GalleryEntry> screenshotEntries();
// The main window in its frame, home page and record page (mainwindowgallery.cpp).
QList<GalleryEntry> mainWindowEntries();
// The main frame with its settings menu open, the tray menu (traygallery.cpp).
QList<GalleryEntry> trayEntries();
// The about view and the privacy notice in their service frames
// (serviceviewsgallery.cpp).
QList<GalleryEntry> serviceViewEntries();

// The settings dialog, at its top and at its hotkeys (settingsgallery.cpp).
QList<GalleryEntry> settingsEntries();

// The History window, the task window and the task form (jobsgallery.cpp).
QList<GalleryEntry> jobWindowEntries();

// The record-length popup and the countdown (recordinggallery.cpp).
QList<GalleryEntry> recordingWindowEntries();

} // namespace gallery
