// The systemd user-timer mirror of scheduled jobs: the units systemd accepts,
// calendars that agree with the job's own next run, and the systemctl calls
// (through a stand-in script that records its arguments).
#include <QtTest>

#include "systemdtaskmirror.h"
#include "taskschedulelist.h"
#include "faketaskservice.h"

namespace {

const char NAME[] = "{0f1e2d3c-4b5a-6978-8796-a5b4c3d2e1f0}";
const char UNIT[] = "mirelo-task-0f1e2d3c4b5a69788796a5b4c3d2e1f0";

TaskDefinition definitionOf(TaskScheduleItem *job, FakeTaskService *service)
{
    job->setName(QLatin1String(NAME));
    if (!job->registerTask())
        return TaskDefinition();
    return service->tasks.value(QLatin1String(NAME));
}

// systemd-analyze's answer for a calendar, as local time.
QDateTime nextElapse(const QString &calendar)
{
    QProcess process;
    process.start(QStringLiteral("systemd-analyze"), {QStringLiteral("calendar"), calendar});
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return QDateTime();
    const QString out = QString::fromLocal8Bit(process.readAllStandardOutput());
    const QRegularExpressionMatch m =
        QRegularExpression(QStringLiteral("Next elapse: \\w+ (\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d)")).match(out);
    return m.hasMatch() ? QDateTime::fromString(m.captured(1), QStringLiteral("yyyy-MM-dd HH:mm:ss")) : QDateTime();
}

} // namespace

class TestSystemdTaskMirror : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_script;
    QString m_callLog;
    FakeTaskService *m_service = nullptr;
    std::unique_ptr<TaskScheduleList> m_list;

    QStringList calls()
    {
        QFile file(m_callLog);
        if (!file.open(QIODevice::ReadOnly))
            return {};
        return QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        m_callLog = m_dir.filePath(QStringLiteral("calls"));
        m_script = m_dir.filePath(QStringLiteral("systemctl"));
        QFile script(m_script);
        QVERIFY(script.open(QIODevice::WriteOnly));
        script.write(QStringLiteral("#!/bin/sh\necho \"$*\" >> '%1'\n"
                                    "[ \"$2\" = show-environment ] && echo DISPLAY=:5\nexit 0\n")
                         .arg(m_callLog).toUtf8());
        script.close();
        script.setPermissions(script.permissions() | QFileDevice::ExeOwner);
        auto service = std::make_unique<FakeTaskService>();
        service->folders.append(TaskScheduleList::folderPath());
        m_service = service.get();
        m_list = std::make_unique<TaskScheduleList>(std::move(service),
                                                    [] { return QDateTime::currentDateTime(); });
    }

    void unitNames()
    {
        QCOMPARE(SystemdTaskMirror::unitName(QLatin1String(NAME)), QLatin1String(UNIT));
        QVERIFY(SystemdTaskMirror::unitName(QStringLiteral("{../../x}")).isEmpty());
        QVERIFY(SystemdTaskMirror::unitName(QStringLiteral("{0F1E2D3C-4B5A-6978-8796-A5B4C3D2E1F0}")).isEmpty());
    }

    void calendarsAgreeWithTheNextRun_data()
    {
        QTest::addColumn<int>("repeat");
        QTest::addColumn<int>("mask");
        QTest::addColumn<int>("daysAhead");
        QTest::newRow("once") << 0 << 0 << 3;
        QTest::newRow("daily") << 1 << 127 << -10;
        QTest::newRow("monday and friday") << 1 << 34 << -10;
        QTest::newRow("saturday") << 1 << 64 << 40;
    }

    void calendarsAgreeWithTheNextRun()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("systemd-analyze")).isEmpty())
            QSKIP("systemd-analyze is not installed");
        QFETCH(int, repeat);
        QFETCH(int, mask);
        QFETCH(int, daysAhead);
        TaskScheduleItem *job = m_list->createItem();
        const QDateTime now = QDateTime::currentDateTime();
        const QDateTime start(now.date().addDays(daysAhead), QTime(7, 45, 30));
        job->setStartTime(start);
        job->setRepeat(repeat);
        job->setWeekdayMask(quint16(mask));
        const TaskDefinition definition = definitionOf(job, m_service);
        const QString calendar = SystemdTaskMirror::onCalendar(definition.triggers.first());
        QVERIFY(!calendar.isEmpty());
        QCOMPARE(nextElapse(calendar), job->nextRunTime(now));
        delete job;
    }

    void unitsPassVerify()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("systemd-analyze")).isEmpty())
            QSKIP("systemd-analyze is not installed");
        TaskScheduleItem *job = m_list->createItem();
        job->setStartTime(QDateTime::currentDateTime().addDays(1));
        job->setRepeat(1);
        job->setWeekdayMask(42);
        TaskDefinition definition = definitionOf(job, m_service);
        const QString folder = m_dir.filePath(QStringLiteral("verify"));
        QDir().mkpath(folder);
        for (const QString &suffix : {QStringLiteral(".service"), QStringLiteral(".timer")}) {
            QFile file(folder + QLatin1Char('/') + QLatin1String(UNIT) + suffix);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write((suffix == QLatin1String(".timer")
                            ? SystemdTaskMirror::timerText(QLatin1String(NAME), definition)
                            : SystemdTaskMirror::serviceText(QLatin1String(NAME), {},
                                                              QCoreApplication::applicationFilePath()))
                           .toUtf8());
        }
        QProcess process;
        process.setWorkingDirectory(folder);
        process.start(QStringLiteral("systemd-analyze"),
                      {QStringLiteral("verify"), QLatin1String(UNIT) + QStringLiteral(".timer"),
                       QLatin1String(UNIT) + QStringLiteral(".service")});
        QVERIFY(process.waitForFinished(60000));
        QVERIFY2(process.exitCode() == 0, process.readAllStandardError().constData());
        delete job;
    }

    void serviceQuotesThePathAndDoublesPercent()
    {
        const QString program = QStringLiteral("/opt/my \"50%\" dir/mirelo");
        qputenv("DISPLAY", ":7");
        const QString withDisplay =
            SystemdTaskMirror::serviceText(QLatin1String(NAME), {QStringLiteral("DISPLAY=:0")}, program);
        QVERIFY(withDisplay.contains(
            QStringLiteral("ExecStart=\"/opt/my \\\"50%%\\\" dir/mirelo\" \"-Task\" \"%1\"\n").arg(QLatin1String(NAME))));
        QVERIFY(!withDisplay.contains(QLatin1String("DISPLAY=:7")));
        const QString without = SystemdTaskMirror::serviceText(QLatin1String(NAME), {}, program);
        QVERIFY(without.contains(QLatin1String("Environment=\"DISPLAY=:7\"")));
    }

    // A task file named what the unit ran, and a line break in it added a
    // line of its own (an ExecStartPre=). The unit runs this program with
    // "-Task <name>" only; a task or a text with a control character gets
    // no unit at all, and an older one goes.
    void aTaskFileCannotChooseWhatTheUnitRuns()
    {
        const QString units = m_dir.filePath(QStringLiteral("chosen"));
        const QString program = QStringLiteral("/opt/mirelo/mirelo");
        SystemdTaskMirror mirror(units, m_script, program);
        const QString service = units + QLatin1Char('/') + QLatin1String(UNIT) + QStringLiteral(".service");
        TaskScheduleItem *job = m_list->createItem();
        job->setStartTime(QDateTime::currentDateTime().addDays(1));
        TaskDefinition definition = definitionOf(job, m_service);
        delete job;
        definition.actionPath = QStringLiteral("/bin/sh");
        definition.actionArguments = QStringLiteral("-c rm");
        mirror.update(QLatin1String(NAME), definition);
        QFile file(service);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray text = file.readAll();
        file.close();
        QVERIFY(text.contains(QStringLiteral("\nExecStart=\"%1\" \"-Task\" \"%2\"\n")
                                  .arg(program, QLatin1String(NAME)).toUtf8()));
        QVERIFY(!text.contains("/bin/sh") && !text.contains("rm"));

        definition.actionPath = QStringLiteral("/opt/mirelo/mirelo\nExecStartPre=/bin/touch /tmp/owned");
        mirror.update(QLatin1String(NAME), definition);
        QVERIFY(!QFileInfo::exists(service));
        QVERIFY(QDir(units).entryList(QDir::Files).isEmpty());

        for (const QString &bad : {QStringLiteral("/opt/mirelo\n/mirelo"), QStringLiteral("/opt/\x1b[2J")})
            QVERIFY(SystemdTaskMirror::serviceText(QLatin1String(NAME), {}, bad).isEmpty());
        QVERIFY(SystemdTaskMirror::serviceText(QStringLiteral("{0f1e2d3c-4b5a-6978-8796-a5b4c3d2e1f0}\n"), {}, program)
                    .isEmpty());
        qputenv("DISPLAY", ":7\nExecStartPre=/bin/true");
        QVERIFY(SystemdTaskMirror::serviceText(QLatin1String(NAME), {}, program).isEmpty());
        qputenv("DISPLAY", ":7");
    }

    void systemctlCalls()
    {
        const QString units = m_dir.filePath(QStringLiteral("units"));
        SystemdTaskMirror mirror(units, m_script);
        QFile::remove(m_callLog);
        QVERIFY(mirror.userManagerAnswers());
        QCOMPARE(calls(), QStringList{QStringLiteral("--user show-environment")});

        TaskScheduleItem *job = m_list->createItem();
        job->setStartTime(QDateTime::currentDateTime().addDays(1));
        TaskDefinition definition = definitionOf(job, m_service);
        QFile::remove(m_callLog);
        mirror.update(QLatin1String(NAME), definition);
        QCOMPARE(calls(), (QStringList{QStringLiteral("--user daemon-reload"),
                                       QStringLiteral("--user enable --now %1.timer").arg(QLatin1String(UNIT))}));
        QVERIFY(QFileInfo::exists(units + QLatin1Char('/') + QLatin1String(UNIT) + QStringLiteral(".service")));
        const QByteArray service = [&] {
            QFile f(units + QLatin1Char('/') + QLatin1String(UNIT) + QStringLiteral(".service"));
            f.open(QIODevice::ReadOnly);
            return f.readAll();
        }();
        QVERIFY(!service.contains("Environment=\"DISPLAY")); // the manager has one

        definition.triggers.first().enabled = false;
        QFile::remove(m_callLog);
        mirror.update(QLatin1String(NAME), definition);
        QCOMPARE(calls().last(), QStringLiteral("--user disable --now %1.timer").arg(QLatin1String(UNIT)));

        // Loading brings the folder in line: units of a task that is gone go.
        QFile::remove(m_callLog);
        mirror.sync({});
        QCOMPARE(calls().first(), QStringLiteral("--user disable --now %1.timer").arg(QLatin1String(UNIT)));
        QVERIFY(QDir(units).entryList(QDir::Files).isEmpty());

        mirror.update(QLatin1String(NAME), definition);
        QFile::remove(m_callLog);
        mirror.remove(QLatin1String(NAME));
        QCOMPARE(calls(), (QStringList{QStringLiteral("--user disable --now %1.timer").arg(QLatin1String(UNIT)),
                                       QStringLiteral("--user daemon-reload")}));
        QVERIFY(QDir(units).entryList(QDir::Files).isEmpty());
        delete job;
    }
};

QTEST_GUILESS_MAIN(TestSystemdTaskMirror)
#include "tst_systemdtaskmirror.moc"
