#pragma once
// Sends one MimeMessage to an SMTP server over plain TCP, implicit TLS or
// STARTTLS, with AUTH PLAIN or LOGIN. Every call blocks on the socket with
// time-outs, so the client lives on a worker thread. Progress is reported in
// bytes; a stop request is honoured until the end of the message body.

#include <QAtomicInt>
#include <QMutex>
#include <QObject>
#include <QSslCertificate>
#include <QString>
#include <QTcpSocket>

class MimeMessage;

class SmtpClient : public QObject
{
    Q_OBJECT
public:
    // Stored as plain numbers; never renumber.
    enum ConnectionType { TcpConnection = 0, SslConnection = 1, TlsConnection = 2 };
    enum AuthMethod { AuthPlain = 0, AuthLogin = 1 };
    enum SmtpError {
        ConnectionTimeoutError = 0,
        ResponseTimeoutError = 1,
        SendDataTimeoutError = 2,
        AuthenticationFailedError = 3,
        ServerError = 4,
        ClientError = 5,
    };
    Q_ENUM(SmtpError)

    SmtpClient(const QString &host, int port, int connectionType, QObject *parent = nullptr);
    ~SmtpClient() override;

    void setConnectionType(int type);
    int connectionType() const { return m_connectionType; }
    void setName(const QString &name) { m_name = name; }
    void setUser(const QString &user) { m_user = user; }
    void setPassword(const QString &password) { m_password = password; }
    void setAuthMethod(int method) { m_authMethod = method; }
    // Certificates trusted besides the system's, for the TLS connections.
    void setExtraCaCertificates(const QList<QSslCertificate> &certificates) { m_extraCa = certificates; }
    void setConnectionTimeout(int ms) { m_connectionTimeout = ms; }
    void setResponseTimeout(int ms) { m_responseTimeout = ms; }
    void setSendMessageTimeout(int ms) { m_sendMessageTimeout = ms; }

    int responseCode() const { return m_responseCode; }
    QString responseText() const { return m_responseText; }
    // Why connectToHost found no server to talk to: the socket's own words,
    // and whether it was the server's certificate that was refused.
    QString connectionErrorText() const { return m_connectionErrorText; }
    bool certificateRefused() const { return m_certificateRefused; }
    qint64 totalBytes() const { return m_totalBytes; }

    // A stop from another thread: take lock() without waiting, then set it.
    QMutex *lock() { return &m_lock; }
    void setStopRequested(bool stop) { m_stop.storeRelaxed(stop ? 1 : 0); }
    bool stopRequested() const { return m_stop.loadRelaxed() != 0; }

    void computeTotalBytes(MimeMessage &message);
    bool connectToHost();
    bool login(const QString &user, const QString &password, int method = AuthPlain);
    bool sendMail(MimeMessage &message);
    void quit();

    // Reads one reply (all its lines); code -1 when none came.
    void waitForResponse(int ms = -1);
    // Writes the text and CRLF; the count written, 0 after a stop.
    qint64 sendMessage(const QString &text);

    // SMTP transparency for a message body: CRLF line ends and a leading
    // "." doubled, so no line of the text ends the data early.
    static QByteArray dataTransparent(const QByteArray &body);

signals:
    void smtpError(SmtpClient::SmtpError error);
    void progress(qint64 sent, qint64 total);
    void limitStop();

public slots:
    void socketStateChanged(QAbstractSocket::SocketState state);
    void socketError(QAbstractSocket::SocketError error);
    void socketReadyRead();
    void HandleBytes(qint64 bytes);

private:
    qint64 writeLine(const QByteArray &bytes);
    bool waitWritten();
    bool waitEncrypted();
    void noteConnectionFailure();
    void accountReply();
    void report(qint64 value);

    QTcpSocket *m_socket = nullptr;
    QString m_host;
    int m_port = 0;
    int m_connectionType = TcpConnection;
    QString m_name = QStringLiteral("localhost");
    QString m_user;
    QString m_password;
    int m_authMethod = AuthPlain;
    int m_connectionTimeout = 5000;
    int m_responseTimeout = 3000;
    int m_sendMessageTimeout = 60000;
    QString m_responseText;
    int m_responseCode = 0;
    QAtomicInt m_stop;
    QMutex m_lock;
    qint64 m_totalBytes = 0;
    qint64 m_sentBytes = 0;
    double m_scale = 0;
    QList<QSslCertificate> m_extraCa;
    QString m_connectionErrorText;
    bool m_certificateRefused = false;
};
