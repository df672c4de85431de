#include "video/watermark.h"

#include "core/log.h"

#include <QBuffer>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QImageReader>
#include <QPainter>
#include <QString>

#include <QFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace mirelo {

namespace {

QString fromUtf16(const char16_t *s)
{
    return s ? QString::fromUtf16(s) : QString();
}

// The image file's bytes, read only from a regular file and opened so that
// nothing can block (a FIFO, a device): anything else is refused like a
// missing image.
bool readImageFile(const QString &path, QByteArray &out)
{
    constexpr qint64 kMaxBytes = 256 * 1024 * 1024;
    const QByteArray name = QFile::encodeName(path);
    if (name.isEmpty())
        return false;
    struct stat st;
    if (stat(name.constData(), &st) != 0 || !S_ISREG(st.st_mode))
        return false;
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return false;
    bool ok = fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_size <= kMaxBytes;
    if (ok) {
        out.resize(int(st.st_size));
        qint64 done = 0;
        while (ok && done < st.st_size) {
            const ssize_t n = ::read(fd, out.data() + done, size_t(st.st_size - done));
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0)
                break; // shorter than it was: decode what is there
            done += n;
        }
        out.resize(int(done));
    }
    ::close(fd);
    return ok;
}

// Decodes only a picture of a sane size: a small file may declare one that
// takes gigabytes (23000 x 23000 pixels), and Qt 5 sets no limit itself.
QImage decodeBounded(const QByteArray &bytes)
{
    constexpr qint64 kMaxPixels = 64LL * 1024 * 1024;
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    const QSize size = reader.size();
    if (size.isValid() && qint64(size.width()) * size.height() > kMaxPixels) {
        logLine("watermark image too large");
        return QImage();
    }
    return reader.read();
}

bool isZeroed(const WatermarkParams &p)
{
    static const WatermarkParams zero{};
    return std::memcmp(&p, &zero, sizeof p) == 0;
}

// Text needs Qt's font machinery, which needs a GUI application object. A
// program that is not a Qt program gets a private, display-less one.
bool ensureGuiApplication()
{
    if (qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
        return true;
    if (QCoreApplication::instance())
        return false;
    static int argc = 3;
    static char arg0[] = "mirelo-engine", arg1[] = "-platform", arg2[] = "offscreen";
    static char *argv[] = {arg0, arg1, arg2, nullptr};
    static QGuiApplication *app = new QGuiApplication(argc, argv);
    return app != nullptr;
}

} // namespace

std::shared_ptr<ImageOverlay> renderWatermark(const WatermarkParams &p, int &result)
{
    result = MIRELO_OK;
    if (isZeroed(p))
        return nullptr;
    const int w = p.right - p.left, h = p.bottom - p.top;
    if (w <= 0 || h <= 0 || w > 16384 || h > 16384) {
        result = MIRELO_E_INVALID_ARGUMENT;
        return nullptr;
    }
    const float opacity = 1.0f - std::min(std::max(p.transparency, 0.0f), 1.0f);
    QImage canvas(w, h, QImage::Format_ARGB32_Premultiplied);
    if (canvas.isNull()) { // out of memory for a very large rectangle
        result = MIRELO_E_FAILED;
        return nullptr;
    }
    canvas.fill(Qt::transparent);
    // Point sizes as the program's screen shows them (96 dots per inch).
    canvas.setDotsPerMeterX(3780);
    canvas.setDotsPerMeterY(3780);

    if (p.kind == MIRELO_WATERMARK_IMAGE) {
        QByteArray bytes;
        QImage image;
        if (readImageFile(fromUtf16(p.imagePath), bytes))
            image = decodeBounded(bytes);
        if (image.isNull()) {
            logLine("watermark image not readable");
            result = MIRELO_E_IO;
            return nullptr;
        }
        QPainter painter(&canvas);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.setOpacity(opacity);
        painter.drawImage(QRect(0, 0, w, h), image);
    } else if (p.kind == MIRELO_WATERMARK_TEXT) {
        if (!ensureGuiApplication()) {
            result = MIRELO_E_UNSUPPORTED;
            return nullptr;
        }
        QFont font(fromUtf16(p.fontFamily));
        if (p.fontPointSize > 0)
            font.setPointSize(p.fontPointSize);
        font.setBold(p.bold != 0);
        font.setItalic(p.italic != 0);
        font.setUnderline(p.underline != 0);
        font.setStrikeOut(p.strikeOut != 0);
        const int c = p.textColor;
        QPainter painter(&canvas);
        painter.setRenderHint(QPainter::TextAntialiasing);
        painter.setOpacity(opacity);
        painter.setFont(font);
        painter.setPen(QColor(c & 0xff, (c >> 8) & 0xff, (c >> 16) & 0xff));
        painter.drawText(QRect(0, 0, w, h), Qt::AlignLeft | Qt::AlignTop, fromUtf16(p.text));
    } else {
        result = MIRELO_E_INVALID_ARGUMENT;
        return nullptr;
    }
    std::vector<uint8_t> pixels(size_t(w) * h * 4);
    for (int y = 0; y < h; ++y)
        std::memcpy(pixels.data() + size_t(y) * w * 4, canvas.constScanLine(y), size_t(w) * 4);
    return std::make_shared<ImageOverlay>(std::move(pixels), w, h, p.left, p.top);
}

} // namespace mirelo
