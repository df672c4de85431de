#include "bugreportthread.h"

#include <QFile>
#include <QSslCertificate>

#include "core/logfile.h"
#include "emailaddress.h"
#include "mimeattachment.h"
#include "mimemessage.h"
#include "mimetext.h"
#include "smtpclient.h"

BugreportThread::BugreportThread(const BugReportInfo &info, const MailAccount &account, QObject *parent)
    : QThread(parent), m_info(info), m_account(account)
{
    connect(this, &QThread::finished, this, &BugreportThread::Finished);
}

bool BugreportThread::needsQuotedPrintable(const QString &text)
{
    const QVector<QStringRef> lines = text.splitRef(QLatin1Char('\n'));
    for (const QStringRef &line : lines) {
        if (line.toUtf8().size() > 998)
            return true;
    }
    return false;
}

QString BugreportThread::failureText(Failure failure)
{
    switch (failure) {
    case NoMailAccount:
        return tr("No mail account is set up for bug reports (MailHost in the group Services of the settings), "
                  "so the report was not sent.");
    case CertificateNotTrusted:
        return tr("The mail server's certificate is not trusted, so the report was not sent.");
    case LoginRefused:
        return tr("The mail server refused the login of the bug report account.");
    case ServerUnreachable:
        return tr("The mail server cannot be reached. Check the network connection and try again.");
    case MessageRefused:
        return tr("The mail server did not accept the report. Please try again later.");
    case NoFailure:
        break;
    }
    return QString();
}

void BugreportThread::run()
{
    // Without an account nothing goes on the network.
    if (m_account.host.isEmpty()) {
        m_failure = NoMailAccount;
        return;
    }
    auto *client = new SmtpClient(m_account.host, m_account.port,
                                  m_account.connectionType ? SmtpClient::SslConnection
                                                           : SmtpClient::TcpConnection);
    {
        QMutexLocker lock(&m_clientMutex);
        m_client = client;
    }
    if (!m_account.caCertificates.isEmpty())
        client->setExtraCaCertificates(QSslCertificate::fromPath(m_account.caCertificates, QSsl::Pem));
    connect(client, &SmtpClient::progress, this, &BugreportThread::progressSlot);
    connect(client, &SmtpClient::limitStop, this, &BugreportThread::LimitStop);
    client->setUser(m_account.user);
    client->setPassword(m_account.password);

    MimeMessage message(true);
    message.setHeaderEncoding(MimePart::_8Bit);
    EmailAddress sender(m_account.user, QStringLiteral("bug"));
    EmailAddress support(m_info.supportAddress, QStringLiteral("support"));
    message.setSender(&sender);
    message.addRecipient(&support, MimeMessage::To);
    message.setSubject(m_info.name + QLatin1String(" - ") + m_info.email + QLatin1String(" -> ")
                       + m_info.productName + QLatin1String("( WIN )"));
    MimeText text(m_info.description);
    if (needsQuotedPrintable(m_info.description))
        text.setEncoding(MimePart::QuotedPrintable);
    message.addPart(&text);
    QScopedPointer<MimeAttachment> attachment;
    if (QFile::exists(m_info.archivePath)) {
        attachment.reset(new MimeAttachment(new QFile(m_info.archivePath)));
        message.addPart(attachment.data());
    }

    client->computeTotalBytes(message);
    if (client->connectToHost()) {
        if (client->login(m_account.user, m_account.password, SmtpClient::AuthPlain)) {
            m_success = client->sendMail(message);
            m_responseCode = client->responseCode();
            if (!m_success)
                m_failure = client->responseCode() > 0 ? MessageRefused : ServerUnreachable;
        } else {
            // A reply is a refusal; none means the server went away.
            m_failure = client->responseCode() > 0 ? LoginRefused : ServerUnreachable;
        }
        m_failureDetail = client->responseText();
        client->quit();
    } else {
        m_failure = client->certificateRefused() ? CertificateNotTrusted : ServerUnreachable;
        m_failureDetail = client->connectionErrorText();
        if (m_failureDetail.isEmpty())
            m_failureDetail = client->responseText();
    }

    {
        QMutexLocker lock(&m_clientMutex);
        m_client = nullptr;
    }
    delete client;
}

void BugreportThread::Finished()
{
    if (!m_success && !m_stop) {
        static const char *const names[] = {"", "no mail account", "certificate not trusted", "login refused",
                                            "server unreachable", "message refused"};
        runLog(QStringLiteral("Bug report not sent: %1%2")
                   .arg(QLatin1String(names[m_failure]),
                        m_failureDetail.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(m_failureDetail)));
    }
    emit updateResultUI(m_success, m_info.archivePath, m_info.view);
}

void BugreportThread::progressSlot(qint64 sent, qint64 total)
{
    emit progress(sent, total, m_info.view);
}

void BugreportThread::LimitStop()
{
    emit limitStop(m_info.view);
}

void BugreportThread::SmtpError(int) {}

void BugreportThread::ThreadStop()
{
    m_stop = true;
    QMutexLocker lock(&m_clientMutex);
    if (!m_client)
        return;
    // Never wait on the worker: once the message end is under way the lock
    // is taken and the stop is refused.
    if (m_client->lock()->tryLock()) {
        m_client->setStopRequested(true);
        m_client->lock()->unlock();
    }
    m_stopLimitReached = m_client->stopRequested();
}
