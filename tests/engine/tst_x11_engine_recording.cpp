// Recording the screen through the entry symbol alone, checked from the
// files with ffprobe and ffmpeg.
#include "engine_harness.h"

#include <QDir>
#include <QFile>
#include <QJsonObject>
#include <QProcess>
#include <QThread>
#include <QtTest>

using namespace enginetest;

namespace {
// Names of this process's threads that belong to a recording's stages.
QStringList recordingThreads()
{
    QStringList names;
    const QDir tasks(QStringLiteral("/proc/self/task"));
    for (const QString &t : tasks.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile comm(tasks.filePath(t) + QStringLiteral("/comm"));
        if (!comm.open(QIODevice::ReadOnly))
            continue;
        const QString name = QString::fromUtf8(comm.readAll()).trimmed();
        for (const char *stage : {"mirelo-capture", "mirelo-encode", "mirelo-mux", "mirelo-audioenc"})
            if (name == QLatin1String(stage))
                names << name;
    }
    return names;
}

// The screen's size through RandR's command line tool, as a monitor switch
// or a display setting changes it. Xvfb offers only its own size as a mode:
// a smaller one is added first.
QString screenOutput()
{
    QProcess p;
    p.start(QStringLiteral("xrandr"), {QStringLiteral("-q")});
    p.waitForFinished(10000);
    for (const QByteArray &line : p.readAllStandardOutput().split('\n'))
        if (line.contains(" connected"))
            return QString::fromUtf8(line.left(line.indexOf(' ')));
    return QString();
}

bool setScreenMode(const QString &mode)
{
    const QString output = screenOutput();
    if (output.isEmpty())
        return false;
    if (mode == QLatin1String("1280x720")) {
        QProcess::execute(QStringLiteral("xrandr"), {"--newmode", mode, "74.25", "1280", "1390", "1430", "1650",
                                                     "720", "725", "730", "750"}); // already there after a first run
        QProcess::execute(QStringLiteral("xrandr"), {"--addmode", output, mode});
    }
    return QProcess::execute(QStringLiteral("xrandr"), {"--output", output, "--mode", mode}) == 0;
}
} // namespace

class TestEngineRecording : public QObject
{
    Q_OBJECT
    Engine engine;

private slots:
    void initTestCase()
    {
        QString error;
        QVERIFY2(engine.load(&error), qPrintable(error));
        QVERIFY(paintRoot(0x204060));
    }
    void cleanupTestCase() { engine.shutdown(); }

    void recordsH264InMp4AtTheAskedSizeAndRate()
    {
        const QString file = outDir() + "/plain.mp4";
        const QByteArray path = QFile::encodeName(file);
        QCOMPARE(engine.setRect(100, 50, 640, 360), 0);
        QElapsedTimer t;
        t.start();
        QCOMPARE(engine.start(screenJob(path, 640, 360, 25)), 0);
        QVERIFY2(t.elapsed() < 1000, "start holds the caller"); // generous; the benchmark measures
        QVERIFY(engine.waitTime(1000000));
        // The recorded time never runs ahead of the clock.
        QVERIFY(engine.time() <= t.nsecsElapsed() / 1000);
        QVERIFY(engine.waitTime(2000000));
        // The file's index waits for its first fragment (half a second of
        // pictures, after the encoder's look-ahead).
        QTRY_VERIFY_WITH_TIMEOUT(engine.size() > 0, 10000);
        QVERIFY(!recordingThreads().isEmpty());
        QCOMPARE(engine.stop(), 0);
        // What the recording took is given back at its stop, not kept until
        // the next start: the encoder with its workers, the capture, the muxer.
        QCOMPARE(recordingThreads(), QStringList());
        const int64_t total = engine.time();
        QVERIFY(total >= 2000000 && total <= t.nsecsElapsed() / 1000);
        QVERIFY(engine.size() > 0); // its figures stay for the program to ask
        QCOMPARE(engine.stop(), int(MIRELO_E_BAD_STATE));
        // Already whole and playable when stop returns; its index moves to
        // the front in the background.
        QCOMPARE(probeVideo(file).value("codec_name").toString(), QStringLiteral("h264"));
        engine.shutdown(); // waits for the file to be finished
        QString error;
        QVERIFY2(engine.load(&error), qPrintable(error));

        const QJsonObject v = probeVideo(file);
        QCOMPARE(v.value("codec_name").toString(), QStringLiteral("h264"));
        QCOMPARE(v.value("width").toInt(), 640);
        QCOMPARE(v.value("height").toInt(), 360);
        QCOMPARE(v.value("r_frame_rate").toString(), QStringLiteral("25/1"));
        QVERIFY(v.value("format").toObject().value("format_name").toString().contains("mp4"));
        const double duration = v.value("format").toObject().value("duration").toString().toDouble();
        QVERIFY2(qAbs(duration - total / 1e6) < 0.25, qPrintable(QString::number(duration)));
        bool clean = false;
        const int frames = countFrames(file, &clean);
        QVERIFY(clean);
        // Every frame, give or take what a busy test machine drops.
        QVERIFY2(frames <= total * 25 / 1000000 + 2 && frames >= total * 25 / 1000000 * 8 / 10,
                 qPrintable(QString::number(frames)));
        QVERIFY2(indexAtFront(file), "a cleanly stopped file has its index at the front");

        // The screen's colour came through the conversion.
        const QByteArray rgb = frameAt(file, 1.0, 640, 360);
        QVERIFY(!rgb.isEmpty());
        const Rgb p = pixel(rgb, 640, 320, 180);
        QVERIFY2(qAbs(p.r - 0x20) < 12 && qAbs(p.g - 0x40) < 12 && qAbs(p.b - 0x60) < 12,
                 qPrintable(QString("%1 %2 %3").arg(p.r).arg(p.g).arg(p.b)));
    }

    void whatChangesOnTheScreenReachesTheFile()
    {
        // Only changed parts of the screen are fetched again: a part that
        // changed must never be left stale in the file.
        const QString file = outDir() + "/changes.mp4";
        const QByteArray path = QFile::encodeName(file);
        QCOMPARE(engine.setRect(40, 20, 320, 240), 0);
        RecordParams job = screenJob(path, 320, 240, 30);
        job.captureCursor = 1;
        QCOMPARE(engine.start(job), 0);
        // The file's times are recorded times: each change is made at a
        // known one.
        QVERIFY(engine.waitTime(400000));
        const double beforeBox = engine.time() / 1e6;
        QVERIFY(fillRoot(40 + 100, 20 + 60, 80, 60, 0xe0c020));
        const double boxFrom = engine.time() / 1e6;
        QVERIFY(engine.waitTime(qint64(boxFrom * 1e6) + 500000));
        const double boxTo = engine.time() / 1e6;
        QVERIFY(paintRoot(0x602040));
        const double afterFrom = engine.time() / 1e6;
        QVERIFY(engine.waitTime(qint64(afterFrom * 1e6) + 500000));
        QCOMPARE(engine.stop(), 0);
        engine.shutdown();
        QVERIFY(engine.load());
        QVERIFY(paintRoot(0x204060));

        auto close = [](Rgb p, int rgb) {
            return qAbs(p.r - (rgb >> 16)) < 16 && qAbs(p.g - ((rgb >> 8) & 0xff)) < 16 && qAbs(p.b - (rgb & 0xff)) < 16;
        };
        const QByteArray before = frameAt(file, beforeBox / 2, 320, 240),
                         box = frameAt(file, (boxFrom + boxTo) / 2, 320, 240),
                         after = frameAt(file, afterFrom + 0.3, 320, 240);
        QVERIFY(!before.isEmpty() && !box.isEmpty() && !after.isEmpty());
        QVERIFY(close(pixel(before, 320, 140, 90), 0x204060));
        QVERIFY(close(pixel(box, 320, 140, 90), 0xe0c020));
        QVERIFY(close(pixel(box, 320, 300, 220), 0x204060));
        for (QPoint p : {QPoint(140, 90), QPoint(300, 220), QPoint(10, 10)})
            QVERIFY2(close(pixel(after, 320, p.x(), p.y()), 0x602040), qPrintable(QString::number(p.x())));
    }

    void pausedTimeIsLeftOutWithoutAGap()
    {
        const QString file = outDir() + "/paused.mp4";
        const QByteArray path = QFile::encodeName(file);
        QCOMPARE(engine.setRect(0, 0, 320, 240), 0);
        QCOMPARE(engine.start(screenJob(path, 320, 240, 30)), 0);
        QVERIFY(engine.waitTime(800000));
        QCOMPARE(engine.pause(), 0);
        const int64_t atPause = engine.time();
        QThread::msleep(1000); // a second paused
        QCOMPARE(engine.time(), atPause); // time stands still while paused
        QElapsedTimer sinceResume;
        sinceResume.start();
        QCOMPARE(engine.resume(), 0);
        QVERIFY(engine.waitTime(atPause + 800000));
        QCOMPARE(engine.stop(), 0);
        const int64_t total = engine.time();
        // The paused second is left out.
        QVERIFY2(total >= 1600000 && total - atPause <= sinceResume.nsecsElapsed() / 1000,
                 qPrintable(QString::number(total)));
        engine.shutdown();
        QVERIFY(engine.load());

        const double duration = probeVideo(file).value("format").toObject().value("duration").toString().toDouble();
        QVERIFY2(qAbs(duration - total / 1e6) < 0.2, qPrintable(QString::number(duration)));
        const QVector<double> pts = packetTimes(file);
        QVERIFY(pts.size() > 40);
        double gap = 0;
        for (int i = 1; i < pts.size(); ++i)
            gap = qMax(gap, pts[i] - pts[i - 1]);
        QVERIFY2(gap < 0.25, qPrintable(QString::number(gap))); // no hole where the pause was
    }

    void eachPartOfASplitRecordingStartsAtZero()
    {
        const QString first = outDir() + "/part1.mp4", second = outDir() + "/part2.mp4",
                      third = outDir() + "/part3.mp4";
        const QByteArray p1 = QFile::encodeName(first), p2 = QFile::encodeName(second),
                         p3 = QFile::encodeName(third);
        QCOMPARE(engine.setRect(0, 0, 320, 240), 0);
        RecordParams job = screenJob(p1, 320, 240, 30);
        QCOMPARE(engine.start(job), 0);
        QCOMPARE(engine.start(job), int(MIRELO_E_BAD_STATE)); // the same path again
        QVERIFY(engine.waitTime(700000));
        // The program's way: stop, then start the same block with a new path.
        QCOMPARE(engine.stop(), 0);
        job.filePath = const_cast<char *>(p2.constData());
        QCOMPARE(engine.start(job), 0);
        QVERIFY(engine.time() < 200000);
        QVERIFY(engine.waitTime(700000));
        // A start with a new path while recording continues into it too.
        job.filePath = const_cast<char *>(p3.constData());
        QCOMPARE(engine.start(job), 0);
        QVERIFY(engine.time() < 200000);
        QVERIFY(engine.waitTime(700000));
        QCOMPARE(engine.stop(), 0);
        engine.shutdown();
        QVERIFY(engine.load());
        for (const QString &f : {first, second, third}) {
            const QJsonObject v = probeVideo(f);
            QCOMPARE(v.value("width").toInt(), 320);
            const double d = v.value("format").toObject().value("duration").toString().toDouble();
            QVERIFY2(d > 0.5 && d < 1.5, qPrintable(f + " " + QString::number(d)));
        }
    }

    void badInputIsANegativeResult()
    {
        QCOMPARE(engine.op<MireloSetCaptureRectFn>(MIRELO_OP_SET_CAPTURE_RECT)(nullptr), int(MIRELO_E_INVALID_ARGUMENT));
        QCOMPARE(engine.setRect(10, 10, 0, 100), int(MIRELO_E_INVALID_ARGUMENT));   // empty
        QCOMPARE(engine.setRect(10, 10, 101, 100), int(MIRELO_E_INVALID_ARGUMENT)); // odd
        QCOMPARE(engine.setRect(5000, 10, 100, 100), int(MIRELO_E_INVALID_ARGUMENT)); // off the screen
        QCOMPARE(engine.setRect(-300, 10, 200, 100), int(MIRELO_E_INVALID_ARGUMENT));
        QCOMPARE(engine.setRect(0, 0, 320, 240), 0);

        const QByteArray path = QFile::encodeName(outDir() + "/bad.mp4");
        RecordParams odd = screenJob(path, 321, 240, 30);
        QCOMPARE(engine.start(odd), int(MIRELO_E_INVALID_ARGUMENT));
        RecordParams noRate = screenJob(path, 320, 240, 0);
        QCOMPARE(engine.start(noRate), int(MIRELO_E_INVALID_ARGUMENT));
        QCOMPARE(engine.op<MireloStartRecordingFn>(MIRELO_OP_START_RECORDING)(nullptr), int(MIRELO_E_INVALID_ARGUMENT));
        const QByteArray nowhere = QFile::encodeName(outDir() + "/no/such/folder/x.mp4");
        QCOMPARE(engine.start(screenJob(nowhere, 320, 240, 30)), int(MIRELO_E_IO));
        QVERIFY(!QFile::exists(QString::fromUtf8(path)));

        QCOMPARE(engine.stop(), int(MIRELO_E_BAD_STATE));
        QCOMPARE(engine.pause(), int(MIRELO_E_BAD_STATE));
        QCOMPARE(engine.resume(), int(MIRELO_E_BAD_STATE));
        QCOMPARE(engine.op<MireloAddMouseClickFn>(MIRELO_OP_ADD_MOUSE_CLICK)(5, 5), int(MIRELO_E_BAD_STATE));
        QCOMPARE(engine.op<MireloGetRecordedTimeFn>(MIRELO_OP_GET_RECORDED_TIME)(nullptr), int(MIRELO_E_INVALID_ARGUMENT));
        QCOMPARE(engine.op<MireloGetRecordedSizeFn>(MIRELO_OP_GET_RECORDED_SIZE)(nullptr), int(MIRELO_E_INVALID_ARGUMENT));
    }

    void aMissingHardwareEncoderAnswersMinus7()
    {
        const MireloEncoderAdapter *list = nullptr;
        int count = -1;
        QCOMPARE(engine.op<MireloGetEncoderAdaptersFn>(MIRELO_OP_GET_ENCODER_ADAPTERS)(&list, &count), 0);
        QVERIFY(count >= 0);
        auto test = engine.op<MireloTestHardwareEncoderFn>(MIRELO_OP_TEST_HARDWARE_ENCODER);
        // No machine this runs on has a usable encoder of all three kinds;
        // this one (no GPU) has none.
        if (count == 0) {
            QVERIFY(test(MIRELO_ENCODER_INTEL, 0) != 0);
            QVERIFY(test(MIRELO_ENCODER_NVIDIA, 0) != 0);
            QVERIFY(test(MIRELO_ENCODER_AMD, 0) != 0);
        }
        QVERIFY(test(3, 0) != 0); // not a family

        QCOMPARE(engine.setRect(0, 0, 320, 240), 0);
        const QString file = outDir() + "/hw.mp4";
        const QByteArray path = QFile::encodeName(file);
        RecordParams job = screenJob(path, 320, 240, 30);
        job.hardwareEncoder = MIRELO_ENCODER_NVIDIA;
        if (test(MIRELO_ENCODER_NVIDIA, 0) == 0)
            QSKIP("this machine has a working NVENC");
        QCOMPARE(engine.start(job), int(MIRELO_E_ENCODER));
        QVERIFY(!QFile::exists(file)); // nothing half-made is left
        job.hardwareEncoder = 0;       // the program's retry
        QCOMPARE(engine.start(job), 0);
        QVERIFY(engine.waitTime(300000));
        QCOMPARE(engine.stop(), 0);
    }

    void aRectangleLeavingTheScreenIsPaddedAndKeepsItsSize()
    {
        const QString file = outDir() + "/offscreen.mp4";
        const QByteArray path = QFile::encodeName(file);
        // Half of it hangs off the bottom-right corner.
        QCOMPARE(engine.setRect(1920 - 160, 1080 - 120, 320, 240), 0);
        QCOMPARE(engine.start(screenJob(path, 320, 240, 30)), 0);
        QVERIFY(engine.waitTime(1000000));
        const double beforeMove = engine.time() / 1e6;
        // Moved while recording, with an uneven size: only the place counts.
        QCOMPARE(engine.setRect(-161, -121, 321, 241), 0);
        const double moved = engine.time() / 1e6;
        QVERIFY(engine.waitTime(qint64(moved * 1e6) + 1000000));
        QCOMPARE(engine.stop(), 0);
        engine.shutdown();
        QVERIFY(engine.load());

        const QJsonObject v = probeVideo(file);
        QCOMPARE(v.value("width").toInt(), 320);
        QCOMPARE(v.value("height").toInt(), 240);
        const QByteArray before = frameAt(file, beforeMove / 2, 320, 240),
                         after = frameAt(file, moved + 0.6, 320, 240);
        QVERIFY(!before.isEmpty() && !after.isEmpty());
        auto isScreen = [](Rgb p) { return qAbs(p.r - 0x20) < 16 && qAbs(p.g - 0x40) < 16 && qAbs(p.b - 0x60) < 16; };
        auto isBlack = [](Rgb p) { return p.r < 24 && p.g < 24 && p.b < 24; };
        QVERIFY(isScreen(pixel(before, 320, 40, 40)));    // on the screen
        QVERIFY(isBlack(pixel(before, 320, 280, 200)));   // off it
        QVERIFY(isBlack(pixel(after, 320, 40, 40)));
        QVERIFY(isScreen(pixel(after, 320, 280, 200)));
    }

    // The screen shrinks under a recording and grows again: the area stays
    // where it was, black where no screen is, and shows the screen again
    // once it is back, the segment it is fetched through unchanged.
    void aScreenThatChangesSizeIsFollowed()
    {
        const QString file = outDir() + "/resized.mp4";
        const QByteArray path = QFile::encodeName(file);
        QVERIFY(paintRoot(0x204060));
        // Across the corner of the smaller screen.
        QCOMPARE(engine.setRect(1280 - 160, 720 - 120, 320, 240), 0);
        QCOMPARE(engine.start(screenJob(path, 320, 240, 30)), 0);
        struct Restore { ~Restore() { setScreenMode(QStringLiteral("1920x1080")); } } restore;
        QVERIFY(engine.waitTime(800000));
        const double beforeShrink = engine.time() / 1e6;
        QVERIFY(setScreenMode(QStringLiteral("1280x720")));
        const double shrunk = engine.time() / 1e6;
        QVERIFY(engine.waitTime(qint64(shrunk * 1e6) + 1200000));
        QVERIFY(setScreenMode(QStringLiteral("1920x1080")));
        // Drawn where only the larger screen reaches.
        QVERIFY(fillRoot(1280, 720, 200, 200, 0xe0c020));
        const double grown = engine.time() / 1e6;
        QVERIFY(engine.waitTime(qint64(grown * 1e6) + 1500000));
        QCOMPARE(engine.stop(), 0);
        engine.shutdown();
        QVERIFY(engine.load());
        QVERIFY(paintRoot(0x204060));

        auto close = [](Rgb p, int rgb) {
            return qAbs(p.r - (rgb >> 16)) < 16 && qAbs(p.g - ((rgb >> 8) & 0xff)) < 16 && qAbs(p.b - (rgb & 0xff)) < 16;
        };
        const QByteArray before = frameAt(file, beforeShrink / 2, 320, 240),
                         small = frameAt(file, shrunk + 0.8, 320, 240),
                         after = frameAt(file, grown + 1.0, 320, 240);
        QVERIFY(!before.isEmpty() && !small.isEmpty() && !after.isEmpty());
        QCOMPARE(probeVideo(file).value("width").toInt(), 320);
        const QPoint inside(40, 40), outside(280, 200); // on the smaller screen, beyond it
        QVERIFY(close(pixel(before, 320, inside.x(), inside.y()), 0x204060));
        QVERIFY(close(pixel(before, 320, outside.x(), outside.y()), 0x204060));
        QVERIFY(close(pixel(small, 320, inside.x(), inside.y()), 0x204060));
        QVERIFY(close(pixel(small, 320, outside.x(), outside.y()), 0x000000));
        QVERIFY(close(pixel(after, 320, inside.x(), inside.y()), 0x204060));
        const Rgb grownPixel = pixel(after, 320, outside.x(), outside.y());
        QVERIFY2(close(grownPixel, 0xe0c020),
                 qPrintable(QString("%1 %2 %3").arg(grownPixel.r).arg(grownPixel.g).arg(grownPixel.b)));
    }
};

QTEST_GUILESS_MAIN(TestEngineRecording)
#include "tst_x11_engine_recording.moc"
