// Live windows of the webcam and the sound sources: the real engine (with
// MIRELO_ENGINE naming the test build, libMirelo_test.so, set
// MIRELO_TEST_CAMERA=1 for its synthetic camera), the webcam list and the
// program's globals as the main window makes them.

#include "live.h"

#include "audiodevicelist.h"
#include "cameralist.h"
#include "camerasettings.h"
#include "camerawindow.h"
#include "core/enginebinding.h"
#include "core/enviroment.h"

#include <QCoreApplication>
#include <QDir>
#include <QTimer>

#include <cstdio>

namespace {

// The engine of the program folder (or MIRELO_ENGINE), started once.
bool liveEngine()
{
    static int state = 0; // 0 untried, 1 running, 2 failed
    if (state == 0) {
        const QString path = qEnvironmentVariableIsSet("MIRELO_ENGINE")
                                 ? qEnvironmentVariable("MIRELO_ENGINE")
                                 : QDir(QCoreApplication::applicationDirPath()).absoluteFilePath(QStringLiteral("../bin/libMirelo.so"));
        QString error;
        state = engineLoadFrom(path, &error) && engineInitialize(QDir::tempPath(), nullptr, nullptr) == 0 ? 1 : 2;
        if (state == 2)
            std::fprintf(stderr, "mirelo_gallery: %s\n", qPrintable(error));
    }
    return state == 1;
}

CameraList *liveCameraList()
{
    if (!g_cameraList && liveEngine())
        g_cameraList = new CameraList(nullptr);
    return g_cameraList;
}

QWidget *makeCameraWindow()
{
    if (!liveCameraList())
        return nullptr;
    g_cameraWindow = new CameraWindow(nullptr);
    QObject::connect(g_cameraWindow, &CameraWindow::rectChanged, [](const QRect &r) {
        std::printf("camera %d %d %d %d\n", r.x(), r.y(), r.width(), r.height());
        std::fflush(stdout);
    });
    return g_cameraWindow;
}

QWidget *makeCameraSettings()
{
    if (!liveCameraList())
        return nullptr;
    auto *dialog = new CameraSettings(nullptr);
    QObject::connect(dialog, &QDialog::finished, [](int result) {
        std::printf("result %d position %d\n", result, g_cameraList ? g_cameraList->position() : -1);
        std::fflush(stdout);
        QTimer::singleShot(0, qApp, &QCoreApplication::quit);
    });
    return dialog;
}

QWidget *makeCameraList()
{
    return liveCameraList();
}

QWidget *makeSoundList(int type)
{
    if (!liveEngine())
        return nullptr;
    auto *list = new AudioDeviceList(nullptr, type);
    (type == MIRELO_DEVICE_SYSTEM_SOUND ? g_systemSoundList : g_microphoneList) = list;
    QObject::connect(list, &AudioDeviceList::deviceIndexChanged, [list] {
        std::printf("device %d\n", list->currentIndex());
        std::fflush(stdout);
        if (g_enviroment)
            g_enviroment->savePrivate();
    });
    return list;
}

} // namespace

QList<GalleryEntry> sourceLiveEntries()
{
    return {
        {"camera-window", makeCameraWindow},
        {"camera-settings", makeCameraSettings},
        {"camera-list", makeCameraList},
        {"sound-list-system", [] { return makeSoundList(MIRELO_DEVICE_SYSTEM_SOUND); }},
        {"sound-list-microphone", [] { return makeSoundList(MIRELO_DEVICE_MICROPHONE); }},
    };
}
