// The stand-in updater "Launch.exe" against a loopback server: it replaces
// only what its rule confirms, inside the program folder, and answers with
// one code.
#include <QtTest>

#include <QCryptographicHash>

#include "cupdatetask.h"
#include "httppeer.h"
#include "platform/versionmarker.h"

namespace {
QByteArray md5(const QByteArray &data)
{
    return QCryptographicHash::hash(data, QCryptographicHash::Md5).toHex();
}
QByteArray versioned(const QByteArray &version)
{
    return "bin " + VersionMarker::prefix() + version + QByteArray(1, '\0');
}
void writeFile(const QString &path, const QByteArray &data)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(data);
}
QByteArray readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
} // namespace

class TestLaunchUpdater : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;
    std::unique_ptr<HttpPeer> m_peer;
    QString m_app;

    QByteArray runUpdater(const QList<PatchFileInfo> &files, const QString &taskPath = QString())
    {
        const QString task = taskPath.isEmpty() ? m_dir.path() + "/ucplog" : taskPath;
        if (taskPath.isEmpty()) {
            CUpdateTask t(task);
            t.setWorkDir(m_app);
            t.setLogFile(m_dir.path() + "/update.log");
            t.setProxy(QNetworkProxy(QNetworkProxy::NoProxy));
            for (const PatchFileInfo &f : files)
                t.addFile(f);
            if (!t.finish())
                return "no task";
        }
        QProcess p;
        p.start(testsupport::binDir() + "/Launch.exe", {task, "Olvex Free Mirelo"});
        if (!p.waitForFinished(30000))
            return "hung";
        return p.readAllStandardOutput();
    }
    PatchFileInfo rule(const QString &name, const QString &type, const QByteArray &value, const QString &served)
    {
        return {m_peer->base() + "/files/" + served, m_app + name, QString::fromLatin1(value), type};
    }

private slots:
    void initTestCase()
    {
        QDir(m_dir.path()).mkpath("www");
        m_peer.reset(new HttpPeer(m_dir.path() + "/www"));
        QVERIFY(m_peer->port() > 0);
        m_app = m_dir.path() + "/app/";
        m_peer->put("files/a.bin", "A-new");
        m_peer->put("files/v.bin", versioned("1.0.0.2"));
        m_peer->put("files/garbage", "garbage");
    }

    void replacesOnlyWhatItsRuleConfirms()
    {
        writeFile(m_app + "a.bin", "A-old");
        QFile::setPermissions(m_app + "a.bin", QFileDevice::ReadOwner | QFileDevice::WriteOwner
                                                   | QFileDevice::ExeOwner | QFileDevice::ReadGroup);
        writeFile(m_app + "v.bin", versioned("1.0.0.1"));
        writeFile(m_app + "keep.bin", "keep");
        writeFile(m_dir.path() + "/outside/x.bin", "outside");
        QVERIFY(QFile::link(m_dir.path() + "/outside", m_app + "link"));

        const QList<PatchFileInfo> rules{
            rule("a.bin", "MD5", md5("A-new"), "a.bin"),
            rule("v.bin", "Version", "1.0.0.2", "v.bin"),
            rule("keep.bin", "MD5", md5("expected"), "garbage"),
            rule("link/x.bin", "MD5", md5("garbage"), "garbage"),
            {"file:///etc/hostname", m_app + "f.bin", QString::fromLatin1(md5("x")), "MD5"},
        };
        QCOMPARE(runUpdater(rules), QByteArray("u0"));
        QCOMPARE(readFile(m_app + "a.bin"), QByteArray("A-new"));
        QCOMPARE(QFile::permissions(m_app + "a.bin") & 0x7077,
                 (QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner | QFileDevice::ReadGroup) & 0x7077);
        QCOMPARE(readFile(m_app + "v.bin"), versioned("1.0.0.2"));
        QCOMPARE(readFile(m_app + "keep.bin"), QByteArray("keep"));
        QCOMPARE(readFile(m_dir.path() + "/outside/x.bin"), QByteArray("outside"));
        QVERIFY(!QFile::exists(m_app + "f.bin"));
        // No temporary file is left beside the targets.
        QCOMPARE(QDir(m_app).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot),
                 (QStringList{"a.bin", "keep.bin", "v.bin"}));
        const QString log = readFile(m_dir.path() + "/update.log");
        QVERIFY2(log.contains("[Info]\"" + m_app + "a.bin\" replaced. <date time="), qPrintable(log));
        QVERIFY(log.contains("keep.bin\": the download does not match"));

        // Again: the first two are up to date, the third still fails.
        QCOMPARE(runUpdater(rules.mid(0, 3)), QByteArray("u2"));
        QCOMPARE(runUpdater(rules.mid(0, 2)), QByteArray("u1"));
        QCOMPARE(runUpdater({}, m_dir.path() + "/no-such-task"), QByteArray("u3"));
    }
};

QTEST_GUILESS_MAIN(TestLaunchUpdater)
#include "tst_launchupdater.moc"
