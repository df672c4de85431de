// Webcam recordings (source kind 2) with the synthetic camera: the camera's
// pictures at the job's size and length, mirrored as the preview shows them,
// with the job's sound; and a start refused when the camera cannot open.
#include "engine_harness.h"

#include <QFile>
#include <QProcess>
#include <QThread>
#include <QtTest>

#include <xcb/xcb.h>

using namespace enginetest;

namespace {

// The codec types of every stream of a file, in order.
QStringList streamTypes(const QString &file)
{
    QProcess p;
    p.start(QStringLiteral("ffprobe"),
            {"-v", "error", "-show_entries", "stream=codec_type", "-of", "csv=p=0", file});
    p.waitForFinished(20000);
    return QString::fromUtf8(p.readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

bool isRed(const Rgb &c) { return c.r > 150 && c.g < 100 && c.b < 100; }
bool isBlue(const Rgb &c) { return c.b > 150 && c.r < 100 && c.g < 100; }

RecordParams webcamJob(const QByteArray &path, int w, int h, float fps, int audio)
{
    RecordParams p = screenJob(path, w, h, fps);
    p.sourceKind = 2;
    p.audioSources = audio;
    p.sampleRate = 44100;
    return p;
}

} // namespace

class TestCameraRecording : public QObject
{
    Q_OBJECT
    Engine engine;

    int selectTestCamera()
    {
        engine.op<MireloRefreshDevicesFn>(MIRELO_OP_REFRESH_DEVICES)(MIRELO_DEVICE_WEBCAM);
        const int n = engine.op<MireloGetCameraCountFn>(MIRELO_OP_GET_CAMERA_COUNT)();
        for (int i = 0; i < n; ++i) {
            char16_t buf[MIRELO_NAME_BUFFER_UNITS] = {0};
            engine.op<MireloGetCameraNameFn>(MIRELO_OP_GET_CAMERA_NAME)(i, buf);
            if (QString::fromUtf16(buf) == QLatin1String("Mirelo Test Camera"))
                return engine.op<MireloSelectCameraFn>(MIRELO_OP_SELECT_CAMERA)(i) == 0 ? i : -1;
        }
        return -1;
    }

private slots:
    void initTestCase()
    {
        qputenv("MIRELO_TEST_CAMERA", "1");
        QString error;
        QVERIFY2(engine.load(&error), qPrintable(error));
    }
    void cleanupTestCase() { engine.shutdown(); }

    void recordsThePreviewedCameraWithSound()
    {
        QVERIFY(selectTestCamera() >= 0);
        QCOMPARE(engine.op<MireloSetCameraFormatFn>(MIRELO_OP_SET_CAMERA_FORMAT)(1), 0); // 320 x 240 YUY2, 15 fps

        // The preview runs in a window, mirrored, as the program has it during a webcam job.
        xcb_connection_t *c = xcb_connect(nullptr, nullptr);
        xcb_screen_t *screen = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
        const xcb_window_t w = xcb_generate_id(c);
        xcb_create_window(c, XCB_COPY_FROM_PARENT, w, screen->root, 0, 0, 400, 300, 0, XCB_WINDOW_CLASS_INPUT_OUTPUT,
                          screen->root_visual, 0, nullptr);
        xcb_map_window(c, w);
        free(xcb_get_input_focus_reply(c, xcb_get_input_focus(c), nullptr));
        QCOMPARE(engine.op<MireloOpenCameraFn>(MIRELO_OP_OPEN_CAMERA)(w), 0);
        QCOMPARE(engine.op<MireloSetCameraFlipFn>(MIRELO_OP_SET_CAMERA_FLIP)(1), 0);
        // The preview runs: its mirrored picture is in the window.
        const auto drawn = [&] {
            xcb_get_image_reply_t *r = xcb_get_image_reply(
                c, xcb_get_image(c, XCB_IMAGE_FORMAT_Z_PIXMAP, w, 20, 20, 1, 1, ~0u), nullptr);
            const uint8_t *px = r && xcb_get_image_data_length(r) >= 3 ? xcb_get_image_data(r) : nullptr;
            const bool blue = px && isBlue(Rgb{px[2], px[1], px[0]});
            free(r);
            return blue;
        };
        QTRY_VERIFY_WITH_TIMEOUT(drawn(), 10000);

        QCOMPARE(engine.op<MireloOpenAudioDeviceFn>(MIRELO_OP_OPEN_AUDIO_DEVICE)(MIRELO_DEVICE_MICROPHONE), 0);
        const QString file = outDir() + "/webcam.mp4";
        const QByteArray path = QFile::encodeName(file);
        QCOMPARE(engine.start(webcamJob(path, 400, 300, 25, MIRELO_DEVICE_MICROPHONE)), 0);
        QVERIFY(engine.waitTime(2000000));
        QCOMPARE(engine.stop(), 0);
        const int64_t total = engine.time();
        QCOMPARE(engine.op<MireloCloseCameraFn>(MIRELO_OP_CLOSE_CAMERA)(), 0);
        QCOMPARE(engine.op<MireloSetCameraFlipFn>(MIRELO_OP_SET_CAMERA_FLIP)(0), 0);
        xcb_disconnect(c);
        engine.shutdown(); // waits for the file to be finished
        QString error;
        QVERIFY2(engine.load(&error), qPrintable(error));

        const QJsonObject v = probeVideo(file);
        QCOMPARE(v.value("width").toInt(), 400);
        QCOMPARE(v.value("height").toInt(), 300);
        const double duration = v.value("format").toObject().value("duration").toString().toDouble();
        QVERIFY2(qAbs(duration - total / 1e6) < 0.3, qPrintable(QString::number(duration)));
        QVERIFY2(duration > 1.7, qPrintable(QString::number(duration)));
        QCOMPARE(streamTypes(file), QStringList({"video", "audio"}));

        const QByteArray rgb = frameAt(file, 1.0, 400, 300);
        QVERIFY(!rgb.isEmpty());
        QVERIFY(isBlue(pixel(rgb, 400, 20, 20)));  // mirrored: the red edge is on the right
        QVERIFY(isRed(pixel(rgb, 400, 380, 20)));
    }

    void opensTheCameraForARecordingWithoutPreview()
    {
        QVERIFY(selectTestCamera() >= 0);
        QCOMPARE(engine.op<MireloSetCameraFormatFn>(MIRELO_OP_SET_CAMERA_FORMAT)(0), 0);
        const QString file = outDir() + "/nopreview.mp4";
        const QByteArray path = QFile::encodeName(file);
        QCOMPARE(engine.start(webcamJob(path, 320, 240, 25, 0)), 0);
        QVERIFY(engine.waitTime(1500000));
        // The next part of a split recording takes the camera over.
        const QString second = outDir() + "/nopreview-2.mp4";
        const QByteArray secondPath = QFile::encodeName(second);
        QCOMPARE(engine.start(webcamJob(secondPath, 320, 240, 25, 0)), 0);
        QVERIFY(engine.waitTime(800000));
        QCOMPARE(engine.stop(), 0);
        const double secondTotal = engine.time() / 1e6;
        engine.shutdown();
        QString error;
        QVERIFY2(engine.load(&error), qPrintable(error));

        const QJsonObject v = probeVideo(file);
        QCOMPARE(v.value("width").toInt(), 320);
        QCOMPARE(v.value("height").toInt(), 240);
        QCOMPARE(streamTypes(file), QStringList({"video"}));
        const QByteArray a = frameAt(file, 0.4, 320, 240), b = frameAt(file, 1.2, 320, 240);
        QVERIFY(isRed(pixel(a, 320, 10, 10)));
        QVERIFY2(a != b, "the recorded picture does not move");

        const double secondLength = probeVideo(second).value("format").toObject().value("duration").toString().toDouble();
        QVERIFY2(secondLength > 0.5 && secondLength < secondTotal + 0.3, qPrintable(QString::number(secondLength)));
        QVERIFY(isRed(pixel(frameAt(second, 0.5, 320, 240), 320, 10, 10)));
    }

    void refusesToStartWhenTheCameraCannotOpen()
    {
        QVERIFY(selectTestCamera() >= 0);
        const QByteArray path = QFile::encodeName(outDir() + "/denied.mp4");
        qputenv("MIRELO_TEST_CAMERA_FAULT", "denied");
        const int r = engine.start(webcamJob(path, 320, 240, 25, 0));
        qunsetenv("MIRELO_TEST_CAMERA_FAULT");
        QCOMPARE(r, int(MIRELO_E_NO_DEVICE));
        QVERIFY(!QFile::exists(QString::fromUtf8(path)));

        // Nothing selected (a fresh engine): no camera to record.
        engine.shutdown();
        QString error;
        QVERIFY2(engine.load(&error), qPrintable(error));
        QCOMPARE(engine.start(webcamJob(path, 320, 240, 25, 0)), int(MIRELO_E_NO_DEVICE));
    }
};

QTEST_GUILESS_MAIN(TestCameraRecording)
#include "tst_pulse_camera_recording.moc"
