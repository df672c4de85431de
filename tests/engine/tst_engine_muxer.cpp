// The file stage alone: what it opens, what it leaves behind when a start
// fails, how a write that fails (at once, midway, or taking nothing) ends
// the file, and that a finished file is on the disk before it counts.
#include "core/muxer.h"
#include "core/packet_pool.h"
#include "core/video_encoder.h"

#include "engine_fakes.h"

#include <QFile>
#include <QtEndian>
#include <QTemporaryDir>
#include <QtTest>

#include <cerrno>
#include <dlfcn.h>
#include <fcntl.h>
#include <mutex>
#include <sys/stat.h>
#include <unistd.h>

using namespace mirelo;

namespace {

// What reached the disk, seen from the system calls: this program's own
// fsync, close and rename stand in front of the C library's, note each
// fsync and rename in order, and can fail an fsync or close of one file.
std::mutex g_callsMutex;
QStringList g_calls;
QString g_failSync, g_failClose; // a path whose fsync (close) fails

QString pathOfFd(int fd)
{
    char link[64], target[4096];
    std::snprintf(link, sizeof link, "/proc/self/fd/%d", fd);
    const ssize_t n = readlink(link, target, sizeof target - 1);
    return n > 0 ? QString::fromLocal8Bit(target, int(n)) : QString();
}

template <class Fn>
Fn next(const char *name)
{
    return reinterpret_cast<Fn>(dlsym(RTLD_NEXT, name));
}

} // namespace

extern "C" int fsync(int fd)
{
    static const auto real = next<int (*)(int)>("fsync");
    const QString path = pathOfFd(fd);
    {
        std::lock_guard<std::mutex> lock(g_callsMutex);
        g_calls << QStringLiteral("fsync ") + path;
        if (!g_failSync.isEmpty() && path == g_failSync) {
            errno = EIO;
            return -1;
        }
    }
    return real(fd);
}

extern "C" int close(int fd)
{
    static const auto real = next<int (*)(int)>("close");
    bool fails = false;
    {
        std::lock_guard<std::mutex> lock(g_callsMutex);
        fails = !g_failClose.isEmpty() && pathOfFd(fd) == g_failClose;
    }
    const int r = real(fd);
    if (fails) {
        errno = EIO;
        return -1;
    }
    return r;
}

extern "C" int rename(const char *from, const char *to)
{
    static const auto real = next<int (*)(const char *, const char *)>("rename");
    {
        std::lock_guard<std::mutex> lock(g_callsMutex);
        g_calls << QStringLiteral("rename %1 %2").arg(QString::fromLocal8Bit(from), QString::fromLocal8Bit(to));
    }
    return real(from, to);
}

namespace {

QStringList takeCalls()
{
    std::lock_guard<std::mutex> lock(g_callsMutex);
    return std::exchange(g_calls, QStringList());
}

void failSyncAndClose(const QString &sync, const QString &close)
{
    std::lock_guard<std::mutex> lock(g_callsMutex);
    g_failSync = sync;
    g_failClose = close;
}

// The second box of an MP4 (after ftyp): "moov" once the index is at the front.
QByteArray secondBox(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    const QByteArray head = f.read(8);
    if (head.size() < 8)
        return {};
    const quint32 size = (quint32(uchar(head[0])) << 24) | (quint32(uchar(head[1])) << 16)
        | (quint32(uchar(head[2])) << 8) | quint32(uchar(head[3]));
    f.seek(size + 4);
    return f.read(4);
}

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

    // A whole MP4 of the given number of small pictures.
    static bool recordMp4(const QByteArray &file, int frames)
    {
        VideoEncoder encoder;
        Muxer m;
        if (encoder.open(small()) != 0 || m.create(file.toStdString(), Muxer::Container::Mp4) != 0
            || m.addStream(encoder.context()) != 0 || m.start() != 0)
            return false;
        feed(m, encoder, frames);
        return m.finish() == 0;
    }

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

    // Midway the disk is full: the write fails, or (on some file systems)
    // takes nothing without an error, which would be tried again for ever.
    void aWriteThatFailsMidwayEndsTheFileAndIsReported()
    {
        for (const bool takesNothing : {false, true}) {
            VideoEncoder encoder;
            QCOMPARE(encoder.open(small()), 0);
            Muxer m;
            std::atomic<int64_t> room{20000};
            std::atomic<int> nothing{0};
            m.setWriteFunction([&](int fd, const void *data, size_t size) -> ssize_t {
                if (room.load() < int64_t(size)) {
                    // Bounded, so that a muxer that spins on it still ends.
                    if (takesNothing && ++nothing < 1000)
                        return 0;
                    errno = ENOSPC;
                    return -1;
                }
                room -= int64_t(size);
                return ::write(fd, data, size);
            });
            std::atomic<int> failures{0};
            m.setFailureHandler([&] { ++failures; });
            const QByteArray file = path(takesNothing ? "nothing.mp4" : "midway.mp4");
            QCOMPARE(m.create(file.toStdString(), Muxer::Container::Mp4), 0);
            QCOMPARE(m.addStream(encoder.context()), 0);
            QCOMPARE(m.start(), 0);
            feed(m, encoder, 300);
            QCOMPARE(m.finish(), int(MIRELO_E_IO));
            QCOMPARE(failures.load(), 1);
            QVERIFY(m.failed());
            QCOMPARE(m.errorNumber(), takesNothing ? EIO : ENOSPC);
            QCOMPARE(nothing.load(), takesNothing ? 1 : 0);
            // What reached the disk stays: the file is there, not removed.
            QVERIFY(QFileInfo(QString::fromLocal8Bit(file)).size() > 0);
        }
    }

    // A file counts as finished only once it is on the disk: a write-back
    // error shows at fsync or close, after every write went well.
    void aFileIsSyncedAndClosedBeforeItCounts()
    {
        for (const bool atClose : {false, true}) {
            VideoEncoder encoder;
            QCOMPARE(encoder.open(small()), 0);
            const QString file = dir.filePath(atClose ? "close.mp4" : "sync.mp4");
            Muxer m;
            QCOMPARE(m.create(QFile::encodeName(file).toStdString(), Muxer::Container::Mp4), 0);
            QCOMPARE(m.addStream(encoder.context()), 0);
            QCOMPARE(m.start(), 0);
            feed(m, encoder, 30);
            takeCalls();
            failSyncAndClose(atClose ? QString() : file, atClose ? file : QString());
            const int r = m.finish();
            failSyncAndClose(QString(), QString());
            QVERIFY2(takeCalls().contains("fsync " + file), "finished without an fsync");
            QCOMPARE(r, int(MIRELO_E_IO));
            QCOMPARE(m.errorNumber(), EIO);
        }
    }

    // The rewrite with the index at the front replaces the playable file
    // only once it is on the disk, and the folder is synced after the
    // rename; a link planted at the rewrite's name is never written through.
    void theRewriteIsDurableAndNeverFollowsALink()
    {
        VideoEncoder encoder;
        QCOMPARE(encoder.open(small()), 0);
        const QString file = dir.filePath("rewrite.mp4");
        {
            Muxer m;
            QCOMPARE(m.create(QFile::encodeName(file).toStdString(), Muxer::Container::Mp4), 0);
            QCOMPARE(m.addStream(encoder.context()), 0);
            QCOMPARE(m.start(), 0);
            feed(m, encoder, 60);
            QCOMPARE(m.finish(), 0);
        }
        const QString victim = dir.filePath("victim.txt");
        {
            QFile f(victim);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("not a recording");
        }
        const QString planted = dir.filePath(".rewrite.mp4.finishing");
        QVERIFY(QFile::link(victim, planted));
        takeCalls();
        QVERIFY(finishMp4(QFile::encodeName(file).toStdString()));
        const QStringList calls = takeCalls();

        QFile f(victim);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), QByteArray("not a recording"));
        QVERIFY(QFileInfo(planted).isSymLink());
        QCOMPARE(secondBox(file), QByteArray("moov"));
        QCOMPARE(enginefake::packetsOf(QFile::encodeName(file).constData(), AVMEDIA_TYPE_VIDEO).count, 60);
        QCOMPARE(QDir(dir.path()).entryList(QStringList("*finishing*"), QDir::Files | QDir::Hidden | QDir::System),
                 QStringList(".rewrite.mp4.finishing")); // only the link is left

        int renamed = -1;
        for (int i = 0; i < calls.size(); ++i)
            if (calls[i].startsWith("rename ") && calls[i].endsWith(" " + file))
                renamed = i;
        QVERIFY2(renamed > 0, qPrintable(calls.join('\n')));
        const QString temp = calls[renamed].mid(7, calls[renamed].size() - 8 - file.size());
        QVERIFY2(calls.mid(0, renamed).contains("fsync " + temp), qPrintable(calls.join('\n')));
        QVERIFY2(calls.mid(renamed).contains("fsync " + dir.path()), qPrintable(calls.join('\n')));
    }

    // A recording's own file is never reached through a link either: one
    // planted at the name would aim the recording at its target.
    void aLinkAtTheFileNameIsRefused()
    {
        const QString victim = dir.filePath("victim2.txt");
        {
            QFile f(victim);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("kept");
        }
        const QString link = dir.filePath("linked.mp4");
        QVERIFY(QFile::link(victim, link));
        Muxer m;
        QCOMPARE(m.create(QFile::encodeName(link).toStdString(), Muxer::Container::Mp4), int(MIRELO_E_IO));
        QFile f(victim);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), QByteArray("kept"));
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
        const QByteArray file = path("clean.mp4");
        QVERIFY(recordMp4(file, 60));
        const auto v = enginefake::packetsOf(file.constData(), AVMEDIA_TYPE_VIDEO);
        QCOMPARE(v.count, 60);
        QVERIFY(v.ordered);
        QVERIFY2(qAbs(v.end - v.start - 2.0) < 0.05, qPrintable(QString::number(v.end - v.start)));
    }

    // A full disk keeps the file up to some byte. Once the cut fragment is
    // dealt with, the file still plays all that came whole before the cut,
    // and its length is what plays, from the first picture to the end of
    // the last that decodes, wherever the cut falls: inside a picture,
    // between a picture and the B-frames shown before it, at a picture's
    // end, inside a fragment's index or the header of its data.
    void aCutFileIsAsLongAsWhatPlays()
    {
        const QByteArray file = path("whole.mp4");
        QVERIFY(recordMp4(file, 60));
        QFile whole(QString::fromLocal8Bit(file));
        QVERIFY(whole.open(QIODevice::ReadOnly));
        const QByteArray bytes = whole.readAll();
        // Where each picture's bytes start, in the order they are written.
        QVector<qint64> starts;
        AVFormatContext *in = nullptr;
        QVERIFY(avformat_open_input(&in, file.constData(), nullptr, nullptr) >= 0);
        AVPacket *p = av_packet_alloc();
        while (av_read_frame(in, p) >= 0) {
            starts << p->pos;
            av_packet_unref(p);
        }
        av_packet_free(&p);
        avformat_close_input(&in);
        QCOMPARE(starts.size(), 60);
        // Every byte of the second fragment's index and of its data's
        // header; the others at their start and end.
        QVector<qint64> cuts;
        int fragments = 0;
        for (qint64 box = 0; box + 8 <= bytes.size();) {
            const qint64 size = qFromBigEndian<quint32>(bytes.constData() + box);
            QVERIFY(size >= 8);
            if (bytes.mid(int(box) + 4, 4) == "moof") {
                ++fragments;
                cuts << box << box + 8 << box + size << box + size + 8;
                for (qint64 at = box; fragments == 2 && at <= box + size + 16; ++at)
                    cuts << at;
            }
            box += size;
        }
        QVERIFY(fragments >= 3);
        for (const qint64 start : starts)
            cuts << start << start + 1;
        std::sort(cuts.begin(), cuts.end());
        cuts.erase(std::unique(cuts.begin(), cuts.end()), cuts.end());
        const QByteArray cutFile = path("cut.mp4");
        int reordered = 0; // cuts where more is shown than the pictures before the cut in writing order
        int before = 0; // pictures shown at the previous cut
        for (const qint64 cut : cuts) {
            QFile out(QString::fromLocal8Bit(cutFile));
            QVERIFY(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
            QCOMPARE(out.write(bytes.left(int(cut))), cut);
            out.close();
            const int fd = ::open(cutFile.constData(), O_RDWR | O_CLOEXEC);
            QVERIFY(fd >= 0);
            QVERIFY(dropCutFragment(fd));
            ::close(fd);
            const auto shown = enginefake::picturesOf(cutFile.constData());
            QVERIFY2(shown.count >= before, qPrintable(QStringLiteral("cut at %1: %2 pictures, %3 at a cut before")
                                                           .arg(cut).arg(shown.count).arg(before)));
            before = shown.count;
            const double plays = shown.count ? shown.last - shown.first + 1 / 30.0 : 0;
            if (shown.count && plays > shown.count / 30.0 + 0.01)
                ++reordered;
            const int64_t length = mediaDurationUs(cutFile.toStdString());
            QVERIFY2(length >= 0 && qAbs(length / 1e6 - plays) < 0.5 / 30,
                     qPrintable(QStringLiteral("cut at %1: %2 s, plays %3 s (%4 pictures)")
                                    .arg(cut).arg(length / 1e6).arg(plays).arg(shown.count)));
        }
        QVERIFY(reordered > 0); // the encoder made B-frames, so some cuts fall between
    }
};

QTEST_GUILESS_MAIN(TestEngineMuxer)
#include "tst_engine_muxer.moc"
