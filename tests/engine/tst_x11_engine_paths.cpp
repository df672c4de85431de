// What a start or a watermark does with the paths it is given: it never
// removes or empties what it did not create, never writes through another
// name of a file, never blocks on a path that is not a regular file, and
// never decodes a picture larger than it says. And a split whose ended
// part failed says so.
#include "engine_harness.h"

#include "testsupport.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QThread>
#include <QtTest>

#include <cerrno>
#include <fcntl.h>
#include <future>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

using namespace enginetest;

namespace {

bool exists(const QByteArray &path)
{
    struct stat st;
    return lstat(path.constData(), &st) == 0;
}

// Runs `call` on a thread of its own and answers its result, or fails the
// test when it is still blocked after ten seconds (then `release` frees it).
template <class Call, class Release>
bool answersWithoutBlocking(Call call, Release release, int &result)
{
    auto future = std::async(std::launch::async, call);
    if (future.wait_for(std::chrono::seconds(10)) == std::future_status::ready) {
        result = future.get();
        return true;
    }
    release();
    future.wait();
    return false;
}

// Opening the FIFO's writing end and closing it again ends a reader's wait.
void releaseFifoReader(const QByteArray &fifo)
{
    const int fd = ::open(fifo.constData(), O_WRONLY | O_NONBLOCK);
    if (fd >= 0)
        ::close(fd);
}

} // namespace

class TestEnginePaths : public QObject
{
    Q_OBJECT
    Engine engine;

private slots:
    void initTestCase()
    {
        QString error;
        QVERIFY2(engine.load(&error), qPrintable(error));
        QCOMPARE(engine.setRect(0, 0, 320, 240), 0);
    }
    void cleanupTestCase() { engine.shutdown(); }

    void aPathThatIsNoRegularFileIsRefusedAndKept()
    {
        const QByteArray link = QFile::encodeName(outDir() + "/to-full.mp4");
        QCOMPARE(::symlink("/dev/full", link.constData()), 0);
        QCOMPARE(engine.start(screenJob(link, 320, 240, 30)), int(MIRELO_E_IO));
        QVERIFY2(exists(link), "the symlink was removed");
        QVERIFY(exists("/dev/full"));

        const QByteArray node = QFile::encodeName(outDir() + "/full-node.mp4");
        if (::mknod(node.constData(), S_IFCHR | 0666, makedev(1, 7)) == 0) { // the full device
            QCOMPARE(engine.start(screenJob(node, 320, 240, 30)), int(MIRELO_E_IO));
            QVERIFY2(exists(node), "the device node was removed");
        }

        // A FIFO without a reader would hold an open for writing forever.
        const QByteArray fifo = QFile::encodeName(outDir() + "/fifo.mp4");
        QCOMPARE(::mkfifo(fifo.constData(), 0600), 0);
        int r = 0;
        QVERIFY2(answersWithoutBlocking([&] { return engine.start(screenJob(fifo, 320, 240, 30)); },
                                        [&] { ::open(fifo.constData(), O_RDONLY | O_NONBLOCK); }, r),
                 "start blocked on a FIFO");
        QCOMPARE(r, int(MIRELO_E_IO));
        QVERIFY(exists(fifo));
        QCOMPARE(engine.stop(), int(MIRELO_E_BAD_STATE)); // nothing records

        // A file with another name too: whoever holds that name would keep
        // a copy of the recording.
        const QByteArray held = QFile::encodeName(outDir() + "/held-elsewhere");
        {
            QFile f(QString::fromLocal8Bit(held));
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("someone else's name for it");
        }
        const QByteArray hardLink = QFile::encodeName(outDir() + "/hard-link.mp4");
        QCOMPARE(::link(held.constData(), hardLink.constData()), 0);
        QCOMPARE(engine.start(screenJob(hardLink, 320, 240, 30)), int(MIRELO_E_IO));
        QFile f(QString::fromLocal8Bit(held));
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), QByteArray("someone else's name for it"));
        QVERIFY(exists(hardLink));
        QCOMPARE(engine.stop(), int(MIRELO_E_BAD_STATE));
    }

    void aFailedStartKeepsAFileThatWasThere()
    {
        const QString file = outDir() + "/kept.mp4";
        {
            QFile f(file);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("an earlier recording");
        }
        const QByteArray path = QFile::encodeName(file);
        RecordParams job = screenJob(path, 320, 240, 30);
        job.hardwareEncoder = MIRELO_ENCODER_NVIDIA; // no such encoder here: the start fails late
        QVERIFY(engine.start(job) < 0);
        QFile f(file);
        QVERIFY2(f.open(QIODevice::ReadOnly), "the file was removed");
        QCOMPARE(f.readAll(), QByteArray("an earlier recording"));

        // A file the failed start created itself is removed.
        const QByteArray fresh = QFile::encodeName(outDir() + "/fresh.mp4");
        job.filePath = const_cast<char *>(fresh.constData());
        QVERIFY(engine.start(job) < 0);
        QVERIFY(!exists(fresh));
    }

    // A recording whose folder goes away must not write on into a file
    // nobody can reach: it ends, and the program hears why.
    void aRemovedFolderEndsTheRecordingAndIsReported()
    {
        const QString folder = outDir() + "/gone";
        QVERIFY(QDir().mkpath(folder));
        const QByteArray path = QFile::encodeName(folder + "/rec.mp4");
        const int before = engine.failureEvents();
        QCOMPARE(engine.start(screenJob(path, 320, 240, 30)), 0);
        QTRY_VERIFY_WITH_TIMEOUT(engine.size() > 0, 20000);
        QVERIFY(QDir(folder).removeRecursively());
        QTRY_VERIFY_WITH_TIMEOUT(engine.failureEvents() > before, 10000);
        QCOMPARE(engine.lastFailureData(), ENOENT);
        const int64_t ended = engine.time();
        QTRY_COMPARE(engine.time(), ended); // the clock stopped with it
        QCOMPARE(engine.stop(), int(MIRELO_E_IO));
        QVERIFY(!exists(path));

        // A file moved away and replaced by another of the same name is
        // not the one being written either.
        const QByteArray moved = QFile::encodeName(outDir() + "/moved.mp4");
        const QByteArray taken = QFile::encodeName(outDir() + "/taken.mp4");
        QCOMPARE(engine.start(screenJob(taken, 320, 240, 30)), 0);
        QTRY_VERIFY_WITH_TIMEOUT(engine.size() > 0, 20000);
        QCOMPARE(::rename(taken.constData(), moved.constData()), 0);
        QFile other(QString::fromLocal8Bit(taken));
        QVERIFY(other.open(QIODevice::WriteOnly));
        other.close();
        QTRY_VERIFY_WITH_TIMEOUT(engine.failureEvents() > before + 1, 10000);
        QCOMPARE(engine.stop(), int(MIRELO_E_IO));
        QCOMPARE(QFileInfo(QString::fromLocal8Bit(taken)).size(), qint64(0)); // left alone
    }

    void aWatermarkImageThatIsAFifoIsRefusedAtOnce()
    {
        const QByteArray fifo = QFile::encodeName(outDir() + "/mark.png");
        QCOMPARE(::mkfifo(fifo.constData(), 0600), 0);
        const std::u16string name = QString::fromLocal8Bit(fifo).toStdU16String();
        WatermarkParams w{};
        w.kind = MIRELO_WATERMARK_IMAGE;
        w.left = 10;
        w.top = 10;
        w.right = 74;
        w.bottom = 74;
        w.imagePath = const_cast<char16_t *>(name.c_str());
        auto setWatermark = engine.op<MireloSetWatermarkFn>(MIRELO_OP_SET_WATERMARK);
        int r = 0;
        QVERIFY2(answersWithoutBlocking([&] { return setWatermark(&w); }, [&] { releaseFifoReader(fifo); }, r),
                 "setWatermark blocked on a FIFO");
        QCOMPARE(r, int(MIRELO_E_IO));
        std::u16string zero = u"/dev/zero";
        w.imagePath = zero.data();
        QCOMPARE(setWatermark(&w), int(MIRELO_E_IO));

        // An icon whose directory says 256 x 256 holds a picture that would
        // take a gigabyte: it is measured, not decoded.
        const QString iconPath = outDir() + "/mark.ico";
        QFile icon(iconPath);
        QVERIFY(icon.open(QIODevice::WriteOnly));
        icon.write(testsupport::iconFile({testsupport::blackPng(32, 32), testsupport::blackPng(16000, 16000)}));
        icon.close();
        std::u16string iconName = iconPath.toStdU16String();
        w.imagePath = iconName.data();
        QCOMPARE(setWatermark(&w), int(MIRELO_E_IO));
        QVERIFY(icon.open(QIODevice::WriteOnly | QIODevice::Truncate));
        icon.write(testsupport::iconFile({testsupport::blackPng(32, 32)}));
        icon.close();
        QCOMPARE(setWatermark(&w), 0);
        const WatermarkParams none{};
        QCOMPARE(setWatermark(&none), 0);
    }

    // A part that ended on a full disk is the answer of the start that
    // ended it: nothing new starts, and the program ends the recording.
    void aSplitAfterAFailedPartAnswersThatFailure()
    {
        const QString dir = outDir() + "/small";
        QVERIFY(QDir().mkpath(dir));
        if (::mount("tmpfs", QFile::encodeName(dir).constData(), "tmpfs", 0, "size=1m") != 0)
            QSKIP("cannot mount a small file system here (needs root)");
        struct Unmount { QByteArray d; ~Unmount() { ::umount2(d.constData(), MNT_DETACH); } } unmount{QFile::encodeName(dir)};
        {
            QFile filler(dir + "/filler");
            QVERIFY(filler.open(QIODevice::WriteOnly));
            filler.write(QByteArray(1024 * 1024 - 200 * 1024, 'x'));
        }
        // Moving content, so the part grows.
        QProcess mover;
        mover.start(testsupport::binDir() + QStringLiteral("/../tools/bin/moving-content"), QStringList());
        QVERIFY(mover.waitForStarted());
        struct Stop { QProcess &p; ~Stop() { p.kill(); p.waitForFinished(); } } stopMover{mover};
        const QByteArray first = QFile::encodeName(dir + "/part1.mp4");
        QCOMPARE(engine.setRect(0, 0, 1920, 1080), 0);
        QCOMPARE(engine.start(screenJob(first, 1920, 1080, 30)), 0);
        // Changing pictures fill the disk; the part ends by itself.
        QVERIFY2(engine.waitEnded(), "the part kept going on a full disk");
        const QByteArray second = QFile::encodeName(outDir() + "/part2.mp4");
        QCOMPARE(engine.start(screenJob(second, 1920, 1080, 30)), int(MIRELO_E_IO));
        QVERIFY(!exists(second));
        QCOMPARE(engine.stop(), int(MIRELO_E_BAD_STATE));

        // A part that ended well, then a start refused afterwards (no
        // camera): nothing is recording any more.
        const QByteArray ok = QFile::encodeName(outDir() + "/ok.mp4");
        QCOMPARE(engine.setRect(0, 0, 320, 240), 0);
        QCOMPARE(engine.start(screenJob(ok, 320, 240, 30)), 0);
        QVERIFY(engine.waitTime(300000));
        // The job points into the path bytes: they must outlive the start.
        const QByteArray camPath = QFile::encodeName(outDir() + "/cam.mp4");
        RecordParams webcam = screenJob(camPath, 320, 240, 30);
        webcam.sourceKind = 2;
        QCOMPARE(engine.start(webcam), int(MIRELO_E_NO_DEVICE));
        QCOMPARE(engine.stop(), int(MIRELO_E_BAD_STATE));
        QVERIFY(countFrames(QString::fromUtf8(ok)) > 0);
    }
};

QTEST_GUILESS_MAIN(TestEnginePaths)
#include "tst_x11_engine_paths.moc"
