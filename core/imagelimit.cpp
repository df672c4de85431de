#include "imagelimit.h"

#include "picture_measure.h"
#include "keptfile.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QImageReader>
#include <QtEndian>

#include <climits>
#include <cstdlib>

namespace ImageLimit {

namespace {

void setWhy(QString *why, const QString &text)
{
    if (why)
        *why = text;
}

QString tooLarge(const QSize &size)
{
    return QCoreApplication::translate("ImageLimit", "its picture of %1 x %2 pixels is too large")
        .arg(size.width())
        .arg(size.height());
}

QString tooManyTogether(int count)
{
    return QCoreApplication::translate("ImageLimit", "its %1 pictures are too large together").arg(count);
}

QString notMeasurable()
{
    return QCoreApplication::translate("ImageLimit", "its pictures cannot be measured before they are decoded");
}

QString drawingTooLong()
{
    return QCoreApplication::translate("ImageLimit", "its drawing holds more than %1 MB of text")
        .arg(kMaxDrawingBytes / (1024 * 1024));
}

QString drawingTooManyElements()
{
    return QCoreApplication::translate("ImageLimit", "its drawing holds more than %1 elements")
        .arg(kMaxDrawingElements);
}

bool fits(const QSize &size)
{
    return size.width() <= kMaxSide && size.height() <= kMaxSide
        && qint64(size.width()) * size.height() <= kMaxPixels;
}

// A GIF from its blocks: the picture its decoder allocates (which the
// reader's size need not tell: it believes the frames where the decoder
// believes the screen), every frame, and with `together` all frames, each
// decoded on a picture of its own.
QString gifRefusal(QIODevice *device, bool together)
{
    const mirelo::picture_measure::GifLayout gif = mirelo::picture_measure::gifLayout(device, !together);
    if (!gif.measured)
        return notMeasurable();
    if (gif.frames == 0)
        return QString(); // nothing is decoded
    for (const QSize &size : {gif.canvas, gif.widestFrame, gif.tallestFrame, gif.largestFrame})
        if (!fits(size))
            return tooLarge(size);
    if (together && qint64(gif.frames) * gif.canvas.width() * gif.canvas.height() > kMaxPixels)
        return tooManyTogether(gif.frames);
    return QString();
}

// A drawing is parsed whole before it can tell its size: its text, unpacked,
// is measured first.
QString drawingRefusal(QIODevice *device)
{
    const mirelo::picture_measure::SvgText text = mirelo::picture_measure::svgText(device, kMaxDrawingBytes, kMaxDrawingElements);
    if (text.tooLong)
        return drawingTooLong();
    if (text.drawing && text.elements > kMaxDrawingElements)
        return drawingTooManyElements();
    return text.measured ? QString() : notMeasurable();
}

// Kinds whose header gives the size of what is decoded, frame by frame or
// page by page (a GIF and a drawing are measured from their blocks and
// their text first). Any other kind may hold pictures of sizes its header
// does not tell (as an ICNS), and is not decoded.
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
// is measured from its own header (a PNG's IHDR, a bitmap's info header,
// which counts the mask's rows too); `together`, their sum too. Read from
// the device where the reader stands, which is left there.
QString iconRefusal(QIODevice *device, bool together)
{
    if (!device || device->isSequential())
        return notMeasurable();
    const qint64 start = device->pos();
    struct Back {
        QIODevice *d;
        qint64 pos;
        ~Back() { d->seek(pos); }
    } back{device, start};
    const QByteArray head = device->read(6);
    if (head.size() < 6)
        return notMeasurable();
    const int count = qFromLittleEndian<quint16>(head.constData() + 4);
    const QByteArray entries = device->read(qint64(count) * 16);
    if (entries.size() < count * 16)
        return notMeasurable();
    qint64 total = 0;
    for (int i = 0; i < count; ++i) {
        const quint32 offset = qFromLittleEndian<quint32>(entries.constData() + i * 16 + 12);
        if (!device->seek(start + offset))
            return notMeasurable();
        const QByteArray picture = device->read(24);
        QSize size;
        if (picture.size() == 24 && picture.startsWith("\x89PNG\r\n\x1a\n") && picture.mid(12, 4) == "IHDR") {
            size = QSize(int(qMin<quint32>(qFromBigEndian<quint32>(picture.constData() + 16), INT_MAX)),
                         int(qMin<quint32>(qFromBigEndian<quint32>(picture.constData() + 20), INT_MAX)));
        } else if (picture.size() >= 12 && qFromLittleEndian<quint32>(picture.constData()) >= 12) {
            const qint64 w = std::llabs(qFromLittleEndian<qint32>(picture.constData() + 4));
            const qint64 h = std::llabs(qFromLittleEndian<qint32>(picture.constData() + 8)) / 2;
            size = QSize(int(qMin<qint64>(w, INT_MAX)), int(qMin<qint64>(h, INT_MAX)));
        } else {
            return notMeasurable();
        }
        if (!fits(size))
            return tooLarge(size);
        total += qint64(size.width()) * size.height();
        if (together && total > kMaxPixels)
            return tooManyTogether(count);
    }
    return QString();
}

// Several frames or pages are all decoded where a file becomes an icon:
// together they may be no larger than one picture. Pages that can be
// visited are measured each (their sizes differ); frames are the size of
// the first. The reader is left at the first.
QString framesRefusal(QImageReader &reader, const QSize &first)
{
    const int count = reader.imageCount();
    if (count <= 1)
        return QString();
    if (!reader.jumpToImage(1))
        return qint64(count) * first.width() * first.height() > kMaxPixels ? tooManyTogether(count) : QString();
    QString why;
    qint64 total = 0;
    for (int i = 0; i < count && why.isEmpty(); ++i) {
        const QSize page = reader.jumpToImage(i) ? reader.size() : QSize();
        if (!page.isValid())
            why = notMeasurable();
        else if (!fits(page))
            why = tooLarge(page);
        else if ((total += qint64(page.width()) * page.height()) > kMaxPixels)
            why = tooManyTogether(count);
    }
    reader.jumpToImage(0);
    return why;
}

// Why the reader's pictures must not be decoded: each measured, and with
// `together` all of them as one (where every one is decoded at once).
QString measure(QImageReader &reader, bool together)
{
    // No picture, or one whose reader cannot tell its size without
    // decoding (text that only looks like a picture to a reader, as XML to
    // the SVG one): nothing to measure.
    if (!reader.canRead())
        return QString();
    const QByteArray format = reader.format().toLower();
    // A GIF or a packed drawing is known by what it holds: the reader takes
    // it so whatever its name says.
    const QByteArray head = reader.device() ? reader.device()->peek(8) : QByteArray();
    if (mirelo::picture_measure::isGif(head))
        return gifRefusal(reader.device(), together);
    if (mirelo::picture_measure::isGzip(head) || format == "svg" || format == "svgz") {
        const QString why = drawingRefusal(reader.device());
        if (!why.isEmpty())
            return why;
    }
    if (format == "ico" || format == "cur")
        return iconRefusal(reader.device(), together);
    if (!isMeasuredKind(format))
        return notMeasurable();
    const QSize size = reader.size();
    if (!size.isValid())
        return QString();
    if (!fits(size))
        return tooLarge(size);
    return together ? framesRefusal(reader, size) : QString();
}

// The first picture only is decoded.
QImage decode(QImageReader &reader, QString *why)
{
    const QString refused = measure(reader, false);
    if (!refused.isEmpty()) {
        setWhy(why, refused);
        return QImage();
    }
    const QImage image = reader.read();
    if (image.isNull())
        setWhy(why, reader.errorString());
    return image;
}

} // namespace

QString refusal(QImageReader &reader)
{
    return measure(reader, true);
}

QString refusal(const QString &path)
{
    QString why;
    if (KeptFile::isRefused(path, &why))
        return why;
    QImageReader reader(path);
    return refusal(reader);
}

QImage read(const QString &path, QString *why)
{
    QString refused;
    if (KeptFile::isRefused(path, &refused)) {
        setWhy(why, refused);
        return QImage();
    }
    QImageReader reader(path);
    return decode(reader, why);
}

QImage fromData(const QByteArray &bytes, QString *why)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    return decode(reader, why);
}

} // namespace ImageLimit
