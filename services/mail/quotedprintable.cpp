#include "quotedprintable.h"

QString QuotedPrintable::encode(const QByteArray &input)
{
    static const char hex[] = "0123456789ABCDEF";
    QString out;
    out.reserve(input.size() * 3);
    for (char c : input) {
        const auto b = static_cast<unsigned char>(c);
        if (b != ' ' && (b < 33 || b > 126 || b == '=')) {
            out += QLatin1Char('=');
            out += QLatin1Char(hex[b >> 4]);
            out += QLatin1Char(hex[b & 0x0f]);
        } else {
            out += QLatin1Char(static_cast<char>(b));
        }
    }
    return out;
}
