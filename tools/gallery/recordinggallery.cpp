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

const char kDevices[] = "cameras \"Integrated Camera\"\n"
                        "audio 4 \"Monitor of Built-in Audio\"\n"
                        "audio 8 \"Built-in Audio Analog Stereo\"\n";

// The record page as the user reaches it for one record mode, in its frame;
// the window's files go to a folder of their own.
QWidget *recordPage(void (*enter)(Mirelo *))
{
    QTemporaryDir home;
    const QByteArray oldHome = qgetenv("HOME"), oldData = qgetenv("XDG_DATA_HOME"),
                     oldConfig = qgetenv("XDG_CONFIG_HOME");
    qputenv("HOME", home.path().toLocal8Bit());
    qputenv("XDG_DATA_HOME", (home.path() + "/data").toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", (home.path() + "/config").toLocal8Bit());
    MyConfig *oldConfigObject = g_myConfig;
    g_myConfig = new MyConfig;
    const QString engine = QStringLiteral(MIRELO_GALLERY_ENGINE);
    if (engineLoaded() || engineLoadFrom(engine)) {
        using LoadScript = int (*)(const char *);
        if (auto load = reinterpret_cast<LoadScript>(QLibrary::resolve(engine, "mireloTestEngineLoadScript")))
            load(kDevices);
    }
    // Tips and warnings answer themselves.
    CommonDialog::setRunHook([](CommonDialog *) { return int(QDialog::Accepted); });

    QPixmap shot;
    {
        auto *mirelo = new Mirelo(nullptr, QString());
        MyFrame frame(mirelo, nullptr, CAbstractFrame::MinimizeButton | CAbstractFrame::CloseButton
                                           | CAbstractFrame::MainFrame,
                      MyFrame::logoPixmap(), 0, 0);
        mirelo->setFrame(&frame);
        frame.setMainTitle(0);
        enter(mirelo);
        frame.show();
        QApplication::processEvents();
        shot = frame.grab();
        mirelo->setFrame(nullptr);
        frame.hide();
        delete mirelo;
    }
    CommonDialog::setRunHook({});
    delete g_myConfig;
    g_myConfig = oldConfigObject;
    qputenv("HOME", oldHome);
    qputenv("XDG_DATA_HOME", oldData);
    qputenv("XDG_CONFIG_HOME", oldConfig);

    return gallery::picture(shot);
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
