#pragma once
// One outgoing mail: sender, recipients, subject and a body part, rendered
// to MIME text with CRLF line ends.

#include <QList>
#include <QObject>
#include <QString>

class EmailAddress;
class MimePart;

class MimeMessage : public QObject
{
    Q_OBJECT
public:
    enum RecipientType { To = 0, Cc = 1, Bcc = 2 };

    // With createAutoMimeContent the body is a multipart/related the message
    // owns; otherwise the caller sets one with setContent.
    explicit MimeMessage(bool createAutoMimeContent = true);
    ~MimeMessage() override;

    // Addresses and parts stay the caller's and must outlive the rendering.
    void setSender(EmailAddress *sender) { m_sender = sender; }
    EmailAddress *sender() const { return m_sender; }
    void addRecipient(EmailAddress *address, int type = To);
    const QList<EmailAddress *> &getRecipients(int type = To) const;
    void setSubject(const QString &subject) { m_subject = subject; }
    QString subject() const { return m_subject; }
    // Adds to the body only when the body is a multipart.
    void addPart(MimePart *part);
    void setContent(MimePart *content);
    MimePart *content() const { return m_content; }
    // How names and the subject are written: 2 B-encoded, 3 Q-encoded,
    // anything else as they are.
    void setHeaderEncoding(int encoding) { m_headerEncoding = encoding; }
    int headerEncoding() const { return m_headerEncoding; }

    virtual QString toString();

private:
    QString encodedName(const QString &name) const;
    QString encodedSubject() const;
    QString addressList(const QList<EmailAddress *> &list) const;

    EmailAddress *m_sender = nullptr;
    QList<EmailAddress *> m_recipientsTo;
    QList<EmailAddress *> m_recipientsCc;
    QList<EmailAddress *> m_recipientsBcc;
    QString m_subject;
    MimePart *m_content = nullptr;
    bool m_autoMimeContentCreated = false;
    int m_headerEncoding = 1;
};
