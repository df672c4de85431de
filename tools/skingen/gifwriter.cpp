#include "gifwriter.h"

#include <QFile>
#include <QHash>
#include <QVector>

#include <algorithm>

namespace {

constexpr int kTransparent = 255;

struct Bucket {
    qint64 r = 0, g = 0, b = 0, count = 0;
};

int key15(QRgb c) { return ((qRed(c) >> 3) << 10) | ((qGreen(c) >> 3) << 5) | (qBlue(c) >> 3); }

// Up to 255 colours: the most used 15-bit buckets, each the mean of its pixels.
QVector<QRgb> buildPalette(const QList<QImage> &frames)
{
    QHash<int, Bucket> buckets;
    for (const QImage &f : frames) {
        for (int y = 0; y < f.height(); ++y) {
            const QRgb *line = reinterpret_cast<const QRgb *>(f.constScanLine(y));
            for (int x = 0; x < f.width(); ++x) {
                if (qAlpha(line[x]) < 128)
                    continue;
                Bucket &b = buckets[key15(line[x])];
                b.r += qRed(line[x]);
                b.g += qGreen(line[x]);
                b.b += qBlue(line[x]);
                ++b.count;
            }
        }
    }
    QVector<Bucket> sorted = buckets.values().toVector();
    std::sort(sorted.begin(), sorted.end(), [](const Bucket &a, const Bucket &b) { return a.count > b.count; });
    QVector<QRgb> palette;
    for (const Bucket &b : sorted) {
        if (palette.size() == kTransparent)
            break;
        palette << qRgb(int(b.r / b.count), int(b.g / b.count), int(b.b / b.count));
    }
    while (palette.size() < 256)
        palette << qRgb(0, 0, 0);
    return palette;
}

int nearest(const QVector<QRgb> &palette, int used, QRgb c)
{
    int best = 0, bestDistance = INT_MAX;
    for (int i = 0; i < used; ++i) {
        const int dr = qRed(palette[i]) - qRed(c), dg = qGreen(palette[i]) - qGreen(c),
                  db = qBlue(palette[i]) - qBlue(c);
        const int d = dr * dr * 3 + dg * dg * 4 + db * db * 2;
        if (d < bestDistance) {
            bestDistance = d;
            best = i;
        }
    }
    return best;
}

class BitWriter
{
public:
    void put(int code, int bits)
    {
        m_acc |= quint32(code) << m_count;
        m_count += bits;
        while (m_count >= 8) {
            m_bytes.append(char(m_acc & 0xff));
            m_acc >>= 8;
            m_count -= 8;
        }
    }
    QByteArray finish()
    {
        if (m_count > 0)
            m_bytes.append(char(m_acc & 0xff));
        return m_bytes;
    }

private:
    QByteArray m_bytes;
    quint32 m_acc = 0;
    int m_count = 0;
};

QByteArray lzw(const QByteArray &indexes)
{
    constexpr int minCodeSize = 8, clear = 256, end = 257;
    BitWriter out;
    QHash<int, int> table;
    int next = end + 1, codeSize = minCodeSize + 1;
    out.put(clear, codeSize);
    int prefix = -1;
    for (char ch : indexes) {
        const int k = quint8(ch);
        if (prefix < 0) {
            prefix = k;
            continue;
        }
        const int entry = (prefix << 8) | k;
        auto it = table.constFind(entry);
        if (it != table.constEnd()) {
            prefix = it.value();
            continue;
        }
        out.put(prefix, codeSize);
        const int code = next++;
        table.insert(entry, code);
        if (code >= (1 << codeSize))
            ++codeSize;
        if (code == 4095) {
            // The table is full: start a fresh one.
            out.put(clear, codeSize);
            table.clear();
            next = end + 1;
            codeSize = minCodeSize + 1;
        }
        prefix = k;
    }
    if (prefix >= 0)
        out.put(prefix, codeSize);
    out.put(end, codeSize);
    return out.finish();
}

void put16(QByteArray *out, int v)
{
    out->append(char(v & 0xff));
    out->append(char((v >> 8) & 0xff));
}

} // namespace

bool writeGif(const QString &path, const QList<QImage> &input, int delayCentiseconds, QString *error)
{
    if (input.isEmpty()) {
        *error = QStringLiteral("%1: no frames").arg(path);
        return false;
    }
    QList<QImage> frames;
    for (const QImage &f : input)
        frames << f.convertToFormat(QImage::Format_ARGB32);
    const QSize size = frames.first().size();
    const QVector<QRgb> palette = buildPalette(frames);

    QByteArray gif("GIF89a");
    put16(&gif, size.width());
    put16(&gif, size.height());
    gif.append(char(0xF7)).append(char(kTransparent)).append(char(0));
    for (QRgb c : palette)
        gif.append(char(qRed(c))).append(char(qGreen(c))).append(char(qBlue(c)));
    gif.append("\x21\xFF\x0BNETSCAPE2.0\x03\x01\x00\x00\x00", 19);

    QHash<QRgb, int> cache;
    for (const QImage &f : qAsConst(frames)) {
        if (f.size() != size) {
            *error = QStringLiteral("%1: frames differ in size").arg(path);
            return false;
        }
        gif.append("\x21\xF9\x04", 3);
        gif.append(char((2 << 2) | 1)); // restore to background, transparent index set
        put16(&gif, delayCentiseconds);
        gif.append(char(kTransparent)).append(char(0));
        gif.append(char(0x2C));
        put16(&gif, 0);
        put16(&gif, 0);
        put16(&gif, size.width());
        put16(&gif, size.height());
        gif.append(char(0));

        QByteArray indexes;
        indexes.reserve(size.width() * size.height());
        for (int y = 0; y < f.height(); ++y) {
            const QRgb *line = reinterpret_cast<const QRgb *>(f.constScanLine(y));
            for (int x = 0; x < f.width(); ++x) {
                if (qAlpha(line[x]) < 128) {
                    indexes.append(char(kTransparent));
                    continue;
                }
                const QRgb c = line[x] | 0xff000000;
                auto it = cache.constFind(c);
                if (it == cache.constEnd())
                    it = cache.insert(c, nearest(palette, kTransparent, c));
                indexes.append(char(it.value()));
            }
        }
        const QByteArray data = lzw(indexes);
        gif.append(char(8));
        for (int i = 0; i < data.size(); i += 255) {
            const QByteArray block = data.mid(i, 255);
            gif.append(char(block.size())).append(block);
        }
        gif.append(char(0));
    }
    gif.append(char(0x3B));

    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(gif) != gif.size()) {
        *error = QStringLiteral("cannot write %1").arg(path);
        return false;
    }
    return true;
}
