// A recording is never lost: not to a killed process, not to a full disk.
#include "engine_harness.h"

#include "testsupport.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QThread>
#include <QtTest>

#include <algorithm>

#include <cerrno>
#include <csignal>
#include <sys/mount.h>

using namespace enginetest;

class TestEngineRobustness : public QObject
{
    Q_OBJECT
    Engine engine;
    QProcess mover; // moving screen content, so files grow

    static QString toolsDir() { return testsupport::binDir() + QStringLiteral("/../tools/bin"); }

private slots:
    void initTestCase()
    {
        QString error;
        QVERIFY2(engine.load(&error), qPrintable(error));
        mover.start(toolsDir() + "/moving-content", QStringList());
        QVERIFY(mover.waitForStarted());
    }
    void cleanupTestCase()
    {
        engine.shutdown();
        mover.kill();
        mover.waitForFinished();
    }

    void aKilledRecordingStillPlays()
    {
        const QString file = outDir() + "/killed.mp4";
        QProcess rec;
        rec.start(toolsDir() + "/mirelo-rec",
                  {"--rect", "0,0,640,360", "--fps", "30", "--no-stop", file});
        QVERIFY(rec.waitForStarted());
        QVERIFY(rec.waitForReadyRead(10000));
        QVERIFY2(rec.readAllStandardOutput().startsWith("start=0"), "the recorder started");
        // Killed once two seconds are on disk: a loaded machine gets there
        // later, which is not what this checks.
        int written = 0;
        QElapsedTimer clock;
        clock.start();
        while ((written = countFrames(file)) < 2 * 30 && clock.elapsed() < 60000)
            QThread::msleep(500);
        ::kill(pid_t(rec.processId()), SIGKILL);
        QVERIFY(rec.waitForFinished());

        // Everything written before the kill is there and decodes.
        const QJsonObject v = probeVideo(file);
        QCOMPARE(v.value("codec_name").toString(), QStringLiteral("h264"));
        QCOMPARE(v.value("width").toInt(), 640);
        const int frames = countFrames(file);
        QVERIFY2(frames >= std::max(written, 2 * 30), qPrintable(QStringLiteral("%1 of %2").arg(frames).arg(written)));
    }

    void aFullDiskStopsTheRecordingAndKeepsWhatWasWritten()
    {
        const QString dir = outDir() + "/small";
        QVERIFY(QDir().mkpath(dir));
        if (::mount("tmpfs", QFile::encodeName(dir).constData(), "tmpfs", 0, "size=1m") != 0)
            QSKIP("cannot mount a small file system here (needs root)");
        struct Unmount { QByteArray d; ~Unmount() { ::umount2(d.constData(), MNT_DETACH); } } unmount{QFile::encodeName(dir)};
        // Leave about 600 KB free: room for the first half-second fragment
        // even on a loaded machine, where the encoder skips ticks and each
        // picture it does encode carries more change.
        {
            QFile filler(dir + "/filler");
            QVERIFY(filler.open(QIODevice::WriteOnly));
            filler.write(QByteArray(1024 * 1024 - 600 * 1024, 'x'));
        }
        const QString file = dir + "/full.mp4";
        const QByteArray path = QFile::encodeName(file);
        QCOMPARE(engine.setRect(0, 0, 1920, 1080), 0);
        const int failures = engine.failureEvents();
        QCOMPARE(engine.start(screenJob(path, 1920, 1080, 30)), 0);
        // The recording ends by itself and says so at once.
        QTRY_VERIFY_WITH_TIMEOUT(engine.failureEvents() > failures, 20000);
        QCOMPARE(engine.lastFailureData(), ENOSPC);
        // Its time stops growing.
        QVERIFY2(engine.waitEnded(), "the recording kept going on a full disk");
        QCOMPARE(engine.stop(), int(MIRELO_E_IO));
        // At least the first fragment (half a second of the recording) is
        // kept whole; under load it holds fewer pictures, not less time.
        const int frames = countFrames(file);
        QVERIFY2(frames >= 2, qPrintable(QString::number(frames)));
        QCOMPARE(probeVideo(file).value("width").toInt(), 1920);
        // After the stop the time is what the file plays, not what the
        // clock ran to before the disk refused the queued pictures: from the
        // first picture to the end of the last that decodes (the one the
        // full disk cut short does not).
        const QVector<double> times = pictureTimes(file);
        QVERIFY(times.size() >= frames);
        const double held = times.last() - times.first() + 1 / 30.0;
        QVERIFY2(held >= 0.45, qPrintable(QStringLiteral("%1 s kept").arg(held)));
        QVERIFY2(qAbs(engine.time() / 1e6 - held) < 0.5 / 30,
                 qPrintable(QStringLiteral("time %1 s, file %2 s").arg(engine.time() / 1e6).arg(held)));
    }
};

QTEST_GUILESS_MAIN(TestEngineRobustness)
#include "tst_x11_engine_robustness.moc"
