// The record job: its data text, its planned length, its next start, the
// kind of recording its sources give and the devices it takes.
#include <QtTest>

#include "taskscheduleitem.h"

namespace {

QDateTime at(const char *text)
{
    return QDateTime::fromString(QLatin1String(text), QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

void setCounts(int cameras, int systemSound, int microphones)
{
    RecordSource::Live live;
    live.cameraCount = [cameras] { return cameras; };
    live.systemSoundCount = [systemSound] { return systemSound; };
    live.microphoneCount = [microphones] { return microphones; };
    RecordSource::setLive(live);
}

} // namespace

class TestTaskScheduleItem : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { RecordSource::resetLive(); }

    void dataTextOfANewJob()
    {
        TaskScheduleItem job;
        job.setStartTime(at("2026-12-08 02:39:00"));
        job.setStopType(0);
        job.setLength(180);
        job.setStopTime(at("2026-12-08 02:42:00"));
        RecordSource *s = job.recordSource();
        s->screenEnabled = true;
        s->screenIndex = 0;
        s->screenRect = QRect(0, 0, 1920, 1080);
        s->cameraEnabled = false;
        s->cameraIndex = -1;
        s->cameraRect = QRect(0, 0, 320, 240);
        s->systemsoundEnabled = false;
        s->systemsoundIndex = 0;
        s->systemsoundVolume = 100;
        s->microphoneEnabled = false;
        s->microphoneIndex = 0;
        s->microphoneVolume = 100;
        QCOMPARE(job.toData(),
                 QStringLiteral("stopType,0;loop,0;duration,12-08-2026 02:42:00,180;shutdown,0;isexpired,0;"
                                "screen,1,0,0,0,1920,1080;camera,0,-1,0,0,320,240;systemsound,0,0,100;"
                                "microphone,0,0,100"));
        // No stop time: the date part is empty, the entry is still there.
        job.setStopTime(QDateTime());
        QVERIFY(job.toData().contains(QLatin1String(";duration,,180;")));
        QVERIFY(job.isEnabled());
    }

    void readerChangesOnlyWhatTheTextNames()
    {
        TaskScheduleItem job;
        job.setStopTime(at("2026-01-01 10:00:00"));
        job.setLength(77);
        job.setLoop(4);
        job.recordSource()->screenRect = QRect(QPoint(1, 2), QPoint(3, 4));
        job.fromData(QString());
        job.fromData(QStringLiteral("loop;Screen,1,0,10,20,100,50;;stopType"));
        QCOMPARE(job.loop(), 4);
        QCOMPARE(job.recordSource()->screenRect, QRect(QPoint(1, 2), QPoint(3, 4)));
        QCOMPARE(job.length(), 77);
        QCOMPARE(job.stopTime(), at("2026-01-01 10:00:00"));

        job.fromData(QStringLiteral("duration,12-24-2026 10:00:00"));
        QCOMPARE(job.length(), 30);
        QCOMPARE(job.stopTime(), at("2026-12-24 10:00:00"));
        job.fromData(QStringLiteral("duration,24-12-2026 10:00:00,9"));
        QVERIFY(!job.stopTime().isValid());
        QCOMPARE(job.length(), 9);

        job.fromData(QStringLiteral("stopType,7"));
        QCOMPARE(job.stopType(), 1);
        job.fromData(QStringLiteral("stopType,0;stopType,-1"));
        QCOMPARE(job.stopType(), 1);
        job.fromData(QStringLiteral("stopType,2;loop,x;shutdown,5;isexpired,0"));
        QCOMPARE(job.stopType(), 2);
        QCOMPARE(job.loop(), 0);
        QVERIFY(job.shutdown());
        QVERIFY(!job.isExpired());

        job.fromData(QStringLiteral("screen,1,0,10,20"));
        QVERIFY(job.recordSource()->screenEnabled);
        QCOMPARE(job.recordSource()->screenRect, QRect(QPoint(10, 20), QPoint(3, 4)));
        job.fromData(QStringLiteral("screen,1,0,10,20,100,50"));
        QCOMPARE(job.recordSource()->screenRect, QRect(QPoint(10, 20), QPoint(109, 69)));
        job.fromData(QStringLiteral("microphone,1,2"));
        QVERIFY(job.recordSource()->microphoneEnabled);
        QCOMPARE(job.recordSource()->microphoneIndex, 2);
        QCOMPARE(job.recordSource()->microphoneVolume, 100);
    }

    void hugeWidthLeavesNoRecordableRectangle()
    {
        TaskScheduleItem job;
        job.fromData(QStringLiteral("screen,1,0,10,20,2147483647,50"));
        const QRect r = job.recordSource()->screenRect;
        QCOMPARE(r.top(), 20);
        QCOMPARE(r.bottom(), 69);
        QVERIFY(r.left() > r.right());
        QCOMPARE(job.recordSource()->recordType(), 0);
        job.fromData(QStringLiteral("camera,1,0,-2147483648,0,-5,10"));
        QVERIFY(job.recordSource()->cameraRect.left() > job.recordSource()->cameraRect.right());
    }

    // Only what the task form can make passes: a task file holding a
    // negative length and a loop count of 2147483647 recorded without end.
    void formRange_data()
    {
        QTest::addColumn<QString>("data");
        QTest::addColumn<int>("weekdays");
        QTest::addColumn<bool>("within");
        const QString base = QStringLiteral("stopType,0;loop,0;duration,,180;screen,1,0,0,0,1920,1080;"
                                            "camera,0,-1,0,0,320,240;systemsound,0,0,100;microphone,0,0,100;");
        QTest::newRow("a new job") << base << 0 << true;
        QTest::newRow("longest, most loops, loudest")
            << base + "duration,,86399;loop,999;systemsound,1,0,200;microphone,1,0,0" << 127 << true;
        QTest::newRow("stop time before start") << base + "stopType,1;duration,,-86399" << 0 << true;
        QTest::newRow("no rectangle of its own") << base + "screen,1,0,0,0,0,0" << 0 << true;
        QTest::newRow("negative length") << base + "duration,,-5;loop,2147483647" << 0 << false;
        QTest::newRow("no length") << base + "duration,,0" << 0 << false;
        QTest::newRow("a day long") << base + "duration,,86400" << 0 << false;
        QTest::newRow("stop time a day away") << base + "stopType,1;duration,,-86400" << 0 << false;
        QTest::newRow("1000 loops") << base + "loop,1000" << 0 << false;
        QTest::newRow("negative loops") << base + "stopType,1;loop,-1" << 0 << false;
        QTest::newRow("loud") << base + "systemsound,1,0,201" << 0 << false;
        QTest::newRow("negative volume") << base + "microphone,1,0,-1" << 0 << false;
        QTest::newRow("negative index") << base + "camera,1,-2" << 0 << false;
        QTest::newRow("off the X11 plane") << base + "screen,1,0,30000,0,4000,100" << 0 << false;
        QTest::newRow("an eighth week day") << base << 128 << false;
    }

    void formRange()
    {
        QFETCH(QString, data);
        QFETCH(int, weekdays);
        QFETCH(bool, within);
        TaskScheduleItem job;
        job.setRepeat(weekdays ? 1 : 0);
        job.setWeekdayMask(quint16(weekdays));
        job.fromData(data);
        QCOMPARE(job.isWithinFormRange(), within);
    }

    void roundTrip()
    {
        TaskScheduleItem job;
        job.setStopType(1);
        job.setLoop(3);
        job.setLength(-3600);
        job.setStopTime(at("2027-02-28 23:59:59"));
        job.setShutdown(true);
        job.setExpired(true);
        RecordSource *s = job.recordSource();
        s->screenEnabled = true;
        s->screenIndex = 2;
        s->screenRect = QRect(-1920, -5, 641, 481);
        s->cameraEnabled = true;
        s->cameraIndex = 1;
        s->cameraRect = QRect(100, 200, 320, 240);
        s->systemsoundEnabled = true;
        s->systemsoundIndex = 3;
        s->systemsoundVolume = 150;
        s->microphoneIndex = -1;
        s->microphoneVolume = 0;

        TaskScheduleItem copy;
        copy.fromData(job.toData());
        QCOMPARE(copy.toData(), job.toData());
        QCOMPARE(copy.stopTime(), job.stopTime());
        QCOMPARE(copy.recordSource()->screenRect, s->screenRect);
        QCOMPARE(copy.recordSource()->cameraRect, s->cameraRect);
        QCOMPARE(copy.length(), -3600);
    }

    void recordLength()
    {
        TaskScheduleItem job;
        job.setStopType(0);
        job.setLength(2147483647);
        QCOMPARE(job.recordLengthMsecs(), qint64(2147483647) * 1000);
        job.setStopType(1);
        job.setRepeat(1);
        job.setStartTime(at("2026-03-01 23:00:00"));
        job.setStopTime(at("2020-01-01 01:00:00"));
        QCOMPARE(job.recordLengthMsecs(), qint64(7200000));
        job.setStopTime(at("2020-01-01 23:00:00"));
        QCOMPARE(job.recordLengthMsecs(), qint64(0));
        job.setRepeat(0);
        job.setStopTime(at("2026-03-02 01:00:00"));
        QCOMPARE(job.recordLengthMsecs(), qint64(7200000));
        job.setStopType(2);
        QCOMPARE(job.recordLengthMsecs(), qint64(-1));
    }

    void nextRunTime()
    {
        // 2026-12-08 is a Tuesday (bit 2).
        const QDateTime now = at("2026-12-08 12:00:00");
        TaskScheduleItem job;
        job.setStartTime(at("2020-05-05 08:00:00"));
        QCOMPARE(job.nextRunTime(now), at("2020-05-05 08:00:00"));

        job.setRepeat(1);
        job.setWeekdayMask(1 << 2);
        QCOMPARE(job.nextRunTime(now), at("2026-12-15 08:00:00"));
        job.setStartTime(at("2020-05-05 12:00:01"));
        QCOMPARE(job.nextRunTime(now), at("2026-12-08 12:00:01"));
        job.setStartTime(at("2020-05-05 12:00:00")); // exactly now is not after it
        QCOMPARE(job.nextRunTime(now), at("2026-12-15 12:00:00"));
        job.setWeekdayMask(1 << 0); // Sunday
        QCOMPARE(job.nextRunTime(now), at("2026-12-13 12:00:00"));
        job.setWeekdayMask(127);
        QCOMPARE(job.nextRunTime(now), at("2026-12-09 12:00:00"));
        job.setWeekdayMask(0);
        QVERIFY(!job.nextRunTime(now).isValid());
        job.setWeekdayMask(127);
        job.setRepeat(2);
        QVERIFY(!job.nextRunTime(now).isValid());
    }

    void recordType()
    {
        setCounts(1, 2, 1);
        RecordSource s;
        s.screenEnabled = true;
        s.screenRect = QRect(QPoint(5, 5), QPoint(5, 5));
        s.cameraEnabled = true;
        s.cameraIndex = 0;
        QCOMPARE(s.recordType(), 1);
        s.screenRect = QRect(QPoint(5, 5), QPoint(4, 5));
        QCOMPARE(s.recordType(), 2);
        s.cameraIndex = 1;
        QCOMPARE(s.recordType(), 0);
        s.systemsoundEnabled = true;
        s.systemsoundIndex = 2; // equal to the count: falls through
        QCOMPARE(s.recordType(), 0);
        s.microphoneEnabled = true;
        s.microphoneIndex = 0;
        QCOMPARE(s.recordType(), 3);
        s.microphoneIndex = -1;
        s.systemsoundIndex = 1;
        QCOMPARE(s.recordType(), 3);
    }

    // A job made when the machine had other devices (a microphone unplugged
    // since, an index of 99999 typed into its file) records the default
    // device of that kind instead of nothing.
    void devicesGoneTakeTheDefault()
    {
        RecordSource::Live live;
        live.cameraCount = [] { return 1; };
        live.systemSoundCount = [] { return 0; };
        live.microphoneCount = [] { return 3; };
        live.cameraCurrent = [] { return -1; }; // none chosen: the first
        live.microphoneCurrent = [] { return 2; };
        RecordSource::setLive(live);
        RecordSource s;
        s.microphoneEnabled = true;
        s.microphoneIndex = 99999;
        s.systemsoundEnabled = true;
        s.systemsoundIndex = 4; // no system sound at all: nothing to take
        s.cameraIndex = 7;      // not recorded: left alone
        QCOMPARE(s.recordType(), RecordTypeNone);
        // What the user is told: the microphone that records instead, and
        // the system sound it goes without.
        QVector<RecordSource::DeviceChange> changes;
        QVERIFY(s.useDefaultDevices(&changes));
        QCOMPARE(changes.size(), 2);
        QCOMPARE(int(changes[0].kind), int(RecordSource::SystemSound));
        QCOMPARE(changes[0].taken, -1);
        QCOMPARE(int(changes[1].kind), int(RecordSource::Microphone));
        QCOMPARE(changes[1].wanted, 99999);
        QCOMPARE(changes[1].taken, 2);
        QCOMPARE(s.microphoneIndex, 2);
        QCOMPARE(s.systemsoundIndex, 4);
        QCOMPARE(s.cameraIndex, 7);
        QCOMPARE(s.recordType(), RecordTypeAudio);
        changes.clear();
        QVERIFY(!s.useDefaultDevices(&changes)); // a device that is there stays
        QCOMPARE(changes.size(), 1);            // the system sound is still missing
        QCOMPARE(s.microphoneIndex, 2);

        s.cameraEnabled = true;
        s.microphoneIndex = -1;
        QVERIFY(s.useDefaultDevices());
        QCOMPARE(s.cameraIndex, 0);
        QCOMPARE(s.microphoneIndex, 2);
        QCOMPARE(s.recordType(), RecordTypeCamera);
    }
};

QTEST_GUILESS_MAIN(TestTaskScheduleItem)
#include "tst_taskscheduleitem.moc"
