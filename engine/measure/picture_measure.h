#pragma once
// What a GIF or an SVG will cost to decode, read from the file's own blocks
// without decoding it. A GIF's header may declare a screen far larger than
// its frames (89 bytes that decode to a gigabyte), and a packed SVG may
// unpack to hundreds of megabytes, or declare entities that multiply its
// elements: neither is told by the size the image reader reports.
// Each reads from the device where it stands and leaves it there.

#include <QSize>

class QByteArray;
class QIODevice;

namespace mirelo::picture_measure {

bool isGif(const QByteArray &head);
bool isGzip(const QByteArray &head);

struct GifLayout {
    bool measured = false; // false: not a GIF, or a device that cannot go back
    QSize canvas;          // what the decoder allocates and draws each frame on
    // The widest, the tallest and the largest frame, as their descriptors
    // state them.
    QSize widestFrame{0, 0}, tallestFrame{0, 0}, largestFrame{0, 0};
    int frames = 0;        // frames whose descriptor is in the file
};
// Walks the blocks as the decoder does (header, screen, colour tables,
// extensions, frame descriptors), skipping each frame's compressed data.
// With `firstOnly`, stops at the first frame.
GifLayout gifLayout(QIODevice *device, bool firstOnly);

struct SvgText {
    bool measured = false; // false: past a limit, or holding what cannot be measured
    bool drawing = true;   // false: a document the SVG parser gives up at once
    bool tooLong = false;  // more than `maxBytes` of text once unpacked
    qint64 elements = 0;   // elements read (up to one past `maxElements`)
};
// The text of an SVG, unpacked when it is gzip-packed (every member of the
// stream), read up to `maxBytes` and its elements up to `maxElements`. One
// that declares entities, holds an image element or names a style sheet
// cannot be measured: what it makes of them is known only once parsed.
SvgText svgText(QIODevice *device, qint64 maxBytes, qint64 maxElements);

} // namespace mirelo::picture_measure
