// The options file seen from outside: what lands in config.xml, and what a
// damaged or hand-edited file gives back.
#include <QDir>
#include <QDomDocument>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>
#include <unistd.h>

#include "datagroupoutput.h"
#include "filenamecodec.h"
#include "keptfile.h"
#include "languages.h"
#include "myconfig.h"
#include "userfolders.h"
#include "testsupport.h"

static QByteArray readAll(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.readAll();
}

static void writeAll(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

// The text of every element of that name (exact case) in the file.
static QStringList elementTexts(const QString &path, const QString &name)
{
    QDomDocument doc;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || !doc.setContent(&file))
        return {QStringLiteral("<unparsable>")};
    QStringList texts;
    const QDomNodeList nodes = doc.elementsByTagName(name);
    for (int i = 0; i < nodes.size(); ++i)
        texts << nodes.item(i).toElement().text();
    return texts;
}

// A disk with only this much room for a file while it lives.
using DiskRoom = testsupport::FileSizeLimit;

static const QByteArray kUserFile = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<config>\n    <Options>\n"
                                    "        <IsFirstRun>0</IsFirstRun>\n        <Language>fr</Language>\n"
                                    "        <Width>1234</Width>\n    </Options>\n</config>\n";

class TestConfig : public QObject
{
    Q_OBJECT

    QString dataFolder() const
    {
        return qEnvironmentVariable("XDG_DATA_HOME") + QStringLiteral("/Olvex/Free Mirelo/");
    }
    QString configPath() const { return dataFolder() + QStringLiteral("config.xml"); }

    QStringList m_told; // what the user was told

private slots:
    void init()
    {
        QDir(qEnvironmentVariable("XDG_DATA_HOME")).removeRecursively();
        m_told.clear();
        KeptFile::resetNotices();
        KeptFile::setNoticeHandler([this](const QString &text) { m_told << text; });
    }
    void cleanup() { KeptFile::setNoticeHandler({}); }

    void firstStartMakesTheFile()
    {
        {
            MyConfig config;
            QVERIFY(config.isFirstRun());
            QCOMPARE(config.userDataPath(), dataFolder());
            QCOMPARE(config.filePath(), configPath());
            QVERIFY(config.applicationPath().endsWith(QLatin1Char('/')));
            QCOMPARE(config.width(), 0);
            QCOMPARE(config.lastCameraFormatIndex(), -1);
            QCOMPARE(config.lastCameraPosition(), -1);
            // Nothing is contacted until an address is configured.
            QVERIFY(config.updateUrl().isEmpty());
            QVERIFY(!config.language().isEmpty());
            const QByteArray text = readAll(configPath());
            QVERIFY2(QString::fromUtf8(text).contains(QRegularExpression(
                         QStringLiteral("^<\\?xml version=.1\\.0. encoding=.UTF-8.\\?>\n"))),
                     text.constData());
            QVERIFY2(text.contains("\n<config>\n    <Options>\n"
                                     "        <IsFirstRun>0</IsFirstRun>\n"
                                     "        <isIsDeleteFile>0</isIsDeleteFile>\n"),
                     text.constData());
        }
        MyConfig again;
        QVERIFY(!again.isFirstRun());
    }

    void exitWritesOnlyTheLastingKeys()
    {
        {
            MyConfig config;
            config.setLanguage(QStringLiteral("de"), false);
            config.setCustomName(QStringLiteral("Ann"), false);
            config.setSkipVersion(QStringLiteral("2.0.0.0"), false);
            QCOMPARE(elementTexts(configPath(), QStringLiteral("Language")), QStringList());
            config.setValue(QStringLiteral("UpdateUrl"), QStringLiteral("http://127.0.0.1:9/u.xml"));
        }
        QCOMPARE(elementTexts(configPath(), QStringLiteral("Language")), QStringList{"de"});
        QCOMPARE(elementTexts(configPath(), QStringLiteral("SkipVersion")), QStringList{"2.0.0.0"});
        QCOMPARE(elementTexts(configPath(), QStringLiteral("LastCameraPosition")), QStringList{"-1"});
        QCOMPARE(elementTexts(configPath(), QStringLiteral("CustomName")), QStringList());
        MyConfig config;
        QCOMPARE(config.language(), QStringLiteral("de"));
        QCOMPARE(config.updateUrl(), QStringLiteral("http://127.0.0.1:9/u.xml"));
        QCOMPARE(config.customName(), QString());
    }

    void settersThatWriteAtOnce()
    {
        MyConfig config;
        config.setWidth(1280);
        config.setLastCameraFormatIndex(-1);
        config.setCustomEmail(QString(), true);
        config.setLastCameraName(QStringLiteral("Cam A"));
        QCOMPARE(elementTexts(configPath(), QStringLiteral("Width")), QStringList{"1280"});
        QCOMPARE(elementTexts(configPath(), QStringLiteral("LastCameraFormatIndex")), QStringList{"-1"});
        QCOMPARE(elementTexts(configPath(), QStringLiteral("CustomEmail")), QStringList{""});
        QCOMPARE(config.getValue(QStringLiteral("LastCameraName")), QStringLiteral("Cam A"));
        // An empty stored text reads as its default.
        QCOMPARE(config.readValue(QStringLiteral("CustomEmail"), QStringLiteral("d")), QStringLiteral("d"));
    }

    void nonNumericNumbersReadAsZero()
    {
        writeAll(configPath(), "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<config><Options>"
                               "<IsFirstRun>0</IsFirstRun><Width>wide</Width><Height>480</Height>"
                               "</Options></config>");
        MyConfig config;
        QVERIFY(!config.isFirstRun());
        QCOMPARE(config.width(), 0);
        QCOMPARE(config.height(), 480);
    }

    void specialAndNonAsciiValuesRoundTrip()
    {
        MyConfig config;
        const QString value = QStringLiteral("日本語 <a> & \"b\" 'c' é");
        config.setCustomName(value, true);
        QCOMPARE(config.getValue(QStringLiteral("CustomName")), value);
        QVERIFY(readAll(configPath()).contains(QStringLiteral("日本語").toUtf8()));
        config.setCustomName(QStringLiteral("second"), true);
        QCOMPARE(elementTexts(configPath(), QStringLiteral("CustomName")), QStringList{"second"});
    }

    void controlCharactersDoNotSpoilTheFile()
    {
        // A device name or a pasted text may carry characters XML cannot hold;
        // they must not make the other options unreadable.
        {
            MyConfig config;
            config.setLastCameraName(QStringLiteral("Cam") + QChar(0x01) + QStringLiteral("era\tone"));
            config.setWidth(640);
        }
        MyConfig again;
        QCOMPARE(again.width(), 640);
        QCOMPARE(again.lastCameraName(), QStringLiteral("Camera\tone"));
        QVERIFY(!again.isFirstRun());
        QDomDocument doc;
        QVERIFY(doc.setContent(readAll(configPath())));
    }

    void caseShadowedKeyIsUpdatedNotDuplicated()
    {
        writeAll(configPath(), "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<config><options>"
                               "<IsFirstRun>0</IsFirstRun><language>de</language></options></config>");
        MyConfig config;
        QCOMPARE(config.language(), QStringLiteral("de"));
        config.setLanguage(QStringLiteral("fr"), true);
        QCOMPARE(config.getValue(QStringLiteral("Language")), QStringLiteral("fr"));
        QCOMPARE(elementTexts(configPath(), QStringLiteral("language")), QStringList{"fr"});
        QCOMPARE(elementTexts(configPath(), QStringLiteral("Language")), QStringList());
        QCOMPARE(elementTexts(configPath(), QStringLiteral("Options")), QStringList());
    }

    void fileRootedAtOptionsIsReadThenReplacedWithBackup()
    {
        const QByteArray old = "<?xml version=\"1.0\"?><Options><IsFirstRun>0</IsFirstRun>"
                               "<Language>jp</Language><Width>640</Width></Options>";
        writeAll(configPath(), old);
        Config reader;
        reader.setFilePath(configPath());
        QCOMPARE(reader.getValue(QStringLiteral("Language")), QStringLiteral("jp"));
        QCOMPARE(reader.getValue(QStringLiteral("width")), QStringLiteral("640"));
        QVERIFY(reader.setValue(QStringLiteral("Height"), QStringLiteral("10")));
        QCOMPARE(readAll(configPath() + QStringLiteral(".bak")), old);
        QDomDocument doc;
        QVERIFY(doc.setContent(readAll(configPath())));
        QCOMPARE(doc.documentElement().tagName(), QStringLiteral("config"));
        QCOMPARE(reader.getValue(QStringLiteral("Height")), QStringLiteral("10"));
        QCOMPARE(reader.getValue(QStringLiteral("Language")), QString());
    }

    void damagedFileStartsWithDefaultsAndIsKept()
    {
        for (const QByteArray &damaged :
             {QByteArray("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<config>\n    <Options>\n        <IsFirst"),
              QByteArray("\x00\x01\xff garbage", 12), QByteArray()}) {
            QDir(dataFolder()).removeRecursively();
            writeAll(configPath(), damaged);
            {
                MyConfig config;
                QVERIFY(config.isFirstRun());
                QCOMPARE(config.width(), 0);
                config.setWidth(800);
            }
            QCOMPARE(readAll(configPath() + QStringLiteral(".bak")), damaged);
            QCOMPARE(elementTexts(configPath(), QStringLiteral("Width")), QStringList{"800"});
            QCOMPARE(elementTexts(configPath(), QStringLiteral("IsFirstRun")), QStringList{"0"});
        }
    }

    void fifoOrDeepFileStartsWithDefaultsAndIsKept()
    {
        // A FIFO blocks a plain open for good; a file 300 000 levels deep
        // kept the document model busy for minutes. Both are unreadable.
        QVERIFY(testsupport::makeFifo(configPath()));
        {
            MyConfig config;
            QVERIFY(config.isFirstRun());
        }
        QVERIFY(QFileInfo::exists(configPath() + QStringLiteral(".bak")));
        QVERIFY(!QFileInfo(configPath() + QStringLiteral(".bak")).isFile());
        const QByteArray deep = testsupport::deepXml(300000, "config");
        writeAll(configPath(), deep);
        {
            MyConfig config;
            QVERIFY(config.isFirstRun());
        }
        QCOMPARE(readAll(configPath() + QStringLiteral(".bak.1")), deep);
        QCOMPARE(elementTexts(configPath(), QStringLiteral("IsFirstRun")), QStringList{"0"});
        QCOMPARE(m_told.size(), 2); // each kept file once
        QVERIFY(m_told.last().contains(QStringLiteral("config.xml.bak.1")));
    }

    void readerStaysInsideTheSection()
    {
        writeAll(configPath(), "<config><Other><Language>xx</Language></Other>"
                               "<Options><Deep><Language>de<b/>rest</Language></Deep></Options>"
                               "<Width>5</Width></config>");
        Config reader;
        reader.setFilePath(configPath());
        // Found at any depth inside, text up to a nested element.
        QCOMPARE(reader.getValue(QStringLiteral("LANGUAGE")), QStringLiteral("de"));
        QCOMPARE(reader.getValue(QStringLiteral("Width")), QString());
        QCOMPARE(reader.getValue(QString()), QString());
        reader.setFilePath(dataFolder() + QStringLiteral("missing.xml"));
        QCOMPARE(reader.getValue(QStringLiteral("Language")), QString());
    }

    void dataFolderIsNeverTheFileSystemRoot()
    {
        const QByteArray saved = qgetenv("XDG_DATA_HOME");
        qputenv("XDG_DATA_HOME", "/");
        Config config;
        qputenv("XDG_DATA_HOME", saved);
        QCOMPARE(config.userDataPath(), QDir::homePath() + QStringLiteral("/.local/share/"));
    }

    // --- a full disk -----------------------------------------------------

    void fullDiskLeavesTheFileWhole()
    {
        writeAll(configPath(), kUserFile);
        for (int run = 0; run < 2; ++run) {
            DiskRoom room(20);
            MyConfig config;
            QCOMPARE(config.language(), QStringLiteral("fr"));
            QVERIFY(!config.setValue(QStringLiteral("Height"), QStringLiteral("5")));
        } // the save at exit fails as well: its failure goes to the error output
        QCOMPARE(readAll(configPath()), kUserFile);
        // Nothing beside it: no backup, no temporary file left behind.
        QCOMPARE(QDir(dataFolder()).entryList(QDir::Files), QStringList{"config.xml"});
        MyConfig config;
        QCOMPARE(config.width(), 1234);
    }

    void noWritableDataFolderIsToldOnce()
    {
        // A file where the data folder would be: every write fails.
        writeAll(qEnvironmentVariable("XDG_DATA_HOME") + QStringLiteral("/Olvex"), "not a folder");
        {
            MyConfig config; // the first-run mark is not written
            QVERIFY(config.isFirstRun());
            config.setWidth(5);
        } // nor the save at exit
        QCOMPARE(m_told.size(), 1);
        QVERIFY(m_told.first().contains(configPath()));
    }

    void unreadableFilesNeverReplaceABackup()
    {
        writeAll(configPath() + QStringLiteral(".bak"), "first damage");
        // An empty file (a save that failed elsewhere) holds nothing to keep.
        writeAll(configPath(), QByteArray());
        Config config;
        config.setFilePath(configPath());
        QVERIFY(config.setValue(QStringLiteral("Width"), QStringLiteral("1")));
        QCOMPARE(readAll(configPath() + QStringLiteral(".bak")), QByteArray("first damage"));
        QVERIFY(!QFile::exists(configPath() + QStringLiteral(".bak.1")));
        // Another damaged file goes to the next free name.
        writeAll(configPath(), "second damage");
        QVERIFY(config.setValue(QStringLiteral("Width"), QStringLiteral("2")));
        QCOMPARE(readAll(configPath() + QStringLiteral(".bak")), QByteArray("first damage"));
        QCOMPARE(readAll(configPath() + QStringLiteral(".bak.1")), QByteArray("second damage"));
        QCOMPARE(config.getValue(QStringLiteral("Width")), QStringLiteral("2"));
    }

    void realFullDiskLeavesTheFileWhole()
    {
        // A small disk of its own, filled up; only root may mount one.
        QTemporaryDir mountPoint;
        QVERIFY(mountPoint.isValid());
        const QString disk = mountPoint.path();
        if (QProcess::execute(QStringLiteral("mount"), {"-t", "tmpfs", "-o", "size=64k", "tmpfs", disk}) != 0)
            QSKIP("cannot mount a small disk here (not root)");
        struct Unmount {
            QString disk;
            ~Unmount() { QProcess::execute(QStringLiteral("umount"), {disk}); }
        } unmount{disk};
        const QString folder = disk + QStringLiteral("/Olvex/Free Mirelo/");
        writeAll(folder + QStringLiteral("config.xml"), kUserFile);
        {
            QFile filler(disk + QStringLiteral("/filler"));
            QVERIFY(filler.open(QIODevice::WriteOnly));
            const QByteArray block(1024, 'x');
            while (filler.write(block) == block.size() && filler.flush()) {
            }
        }
        const QByteArray saved = qgetenv("XDG_DATA_HOME");
        qputenv("XDG_DATA_HOME", disk.toUtf8());
        {
            MyConfig config;
            QCOMPARE(config.width(), 1234);
            config.setWidth(99);
        }
        {
            MyConfig again;
        }
        qputenv("XDG_DATA_HOME", saved);
        QCOMPARE(readAll(folder + QStringLiteral("config.xml")), kUserFile);
        QCOMPARE(QDir(folder).entryList(QDir::Files), QStringList{"config.xml"});
    }

    // --- a large file ----------------------------------------------------

    void largeFileIsReadOnceAndRewrittenOncePerSave()
    {
        QByteArray text = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<config>\n    <Options>\n"
                          "        <IsFirstRun>0</IsFirstRun>\n        <Width>640</Width>\n";
        for (int i = 0; i < 5000; ++i)
            text += "        <Unknown" + QByteArray::number(i) + ">x</Unknown" + QByteArray::number(i) + ">\n";
        text += "        <Height>480</Height>\n    </Options>\n</config>\n";
        writeAll(configPath(), text);
        const int before = CXmlWriter::rewriteCount();
        {
            MyConfig config;
            QCOMPARE(config.width(), 640);
            QCOMPARE(config.height(), 480);
            QCOMPARE(CXmlWriter::rewriteCount(), before); // reading writes nothing
            config.setLanguage(QStringLiteral("de"), false);
            config.setSkipVersion(QStringLiteral("3.0"), false);
        }
        // Seven keys saved at exit, one rewrite.
        QCOMPARE(CXmlWriter::rewriteCount(), before + 1);
        QCOMPARE(elementTexts(configPath(), QStringLiteral("Unknown4999")), QStringList{"x"});
        QCOMPARE(elementTexts(configPath(), QStringLiteral("SkipVersion")), QStringList{"3.0"});

        // A first start marks the file with one write too.
        QDir(dataFolder()).removeRecursively();
        const int fresh = CXmlWriter::rewriteCount();
        MyConfig config;
        QVERIFY(config.isFirstRun());
        QCOMPARE(CXmlWriter::rewriteCount(), fresh + 1);
        QCOMPARE(elementTexts(configPath(), QStringLiteral("isIsDeleteFile")), QStringList{"0"});
    }

    void severalKeysInOnePass()
    {
        writeAll(configPath(), "<config><Options><A>1</A><Deep><b>2<i/>3</b></Deep><C></C></Options>"
                               "<D>outside</D></config>");
        Config reader;
        reader.setFilePath(configPath());
        const QHash<QString, QString> values = reader.getValues({"a", "B", "C", "D", ""});
        QCOMPARE(values.value("a"), QStringLiteral("1"));
        QCOMPARE(values.value("B"), QStringLiteral("2")); // up to a nested element
        QVERIFY(values.contains("C"));
        QVERIFY(!values.contains("D"));
        QVERIFY(reader.setValues({{"A", "9"}, {"E", "5"}}));
        QCOMPARE(reader.getValues({"A", "E"}), (QHash<QString, QString>{{"A", "9"}, {"E", "5"}}));
    }

    void noUsableHomeMeansNoFolders_data()
    {
        QTest::addColumn<QByteArray>("home"); // "-": not set
        QTest::addColumn<bool>("xdgSet");
        QTest::newRow("unset, XDG folders set") << QByteArray("-") << true;
        QTest::newRow("unset, no XDG folders") << QByteArray("-") << false;
        QTest::newRow("root") << QByteArray("/") << false;
        QTest::newRow("root, spelled longer") << QByteArray("//./") << true;
        QTest::newRow("missing folder") << QByteArray("/nonexistent-mirelo-home") << false;
    }
    void noUsableHomeMeansNoFolders()
    {
        QFETCH(QByteArray, home);
        QFETCH(bool, xdgSet);
        const QByteArray names[] = {"HOME", "XDG_DATA_HOME", "XDG_CONFIG_HOME"};
        QByteArray saved[3];
        for (int i = 0; i < 3; ++i)
            saved[i] = qgetenv(names[i]);
        if (home == "-")
            qunsetenv("HOME");
        else
            qputenv("HOME", home);
        if (!xdgSet) {
            qunsetenv("XDG_DATA_HOME");
            qunsetenv("XDG_CONFIG_HOME");
        }
        const QString usable = usableHomeFolder(), data = userDataBase(), settings = userConfigBase();
        const QString video = DataGroupOutput::defaultVideoFolder();
        Config config;
        const QString dataPath = config.userDataPath();
        const QString filePath = MyConfig().filePath();
        for (int i = 0; i < 3; ++i)
            qputenv(names[i], saved[i]);
        QCOMPARE(usable, QString());
        QCOMPARE(data, QString());
        QCOMPARE(settings, QString());
        QCOMPARE(video, QString());
        QCOMPARE(dataPath, QString());
        QCOMPARE(filePath, QString());
    }

    void xdgFoldersAtTheRootFallBackToTheHome()
    {
        const QByteArray saved = qgetenv("XDG_CONFIG_HOME");
        qputenv("XDG_CONFIG_HOME", "/");
        const QString settings = userConfigBase();
        qputenv("XDG_CONFIG_HOME", saved);
        QCOMPARE(settings, QDir::homePath() + QStringLiteral("/.config"));
        QCOMPARE(usableHomeFolder(), QDir::homePath());
    }

    void fileWithAnIllegalCharacterIsKept_data()
    {
        QTest::addColumn<QByteArray>("language");
        QTest::newRow("raw control characters") << QByteArray("\x01" "fr\x02");
        QTest::newRow("character reference") << QByteArray("&#1;fr");
    }
    void fileWithAnIllegalCharacterIsKept()
    {
        // It does not parse whole: the values after the character cannot be
        // read, so the file is kept like any other unreadable one.
        QFETCH(QByteArray, language);
        const QByteArray damaged = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<config><Options>"
                                   "<IsFirstRun>0</IsFirstRun><Language>" + language + "</Language>"
                                   "<Width>1234</Width></Options></config>\n";
        writeAll(configPath(), damaged);
        {
            MyConfig config;
            QCOMPARE(config.width(), 0);
        }
        QCOMPARE(readAll(configPath() + QStringLiteral(".bak")), damaged);
        QDomDocument doc;
        QXmlStreamReader strict(readAll(configPath()));
        QVERIFY(doc.setContent(&strict, false));
        QCOMPARE(elementTexts(configPath(), QStringLiteral("Width")), QStringList{"0"});
    }

    void backupNameTakenByAFolder()
    {
        QVERIFY(QDir().mkpath(configPath() + QStringLiteral(".bak")));
        writeAll(configPath(), "not xml");
        Config config;
        config.setFilePath(configPath());
        QVERIFY(config.setValue(QStringLiteral("Width"), QStringLiteral("3")));
        QVERIFY(QFileInfo(configPath() + QStringLiteral(".bak")).isDir());
        QCOMPARE(readAll(configPath() + QStringLiteral(".bak.1")), QByteArray("not xml"));
        QCOMPARE(config.getValue(QStringLiteral("Width")), QStringLiteral("3"));
    }

    void languageOutsideTheListIsTheDefault()
    {
        // The code becomes part of the translation file's path.
        for (const QByteArray &code : {QByteArray("../../../../tmp/evil"), QByteArray("xx")}) {
            writeAll(configPath(), "<config><Options><IsFirstRun>0</IsFirstRun><Language>" + code
                                       + "</Language></Options></config>");
            MyConfig config;
            QCOMPARE(config.language(), uiLanguage());
        }
        writeAll(configPath(), "<config><Options><IsFirstRun>0</IsFirstRun><Language>de</Language></Options></config>");
        MyConfig config;
        QCOMPARE(config.language(), QStringLiteral("de"));
    }

    // --- file names that are not UTF-8 ---------------------------------

    void fileNamesRoundTrip()
    {
        for (const QByteArray &bytes :
             {QByteArray("h\xe9me"), QByteArray("caf\xc3\xa9"), QByteArray("\xf0\x9f\x98\x80"), QByteArray("\xc0\xaf"),
              QByteArray("\xed\xa0\x80"), QByteArray("cut\xe2\x82"), QByteArray("\xff\xfe\x80"), QByteArray("a?b")})
            QCOMPARE(encodeFileName(decodeFileName(bytes)), bytes);
        QCOMPARE(decodeFileName("caf\xc3\xa9"), QStringLiteral("caf\u00e9"));
        QCOMPARE(decodeFileName("\xf0\x9f\x98\x80"), QString::fromUtf8("\xf0\x9f\x98\x80"));
        QCOMPARE(encodeFileName(QStringLiteral("caf\u00e9")), QByteArray("caf\xc3\xa9"));
    }

    void homeWhoseNameIsNotUtf8()
    {
        installFileNameCodec();
        if (QFile::encodeName(QFile::decodeName("h\xe9me")) != "h\xe9me")
            QSKIP("the locale is not UTF-8");
        const QByteArray home = qgetenv("MIRELO_TEST_ROOT") + "/h\xe9me";
        QVERIFY(::mkdir(home.constData(), 0700) == 0);
        const QByteArray savedHome = qgetenv("HOME"), savedData = qgetenv("XDG_DATA_HOME");
        qputenv("HOME", home);
        qunsetenv("XDG_DATA_HOME");
        {
            MyConfig config;
            config.setWidth(5);
        }
        qputenv("HOME", savedHome);
        qputenv("XDG_DATA_HOME", savedData);
        // The file is in the real home, not in a sibling named with U+FFFD.
        QVERIFY(::access((home + "/.local/share/Olvex/Free Mirelo/config.xml").constData(), F_OK) == 0);
        QCOMPARE(QDir(QFile::decodeName(qgetenv("MIRELO_TEST_ROOT"))).entryList(QDir::Dirs | QDir::NoDotAndDotDot).filter(
                     QChar(0xfffd)),
                 QStringList());
    }

    void newFileForAnotherBaseName()
    {
        Config other;
        other.setFilePath(dataFolder() + QStringLiteral("sub/prefs.xml"));
        QVERIFY(other.setValue(QStringLiteral("Key"), QStringLiteral("v")));
        QDomDocument doc;
        QVERIFY(doc.setContent(readAll(dataFolder() + QStringLiteral("sub/prefs.xml"))));
        QCOMPARE(doc.documentElement().tagName(), QStringLiteral("prefs"));
        QCOMPARE(other.getValue(QStringLiteral("key")), QStringLiteral("v"));
    }
};

QTEST_GUILESS_MAIN(TestConfig)
#include "tst_config.moc"
