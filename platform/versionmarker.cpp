#include "versionmarker.h"

#include <QFile>

namespace VersionMarker {

QByteArray prefix()
{
    return QByteArray("MIRELO_FILE") + QByteArray("_VERSION=");
}

// Parses "a.b.c.d\0" at data[pos..end); empty when malformed.
static QString parseFields(const char *data, qint64 pos, qint64 end)
{
    QString result;
    for (int field = 0; field < 4; ++field) {
        qint64 value = 0;
        int digits = 0;
        while (pos < end && data[pos] >= '0' && data[pos] <= '9' && digits < 6) {
            value = value * 10 + (data[pos] - '0');
            ++digits;
            ++pos;
        }
        if (digits == 0 || value > 0xFFFF || pos >= end)
            return QString();
        const char expected = field < 3 ? '.' : '\0';
        if (data[pos] != expected)
            return QString();
        ++pos;
        if (field)
            result += QLatin1Char('.');
        result += QString::number(value);
    }
    return result;
}

QString read(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > SCAN_LIMIT || file.size() == 0)
        return QString();
    const qint64 size = file.size();
    const uchar *mapped = file.map(0, size);
    QByteArray buffer;
    const char *data = reinterpret_cast<const char *>(mapped);
    if (!mapped) {
        buffer = file.readAll();
        data = buffer.constData();
    }
    const QByteArray needle = prefix();
    const QByteArray haystack = QByteArray::fromRawData(data, int(size));
    for (int at = haystack.indexOf(needle); at >= 0; at = haystack.indexOf(needle, at + 1)) {
        const QString version = parseFields(data, at + needle.size(), size);
        if (!version.isEmpty())
            return version;
    }
    return QString();
}

} // namespace VersionMarker
