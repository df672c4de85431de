// Gallery pictures of the main window in its frame: the home page and the
// record page with every source on.

#include "gallery.h"

#include "commondialog.h"
#include "core/enginebinding.h"
#include "core/myconfig.h"
#include "mainwindow/mirelo.h"
#include "mainwindow/myframe.h"
#include "ui_mirelo.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLibrary>
#include <QProgressBar>
#include <QTemporaryDir>

namespace gallery {
namespace {

const char kDevices[] = "cameras \"Integrated Camera\"\n"
                        "audio 4 \"Monitor of Built-in Audio\"\n"
                        "audio 8 \"Built-in Audio Analog Stereo\"\n";

// The record page with the screen, the webcam and both sounds chosen.
void chooseEverySource(Mirelo *mirelo)
{
    Ui::MirelonClass *ui = mirelo->form();
    ui->stackedWidget->setCurrentIndex(1);
    for (QCheckBox *box : {ui->chxSystemSound, ui->chxMicrophone, ui->chxCamera})
        box->setChecked(true);
    ui->cbxRecConfig->addItems({QStringLiteral("Record Full Screen"), QStringLiteral("Record Area")});
    mirelo->setSystemSoundButtonImages(1);
    mirelo->setMicrophoneButtonImages(1);
    mirelo->setCameraButtonImages(1);
    ui->sldSystemSound->setValue(120);
    ui->sldMicrophone->setValue(80);
    ui->prgSystemSound->setValue(55);
    ui->prgMicrophone->setValue(30);
    mirelo->setRecordMode(1);
    mirelo->updateRecordButton();
}

} // namespace

// The main window keeps its logs and lists under the data folder: the
// gallery's go to a folder of its own, never the user's.
QWidget *mainWindowPicture(const std::function<void(Mirelo *)> &setUp)
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
        if (setUp)
            setUp(mirelo);
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

    return picture(shot);
}


QList<GalleryEntry> mainWindowEntries()
{
    return {
        {"main-window-home", [] { return mainWindowPicture({}); }},
        {"main-window-record", [] { return mainWindowPicture(chooseEverySource); }},
    };
}

} // namespace gallery
