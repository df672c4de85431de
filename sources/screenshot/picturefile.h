#pragma once
// Screenshots written whole or not at all, so a failed write (a full disk)
// leaves an existing file whole and is never taken for a saved picture.
#include <QByteArray>
#include <QString>

class QPixmap;

namespace PictureFile {

// Writes the picture in the format into the folder the user chose (which
// must exist); false when no picture was written, also when the path is a
// symbolic link. The callers tell the user.
bool write(const QPixmap &picture, const QString &path, const QByteArray &format);

} // namespace PictureFile
