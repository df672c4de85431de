#include "video/picture_limit.h"

#include "core/log.h"
#include "picture_measure.h"

#include <QBuffer>
#include <QImageReader>
#include <QtEndian>

#include <cstdlib>

namespace mirelo {

namespace {

bool fits(qint64 w, qint64 h)
{
    return w <= kMaxPictureSide && h <= kMaxPictureSide && w * h <= kMaxPicturePixels;
}

bool fits(const QSize &size)
{
    return fits(size.width(), size.height());
}

// A GIF's first frame is drawn on the picture its decoder allocates, which
// the reader's size need not tell (it believes the frame where the decoder
// believes the screen).
bool gifFits(QIODevice *device)
{
    const picture_measure::GifLayout gif = picture_measure::gifLayout(device, true);
    return gif.measured && fits(gif.canvas) && fits(gif.largestFrame) && fits(gif.widestFrame)
           && fits(gif.tallestFrame);
}

// A drawing is parsed whole before it can tell its size: its text, unpacked,
// is measured first.
bool drawingFits(QIODevice *device)
{
    return picture_measure::svgText(device, kMaxDrawingBytes, kMaxDrawingElements).measured;
}

// Kinds whose header gives the size of what is decoded (a GIF and a
// drawing are measured from their blocks and text first). Others may hold
// pictures of sizes their header does not tell (as an ICNS) and are not
// decoded.
bool isMeasuredKind(const QByteArray &format)
{
    static const char *const kinds[] = {"png", "jpeg", "jpg", "bmp", "dib", "gif", "pbm", "pgm", "ppm", "xbm",
                                        "xpm", "svg", "svgz", "tga", "tif", "tiff", "webp", "wbmp"};
    for (const char *kind : kinds)
        if (format == kind)
            return true;
    return false;
}

// An icon file's directory states sizes its pictures need not have: each
// picture is measured from its own header (a PNG's IHDR, or a bitmap's
// info header, whose height counts the mask's rows too).
bool iconFits(const QByteArray &bytes)
{
    if (bytes.size() < 6)
        return false;
    const int count = qFromLittleEndian<quint16>(bytes.constData() + 4);
    if (bytes.size() < 6 + qint64(count) * 16)
        return false;
    for (int i = 0; i < count; ++i) {
        const quint32 offset = qFromLittleEndian<quint32>(bytes.constData() + 6 + i * 16 + 12);
        if (bytes.size() < 24 || offset > quint32(bytes.size() - 24))
            return false;
        const char *p = bytes.constData() + offset;
        qint64 w, h;
        if (QByteArray::fromRawData(p, 16).startsWith("\x89PNG\r\n\x1a\n") && QByteArray(p + 12, 4) == "IHDR") {
            w = qFromBigEndian<quint32>(p + 16);
            h = qFromBigEndian<quint32>(p + 20);
        } else if (qFromLittleEndian<quint32>(p) >= 12) {
            w = std::llabs(qFromLittleEndian<qint32>(p + 4));
            h = std::llabs(qFromLittleEndian<qint32>(p + 8)) / 2;
        } else {
            return false;
        }
        if (!fits(w, h))
            return false;
    }
    return true;
}

} // namespace

QImage decodeBounded(const QByteArray &bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    if (!reader.canRead())
        return QImage();
    const QByteArray format = reader.format().toLower();
    // A GIF or a packed drawing is known by what it holds, whatever the
    // file is called.
    const QByteArray head = bytes.left(8);
    bool ok;
    if (picture_measure::isGif(head)) {
        ok = gifFits(&buffer);
    } else if ((picture_measure::isGzip(head) || format == "svg" || format == "svgz") && !drawingFits(&buffer)) {
        ok = false;
    } else if (format == "ico" || format == "cur") {
        ok = iconFits(bytes);
    } else {
        const QSize size = reader.size();
        ok = isMeasuredKind(format) && (!size.isValid() || fits(size.width(), size.height()));
    }
    if (!ok) {
        logLine("watermark image too large or not measurable");
        return QImage();
    }
    return reader.read();
}

} // namespace mirelo
