// With the shipped settings a start contacts nothing: the program runs
// under strace until its frame shows and its deferred update checks are
// over, and no connect() to an internet address is seen.
#include <QtTest>

#include <csignal>
#include <sys/types.h>

#include "mirelo_test_engine.h"
#include "programrun.h"
#include "testsupport.h"

using namespace testsupport;

namespace {
// The child running `program`: strace first forks a short-lived probe of
// its own, which must not be taken for the program.
qint64 programChild(const QString &childrenFile, const QString &program)
{
    QFile f(childrenFile);
    if (!f.open(QIODevice::ReadOnly))
        return 0;
    const QString wanted = QFileInfo(program).canonicalFilePath();
    for (const QByteArray &pid : f.readAll().trimmed().split(' '))
        if (!pid.isEmpty() && QFileInfo(QStringLiteral("/proc/%1/exe").arg(QString::fromLatin1(pid))).canonicalFilePath() == wanted)
            return pid.toLongLong();
    return 0;
}
} // namespace

class TestNoNetwork : public QObject
{
    Q_OBJECT
private slots:
    void shippedSettingsOpenNoConnection()
    {
        ProgramUser user;
        QVERIFY(user.isValid());
        // The updater is there, so the patch check runs as it would.
        QVERIFY(QFile::exists(binDir() + "/Launch.exe"));
        const QString trace = user.root() + "/connect.trace";
        QProcess p;
        QVERIFY(startProgram(p, user, {"-f", "-e", "trace=connect", "-o", trace, programPath()},
                             QStringLiteral(MIRELO_TEST_ENGINE_PATH), QStringLiteral("/usr/bin/strace")));
        // The program is strace's child.
        qint64 child = 0;
        const QString children = QString("/proc/%1/task/%1/children").arg(p.processId());
        QTRY_VERIFY_WITH_TIMEOUT((child = programChild(children, programPath())) > 0, 10000);
        QVERIFY(!waitForWindow(child, QStringLiteral("Olvex Free Mirelo"), isMainFrameSize, 30000).isEmpty());
        // The start-up query and the patch check (which waits up to 5 s for
        // a description it never asks for) are over by then.
        QTest::qWait(7000);
        // strace ends with its program.
        ::kill(pid_t(child), SIGTERM);
        if (!waitForExit(p, 10000))
            ::kill(pid_t(child), SIGKILL);
        QFile f(trace);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QStringList network = QString::fromUtf8(f.readAll()).split('\n').filter("AF_INET");
        QVERIFY2(network.isEmpty(), qPrintable(network.join('\n')));
    }
};

QTEST_GUILESS_MAIN(TestNoNetwork)
#include "tst_x11_nonetwork.moc"
