// One line per live window: {"name", factory}. The factory runs on the real
// display after the skin, the scale and the settings holder are set up; it
// returns the window to show (the live mode shows it when the factory did
// not).

#include "live.h"

#include "areaselected.h"
#include "areaselecting.h"
#include "core/enviroment.h"
#include "mycustomareaselect.h"
#include "regionowner.h"
#include "ui_watermark.h"
#include "watermark.h"
#include "watermarkeditor.h"
#include "watermarkitem.h"
#include "historylist.h"
#include "screencapturing.h"

#include <QApplication>
#include <QTimer>

#include <cstdio>

namespace {

// The region frame as the main window makes it, on the stored region.
AreaSelected *makeRegionFrame()
{
    auto *frame = new AreaSelected(nullptr);
    g_areaSelected = frame;
    const QRect stored = g_enviroment ? g_enviroment->privateData->SelectedRect : QRect();
    if (stored.width() >= 1 && stored.height() >= 1) {
        frame->setSelectedRect(stored);
        frame->setFullScreenMode(false);
    }
    // The stored region follows the frame, as the main window keeps it.
    QObject::connect(frame, &AreaSelected::selectedRectChanged, [](const QRect &r) {
        if (g_enviroment) {
            g_enviroment->privateData->SelectedRect = r;
            g_enviroment->savePrivate();
        }
        std::printf("region %d %d %d %d\n", r.x(), r.y(), r.width(), r.height());
        std::fflush(stdout);
    });
    return frame;
}

// Stands in for the main window behind the panel: typed sizes keep the
// region's top-left corner.
class LiveOwner : public RegionOwner
{
public:
    void setFrameVisible(bool) override {}
    void setCustomAreaSize(const QSize &size, bool) override
    {
        if (g_areaSelected)
            g_areaSelected->setSelectedRectImmediately(QRect(g_areaSelected->selectedRect().topLeft(), size));
    }
};

QWidget *makeRegionPicker()
{
    // Prints what was picked and ends with the dialog.
    auto *picker = new AreaSelecting(nullptr);
    QObject::connect(picker, &QDialog::finished, [picker](int result) {
        const QRect r = picker->selectedRect();
        if (result == QDialog::Accepted)
            std::printf("picked %d %d %d %d\n", r.x(), r.y(), r.width(), r.height());
        else
            std::printf("nothing picked\n");
        std::fflush(stdout);
        QTimer::singleShot(0, qApp, &QCoreApplication::quit);
    });
    return picker;
}

QWidget *makeCustomSizePanel()
{
    static LiveOwner owner;
    AreaSelected *frame = makeRegionFrame();
    frame->show();
    auto *panel = new MyCustomAreaSelect(&owner);
    panel->placeBesideArea();
    return panel;
}

// Watermark page.
// The page as the main window opens it. For X11 tests it prints where its
// controls are ("at NAME X Y" in window coordinates) and its current item
// ("item LEFT TOP WIDTH HEIGHT"), and the live mode ends with the page.
QWidget *makeWatermarkPage()
{
    auto *page = new Watermark;
    page->show();
    // Loading the store hides controls: let the layout settle first.
    page->layout()->activate();
    QCoreApplication::processEvents();
    const auto at = [page](const char *name, QWidget *w, const QPoint &point) {
        const QPoint p = w->mapTo(page, point);
        std::printf("at %s %d %d\n", name, p.x(), p.y());
    };
    at("caption", page->form()->wdtCaption, QPoint(10, page->form()->wdtCaption->height() / 2));
    at("preview", page->form()->btnPreview, page->form()->btnPreview->rect().center());
    at("ok", page->form()->btnOK, page->form()->btnOK->rect().center());
    if (WatermarkItem *item = page->editor()->currentItem()) {
        const QRect r = item->rect();
        std::printf("item %d %d %d %d\n", r.x(), r.y(), r.width(), r.height());
    }
    std::fflush(stdout);
    QObject::connect(page, &QDialog::finished, [](int result) {
        std::printf("finished %d\n", result);
        std::fflush(stdout);
        QTimer::singleShot(0, qApp, &QCoreApplication::quit);
    });
    return page;
}

// The screenshot tool as the main window's screenshot action runs it: made
// with new, deleting itself when it ends; the live mode ends with it unless
// a pinned screenshot stays open.
QWidget *makeScreenshotTool()
{
    // Saves are recorded in the program's history file, as in the program.
    if (!g_historyList)
        g_historyList = new HistoryList(qApp);
    auto *tool = new ScreenCapturing(nullptr);
    QObject::connect(tool, &QDialog::finished, [](int result) {
        std::printf("screenshot %s\n", result == QDialog::Accepted ? "accepted" : "rejected");
        std::fflush(stdout);
    });
    return tool;
}

} // namespace

const QList<GalleryEntry> &liveEntries()
{
    static const QList<GalleryEntry> entries = QList<GalleryEntry>{
        {"region-frame", [] { return static_cast<QWidget *>(makeRegionFrame()); }},
        {"region-picker", makeRegionPicker},
        {"custom-size-panel", makeCustomSizePanel},
        {"watermark", makeWatermarkPage},
        {"screenshot", makeScreenshotTool},
    } + sourceLiveEntries();
    return entries;
}
