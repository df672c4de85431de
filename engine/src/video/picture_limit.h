#pragma once
// Watermark pictures come from files anyone could have made: a small file
// may declare a picture that takes gigabytes (a PNG of 23000 x 23000
// pixels, one inside an icon file whose directory says 256 x 256, a GIF
// whose screen is far larger than its frames, a packed SVG), and Qt 5 sets
// no limit of its own. Every picture is measured first.
#include <QByteArray>
#include <QImage>

namespace mirelo {

constexpr int kMaxPictureSide = 16384;
constexpr qint64 kMaxPicturePixels = 64LL * 1024 * 1024;
// A drawing (SVG, packed or not) is parsed whole before it tells its size:
// its text is held to this once unpacked, and to this many elements.
constexpr qint64 kMaxDrawingBytes = 16LL * 1024 * 1024;
constexpr qint64 kMaxDrawingElements = 50000;

// The file's first picture, decoded only when every picture it holds is
// measured and none is larger than the limits; a null image otherwise.
QImage decodeBounded(const QByteArray &bytes);

} // namespace mirelo
