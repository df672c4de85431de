#include "mimecontentformatter.h"

MimeContentFormatter::MimeContentFormatter(int maxLength) : m_maxLength(maxLength) {}

QString MimeContentFormatter::format(const QString &content, bool quotedPrintable) const
{
    QString out;
    out.reserve(content.size() + content.size() / m_maxLength * 3 + 3);
    int chars = 0;
    for (const QChar c : content) {
        ++chars;
        if (!quotedPrintable) {
            if (chars > m_maxLength) {
                out += QLatin1String("\r\n");
                chars = 1;
            }
        } else {
            if (c == QLatin1Char('\n')) {
                out += c;
                chars = 0;
                continue;
            }
            // An escape must not be split by the soft break, so "=" moves on
            // early enough to keep its two digits on the same line.
            if (chars > m_maxLength - 1 || (c == QLatin1Char('=') && chars > m_maxLength - 3)) {
                out += QLatin1String("=\r\n");
                chars = 1;
            }
        }
        out += c;
    }
    return out;
}
