// The control bar: closed, and with each of its three pages open.
#include "gallery.h"

#include "controlpanel.h"
#include "ui_controlpanel.h"

#include <QTimer>

namespace {

QWidget *controlBar(const char *page)
{
    // A job without an owner; its sources do not matter for the picture.
    auto *job = new TaskScheduleItem;
    job->setStopType(TaskScheduleItem::StopByLength);
    job->setLength(600);
    auto *bar = new ControlPanel(nullptr, job);
    job->setParent(bar);
    bar->form()->lblDuration->setText(QStringLiteral("00:12:34"));
    bar->form()->lblOutputSize->setText(QStringLiteral("85.31 MB/278.24 GB"));
    bar->setSystemSoundLevel(64);
    bar->setMicrophoneLevel(28);
    if (page) {
        if (auto *button = bar->findChild<QAbstractButton *>(QLatin1String(page)))
            button->click();
    }
    return bar;
}

} // namespace

namespace gallery {

QList<GalleryEntry> controlBarEntries()
{
    return {
        {"controlbar", [] { return controlBar(nullptr); }},
        {"controlbar-length", [] { return controlBar("btnRecordLength"); }},
        {"controlbar-drawing", [] { return controlBar("btnEdit"); }},
        {"controlbar-sources", [] { return controlBar("btnOption"); }},
    };
}

} // namespace gallery
