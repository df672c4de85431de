// The webcam window with the real engine and its synthetic camera under a
// private X server: the preview moves, mirrors, survives stay-on-top, and a
// photo is a JPEG of the format's size.
#include <QGuiApplication>
#include <QImage>
#include <QRegularExpression>
#include <QScreen>
#include <QTemporaryDir>
#include <QtTest>

#include "cameralist.h"
#include "camerawindow.h"
#include "core/enginebinding.h"
#include "core/enviroment.h"
#include "core/myconfig.h"
#include "cplaywidget.h"
#include "fakehotkeybackend.h"
#include "skinmanager.h"
#include "testsupport.h"

namespace {
bool isRed(QRgb c) { return qRed(c) > 150 && qBlue(c) < 100 && qGreen(c) < 100; }
bool isBlue(QRgb c) { return qBlue(c) > 150 && qRed(c) < 100 && qGreen(c) < 100; }

QImage grab(QWidget *w)
{
    return QGuiApplication::primaryScreen()->grabWindow(w->winId()).toImage();
}
} // namespace

class TestCameraPreview : public QObject
{
    Q_OBJECT
    FakeHotkeyBackend *hotkeys = nullptr;
    MyConfig *config = nullptr;
    QTemporaryDir dir;

private slots:
    void initTestCase()
    {
        g_dscale = 1.0;
        qputenv("MIRELO_TEST_CAMERA", "1");
        QString error;
        QVERIFY2(engineLoadFrom(testsupport::engineLibrary(), &error), qPrintable(error));
        QCOMPARE(engineInitialize(dir.path(), nullptr, nullptr), 0);
        hotkeys = new FakeHotkeyBackend;
        config = new MyConfig;
        g_myConfig = config;
        g_enviroment = new Enviroment;
        g_enviroment->privateData->CameraRect = QRect(40, 40, 320, 240);
        g_cameraList = new CameraList;
        int synthetic = -1;
        for (int i = 0; i < g_cameraList->deviceCount(); ++i) {
            if (!g_cameraList->device(i)->formatNames().isEmpty())
                synthetic = i;
        }
        QVERIFY(synthetic >= 0);
        g_cameraList->selectCamera(synthetic);
        g_cameraWindow = new CameraWindow;
    }
    void cleanupTestCase()
    {
        delete g_cameraWindow;
        delete g_cameraList;
        delete g_enviroment;
        g_enviroment = nullptr;
        delete config;
        g_myConfig = nullptr;
        delete hotkeys;
        engineShutdown();
    }

    void previewMovesAndMirrors()
    {
        CameraWindow *w = g_cameraWindow;
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w));
        QWidget *preview = w->cameraWidget();
        QTRY_VERIFY_WITH_TIMEOUT(isRed(grab(preview).pixel(10, preview->height() / 2)), 10000);
        const QImage a = grab(preview);
        QTRY_VERIFY_WITH_TIMEOUT(grab(preview) != a, 5000);

        g_cameraList->setFlip(true);
        QTRY_VERIFY_WITH_TIMEOUT(isBlue(grab(preview).pixel(10, preview->height() / 2)), 5000);
        QVERIFY(isRed(grab(preview).pixel(preview->width() - 10, preview->height() / 2)));
        g_cameraList->setFlip(false);
        QTRY_VERIFY_WITH_TIMEOUT(isRed(grab(preview).pixel(10, preview->height() / 2)), 5000);
    }

    void stayOnTopKeepsThePreviewWindow()
    {
        CameraWindow *w = g_cameraWindow;
        QWidget *preview = w->cameraWidget();
        const WId id = preview->winId();
        for (bool on : {true, false}) {
            w->setStickyOnTop(on);
            QApplication::processEvents();
            QCOMPARE(preview->winId(), id);
            QVERIFY(w->isVisible());
            const QImage a = grab(preview);
            QTRY_VERIFY_WITH_TIMEOUT(grab(preview) != a, 5000);
        }
    }

    void photoIsAJpegOfTheFormatSize()
    {
        g_enviroment->output()->ScreenshotsFolder = dir.filePath(QStringLiteral("Snapshots"));
        QString written;
        QSize recorded;
        CameraWindow::setHistoryRecorder([&](int kind, const QString &path, const QSize &size, int, qint64 bytes) {
            QCOMPARE(kind, 2);
            QVERIFY(bytes > 0);
            written = path;
            recorded = size;
        });
        g_cameraWindow->takePhoto();
        CameraWindow::setHistoryRecorder(nullptr);
        QVERIFY(!written.isEmpty());
        QVERIFY2(QRegularExpression(QStringLiteral("^Snapshot_\\d\\d-\\d\\d-\\d\\d_\\d\\d-\\d\\d-\\d\\d\\.jpg$"))
                     .match(QFileInfo(written).fileName())
                     .hasMatch(),
                 qPrintable(written));
        QImage photo(written, "JPEG");
        QVERIFY(!photo.isNull());
        QCOMPARE(photo.size(), g_cameraList->currentFormatSize());
        QCOMPARE(recorded, photo.size());
    }
};

QTEST_MAIN(TestCameraPreview)
#include "tst_x11_camerapreview.moc"
