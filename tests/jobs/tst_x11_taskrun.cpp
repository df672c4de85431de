// A task made through the windows of the running program, with its real
// engine: the main window's Task Schedule button, New Task, a name, a start
// shortly ahead and a 5 s length. The store writes the task file, and once
// the window is closed the program records at that time and History.xml
// lists the video. A job whose device is gone, started by "-Task" against
// the test engine, records the default device, or says why it cannot.
#include <QtTest>

#include <sys/stat.h>

#include "byhand.h"
#include "filetaskservice.h"
#include "programrun.h"
#include "taskschedulelist.h"

using namespace testsupport;

namespace {
// A visible window of the process with exactly this size, or empty.
QString windowOfSize(qint64 pid, const QSize &size, int timeoutMs)
{
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < timeoutMs) {
        for (const QString &id : visibleWindows(pid))
            if (windowGeometry(id).size() == size)
                return id;
        QThread::msleep(100);
    }
    return QString();
}
// What the process shows, for a failure to say: each window's title and
// place.
QString shownWindows(qint64 pid)
{
    QString text = QStringLiteral("windows shown:\n");
    for (const QString &id : visibleWindows(pid)) {
        const QRect g = windowGeometry(id);
        text += QStringLiteral("  %1 \"%2\" %3,%4 %5x%6\n")
                    .arg(id, windowName(id))
                    .arg(g.x())
                    .arg(g.y())
                    .arg(g.width())
                    .arg(g.height());
    }
    return text;
}
bool clickAt(const QString &window, int x, int y)
{
    const QRect g = windowGeometry(window);
    return xdotool({"mousemove", QString::number(g.x() + x), QString::number(g.y() + y), "click", "1"});
}
// Replaces the text of the editor under (x, y) by typing.
bool typeInto(const QString &window, int x, int y, const QString &text)
{
    return xdotool({"windowfocus", "--sync", window}) && clickAt(window, x, y)
           && xdotool({"key", "ctrl+a", "type", "--delay", "30", text});
}
// Answers the small message window with Return.
bool answer(qint64 pid, const QString &text = QString())
{
    const QString prompt = waitForWindow(pid, QStringLiteral("Olvex Free Mirelo"), isMessageSize, 20000);
    if (prompt.isEmpty() || !xdotool({"windowfocus", "--sync", prompt}))
        return false;
    if (!text.isEmpty() && !xdotool({"key", "ctrl+a", "type", text}))
        return false;
    return xdotool({"key", "Return"});
}
QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
// A job of the user's task store with one trigger, as the task form makes
// it, holding the record job's `data`.
bool registerJob(const ProgramUser &user, const QString &job, const QString &description, const QString &data)
{
    FileTaskService tasks(user.dataFolder() + QStringLiteral("Tasks"));
    if (!tasks.createFolder(TaskScheduleList::folderPath()))
        return false;
    TaskDefinition task;
    task.description = description;
    task.hasData = true;
    task.data = data;
    TaskTrigger trigger;
    trigger.enabled = true;
    trigger.startBoundary = QStringLiteral("2026-01-01T08:00:00");
    task.triggers.append(trigger);
    return tasks.registerTask(job, task);
}

// Starts the program for `job` of `user`'s task store (a "-Task" start)
// against the test engine, which plays `script`; answers the file the
// engine writes its trace to, empty when the program did not start.
QString startJob(QProcess &p, const ProgramUser &user, const QString &job, const QByteArray &script)
{
    const QString scriptFile = user.root() + QStringLiteral("/engine-script");
    const QString traceFile = user.root() + QStringLiteral("/engine-trace");
    QFile f(scriptFile);
    if (!f.open(QIODevice::WriteOnly) || f.write(script) != script.size())
        return QString();
    f.close();
    QProcessEnvironment env = user.environment(QStringLiteral(MIRELO_TEST_ENGINE_PATH));
    env.insert(QStringLiteral("MIRELO_TEST_ENGINE_SCRIPT"), scriptFile);
    env.insert(QStringLiteral("MIRELO_TEST_ENGINE_TRACE"), traceFile);
    p.setProcessEnvironment(env);
    p.start(programPath(), {QStringLiteral("-Task"), job});
    return p.waitForStarted(10000) ? traceFile : QString();
}

} // namespace

class TestTaskRun : public QObject
{
    Q_OBJECT
private slots:
    void aTaskMadeInTheWindowsRecordsAtItsTime()
    {
        ProgramUser user;
        QProcess p;
        QVERIFY(startProgram(p, user, {}));
        const qint64 pid = p.processId();
        const QString main = waitForWindow(pid, QStringLiteral("Olvex Free Mirelo"), isMainFrameSize, 60000);
        QVERIFY(!main.isEmpty());
        // Drawn once the button stands still.
        const QRect g = windowGeometry(main);
        QVERIFY(waitStill(QRect(g.topLeft() + QPoint(440, 261), QSize(80, 40))));
        QVERIFY(clickAt(main, 480, 281)); // "Task Schedule"
        const QString tasks = windowOfSize(pid, QSize(700, 600), 20000);
        QVERIFY(!tasks.isEmpty());
        QVERIFY(clickAt(tasks, 80, 60)); // "New Task"
        QVERIFY(answer(pid, QStringLiteral("Timed")));
        const QString form = windowOfSize(pid, QSize(650, 550), 20000);
        QVERIFY(!form.isEmpty());
        // A new task starts three minutes ahead: two minutes back.
        QVERIFY(xdotool({"windowfocus", "--sync", form}) && clickAt(form, 250, 103)); // the start editor
        QVERIFY(xdotool({"key", "Down", "Down"}));
        const QDateTime start = QDateTime::currentDateTime();
        QVERIFY(typeInto(form, 170, 166, QStringLiteral("00:00:05"))); // the length editor
        QVERIFY(clickAt(form, 588, 524)); // OK
        QVERIFY(answer(pid)); // "Operation successfully done."
        const QString log = user.dataFolder() + QStringLiteral("Log/myrun.log");
        QTRY_VERIFY_WITH_TIMEOUT(readAll(log).contains("taskschedule save"), 20000);
        QVERIFY2(readAll(log).contains("taskschedule save success"), readAll(log).constData());

        const QDir folder(user.dataFolder() + QStringLiteral("Tasks/Olvex Free Mirelo/1.1"));
        const QStringList files = folder.entryList({QStringLiteral("*.xml")}, QDir::Files);
        QCOMPARE(files.size(), 1);
        const QByteArray task = readAll(folder.filePath(files.first()));
        QVERIFY2(task.contains("<Description>Timed</Description>") && task.contains(",5;")
                     && task.contains("enabled=\"1\""),
                 task.constData());

        QVERIFY(clickAt(tasks, 672, 18)); // close: the firing timer runs again
        const QString history = user.dataFolder() + QStringLiteral("History.xml");
        // The job is due about a minute ahead; then it records 5 s and the
        // file is finished. A loaded machine takes longer for the last two.
        QTRY_VERIFY_WITH_TIMEOUT(readAll(history).contains(".mp4"), 150000);
        QVERIFY2(QDateTime::currentDateTime() >= start, readAll(history).constData());
        const QRegularExpression item(QStringLiteral("FileName=\"([^\"]+\\.mp4)\".*Duration=\"(\\d+)\""));
        const QRegularExpressionMatch m = item.match(QString::fromUtf8(readAll(history)));
        QVERIFY(m.hasMatch());
        QVERIFY(QFileInfo(m.captured(1)).size() > 0);
        QVERIFY2(m.captured(2).toInt() >= 4000, qPrintable(m.captured(2)));
        stopProgram(p);
    }

    // A microphone job whose device index the machine does not have (one
    // unplugged since, or 99999) records the default microphone, and says
    // which once it has ended; with no microphone at all it cannot record,
    // and the user is told why in a message while the log keeps it.
    void aJobWhoseDeviceIsGoneTakesTheDefaultOrSaysWhy()
    {
        const QString job = QStringLiteral("{5a5a5a5a-0000-4000-8000-00000000beef}");
        auto run = [&](const QByteArray &script, QByteArray *trace, QString *told, const QString &toldOnceDone = {}) {
            ProgramUser user;
            QVERIFY(registerJob(user, job, QStringLiteral("Voice memo"),
                                QStringLiteral("stopType,0;loop,0;duration,,5;screen,0,-1,0,0,0,0;camera,0,-1,0,0,0,0;"
                                               "systemsound,0,0,100;microphone,1,99999,100")));
            QProcess p;
            const QString traceFile = startJob(p, user, job, script);
            QVERIFY(!traceFile.isEmpty());
            const QString log = user.dataFolder() + QStringLiteral("Log/myrun.log");
            // The job starts 5 s after the program; then it records, or it
            // fails and says so.
            QTRY_VERIFY_WITH_TIMEOUT(readAll(traceFile).contains("startRecording")
                                         || readAll(log).contains("start_record fail"),
                                     60000);
            *trace = readAll(traceFile);
            if (!toldOnceDone.isEmpty()) {
                // The scripted clock ends it at its first look: then the user
                // is told, and the log keeps it.
                QTRY_VERIFY_WITH_TIMEOUT(readAll(log).contains(toldOnceDone.toUtf8()), 60000);
                QVERIFY(!waitForWindow(p.processId(), QStringLiteral("Olvex Free Mirelo"), isMessageSize, 20000)
                             .isEmpty());
            }
            if (told) {
                const QString message = waitForWindow(p.processId(), QStringLiteral("Olvex Free Mirelo"),
                                                      isMessageSize, 20000);
                QVERIFY(!message.isEmpty());
                *told = QString::fromUtf8(readAll(log));
            }
            stopProgram(p);
        };

        QByteArray trace;
        run("audio 8 \"Built-in microphone\"\naudio 4 \"Speakers\"\ntime 6000000\n", &trace, nullptr,
            QStringLiteral("Scheduled job %1: The microphone chosen for this recording was not there: "
                           "\"Built-in microphone\" recorded instead.")
                .arg(job));
        const int start = trace.indexOf("startRecording");
        QVERIFY2(start > 0, trace.constData());
        QVERIFY2(trace.indexOf("audioSources=8", start) > start, trace.constData());
        // The device the recording took is the microphone there is.
        const int chosen = trace.lastIndexOf("selectAudioDevice type=8", start);
        QVERIFY2(chosen >= 0 && trace.mid(chosen, 40).contains("index=0"), trace.constData());

        QString log;
        run("audio 4 \"Speakers\"\n", &trace, &log);
        QVERIFY2(!trace.contains("startRecording"), trace.constData());
        QVERIFY2(log.contains(QStringLiteral("Scheduled job %1: Failed to start recording").arg(job)),
                 qPrintable(log));
    }

    // Task files that cannot run (a FIFO, a folder, garbage) are set aside
    // at the start and named in one notice. The job of a "-Task" start fires
    // 5 s later and closes the program's other windows, but not that notice:
    // it waits for the user. The job names a webcam and there is none: it
    // records the screen and the sound, and once it has ended says what it
    // left out, in a notice of its own after the first.
    void theSetAsideNoticeWaitsThroughAJob()
    {
        ProgramUser user;
        const QString job = QStringLiteral("{6b6b6b6b-0000-4000-8000-00000000cafe}");
        QVERIFY(registerJob(user, job, QStringLiteral("Screen and webcam"),
                            QStringLiteral("stopType,0;loop,0;duration,,5;screen,1,0,0,0,640,480;camera,1,0,0,0,320,240;"
                                           "systemsound,1,0,100;microphone,0,0,100")));
        const QDir folder(user.dataFolder() + QStringLiteral("Tasks/") + TaskScheduleList::folderPath());
        const QString fifo = folder.filePath(QStringLiteral("{00000000-0000-4000-8000-000000000001}.xml"));
        QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        QVERIFY(folder.mkdir(QStringLiteral("{00000000-0000-4000-8000-000000000002}.xml")));
        QFile garbage(folder.filePath(QStringLiteral("{00000000-0000-4000-8000-000000000003}.xml")));
        QVERIFY(garbage.open(QIODevice::WriteOnly));
        garbage.write("\x01\x02 not a task <<<");
        garbage.close();

        QProcess p;
        const QString traceFile = startJob(p, user, job, "audio 4 \"Speakers\"\ntime 6000000\n");
        QVERIFY(!traceFile.isEmpty());
        const qint64 pid = p.processId();
        const QString title = QStringLiteral("Olvex Free Mirelo");
        const QString notice = waitForWindow(pid, title, isMessageSize, 60000);
        const QString log = user.dataFolder() + QStringLiteral("Log/myrun.log");
        QVERIFY2(!notice.isEmpty(), qPrintable(shownWindows(pid) + QString::fromUtf8(readAll(log))));
        QTRY_VERIFY_WITH_TIMEOUT(readAll(traceFile).contains("startRecording"), 60000);
        QVERIFY2(visibleWindows(pid, title).contains(notice), "the job closed the notice");
        // The job ends by the scripted clock and tells what it left out;
        // the first notice is still there, the second waits behind it.
        QTRY_VERIFY_WITH_TIMEOUT(readAll(log).contains("There was no webcam"), 60000);
        QVERIFY(readAll(log).contains(QStringLiteral("Scheduled job %1: There was no webcam").arg(job).toUtf8()));
        QVERIFY2(visibleWindows(pid, title).contains(notice), qPrintable(notice + " is gone; " + shownWindows(pid)));
        QVERIFY(xdotool({"windowfocus", "--sync", notice}) && xdotool({"key", "Return"}));
        QTRY_VERIFY_WITH_TIMEOUT(!visibleWindows(pid, title).contains(notice), 20000);
        QVERIFY(!waitForWindow(pid, title, isMessageSize, 20000).isEmpty());
        stopProgram(p);
    }
};

QTEST_GUILESS_MAIN(TestTaskRun)
#include "tst_x11_taskrun.moc"
