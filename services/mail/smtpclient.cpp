#include "smtpclient.h"

#include <QDebug>
#include <QNetworkProxy>
#include <QSslConfiguration>
#include <QSslSocket>

#include "emailaddress.h"
#include "mimemessage.h"

namespace {

qint64 utf8Length(const QString &text)
{
    return text.toUtf8().size();
}

QByteArray plainToken(const QString &user, const QString &password)
{
    QByteArray token;
    token.append('\0');
    token.append(user.toUtf8());
    token.append('\0');
    token.append(password.toUtf8());
    return token.toBase64();
}

// The attempts one reply wait makes before it gives up.
constexpr int kWaitAttempts = 11;

} // namespace

SmtpClient::SmtpClient(const QString &host, int port, int connectionType, QObject *parent)
    : QObject(parent)
{
    setConnectionType(connectionType);
    m_host = host;
    m_port = port;
    if (m_socket) {
        connect(m_socket, &QAbstractSocket::stateChanged, this, &SmtpClient::socketStateChanged);
        connect(m_socket, &QAbstractSocket::errorOccurred, this, &SmtpClient::socketError);
        connect(m_socket, &QIODevice::readyRead, this, &SmtpClient::socketReadyRead);
    }
}

SmtpClient::~SmtpClient() = default;

void SmtpClient::setConnectionType(int type)
{
    m_connectionType = type;
    delete m_socket;
    m_socket = nullptr;
    if (type == TcpConnection)
        m_socket = new QTcpSocket(this);
    else if (type == SslConnection || type == TlsConnection)
        m_socket = new QSslSocket(this);
    // The mail connection never goes through a proxy.
    if (m_socket)
        m_socket->setProxy(QNetworkProxy::NoProxy);
}

void SmtpClient::socketStateChanged(QAbstractSocket::SocketState) {}
void SmtpClient::socketError(QAbstractSocket::SocketError) {}
void SmtpClient::socketReadyRead() {}

void SmtpClient::report(qint64 value)
{
    emit progress(qBound<qint64>(0, value, m_totalBytes), m_totalBytes);
}

void SmtpClient::HandleBytes(qint64 bytes)
{
    if (bytes == -1) {
        m_sentBytes = m_totalBytes;
        report(m_totalBytes);
        return;
    }
    if (bytes < 1)
        return;
    const qint64 before = m_sentBytes;
    m_sentBytes += bytes;
    if (bytes < 300) {
        const auto scaled = qint64(m_sentBytes * m_scale);
        report(scaled > m_totalBytes ? before : scaled);
    } else {
        report(m_sentBytes);
    }
}

void SmtpClient::accountReply()
{
    m_sentBytes += 50;
    const auto scaled = qint64(m_sentBytes * m_scale);
    report(scaled > m_totalBytes ? m_sentBytes - 50 : scaled);
}

void SmtpClient::computeTotalBytes(MimeMessage &message)
{
    const QString ehlo = QLatin1String("EHLO ") + m_name;
    const qint64 connect = utf8Length(ehlo) + 102;
    const qint64 startTls = utf8Length(QStringLiteral("STARTTLS")) + utf8Length(ehlo) + 104;
    const qint64 plain = utf8Length(QLatin1String("AUTH PLAIN ") + plainToken(m_user, m_password)) + 52;
    const qint64 login = utf8Length(QStringLiteral("AUTH LOGIN")) + 156 + m_user.toUtf8().toBase64().size()
                         + m_password.toUtf8().toBase64().size();
    const QString from = message.sender() ? message.sender()->address() : QString();
    qint64 mail = utf8Length(QLatin1String("MAIL FROM: <") + from + QLatin1Char('>')) + 52;
    for (int type : {MimeMessage::To, MimeMessage::Cc, MimeMessage::Bcc}) {
        for (EmailAddress *a : message.getRecipients(type))
            mail += utf8Length(QLatin1String("RCPT TO: <") + a->address() + QLatin1Char('>')) + 2 + 50;
    }
    const qint64 data = mail + utf8Length(QStringLiteral("DATA")) + 2;
    qint64 total = connect + 50 + data + 50;
    if (m_connectionType == TlsConnection)
        total += startTls;
    if (m_authMethod == AuthPlain)
        total += plain;
    else if (m_authMethod == AuthLogin)
        total += login;
    const qint64 body = utf8Length(message.toString());
    m_scale = double((total + body) / total) * 0.9;
    m_totalBytes = total + body;
}

bool SmtpClient::waitEncrypted()
{
    auto *ssl = qobject_cast<QSslSocket *>(m_socket);
    return ssl && ssl->waitForEncrypted(m_connectionTimeout);
}

void SmtpClient::noteConnectionFailure()
{
    m_connectionErrorText = m_socket->errorString();
    const auto *ssl = qobject_cast<QSslSocket *>(m_socket);
    m_certificateRefused = ssl && !ssl->sslHandshakeErrors().isEmpty();
}

bool SmtpClient::connectToHost()
{
    m_connectionErrorText.clear();
    m_certificateRefused = false;
    // Without a host nothing goes on the network.
    if (!m_socket || m_host.isEmpty()) {
        emit smtpError(ConnectionTimeoutError);
        return false;
    }
    if (auto *ssl = qobject_cast<QSslSocket *>(m_socket)) {
        // The chain and the host name are checked against the system's
        // authorities plus the configured ones; a refused certificate ends
        // the connection before anything is sent.
        QSslConfiguration conf = ssl->sslConfiguration();
        conf.setCaCertificates(QSslConfiguration::systemCaCertificates() + m_extraCa);
        conf.setPeerVerifyMode(QSslSocket::VerifyPeer);
        ssl->setSslConfiguration(conf);
    }
    if (m_connectionType == SslConnection)
        static_cast<QSslSocket *>(m_socket)->connectToHostEncrypted(m_host, quint16(m_port));
    else
        m_socket->connectToHost(m_host, quint16(m_port));
    qDebug() << "QSslSocket=" << QSslSocket::sslLibraryBuildVersionString();
    qDebug() << "SSL supported:" << QSslSocket::supportsSsl();

    const bool up = m_connectionType == SslConnection ? waitEncrypted()
                                                       : m_socket->waitForConnected(m_connectionTimeout);
    if (!up || stopRequested()) {
        noteConnectionFailure();
        m_socket->abort();
        emit smtpError(ConnectionTimeoutError);
        return false;
    }

    waitForResponse();
    if (m_responseCode != 220 || stopRequested()) {
        emit smtpError(ServerError);
        return false;
    }
    accountReply();

    sendMessage(QLatin1String("EHLO ") + m_name);
    waitForResponse();
    if (m_responseCode != 250) {
        emit smtpError(ServerError);
        return false;
    }
    accountReply();
    if (m_connectionType != TlsConnection)
        return true;

    sendMessage(QStringLiteral("STARTTLS"));
    waitForResponse();
    if (m_responseCode != 220 || stopRequested()) {
        emit smtpError(ServerError);
        return false;
    }
    accountReply();
    static_cast<QSslSocket *>(m_socket)->startClientEncryption();
    if (!waitEncrypted() || stopRequested()) {
        noteConnectionFailure();
        m_socket->abort();
        emit smtpError(ConnectionTimeoutError);
        return false;
    }
    sendMessage(QLatin1String("EHLO ") + m_name);
    waitForResponse();
    if (m_responseCode != 250 || stopRequested()) {
        emit smtpError(ServerError);
        return false;
    }
    accountReply();
    return true;
}

bool SmtpClient::login(const QString &user, const QString &password, int method)
{
    m_authMethod = method;
    if (method == AuthPlain) {
        if (!stopRequested()) {
            sendMessage(QLatin1String("AUTH PLAIN ") + QString::fromLatin1(plainToken(user, password)));
            if (m_socket->bytesToWrite() > 0)
                emit smtpError(SendDataTimeoutError);
        }
        waitForResponse();
        if (m_responseCode != 235 || stopRequested()) {
            emit smtpError(AuthenticationFailedError);
            return false;
        }
    } else if (method == AuthLogin) {
        const QString steps[] = {QStringLiteral("AUTH LOGIN"), QString::fromLatin1(user.toUtf8().toBase64()),
                                 QString::fromLatin1(password.toUtf8().toBase64())};
        for (int i = 0; i < 3; ++i) {
            sendMessage(steps[i]);
            waitForResponse();
            if (m_responseCode != (i < 2 ? 334 : 235) || stopRequested()) {
                emit smtpError(AuthenticationFailedError);
                return false;
            }
            if (i < 2)
                accountReply();
        }
    } else {
        return true;
    }
    accountReply();
    return true;
}

bool SmtpClient::sendMail(MimeMessage &message)
{
    const QString from = message.sender() ? message.sender()->address() : QString();
    sendMessage(QLatin1String("MAIL FROM: <") + from + QLatin1Char('>'));
    waitForResponse();
    if (m_responseCode != 250 || stopRequested())
        return false;
    accountReply();

    for (int type : {MimeMessage::To, MimeMessage::Cc, MimeMessage::Bcc}) {
        for (EmailAddress *a : message.getRecipients(type)) {
            sendMessage(QLatin1String("RCPT TO: <") + a->address() + QLatin1Char('>'));
            waitForResponse();
            if (m_responseCode != 250)
                return false;
            accountReply();
        }
    }

    sendMessage(QStringLiteral("DATA"));
    waitForResponse();
    if (m_responseCode != 354)
        return false;
    accountReply();

    if (!stopRequested())
        HandleBytes(writeLine(dataTransparent(message.toString().toUtf8())));
    if (stopRequested())
        return false;

    // From here on the message completes: a stop can no longer get the lock.
    m_lock.lock();
    emit limitStop();
    if (stopRequested()) {
        // Stopped in the last instant: without the final dot no reply comes.
        m_lock.unlock();
        m_responseCode = -1;
        return false;
    }
    writeLine(QByteArrayLiteral("."));
    if (m_socket->bytesToWrite() > 0)
        emit smtpError(SendDataTimeoutError);
    setStopRequested(false);
    waitForResponse(30000);
    m_lock.unlock();
    if (m_responseCode != 250)
        return false;
    accountReply();
    return true;
}

void SmtpClient::quit()
{
    if (!stopRequested() && m_socket)
        writeLine(QByteArrayLiteral("QUIT"));
    m_sentBytes = m_totalBytes;
    report(m_totalBytes);
}

qint64 SmtpClient::writeLine(const QByteArray &bytes)
{
    if (stopRequested() || !m_socket)
        return 0;
    const qint64 written = m_socket->write(bytes + QByteArrayLiteral("\r\n"));
    if (written > 0 && !waitWritten())
        emit smtpError(SendDataTimeoutError);
    return written;
}

bool SmtpClient::waitWritten()
{
    if (m_socket->bytesToWrite() == 0)
        return true;
    return m_socket->waitForBytesWritten(m_sendMessageTimeout) || m_socket->bytesToWrite() == 0;
}

qint64 SmtpClient::sendMessage(const QString &text)
{
    const qint64 written = writeLine(text.toUtf8());
    HandleBytes(written);
    return written;
}

void SmtpClient::waitForResponse(int ms)
{
    if (!m_socket) {
        m_responseCode = -1;
        return;
    }
    const int wait = qMax(ms, m_responseTimeout);
    int failures = 0;
    while (failures < kWaitAttempts) {
        if (stopRequested()) {
            emit smtpError(ResponseTimeoutError);
            m_responseCode = -1;
            return;
        }
        if (!m_socket->canReadLine() && !m_socket->waitForReadyRead(wait)) {
            emit smtpError(ResponseTimeoutError);
            ++failures;
            continue;
        }
        while (m_socket->canReadLine()) {
            if (stopRequested()) {
                m_responseCode = -1;
                return;
            }
            QByteArray line = m_socket->readLine();
            while (line.endsWith('\n') || line.endsWith('\r'))
                line.chop(1);
            m_responseText = QString::fromUtf8(line);
            bool ok = false;
            m_responseCode = line.left(3).toInt(&ok);
            if (!ok)
                m_responseCode = 0;
            if (m_responseCode / 100 == 4)
                emit smtpError(ServerError);
            else if (m_responseCode / 100 == 5)
                emit smtpError(ClientError);
            // Only "-" continues a reply: a bare "250" ends it too.
            if (line.size() < 4 || line.at(3) != '-')
                return;
        }
        if (stopRequested()) {
            m_responseCode = -1;
            return;
        }
    }
    m_responseCode = -1;
}

QByteArray SmtpClient::dataTransparent(const QByteArray &body)
{
    QByteArray out;
    out.reserve(body.size() + body.size() / 40 + 4);
    bool lineStart = true;
    for (int i = 0; i < body.size(); ++i) {
        const char c = body.at(i);
        if (lineStart && c == '.')
            out.append('.');
        if (c == '\n' && (i == 0 || body.at(i - 1) != '\r')) {
            out.append("\r\n");
            lineStart = true;
            continue;
        }
        out.append(c);
        lineStart = c == '\n';
    }
    return out;
}
