#include "engine_harness.h"

#include "testsupport.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QStandardPaths>
#include <QThread>

#include <xcb/xcb.h>

#include <algorithm>
#include <atomic>

namespace enginetest {

namespace {
std::atomic<int> g_failures{0};
std::atomic<int> g_failureData{-1};

int callback(int event, int *data, void *)
{
    if (event == MIRELO_EVENT_RECORDING_FAILED) {
        g_failureData = data ? *data : -1;
        ++g_failures;
    }
    return 0;
}
} // namespace

int Engine::failureEvents() const
{
    return g_failures.load();
}

int Engine::lastFailureData() const
{
    return g_failureData.load();
}

bool Engine::load(QString *error)
{
    m_lib.setFileName(testsupport::engineLibrary());
    if (!m_lib.load()) {
        if (error)
            *error = m_lib.errorString();
        return false;
    }
    m_entry = reinterpret_cast<MireloEngineEntryFn>(m_lib.resolve(MIRELO_ENGINE_ENTRY_SYMBOL));
    if (!m_entry)
        return false;
    return op<MireloInitializeFn>(MIRELO_OP_INITIALIZE)("", callback, nullptr) == MIRELO_OK;
}

void Engine::shutdown()
{
    if (m_entry)
        op<MireloShutdownFn>(MIRELO_OP_SHUTDOWN)();
}

int Engine::setRect(int x, int y, int w, int h) const
{
    const MireloCaptureRect r{x, y, x + w, y + h};
    return op<MireloSetCaptureRectFn>(MIRELO_OP_SET_CAPTURE_RECT)(&r);
}

int64_t Engine::time() const
{
    int64_t v = -1;
    op<MireloGetRecordedTimeFn>(MIRELO_OP_GET_RECORDED_TIME)(&v);
    return v;
}

int64_t Engine::size() const
{
    int64_t v = -1;
    op<MireloGetRecordedSizeFn>(MIRELO_OP_GET_RECORDED_SIZE)(&v);
    return v;
}

bool Engine::waitTime(int64_t us, int timeoutMs) const
{
    QElapsedTimer clock;
    clock.start();
    while (time() < us) {
        if (clock.elapsed() > timeoutMs)
            return false;
        QThread::msleep(10);
    }
    return true;
}

bool Engine::waitEnded(int timeoutMs) const
{
    QElapsedTimer clock, still;
    clock.start();
    still.start();
    int64_t last = time();
    while (still.elapsed() < 2000) {
        if (clock.elapsed() > timeoutMs)
            return false;
        QThread::msleep(100);
        const int64_t now = time();
        if (now != last || now <= 0) // not yet begun is not ended
            still.restart();
        last = now;
    }
    return true;
}

RecordParams screenJob(const QByteArray &path, int w, int h, float fps)
{
    RecordParams p{};
    p.filePath = const_cast<char *>(path.constData());
    p.width = w;
    p.height = h;
    p.frameRate = fps;
    p.videoQuality = 1;
    p.streamCode = 3;
    p.fixedCode = 2;
    p.sampleRate = 48000;
    p.sourceKind = 1;
    p.clickRadius = 15;
    return p;
}

QJsonObject probeVideo(const QString &file)
{
    QProcess p;
    p.start(QStringLiteral("ffprobe"), {"-v", "error", "-print_format", "json", "-show_format", "-show_streams",
                                        "-select_streams", "v:0", "-count_packets", file});
    if (!p.waitForFinished(30000) || p.exitCode() != 0)
        return {};
    const QJsonObject all = QJsonDocument::fromJson(p.readAllStandardOutput()).object();
    const QJsonArray streams = all.value("streams").toArray();
    if (streams.isEmpty())
        return {};
    QJsonObject o = streams.first().toObject();
    o.insert("format", all.value("format"));
    return o;
}

int countFrames(const QString &file, bool *clean)
{
    QProcess p;
    p.start(QStringLiteral("ffmpeg"), {"-v", "error", "-i", file, "-map", "0:v:0", "-f", "framemd5", "-"});
    if (!p.waitForFinished(60000))
        return -1;
    const QList<QByteArray> lines = p.readAllStandardOutput().split('\n');
    int n = 0;
    for (const QByteArray &l : lines)
        if (!l.isEmpty() && !l.startsWith('#'))
            ++n;
    if (clean)
        *clean = p.exitCode() == 0 && p.readAllStandardError().trimmed().isEmpty();
    return n;
}

namespace {

// The sorted times ffprobe gives for one entry (packet or frame) of the
// first video stream. A frame with side data ends its line with a separator
// and adds lines: only what starts with a number counts.
QVector<double> probedTimes(const QString &file, const char *entry, int timeoutMs)
{
    QProcess p;
    p.start(QStringLiteral("ffprobe"), {"-v", "quiet", "-select_streams", "v:0", "-show_entries",
                                        QString::fromLatin1(entry) + QStringLiteral("=pts_time"), "-of", "csv=p=0",
                                        file});
    QVector<double> out;
    if (!p.waitForFinished(timeoutMs))
        return out;
    for (const QByteArray &l : p.readAllStandardOutput().split('\n')) {
        bool ok = false;
        const double t = l.split(',').first().trimmed().toDouble(&ok);
        if (ok)
            out.append(t);
    }
    std::sort(out.begin(), out.end());
    return out;
}

} // namespace

QVector<double> packetTimes(const QString &file)
{
    return probedTimes(file, "packet", 30000);
}

QVector<double> pictureTimes(const QString &file)
{
    return probedTimes(file, "frame", 60000);
}

QByteArray frameAt(const QString &file, double seconds, int w, int h)
{
    QProcess p;
    p.start(QStringLiteral("ffmpeg"), {"-v", "error", "-ss", QString::number(seconds), "-i", file, "-frames:v", "1",
                                       "-f", "rawvideo", "-pix_fmt", "rgb24", "-"});
    if (!p.waitForFinished(30000))
        return {};
    QByteArray out = p.readAllStandardOutput();
    return out.size() == w * h * 3 ? out : QByteArray();
}

Rgb pixel(const QByteArray &rgb, int w, int x, int y)
{
    const auto *d = reinterpret_cast<const unsigned char *>(rgb.constData()) + (y * w + x) * 3;
    return {d[0], d[1], d[2]};
}

bool indexAtFront(const QString &file)
{
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly))
        return false;
    // Walk the top-level boxes: size (32-bit big-endian), type.
    qint64 pos = 0;
    while (pos + 8 <= f.size()) {
        f.seek(pos);
        const QByteArray head = f.read(16);
        quint64 size = (quint8(head[0]) << 24) | (quint8(head[1]) << 16) | (quint8(head[2]) << 8) | quint8(head[3]);
        const QByteArray type = head.mid(4, 4);
        if (size == 1) {
            size = 0;
            for (int i = 8; i < 16; ++i)
                size = (size << 8) | quint8(head[i]);
        }
        if (type == "moov")
            return true;
        if (type == "mdat" || type == "moof" || size < 8)
            return false;
        pos += qint64(size);
    }
    return false;
}

bool paintRoot(unsigned rgb)
{
    xcb_connection_t *c = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(c)) {
        xcb_disconnect(c);
        return false;
    }
    xcb_screen_t *s = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
    const uint32_t pixel = rgb; // 24-bit TrueColor: 0xRRGGBB
    xcb_change_window_attributes(c, s->root, XCB_CW_BACK_PIXEL, &pixel);
    xcb_clear_area(c, 0, s->root, 0, 0, 0, 0);
    free(xcb_get_input_focus_reply(c, xcb_get_input_focus(c), nullptr)); // round trip: done
    xcb_disconnect(c);
    return true;
}

bool fillRoot(int x, int y, int w, int h, unsigned rgb)
{
    xcb_connection_t *c = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(c)) {
        xcb_disconnect(c);
        return false;
    }
    xcb_screen_t *s = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
    const xcb_gcontext_t gc = xcb_generate_id(c);
    const uint32_t values[] = {rgb, 1}; // foreground; draw over child windows too
    xcb_create_gc(c, gc, s->root, XCB_GC_FOREGROUND | XCB_GC_SUBWINDOW_MODE, values);
    const xcb_rectangle_t r{int16_t(x), int16_t(y), uint16_t(w), uint16_t(h)};
    xcb_poly_fill_rectangle(c, s->root, gc, 1, &r);
    xcb_free_gc(c, gc);
    free(xcb_get_input_focus_reply(c, xcb_get_input_focus(c), nullptr));
    xcb_disconnect(c);
    return true;
}

bool movePointer(int x, int y)
{
    xcb_connection_t *c = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(c)) {
        xcb_disconnect(c);
        return false;
    }
    xcb_screen_t *s = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
    xcb_warp_pointer(c, XCB_NONE, s->root, 0, 0, 0, 0, int16_t(x), int16_t(y));
    free(xcb_get_input_focus_reply(c, xcb_get_input_focus(c), nullptr));
    xcb_disconnect(c);
    return true;
}

QString outDir()
{
    const QString root = qEnvironmentVariable("MIRELO_TEST_ROOT", QDir::tempPath());
    const QString dir = root + QStringLiteral("/out");
    QDir().mkpath(dir);
    return dir;
}

} // namespace enginetest
