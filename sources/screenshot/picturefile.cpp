#include "picturefile.h"

#include "keptfile.h"

#include <QBuffer>
#include <QImageWriter>
#include <QPixmap>

namespace PictureFile {

bool write(const QPixmap &picture, const QString &path, const QByteArray &format)
{
    if (picture.isNull())
        return false;
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    KeptFile::WriteOptions options;
    options.tellUser = false;
    options.makeFolder = false;
    return writer.write(picture.toImage()) && KeptFile::write(path, bytes, nullptr, options);
}

} // namespace PictureFile
