// File, path, screen and system helpers: folder removal must never reach
// outside the tree, the e-mail check is a fixed table, and the system calls
// reach only their test hooks.
#include <QDir>
#include <QGuiApplication>
#include <QScreen>
#include <QTemporaryDir>
#include <QtTest>

#include "fileutils.h"
#include "lockfilemutex.h"

static void touch(const QString &path, const QByteArray &bytes = "x")
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// Waits for a file written by a detached helper script.
static QByteArray waitForFile(const QString &path)
{
    QFile file(path);
    for (int i = 0; i < 100 && !(QFileInfo(path).size() > 0); ++i)
        QTest::qWait(50);
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

class TestFileUtils : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;
    QString at(const QString &name) const { return m_dir.filePath(name); }

private slots:
    void nativePathKeepsBackslashes()
    {
        QCOMPARE(nativePath(QStringLiteral("a/b\\c/")), QStringLiteral("a/b\\c/"));
    }

    void makeDirCreatesMissingLevels()
    {
        QVERIFY(makeDirIfMissing(at(QStringLiteral("one"))));
        touch(at(QStringLiteral("one/keep")));
        QVERIFY(makeDirIfMissing(at(QStringLiteral("one"))));
        QVERIFY(QFile::exists(at(QStringLiteral("one/keep"))));

        const QString old = QDir::currentPath();
        QDir::setCurrent(m_dir.path());
        QVERIFY(makeDirIfMissing(QStringLiteral("x/y/z")));
        QDir::setCurrent(old);
        QVERIFY(QFileInfo(at(QStringLiteral("x/y/z"))).isDir());

        // A file in the way is no folder.
        touch(at(QStringLiteral("plain")));
        QVERIFY(!makeDirIfMissing(at(QStringLiteral("plain"))));
        QVERIFY(!makeDirIfMissing(QString()));
    }

    void removeDirTree()
    {
        QVERIFY(!removeDirRecursively(QString()));
        QVERIFY(removeDirRecursively(at(QStringLiteral("never-was"))));

        touch(at(QStringLiteral("tree/a.txt")));
        touch(at(QStringLiteral("tree/sub/b.txt")));
        touch(at(QStringLiteral("tree/sub/deeper/c.txt")));
        QVERIFY(removeDirRecursively(at(QStringLiteral("tree"))));
        QVERIFY(!QFileInfo::exists(at(QStringLiteral("tree"))));

        touch(at(QStringLiteral("hidden/visible.txt")));
        touch(at(QStringLiteral("hidden/.dotfile")));
        QVERIFY(!removeDirRecursively(at(QStringLiteral("hidden"))));
        QVERIFY(!QFileInfo::exists(at(QStringLiteral("hidden/visible.txt"))));
        QVERIFY(QFileInfo::exists(at(QStringLiteral("hidden/.dotfile"))));
    }

    void symbolicLinksAreRemovedNotFollowed()
    {
        touch(at(QStringLiteral("outside/precious.txt")));
        touch(at(QStringLiteral("outside/inner/precious2.txt")));
        touch(at(QStringLiteral("outfile.txt")));
        touch(at(QStringLiteral("linked/own.txt")));
        QVERIFY(QFile::link(at(QStringLiteral("outside")), at(QStringLiteral("linked/to-folder"))));
        QVERIFY(QFile::link(at(QStringLiteral("outfile.txt")), at(QStringLiteral("linked/to-file"))));
        QVERIFY(QFile::link(at(QStringLiteral("gone")), at(QStringLiteral("linked/dangling"))));

        // The dangling link is not listed (like hidden entries), so the top
        // folder stays; everything reachable through links survives.
        removeDirRecursively(at(QStringLiteral("linked")));
        QVERIFY(QFileInfo::exists(at(QStringLiteral("outside/precious.txt"))));
        QVERIFY(QFileInfo::exists(at(QStringLiteral("outside/inner/precious2.txt"))));
        QVERIFY(QFileInfo::exists(at(QStringLiteral("outfile.txt"))));
        QVERIFY(!QFileInfo(at(QStringLiteral("linked/to-folder"))).isSymLink());
        QVERIFY(!QFileInfo(at(QStringLiteral("linked/to-file"))).isSymLink());
        QVERIFY(!QFileInfo::exists(at(QStringLiteral("linked/own.txt"))));

        // A link handed over directly goes as a link too.
        QVERIFY(QFile::link(at(QStringLiteral("outside")), at(QStringLiteral("direct"))));
        QVERIFY(removeFileOrFolder(at(QStringLiteral("direct"))));
        QVERIFY(!QFileInfo(at(QStringLiteral("direct"))).isSymLink());
        QVERIFY(QFile::link(at(QStringLiteral("outside")), at(QStringLiteral("direct2"))));
        QVERIFY(removeDirRecursively(at(QStringLiteral("direct2"))));
        QVERIFY(QFileInfo::exists(at(QStringLiteral("outside/precious.txt"))));
    }

    void removeFileOrFolderCases()
    {
        touch(at(QStringLiteral("single.txt")));
        QVERIFY(removeFileOrFolder(at(QStringLiteral("single.txt"))));
        QVERIFY(!QFile::exists(at(QStringLiteral("single.txt"))));
        touch(at(QStringLiteral("folder/x")));
        QVERIFY(removeFileOrFolder(at(QStringLiteral("folder"))));
        QVERIFY(!QFile::exists(at(QStringLiteral("folder"))));
        QVERIFY(!removeFileOrFolder(at(QStringLiteral("absent.txt"))));
    }

    void emailCheck_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("valid");
        QTest::newRow("plain") << "ann.lee@example.com" << true;
        QTest::newRow("two-letter end") << "ab@example.de" << true;
        QTest::newRow("five-letter end") << "ab@example.email" << true;
        QTest::newRow("no at sign") << "ann.example.com" << false;
        QTest::newRow("one-letter end") << "ann@example.c" << false;
        QTest::newRow("six-letter end") << "ann@example.museum" << false;
        QTest::newRow("leading dot") << ".ann@example.com" << false;
        QTest::newRow("dot before at") << "ann.@example.com" << false;
        QTest::newRow("one-character name") << "a@example.com" << false;
        QTest::newRow("no dot after at") << "ann@localhost" << false;
        QTest::newRow("empty") << "" << false;
    }
    void emailCheck()
    {
        QFETCH(QString, text);
        QFETCH(bool, valid);
        QCOMPARE(isValidEmail(text), valid);
    }

    void centeredOnScreen()
    {
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        const int count = QGuiApplication::screens().size();
        const QRect r = centeredRect(100, 51, -1);
        QCOMPARE(r.size(), QSize(100, 51));
        QCOMPARE(r.x(), screen.x() + (screen.width() - 100) / 2);
        QCOMPARE(r.y(), screen.y() + (screen.height() - 51) / 2);
        // No such screen: screen 0.
        QCOMPARE(centeredRect(100, 51, count + 2).topLeft(),
                 QGuiApplication::screens().first()->geometry().topLeft()
                     + QPoint((QGuiApplication::screens().first()->geometry().width() - 100) / 2,
                              (QGuiApplication::screens().first()->geometry().height() - 51) / 2));
        // Larger than the screen: negative offset, not clipped.
        const QRect big = centeredRect(screen.width() + 101, screen.height() + 40, 0);
        QCOMPARE(big.x(), screen.x() - 50);
        QCOMPARE(big.y(), screen.y() - 20);
        QCOMPARE(big.width(), screen.width() + 101);
    }

    void fileVersionFromMarker()
    {
        QByteArray binary("\x7f" "ELF junk MIRELO_FILE_VERSION=broken\0more", 40);
        binary += QByteArray("MIRELO_FILE_VERSION=1.0.0.1\0", 28);
        binary += QByteArray(1000, '\0');
        touch(at(QStringLiteral("prog.bin")), binary);
        QCOMPARE(fileVersion(at(QStringLiteral("prog.bin"))), QStringLiteral("1.0.0.1"));
        touch(at(QStringLiteral("plain.txt")), "no marker here");
        QCOMPARE(fileVersion(at(QStringLiteral("plain.txt"))), QString());
        touch(at(QStringLiteral("overflow.bin")), QByteArray("MIRELO_FILE_VERSION=1.70000.0.1\0", 32));
        QCOMPARE(fileVersion(at(QStringLiteral("overflow.bin"))), QString());
        QCOMPARE(fileVersion(at(QStringLiteral("absent.bin"))), QString());
    }

    void revealGoesToTheFileManager()
    {
        // A stand-in xdg-open records what it was given.
        const QString bin = at(QStringLiteral("bin"));
        const QString record = at(QStringLiteral("opened.txt"));
        touch(bin + QStringLiteral("/xdg-open"),
              QStringLiteral("#!/bin/sh\nprintf '%s\\n' \"$@\" > '%1'\n").arg(record).toUtf8());
        QFile::setPermissions(bin + QStringLiteral("/xdg-open"), QFile::ReadOwner | QFile::ExeOwner);
        qputenv("PATH", bin.toUtf8() + ":" + qgetenv("PATH"));

        QVERIFY(!revealInExplorer(at(QStringLiteral("no such file"))));
        QVERIFY(!QFile::exists(record));

        const QString odd = at(QStringLiteral("shown dir/it's \"odd\" $x.mp4"));
        touch(odd);
        QVERIFY(revealInExplorer(odd));
        QCOMPARE(waitForFile(record), (at(QStringLiteral("shown dir")) + QLatin1Char('\n')).toUtf8());
    }

    void shutdownReachesOnlyTheHook()
    {
        const QString marker = at(QStringLiteral("poweroff marker"));
        qputenv("MIRELO_POWEROFF_COMMAND",
                QStringLiteral("/bin/sh -c \"echo off > '%1'\"").arg(marker).toUtf8());
        shutdownSystem();
        QCOMPARE(waitForFile(marker), QByteArray("off\n"));
    }

    // Held from create to close: another holder is refused meanwhile and
    // takes it after the close; creating or closing twice changes nothing.
    void namedMutexCanBeTakenAgainAfterClose()
    {
        const QString name = QStringLiteral("Olvex Free Mirelo");
        createNamedMutex(name);
        createNamedMutex(name);
        {
            LockFileMutex other;
            QVERIFY(other.acquire(name));
            QVERIFY(!other.isOwner());
        }
        closeNamedMutex(name);
        closeNamedMutex(name);
        LockFileMutex other;
        QVERIFY(other.acquire(name));
        QVERIFY(other.isOwner());
    }
};

QTEST_MAIN(TestFileUtils)
#include "tst_fileutils.moc"
