// The patch road: rule selection and version comparison, the description
// fetched from a loopback server into a private folder, the task file
// handed to a recording updater, and the downloader's redirects and the
// addresses it refuses.
#include <QtTest>

#include "commondialog.h"

#include <QApplication>
#include <QCryptographicHash>
#include <QDomDocument>
#include <QWidget>

#include <sys/stat.h>

#include "cdownloader.h"
#include "cpatchparser.h"
#include "cpatchupdate.h"
#include "core/edition.h"
#include "core/myconfig.h"
#include "httppeer.h"
#include "patchlauncher.h"
#include "platform/versionmarker.h"

namespace {

// The check's answer once it comes: 1 a patch, 0 none, -1 no answer.
int checked(CPatchUpdate &update)
{
    int answer = -1;
    update.start([&](bool patch) { answer = patch ? 1 : 0; });
    if (!QTest::qWaitFor([&] { return answer >= 0; }, 20000))
        return -1;
    return answer;
}
QByteArray md5(const QByteArray &data)
{
    return QCryptographicHash::hash(data, QCryptographicHash::Md5).toHex();
}
QByteArray versioned(const QByteArray &version)
{
    return "ELF-ish " + VersionMarker::prefix() + version + QByteArray(1, '\0') + " tail";
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

class TestPatchUpdate : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;
    std::unique_ptr<HttpPeer> m_peer;
    QString m_app;

    // The rules' paths of a description parsed for this product.
    QStringList parsed(const QByteArray &description, bool *message = nullptr)
    {
        writeFile(m_dir.path() + "/desc.xml", description);
        CPatchParser parser("Olvex", "Olvex Free Mirelo", "1.0.0.1", m_dir.path() + "/parse.log", m_app);
        QList<PatchFileInfo> list;
        parser.parse(m_dir.path() + "/desc.xml", &list);
        if (message)
            *message = parser.showMessage();
        QStringList out;
        for (const PatchFileInfo &f : list)
            out << QFileInfo(f.path).fileName() + ":" + f.type;
        return out;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(createApplicationData());
        g_myConfig = new MyConfig;
        QDir(m_dir.path()).mkpath("www");
        m_peer.reset(new HttpPeer(m_dir.path() + "/www"));
        QVERIFY(m_peer->port() > 0);
        m_app = m_dir.path() + "/app/";
        QDir().mkpath(m_app);
        CPatchUpdate::setWaitMs(5000);
    }

    void versionTable()
    {
        QCOMPARE(CPatchParser::compareFileVersion("1.0.0.5", "1.0.0.6"), 0);
        QCOMPARE(CPatchParser::compareFileVersion("1.0.1.0", "1.0.0.9"), 2);
        QCOMPARE(CPatchParser::compareFileVersion("1.2.3.4", "1.2"), 1);
        QCOMPARE(CPatchParser::compareFileVersion("1.2", "1.2.0.1"), 1);
        QCOMPARE(CPatchParser::compareFileVersion("1.2.3.4", "1.2.3.4"), 1);
    }

    void ruleSelection()
    {
        writeFile(m_app + "same.bin", "same");
        const QByteArray common = "<Patch product=\"COMMON\"><f path=\"%APPPATH%/c1\" MD5=\"x\"/>"
                                  "<f path=\"%APPPATH%/shared\" version=\"2.0.0.0\"/></Patch>";
        auto doc = [&](const QByteArray &rootAttrs, const QByteArray &patchAttrs, const QByteArray &rules) {
            return "<UPDATE " + rootAttrs + "><Windows>" + common + "<olvex><Patch product=\"other\" version=\"1.0.0.1\">"
                   "<f path=\"%APPPATH%/wrong\" MD5=\"x\"/></Patch><patch product=\"olvex free mirelo\" version=\"1.0.0.1\" "
                   + patchAttrs + ">" + rules + "</patch></olvex></Windows></UPDATE>";
        };
        const QByteArray rules = "<a path=\"%APPPATH%/v\" version=\"1.0.0.2\" MD5=\"ignored\"/>"
                                 "<b path=\"%APPPATH%/none\"/>"
                                 "<c path=\"%APPPATH%/shared\" private=\"false\"/>"
                                 "<d path=\"%APPPATH%/nomatch\" private=\"FALSE\"/>"
                                 "<e path=\"%APPPATH%/same.bin\" MD5=\"" + md5("same") + "\"/>"
                                 "<e path=\"%APPPATH%/same.bin\" MD5=\"" + md5("same").toUpper() + "\"/>"
                                 "<g path=\"%APPPATH%/../outside\" MD5=\"x\"/>"
                                 "<g path=\"%APPPATH%/sub/../../app2/x\" MD5=\"x\"/>"
                                 "<g path=\"bin/relative\" MD5=\"x\"/>";
        bool message = false;
        // Version beats MD5, no rule without either, "private" borrows from
        // the common patch by exact path, capital digests never match, and
        // nothing outside the program folder is listed.
        QCOMPARE(parsed(doc("switch=\"no\" msg=\"ON\"", "", rules), &message),
                 (QStringList{"v:Version", "shared:Version", "same.bin:MD5"}));
        QVERIFY(message);
        QVERIFY(QString(readFile(m_dir.path() + "/parse.log")).contains("outside\" lies outside the program folder"));
        QCOMPARE(parsed(doc("", "private=\"false\" msg=\"off\"", rules), &message),
                 (QStringList{"c1:MD5", "shared:Version"}));
        QVERIFY(!message);
        QVERIFY(parsed(doc("", "switch=\"no\"", rules)).isEmpty());
        QVERIFY(parsed(doc("switch=\"OFF\"", "", rules)).isEmpty());
        QVERIFY(parsed("<other/>").isEmpty());
    }

    void downloaderRedirects()
    {
        m_peer->put("desc.xml", "<update/>");
        CDownloader d;
        QSignalSpy finished(&d, &CDownloader::signalFinished);
        d.download(m_peer->base() + "/redirect/2/start.xml?to=desc.xml", m_dir.path() + "/dl");
        QVERIFY(finished.wait(10000));
        QVERIFY(!d.hasError());
        QCOMPARE(d.finishedFiles(), QStringList{m_dir.path() + "/dl/desc.xml"});
        QVERIFY(!QFile::exists(m_dir.path() + "/dl/start.xml.tmp"));
        QVERIFY(m_peer->requests().last().endsWith(QString(" | ") + CDownloader::kUserAgent));

        CDownloader loop;
        QSignalSpy loopEnd(&loop, &CDownloader::signalFinished);
        m_peer->clearLog();
        loop.download(m_peer->base() + "/loop", m_dir.path() + "/dl");
        QVERIFY(loopEnd.wait(10000));
        QVERIFY(loop.hasError());
        QCOMPARE(m_peer->requests().size(), CDownloader::kMaxRedirects + 1);

        CDownloader dots;
        QSignalSpy dotsEnd(&dots, &CDownloader::signalFinished);
        dots.download(m_peer->base() + "/x/..", m_dir.path() + "/dl");
        QVERIFY(dots.hasError() || dotsEnd.wait(5000));
        QVERIFY(dots.hasError());

        // Only http and https: a local file is never copied, neither asked
        // for straight nor through a redirect, and no folder is made for it.
        CDownloader local;
        local.download("file:///etc/passwd", m_dir.path() + "/local");
        QVERIFY(local.hasError());
        QVERIFY(!QFileInfo::exists(m_dir.path() + "/local"));
        CDownloader redirected;
        QSignalSpy redirectedEnd(&redirected, &CDownloader::signalFinished);
        redirected.download(m_peer->base() + "/toabs?to=file:///etc/passwd", m_dir.path() + "/dl");
        QVERIFY(redirectedEnd.wait(10000));
        QVERIFY(redirected.hasError());
        QVERIFY(!QFileInfo::exists(m_dir.path() + "/dl/passwd"));
    }

    void taskFileReachesTheUpdater()
    {
        // The program folder: a recording updater and four files.
        writeFile(m_app + "Launch.exe", "#!/bin/sh\nprintf '%s\\n' \"$@\" > \"$(dirname \"$0\")/args.txt\"\nprintf u0\n");
        QFile::setPermissions(m_app + "Launch.exe", QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        writeFile(m_app + "old.bin", versioned("1.0.0.1"));
        writeFile(m_app + "wrong.bin", "stale");
        writeFile(m_app + "right.bin", "fresh");
        const QString u = m_peer->base() + "/files/";
        m_peer->put("patch/update.xml",
                    "<update><windows><Olvex><Patch product=\"Olvex Free Mirelo\" version=\"1.0.0.1\">"
                    "<f path=\"%APPPATH%/missing.bin\" MD5=\"" + md5("m") + "\" url=\"" + u.toUtf8() + "missing.bin\"/>"
                    "<f path=\"%APPPATH%/old.bin\" version=\"1.0.0.2\" url=\"" + u.toUtf8() + "old.bin\"/>"
                    "<f path=\"%APPPATH%/wrong.bin\" MD5=\"" + md5("fresh") + "\" url=\"" + u.toUtf8() + "wrong.bin\"/>"
                    "<f path=\"%APPPATH%/right.bin\" MD5=\"" + md5("fresh") + "\" url=\"" + u.toUtf8() + "right.bin\"/>"
                    "<f path=\"%APPPATH%/../evil.bin\" MD5=\"x\" url=\"" + u.toUtf8() + "evil.bin\"/>"
                    "</Patch></Olvex></windows></update>");
        g_myConfig->setValue("UpdateUrl", m_peer->base() + "/patch/update.xml");
        delete g_myConfig;
        g_myConfig = new MyConfig;
        QCOMPARE(g_myConfig->updateUrl(), m_peer->base() + "/patch/update.xml");

        QWidget window;
        PatchLauncher launcher(&window);
        // The check goes on from the event loop, then starts the updater.
        QSignalSpy started(&launcher, &PatchLauncher::updaterStarted);
        QVERIFY(launcher.run(m_app, {"mirelo"}));
        QVERIFY(!launcher.process());
        QVERIFY(started.wait(20000));
        QVERIFY(launcher.process()->waitForFinished(10000));
        const QString task = g_myConfig->dataPath() + "Log/ucplog";
        QCOMPARE(launcher.patchUpdate()->taskFilePath(), task);
        QCOMPARE(QString(readFile(m_app + "args.txt")), task + "\nOlvex Free Mirelo\n");

        const QByteArray text = readFile(task);
        QVERIFY(!text.startsWith("<?xml"));
        QVERIFY(text.contains("\n    <WorkDir "));
        QVERIFY(!text.contains("evil"));
        struct stat st;
        QCOMPARE(::stat(QFile::encodeName(task).constData(), &st), 0);
        QCOMPARE(int(st.st_mode & 0777), 0600);
        QDomDocument doc;
        QVERIFY(doc.setContent(text));
        QStringList order;
        for (QDomElement e = doc.documentElement().firstChildElement(); !e.isNull(); e = e.nextSiblingElement())
            order << e.tagName();
        QCOMPARE(order, (QStringList{"WorkDir", "LogFile", "Proxy", "Patch"}));
        QCOMPARE(doc.documentElement().firstChildElement("WorkDir").attribute("value"), QDir(m_app).absolutePath() + "/");
        QCOMPARE(doc.documentElement().firstChildElement("Proxy").attribute("type"), QString("2"));
        QStringList files;
        for (QDomElement f = doc.documentElement().firstChildElement("Patch").firstChildElement("File"); !f.isNull();
             f = f.nextSiblingElement())
            files << QFileInfo(f.attribute("path")).fileName() + ":" + f.attribute("type") + ":" + f.attribute("value")
                         + ":" + f.attribute("url").section('/', -1);
        QCOMPARE(files, (QStringList{"missing.bin:MD5:" + md5("m") + ":missing.bin", "old.bin:Version:1.0.0.2:old.bin",
                                     "wrong.bin:MD5:" + md5("fresh") + ":wrong.bin"}));
        const QString log = readFile(g_myConfig->dataPath() + "Log/update.log");
        QVERIFY2(log.contains("[Info]\"" + m_app + "missing.bin\" not found, add to update list. <date time="), qPrintable(log));
        QVERIFY(log.contains("[Info]\"" + m_app + "old.bin\" conform to the update rules, add to update list."));

        // The updater's replies: "u0" shows only while the window shows.
        QSignalSpy notice(&launcher, &PatchLauncher::restartNoticeShown);
        launcher.handleOutput("u0");
        QCOMPARE(notice.count(), 0);
        window.show();
        launcher.handleOutput("u0\n");
        launcher.handleOutput("u1");
        QCOMPARE(notice.count(), 0);
        // Told, not asked: the updater's output does not wait for the user.
        launcher.handleOutput("u0");
        QCOMPARE(notice.count(), 1);
        QVERIFY(!QApplication::activeModalWidget());
        QWidget *told = nullptr;
        for (QWidget *w : QApplication::topLevelWidgets())
            if (CommonDialog::isNotice(w) && w->isVisible())
                told = w;
        QVERIFY(told);
        told->close();
    }

    void roadsThatSendNothing()
    {
        QWidget window;
        PatchLauncher launcher(&window);
        m_peer->clearLog();
        QVERIFY(!launcher.run(m_app, {"mirelo", "-V", "START"}));
        QVERIFY(!launcher.run(m_dir.path() + "/nowhere", {"mirelo"}));
        QVERIFY(m_peer->requests().isEmpty());

        // An unwritable log folder: no check, no updater.
        PatchUpdateParam param = PatchLauncher::makeParam(m_app);
        param.dataPath = m_dir.path() + "/data/";
        writeFile(param.dataPath + "Log", "a file where the folder goes");
        CPatchUpdate blocked(param);
        QVERIFY(blocked.taskFilePath().isEmpty());
        QCOMPARE(checked(blocked), 0);
        QVERIFY(m_peer->requests().isEmpty());

        // A stalling server ends the wait with no patch.
        param.dataPath = m_dir.path() + "/data2/";
        param.updateUrl = m_peer->base() + "/stall";
        CPatchUpdate::setWaitMs(300);
        CPatchUpdate stalled(param);
        QCOMPARE(checked(stalled), 0);
        CPatchUpdate::setWaitMs(5000);
    }

    // The check leaves nothing in the shared temporary folder: it makes a
    // folder only to fetch over http or https, one only this user enters,
    // and removes it when done.
    void patchFolderIsPrivateAndOnlyForAFetch()
    {
        const QString temp = m_dir.path() + "/tmp";
        QVERIFY(QDir().mkpath(temp));
        qputenv("TMPDIR", QFile::encodeName(temp));
        PatchUpdateParam param = PatchLauncher::makeParam(m_app);
        param.dataPath = m_dir.path() + "/data3/";
        for (const QString &url : {QString(), QStringLiteral("file:///etc/passwd"), QStringLiteral("/etc/passwd"),
                                   QStringLiteral("ftp://127.0.0.1/update.xml")}) {
            param.updateUrl = url;
            CPatchUpdate refused(param);
            QCOMPARE(checked(refused), 0);
        }
        const auto nothingIn = [](const QString &folder) {
            return QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden).isEmpty();
        };
        QVERIFY(nothingIn(temp));
        QVERIFY(nothingIn(param.downloadDir));

        m_peer->put("patch/none.xml", "<update/>");
        param.updateUrl = m_peer->base() + "/patch/none.xml";
        CPatchUpdate fetched(param);
        QString folder;
        int mode = 0;
        connect(fetched.downloader(), &CDownloader::signalFinished, this, [&] {
            folder = QFileInfo(fetched.downloader()->finishedFiles().value(0)).path();
            struct stat st;
            if (::stat(QFile::encodeName(folder).constData(), &st) == 0)
                mode = int(st.st_mode & 0777);
        });
        QCOMPARE(checked(fetched), 0); // nothing to patch
        QVERIFY(!folder.isEmpty());
        QCOMPARE(mode, 0700);
        QVERIFY(!QFileInfo::exists(folder));
        QVERIFY(nothingIn(temp));
        qunsetenv("TMPDIR");
    }
};

QTEST_MAIN(TestPatchUpdate)
#include "tst_patchupdate.moc"
