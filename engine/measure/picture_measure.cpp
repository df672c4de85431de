#include "picture_measure.h"

#include <QByteArray>
#include <QIODevice>
#include <QXmlStreamReader>

#include <zlib.h>

namespace mirelo::picture_measure {

namespace {

const int kPiece = 64 * 1024; // what is read or inflated at a time

// Puts the device back where it stood.
struct Back {
    QIODevice *device;
    qint64 pos;
    ~Back() { device->seek(pos); }
};

int byteAt(QIODevice *device)
{
    char c;
    return device->getChar(&c) ? int(quint8(c)) : -1;
}

// Read rather than sought over: each block is small, and a seek may drop
// the device's buffer.
bool skip(QIODevice *device, int bytes)
{
    char scratch[256];
    while (bytes > 0) {
        const int part = qMin(bytes, int(sizeof scratch));
        if (device->read(scratch, part) != part)
            return false;
        bytes -= part;
    }
    return true;
}

// A chain of data sub-blocks up to its empty one; false when the file ends
// first.
bool skipSubBlocks(QIODevice *device)
{
    for (;;) {
        const int size = byteAt(device);
        if (size < 0 || !skip(device, size))
            return false;
        if (size == 0)
            return true;
    }
}

int little16(const char *p)
{
    return int(quint8(p[0])) | int(quint8(p[1])) << 8;
}

// Reads an SVG's text as it comes with the tokenizer its parser uses (so
// encodings, comments and sections are taken alike): its length, its
// elements, and what makes it unmeasurable: a style sheet instruction (the
// parser reads the file it names, /dev/zero too, whatever the document
// is), and in a drawing, declared entities (one may hold elements and
// expands where it is used) or an image element (decoded by the parser
// itself, from a file or from the text). A document whose first element is
// not <svg> is no drawing: the parser stops there, and so does this.
class TextScan
{
public:
    // With `whole`, the text is read to its end whatever it holds (the
    // parser unpacks a packed one whole before it reads a word of it).
    TextScan(qint64 maxBytes, qint64 maxElements, bool whole)
        : m_maxBytes(maxBytes), m_maxElements(maxElements), m_whole(whole)
    {
        // As the parser reads: a prefix nobody declared is no error.
        m_xml.setNamespaceProcessing(false);
    }

    // False once the rest need not be read.
    bool feed(const char *data, qint64 size)
    {
        if (m_tooLong || size <= 0)
            return !m_tooLong;
        if (m_bytes + size > m_maxBytes) {
            // What came before is read first: it may end the reading short
            // of the limit, as it would have read piece by piece.
            tokenize();
            if (!going())
                return false;
            m_tooLong = true;
            return false;
        }
        m_bytes += size;
        if (!m_stop) {
            // The tokenizer reads a token it has not seen the end of again
            // from its start with each piece handed to it (one long comment
            // would cost the square of its length): the text goes to it each
            // time it has doubled.
            m_pending.append(data, int(size));
            if (m_pending.size() >= m_nextTokenize)
                tokenize();
        }
        return going();
    }

    SvgText finish()
    {
        tokenize();
        SvgText text;
        text.drawing = m_root != Other;
        text.tooLong = m_tooLong;
        text.elements = m_elements;
        text.measured = !m_unreadable && !m_tooLong
                        && (!text.drawing || (!m_drawingUnmeasurable && m_elements <= m_maxElements));
        return text;
    }

private:
    enum Root { Unknown, Svg, Other };

    // More text is wanted: the reading goes on, or the whole is read anyway.
    bool going() const { return !m_stop || (m_whole && !m_unreadable); }

    void tokenize()
    {
        if (!m_stop && !m_pending.isEmpty()) {
            m_xml.addData(m_pending);
            readTokens();
        }
        m_pending.clear();
        m_nextTokenize = qMax<qint64>(kPiece, m_bytes);
    }

    void readTokens()
    {
        while (!m_stop) {
            const QXmlStreamReader::TokenType token = m_xml.readNext();
            if (m_xml.hasError()) {
                // Wanting more text waits for it; any other error ends the
                // parser's reading here too.
                m_stop = m_xml.error() != QXmlStreamReader::PrematureEndOfDocumentError;
                return;
            }
            if (token == QXmlStreamReader::DTD && !m_xml.entityDeclarations().isEmpty()) {
                m_drawingUnmeasurable = true;
            } else if (token == QXmlStreamReader::ProcessingInstruction
                       && m_xml.processingInstructionTarget() == QLatin1String("xml-stylesheet")) {
                m_unreadable = m_stop = true;
            } else if (token == QXmlStreamReader::StartElement) {
                const QStringRef qualified = m_xml.name();
                const QStringRef name = qualified.mid(qualified.lastIndexOf(QLatin1Char(':')) + 1);
                if (m_root == Unknown)
                    m_root = name.compare(QLatin1String("svg"), Qt::CaseInsensitive) == 0 ? Svg : Other;
                if (name.compare(QLatin1String("image"), Qt::CaseInsensitive) == 0)
                    m_drawingUnmeasurable = true;
                m_stop = m_root == Other || m_drawingUnmeasurable || ++m_elements > m_maxElements;
            } else if (token == QXmlStreamReader::EndDocument) {
                m_stop = true;
            }
        }
    }

    const qint64 m_maxBytes, m_maxElements;
    const bool m_whole;
    QXmlStreamReader m_xml;
    qint64 m_bytes = 0, m_elements = 0, m_nextTokenize = kPiece;
    QByteArray m_pending;
    Root m_root = Unknown;
    bool m_tooLong = false, m_unreadable = false, m_drawingUnmeasurable = false, m_stop = false;
};

// Every member of a gzip stream inflated through the scan, never held
// past the limit. A stream that breaks off ends the text there, as it ends
// the decoder's.
void inflateInto(QIODevice *device, TextScan *scan)
{
    z_stream stream{};
    if (inflateInit2(&stream, 15 + 16) != Z_OK)
        return;
    QByteArray in(kPiece, Qt::Uninitialized), out(kPiece, Qt::Uninitialized);
    bool going = true;
    while (going) {
        const qint64 got = device->read(in.data(), in.size());
        if (got <= 0)
            break;
        stream.next_in = reinterpret_cast<Bytef *>(in.data());
        stream.avail_in = uInt(got);
        while (going && stream.avail_in > 0) {
            stream.next_out = reinterpret_cast<Bytef *>(out.data());
            stream.avail_out = uInt(out.size());
            const int result = inflate(&stream, Z_NO_FLUSH);
            if (!scan->feed(out.constData(), out.size() - qint64(stream.avail_out)))
                going = false;
            else if (result == Z_STREAM_END)
                going = inflateReset(&stream) == Z_OK; // a further member may follow
            else if (result != Z_OK)
                going = false;
        }
    }
    inflateEnd(&stream);
}

} // namespace

bool isGif(const QByteArray &head)
{
    return head.startsWith("GIF87a") || head.startsWith("GIF89a");
}

bool isGzip(const QByteArray &head)
{
    return head.startsWith("\x1f\x8b");
}

GifLayout gifLayout(QIODevice *device, bool firstOnly)
{
    GifLayout layout;
    if (!device || device->isSequential())
        return layout;
    const Back back{device, device->pos()};
    QByteArray head = device->read(13);
    if (head.size() < 13 || !isGif(head))
        return layout;
    layout.measured = true;
    const int screenWidth = little16(head.constData() + 6), screenHeight = little16(head.constData() + 8);
    const int flags = quint8(head[10]);
    if ((flags & 0x80) && !skip(device, 3 * (2 << (flags & 7))))
        return layout;
    // The decoder stops at the trailer, at a byte it does not know, and
    // where the file ends; so does this walk.
    for (;;) {
        const int introducer = byteAt(device);
        if (introducer == 0x21) { // an extension
            const int label = byteAt(device);
            // The decoder takes the first block of a graphic control or
            // application extension whole, even an empty one.
            if (label == 0xf9 || label == 0xff) {
                const int size = byteAt(device);
                if (size < 0 || !skip(device, size))
                    return layout;
            }
            if (label < 0 || !skipSubBlocks(device))
                return layout;
        } else if (introducer == 0x2c) { // a frame
            const QByteArray descriptor = device->read(9);
            if (descriptor.size() < 9)
                return layout;
            const int left = little16(descriptor.constData()), top = little16(descriptor.constData() + 2);
            const int width = little16(descriptor.constData() + 4), height = little16(descriptor.constData() + 6);
            // The picture is allocated at the first frame: the screen, or
            // the frame's extent where the screen is empty or not believed
            // (decoders differ on when; the larger is counted).
            if (layout.frames++ == 0)
                layout.canvas = QSize(qMax(screenWidth, left + width), qMax(screenHeight, top + height));
            if (width > layout.widestFrame.width())
                layout.widestFrame = QSize(width, height);
            if (height > layout.tallestFrame.height())
                layout.tallestFrame = QSize(width, height);
            if (qint64(width) * height > qint64(layout.largestFrame.width()) * layout.largestFrame.height())
                layout.largestFrame = QSize(width, height);
            const int frameFlags = quint8(descriptor[8]);
            if (firstOnly || ((frameFlags & 0x80) && !skip(device, 3 * (2 << (frameFlags & 7)))))
                return layout;
            const int codeSize = byteAt(device);
            if (codeSize < 0 || codeSize > 12 || !skipSubBlocks(device))
                return layout;
        } else {
            return layout;
        }
    }
}

SvgText svgText(QIODevice *device, qint64 maxBytes, qint64 maxElements)
{
    if (!device || device->isSequential())
        return SvgText();
    const Back back{device, device->pos()};
    const bool packed = isGzip(device->peek(2));
    TextScan scan(maxBytes, maxElements, packed);
    if (packed) {
        inflateInto(device, &scan);
    } else {
        QByteArray chunk(kPiece, Qt::Uninitialized);
        qint64 got;
        while ((got = device->read(chunk.data(), chunk.size())) > 0 && scan.feed(chunk.constData(), got))
            ;
    }
    return scan.finish();
}

} // namespace mirelo::picture_measure
