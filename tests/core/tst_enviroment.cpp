// The settings holder: defaults, the store's keys, load corrections, the
// state signals, revert, restore and the hotkeys group. No engine is loaded,
// so the machine has no hardware encoder.
#include <QDir>
#include <QRegularExpression>
#include <QScreen>
#include <QFile>
#include <QSettings>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QtTest>

#include "enviroment.h"
#include "fakehotkeybackend.h"
#include "keptfile.h"
#include "testsupport.h"

namespace {

QString storePath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
        + QStringLiteral("/Olvex/Free Mirelo.conf");
}

QString documents()
{
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

// Writes keys into the store as an earlier run (or a hand edit) left them.
void prewrite(const QVariantMap &values)
{
    QSettings store(QStringLiteral("Olvex"), QStringLiteral("Free Mirelo"));
    for (auto it = values.begin(); it != values.end(); ++it)
        store.setValue(it.key(), it.value());
}

QByteArray readBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestEnviroment : public QObject
{
    Q_OBJECT
private:
    FakeHotkeyBackend *m_hotkeys = nullptr;

private slots:
    void init()
    {
        QFile::remove(storePath());
        QFile::remove(storePath() + QStringLiteral(".bak"));
        QDir(documents() + QStringLiteral("/Olvex")).removeRecursively();
        m_hotkeys = new FakeHotkeyBackend;
    }
    void cleanup()
    {
        delete m_hotkeys;
        m_hotkeys = nullptr;
    }

    void emptyStoreGivesDefaults()
    {
        Enviroment env;
        QVERIFY(env.isDefault());
        QVERIFY(!env.isModified());
        QCOMPARE(env.recording()->ShowCountdown, true);
        QCOMPARE(env.recording()->HideMainWhenScreenshot, true);
        QCOMPARE(env.recording()->Beep, false);
        const QString base = documents() + QStringLiteral("/Olvex/Free Mirelo");
        QCOMPARE(env.output()->VideoFolder, base + QStringLiteral("/Video"));
        QCOMPARE(env.output()->ScreenshotsFolder, base + QStringLiteral("/Snapshot"));
        QVERIFY(QFileInfo(env.output()->ScreenshotsFolder).isDir());
        QVERIFY(!QFileInfo::exists(env.output()->VideoFolder));
        QCOMPARE(env.output()->VideoFrameRate, 6);
        QCOMPARE(env.output()->AudioSampleRate, 1);
        QCOMPARE(env.output()->VideoQuality, 1);
        QCOMPARE(env.output()->VideoEncoder, 0);
        QCOMPARE(env.mouse()->MouseClickColor, qlonglong(0xff0000));
        QCOMPARE(env.mouse()->MouseAreaRadius, 15);
        QCOMPARE(env.hotkeys()->HotkeyStop, QStringLiteral("Ctrl+Alt+S"));
        QCOMPARE(env.hotkeys()->HotkeyPanel, QStringLiteral("Ctrl+Alt+H"));
        QCOMPARE(env.others()->AutoCheckUpdate, true);
        QCOMPARE(env.others()->ExitWhenCloseTip, true);
        const DataGroupPrivate *p = env.privateData;
        QCOMPARE(p->RecordLength, quint64(180));
        QCOMPARE(p->ScreenIndex, -1);
        QCOMPARE(p->SystemsoundVolume, 100);
        QCOMPARE(p->MicrophoneEnabled, true);
        QCOMPARE(p->CameraEnabled, false);
        QVERIFY(p->SelectedRect.isNull());
        QCOMPARE(p->historyFilePath(), QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
                                           + QStringLiteral("/Olvex/Free Mirelo/History.xml"));
        // Every hotkey was registered at load.
        for (bool ok : env.hotkeys()->registered)
            QVERIFY(ok);
        QVERIFY(m_hotkeys->isGrabbed('S', 3));
    }

    void fullDiskKeepsTheStoreWholeAndTellsOnce_data()
    {
        QTest::addColumn<qint64>("room");
        QTest::newRow("no room for the lock file") << qint64(16);
        QTest::newRow("no room for the store") << qint64(512);
    }
    void fullDiskKeepsTheStoreWholeAndTellsOnce()
    {
        // The watermark is kept in the store's private group, like the
        // rest of the private state.
        QFETCH(qint64, room);
        QStringList told;
        KeptFile::resetNotices();
        KeptFile::setNoticeHandler([&told](const QString &text) { told << text; });
        const QByteArray mark(1000, 'k');
        prewrite({{QStringLiteral("Private/TextWatermark"), mark}});
        QByteArray before;
        {
            Enviroment env;
            QCOMPARE(env.privateData->TextWatermark.toByteArray(), mark);
            before = readBytes(storePath());
            QVERIFY(before.size() > 512);
            env.privateData->TextWatermark = QByteArray(1000, 'l');
            env.privateData->RecordLength = 600;
            {
                testsupport::FileSizeLimit full(room);
                env.savePrivate();
                env.save();
            }
            QCOMPARE(readBytes(storePath()), before);
            QCOMPARE(told.size(), 1);
            QVERIFY(told.first().contains(storePath()));
            // With room again, the next save writes what was kept back.
            env.savePrivate();
        }
        KeptFile::setNoticeHandler({});
        QVERIFY(readBytes(storePath()).contains("TextWatermark=@ByteArray(" + QByteArray(1000, 'l') + ")"));
        QVERIFY(readBytes(storePath()).contains("RecordLength=600"));
    }

    void storeThatIsNoFileIsKeptAside()
    {
        // A FIFO would block the store's open for good.
        QStringList told;
        KeptFile::resetNotices();
        KeptFile::setNoticeHandler([&told](const QString &text) { told << text; });
        QVERIFY(testsupport::makeFifo(storePath()));
        {
            Enviroment env;
            QVERIFY(env.isDefault());
            env.save();
        }
        KeptFile::setNoticeHandler({});
        QVERIFY(QFileInfo(storePath()).isFile());
        QVERIFY(QFileInfo::exists(storePath() + QStringLiteral(".bak")));
        QCOMPARE(told.size(), 1);
        QVERIFY(told.first().contains(storePath() + QStringLiteral(".bak")));
    }

    void saveWritesTheStoreKeysAtOnce()
    {
        Enviroment env;
        env.recording()->setHideFloatBar(true);
        env.output()->setAudioSampleRate(2);
        env.privateData->RecordLength = 600;
        env.privateData->SelectedRect = QRect(10, 20, 300, 200);
        env.save();
        env.savePrivate();
        // On disk while the holder still lives (read as bytes: another
        // QSettings in this process would see unwritten values too).
        QFile file(storePath());
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray text = file.readAll();
        QVERIFY2(text.contains("[Output]") && text.contains("\nAutioSampleRate=2\n"), text.constData());
        QVERIFY(text.contains("[Recording]") && text.contains("\nHideFlatBar=true\n"));
        QVERIFY(text.contains("[Private]") && text.contains("\nRecordLength=600\n"));
        QSettings disk(storePath(), QSettings::IniFormat);
        QCOMPARE(disk.value(QStringLiteral("Recording/HideFlatBar")).toBool(), true);
        QCOMPARE(disk.value(QStringLiteral("Output/AutioSampleRate")).toInt(), 2);
        QVERIFY(!disk.contains(QStringLiteral("Output/AudioSampleRate")));
        QCOMPARE(disk.value(QStringLiteral("Hotkeys/HotkeyShot")).toString(), QStringLiteral("Ctrl+Alt+C"));
        QCOMPARE(disk.value(QStringLiteral("Others/IsShowToAudioTips")).toBool(), true);
        QCOMPARE(disk.value(QStringLiteral("Private/RecordLength")).toULongLong(), 600ull);
        QCOMPARE(disk.value(QStringLiteral("Private/SelectedRect")).toRect(), QRect(10, 20, 300, 200));
        QVERIFY(!env.isModified());
        QVERIFY(!env.isDefault());
    }

    void storeKeysAreSpelledAsBefore()
    {
        // The store is read by earlier and later versions: every group and
        // key keeps its spelling, odd ones included.
        {
            Enviroment env;
            env.save();
            env.savePrivate();
        }
        QSettings disk(storePath(), QSettings::IniFormat);
        const QMap<QString, QStringList> expected = {
            {QStringLiteral("Recording"),
             {"ShowCountdown", "Beep", "ShowBoundary", "HideFlatBar", "AllowMoveRegion", "HideDesktopIcons",
              "HideTaskbar", "HideMainWhenScreenshot", "AutoOpenHistory"}},
            {QStringLiteral("Output"),
             {"VideoFolder", "ScreenshotsFolder", "ImageFormat", "VideoFormat", "VideoEncoder", "VideoQuality",
              "VideoFrameRate", "AudioFormat", "AudioQuality", "AutioSampleRate"}},
            {QStringLiteral("Mouse"),
             {"CaptureMouseCursor", "RecordMouseClicks", "MouseClickColor", "MouseButtonIndex", "MouseAreaRadius"}},
            {QStringLiteral("Hotkeys"), {"HotkeyStop", "HotkeyPause", "HotkeyShot", "HotkeyWebcam", "HotkeyPanel"}},
            {QStringLiteral("Others"),
             {"AutoCheckUpdate", "AutoRun", "ExitWhenClose", "ExitWhenCloseTip", "IsShowToAudioTips"}},
            {QStringLiteral("Private"),
             {"ScreenEnabled", "ScreenIndex", "SelectedRect", "CameraEnabled", "CameraIndex", "CameraRect",
              "SystemsoundEnabled", "SystemsoundIndex", "SystemsoundVolume", "MicrophoneEnabled",
              "MicrophoneIndex", "MicrophoneVolume", "RecordLengthEnabled", "RecordLength", "ShutdownWhenEnds",
              "RecordLengthForEachTime", "WatermarkType", "ImageWatermark", "TextWatermark"}},
        };
        QStringList groups = disk.childGroups();
        groups.sort();
        QCOMPARE(groups, QStringList(expected.keys()));
        for (auto it = expected.begin(); it != expected.end(); ++it) {
            disk.beginGroup(it.key());
            QStringList keys = disk.childKeys();
            disk.endGroup();
            QStringList want = it.value();
            keys.sort();
            want.sort();
            QCOMPARE(keys, want);
        }
        // The built-in defaults as a fresh store receives them.
        const QMap<QString, QString> defaults = {
            {"Recording/ShowCountdown", "true"}, {"Recording/Beep", "false"},
            {"Recording/ShowBoundary", "true"}, {"Recording/HideFlatBar", "false"},
            {"Recording/AllowMoveRegion", "false"}, {"Recording/HideDesktopIcons", "false"},
            {"Recording/HideTaskbar", "false"}, {"Recording/HideMainWhenScreenshot", "true"},
            {"Recording/AutoOpenHistory", "true"},
            {"Output/ImageFormat", "0"}, {"Output/VideoFormat", "0"}, {"Output/VideoEncoder", "0"},
            {"Output/VideoQuality", "1"}, {"Output/VideoFrameRate", "6"}, {"Output/AudioFormat", "0"},
            {"Output/AudioQuality", "1"}, {"Output/AutioSampleRate", "1"},
            {"Mouse/CaptureMouseCursor", "false"}, {"Mouse/RecordMouseClicks", "false"},
            {"Mouse/MouseClickColor", QString::number(0xff0000)}, {"Mouse/MouseButtonIndex", "0"},
            {"Mouse/MouseAreaRadius", "15"},
            {"Hotkeys/HotkeyStop", "Ctrl+Alt+S"}, {"Hotkeys/HotkeyPause", "Ctrl+Alt+R"},
            {"Hotkeys/HotkeyShot", "Ctrl+Alt+C"}, {"Hotkeys/HotkeyWebcam", "Ctrl+Alt+W"},
            {"Hotkeys/HotkeyPanel", "Ctrl+Alt+H"},
            {"Others/AutoCheckUpdate", "true"}, {"Others/AutoRun", "false"}, {"Others/ExitWhenClose", "false"},
            {"Others/ExitWhenCloseTip", "true"}, {"Others/IsShowToAudioTips", "true"},
            {"Private/CameraEnabled", "false"}, {"Private/CameraIndex", "0"},
            {"Private/SystemsoundEnabled", "true"}, {"Private/SystemsoundIndex", "0"},
            {"Private/SystemsoundVolume", "100"}, {"Private/MicrophoneEnabled", "true"},
            {"Private/MicrophoneIndex", "0"}, {"Private/MicrophoneVolume", "100"},
            {"Private/RecordLengthEnabled", "false"}, {"Private/RecordLength", "180"},
            {"Private/ShutdownWhenEnds", "false"}, {"Private/RecordLengthForEachTime", "false"},
        };
        for (auto it = defaults.begin(); it != defaults.end(); ++it)
            QVERIFY2(disk.value(it.key()).toString() == it.value(),
                     qPrintable(it.key() + QLatin1Char('=') + disk.value(it.key()).toString()));
        QVERIFY(disk.value(QStringLiteral("Private/SelectedRect")).toRect().isNull());
        QVERIFY(disk.value(QStringLiteral("Private/CameraRect")).toRect().isNull());
    }

    void roundTrip()
    {
        {
            Enviroment env;
            env.mouse()->setMouseClickColor(0x00ff00);
            env.output()->setOutputFolder(QStringLiteral("/data/Rec"));
            env.hotkeys()->setHotkeyPause(QStringLiteral("Ctrl+Shift+P"));
            env.others()->setExitWhenCloseTip(false);
            env.privateData->WatermarkType = 2;
            env.privateData->TextWatermark = QVariant(QByteArray("\x01\x02", 2));
            env.privateData->CameraRect = QRect(1, 2, 3, 4);
            env.save();
            env.savePrivate();
        }
        Enviroment env;
        QCOMPARE(env.mouse()->MouseClickColor, qlonglong(0x00ff00));
        QCOMPARE(env.output()->VideoFolder, QStringLiteral("/data/Rec"));
        QCOMPARE(env.hotkeys()->HotkeyPause, QStringLiteral("Ctrl+Shift+P"));
        QCOMPARE(env.others()->ExitWhenCloseTip, false);
        QCOMPARE(env.privateData->WatermarkType, 2u);
        QCOMPARE(env.privateData->TextWatermark.toByteArray(), QByteArray("\x01\x02", 2));
        QCOMPARE(env.privateData->CameraRect, QRect(1, 2, 3, 4));
        QVERIFY(!env.isModified());
    }

    void loadCorrections_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QVariant>("stored");
        QTest::addColumn<int>("expected");
        QTest::newRow("frame rate 12") << "Output/VideoFrameRate" << QVariant(12) << 6;
        QTest::newRow("frame rate -1") << "Output/VideoFrameRate" << QVariant(-1) << 6;
        QTest::newRow("frame rate 11") << "Output/VideoFrameRate" << QVariant(11) << 11;
        QTest::newRow("video format 12") << "Output/VideoFormat" << QVariant(12) << 0;
        QTest::newRow("video format 9") << "Output/VideoFormat" << QVariant(9) << 9;
        QTest::newRow("audio format 11") << "Output/AudioFormat" << QVariant(11) << 0;
        QTest::newRow("image format 3") << "Output/ImageFormat" << QVariant(3) << 0;
        QTest::newRow("video quality 5") << "Output/VideoQuality" << QVariant(5) << 1;
        QTest::newRow("video quality text") << "Output/VideoQuality" << QVariant(QStringLiteral("high")) << 0;
        QTest::newRow("audio quality -3") << "Output/AudioQuality" << QVariant(-3) << 1;
        QTest::newRow("sample rate 3") << "Output/AutioSampleRate" << QVariant(3) << 1;
        QTest::newRow("sample rate 0") << "Output/AutioSampleRate" << QVariant(0) << 0;
        QTest::newRow("unusable encoder") << "Output/VideoEncoder" << QVariant(3) << 0;
        QTest::newRow("screen 1 of 1") << "Private/ScreenIndex" << QVariant(1) << -1;
        QTest::newRow("screen -2") << "Private/ScreenIndex" << QVariant(-2) << -1;
        QTest::newRow("screen 0") << "Private/ScreenIndex" << QVariant(0) << 0;
        QTest::newRow("microphone volume 100000") << "Private/MicrophoneVolume" << QVariant(100000) << 100;
        QTest::newRow("system sound volume -50") << "Private/SystemsoundVolume" << QVariant(-50) << 100;
        QTest::newRow("system sound volume 200") << "Private/SystemsoundVolume" << QVariant(200) << 200;
        QTest::newRow("watermark type 99") << "Private/WatermarkType" << QVariant(99) << 0;
        QTest::newRow("watermark type 2") << "Private/WatermarkType" << QVariant(2) << 2;
        QTest::newRow("camera -99") << "Private/CameraIndex" << QVariant(-99) << 0;
        QTest::newRow("microphone index 1000") << "Private/MicrophoneIndex" << QVariant(1000) << 0;
        QTest::newRow("record length 0") << "Private/RecordLength" << QVariant(0) << 180;
        QTest::newRow("record length huge") << "Private/RecordLength" << QVariant(qlonglong(1) << 40) << 180;
        QTest::newRow("mouse button 42") << "Mouse/MouseButtonIndex" << QVariant(42) << 0;
        QTest::newRow("mouse button 3") << "Mouse/MouseButtonIndex" << QVariant(3) << 3;
        QTest::newRow("mouse radius -15") << "Mouse/MouseAreaRadius" << QVariant(-15) << 15;
        QTest::newRow("click colour beyond 32 bits") << "Mouse/MouseClickColor" << QVariant(qlonglong(1) << 32) << 0xff0000;
        QTest::newRow("click colour with alpha") << "Mouse/MouseClickColor" << QVariant(qlonglong(0xFFFFB517))
                                                 << int(0xFFFFB517);
    }

    void loadCorrections()
    {
        QFETCH(QString, key);
        QFETCH(QVariant, stored);
        QFETCH(int, expected);
        prewrite({{key, stored}});
        Enviroment env;
        const QMap<QString, int> read = {
            {QStringLiteral("Output/VideoFrameRate"), env.output()->VideoFrameRate},
            {QStringLiteral("Output/VideoFormat"), env.output()->VideoFormat},
            {QStringLiteral("Output/AudioFormat"), env.output()->AudioFormat},
            {QStringLiteral("Output/ImageFormat"), env.output()->ImageFormat},
            {QStringLiteral("Output/VideoQuality"), env.output()->VideoQuality},
            {QStringLiteral("Output/AudioQuality"), env.output()->AudioQuality},
            {QStringLiteral("Output/AutioSampleRate"), env.output()->AudioSampleRate},
            {QStringLiteral("Output/VideoEncoder"), env.output()->VideoEncoder},
            {QStringLiteral("Private/ScreenIndex"), env.privateData->ScreenIndex},
            {QStringLiteral("Private/MicrophoneVolume"), env.privateData->MicrophoneVolume},
            {QStringLiteral("Private/SystemsoundVolume"), env.privateData->SystemsoundVolume},
            {QStringLiteral("Private/WatermarkType"), int(env.privateData->WatermarkType)},
            {QStringLiteral("Private/CameraIndex"), env.privateData->CameraIndex},
            {QStringLiteral("Private/MicrophoneIndex"), env.privateData->MicrophoneIndex},
            {QStringLiteral("Private/RecordLength"), int(env.privateData->RecordLength)},
            {QStringLiteral("Mouse/MouseButtonIndex"), env.mouse()->MouseButtonIndex},
            {QStringLiteral("Mouse/MouseAreaRadius"), env.mouse()->MouseAreaRadius},
            {QStringLiteral("Mouse/MouseClickColor"), int(env.mouse()->MouseClickColor)},
        };
        QCOMPARE(read.value(key, -99), expected);
        QCOMPARE(env.output()->VideoEncoderIndex, 0);
    }

    void absurdRectanglesAndFoldersTakeDefaults()
    {
        prewrite({{QStringLiteral("Private/SelectedRect"), QRect(-5, -5, -100, -100)},
                  {QStringLiteral("Private/CameraRect"), QRect(0, 0, 100000, 10)},
                  {QStringLiteral("Output/ScreenshotsFolder"), QStringLiteral("/")},
                  {QStringLiteral("Output/VideoFolder"), QStringLiteral("relative/Video")}});
        Enviroment env;
        QVERIFY(env.privateData->SelectedRect.isNull());
        QVERIFY(env.privateData->CameraRect.isNull());
        QCOMPARE(env.output()->ScreenshotsFolder, DataGroupOutput::defaultScreenshotsFolder());
        QCOMPARE(env.output()->VideoFolder, DataGroupOutput::defaultVideoFolder());
        // What is read back is what the next save writes.
        env.savePrivate();
        QSettings disk(storePath(), QSettings::IniFormat);
        QVERIFY(disk.value(QStringLiteral("Private/SelectedRect")).toRect().isNull());
    }

    void screenshotsFolderAtLoad()
    {
        const QString chosen = QDir::tempPath() + QStringLiteral("/mirelo-not-made/Snapshot");
        prewrite({{QStringLiteral("Output/ScreenshotsFolder"), chosen}});
        Enviroment env;
        QCOMPARE(env.output()->ScreenshotsFolder, chosen);
        QVERIFY(!QFileInfo::exists(chosen));
        // The built-in folder is made all the same.
        QVERIFY(QFileInfo(DataGroupOutput::defaultScreenshotsFolder()).isDir());
    }

    void settersRefuseOutOfRangeSilently()
    {
        Enviroment env;
        QSignalSpy changed(env.current, &DataGroups::valueChanged);
        QSignalSpy modified(&env, &Enviroment::valueStateChanged);
        DataGroupOutput *o = env.output();
        o->setVideoFrameRate(12);
        o->setVideoFrameRate(-1);
        o->setImageFormat(1);
        o->setVideoFormat(12);
        o->setAudioFormat(11);
        o->setVideoQuality(3);
        o->setAudioQuality(-1);
        o->setAudioSampleRate(3);
        o->setVideoEncoderIndex(1); // the list is [0] here
        QCOMPARE(changed.size(), 0);
        QCOMPARE(modified.size(), 0);
        QCOMPARE(o->VideoFrameRate, 6);
        QVERIFY(!env.isModified());

        o->setVideoFrameRate(11);
        QCOMPARE(changed.size(), 1);
        QCOMPARE(modified.size(), 1);
        QCOMPARE(modified.last().first().toBool(), true);
        o->setScreenshotsFolder(QStringLiteral("/a/b"));
        QCOMPARE(o->ScreenshotsFolder, QStringLiteral("/a/b"));
    }

    void stateSignalsRevertAndRestore()
    {
        Enviroment env;
        QSignalSpy defaults(&env, &Enviroment::defaultStateChanged);
        QSignalSpy values(&env, &Enviroment::valueStateChanged);

        env.recording()->setBeep(true);
        QCOMPARE(defaults.last().first().toBool(), true);
        QCOMPARE(values.last().first().toBool(), true);
        QVERIFY(env.isModified());
        env.recording()->setBeep(false);
        QCOMPARE(defaults.last().first().toBool(), false);
        QCOMPARE(values.last().first().toBool(), false);

        // A no-signal setter changes the field; the next change tells.
        env.others()->setExitWhenCloseTip(false);
        QCOMPARE(values.size(), 2);
        QVERIFY(env.isModified());
        env.mouse()->setMouseAreaRadius(15);
        QCOMPARE(values.last().first().toBool(), true);

        env.revert();
        QVERIFY(!env.isModified());
        QCOMPARE(env.others()->ExitWhenCloseTip, true);
        QCOMPARE(values.size(), 3); // revert says nothing

        env.output()->setOutputFolder(QStringLiteral("/x"));
        env.save();
        QVERIFY(!env.isModified());
        QVERIFY(!env.isDefault());
        env.restoreDefaults();
        QVERIFY(env.isDefault());
        QVERIFY(env.isModified());
        QCOMPARE(values.size(), 4); // restore says nothing either
        env.revert();
        QCOMPARE(env.output()->VideoFolder, QStringLiteral("/x"));
    }

    void foldersCompareCaseSensitively()
    {
        Enviroment env;
        const QString folder = env.output()->VideoFolder;
        env.output()->setOutputFolder(folder.toUpper());
        QVERIFY(env.isModified());
        QVERIFY(!env.isDefault());
    }

    void copyCarriesTheEncoderIndex()
    {
        DataGroups a(nullptr, true, 2), b(nullptr, true, 2);
        a.output->setVideoEncoderIndex(0);
        QCOMPARE(b.output->VideoEncoderIndex, 1);
        b.copyFrom(&a);
        QCOMPARE(b.output->VideoEncoderIndex, 0);
        QCOMPARE(b.output->VideoEncoder, 0);
        QVERIFY(b.equals(&a));
        b.mouse->setColorButtonIndex(3);
        QVERIFY(!b.equals(&a));
    }

    void hotkeyTextsNamingTheSameKeyAreRefused()
    {
        Enviroment env;
        DataGroupHotkeys *h = env.hotkeys();
        QSignalSpy spy(h, &DataGroupHotkeys::valueChanged);
        h->setHotkeyPause(QStringLiteral("Ctrl+Alt+S"));
        h->setHotkeyPause(QStringLiteral("ctrl+alt+s"));
        h->setHotkeyPause(QStringLiteral("Alt+Ctrl+S"));
        QCOMPARE(spy.size(), 0);
        QCOMPARE(h->HotkeyPause, QStringLiteral("Ctrl+Alt+R"));
        h->setHotkeyPause(QStringLiteral("Ctrl+Alt+R")); // its own key again
        h->setHotkeyPause(QStringLiteral("Ctrl+Alt+P"));
        QCOMPARE(spy.size(), 2);
        QCOMPARE(h->HotkeyPause, QStringLiteral("Ctrl+Alt+P"));
        QVERIFY(env.isModified());
        // Texts in another letter case are the same hotkeys.
        h->setHotkeyPause(QStringLiteral("Ctrl+Alt+R"));
        h->setHotkeyStop(QStringLiteral("ctrl+alt+s"));
        QCOMPARE(h->HotkeyStop, QStringLiteral("ctrl+alt+s"));
        QVERIFY(!env.isModified());
    }

    void hotkeyTextsNamingNoKeyCompareAsTexts()
    {
        // Every text that names no key parses to the same "unknown" sequence;
        // such texts must not stand for one another.
        Enviroment env;
        DataGroupHotkeys *h = env.hotkeys();
        h->setHotkeyStop(QStringLiteral("Foo"));
        h->setHotkeyPause(QStringLiteral("Bar"));
        QCOMPARE(h->HotkeyPause, QStringLiteral("Bar"));
        h->setHotkeyShot(QStringLiteral("bar")); // the same text in another case
        QCOMPARE(h->HotkeyShot, QStringLiteral("Ctrl+Alt+C"));
        env.save();
        QVERIFY(!env.isModified());
        // Such texts are no hotkeys: nothing is registered for them, quietly.
        QVERIFY(!h->registered[MR_SHORTCUT_STOP] && !h->registered[MR_SHORTCUT_PAUSE]);
        QVERIFY(h->registered[MR_SHORTCUT_SCREENSHOT]);
        h->setHotkeyPause(QStringLiteral("Baz"));
        QVERIFY(env.isModified());
    }

    void movedKeyIsNotLostOnSave()
    {
        Enviroment env;
        DataGroupHotkeys *h = env.hotkeys();
        h->setHotkeyPause(QStringLiteral("Ctrl+Alt+P"));
        h->setHotkeyStop(QStringLiteral("Ctrl+Alt+R")); // the old pause key
        env.save();
        for (int i = 0; i < DataGroupHotkeys::COUNT; ++i)
            QVERIFY2(h->registered[i], qPrintable(QString::number(i)));
        QVERIFY(m_hotkeys->isGrabbed('R', 3));
        QVERIFY(m_hotkeys->isGrabbed('P', 3));
        QVERIFY(!m_hotkeys->isGrabbed('S', 3));

        QSignalSpy activated(h, &DataGroupHotkeys::shortcutActivated);
        FakeHotkeyBackend::press('R', 3);
        FakeHotkeyBackend::press('W', 3);
        QCOMPARE(activated.size(), 2);
        QCOMPARE(activated[0].first().value<MRShortcut>(), MR_SHORTCUT_STOP);
        QCOMPARE(activated[1].first().value<MRShortcut>(), MR_SHORTCUT_WEBCAM);
    }

    void twoChordHotkeyRegistersItsFirstChord()
    {
        prewrite({{QStringLiteral("Hotkeys/HotkeyShot"), QStringLiteral("Ctrl+Alt+X, Ctrl+B")}});
        Enviroment env;
        QVERIFY(env.hotkeys()->registered[MR_SHORTCUT_SCREENSHOT]);
        QVERIFY(m_hotkeys->isGrabbed('X', 3));
        QSignalSpy activated(env.hotkeys(), &DataGroupHotkeys::shortcutActivated);
        FakeHotkeyBackend::press('X', 3);
        QCOMPARE(activated.size(), 1);
        QCOMPARE(activated[0].first().value<MRShortcut>(), MR_SHORTCUT_SCREENSHOT);
    }

    void saveRegistersAgainAndKeepsRefusals()
    {
        m_hotkeys->holdByOtherProgram('C', 3);
        QTest::ignoreMessage(QtWarningMsg, "QxtGlobalShortcut failed to register: Ctrl+Alt+C");
        Enviroment env;
        QVERIFY(!env.hotkeys()->registered[MR_SHORTCUT_SCREENSHOT]);
        QVERIFY(env.hotkeys()->registered[MR_SHORTCUT_STOP]);
        m_hotkeys->holdByOtherProgram('C', 3, false);
        m_hotkeys->calls.clear();
        QTest::ignoreMessage(QtWarningMsg, "QxtGlobalShortcut failed to unregister: Ctrl+Alt+C");
        env.save(); // nothing changed: registered all the same
        QCOMPARE(m_hotkeys->calls.filter(QRegularExpression(QStringLiteral("^grab "))).size(), 5);
        QVERIFY(env.hotkeys()->registered[MR_SHORTCUT_SCREENSHOT]);
        QCOMPARE(env.hotkeys()->text(MR_SHORTCUT_SCREENSHOT), QStringLiteral("Ctrl+Alt+C"));
    }

    void screenCountChanges()
    {
        Enviroment env;
        DataGroupPrivate *p = env.privateData;
        QCOMPARE(p->screenCount(), 1);
        p->ScreenIndex = 0;
        int indexSeen = 99;
        connect(p, &DataGroupPrivate::screenCountChanged, this, [&](int) { indexSeen = p->ScreenIndex; });
        p->doScreenCountChanged(2);
        QCOMPARE(indexSeen, 0);
        p->ScreenIndex = 1;
        p->doScreenCountChanged(1);
        QCOMPARE(indexSeen, -1);
        QCOMPARE(p->screenCount(), 1);

        QVERIFY(p->screenGeometry(-2).isNull());
        QVERIFY(p->screenGeometry(1).isNull());
        QVERIFY(!p->screenGeometry(0).isNull());
        QCOMPARE(p->screenGeometry(-1), QGuiApplication::primaryScreen()->virtualGeometry());
        p->ScreenIndex = 5;
        QVERIFY(p->grabSelectedScreen().isNull());
    }
};

QTEST_MAIN(TestEnviroment)
#include "tst_enviroment.moc"
