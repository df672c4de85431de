// The record-length popup and the countdown before a recording.
#include "gallery.h"

#include "commondialog.h"
#include "core/enginebinding.h"
#include "core/myconfig.h"
#include "countdownwindow.h"
#include "mainwindow/mirelo.h"
#include "mainwindow/myframe.h"
#include "recordlength.h"
#include "ui_countdown.h"
#include "ui_recordlength.h"

#include <QApplication>
#include <QLabel>
#include <QLibrary>
#include <QTemporaryDir>
#include <QTime>
#include <QTimer>

namespace {

QWidget *recordLengthPopup()
{
    auto *popup = new RecordLength(nullptr);
    Ui::RecordLengthClass *ui = popup->form();
    ui->chxRecordLength->setChecked(true);
    ui->edtRecordLength->setTime(QTime(0, 30, 0));
    ui->rdoThisTime->setChecked(true);
    popup->chxRecordLengthToggled(true);
    return popup;
}

QWidget *countdown()
{
    auto *window = new CountDownWindow(nullptr);
    // Stopped a second in, on a frame with the digit "2".
    for (int tick = 0; tick < 30; ++tick)
        window->timerTimeout();
    window->findChild<QTimer *>()->stop();
    // The default hotkeys when no settings are loaded.
    if (window->form()->lblStopRecordingHostkey->text().isEmpty()) {
        window->form()->lblStopRecordingHostkey->setText(QStringLiteral("Ctrl+Alt+S"));
        window->form()->lblPauseRecordingHotkey->setText(QStringLiteral("Ctrl+Alt+R"));
    }
    return window;
}

// The record page as the user reaches it for one record mode, in its frame.
QWidget *recordPage(void (*enter)(Mirelo *))
{
    return gallery::mainWindowPicture(enter);
}

} // namespace

namespace gallery {

QList<GalleryEntry> recordingWindowEntries()
{
    return {
        {"record-length-popup", recordLengthPopup},
        {"countdown", countdown},
        {"record-page-fullscreen", [] { return recordPage([](Mirelo *m) { m->actFullScreenTriggered(); }); }},
        {"record-page-region", [] { return recordPage([](Mirelo *m) { m->act640_480Triggered(); }); }},
        {"record-page-webcam", [] { return recordPage([](Mirelo *m) { m->enterCameraPage(); }); }},
        {"record-page-audio", [] { return recordPage([](Mirelo *m) { m->enterAudioPage(); }); }},
    };
}

} // namespace gallery
