// The single-instance channel, seen from outside: real processes of this
// test program play the first and the second start.
#include <QLocalServer>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>
#include <QWidget>
#include <QtTest>

#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include "qtsingleapplication.h"

namespace {

// "--instance ID": one start of a program with that id. The first prints
// "primary", then each message and whether its window became visible; a
// later one prints "running" and the result of its send, and ends.
int runInstance(int argc, char **argv)
{
    const QString id = QString::fromLocal8Bit(argv[2]);
    QtSingleApplication app(id, argc, argv);
    if (app.isRunning()) {
        const bool sent = app.sendMessage(QStringLiteral("hello from a second start"), 5000);
        std::printf("running sent=%d\n", sent ? 1 : 0);
        return 0;
    }
    QWidget window; // hidden, like a frame in the tray
    app.setActivationWindow(&window, true);
    QObject::connect(&app, &QtSingleApplication::messageReceived, &app, [&](const QString &m) {
        std::printf("message=%s\n", qPrintable(m));
        std::fflush(stdout);
    });
    QObject::connect(&app, &QtSingleApplication::messageReceived, &app, [&] {
        // Activation runs right after the signal.
        QTimer::singleShot(0, &app, [&] {
            std::printf("visible=%d\n", window.isVisible() ? 1 : 0);
            std::fflush(stdout);
        });
    }, Qt::QueuedConnection);
    std::printf("primary\n");
    std::fflush(stdout);
    QTimer::singleShot(30000, &app, &QCoreApplication::quit); // never outlive the test
    return app.exec();
}

} // namespace

class TestSingleInstance : public QObject
{
    Q_OBJECT

    QString self() const { return QCoreApplication::applicationFilePath(); }

    // Starts an instance and waits for its first line.
    QString startFirst(QProcess &p, const QString &id,
                       const QProcessEnvironment &env = QProcessEnvironment::systemEnvironment())
    {
        p.setProcessEnvironment(env);
        p.start(self(), {"--instance", id});
        if (!p.waitForStarted(5000) || !p.waitForReadyRead(10000))
            return {};
        return QString::fromLocal8Bit(p.readLine()).trimmed();
    }

    // Runs a second start to its end; its output, or "" when it hung.
    QString runSecond(const QString &id, int *exitCode,
                      const QProcessEnvironment &env = QProcessEnvironment::systemEnvironment())
    {
        QProcess p;
        p.setProcessEnvironment(env);
        p.start(self(), {"--instance", id});
        if (!p.waitForFinished(8000)) {
            p.kill();
            p.waitForFinished();
            return {};
        }
        *exitCode = p.exitCode();
        return QString::fromLocal8Bit(p.readAllStandardOutput()).trimmed();
    }

    QString waitForLine(QProcess &p, const QString &prefix)
    {
        QElapsedTimer t;
        t.start();
        QString all;
        while (t.elapsed() < 8000) {
            while (p.canReadLine()) {
                const QString line = QString::fromLocal8Bit(p.readLine()).trimmed();
                if (line.startsWith(prefix))
                    return line;
            }
            p.waitForReadyRead(200);
        }
        return {};
    }

    // Holds an flock on `path` from another process, as someone else would.
    bool hold(QProcess &holder, const QString &path)
    {
        holder.start("flock", {"-x", path, "sleep", "30"});
        if (!holder.waitForStarted())
            return false;
        const auto held = [&] {
            const int fd = ::open(QFile::encodeName(path).constData(), O_RDWR | O_CLOEXEC);
            if (fd < 0)
                return false;
            const bool busy = ::flock(fd, LOCK_EX | LOCK_NB) != 0;
            ::close(fd);
            return busy;
        };
        QElapsedTimer t;
        t.start();
        while (!held()) {
            if (t.elapsed() > 10000)
                return false;
            QThread::msleep(20);
        }
        return true;
    }

    void stop(QProcess &p)
    {
        p.terminate();
        if (!p.waitForFinished(3000)) {
            p.kill();
            p.waitForFinished();
        }
    }

private slots:
    void secondStartReachesTheFirstAndShowsItsWindow()
    {
        QProcess first;
        QCOMPARE(startFirst(first, "Mirelo.Test"), QStringLiteral("primary"));
        int code = -1;
        QCOMPARE(runSecond("Mirelo.Test", &code), QStringLiteral("running sent=1"));
        QCOMPARE(code, 0);
        QCOMPARE(waitForLine(first, "message="), QStringLiteral("message=hello from a second start"));
        QCOMPARE(waitForLine(first, "visible="), QStringLiteral("visible=1"));
        stop(first);
    }

    void killedInstanceDoesNotBlockTheNextStart()
    {
        QProcess first;
        QCOMPARE(startFirst(first, "Mirelo.Kill"), QStringLiteral("primary"));
        ::kill(pid_t(first.processId()), SIGKILL);
        QVERIFY(first.waitForFinished(5000));
        // Its socket file is still there; the lock went with the process.
        const QString socket = QDir(QtSingleApplication::channelFolder())
                                   .filePath(QtSingleApplication::channelBaseName("Mirelo.Kill") + ".socket");
        QVERIFY(QFileInfo::exists(socket));

        QProcess next;
        QCOMPARE(startFirst(next, "Mirelo.Kill"), QStringLiteral("primary"));
        int code = -1;
        QCOMPARE(runSecond("Mirelo.Kill", &code), QStringLiteral("running sent=1"));
        QCOMPARE(waitForLine(next, "message="), QStringLiteral("message=hello from a second start"));
        stop(next);
    }

    void cleanExitFreesTheChannel()
    {
        QProcess first;
        QCOMPARE(startFirst(first, "Mirelo.Clean"), QStringLiteral("primary"));
        stop(first);
        QProcess again;
        QCOMPARE(startFirst(again, "Mirelo.Clean"), QStringLiteral("primary"));
        stop(again);
    }

    void differentIdsAreDifferentPrograms()
    {
        QProcess a, b;
        QCOMPARE(startFirst(a, "Mirelo.A"), QStringLiteral("primary"));
        QCOMPARE(startFirst(b, "Mirelo.B"), QStringLiteral("primary"));
        stop(a);
        stop(b);
    }

    void unanswerableChannelTimesOut()
    {
        // A lock holder that never listens (a hung first start): the
        // second start gives up at its time-out instead of hanging.
        const QString base = QDir(QtSingleApplication::channelFolder())
                                 .filePath(QtSingleApplication::channelBaseName("Mirelo.Hung"));
        QProcess holder;
        QVERIFY(hold(holder, base + ".lock"));
        QElapsedTimer t;
        t.start();
        int code = -1;
        QCOMPARE(runSecond("Mirelo.Hung", &code), QStringLiteral("running sent=0"));
        QCOMPARE(code, 0);
        QVERIFY(t.elapsed() >= 4500);
        stop(holder);
    }

    // Another local user must not be able to stop the program from
    // starting (nor receive its messages) by taking the channel's names
    // first: a lock reached through a link, or a file of someone else's,
    // is not the running program.
    void aChannelThatIsNotTheUsersOwnIsNotTrusted()
    {
        const QString base = QDir(QtSingleApplication::channelFolder())
                                 .filePath(QtSingleApplication::channelBaseName("Mirelo.Planted"));
        QTemporaryDir elsewhere;
        const QString bait = elsewhere.filePath("bait");
        QFile(bait).open(QIODevice::WriteOnly);
        QVERIFY(QFile::link(bait, base + ".lock"));
        QProcess holder;
        QVERIFY(hold(holder, bait));
        QProcess first;
        QCOMPARE(startFirst(first, "Mirelo.Planted"), QStringLiteral("primary"));
        int code = -1;
        QCOMPARE(runSecond("Mirelo.Planted", &code), QStringLiteral("running sent=1"));
        QCOMPARE(waitForLine(first, "message="), QStringLiteral("message=hello from a second start"));
        stop(first);
        stop(holder);

        if (::geteuid() != 0)
            return; // only root can hand a file to another user
        const QString foreign = QDir(QtSingleApplication::channelFolder())
                                    .filePath(QtSingleApplication::channelBaseName("Mirelo.Foreign") + ".lock");
        QFile(foreign).open(QIODevice::WriteOnly);
        QCOMPARE(::chown(QFile::encodeName(foreign).constData(), 12345, 12345), 0);
        QProcess other;
        QVERIFY(hold(other, foreign));
        QProcess next;
        QCOMPARE(startFirst(next, "Mirelo.Foreign"), QStringLiteral("primary"));
        stop(next);
        stop(other);
    }

    // Without a runtime folder, the channel goes into a private folder of
    // the user's own; names in the shared temporary folder that someone
    // else took first (the bare lock name, a folder at the private name
    // that all can write) neither stop a start nor get its messages.
    void withoutARuntimeFolderTheChannelStaysPrivate()
    {
        QTemporaryDir temp;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove("XDG_RUNTIME_DIR");
        env.insert("TMPDIR", temp.path());
        const QString name = QtSingleApplication::channelBaseName("Mirelo.NoRuntime");
        const QString own = temp.filePath(QStringLiteral("mirelo-%1").arg(::geteuid()));

        QProcess first;
        QCOMPARE(startFirst(first, "Mirelo.NoRuntime", env), QStringLiteral("primary"));
        QVERIFY(QFileInfo::exists(own + "/" + name + ".lock"));
        QCOMPARE(QFileInfo(own).permissions() & 0x0077, QFileDevice::Permissions()); // group, others
        int code = -1;
        QCOMPARE(runSecond("Mirelo.NoRuntime", &code, env), QStringLiteral("running sent=1"));
        stop(first);
        QVERIFY(QDir(own).removeRecursively());

        QVERIFY(QDir().mkdir(own));
        QVERIFY(QFile::setPermissions(own, QFileDevice::Permissions(0x7777)));
        QProcess bare, inShared;
        QVERIFY(hold(bare, temp.filePath(name + ".lock")));
        QVERIFY(hold(inShared, own + "/" + name + ".lock"));
        QProcess next;
        QCOMPARE(startFirst(next, "Mirelo.NoRuntime", env), QStringLiteral("primary"));
        stop(next);
        stop(bare);
        stop(inShared);
    }

    void channelNamesAreSafeFileNames()
    {
        const QString name = QtSingleApplication::channelBaseName("Olvex/Free Mirelo:..");
        QVERIFY(!name.contains('/'));
        QVERIFY(!name.contains(' '));
        QVERIFY(name.startsWith("Olvex_Free_Mirelo_..-"));
        QVERIFY(QtSingleApplication::channelBaseName("").startsWith("app-"));
    }
};

int main(int argc, char **argv)
{
    if (argc >= 3 && qstrcmp(argv[1], "--instance") == 0)
        return runInstance(argc, argv);
    QApplication app(argc, argv);
    TestSingleInstance test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_singleinstance.moc"
