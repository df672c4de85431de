// The file stage alone: what it opens, what it leaves behind when a start
// fails, and how a write that fails (at once or midway) ends the file.
#include "core/muxer.h"
#include "core/packet_pool.h"
#include "core/video_encoder.h"

#include "engine_fakes.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

using namespace mirelo;

namespace {

// Encodes `frames` grey pictures of 64x64 into the muxer's stream 0.
void feed(Muxer &muxer, VideoEncoder &encoder, int frames)
{
    AVFrame *f = av_frame_alloc();
    f->format = encoder.inputFormat();
    f->width = 64;
    f->height = 64;
    av_frame_get_buffer(f, 64);
    auto sink = [&](AVPacket *p) { return muxer.submit(p, 0, encoder.timeBase()); };
    for (int i = 0; i < frames; ++i) {
        av_frame_make_writable(f);
        // Noise: every picture costs some hundred bytes.
        for (int p = 0; p < 3; ++p)
            for (int b = 0; b < f->linesize[p] * (p ? 32 : 64); ++b)
                f->data[p][b] = uint8_t((b * 2654435761u + unsigned(i) * 40503u) >> 13);
        f->pts = i;
        encoder.encode(f, sink);
    }
    encoder.encode(nullptr, sink);
    av_frame_free(&f);
}

VideoEncoderConfig small()
{
    VideoEncoderConfig c;
    c.width = 64;
    c.height = 64;
    c.frameRate = 30;
    return c;
}

} // namespace

class TestEngineMuxer : public QObject
{
    Q_OBJECT
    QTemporaryDir dir;

    QByteArray path(const char *name) const { return QFile::encodeName(dir.filePath(name)); }

private slots:
    void initTestCase() { av_log_set_level(AV_LOG_QUIET); }

    void onlyRegularFilesAreOpenedAndNothingThereIsEmptiedBeforeStart()
    {
        Muxer dev;
        QCOMPARE(dev.create("/dev/null", Muxer::Container::Mp4), int(MIRELO_E_IO));
        Muxer folder;
        QCOMPARE(folder.create(dir.path().toStdString(), Muxer::Container::Mp4), int(MIRELO_E_IO));
        const QByteArray fifo = path("fifo.mp4");
        QCOMPARE(mkfifo(fifo.constData(), 0600), 0);
        Muxer pipe; // without O_NONBLOCK this open would wait for a reader forever
        QCOMPARE(pipe.create(fifo.toStdString(), Muxer::Container::Mp4), int(MIRELO_E_IO));

        const QByteArray old = path("old.mp4");
        QFile f(QString::fromLocal8Bit(old));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("kept");
        f.close();
        {
            Muxer m;
            QCOMPARE(m.create(old.toStdString(), Muxer::Container::Mp4), 0);
            m.discard();
        }
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), QByteArray("kept"));

        const QByteArray made = path("made.mp4");
        Muxer m;
        QCOMPARE(m.create(made.toStdString(), Muxer::Container::Mp4), 0);
        QVERIFY(QFile::exists(QString::fromLocal8Bit(made)));
        m.discard();
        QVERIFY(!QFile::exists(QString::fromLocal8Bit(made)));
    }

    void aWriteThatFailsAtOnceEndsTheFileAndIsReported()
    {
        VideoEncoder encoder;
        QCOMPARE(encoder.open(small()), 0);
        Muxer m;
        m.setWriteFunction([](int, const void *, size_t) -> ssize_t {
            errno = ENOSPC;
            return -1;
        });
        std::atomic<int> failures{0};
        m.setFailureHandler([&] { ++failures; });
        const QByteArray file = path("atonce.mp4");
        QCOMPARE(m.create(file.toStdString(), Muxer::Container::Mp4), 0);
        QCOMPARE(m.addStream(encoder.context()), 0);
        if (m.start() == 0) { // the index waits for the first fragment
            feed(m, encoder, 60);
            QCOMPARE(m.finish(), int(MIRELO_E_IO));
            QCOMPARE(failures.load(), 1);
        } else {
            m.discard();
            QVERIFY(!QFile::exists(QString::fromLocal8Bit(file)));
        }
    }

    void aWriteThatFailsMidwayEndsTheFileAndIsReported()
    {
        VideoEncoder encoder;
        QCOMPARE(encoder.open(small()), 0);
        Muxer m;
        std::atomic<int64_t> room{20000};
        m.setWriteFunction([&](int fd, const void *data, size_t size) -> ssize_t {
            if (room.load() < int64_t(size)) {
                errno = ENOSPC;
                return -1;
            }
            room -= int64_t(size);
            return ::write(fd, data, size);
        });
        std::atomic<int> failures{0};
        m.setFailureHandler([&] { ++failures; });
        const QByteArray file = path("midway.mp4");
        QCOMPARE(m.create(file.toStdString(), Muxer::Container::Mp4), 0);
        QCOMPARE(m.addStream(encoder.context()), 0);
        QCOMPARE(m.start(), 0);
        feed(m, encoder, 300);
        QCOMPARE(m.finish(), int(MIRELO_E_IO));
        QCOMPARE(failures.load(), 1);
        QVERIFY(m.failed());
        // What reached the disk stays: the file is there, not removed.
        QVERIFY(QFileInfo(QString::fromLocal8Bit(file)).size() > 0);
    }

    // A freed packet's buffer serves the next packet of its size class, so
    // a frame's packet does not fault in fresh pages.
    void packetBuffersAreReused()
    {
        PacketPool pool;
        AVBufferRef *a = pool.get(100000);
        QVERIFY(a && a->size >= 100000);
        const uint8_t *first = a->data;
        av_buffer_unref(&a);
        AVBufferRef *b = pool.get(120000);
        QVERIFY(b && b->size >= 120000);
        QCOMPARE(static_cast<const uint8_t *>(b->data), first);
        AVBufferRef *c = pool.get(120000); // another one while b is in use
        QVERIFY(c && c->data != b->data);
        av_buffer_unref(&b);
        av_buffer_unref(&c);
        AVBufferRef *big = pool.get(80 * 1024 * 1024); // beyond the classes: allocated as asked
        if (big)
            QCOMPARE(big->size, size_t(80 * 1024 * 1024));
        av_buffer_unref(&big);
    }

    void aCleanFileHasEveryPacketInOrder()
    {
        VideoEncoder encoder;
        QCOMPARE(encoder.open(small()), 0);
        Muxer m;
        const QByteArray file = path("clean.mp4");
        QCOMPARE(m.create(file.toStdString(), Muxer::Container::Mp4), 0);
        QCOMPARE(m.addStream(encoder.context()), 0);
        QCOMPARE(m.start(), 0);
        feed(m, encoder, 60);
        QCOMPARE(m.finish(), 0);
        const auto v = enginefake::packetsOf(file.constData(), AVMEDIA_TYPE_VIDEO);
        QCOMPARE(v.count, 60);
        QVERIFY(v.ordered);
        QVERIFY2(qAbs(v.end - v.start - 2.0) < 0.05, qPrintable(QString::number(v.end - v.start)));
    }
};

QTEST_GUILESS_MAIN(TestEngineMuxer)
#include "tst_engine_muxer.moc"
