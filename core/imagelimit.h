#pragma once
// Pictures from files that the user or others can put in place (skins,
// watermarks, photos) are measured before they are decoded: a small file
// may declare a huge picture (a 2 MB PNG of 23000 x 23000 pixels decodes to
// 2 GB), and Qt 5 sets no allocation limit of its own. A file of several
// pictures is measured picture by picture (an icon file's directory need not
// tell the truth), a GIF by what its decoder allocates, a drawing by its
// text before it is parsed, and a kind of file whose pictures cannot be
// measured is refused. Every such load goes through here.

#include <QImage>
#include <QString>

class QImageReader;

namespace ImageLimit {

constexpr int kMaxSide = 16384;
// 256 MB at four bytes a pixel, the bound Qt 6 sets by default.
constexpr qint64 kMaxPixels = 64LL * 1024 * 1024;
// A drawing (SVG, packed or not) is parsed whole, slowly and with memory
// for each element, before it tells its size: its text is held to this
// once unpacked, and to this many elements.
constexpr qint64 kMaxDrawingBytes = 16LL * 1024 * 1024;
constexpr qint64 kMaxDrawingElements = 50000;

// Why the reader's pictures must not be decoded (too large, alone or all
// together, as where a file becomes an icon, or not measurable); empty when
// they may be, and when it is no picture at all.
QString refusal(QImageReader &reader);
// The same for a file, which is only opened when it is a regular one (a
// FIFO would block).
QString refusal(const QString &path);
// The (first) picture decoded; a null one when it cannot be read or is
// refused, and `why` then says why.
QImage read(const QString &path, QString *why = nullptr);
QImage fromData(const QByteArray &bytes, QString *why = nullptr);

} // namespace ImageLimit
