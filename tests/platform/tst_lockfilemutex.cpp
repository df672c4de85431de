// The named mutex is a lock other processes can see, released on request;
// it, and whatever else must stay the user's own, lives in a folder no other
// user can write, and a lock there that is not the user's own is not trusted.
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>
#include <unistd.h>

#include "lockfilemutex.h"
#include "privatefolder.h"

// Exit code of "flock -n FILE true": 0 when the lock was free.
static int tryLockFromOutside(const QString &path)
{
    return QProcess::execute(QStringLiteral("flock"), {QStringLiteral("-n"), path, QStringLiteral("true")});
}

namespace {

// Runs the body without a runtime folder and with `temp` as the temporary
// folder, as a session without XDG_RUNTIME_DIR does.
template <class Body>
void withoutRuntimeFolder(const QString &temp, Body body)
{
    const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
    const QByteArray tmpdir = qgetenv("TMPDIR");
    qunsetenv("XDG_RUNTIME_DIR");
    qputenv("TMPDIR", QFile::encodeName(temp));
    body();
    qputenv("XDG_RUNTIME_DIR", runtime);
    qputenv("TMPDIR", tmpdir);
}

mode_t modeOf(const QString &path)
{
    struct stat st;
    return ::lstat(QFile::encodeName(path).constData(), &st) == 0 ? st.st_mode & 07777 : mode_t(-1);
}

// Holds an flock on `path` in another process until it is killed, as a
// process of another user would.
bool holdFromOutside(QProcess &holder, const QString &path)
{
    holder.start(QStringLiteral("flock"), {QStringLiteral("-x"), path, QStringLiteral("sleep"), QStringLiteral("30")});
    if (!holder.waitForStarted())
        return false;
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < 10000) {
        if (tryLockFromOutside(path) == 1)
            return true;
        QThread::msleep(20);
    }
    return false;
}

} // namespace


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

    // A lock held through a link, or a file of another user at the name,
    // would make every acquire lose to someone who is not this program.
    void aLockThatIsNotTheUsersOwnIsReplaced()
    {
        QTemporaryDir elsewhere;
        const QString bait = elsewhere.filePath(QStringLiteral("bait"));
        QFile(bait).open(QIODevice::WriteOnly);
        const QString path = LockFileMutex::lockFilePath(QStringLiteral("Planted"));
        QVERIFY(QFile::link(bait, path));
        QProcess holder;
        QVERIFY(holdFromOutside(holder, bait));
        {
            LockFileMutex mutex;
            QVERIFY(mutex.acquire(QStringLiteral("Planted")));
            QVERIFY2(mutex.isOwner(), "a lock held through a link counted");
            QVERIFY(!QFileInfo(path).isSymLink());
        }
        holder.kill();
        holder.waitForFinished();

        // Root can hand a file to another user; others test the link only.
        if (::geteuid() != 0)
            return;
        const QString foreign = LockFileMutex::lockFilePath(QStringLiteral("Foreign"));
        QFile(foreign).open(QIODevice::WriteOnly);
        QCOMPARE(::chown(QFile::encodeName(foreign).constData(), 12345, 12345), 0);
        QProcess other;
        QVERIFY(holdFromOutside(other, foreign));
        LockFileMutex mutex;
        QVERIFY(mutex.acquire(QStringLiteral("Foreign")));
        QVERIFY2(mutex.isOwner(), "another user's lock counted");
        QCOMPARE(QFileInfo(foreign).ownerId(), ::geteuid());
        other.kill();
        other.waitForFinished();
    }

    // Without a runtime folder the locks go into a folder of the user's own
    // in the temporary folder, never straight into a folder all can write,
    // and never into one someone else made or could write.
    void withoutARuntimeFolderOnlyAPrivateFolderIsUsed()
    {
        QTemporaryDir temp;
        const QString own = temp.filePath(QStringLiteral("mirelo-%1").arg(::geteuid()));
        withoutRuntimeFolder(temp.path(), [&] {
            QCOMPARE(PrivateFolder::path(), own);
            QCOMPARE(modeOf(own), mode_t(0700));
            QCOMPARE(QFileInfo(LockFileMutex::lockFilePath(QStringLiteral("x"))).absolutePath(), own);
            LockFileMutex mutex;
            QVERIFY(mutex.acquire(QStringLiteral("x")));
            QVERIFY(mutex.isOwner());
            mutex.release();

            // Writable by others: anything could have been planted in it.
            QVERIFY(QFile::setPermissions(own, QFile::Permissions(0x7777)));
            QCOMPARE(PrivateFolder::path(), QString());
            QCOMPARE(LockFileMutex::lockFilePath(QStringLiteral("x")), QString());
            QVERIFY(!mutex.acquire(QStringLiteral("x")));
            QVERIFY(QDir(own).removeRecursively());

            // A link to a folder, even a private one of ours, may be
            // turned elsewhere at any time.
            QTemporaryDir target;
            QVERIFY(QFile::setPermissions(target.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
            QVERIFY(QFile::link(target.path(), own));
            QCOMPARE(PrivateFolder::path(), QString());
            QVERIFY(QFile::remove(own));

            if (::geteuid() == 0) {
                QVERIFY(QDir().mkdir(own));
                QVERIFY(QFile::setPermissions(own, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
                QCOMPARE(::chown(QFile::encodeName(own).constData(), 12345, 12345), 0);
                QCOMPARE(PrivateFolder::path(), QString());
            }
        });
        // A runtime folder others can write is not used either.
        QTemporaryDir shared;
        QVERIFY(QFile::setPermissions(shared.path(), QFile::Permissions(0x7777)));
        const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(shared.path()));
        const QString chosen = PrivateFolder::path();
        qputenv("XDG_RUNTIME_DIR", runtime);
        QVERIFY(chosen != shared.path());
    }
};

QTEST_GUILESS_MAIN(TestLockFileMutex)
#include "tst_lockfilemutex.moc"
