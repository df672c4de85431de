#include "picturefile.h"

#include "keptfile.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImageWriter>
#include <QPixmap>

namespace PictureFile {

bool write(const QPixmap &picture, const QString &path, const QByteArray &format)
{
    // A link at the name (planted in a shared folder, even one pointing
    // nowhere yet) would have the picture written wherever it points.
    if (picture.isNull() || QFileInfo(path).isSymLink())
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
