#pragma once
// Sends one bug report on its own thread: builds the mail from the report
// and drives the SMTP client through it. Results reach the controller
// through queued signals tagged with the asking form.

#include <QMutex>
#include <QThread>

#include <atomic>

#include "bugreportinfo.h"

class SmtpClient;

class BugreportThread : public QThread
{
    Q_OBJECT
public:
    BugreportThread(const BugReportInfo &info, const MailAccount &account, QObject *parent = nullptr);

    // Why a report was not sent; each asks the user for something else.
    enum Failure {
        NoFailure,
        NoMailAccount,         // no MailHost set up
        CertificateNotTrusted, // the server's certificate was refused
        LoginRefused,          // the server turned the account down
        ServerUnreachable,     // no connection, or no answer
        MessageRefused,        // the server did not take the message
    };

    bool stopRequested() const { return m_stop; }
    bool success() const { return m_success; }
    int responseCode() const { return m_responseCode; }
    // Read once the thread has finished.
    Failure failure() const { return m_failure; }
    QString failureDetail() const { return m_failureDetail; }
    // What the user is told for a failure; empty for NoFailure.
    static QString failureText(Failure failure);

    // A line longer than SMTP allows makes the text travel quoted-printable.
    static bool needsQuotedPrintable(const QString &text);

signals:
    void updateResultUI(bool ok, const QString &archivePath, void *view);
    void progress(qint64 sent, qint64 total, void *view);
    void limitStop(void *view);

public slots:
    void ThreadStop();
    void Finished();
    void SmtpError(int error);
    void LimitStop();
    void progressSlot(qint64 sent, qint64 total);

protected:
    void run() override;

private:
    BugReportInfo m_info;
    MailAccount m_account;
    std::atomic<bool> m_success{false};
    bool m_stopLimitReached = false;
    std::atomic<bool> m_stop{false};
    // Guards the pointer: a stop from the GUI thread must not reach a client
    // the worker is deleting.
    QMutex m_clientMutex;
    SmtpClient *m_client = nullptr;
    std::atomic<int> m_responseCode{0};
    Failure m_failure = NoFailure;
    QString m_failureDetail; // the socket's or the server's words, for the log
};
