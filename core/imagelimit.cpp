#include "imagelimit.h"

#include "keptfile.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QImageReader>

namespace ImageLimit {

namespace {

void setWhy(QString *why, const QString &text)
{
    if (why)
        *why = text;
}

QImage decode(QImageReader &reader, QString *why)
{
    const QString refused = refusal(reader);
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
    // No picture, or one whose reader cannot tell its size without
    // decoding (text that only looks like a picture to a reader, as XML to
    // the SVG one): nothing to measure.
    if (!reader.canRead())
        return QString();
    const QSize size = reader.size();
    if (size.isValid()
        && (size.width() > kMaxSide || size.height() > kMaxSide || qint64(size.width()) * size.height() > kMaxPixels))
        return QCoreApplication::translate("ImageLimit", "its picture of %1 x %2 pixels is too large")
            .arg(size.width())
            .arg(size.height());
    return QString();
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
