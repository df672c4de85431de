// The history store: the bytes of History.xml, what loading tolerates, that
// nothing already kept is lost to a bad file or a failed write, and the
// program's store read beside the start.
#include <QtTest>

#include "enviroment.h"
#include "historylist.h"
#include "keptfile.h"
#include "testsupport.h"

namespace {

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeAll(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

} // namespace

class TestHistoryList : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir m_dir;
    QStringList m_told; // what the user was told
    QString path() const { return m_dir.filePath(QStringLiteral("data/History.xml")); }
    QString backup(int n) const
    {
        return path() + QStringLiteral(".bak") + (n ? QStringLiteral(".%1").arg(n) : QString());
    }

private slots:
    void init()
    {
        QDir(m_dir.path()).removeRecursively();
        QDir().mkpath(m_dir.path());
        m_told.clear();
        KeptFile::resetNotices();
        KeptFile::setNoticeHandler([this](const QString &text) { m_told << text; });
    }
    void cleanup() { KeptFile::setNoticeHandler({}); }

    void exactBytes()
    {
        {
            HistoryList list(path(), nullptr);
            list.save();
            QCOMPARE(readAll(path()), QByteArray("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<History/>\n"));
            list.addItem(0, QStringLiteral("/v/Video_26-12-08_02-42-01.mp4"), QSize(640, 480), 5012, 123456);
            list.addItem(1, QStringLiteral("/v/A&\"<é>.mp3"), QSize(-1, -1), -20, 99);
            list.addItem(2, QStringLiteral("/s/Snapshot.jpg"), QSize(1920, 1080), 7, 5);
            list.addItem(0, QStringLiteral("/v/nosize.mp4"), QSize(-1, -1), 0, 0);
        }
        const QByteArray expected =
            "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
            "<History>\n"
            "    <Item FileName=\"/v/nosize.mp4\" Type=\"0\" FileSize=\"0\" Size=\"-1x-1\" Duration=\"0\"/>\n"
            "    <Item FileName=\"/s/Snapshot.jpg\" Type=\"2\" FileSize=\"5\" Size=\"1920x1080\"/>\n"
            "    <Item FileName=\"/v/A&amp;&quot;&lt;\xc3\xa9&gt;.mp3\" Type=\"1\" FileSize=\"99\" Duration=\"0\"/>\n"
            "    <Item FileName=\"/v/Video_26-12-08_02-42-01.mp4\" Type=\"0\" FileSize=\"123456\" Size=\"640x480\" Duration=\"5012\"/>\n"
            "</History>\n";
        QCOMPARE(readAll(path()), expected);

        // Back in the same order, newest first.
        HistoryList again(path(), nullptr);
        QCOMPARE(again.count(), 4);
        QCOMPARE(again.itemAt(0)->fileName(), QStringLiteral("/v/nosize.mp4"));
        QCOMPARE(again.itemAt(2)->fileName(), QStringLiteral("/v/A&\"<é>.mp3"));
        QCOMPARE(again.itemAt(2)->size(), QSize(-1, -1));
        QCOMPARE(again.itemAt(3)->duration(), qint64(5012));
        QCOMPARE(again.itemAt(3)->size(), QSize(640, 480));
    }

    void loadTolerance()
    {
        QDir().mkpath(QFileInfo(path()).absolutePath());
        writeAll(path(),
                 "<?xml version=\"1.0\"?><History>"
                 "<Item FileName=\"a\" Size=\"10x20\" Duration=\"abc\" FileSize=\"18446744073709551615\"/>"
                 "<Item FileName=\"b\" Type=\"3\"/><Item FileName=\"c\" Type=\"-1\"/>"
                 "<Other Type=\"0\"/>text"
                 "<Item FileName=\"d\" Type=\"2\" Size=\"1920x1080x2\" Duration=\"5\"/>"
                 "<Item FileName=\"e\" Type=\"2\" Size=\"x1080\"/>"
                 "<Item FileName=\"f\" Type=\"1\" Size=\"5x5\" Duration=\"9223372036854775808\"/>"
                 // Only the root's own children are entries.
                 "<Group><Item FileName=\"g\" Type=\"0\"/></Group>"
                 "<Item FileName=\"h\" Type=\"0\"><Item FileName=\"i\" Type=\"0\"/>x</Item>"
                 "</History>");
        HistoryList list(path(), nullptr);
        QCOMPARE(list.count(), 5);
        QCOMPARE(list.itemAt(4)->fileName(), QStringLiteral("h"));
        QCOMPARE(list.itemAt(0)->type(), 0);
        QCOMPARE(list.itemAt(0)->size(), QSize(10, 20));
        QCOMPARE(list.itemAt(0)->duration(), qint64(0));
        QCOMPARE(list.itemAt(0)->fileSize(), quint64(18446744073709551615ull));
        QCOMPARE(list.itemAt(1)->size(), QSize(-1, -1));
        QCOMPARE(list.itemAt(1)->duration(), qint64(0));
        QCOMPARE(list.itemAt(2)->size(), QSize(0, 1080));
        QCOMPARE(list.itemAt(3)->size(), QSize(-1, -1));
        QCOMPARE(list.itemAt(3)->duration(), qint64(0));
        QVERIFY(!QFile::exists(path() + QStringLiteral(".bak")));
    }

    void unreadableFileIsKeptAsBak()
    {
        QDir().mkpath(QFileInfo(path()).absolutePath());
        const QByteArray damaged = "<History><Item FileName=\"x\" Type=\"0\"></History";
        writeAll(path(), damaged);
        {
            HistoryList list(path(), nullptr);
            QCOMPARE(list.count(), 0);
            QCOMPARE(m_told.size(), 1); // told at once, with the file
            QVERIFY(m_told.first().contains(QDir::toNativeSeparators(path())));
            QCOMPARE(readAll(path()), damaged); // untouched until the next save
            list.addItem(0, QStringLiteral("new.mp4"), QSize(2, 2), 1, 1);
        }
        QCOMPARE(readAll(backup(0)), damaged);
        QVERIFY(readAll(path()).contains("new.mp4"));

        // Another root is no history either; it never replaces the first
        // backup. An empty file needs no copy.
        writeAll(path(), "<Options/>");
        HistoryList(path(), nullptr).save();
        QCOMPARE(readAll(backup(0)), damaged);
        QCOMPARE(readAll(backup(1)), QByteArray("<Options/>"));
        writeAll(path(), "");
        HistoryList(path(), nullptr).save();
        QVERIFY(!QFile::exists(backup(2)));
    }

    void fifoOrDeepFileIsSetAside()
    {
        // A FIFO would block a plain open for good; a file nested 300 000
        // levels deep overflows the document model's recursion.
        QVERIFY(testsupport::makeFifo(path()));
        {
            HistoryList list(path(), nullptr);
            QCOMPARE(list.count(), 0);
        }
        QVERIFY(QFileInfo(backup(0)).exists() && !QFileInfo(backup(0)).isFile());
        const QByteArray deep = testsupport::deepXml(300000, "History");
        writeAll(path(), deep);
        {
            HistoryList list(path(), nullptr);
            QCOMPARE(list.count(), 0);
            list.addItem(0, QStringLiteral("new.mp4"), QSize(2, 2), 1, 1);
        }
        QCOMPARE(readAll(backup(1)), deep);
        QCOMPARE(HistoryList(path(), nullptr).count(), 1);
    }

    void fullDiskKeepsTheOldFileAndTellsOnce()
    {
        HistoryList list(path(), nullptr);
        list.addItem(0, QStringLiteral("kept.mp4"), QSize(2, 2), 1, 1);
        list.addItem(1, QStringLiteral("also.mp3"), QSize(-1, -1), 1, 1);
        const QByteArray before = readAll(path());
        {
            testsupport::FileSizeLimit full(16);
            list.addItem(0, QStringLiteral("lost.mp4"), QSize(2, 2), 1, 1);
            QVERIFY(!list.save());
        }
        QCOMPARE(readAll(path()), before);
        QCOMPARE(QDir(QFileInfo(path()).absolutePath()).entryList(QDir::Files), QStringList{"History.xml"});
        QCOMPARE(m_told.size(), 1);
        QVERIFY(m_told.first().contains(QDir::toNativeSeparators(path())));
        // Once there is room again, nothing is lost.
        QVERIFY(list.save());
        QCOMPARE(HistoryList(path(), nullptr).count(), 3);
    }

    void failedWriteKeepsTheOldFile()
    {
        HistoryList list(path(), nullptr);
        list.addItem(0, QStringLiteral("kept.mp4"), QSize(2, 2), 1, 1);
        const QByteArray before = readAll(path());
        const QString folder = QFileInfo(path()).absolutePath();
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner);
        list.addItem(0, QStringLiteral("lost.mp4"), QSize(2, 2), 1, 1);
        const bool saved = list.save();
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        if (saved)
            QSKIP("the folder stays writable (running as root)");
        QCOMPARE(readAll(path()), before);
    }

    void severalEntriesGoAtOnce()
    {
        HistoryList list(path(), nullptr);
        for (int i = 0; i < 6; ++i)
            list.addItem(i % 3, QStringLiteral("/v/%1").arg(i), QSize(1, 1), 0, 0);
        // Newest first: 5 4 3 2 1 0. Those hidden by the view go too.
        list.filterByType(0);
        QCOMPARE(list.count(), 2);
        HistoryItem stranger;
        list.removeItems({list.items().at(0), list.items().at(2), list.items().at(3), &stranger, nullptr});
        auto names = [](const HistoryList &l) {
            QStringList n;
            for (const HistoryItem *item : l.items())
                n << item->fileName();
            return n;
        };
        const QStringList left{QStringLiteral("/v/4"), QStringLiteral("/v/1"), QStringLiteral("/v/0")};
        QCOMPARE(names(list), left);
        QCOMPARE(list.count(), 1);
        QCOMPARE(list.itemAt(0)->fileName(), QStringLiteral("/v/0"));
        QCOMPARE(names(HistoryList(path(), nullptr)), left);
    }

    // The program's own store is read beside the start: whatever asks for
    // it first waits for the reading, an entry added at once joins those
    // read, and an unreadable file is told without anyone asking.
    void theProgramsStoreIsReadBesideTheStart()
    {
        QVERIFY(testsupport::isolatedHome());
        Enviroment settings;
        g_enviroment = &settings;
        const auto restore = qScopeGuard([] { g_enviroment = nullptr; });
        const QString file = settings.privateData->historyFilePath();
        QDir().mkpath(QFileInfo(file).absolutePath());
        QByteArray xml = "<History>";
        for (int i = 0; i < 20000; ++i)
            xml += "<Item FileName=\"/v/" + QByteArray::number(i) + ".mp4\" Type=\"0\"/>";
        writeAll(file, xml + "</History>");
        {
            HistoryList list;
            list.addItem(1, QStringLiteral("/v/new.mp3"), QSize(-1, -1), 1, 1);
            QCOMPARE(list.count(), 20001);
            QCOMPARE(list.itemAt(0)->fileName(), QStringLiteral("/v/new.mp3"));
            QCOMPARE(list.itemAt(20000)->fileName(), QStringLiteral("/v/19999.mp4"));
        }
        QCOMPARE(HistoryList(file, nullptr).count(), 20001);
        {
            HistoryList list;
            QCOMPARE(list.items().size(), 20001);
        }

        writeAll(file, "<History><Item");
        HistoryList list;
        QTRY_COMPARE(m_told.size(), 1);
        QVERIFY(m_told.first().contains(QDir::toNativeSeparators(file)));
        QCOMPARE(list.count(), 0);
    }

    void listAndView()
    {
        HistoryList list(QString(), nullptr);
        list.addItem(0, QStringLiteral("/Videos/mp4stuff/clip.MP4"), QSize(1, 1), 0, 0);
        list.addItem(1, QStringLiteral("/Videos/mp4stuff/sound.mp3"), QSize(-1, -1), 0, 0);
        list.addItem(1, QStringLiteral("/Videos/mp4stuff/sound.mp3"), QSize(-1, -1), 0, 0);
        QCOMPARE(list.count(), 3); // the same path twice is two entries
        list.insertItem(list.itemAt(0));
        QCOMPARE(list.count(), 3);

        list.filterByName(QStringLiteral("mp4"));
        QCOMPARE(list.count(), 1);
        QCOMPARE(list.itemAt(0)->type(), 0);
        list.filterByName(QString());
        QCOMPARE(list.count(), 3);
        list.filterByType(0);
        QCOMPARE(list.count(), 1);
        list.addItem(2, QStringLiteral("shot.png"), QSize(3, 3), 0, 0);
        QCOMPARE(list.count(), 2);
        QCOMPARE(list.itemAt(0)->type(), 2);
        QVERIFY(!list.itemAt(-1));
        QVERIFY(!list.itemAt(list.count()));

        list.filterByType(1);
        list.removeItem(list.itemAt(0));
        QCOMPARE(list.count(), 1);
        QCOMPARE(list.items().size(), 3);
        list.filterByType(2);
        list.clear();
        QCOMPARE(list.items().size(), 0);
        QCOMPARE(list.count(), 0);
    }
};

QTEST_GUILESS_MAIN(TestHistoryList)
#include "tst_historylist.moc"
