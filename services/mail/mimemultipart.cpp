#include "mimemultipart.h"

#include <QCryptographicHash>
#include <QRandomGenerator>

namespace {
const char *const kTypes[] = {"multipart/mixed",  "multipart/digest", "multipart/alternative",
                              "multipart/related", "multipart/report", "multipart/signed",
                              "multipart/encrypted"};
}

MimeMultiPart::MimeMultiPart(int type)
{
    setMimeType(type);
    m_contentEncoding = _8Bit;
    // One pseudo-random byte is enough: a message holds a single multipart.
    const char byte = static_cast<char>(QRandomGenerator::global()->bounded(256));
    m_contentBoundary =
        QString::fromLatin1(QCryptographicHash::hash(QByteArray(1, byte), QCryptographicHash::Md5).toHex());
}

void MimeMultiPart::setMimeType(int type)
{
    m_type = type;
    m_contentType = (type >= Mixed && type <= Encrypted) ? QString::fromLatin1(kTypes[type]) : QString();
}

void MimeMultiPart::prepare()
{
    QString body;
    for (MimePart *part : qAsConst(m_parts)) {
        body += QLatin1String("--") + m_contentBoundary + QLatin1String("\r\n");
        part->prepare();
        body += part->toString();
    }
    body += QLatin1String("--") + m_contentBoundary + QLatin1String("--\r\n");
    m_content = body.toUtf8();
    MimePart::prepare();
}
