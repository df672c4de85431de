// The control bar against the test engine: what it hands the engine for
// each kind of recording, the hardware-encoder retry, failed starts,
// failed writes and lost sound, the poll, the length limit with its segments, and its
// pages and placement.
#include <QDir>
#include <QLibrary>
#include <QSignalSpy>
#include <QTimeEdit>
#include <QtTest>

#include "audiodevicelist.h"
#include "globaldefs.h"
#include "commondialog.h"
#include "controlbarlink.h"
#include "controlpanel.h"
#include "enginebinding.h"
#include "enviroment.h"
#include "historylist.h"
#include "mirelo_test_engine.h"
#include "skinmanager.h"
#include "ui_controlpanel.h"
#include "watermarkitemtext.h"

#include <cerrno>

namespace {

template <typename Fn>
Fn control(const char *name)
{
    return reinterpret_cast<Fn>(QLibrary::resolve(QStringLiteral(MIRELO_TEST_ENGINE_PATH), name));
}

void loadScript(const char *text)
{
    QCOMPARE(control<MireloTestEngineLoadScriptFn>("mireloTestEngineLoadScript")(text), 0);
}

QStringList trace(const QString &op = QString())
{
    const QStringList lines = QString::fromUtf8(control<MireloTestEngineTraceFn>("mireloTestEngineTrace")())
                                  .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    if (op.isEmpty())
        return lines;
    QStringList matching;
    for (const QString &line : lines) {
        if (line.startsWith(op + QLatin1Char(' ')))
            matching << line;
    }
    return matching;
}

void clearTrace()
{
    control<MireloTestEngineClearTraceFn>("mireloTestEngineClearTrace")();
}

// The answers the modal dialogs give, in order; each run counts.
struct DialogAnswers {
    QList<QTime> times; // inputTime answers; invalid = cancel
    int messages = 0;
    QStringList texts;
    DialogAnswers()
    {
        CommonDialog::setRunHook([this](CommonDialog *d) {
            if (auto *edit = d->findChild<QTimeEdit *>(QStringLiteral("timeEdit")); edit && edit->isVisibleTo(d)) {
                const QTime t = times.isEmpty() ? QTime() : times.takeFirst();
                if (!t.isValid())
                    return int(QDialog::Rejected);
                edit->setTime(t);
                return int(QDialog::Accepted);
            }
            ++messages;
            if (auto *label = d->findChild<QLabel *>(QStringLiteral("lblPrompt")))
                texts << label->text();
            return int(QDialog::Accepted);
        });
    }
    ~DialogAnswers() { CommonDialog::setRunHook({}); }
};

// What the engine would have written; the test engine writes nothing.
void written(const QString &path, int bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(QByteArray(bytes, 'x'));
}

TaskScheduleItem *screenJob(QObject *parent, const QRect &region)
{
    auto *job = new TaskScheduleItem(nullptr, parent);
    RecordSource *s = job->recordSource();
    *s = RecordSource();
    s->screenEnabled = true;
    s->screenRect = region;
    s->systemsoundEnabled = s->microphoneEnabled = false;
    job->setStopType(TaskScheduleItem::StopByHand);
    return job;
}

// A job that stops by length and goes on into `loop` further parts.
TaskScheduleItem *partsJob(QObject *parent, int seconds, int loop)
{
    auto *job = screenJob(parent, QRect(0, 0, 100, 100));
    job->setStopType(TaskScheduleItem::StopByLength);
    job->setLength(seconds);
    job->setLoop(loop);
    return job;
}

} // namespace

class TestControlPanel : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir m_dir;
    QObject m_jobs;

    ControlPanel *bar(TaskScheduleItem *job)
    {
        auto *panel = new ControlPanel(nullptr, job);
        return panel;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(engineLoadFrom(QStringLiteral(MIRELO_TEST_ENGINE_PATH)));
        loadScript("adapters 2\nhwtest 2 0\n");
        engineInitialize(m_dir.path().toUtf8().constData(), nullptr, nullptr);
        g_enviroment = new Enviroment;
        g_enviroment->output()->setOutputFolder(m_dir.filePath(QStringLiteral("Videos")));
        g_enviroment->output()->setScreenshotsFolder(m_dir.filePath(QStringLiteral("Shots")));
        QDir().mkpath(m_dir.filePath(QStringLiteral("Videos")));
        g_historyList = new HistoryList(m_dir.filePath(QStringLiteral("History.xml")), nullptr);
    }

    void cleanupTestCase()
    {
        delete g_historyList;
        g_historyList = nullptr;
        delete g_enviroment;
        g_enviroment = nullptr;
        engineShutdown();
        engineUnload();
    }

    void init()
    {
        loadScript("");
        clearTrace();
        g_historyList->clear();
        RecordSource::resetLive();
        g_enviroment->mouse()->setRecordMouseClicks(false);
        g_enviroment->output()->setVideoEncoderIndex(0);
    }

    void screenRecordingBlock()
    {
        g_enviroment->mouse()->setRecordMouseClicks(true);
        // As the settings store it: ARGB, alpha 255; the engine gets 0x00BBGGRR.
        g_enviroment->mouse()->setMouseClickColor(qlonglong(0xFF123456));
        ControlPanel *panel = bar(screenJob(&m_jobs, QRect(10, 20, 641, 481)));
        QSignalSpy finished(panel, &QDialog::finished);
        panel->startRecord();
        QCOMPARE(panel->recordState(), int(ControlPanel::Recording));
        QCOMPARE(panel->captureRect(), QRect(10, 20, 640, 480));
        QCOMPARE(trace(QStringLiteral("setCaptureRect")),
                 QStringList{QStringLiteral("setCaptureRect left=10 top=20 right=650 bottom=500 -> 0")});
        QCOMPARE(trace(QStringLiteral("setWatermark")).size(), 1);
        const QString start = trace(QStringLiteral("startRecording")).value(0);
        for (const char *field : {"width=640 ", "height=480 ", "sourceKind=1 ", "audioOnly=0 ", "recordClicks=1 ",
                                  "clickColor=0x00563412 ", "fixedCode=2 ", "audioSources=0 "})
            QVERIFY2(start.contains(QLatin1String(field)), qPrintable(start));
        QVERIFY(start.contains(QStringLiteral("filePath=\"%1").arg(m_dir.filePath(QStringLiteral("Videos/Video_")))));
        QVERIFY(panel->clickListener()); // offscreen: one that hears nothing

        // The engine's count lags the disk (the last bytes come with the
        // stop): the history takes the size of the file.
        written(panel->fileName(), 4096);
        loadScript("time 2500999\nsize 3000\n");
        panel->pauseRecord();
        QVERIFY(!panel->isPolling());
        panel->stopRecord();
        QCOMPARE(finished.size(), 1);
        QCOMPARE(g_historyList->count(), 1);
        const HistoryItem *item = g_historyList->itemAt(0);
        QCOMPARE(item->type(), 0);
        QCOMPARE(item->size(), QSize(640, 480));
        QCOMPARE(item->duration(), qint64(2500));
        QCOMPARE(item->fileSize(), quint64(4096));
        QVERIFY(QFile::exists(m_dir.filePath(QStringLiteral("History.xml"))));
    }

    void audioOnlyAndWebcamBlocks()
    {
        RecordSource::Live live;
        live.systemSoundCount = [] { return 1; };
        live.cameraCount = [] { return 1; };
        RecordSource::setLive(live);
        g_enviroment->mouse()->setRecordMouseClicks(true);

        auto *job = screenJob(&m_jobs, QRect());
        job->recordSource()->screenEnabled = false;
        job->recordSource()->systemsoundEnabled = true;
        ControlPanel *audio = bar(job);
        QCOMPARE(audio->recordType(), 3);
        audio->startRecord();
        QVERIFY(trace(QStringLiteral("setCaptureRect")).isEmpty());
        const QString start = trace(QStringLiteral("startRecording")).value(0);
        for (const char *field : {"audioOnly=1 ", "width=0 ", "height=0 ", "sourceKind=0 ", "recordClicks=0 ",
                                  "clickColor=0x00000000 ", "hardwareEncoder=0 "})
            QVERIFY2(start.contains(QLatin1String(field)), qPrintable(start));
        QVERIFY(start.contains(QLatin1String("/Audio_")));
        QVERIFY(!audio->clickListener());
        written(audio->fileName(), 10);
        audio->stopRecord();
        QCOMPARE(g_historyList->itemAt(0)->type(), 1);
        QCOMPARE(g_historyList->itemAt(0)->size(), QSize(-1, -1));

        clearTrace();
        job->recordSource()->systemsoundEnabled = false;
        job->recordSource()->cameraEnabled = true;
        job->recordSource()->cameraIndex = 0;
        job->recordSource()->cameraRect = QRect(5, 6, 321, 241);
        ControlPanel *webcam = bar(job);
        QCOMPARE(webcam->recordType(), 2);
        webcam->startRecord();
        QCOMPARE(trace(QStringLiteral("setCaptureRect")).value(0),
                 QStringLiteral("setCaptureRect left=5 top=6 right=325 bottom=246 -> 0"));
        QVERIFY(trace(QStringLiteral("startRecording")).value(0).contains(QLatin1String("sourceKind=2 ")));
        QVERIFY(!webcam->form()->btnCapture->isEnabled());
        QVERIFY(!webcam->form()->btnEdit->isEnabled());
        webcam->stopRecord();
    }

    void textWatermark()
    {
        WatermarkItemText text(QStringLiteral("Hi"), QRect(0, 0, 1000, 1000));
        text.setColor(QColor(0x11, 0x22, 0x33));
        text.setTransparency(51);
        text.updateRect();
        DataGroupPrivate *p = g_enviroment->privateData;
        p->TextWatermark = text.toVariant();
        p->WatermarkType = WATERMARK_TEXT;
        ControlPanel *panel = bar(screenJob(&m_jobs, QRect(0, 0, 400, 300)));
        panel->startRecord();
        p->WatermarkType = WATERMARK_NONE;
        const QString block = trace(QStringLiteral("setWatermark")).value(0);
        for (const char *field : {"kind=1 ", "textColor=0x00332211 ", "text=\"Hi\" ", "transparency=0.8 "})
            QVERIFY2(block.contains(QLatin1String(field)), qPrintable(block));
        QVERIFY(trace(QStringLiteral("startRecording")).value(0).contains(QLatin1String("textWatermark=1 ")));
        panel->stopRecord();

        // The next recording without a watermark hands over the zeroed block.
        clearTrace();
        ControlPanel *plain = bar(screenJob(&m_jobs, QRect(0, 0, 400, 300)));
        plain->startRecord();
        QVERIFY(trace(QStringLiteral("setWatermark")).value(0).startsWith(QLatin1String("setWatermark kind=0 left=0 top=0 right=0 bottom=0")));
        plain->stopRecord();
    }

    void hardwareEncoderRetry()
    {
        QVERIFY(g_enviroment->output()->availableEncoders.size() > 1);
        g_enviroment->output()->setVideoEncoderIndex(1);
        QCOMPARE(g_enviroment->output()->videoEncoderFlag(), 2);
        loadScript("result startRecording -7 0\n");
        ControlPanel *panel = bar(screenJob(&m_jobs, QRect(0, 0, 100, 100)));
        panel->startRecord();
        const QStringList starts = trace(QStringLiteral("startRecording"));
        QCOMPARE(starts.size(), 2);
        QVERIFY(starts[0].contains(QLatin1String("hardwareEncoder=2 ")));
        QVERIFY(starts[1].contains(QLatin1String("hardwareEncoder=0 ")));
        QCOMPARE(g_enviroment->output()->VideoEncoderIndex, 0);
        QCOMPARE(panel->recordState(), int(ControlPanel::Recording));
        panel->stopRecord();

        // The software encoder failing gives no second try.
        clearTrace();
        loadScript("result startRecording -7\n");
        DialogAnswers answers;
        ControlPanel *failing = bar(screenJob(&m_jobs, QRect(0, 0, 100, 100)));
        failing->startRecord();
        QCOMPARE(trace(QStringLiteral("startRecording")).size(), 1);
    }

    void failedStartIsReportedNotRecorded()
    {
        DialogAnswers answers;
        loadScript("result startRecording -4\n");
        QPointer<ControlPanel> panel = bar(screenJob(&m_jobs, QRect(0, 0, 100, 100)));
        QSignalSpy finished(panel.data(), &QDialog::finished);
        panel->startRecord();
        QCOMPARE(finished.size(), 1);
        // Nothing was recorded: the main window opens no History for it.
        QCOMPARE(finished.at(0).at(0).toInt(), int(QDialog::Rejected));
        QCOMPARE(answers.messages, 1);
        QCOMPARE(g_historyList->count(), 0);
        QVERIFY(!panel->isPolling());
        panel->stopRecord(); // nothing more happens
        QCOMPARE(finished.size(), 1);

        // A scheduled job only logs; nothing recordable fails the same way.
        auto *scheduled = screenJob(&m_jobs, QRect());
        scheduled->setName(QStringLiteral("{job}"));
        ControlPanel *nothing = bar(scheduled);
        QCOMPARE(nothing->recordType(), 0);
        QSignalSpy finished2(nothing, &QDialog::finished);
        nothing->startRecord();
        QCOMPARE(finished2.size(), 1);
        QCOMPARE(answers.messages, 1);
        QCOMPARE(g_historyList->count(), 0);
        QCOMPARE(trace(QStringLiteral("startRecording")).size(), 1);

        // A further part that does not start ends the recording and says so,
        // rather than polling an engine that records nothing.
        loadScript("result startRecording 0 -4\ntime 5000000\n");
        QPointer<ControlPanel> split = bar(partsJob(&m_jobs, 5, 2));
        QSignalSpy finished3(split.data(), &QDialog::finished);
        split->startRecord();
        written(split->fileName(), 1);
        split->updateDuration();
        QCOMPARE(finished3.size(), 1);
        QCOMPARE(finished3.at(0).at(0).toInt(), int(QDialog::Accepted)); // its first part was recorded
        QCOMPARE(answers.messages, 2);
        QCOMPARE(g_historyList->count(), 1);
        QVERIFY(!split->isPolling());

        // A stop asked for while the message shows (hotkey, tray) finds the
        // recording already ended, and the bar may go meanwhile.
        loadScript("result startRecording -4\n");
        QPointer<ControlPanel> closing = bar(screenJob(&m_jobs, QRect(0, 0, 100, 100)));
        QSignalSpy finished4(closing.data(), &QDialog::finished);
        CommonDialog::setRunHook([&](CommonDialog *) {
            if (closing)
                closing->stopRecord();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            return int(QDialog::Accepted);
        });
        closing->startRecord();
        CommonDialog::setRunHook({});
        QVERIFY(!closing);
        QCOMPARE(finished4.size(), 1);
    }

    // The engine ends a recording whose file it cannot write; the bar ends
    // it at once, lists what is on the disk and tells why.
    void aFailedWriteEndsTheRecordingAndTellsWhy()
    {
        DialogAnswers answers;
        ControlPanel *full = bar(partsJob(&m_jobs, 60, 2));
        QSignalSpy finished(full, &QDialog::finished);
        full->startRecord();
        written(full->fileName(), 5000);
        // The clock froze at 9.84 s; the file holds 8.1 s, as the engine
        // answers after the stop.
        loadScript("time 9840000 8100000\nresult stopRecording -4\n");
        QVERIFY(QMetaObject::invokeMethod(full, "recordingFailed", Q_ARG(int, ENOSPC)));
        QCOMPARE(finished.size(), 1);
        QVERIFY(!full->isPolling());
        QCOMPARE(trace(QStringLiteral("startRecording")).size(), 1); // no further part
        QCOMPARE(g_historyList->count(), 1);
        QCOMPARE(g_historyList->itemAt(0)->duration(), qint64(8100));
        QCOMPARE(g_historyList->itemAt(0)->fileSize(), quint64(5000));
        QCOMPARE(answers.messages, 1);
        QVERIFY2(answers.texts.value(0).contains(QLatin1String("disk is full")), qPrintable(answers.texts.value(0)));

        // Its file removed (with its folder): nothing is listed, and the
        // user learns the recording is lost.
        ControlPanel *gone = bar(screenJob(&m_jobs, QRect(0, 0, 100, 100)));
        gone->startRecord();
        const QString name = QDir::toNativeSeparators(gone->fileName());
        QVERIFY(QMetaObject::invokeMethod(gone, "recordingFailed", Q_ARG(int, ENOENT)));
        QCOMPARE(g_historyList->count(), 1);
        QCOMPARE(answers.messages, 2);
        QVERIFY(answers.texts.value(1).contains(QLatin1String("removed")));
        QVERIFY(answers.texts.value(1).contains(name));

        // A stop that the engine answers with a write error says so too.
        ControlPanel *stopped = bar(screenJob(&m_jobs, QRect(0, 0, 100, 100)));
        stopped->startRecord();
        written(stopped->fileName(), 10);
        stopped->stopRecord();
        QCOMPARE(g_historyList->count(), 2);
        QCOMPARE(answers.messages, 3);
        QVERIFY(answers.texts.value(2).contains(QLatin1String("could not be written")));

        // The sound it records goes (its device removed, the sound server
        // ended): the parts to come are dropped, the file is listed, and the
        // user learns why, once, also when the second device's loss follows.
        loadScript("");
        clearTrace();
        ControlPanel *silent = bar(partsJob(&m_jobs, 60, 2));
        QSignalSpy finished5(silent, &QDialog::finished);
        silent->startRecord();
        const QString silentName = QDir::toNativeSeparators(silent->fileName());
        written(silent->fileName(), 10);
        ControlBarLink::soundLost(silent);
        ControlBarLink::soundLost(silent);
        QCOMPARE(finished5.size(), 1);
        QCOMPARE(trace(QStringLiteral("startRecording")).size(), 1);
        QCOMPARE(g_historyList->count(), 3);
        QCOMPARE(answers.messages, 4);
        QVERIFY2(answers.texts.value(3).contains(QLatin1String("sound")) && answers.texts.value(3).contains(silentName),
                 qPrintable(answers.texts.value(3)));
    }

    void stopBeforeStartRejects()
    {
        ControlPanel *panel = bar(screenJob(&m_jobs, QRect(0, 0, 100, 100)));
        QSignalSpy finished(panel, &QDialog::finished);
        panel->stopRecord();
        QCOMPARE(finished.size(), 1);
        QCOMPARE(finished.at(0).at(0).toInt(), int(QDialog::Rejected));
        QVERIFY(trace(QStringLiteral("stopRecording")).isEmpty());
    }

    void lengthLimitAndSegments()
    {
        ControlPanel *panel = bar(partsJob(&m_jobs, 5, 2));
        QSignalSpy finished(panel, &QDialog::finished);
        QCOMPARE(panel->recordLength(), qint64(5000));
        QCOMPARE(panel->loopCount(), 2);
        panel->startRecord();
        const QString first = panel->fileName();
        written(first, 0);

        loadScript("time 4999999 5000000\n");
        panel->updateDuration();
        QCOMPARE(g_historyList->count(), 0);
        panel->updateDuration(); // the limit: the next segment starts
        QCOMPARE(g_historyList->count(), 1);
        QCOMPARE(panel->recordState(), int(ControlPanel::Recording));
        QCOMPARE(panel->loopCount(), 1);
        QVERIFY(panel->fileName() != first);
        QCOMPARE(trace(QStringLiteral("startRecording")).size(), 2);
        QCOMPARE(trace(QStringLiteral("setCaptureRect")).size(), 1);
        QCOMPARE(finished.size(), 0);

        // A failed time query keeps the last value, which is below the limit
        // for the new segment.
        loadScript("result getRecordedTime -1\n");
        panel->updateDuration();
        QCOMPARE(g_historyList->count(), 1);

        // Stop by hand during the second file ends with two.
        written(panel->fileName(), 0);
        loadScript("time 1000000\n");
        panel->stopRecord();
        QCOMPARE(g_historyList->count(), 2);
        QCOMPARE(panel->loopCount(), 0);
        QCOMPARE(finished.size(), 1);
        QCOMPARE(g_historyList->itemAt(1)->fileName(), first);
    }

    void pollFrozenWhilePaused()
    {
        ControlPanel *panel = bar(screenJob(&m_jobs, QRect(0, 0, 100, 100)));
        panel->startRecord();
        QVERIFY(panel->isPolling());
        loadScript("time 61000000\nsize 2048\n");
        panel->updateDuration();
        QCOMPARE(panel->form()->lblDuration->text(), QStringLiteral("00:01:01"));
        QVERIFY(panel->form()->lblOutputSize->text().startsWith(QLatin1String("2.00 KB/")));
        panel->pauseRecord();
        QVERIFY(!panel->isPolling());
        QVERIFY(panel->form()->btnResume->isVisibleTo(panel));
        QVERIFY(!panel->form()->btnPause->isVisibleTo(panel));
        panel->pauseRecord();
        QVERIFY(panel->isPolling());
        QCOMPARE(trace(QStringLiteral("pauseRecording")).size(), 1);
        QCOMPARE(trace(QStringLiteral("resumeRecording")).size(), 1);
        panel->stopRecord();
    }

    void toolPagesAndHeights()
    {
        ControlPanel *panel = bar(screenJob(&m_jobs, QRect(0, 0, 100, 100)));
        Ui::ControlPanelClass *ui = panel->form();
        QCOMPARE(panel->height(), 50);
        QCOMPARE(panel->width(), 710);
        ui->btnRecordLength->click();
        QCOMPARE(panel->height(), 172);
        QCOMPARE(ui->stackedWidget->currentIndex(), 0);
        ui->btnOption->click();
        QVERIFY(!ui->btnRecordLength->isChecked());
        QCOMPARE(ui->stackedWidget->currentIndex(), 2);
        QCOMPARE(panel->height(), 172);
        ui->btnOption->click();
        QCOMPARE(panel->height(), 50);
        QVERIFY(!ui->stackedWidget->isVisibleTo(panel));

        // Near the screen's bottom the bar moves up as it opens.
        const QRect screen = g_enviroment->privateData->selectedScreenGeometry();
        panel->move(screen.left() + 10, screen.bottom() - 60);
        ui->btnEdit->click();
        QCOMPARE(panel->geometry().bottom(), screen.bottom());
        QCOMPARE(ui->stackedWidget->currentIndex(), 1);
        panel->stopRecord();
    }

    // The main window names the bar; a change of language keeps that name.
    void titleOutlivesRetranslation()
    {
        ControlPanel *panel = bar(screenJob(&m_jobs, QRect(0, 0, 100, 100)));
        panel->setWindowTitle(QStringLiteral("Main title"));
        panel->retranslate();
        QCOMPARE(panel->windowTitle(), QStringLiteral("Main title"));
        panel->stopRecord();
    }

    void lengthPage()
    {
        DialogAnswers answers;
        ControlPanel *panel = bar(screenJob(&m_jobs, QRect(0, 0, 100, 100)));
        Ui::ControlPanelClass *ui = panel->form();
        QCOMPARE(panel->recordLength(), qint64(-1));
        QVERIFY(!ui->chxRecordLength->isChecked());
        QVERIFY(ui->edtHours->isReadOnly());

        answers.times << QTime(); // cancelled
        ui->chxRecordLength->click();
        QVERIFY(!ui->chxRecordLength->isChecked());
        QCOMPARE(panel->recordLength(), qint64(-1));

        answers.times << QTime(0, 0, 0);
        ui->chxRecordLength->click();
        QVERIFY(ui->chxRecordLength->isChecked());
        QCOMPARE(answers.messages, 1);
        QCOMPARE(panel->recordLength(), qint64(180000));
        QCOMPARE(ui->edtMinutes->text(), QStringLiteral("03"));

        answers.times << QTime(1, 2, 3);
        ui->btnModify->click();
        QCOMPARE(panel->recordLength(), qint64(3723000));
        QCOMPARE(ui->edtHours->text(), QStringLiteral("01"));
        QCOMPARE(ui->edtSeconds->text(), QStringLiteral("03"));

        ui->chxRecordLength->click();
        QCOMPARE(panel->recordLength(), qint64(-1));
        QVERIFY(!ui->btnModify->isEnabled());
        panel->stopRecord();
    }

    void mutingKeepsTheDeviceOpen()
    {
        loadScript("audio 4 \"Speakers\"\n");
        g_systemSoundList = new AudioDeviceList(nullptr, DEVICE_SYSTEM_SOUND);
        g_systemSoundList->rescanDevice();
        QCOMPARE(g_systemSoundList->deviceCount(), 1);
        auto *job = screenJob(&m_jobs, QRect(0, 0, 100, 100));
        job->recordSource()->systemsoundEnabled = true;
        job->recordSource()->systemsoundIndex = 0;
        job->recordSource()->systemsoundVolume = 250; // a hand-edited task
        ControlPanel *panel = bar(job);
        Ui::ControlPanelClass *ui = panel->form();
        QVERIFY(g_systemSoundList->isDeviceEnabled());
        QCOMPARE(g_systemSoundList->volume(), 200);
        QVERIFY(ui->chxSystemSound->isChecked());
        QCOMPARE(ui->sldSystemSound->value(), 200);
        ui->sldSystemSound->setValue(120);
        QCOMPARE(g_systemSoundList->volume(), 120);

        ui->chxSystemSound->click();
        QCOMPARE(g_systemSoundList->volume(), 0);
        QVERIFY(!ui->sldSystemSound->isEnabled());
        QVERIFY(g_systemSoundList->isDeviceEnabled());
        ui->chxSystemSound->click();
        QCOMPARE(g_systemSoundList->volume(), 120);
        QVERIFY(ui->sldSystemSound->isEnabled());
        // No microphone list: its controls stay off.
        QVERIFY(!ui->chxMicrophone->isEnabled());
        panel->stopRecord();
        delete g_systemSoundList;
        g_systemSoundList = nullptr;
    }

    void placement()
    {
        const QRect screen(0, 0, 1920, 1080);
        const QRect bar(0, 0, 710, 50);
        // Below the region's bottom-right corner.
        QCOMPARE(ControlPanel::placeBeside(bar, QRect(800, 100, 641, 481), screen),
                 QRect(QPoint(1440 - 709, 583), QSize(710, 50)));
        // No room below: above the region.
        QCOMPARE(ControlPanel::placeBeside(bar, QRect(800, 500, 641, 540), screen),
                 QRect(QPoint(1440 - 709, 447), QSize(710, 50)));
        // No room above either: at the screen's top; kept right of its left edge.
        QCOMPARE(ControlPanel::placeBeside(bar, QRect(0, 20, 300, 1050), screen),
                 QRect(QPoint(1, 2), QSize(710, 50)));
    }

    void pngNameIsFree()
    {
        const QString folder = m_dir.filePath(QStringLiteral("Png"));
        QDir().mkpath(folder);
        const QString jpg = folder + QStringLiteral("/Snapshot_26-12-08_02-42-01.jpg");
        QCOMPARE(ControlPanel::pngFallbackPath(jpg), folder + QStringLiteral("/Snapshot_26-12-08_02-42-01.png"));
        QFile png(folder + QStringLiteral("/Snapshot_26-12-08_02-42-01.png"));
        QVERIFY(png.open(QIODevice::WriteOnly));
        png.close();
        const QString next = ControlPanel::pngFallbackPath(jpg);
        QVERIFY(next.endsWith(QLatin1String(".png")));
        QVERIFY(!QFile::exists(next));
    }
};

QTEST_MAIN(TestControlPanel)
#include "tst_controlpanel.moc"
