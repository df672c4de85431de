// The scheduled-job store over a task service in memory: loading, writing
// jobs, deleting them and the firing rule against an injected clock.
#include <QtTest>

#include "faketaskservice.h"
#include "filetaskservice.h"
#include "keptfile.h"
#include "taskschedulelist.h"

namespace {

QDateTime at(const char *text)
{
    return QDateTime::fromString(QLatin1String(text), QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

TaskDefinition task(int type, bool enabled, const char *start, quint16 days = 0)
{
    TaskDefinition d;
    TaskTrigger t;
    t.type = type;
    t.enabled = enabled;
    t.startBoundary = QLatin1String(start);
    t.daysOfWeek = days;
    d.triggers.append(t);
    return d;
}

const char A[] = "{00000000-0000-0000-0000-00000000000a}";
const char B[] = "{00000000-0000-0000-0000-00000000000b}";
const char C[] = "{00000000-0000-0000-0000-00000000000c}";

} // namespace

class TestTaskScheduleList : public QObject
{
    Q_OBJECT

    QDateTime m_now = at("2026-12-09 10:00:00");
    FakeTaskService *m_service = nullptr;

    std::unique_ptr<TaskScheduleList> make(std::unique_ptr<FakeTaskService> service = nullptr)
    {
        if (!service) {
            service = std::make_unique<FakeTaskService>();
            service->folders.append(TaskScheduleList::folderPath());
        }
        m_service = service.get();
        return std::make_unique<TaskScheduleList>(std::move(service), [this] { return m_now; });
    }

private slots:
    void loadingMapsTriggersAndSortsStably()
    {
        auto service = std::make_unique<FakeTaskService>();
        service->folders.append(TaskScheduleList::folderPath());
        service->tasks.insert(QLatin1String(C), task(2, true, "2026-12-09T08:00:00"));
        service->tasks.insert(QLatin1String(B), task(3, false, "2026-12-09T08:00:00", 34));
        TaskDefinition logon = task(9, true, "2026-12-01T07:00:00");
        logon.hasData = true;
        logon.data = QStringLiteral("stopType,0;duration,,5");
        logon.description = QStringLiteral("at log-on");
        service->tasks.insert(QLatin1String(A), logon);
        service->tasks.insert(QStringLiteral("{broken}"), task(1, true, "2026-12-09T08:00:00"));
        service->unreadable.append(QStringLiteral("{broken}"));
        auto list = make(std::move(service));

        QCOMPARE(list->count(), 3);
        // Earliest first; the two equal starts keep name order.
        QCOMPARE(list->itemAt(0)->name(), QLatin1String(A));
        QCOMPARE(list->itemAt(1)->name(), QLatin1String(B));
        QCOMPARE(list->itemAt(2)->name(), QLatin1String(C));
        QCOMPARE(list->itemAt(0)->repeat(), 0); // another kind loads as a once job
        QCOMPARE(list->itemAt(0)->weekdayMask(), quint16(0));
        QCOMPARE(list->itemAt(0)->length(), 5);
        QCOMPARE(list->itemAt(0)->description(), QStringLiteral("at log-on"));
        QCOMPARE(list->itemAt(1)->weekdayMask(), quint16(34));
        QVERIFY(!list->itemAt(1)->isEnabled());
        QCOMPARE(list->itemAt(2)->repeat(), 1);
        QCOMPARE(list->itemAt(2)->weekdayMask(), quint16(127));
        QVERIFY(!list->itemAt(-1));
        QVERIFY(!list->itemAt(3));
        QCOMPARE(m_service->loaded.size(), 3);
        QVERIFY(list->anyEnabled());
    }

    void startWithZoneOrFractionIsInvalid()
    {
        auto service = std::make_unique<FakeTaskService>();
        service->folders.append(TaskScheduleList::folderPath());
        service->tasks.insert(QLatin1String(A), task(1, true, "2026-12-09T11:00:00Z"));
        service->tasks.insert(QLatin1String(B), task(1, true, "2026-12-09T11:00:00.5"));
        auto list = make(std::move(service));
        QVERIFY(!list->itemAt(0)->startTime().isValid());
        QVERIFY(!list->itemAt(1)->startTime().isValid());
        list->scheduleNext(QString());
        QVERIFY(!list->timer()->isActive());
    }

    void withoutItsFolderTheStoreIsEmptyAndCannotRegister()
    {
        auto service = std::make_unique<FakeTaskService>();
        service->failCreateFolder = true;
        auto list = make(std::move(service));
        QVERIFY(!list->hasFolder());
        TaskScheduleItem *job = list->createItem();
        QVERIFY(!job->registerTask());
        QVERIFY(m_service->calls.isEmpty());
        // A missing folder is made.
        auto made = make(std::make_unique<FakeTaskService>());
        QVERIFY(made->hasFolder());
        QCOMPARE(m_service->openedFolder, TaskScheduleList::folderPath());
    }

    void registeringWritesTheTriggerAndKeepsTheName()
    {
        auto list = make();
        TaskScheduleItem *job = list->createItem();
        job->setStartTime(at("2026-12-10 08:30:00"));
        job->setRepeat(1);
        job->setWeekdayMask(127);
        job->setDescription(QStringLiteral("daily"));
        QVERIFY(job->registerTask());
        const QString name = job->name();
        QCOMPARE(name.size(), 38);
        QCOMPARE(name, name.toLower());
        QVERIFY(name.startsWith(QLatin1Char('{')) && name.endsWith(QLatin1Char('}')));
        TaskDefinition written = m_service->tasks.value(name);
        QCOMPARE(written.triggers.size(), 1);
        QCOMPARE(written.triggers.first().type, int(TaskTrigger::Daily));
        QCOMPARE(written.triggers.first().daysInterval, 1);
        QCOMPARE(written.triggers.first().startBoundary, QStringLiteral("2026-12-10T08:30:00"));
        QCOMPARE(written.actionArguments, QStringLiteral("-Task ") + name);
        QCOMPARE(written.actionPath, QCoreApplication::applicationFilePath());
        QCOMPARE(written.logonType, 3);
        QCOMPARE(written.data, job->toData());

        job->setWeekdayMask(34);
        job->setEnabled(false);
        QVERIFY(job->registerTask());
        QCOMPARE(job->name(), name);
        QCOMPARE(m_service->tasks.size(), 1);
        written = m_service->tasks.value(name);
        QCOMPARE(written.triggers.first().type, int(TaskTrigger::Weekly));
        QCOMPARE(written.triggers.first().daysOfWeek, quint16(34));
        QVERIFY(!written.triggers.first().enabled);

        // A failed update leaves no second task behind when retried.
        m_service->failRegister = true;
        QVERIFY(!job->registerTask());
        m_service->failRegister = false;
        QVERIFY(job->registerTask());
        QCOMPARE(job->name(), name);
        QCOMPARE(m_service->tasks.keys(), QStringList{name});
    }

    void aFailedDeleteKeepsTheJob()
    {
        auto service = std::make_unique<FakeTaskService>();
        service->folders.append(TaskScheduleList::folderPath());
        service->tasks.insert(QLatin1String(A), task(1, true, "2026-12-09T11:00:00"));
        auto list = make(std::move(service));
        TaskScheduleItem *job = list->itemAt(0);
        m_service->failDelete = true;
        QVERIFY(!list->removeItem(job));
        QCOMPARE(list->count(), 1);
        m_service->failDelete = false;
        QVERIFY(list->removeItem(job));
        QCOMPARE(list->count(), 0);
        QVERIFY(m_service->tasks.isEmpty());
    }

    void firingRule()
    {
        auto service = std::make_unique<FakeTaskService>();
        service->folders.append(TaskScheduleList::folderPath());
        service->tasks.insert(QLatin1String(A), task(1, false, "2026-12-09T10:00:30")); // disabled
        service->tasks.insert(QLatin1String(B), task(1, true, "2026-12-09T10:02:00"));
        service->tasks.insert(QLatin1String(C), task(1, true, "2026-12-09T10:02:00")); // tie with B
        auto list = make(std::move(service));
        QStringList fired;
        connect(list.get(), &TaskScheduleList::taskActivation, this,
                [&fired](TaskScheduleItem *item) { fired.append(item->name()); });

        // Named by the start argument: after 5 s, though disabled.
        list->scheduleNext(QLatin1String(A));
        QVERIFY(list->timer()->isActive());
        QCOMPARE(list->timer()->interval(), 5000);
        QCOMPARE(list->pending()->name(), QLatin1String(A));
        list->startTask();
        QCOMPARE(fired.size(), 1);
        QCOMPARE(fired.first(), QLatin1String(A));

        // An unknown name follows the ordinary rule; the tie goes to the
        // earlier job of the list.
        list->scheduleNext(QStringLiteral("{nothing}"));
        QCOMPARE(list->pending()->name(), QLatin1String(B));
        QCOMPARE(list->timer()->interval(), 60000); // 120 s away: the first step
        list->startTask(); // the step ends before the job is due
        QCOMPARE(fired.size(), 1);
        QCOMPARE(list->timer()->interval(), 60000);
        m_now = m_now.addSecs(90);
        list->startTask();
        QCOMPARE(fired.size(), 1);
        QCOMPARE(list->timer()->interval(), 30000);
        m_now = m_now.addSecs(30);
        list->startTask();
        QCOMPARE(fired.size(), 2);
        QCOMPARE(fired.last(), QLatin1String(B));

        // Everything past or disabled: nothing armed.
        list->stopTimer();
        m_now = at("2026-12-09 11:00:00");
        list->scheduleNext(QString());
        QVERIFY(!list->timer()->isActive());
        QVERIFY(!list->pending());
    }

    // A once job has one run: one whose time passed while the program was
    // closed is off from the start, and a fired one is off from then on.
    // Repeating jobs stay on; the task files are not rewritten.
    void onceJobsAreDoneAtLoadAndWhenFired()
    {
        m_now = at("2026-12-09 10:00:00");
        auto service = std::make_unique<FakeTaskService>();
        service->folders.append(TaskScheduleList::folderPath());
        service->tasks.insert(QLatin1String(A), task(1, true, "2026-12-09T09:00:00")); // passed
        service->tasks.insert(QLatin1String(B), task(1, true, "2026-12-09T10:00:30"));
        service->tasks.insert(QLatin1String(C), task(2, true, "2026-12-09T10:00:40")); // daily
        auto list = make(std::move(service));
        TaskScheduleItem *passed = list->findByName(QLatin1String(A));
        TaskScheduleItem *once = list->findByName(QLatin1String(B));
        TaskScheduleItem *daily = list->findByName(QLatin1String(C));
        QVERIFY(passed->isExpired() && !passed->isEnabled());
        QVERIFY(!once->isExpired() && once->isEnabled());
        QVERIFY(m_service->tasks.value(QLatin1String(A)).triggers.first().enabled);

        QSignalSpy fired(list.get(), &TaskScheduleList::taskActivation);
        list->scheduleNext(QString());
        QCOMPARE(list->pending(), once);
        m_now = at("2026-12-09 10:00:30");
        list->startTask();
        QCOMPARE(fired.size(), 1);
        QVERIFY(once->isExpired() && !once->isEnabled());
        QVERIFY(list->anyEnabled());
        list->scheduleNext(QString());
        QCOMPARE(list->pending(), daily);
        m_now = at("2026-12-09 10:00:40");
        list->startTask();
        QCOMPARE(fired.size(), 2);
        QVERIFY(!daily->isExpired() && daily->isEnabled());
    }

    // A task file with a length of -5 s and 2147483647 loops made a short
    // file every 0.7 s until stopped by hand. Such a file is kept aside at
    // load and the user told; started for it by "-Task", nothing runs.
    void aTaskFileOutOfRangeIsKeptAsideAndNeverRun()
    {
        QTemporaryDir root;
        auto files = std::make_unique<FileTaskService>(root.path());
        QVERIFY(files->createFolder(TaskScheduleList::folderPath()));
        TaskDefinition damaged = task(1, true, "2026-12-09T10:00:10");
        damaged.hasData = true;
        damaged.data = QStringLiteral("stopType,0;loop,2147483647;duration,,-5;screen,1,0,0,0,640,480");
        damaged.description = QStringLiteral("endless");
        TaskDefinition sound = damaged;
        sound.data = QStringLiteral("stopType,0;loop,999;duration,,86399;screen,1,0,0,0,640,480");
        QVERIFY(files->registerTask(QLatin1String(A), damaged));
        QVERIFY(files->registerTask(QLatin1String(B), sound));
        const QString folder = files->folderPath();
        QStringList told;
        KeptFile::resetNotices();
        KeptFile::setNoticeHandler([&told](const QString &text) { told << text; });
        TaskScheduleList list(std::move(files), [this] { return m_now; });
        KeptFile::setNoticeHandler({});

        QCOMPARE(list.count(), 1);
        QCOMPARE(list.itemAt(0)->name(), QLatin1String(B));
        QVERIFY(!QFileInfo::exists(folder + QLatin1Char('/') + QLatin1String(A) + QStringLiteral(".xml")));
        QVERIFY(QFileInfo::exists(folder + QLatin1Char('/') + QLatin1String(A) + QStringLiteral(".bak")));
        QCOMPARE(told.size(), 1);
        QVERIFY(told.first().contains(QLatin1String("endless")));
        QVERIFY(told.first().contains(QLatin1String(A) + QStringLiteral(".bak")));

        QStringList fired;
        connect(&list, &TaskScheduleList::taskActivation, this,
                [&fired](TaskScheduleItem *item) { fired.append(item->name()); });
        list.scheduleNext(QLatin1String(A));
        QVERIFY(!list.pending() || list.pending()->name() != QLatin1String(A));
        QVERIFY(list.timer()->interval() != TaskScheduleList::TASK_ARGUMENT_DELAY_MSECS || !list.timer()->isActive());
        m_now = at("2026-12-09 10:00:10");
        list.startTask();
        QVERIFY(!fired.contains(QLatin1String(A)));
    }

    void aJobFarAheadIsNotFiredEarly()
    {
        auto service = std::make_unique<FakeTaskService>();
        service->folders.append(TaskScheduleList::folderPath());
        service->tasks.insert(QLatin1String(A), task(1, true, "2027-01-08T10:00:00")); // 30 days
        auto list = make(std::move(service));
        QSignalSpy fired(list.get(), &TaskScheduleList::taskActivation);
        list->scheduleNext(QString());
        QVERIFY(list->timer()->isActive());
        QVERIFY(list->timer()->interval() > 0 && list->timer()->interval() <= 60000);
        list->startTask();
        m_now = at("2027-01-08 09:59:59");
        list->startTask();
        QCOMPARE(fired.size(), 0);
        QCOMPARE(list->timer()->interval(), 1000);
        m_now = at("2027-01-08 10:00:00");
        list->startTask();
        QCOMPARE(fired.size(), 1);
    }
};

QTEST_GUILESS_MAIN(TestTaskScheduleList)
#include "tst_taskschedulelist.moc"
