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
    static const QList<GalleryEntry> entries = {
        {"region-frame", [] { return static_cast<QWidget *>(makeRegionFrame()); }},
        {"region-picker", makeRegionPicker},
        {"custom-size-panel", makeCustomSizePanel},
        {"screenshot", makeScreenshotTool},
    };
    return entries;
}
