#pragma once
// Watermark pictures come from files anyone could have made: a small file
// may declare a picture that takes gigabytes (a PNG of 23000 x 23000
// pixels, or one inside an icon file whose directory says 256 x 256), and
// Qt 5 sets no limit of its own. Every picture is measured first.
#include <QByteArray>
#include <QImage>

namespace mirelo {

constexpr int kMaxPictureSide = 16384;
constexpr qint64 kMaxPicturePixels = 64LL * 1024 * 1024;

// The file's first picture, decoded only when every picture it holds is
// measured and none is larger than the limits; a null image otherwise.
QImage decodeBounded(const QByteArray &bytes);

} // namespace mirelo
