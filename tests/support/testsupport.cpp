#include "testsupport.h"

#include "platform/windowlist.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcessEnvironment>
#include <QTest>

#include <zlib.h>

#include <csignal>
#include <functional>
#include <utility>
#include <sys/stat.h>
#include <unistd.h>

namespace testsupport {

QString binDir() { return qEnvironmentVariable("MIRELO_BIN_DIR"); }

QString engineLibrary()
{
    const QString chosen = qEnvironmentVariable("MIRELO_ENGINE");
    return chosen.isEmpty() ? binDir() + QStringLiteral("/libMirelo.so") : chosen;
}

QString sourceDir() { return qEnvironmentVariable("MIRELO_SOURCE_DIR"); }

bool isolatedHome()
{
    const QString root = qEnvironmentVariable("MIRELO_TEST_ROOT");
    if (root.isEmpty())
        return false;
    for (const char *name : {"HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_RUNTIME_DIR"}) {
        if (!qEnvironmentVariable(name).startsWith(root))
            return false;
    }
    return true;
}

Desktop desktop()
{
    const QByteArray mode = qgetenv("MIRELO_TEST_DESKTOP");
    if (mode.startsWith("xfwm"))
        return Desktop::Xfce;
    if (mode.startsWith("openbox"))
        return Desktop::Openbox;
    if (mode == "i3")
        return Desktop::I3;
    if (mode == "kwin")
        return Desktop::Kwin;
    return Desktop::None;
}

bool desktopComposites()
{
    const QByteArray mode = qgetenv("MIRELO_TEST_DESKTOP");
    return mode == "xfwm" || mode == "openbox-picom" || mode == "kwin";
}

QRect placedWindow(const QString &className, const QRect &asked, int timeoutMs)
{
    // The window of the asked size: the listed one itself, or inside it.
    std::function<QRect(const WindowListEntry &)> drawing = [&](const WindowListEntry &e) {
        if (e.rect.size() == asked.size())
            return e.rect;
        for (const WindowListEntry &kid : e.children) {
            const QRect r = drawing(kid);
            if (r.isValid())
                return r;
        }
        return QRect();
    };
    auto find = [&] {
        for (const WindowListEntry &e : WindowList::instance()->windows({}))
            if (e.className == className && e.visible)
                return drawing(e);
        return QRect();
    };
    // A frame's border: a title bar at most above, a thin line left.
    constexpr int kFrame = 64;
    QRect found, last;
    const bool placed = QTest::qWaitFor(
        [&] {
            found = find();
            const QPoint off = found.topLeft() - asked.topLeft();
            const bool near = found.isValid() && off.x() >= 0 && off.y() >= 0 && off.x() < kFrame && off.y() < kFrame;
            return near && std::exchange(last, found) == found;
        },
        timeoutMs);
    return placed ? found : QRect();
}

FileSizeLimit::FileSizeLimit(qint64 bytes)
{
    ::getrlimit(RLIMIT_FSIZE, &m_saved);
    m_handler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit = m_saved;
    limit.rlim_cur = rlim_t(bytes);
    ::setrlimit(RLIMIT_FSIZE, &limit);
}

FileSizeLimit::~FileSizeLimit()
{
    ::setrlimit(RLIMIT_FSIZE, &m_saved);
    std::signal(SIGXFSZ, m_handler);
}

bool makeFifo(const QString &path)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile::remove(path);
    return ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0;
}

QByteArray deepXml(int depth, const QByteArray &root)
{
    QByteArray text = "<?xml version=\"1.0\"?><" + root + ">";
    text.reserve(text.size() + depth * 7 + root.size() + 3);
    for (int i = 0; i < depth; ++i)
        text += "<a>";
    for (int i = 0; i < depth; ++i)
        text += "</a>";
    return text + "</" + root + ">";
}

namespace {

quint32 crc32(const QByteArray &bytes)
{
    quint32 crc = 0xffffffffu;
    for (const char c : bytes) {
        crc ^= quint8(c);
        for (int k = 0; k < 8; ++k)
            crc = (crc >> 1) ^ (0xedb88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

QByteArray bigEndian(quint32 value)
{
    QByteArray bytes(4, 0);
    for (int i = 0; i < 4; ++i)
        bytes[i] = char(value >> (24 - 8 * i));
    return bytes;
}

QByteArray chunk(const char *type, const QByteArray &data)
{
    const QByteArray body = QByteArray(type) + data;
    return bigEndian(quint32(data.size())) + body + bigEndian(crc32(body));
}

} // namespace

QByteArray blackPng(int width, int height)
{
    // Bit depth 1, grey: each row a filter byte and width/8 bytes of zeros.
    const QByteArray header = bigEndian(quint32(width)) + bigEndian(quint32(height)) + QByteArray("\x01\x00\x00\x00\x00", 5);
    const QByteArray rows(qint64(1 + (width + 7) / 8) * height, 0);
    const QByteArray stream = qCompress(rows, 9).mid(4); // the zlib stream without Qt's length
    return QByteArray("\x89PNG\r\n\x1a\n", 8) + chunk("IHDR", header) + chunk("IDAT", stream)
           + chunk("IEND", QByteArray());
}

namespace {
QByteArray littleEndian(quint32 value, int bytes)
{
    QByteArray out(bytes, 0);
    for (int i = 0; i < bytes; ++i)
        out[i] = char(value >> (8 * i));
    return out;
}
} // namespace

QByteArray iconFile(const QList<QByteArray> &pictures, bool cursor)
{
    QByteArray head = littleEndian(0, 2) + littleEndian(cursor ? 2 : 1, 2) + littleEndian(quint32(pictures.size()), 2);
    QByteArray data;
    quint32 offset = quint32(6 + 16 * pictures.size());
    for (const QByteArray &picture : pictures) {
        // 0 x 0 stands for 256 x 256.
        head += QByteArray(4, 0) + littleEndian(1, 2) + littleEndian(32, 2) + littleEndian(quint32(picture.size()), 4)
                + littleEndian(offset + quint32(data.size()), 4);
        data += picture;
    }
    return head + data;
}

QByteArray gifFile(const QSize &screen, const QList<QRect> &frames, bool graphicControl)
{
    // A global colour table of two entries, black and white.
    QByteArray gif = QByteArray("GIF89a") + littleEndian(quint32(screen.width()), 2)
                     + littleEndian(quint32(screen.height()), 2) + QByteArray("\x80\x00\x00", 3)
                     + QByteArray("\x00\x00\x00\xff\xff\xff", 6);
    for (const QRect &frame : frames) {
        if (graphicControl) // a delay of 10 ms, nothing transparent
            gif += QByteArray("\x21\xf9\x04\x00\x01\x00\x00\x00", 8);
        gif += ',' + littleEndian(quint32(frame.x()), 2) + littleEndian(quint32(frame.y()), 2)
               + littleEndian(quint32(frame.width()), 2) + littleEndian(quint32(frame.height()), 2) + '\0';
        // Code size 2; the codes clear, colour 0, end of data, three bits each.
        gif += QByteArray("\x02\x02\x44\x01\x00", 5);
    }
    return gif + ';';
}

QByteArray gzipped(const QByteArray &bytes)
{
    z_stream stream{};
    if (deflateInit2(&stream, 9, Z_DEFLATED, 15 + 16, 8, Z_DEFAULT_STRATEGY) != Z_OK)
        return QByteArray();
    QByteArray out(int(deflateBound(&stream, uLong(bytes.size()))), Qt::Uninitialized);
    stream.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(bytes.constData()));
    stream.avail_in = uInt(bytes.size());
    stream.next_out = reinterpret_cast<Bytef *>(out.data());
    stream.avail_out = uInt(out.size());
    const bool done = deflate(&stream, Z_FINISH) == Z_STREAM_END;
    out.resize(int(stream.total_out));
    deflateEnd(&stream);
    return done ? out : QByteArray();
}

QByteArray iconBitmapHeader(int width, int height)
{
    // The height counts the mask's rows too.
    return littleEndian(40, 4) + littleEndian(quint32(width), 4) + littleEndian(quint32(height * 2), 4)
           + littleEndian(1, 2) + littleEndian(32, 2) + QByteArray(24, 0);
}

} // namespace testsupport
