// The single-instance channel, seen from outside: real processes of this
// test program play the first and the second start.
#include <QLocalServer>
#include <QProcess>
#include <QTemporaryDir>
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
    QString startFirst(QProcess &p, const QString &id)
    {
        p.start(self(), {"--instance", id});
        if (!p.waitForStarted(5000) || !p.waitForReadyRead(10000))
            return {};
        return QString::fromLocal8Bit(p.readLine()).trimmed();
    }

    // Runs a second start to its end; its output, or "" when it hung.
    QString runSecond(const QString &id, int *exitCode)
    {
        QProcess p;
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
        holder.start("flock", {"-x", base + ".lock", "sleep", "20"});
        QVERIFY(holder.waitForStarted());
        // Held once a lock of our own cannot be had.
        const auto held = [&] {
            const int fd = ::open(QFile::encodeName(base + ".lock").constData(), O_RDWR | O_CLOEXEC);
            if (fd < 0)
                return false;
            const bool busy = ::flock(fd, LOCK_EX | LOCK_NB) != 0;
            ::close(fd);
            return busy;
        };
        QTRY_VERIFY_WITH_TIMEOUT(held(), 10000);
        QElapsedTimer t;
        t.start();
        int code = -1;
        QCOMPARE(runSecond("Mirelo.Hung", &code), QStringLiteral("running sent=0"));
        QCOMPARE(code, 0);
        QVERIFY(t.elapsed() >= 4500);
        stop(holder);
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
