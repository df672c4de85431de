#include "video/watermark.h"

#include "core/log.h"
#include "core/read_file.h"
#include "video/picture_limit.h"

#include <QFile>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QString>

#include <cstring>

namespace mirelo {

namespace {

QString fromUtf16(const char16_t *s)
{
    return s ? QString::fromUtf16(s) : QString();
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
        // Read only from a regular file, never blocking (a FIFO, a device).
        constexpr int64_t kMaxBytes = 256 * 1024 * 1024;
        std::string bytes;
        QImage image;
        if (readRegularFile(QFile::encodeName(fromUtf16(p.imagePath)).toStdString(), kMaxBytes, bytes))
            image = decodeBounded(QByteArray::fromRawData(bytes.data(), int(bytes.size())));
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
