#include "mimepart.h"

#include "quotedprintable.h"

MimePart::MimePart() : m_formatter(76) {}

MimePart::~MimePart() = default;

QString MimePart::toString()
{
    if (!m_prepared)
        prepare();
    return m_mimeString;
}

void MimePart::prepare()
{
    QString s = QLatin1String("Content-Type: ") + m_contentType;
    if (!m_contentName.isEmpty())
        s += QLatin1String("; name=\"") + m_contentName + QLatin1Char('"');
    if (!m_contentCharset.isEmpty())
        s += QLatin1String("; charset=") + m_contentCharset;
    if (!m_contentBoundary.isEmpty())
        s += QLatin1String("; boundary=") + m_contentBoundary;
    s += QLatin1String("\r\n");

    s += QLatin1String("Content-Transfer-Encoding: ");
    switch (m_contentEncoding) {
    case _7Bit: s += QLatin1String("7bit\r\n"); break;
    case _8Bit: s += QLatin1String("8bit\r\n"); break;
    case Base64: s += QLatin1String("base64\r\n"); break;
    case QuotedPrintable: s += QLatin1String("quoted-printable\r\n"); break;
    default: break;
    }
    if (!m_contentId.isEmpty())
        s += QLatin1String("Content-ID: <") + m_contentId + QLatin1String(">\r\n");
    s += m_header + QLatin1String("\r\n");

    switch (m_contentEncoding) {
    case _7Bit: s += QString::fromLatin1(QString::fromUtf8(m_content).toLatin1()); break;
    case _8Bit: s += QString::fromUtf8(m_content); break;
    case Base64: s += m_formatter.format(QString::fromLatin1(m_content.toBase64()), false); break;
    case QuotedPrintable: s += m_formatter.format(QuotedPrintable::encode(m_content), true); break;
    default: break;
    }
    s += QLatin1String("\r\n");
    m_mimeString = s;
    m_prepared = true;
}
