// Recording the screen through the entry symbol alone, checked from the
// files with ffprobe and ffmpeg.
#include "engine_harness.h"

#include <QFile>
#include <QJsonObject>
#include <QThread>
#include <QtTest>

using namespace enginetest;

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
        QThread::msleep(1000);
        const int64_t midTime = engine.time();
        QVERIFY(midTime > 700000 && midTime < 1500000);
        QThread::msleep(1000);
        QVERIFY(engine.size() > 0);
        QCOMPARE(engine.stop(), 0);
        const int64_t total = engine.time();
        QVERIFY(total >= 1900000 && total < 2600000);
        QCOMPARE(engine.stop(), int(MIRELO_E_BAD_STATE));
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
        QVERIFY2(qAbs(frames - total * 25 / 1000000) <= 2, qPrintable(QString::number(frames)));
        QVERIFY2(indexAtFront(file), "a cleanly stopped file has its index at the front");

        // The screen's colour came through the conversion.
        const QByteArray rgb = frameAt(file, 1.0, 640, 360);
        QVERIFY(!rgb.isEmpty());
        const Rgb p = pixel(rgb, 640, 320, 180);
        QVERIFY2(qAbs(p.r - 0x20) < 12 && qAbs(p.g - 0x40) < 12 && qAbs(p.b - 0x60) < 12,
                 qPrintable(QString("%1 %2 %3").arg(p.r).arg(p.g).arg(p.b)));
    }
};

QTEST_GUILESS_MAIN(TestEngineRecording)
#include "tst_x11_engine_recording.moc"
