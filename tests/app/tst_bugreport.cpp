// The bug report from the form to a real TLS mail server (aiosmtpd on
// 127.0.0.1): what arrives, how each kind of refusal and failure shows and
// is logged, and the guards before anything is packed or sent.
#include <QtTest>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSettings>
#include <QTextEdit>

#include "bugreportthread.h"
#include "commondialog.h"
#include "controller.h"
#include "core/edition.h"
#include "core/logfile.h"
#include "core/myconfig.h"
#include "core/vocabulary.h"
#include "mainwindow/myframe.h"
#include "mybugreportview.h"
#include "skinmanager.h"
#include "smtptestpeers.h"
#include "testsupport.h"
#include "ui_BugReportView.h"
#include "ui_commondialog.h"

namespace {

const char kUser[] = "bug@mirelo.test";
const char kPassword[] = "Pa55-w0rd!x";

// One aiosmtpd server process; its messages land in out.
struct Peer {
    QProcess process;
    QTemporaryDir out;
    quint16 port = 0;

    bool start(const QString &cert, const QString &key)
    {
        process.start("/usr/bin/python3", {testsupport::sourceDir() + "/tests/services/smtp_peer.py", cert, key,
                                           out.path(), kUser, kPassword});
        if (!process.waitForStarted(10000))
            return false;
        while (!process.canReadLine()) {
            if (!process.waitForReadyRead(20000))
                return false;
        }
        port = quint16(process.readLine().trimmed().toUInt());
        return port != 0;
    }
    ~Peer()
    {
        process.closeWriteChannel();
        if (!process.waitForFinished(10000))
            process.kill();
        process.waitForFinished(5000);
    }
    QStringList messages() const { return QDir(out.path()).entryList({"msg*.eml"}, QDir::Files, QDir::Name); }
    bool authTried() const { return QFile::exists(out.path() + "/auth.log"); }
};

struct Parsed {
    QJsonObject head;
    QByteArray attachment;
};

// Python's own mail parser reads what arrived.
Parsed parseMail(const QString &emlPath, const QString &attachmentOut)
{
    static const char script[] = R"(
import email, email.policy, json, sys
msg = email.message_from_binary_file(open(sys.argv[1], 'rb'), policy=email.policy.default)
parts = []
for p in msg.iter_parts():
    d = {'type': p.get_content_type(), 'charset': p.get_content_charset(),
         'filename': p.get_filename(), 'disposition': p.get_content_disposition()}
    if p.get_content_maintype() == 'text':
        d['text'] = p.get_content().replace('\r\n', '\n')
    else:
        open(sys.argv[2], 'wb').write(p.get_content())
    parts.append(d)
print(json.dumps({'from': msg['From'], 'to': msg['To'], 'subject': msg['Subject'],
                  'mime': msg['MIME-Version'], 'type': msg.get_content_type(),
                  'defects': len(msg.defects), 'parts': parts}))
)";
    QProcess p;
    p.start("/usr/bin/python3", {"-c", script, emlPath, attachmentOut});
    p.waitForFinished(30000);
    Parsed r;
    r.head = QJsonDocument::fromJson(p.readAllStandardOutput()).object();
    QFile f(attachmentOut);
    if (f.open(QIODevice::ReadOnly))
        r.attachment = f.readAll();
    return r;
}

QStringList archiveListing(const QString &path)
{
    QProcess p;
    p.start("7z", {"l", "-slt", path});
    p.waitForFinished(30000);
    QStringList names;
    for (const QString &line : QString::fromUtf8(p.readAllStandardOutput()).split('\n'))
        if (line.startsWith("Path = ") && line.mid(7) != path)
            names << line.mid(7).trimmed();
    return names;
}

void writeFile(const QString &path, const QByteArray &data)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write(data);
}

} // namespace

class TestBugReport : public QObject
{
    Q_OBJECT

    // The run log, among the files that are packed and must not hold the
    // password.
    static QString logPath() { return g_myConfig->dataPath() + "Log/myrun.log"; }

    QTemporaryDir certs;
    QScopedPointer<Peer> peer;
    Controller *controller = nullptr;
    MyBugReportView *view = nullptr;
    QStringList warnings;
    QString archive;

    MailAccount account(quint16 port, const QString &ca, const QString &password = kPassword)
    {
        MailAccount a;
        a.host = "127.0.0.1";
        a.port = port;
        a.user = kUser;
        a.password = password;
        a.caCertificates = ca;
        return a;
    }
    void fillForm(const QString &email, const QString &description)
    {
        view->form()->edtEmail->setText(email);
        view->form()->edtName->setText("Ann Lee");
        view->form()->edtDescription->setPlainText(description);
    }
    // Presses Report and waits for the send to end.
    void report()
    {
        view->form()->btnReport->click();
        QTRY_VERIFY_WITH_TIMEOUT(!controller->bugReportThread(), 90000);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(testsupport::isolatedHome());
        QVERIFY(createApplicationData());
        g_myConfig = new MyConfig;
        QVERIFY(SkinManager::instance()->init(0, skinNames(), "Win", "Olvex", "ml", "Mirelo",
                                              testsupport::binDir() + "/Skin")
                != SkinManager::StatusNoSkin);
        QVERIFY(smtppeers::makeCertificate(certs.path(), "server", "127.0.0.1", "IP:127.0.0.1,DNS:localhost"));
        QVERIFY(smtppeers::makeCertificate(certs.path(), "other", "other.example", "DNS:other.example"));
        peer.reset(new Peer);
        QVERIFY(peer->start(certs.path() + "/server.crt", certs.path() + "/server.key"));

        // The deployment's account, read by the controller when it starts.
        QSettings settings(QSettings::NativeFormat, QSettings::UserScope, "Olvex", "Free Mirelo");
        settings.beginGroup("Services");
        settings.setValue("MailHost", "127.0.0.1");
        settings.setValue("MailPort", peer->port);
        settings.setValue("MailUser", kUser);
        settings.setValue("MailPassword", kPassword);
        settings.setValue("MailCaCertificates", certs.path() + "/server.crt");
        settings.endGroup();
        settings.sync();

        const QString data = g_myConfig->dataPath();
        writeFile(data + "History.xml", "<History/>");
        writeFile(data + "run.log", "a log line\n");
        writeFile(data + "Log/record.log", "engine log\n");
        writeFile(data + "ucplog", "<Proxy password=\"proxy-secret\"/>");
        archive = data + g_mireloData->fullProductName() + " V" + g_mireloData->version() + ".dmp";
        QCOMPARE(QFileInfo(archive).fileName(), QStringLiteral("Olvex Free Mirelo V1.0.0.1.dmp"));

        CommonDialog::setRunHook([this](CommonDialog *d) {
            warnings << d->form()->lblPrompt->text();
            return int(QDialog::Accepted);
        });

        controller = Controller::instance();
        // The form opens modally in its service frame and survives it.
        QTimer::singleShot(0, [] {
            auto *frame = qobject_cast<MyFrame *>(QApplication::activeModalWidget());
            QVERIFY(frame);
            QVERIFY(qobject_cast<MyBugReportView *>(frame->content()));
            QCOMPARE(frame->windowTitle(), QStringLiteral("Bug Report"));
            frame->close();
        });
        controller->showBugReportView();
        view = controller->bugReportView();
        QVERIFY(view);
        QCOMPARE(view->size(), QSize(584, 562));
    }

    void cleanupTestCase()
    {
        CommonDialog::setRunHook({});
        peer.reset();
    }

    void init()
    {
        warnings.clear();
        controller->setMailAccount(account(peer->port, certs.path() + "/server.crt"));
    }

    void accountComesFromTheSettings()
    {
        const MailAccount a = readMailAccount();
        QCOMPARE(controller->mailAccount().host, QStringLiteral("127.0.0.1"));
        QCOMPARE(a.port, int(peer->port));
        QCOMPARE(a.user, QString(kUser));
        QCOMPARE(a.password, QString(kPassword));
        QCOMPARE(int(a.connectionType), 1);
        QSettings settings(QSettings::NativeFormat, QSettings::UserScope, "Olvex", "Free Mirelo");
        settings.remove("Services/MailPort");
        settings.sync();
        QCOMPARE(readMailAccount().port, 465);
        settings.setValue("Services/MailPort", peer->port);
    }

    void arrivesAsWellFormedMime_data()
    {
        QTest::addColumn<QString>("description");
        QTest::newRow("dots and accents") << QStringLiteral("First line\n.\n.x\nÇa ne marche pas — 録画\n\nend");
        QTest::newRow("3000-character line") << (QString(3000, 'w') + "\nsecond line");
        QTest::newRow("only spaces") << QStringLiteral("   ");
    }
    void arrivesAsWellFormedMime()
    {
        QFETCH(QString, description);
        const int before = peer->messages().size();
        fillForm("ann@example.org", description);
        report();
        QCOMPARE(warnings, QStringList());
        const QStringList messages = peer->messages();
        QCOMPARE(messages.size(), before + 1);

        const QString eml = peer->out.path() + "/" + messages.last();
        QFile envelope(QString(eml).replace(".eml", ".json"));
        QVERIFY(envelope.open(QIODevice::ReadOnly));
        const QJsonObject env = QJsonDocument::fromJson(envelope.readAll()).object();
        QCOMPARE(env["mail_from"].toString(), QString(kUser));
        QCOMPARE(env["rcpt_tos"].toArray().size(), 1);
        QCOMPARE(env["rcpt_tos"].toArray()[0].toString(), g_mireloData->email());

        QTemporaryDir tmp;
        const Parsed mail = parseMail(eml, tmp.path() + "/attachment.bin");
        QCOMPARE(mail.head["from"].toString(), QStringLiteral("bug <%1>").arg(kUser));
        QCOMPARE(mail.head["to"].toString(), "support <" + g_mireloData->email() + ">");
        QCOMPARE(mail.head["subject"].toString(),
                 QStringLiteral("Ann Lee - ann@example.org -> Olvex Free Mirelo( WIN )"));
        QCOMPARE(mail.head["mime"].toString(), QStringLiteral("1.0"));
        QCOMPARE(mail.head["type"].toString(), QStringLiteral("multipart/related"));
        QCOMPARE(mail.head["defects"].toInt(), 0);
        const QJsonArray parts = mail.head["parts"].toArray();
        QCOMPARE(parts.size(), 2);
        QCOMPARE(parts[0].toObject()["type"].toString(), QStringLiteral("text/plain"));
        QCOMPARE(parts[0].toObject()["charset"].toString(), QStringLiteral("utf-8"));
        QCOMPARE(parts[0].toObject()["text"].toString(), description);
        QCOMPARE(parts[1].toObject()["type"].toString(), QStringLiteral("application/octet-stream"));
        QCOMPARE(parts[1].toObject()["filename"].toString(), QStringLiteral("Olvex Free Mirelo V1.0.0.1.dmp"));
        QCOMPARE(parts[1].toObject()["disposition"].toString(), QStringLiteral("attachment"));

        QVERIFY(mail.attachment.startsWith(QByteArray("7z\xbc\xaf\x27\x1c", 6)));
        const QStringList listed = archiveListing(tmp.path() + "/attachment.bin");
        for (const char *name : {"config.xml", "History.xml", "run.log", "Log", "Log/record.log"})
            QVERIFY2(listed.contains(name), name);
        for (const QString &name : listed)
            QVERIFY2(!name.contains("ucplog"), qPrintable(name));

        QVERIFY(view->form()->lblResult->text().contains("Bug Report sent successful!"));
        QVERIFY(view->form()->lblResult->text().contains(
            SkinManager::instance()->colorMap("Successful").value("BugReportColor")));
        QVERIFY(!view->form()->lblResult->isHidden());
        QVERIFY(view->form()->prgProgress->isHidden());
        QVERIFY(!QFile::exists(archive));
        QCOMPARE(g_myConfig->getValue("CustomName"), QStringLiteral("Ann Lee"));
        QCOMPARE(g_myConfig->getValue("CustomEmail"), QStringLiteral("ann@example.org"));
    }

    void failuresKeepTheArchive_data()
    {
        QTest::addColumn<QString>("serverCert");
        QTest::addColumn<QString>("trusted");
        QTest::addColumn<QString>("password");
        QTest::addColumn<bool>("closedPort");
        QTest::addColumn<bool>("noHost");
        QTest::addColumn<bool>("authSeen");
        QTest::addColumn<QString>("reason");
        QTest::addColumn<QString>("logged");
        const QString certificate = "The mail server's certificate is not trusted, so the report was not sent.";
        QTest::newRow("untrusted certificate") << "server" << "other" << kPassword << false << false << false
                                               << certificate << "certificate not trusted";
        QTest::newRow("certificate for another host") << "other" << "other" << kPassword << false << false << false
                                                      << certificate << "certificate not trusted";
        QTest::newRow("wrong password") << "server" << "server" << "wrong" << false << false << true
                                        << "The mail server refused the login of the bug report account."
                                        << "login refused (535";
        QTest::newRow("closed port")
            << "server" << "server" << kPassword << true << false << false
            << "The mail server cannot be reached. Check the network connection and try again."
            << "server unreachable (Connection refused)";
        QTest::newRow("no mail host") << "server" << "server" << kPassword << false << true << false
                                      << "No mail account is set up for bug reports (MailHost in the group "
                                         "Services of the settings), so the report was not sent."
                                      << "no mail account";
    }
    void failuresKeepTheArchive()
    {
        QFETCH(QString, serverCert);
        QFETCH(QString, trusted);
        QFETCH(QString, password);
        QFETCH(bool, closedPort);
        QFETCH(bool, noHost);
        QFETCH(bool, authSeen);
        QFETCH(QString, reason);
        QFETCH(QString, logged);
        Peer own;
        QVERIFY(own.start(certs.path() + "/" + serverCert + ".crt", certs.path() + "/" + serverCert + ".key"));
        quint16 port = own.port;
        if (closedPort) {
            QTcpServer probe;
            probe.listen(QHostAddress::LocalHost, 0);
            port = probe.serverPort();
        }
        MailAccount mail = account(port, certs.path() + "/" + trusted + ".crt", password);
        if (noHost)
            mail.host.clear();
        controller->setMailAccount(mail);
        QFile::remove(logPath());
        g_runLog = new LogFile(logPath());
        g_runLog->open();
        fillForm("ann@example.org", "It fails.");
        report();
        delete g_runLog;
        g_runLog = nullptr;

        QVERIFY(view->form()->lblEmailError->text().contains("Bug Report sent failed!"));
        QVERIFY(view->form()->lblEmailError->text().contains(
            SkinManager::instance()->colorMap("Failed").value("BugReportColor")));
        QVERIFY(!view->form()->lblEmailError->isHidden());
        // Each failure says what it was, and the log keeps it.
        QCOMPARE(warnings, QStringList{reason});
        QFile log(logPath());
        QVERIFY(log.open(QIODevice::ReadOnly));
        const QString lines = QString::fromUtf8(log.readAll());
        QVERIFY2(lines.contains("Bug report not sent: " + logged), qPrintable(lines));
        QVERIFY(QFile::exists(archive));
        QCOMPARE(own.authTried(), authSeen);
        QCOMPARE(own.messages(), QStringList());

        // Nothing the program wrote holds the password.
        QDirIterator it(g_myConfig->dataPath(), QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            QFile f(it.next());
            QVERIFY(f.open(QIODevice::ReadOnly));
            QVERIFY2(!f.readAll().contains(kPassword), qPrintable(f.fileName()));
        }
    }

    void guardsBeforeSending()
    {
        // A send in progress: a server that accepts but never speaks TLS.
        QTcpServer silent;
        QVERIFY(silent.listen(QHostAddress::LocalHost, 0));
        controller->setMailAccount(account(silent.serverPort(), certs.path() + "/server.crt"));
        fillForm("ann@example.org", "busy");
        view->form()->btnReport->click();
        BugreportThread *running = controller->bugReportThread();
        QVERIFY(running);
        view->form()->btnReport->click();
        QCOMPARE(warnings, QStringList{"Sending a bug report. Please try another later."});
        QCOMPARE(controller->bugReportThread(), running);
        QTRY_VERIFY_WITH_TIMEOUT(!controller->bugReportThread(), 60000);
        warnings.clear();

        // A bad address stops before anything is stored or packed.
        QFile::remove(archive);
        g_myConfig->setCustomEmail("kept@example.org", true);
        fillForm("not-an-address", "text");
        view->form()->btnReport->click();
        QVERIFY(!view->form()->lblEmailError->isHidden());
        QCOMPARE(view->form()->lblEmailError->text(), QStringLiteral("Email Format is Incorrect!"));
        QVERIFY(view->form()->edtEmail->styleSheet().contains("#ff0000"));
        QCOMPARE(g_myConfig->getValue("CustomEmail"), QStringLiteral("kept@example.org"));
        QVERIFY(!QFile::exists(archive));
        QVERIFY(!controller->bugReportThread());

        fillForm("ann@example.org", "");
        view->form()->btnReport->click();
        QVERIFY(view->form()->lblEmailError->isHidden());
        QCOMPARE(warnings, QStringList{"Please describe the problem clearly before submitting."});
        QVERIFY(!controller->bugReportThread());
    }

    void stoppedSendShowsNothing()
    {
        QTcpServer silent;
        QVERIFY(silent.listen(QHostAddress::LocalHost, 0));
        controller->setMailAccount(account(silent.serverPort(), certs.path() + "/server.crt"));
        fillForm("ann@example.org", "stop me");
        view->form()->lblEmailError->hide();
        view->form()->btnReport->click();
        BugreportThread *running = controller->bugReportThread();
        QVERIFY(running);
        // Reached only through the meta-object, from the GUI thread, while
        // the worker owns a live client.
        QTRY_VERIFY_WITH_TIMEOUT(running->isRunning(), 20000);
        QVERIFY(QMetaObject::invokeMethod(running, "ThreadStop"));
        QVERIFY(running->stopRequested());
        QTRY_VERIFY_WITH_TIMEOUT(!controller->bugReportThread(), 60000);
        QCOMPARE(warnings, QStringList());
        QVERIFY(view->form()->lblEmailError->isHidden());
    }

    void archiverFailures_data()
    {
        QTest::addColumn<QByteArray>("script");
        QTest::newRow("missing") << QByteArray();
        QTest::newRow("hanging") << QByteArray("#!/bin/sh\necho half > \"$2\"\nexec sleep 60\n");
        QTest::newRow("fatal exit") << QByteArray("#!/bin/sh\necho half > \"$2\"\nexit 2\n");
    }
    void archiverFailures()
    {
        QFETCH(QByteArray, script);
        QTemporaryDir bin;
        if (!script.isEmpty()) {
            writeFile(bin.path() + "/7z", script);
            QFile(bin.path() + "/7z").setPermissions(QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        }
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", bin.path().toLocal8Bit());
        Controller::setPackTimeout(500);
        fillForm("ann@example.org", "text");
        view->form()->btnReport->click();
        qputenv("PATH", path);
        Controller::setPackTimeout(30000);
        QCOMPARE(warnings, QStringList{"Unknown error, try again please."});
        QVERIFY(!QFile::exists(archive));
        QVERIFY(!controller->bugReportThread());
    }

    void progressFollowsItsOwnForm()
    {
        view->form()->prgProgress->setValue(7);
        controller->SltReportProgress(50, 0, view);
        QCOMPARE(view->form()->prgProgress->value(), 7);
        controller->SltReportProgress(1, 3, view);
        QCOMPARE(view->form()->prgProgress->value(), 33);
        int other = 0;
        controller->SltReportProgress(3, 3, &other);
        QCOMPARE(view->form()->prgProgress->value(), 33);
        // 64-bit arithmetic: large transfers give the right percentage.
        controller->SltReportProgress(Q_INT64_C(30000000000), Q_INT64_C(40000000000), view);
        QCOMPARE(view->form()->prgProgress->value(), 75);

        // A result for another form leaves this one alone.
        writeFile(archive, "x");
        view->form()->lblResult->setText("before");
        controller->SltUpdateSendResultFun(true, archive, &other);
        QCOMPARE(view->form()->lblResult->text(), QStringLiteral("before"));
        QVERIFY(QFile::exists(archive));
    }
};

QTEST_MAIN(TestBugReport)
#include "tst_bugreport.moc"
