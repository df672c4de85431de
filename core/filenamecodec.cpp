#include "filenamecodec.h"

#include <QTextCodec>

namespace {

bool isContinuation(uchar c)
{
    return (c & 0xc0) == 0x80;
}

// The length of the valid sequence starting at `in` (1 to 4), 0 when it is
// not valid, -1 when it is valid so far but cut off at the end.
int sequenceLength(const uchar *in, int available)
{
    const uchar c = in[0];
    if (c < 0x80)
        return 1;
    int length = 0;
    uchar low = 0x80, high = 0xbf; // the allowed range of the second byte
    if (c >= 0xc2 && c <= 0xdf) {
        length = 2;
    } else if (c >= 0xe0 && c <= 0xef) {
        length = 3;
        if (c == 0xe0)
            low = 0xa0; // no overlong forms
        else if (c == 0xed)
            high = 0x9f; // no surrogates
    } else if (c >= 0xf0 && c <= 0xf4) {
        length = 4;
        if (c == 0xf0)
            low = 0x90;
        else if (c == 0xf4)
            high = 0x8f; // nothing above U+10FFFF
    } else {
        return 0;
    }
    for (int i = 1; i < length; ++i) {
        if (i >= available)
            return -1;
        if (i == 1 ? (in[1] < low || in[1] > high) : !isContinuation(in[i]))
            return 0;
    }
    return length;
}

class FileNameCodec : public QTextCodec
{
public:
    QByteArray name() const override { return QByteArrayLiteral("UTF-8 (file names)"); }
    int mibEnum() const override { return -106; }

protected:
    QString convertToUnicode(const char *chars, int length, ConverterState *state) const override
    {
        // A sequence cut off at the end of a piece waits for the next one.
        QByteArray bytes;
        if (state && state->remainingChars > 0) {
            for (int i = 0; i < state->remainingChars; ++i)
                bytes += char(state->state_data[i]);
            state->remainingChars = 0;
        }
        bytes.append(chars, length);
        const auto *in = reinterpret_cast<const uchar *>(bytes.constData());
        const int size = bytes.size();
        QString text;
        text.reserve(size);
        for (int i = 0; i < size;) {
            const int n = sequenceLength(in + i, size - i);
            if (n == -1 && state && size - i <= 3) {
                state->remainingChars = size - i;
                for (int k = 0; k < state->remainingChars; ++k)
                    state->state_data[k] = in[i + k];
                break;
            }
            if (n <= 0) {
                text += QChar(ushort(0xdc00 + in[i])); // kept as itself
                ++i;
                continue;
            }
            uint code = n == 1 ? in[i] : in[i] & (0x7f >> n);
            for (int k = 1; k < n; ++k)
                code = (code << 6) | (in[i + k] & 0x3f);
            if (QChar::requiresSurrogates(code)) {
                text += QChar(QChar::highSurrogate(code));
                text += QChar(QChar::lowSurrogate(code));
            } else {
                text += QChar(ushort(code));
            }
            i += n;
        }
        return text;
    }

    QByteArray convertFromUnicode(const QChar *in, int length, ConverterState *state) const override
    {
        QByteArray bytes;
        bytes.reserve(length * 3);
        auto put = [&bytes](uint code) {
            if (code < 0x80) {
                bytes += char(code);
            } else if (code < 0x800) {
                bytes += char(0xc0 | (code >> 6));
                bytes += char(0x80 | (code & 0x3f));
            } else if (code < 0x10000) {
                bytes += char(0xe0 | (code >> 12));
                bytes += char(0x80 | ((code >> 6) & 0x3f));
                bytes += char(0x80 | (code & 0x3f));
            } else {
                bytes += char(0xf0 | (code >> 18));
                bytes += char(0x80 | ((code >> 12) & 0x3f));
                bytes += char(0x80 | ((code >> 6) & 0x3f));
                bytes += char(0x80 | (code & 0x3f));
            }
        };
        int i = 0;
        if (state && state->remainingChars == 1) { // a high surrogate ended the last piece
            state->remainingChars = 0;
            if (length > 0 && in[0].isLowSurrogate()) {
                put(QChar::surrogateToUcs4(ushort(state->state_data[0]), in[0].unicode()));
                i = 1;
            } else {
                bytes += '?';
            }
        }
        for (; i < length; ++i) {
            const ushort u = in[i].unicode();
            if (QChar::isHighSurrogate(u)) {
                if (i + 1 < length && in[i + 1].isLowSurrogate()) {
                    put(QChar::surrogateToUcs4(u, in[i + 1].unicode()));
                    ++i;
                } else if (i + 1 == length && state) {
                    state->remainingChars = 1;
                    state->state_data[0] = u;
                } else {
                    bytes += '?';
                }
            } else if (u >= 0xdc80 && u <= 0xdcff) {
                bytes += char(u - 0xdc00); // a byte kept by the decoder
            } else if (QChar::isLowSurrogate(u)) {
                bytes += '?';
            } else {
                put(u);
            }
        }
        return bytes;
    }
};

FileNameCodec *codec()
{
    static FileNameCodec *instance = new FileNameCodec; // Qt keeps every codec to the end
    return instance;
}

} // namespace

void installFileNameCodec()
{
    QTextCodec *locale = QTextCodec::codecForLocale();
    if (locale && locale->mibEnum() == 106)
        QTextCodec::setCodecForLocale(codec());
}

QString decodeFileName(const QByteArray &bytes)
{
    return codec()->toUnicode(bytes);
}

QByteArray encodeFileName(const QString &name)
{
    return codec()->fromUnicode(name);
}
