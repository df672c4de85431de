// The named mutex is a lock other processes can see, released on request.
#include <QProcess>
#include <QtTest>

#include "lockfilemutex.h"

// Exit code of "flock -n FILE true": 0 when the lock was free.
static int tryLockFromOutside(const QString &path)
{
    return QProcess::execute(QStringLiteral("flock"), {QStringLiteral("-n"), path, QStringLiteral("true")});
}

class TestLockFileMutex : public QObject
{
    Q_OBJECT
private slots:
    void lockIsVisibleToOtherProcesses()
    {
        const QString path = LockFileMutex::lockFilePath(QStringLiteral("Olvex Free Mirelo"));
        QVERIFY(path.startsWith(qEnvironmentVariable("XDG_RUNTIME_DIR") + QLatin1Char('/')));
        {
            LockFileMutex mutex;
            QVERIFY(mutex.acquire(QStringLiteral("Olvex Free Mirelo")));
            QVERIFY(mutex.isOwner());
            QCOMPARE(tryLockFromOutside(path), 1);

            // A second handle to the same name opens it without owning it.
            LockFileMutex second;
            QVERIFY(second.acquire(QStringLiteral("Olvex Free Mirelo")));
            QVERIFY(!second.isOwner());
            second.release();
            QCOMPARE(tryLockFromOutside(path), 1);

            mutex.release();
            QVERIFY(!mutex.isOwner());
            QCOMPARE(tryLockFromOutside(path), 0);
            QVERIFY(mutex.acquire(QStringLiteral("Olvex Free Mirelo")));
        }
        // Destruction releases it too.
        QCOMPARE(tryLockFromOutside(path), 0);
    }

    void namesAreMadeFileSafe()
    {
        const QString path = LockFileMutex::lockFilePath(QStringLiteral("../a/b\\c\n"));
        QCOMPARE(QFileInfo(path).fileName(), QStringLiteral(".._a_b_c_.lock"));
        QCOMPARE(QFileInfo(path).absolutePath(), qEnvironmentVariable("XDG_RUNTIME_DIR"));
        QCOMPARE(QFileInfo(LockFileMutex::lockFilePath(QString())).fileName(), QStringLiteral("_.lock"));
    }
};

QTEST_GUILESS_MAIN(TestLockFileMutex)
#include "tst_lockfilemutex.moc"
