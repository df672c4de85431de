// The SMTP client against a scripted TLS server on its own thread: the
// dialogue it holds, how it reads replies, and how it fails and stops.
#include <QtTest>

#include <atomic>
#include <thread>

#include "emailaddress.h"
#include "mimemessage.h"
#include "mimetext.h"
#include "smtpclient.h"
#include "smtptestpeers.h"

using namespace smtppeers;

namespace {

struct Recorder {
    QList<int> errors;
    QList<QPair<qint64, qint64>> progress;
    void attach(SmtpClient *c)
    {
        QObject::connect(c, &SmtpClient::smtpError, [this](SmtpClient::SmtpError e) { errors << int(e); });
        QObject::connect(c, &SmtpClient::progress, [this](qint64 s, qint64 t) { progress << qMakePair(s, t); });
    }
};

// Waits (without a time limit of its own) until the server saw a line.
bool serverSaw(ScriptedSmtpServer *server, const QString &prefix)
{
    // The server runs on its own thread: plain polling, from any thread.
    for (int i = 0; i < 2000; ++i) {
        for (const QString &l : server->transcript())
            if (l.startsWith(prefix))
                return true;
        QThread::msleep(10);
    }
    return false;
}

} // namespace

class TestSmtpClient : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;
    QSslCertificate cert;
    QSslKey key;
    QList<QSslCertificate> trusted;

    ScriptedSmtpServer *newServer(bool implicitTls = true)
    {
        auto *s = new ScriptedSmtpServer;
        s->implicitTls = implicitTls;
        s->certificate = cert;
        s->key = key;
        return s;
    }
    SmtpClient *newClient(quint16 port, int type = SmtpClient::SslConnection)
    {
        auto *c = new SmtpClient("127.0.0.1", port, type);
        c->setExtraCaCertificates(trusted);
        c->setResponseTimeout(300);
        c->setConnectionTimeout(5000);
        return c;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(QSslSocket::supportsSsl());
        QVERIFY(makeCertificate(dir.path(), "server", "127.0.0.1", "IP:127.0.0.1,DNS:localhost"));
        trusted = certificatesIn(dir.path() + "/server.crt");
        QCOMPARE(trusted.size(), 1);
        cert = trusted.first();
        QFile k(dir.path() + "/server.key");
        QVERIFY(k.open(QIODevice::ReadOnly));
        key = QSslKey(k.readAll(), QSsl::Ec);
        QVERIFY(!key.isNull());
    }

    void fullDialogue()
    {
        auto *server = newServer();
        ServerThread thread(server);
        const quint16 port = thread.start();

        MimeMessage m;
        EmailAddress from("bug@x.org", "bug"), to("help@y.org", "support"), cc("cc@y.org"), bcc("bcc@y.org");
        m.setSender(&from);
        m.addRecipient(&to);
        m.addRecipient(&bcc, MimeMessage::Bcc);
        m.addRecipient(&cc, MimeMessage::Cc);
        MimeText text(".\n.x\nend");
        m.addPart(&text);

        QScopedPointer<SmtpClient> c(newClient(port));
        Recorder rec;
        rec.attach(c.data());
        c->setUser("bug@x.org");
        c->setPassword("s3cret");
        c->computeTotalBytes(m);
        QVERIFY(c->connectToHost());
        QVERIFY(c->login("bug@x.org", "s3cret", SmtpClient::AuthPlain));
        QVERIFY(c->sendMail(m));
        c->quit();
        QVERIFY(serverSaw(server, "QUIT"));

        const QString plain = QString::fromLatin1(QByteArray("\0bug@x.org\0s3cret", 17).toBase64());
        QCOMPARE(server->transcript().mid(0, 8),
                 QStringList({"EHLO localhost", "AUTH PLAIN " + plain, "MAIL FROM: <bug@x.org>",
                              "RCPT TO: <help@y.org>", "RCPT TO: <cc@y.org>", "RCPT TO: <bcc@y.org>", "DATA", "."}));
        QCOMPARE(server->transcript().value(8), QStringLiteral("QUIT"));
        // Lines that start with "." travel doubled, bare LF as CRLF.
        QVERIFY(server->body().contains("\r\n\r\n..\r\n..x\r\nend\r\n"));
        QVERIFY(rec.errors.isEmpty());

        QVERIFY(!rec.progress.isEmpty());
        for (const auto &p : rec.progress) {
            QVERIFY2(p.first <= p.second, qPrintable(QString("%1 > %2").arg(p.first).arg(p.second)));
            QCOMPARE(p.second, c->totalBytes());
        }
        QCOMPARE(rec.progress.last(), qMakePair(c->totalBytes(), c->totalBytes()));
    }

    void replyReading_data()
    {
        QTest::addColumn<QByteArray>("ehlo");
        QTest::addColumn<bool>("connects");
        QTest::addColumn<QList<int>>("errors");
        QTest::newRow("multi-line") << QByteArray("250-a\r\n250-b\r\n250-c\r\n250 d") << true << QList<int>();
        QTest::newRow("bare 250") << QByteArray("250") << true << QList<int>();
        QTest::newRow("502") << QByteArray("502 no") << false << QList<int>{5, 4};
        QTest::newRow("421") << QByteArray("421 busy") << false << QList<int>{4, 4};
    }
    void replyReading()
    {
        QFETCH(QByteArray, ehlo);
        QFETCH(bool, connects);
        QFETCH(QList<int>, errors);
        auto *server = newServer();
        server->replies["EHLO"] = ehlo;
        ServerThread thread(server);
        QScopedPointer<SmtpClient> c(newClient(thread.start()));
        Recorder rec;
        rec.attach(c.data());
        QCOMPARE(c->connectToHost(), connects);
        QCOMPARE(rec.errors, errors);
        if (connects) {
            // The whole reply was read: the next command gets its own.
            QVERIFY(c->login("u", "p", SmtpClient::AuthPlain));
            QCOMPARE(c->responseCode(), 235);
        }
    }

    void loginMethods()
    {
        auto *server = newServer();
        ServerThread thread(server);
        QScopedPointer<SmtpClient> c(newClient(thread.start()));
        QVERIFY(c->connectToHost());
        QVERIFY(c->login("u", "p", 7));
        QCOMPARE(server->transcript(), QStringList{"EHLO localhost"});
        QVERIFY(c->login("u", "p", SmtpClient::AuthLogin));
        QCOMPARE(server->transcript(), QStringList({"EHLO localhost", "AUTH LOGIN", "dQ==", "cA=="}));
    }

    void refusedLoginAndRecipient()
    {
        auto *server = newServer();
        server->replies["AUTH PLAIN"] = "535 bad credentials";
        server->replies["RCPT TO: <no@y.org>"] = "550 no such user";
        ServerThread thread(server);
        QScopedPointer<SmtpClient> c(newClient(thread.start()));
        Recorder rec;
        rec.attach(c.data());
        QVERIFY(c->connectToHost());
        QVERIFY(!c->login("u", "p", SmtpClient::AuthPlain));
        QCOMPARE(rec.errors, (QList<int>{5, 3}));

        rec.errors.clear();
        MimeMessage m;
        EmailAddress from("a@x.org"), no("no@y.org"), later("later@y.org");
        m.setSender(&from);
        m.addRecipient(&no);
        m.addRecipient(&later, MimeMessage::Cc);
        QVERIFY(!c->sendMail(m));
        QCOMPARE(rec.errors, QList<int>{5});
        QCOMPARE(server->transcript().last(), QStringLiteral("RCPT TO: <no@y.org>"));
    }

    void untrustedCertificateEndsBeforeGreeting()
    {
        auto *server = newServer();
        ServerThread thread(server);
        QScopedPointer<SmtpClient> c(new SmtpClient("127.0.0.1", thread.start(), SmtpClient::SslConnection));
        Recorder rec;
        rec.attach(c.data());
        QVERIFY(!c->connectToHost());
        QCOMPARE(rec.errors, QList<int>{0});
        QVERIFY(serverSaw(server, "<closed>"));
        QCOMPARE(server->transcript(), QStringList{"<closed>"});
    }

    void stopBeforeTheEnd()
    {
        auto *server = newServer();
        server->replies["MAIL"] = "STALL";
        ServerThread thread(server);
        QScopedPointer<SmtpClient> c(newClient(thread.start()));
        MimeMessage m;
        EmailAddress from("a@x.org"), to("b@y.org");
        m.setSender(&from);
        m.addRecipient(&to);
        QVERIFY(c->connectToHost());
        SmtpClient *client = c.data();
        std::thread stopper([&] {
            if (serverSaw(server, "MAIL FROM") && client->lock()->tryLock()) {
                client->setStopRequested(true);
                client->lock()->unlock();
            }
        });
        const bool sent = c->sendMail(m);
        stopper.join();
        QVERIFY(!sent);
        QCOMPARE(c->responseCode(), -1);
        c->quit();
        c.reset();
        QVERIFY(serverSaw(server, "<closed>"));
        QCOMPARE(server->transcript(), QStringList({"EHLO localhost", "MAIL FROM: <a@x.org>", "<closed>"}));
    }

    void stopAfterLimitIsRefused()
    {
        auto *server = newServer();
        ServerThread thread(server);
        QScopedPointer<SmtpClient> c(newClient(thread.start()));
        MimeMessage m;
        EmailAddress from("a@x.org"), to("b@y.org");
        m.setSender(&from);
        m.addRecipient(&to);
        SmtpClient *client = c.data();
        std::atomic<bool> lockTaken{true};
        connect(client, &SmtpClient::limitStop, client, [&] {
            std::thread other([&] {
                lockTaken = client->lock()->tryLock();
                if (lockTaken) {
                    client->setStopRequested(true);
                    client->lock()->unlock();
                }
            });
            other.join();
        }, Qt::DirectConnection);
        QVERIFY(c->connectToHost());
        QVERIFY(c->sendMail(m));
        QVERIFY(!lockTaken);
        QCOMPARE(c->responseCode(), 250);
        QVERIFY(server->transcript().contains("."));
    }

    void startTls()
    {
        auto *server = newServer(false);
        ServerThread thread(server);
        QScopedPointer<SmtpClient> c(newClient(thread.start(), SmtpClient::TlsConnection));
        QVERIFY(c->connectToHost());
        QVERIFY(c->login("u", "p", SmtpClient::AuthPlain));
        QCOMPARE(server->transcript().mid(0, 3), QStringList({"EHLO localhost", "STARTTLS", "EHLO localhost"}));
    }

    void transparency()
    {
        QCOMPARE(SmtpClient::dataTransparent(".\n.x\r\nmid.dot\n\n."), QByteArray("..\r\n..x\r\nmid.dot\r\n\r\n.."));
    }
};

QTEST_GUILESS_MAIN(TestSmtpClient)
#include "tst_smtpclient.moc"
