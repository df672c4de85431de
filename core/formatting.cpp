#include "formatting.h"

QString colorToHex(const QColor &color)
{
    return QString::asprintf("%.2x%.2x%.2x", color.red(), color.green(), color.blue());
}

QString formatByteSize(quint64 bytes, int decimals)
{
    if (bytes > 0x40000000ULL)
        return QStringLiteral("%1 GB").arg(double(bytes) / double(1ULL << 30), 0, 'f', decimals);
    if (bytes > 0x100000ULL)
        return QStringLiteral("%1 MB").arg(double(bytes) / double(1ULL << 20), 0, 'f', decimals);
    if (bytes > 1024ULL)
        return QStringLiteral("%1 KB").arg(double(bytes) / 1024.0, 0, 'f', decimals);
    return QStringLiteral("%1 bytes").arg(bytes);
}

void splitDuration(quint64 milliseconds, int &hours, int &minutes, int &seconds)
{
    hours = int(milliseconds / 3600000ULL);
    const quint64 rest = milliseconds % 3600000ULL;
    minutes = int(rest / 60000ULL);
    seconds = int((rest % 60000ULL) / 1000ULL);
}

QString formatDuration(quint64 milliseconds)
{
    int hours, minutes, seconds;
    splitDuration(milliseconds, hours, minutes, seconds);
    return QString::asprintf("%.2d:%.2d:%.2d", hours, minutes, seconds);
}

std::u16string qStringUtf16(const QString &text)
{
    return std::u16string(reinterpret_cast<const char16_t *>(text.utf16()), std::size_t(text.size()));
}

QString qStringFromUtf16(const char16_t *text, int capacity)
{
    if (!text || capacity <= 0)
        return QString();
    int length = 0;
    while (length < capacity && text[length] != 0)
        ++length;
    return QString::fromUtf16(text, length);
}
