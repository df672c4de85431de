#include "mimemessage.h"

#include "emailaddress.h"
#include "mimemultipart.h"
#include "quotedprintable.h"

namespace {

// A header value never breaks its line: CR or LF would start a header of
// the sender's choosing.
QString oneLine(QString text)
{
    text.replace(QLatin1Char('\r'), QLatin1Char(' '));
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return text;
}

QString qWord(const QString &text)
{
    QString q = QuotedPrintable::encode(text.toUtf8());
    // "_" would decode as a space and "?" could end the word early.
    q.replace(QLatin1Char('_'), QLatin1String("=5F"));
    q.replace(QLatin1Char('?'), QLatin1String("=3F"));
    q.replace(QLatin1Char(' '), QLatin1Char('_'));
    q.replace(QLatin1Char(':'), QLatin1String("=3A"));
    return QLatin1String("=?utf-8?Q?") + q + QLatin1String("?=");
}

QString bWord(const QString &text)
{
    return QLatin1String("=?utf-8?B?") + QString::fromLatin1(text.toUtf8().toBase64()) + QLatin1String("?=");
}

} // namespace

MimeMessage::MimeMessage(bool createAutoMimeContent)
{
    if (createAutoMimeContent) {
        m_content = new MimeMultiPart(MimeMultiPart::Related);
        m_autoMimeContentCreated = true;
    }
}

MimeMessage::~MimeMessage()
{
    if (m_autoMimeContentCreated)
        delete m_content;
}

void MimeMessage::addRecipient(EmailAddress *address, int type)
{
    switch (type) {
    case To: m_recipientsTo.append(address); break;
    case Cc: m_recipientsCc.append(address); break;
    case Bcc: m_recipientsBcc.append(address); break;
    default: break;
    }
}

const QList<EmailAddress *> &MimeMessage::getRecipients(int type) const
{
    switch (type) {
    case Cc: return m_recipientsCc;
    case Bcc: return m_recipientsBcc;
    default: return m_recipientsTo;
    }
}

void MimeMessage::addPart(MimePart *part)
{
    // Exactly a multipart, not a subclass of one.
    if (m_content && m_content->metaObject() == &MimeMultiPart::staticMetaObject)
        static_cast<MimeMultiPart *>(m_content)->addPart(part);
}

void MimeMessage::setContent(MimePart *content)
{
    if (m_autoMimeContentCreated) {
        delete m_content;
        m_autoMimeContentCreated = false;
    }
    m_content = content;
}

QString MimeMessage::encodedName(const QString &name) const
{
    const QString clean = oneLine(name);
    switch (m_headerEncoding) {
    case 2: return QLatin1Char(' ') + bWord(clean);
    case 3: return QLatin1Char(' ') + qWord(clean);
    default: return QLatin1Char(' ') + clean;
    }
}

QString MimeMessage::encodedSubject() const
{
    const QString clean = oneLine(m_subject);
    switch (m_headerEncoding) {
    case 2: return bWord(clean);
    case 3: return qWord(clean);
    default: return clean;
    }
}

QString MimeMessage::addressList(const QList<EmailAddress *> &list) const
{
    QString s;
    for (int i = 0; i < list.size(); ++i) {
        if (i > 0)
            s += QLatin1Char(',');
        if (!list[i]->name().isEmpty())
            s += encodedName(list[i]->name());
        s += QLatin1String(" <") + oneLine(list[i]->address()) + QLatin1Char('>');
    }
    return s;
}

QString MimeMessage::toString()
{
    QString s = QLatin1String("From:");
    if (m_sender) {
        if (!m_sender->name().isEmpty())
            s += encodedName(m_sender->name());
        s += QLatin1String(" <") + oneLine(m_sender->address()) + QLatin1Char('>');
    }
    s += QLatin1String("\r\n");
    s += QLatin1String("To:") + addressList(m_recipientsTo) + QLatin1String("\r\n");
    if (!m_recipientsCc.isEmpty())
        s += QLatin1String("Cc:") + addressList(m_recipientsCc) + QLatin1String("\r\n");
    s += QLatin1String("Subject: ") + encodedSubject() + QLatin1String("\r\n");
    s += QLatin1String("MIME-Version: 1.0\r\n");
    if (m_content)
        s += m_content->toString();
    return s;
}
