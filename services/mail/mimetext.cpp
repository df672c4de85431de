#include "mimetext.h"

MimeText::MimeText(const QString &text) : m_text(text)
{
    m_contentType = QStringLiteral("text/plain");
    m_contentCharset = QStringLiteral("utf-8");
    m_contentEncoding = _8Bit;
}

void MimeText::prepare()
{
    m_content = m_text.toUtf8();
    MimePart::prepare();
}
