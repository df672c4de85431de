#pragma once
// Peers for the mail tests: self-signed certificates made with openssl, and
// an in-process SMTP server on its own thread that answers from a script,
// records what it receives, and speaks implicit TLS or plain with STARTTLS.

#include <QDir>
#include <QMap>
#include <QMutex>
#include <QMutexLocker>
#include <QProcess>
#include <QSemaphore>
#include <QSslCertificate>
#include <QSslKey>
#include <QSslSocket>
#include <QStringList>
#include <QTcpServer>
#include <QThread>

namespace smtppeers {

// A certificate for `commonName` with the given subjectAltName, written as
// <dir>/<base>.crt and <dir>/<base>.key.
inline bool makeCertificate(const QString &dir, const QString &base, const QString &commonName,
                            const QString &altNames)
{
    QProcess p;
    p.start(QStringLiteral("openssl"),
            {"req", "-x509", "-newkey", "ec", "-pkeyopt", "ec_paramgen_curve:prime256v1", "-nodes", "-days", "2",
             "-subj", "/CN=" + commonName, "-addext", "subjectAltName=" + altNames, "-keyout",
             dir + "/" + base + ".key", "-out", dir + "/" + base + ".crt"});
    return p.waitForFinished(30000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

class ScriptedSmtpServer : public QTcpServer
{
public:
    bool implicitTls = true;
    QSslCertificate certificate;
    QSslKey key;
    // Replies by exact line first, then by verb ("EHLO", "AUTH PLAIN",
    // "LOGIN-USER", "LOGIN-PASS", "MAIL", "RCPT", "DATA", ".", "QUIT",
    // "STARTTLS", "GREETING"). "STALL" sends nothing.
    QMap<QString, QByteArray> replies;

    ~ScriptedSmtpServer() override
    {
        // Before the members go: a closing socket would still record.
        for (QSslSocket *s : findChildren<QSslSocket *>()) {
            s->disconnect();
            delete s;
        }
    }

    QStringList transcript() const
    {
        QMutexLocker l(&m_mutex);
        return m_transcript;
    }
    QByteArray body() const
    {
        QMutexLocker l(&m_mutex);
        return m_body;
    }

protected:
    void incomingConnection(qintptr fd) override
    {
        auto *s = new QSslSocket(this);
        s->setSocketDescriptor(fd);
        s->setLocalCertificate(certificate);
        s->setPrivateKey(key);
        auto buffer = std::make_shared<QByteArray>();
        auto state = std::make_shared<int>(0); // 1 data, 2 login user, 3 login password
        QObject::connect(s, &QSslSocket::encrypted, s, [this, s] {
            if (implicitTls)
                send(s, reply("GREETING"));
        });
        QObject::connect(s, &QIODevice::readyRead, s, [this, s, buffer, state] {
            buffer->append(s->readAll());
            int end;
            while ((end = buffer->indexOf("\r\n")) >= 0) {
                const QByteArray line = buffer->left(end);
                buffer->remove(0, end + 2);
                handle(s, line, state.get());
            }
        });
        QObject::connect(s, &QAbstractSocket::disconnected, s, [this, s] {
            record(QStringLiteral("<closed>"));
            s->deleteLater();
        });
        if (implicitTls)
            s->startServerEncryption();
        else
            send(s, reply("GREETING"));
    }

private:
    QByteArray reply(const QString &key, const QString &line = QString()) const
    {
        static const QMap<QString, QByteArray> defaults{
            {"GREETING", "220 test ready"},
            {"EHLO", "250-localhost\r\n250-AUTH PLAIN LOGIN\r\n250 8BITMIME"},
            {"AUTH PLAIN", "235 ok"},
            {"AUTH LOGIN", "334 VXNlcm5hbWU6"},
            {"LOGIN-USER", "334 UGFzc3dvcmQ6"},
            {"LOGIN-PASS", "235 ok"},
            {"MAIL", "250 ok"},
            {"RCPT", "250 ok"},
            {"DATA", "354 go on"},
            {".", "250 queued"},
            {"QUIT", "221 bye"},
            {"STARTTLS", "220 go ahead"},
        };
        if (!line.isEmpty() && replies.contains(line))
            return replies.value(line);
        return replies.value(key, defaults.value(key, "500 unknown"));
    }
    void send(QSslSocket *s, const QByteArray &text)
    {
        if (text != "STALL")
            s->write(text + "\r\n");
    }
    void record(const QString &line)
    {
        QMutexLocker l(&m_mutex);
        m_transcript << line;
    }
    void handle(QSslSocket *s, const QByteArray &raw, int *state)
    {
        const QString line = QString::fromUtf8(raw);
        if (*state == 1) {
            if (raw == ".") {
                *state = 0;
                record(line);
                send(s, reply("."));
            } else {
                QMutexLocker l(&m_mutex);
                m_body += raw + "\r\n";
            }
            return;
        }
        record(line);
        QString key = line.section(' ', 0, 0).toUpper();
        if (key == "AUTH")
            key = line.section(' ', 0, 1).toUpper();
        if (*state == 2 || *state == 3) {
            key = *state == 2 ? "LOGIN-USER" : "LOGIN-PASS";
            *state = *state == 2 ? 3 : 0;
        }
        const QByteArray r = reply(key, line);
        send(s, r);
        if (key == "AUTH LOGIN" && r.startsWith("334"))
            *state = 2;
        else if (key == "DATA" && r.startsWith("354"))
            *state = 1;
        else if (key == "STARTTLS" && r.startsWith("220"))
            s->startServerEncryption();
        else if (key == "QUIT")
            s->disconnectFromHost();
    }

    mutable QMutex m_mutex;
    QStringList m_transcript;
    QByteArray m_body;
};

// Runs a scripted server on its own thread; the port is known once start
// returns.
class ServerThread : public QThread
{
public:
    explicit ServerThread(ScriptedSmtpServer *server) : m_server(server) {}
    ~ServerThread() override
    {
        quit();
        wait();
    }
    quint16 start()
    {
        m_server->moveToThread(this);
        QThread::start();
        m_ready.acquire();
        return m_port;
    }

protected:
    void run() override
    {
        m_server->listen(QHostAddress::LocalHost, 0);
        m_port = m_server->serverPort();
        m_ready.release();
        exec();
        m_server->close();
        delete m_server;
    }

private:
    ScriptedSmtpServer *m_server;
    QSemaphore m_ready;
    quint16 m_port = 0;
};

inline QList<QSslCertificate> certificatesIn(const QString &path)
{
    return QSslCertificate::fromPath(path, QSsl::Pem);
}

} // namespace smtppeers
