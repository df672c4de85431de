#include "taskschedulelist.h"

#include "filetaskservice.h"
#include "keptfile.h"
#include "logfile.h"
#include "myconfig.h"
#include "taskservice.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTimer>
#include <QUuid>

#include <algorithm>

TaskScheduleList *g_taskScheduleList = nullptr;

namespace {

const char START_FORMAT[] = "yyyy-MM-ddTHH:mm:ss";
const int LOGON_INTERACTIVE_TOKEN = 3;
const quint16 EVERY_DAY = 127;

} // namespace

TaskScheduleList::TaskScheduleList(QObject *parent)
    : TaskScheduleList(FileTaskService::create(defaultRoot()), [] { return QDateTime::currentDateTime(); },
                       parent)
{
}

TaskScheduleList::TaskScheduleList(std::unique_ptr<TaskService> service, Clock clock, QObject *parent)
    : QObject(parent)
    , m_service(std::move(service))
    , m_clock(std::move(clock))
{
    load();
    // Stable over the name order the service lists, so equal starts always
    // come out alike.
    std::stable_sort(m_items.begin(), m_items.end(), [](TaskScheduleItem *a, TaskScheduleItem *b) {
        return a->startTime() < b->startTime();
    });
    m_timer = new QTimer(this);
    m_timer->setSingleShot(true);
    m_timer->setTimerType(Qt::PreciseTimer);
    connect(m_timer, &QTimer::timeout, this, &TaskScheduleList::startTask);
}

TaskScheduleList::~TaskScheduleList()
{
    if (g_taskScheduleList == this)
        g_taskScheduleList = nullptr;
}

QString TaskScheduleList::folderPath()
{
    return QStringLiteral("Olvex Free Mirelo/1.1");
}

QString TaskScheduleList::defaultRoot()
{
    if (!g_myConfig || g_myConfig->userDataPath().isEmpty())
        return QString();
    return QDir(g_myConfig->userDataPath()).filePath(QStringLiteral("Tasks"));
}

void TaskScheduleList::load()
{
    if (!m_service || !m_service->connect())
        return;
    // Without its own folder the store stays empty: jobs never go anywhere
    // they would not be read back from.
    if (!m_service->openFolder(folderPath()) && !m_service->createFolder(folderPath()))
        return;
    m_hasFolder = true;
    QStringList names;
    if (!m_service->taskNames(&names))
        return;
    QMap<QString, TaskDefinition> read;
    // The task files that will not run, for one message: those that could
    // not be read, those refused ("job" (file)), and where they are.
    QStringList unreadable, refused;
    QString folder;
    auto fileOf = [&folder](const QString &path) {
        const QFileInfo info(path);
        if (info.isAbsolute())
            folder = info.path();
        return info.fileName();
    };
    const QDateTime now = m_clock();
    for (const QString &name : qAsConst(names)) {
        auto *item = new TaskScheduleItem(this, this);
        const bool loaded = loadTask(item, name, &read);
        if (loaded && item->isWithinFormRange()) {
            // A once job that ran (or was missed) while the program was
            // closed counts as done from the start, not only once the task
            // table has shown it.
            item->markExpiry(now);
            m_items.append(item);
            continue;
        }
        if (loaded) {
            const QString shown = item->description().isEmpty() ? name : item->description();
            refused << tr("\"%1\" (%2)").arg(shown, fileOf(refuse(item)));
            read.remove(name);
        }
        for (const QString &path : m_service->takeUnreadable())
            unreadable << fileOf(path);
        delete item;
    }
    m_service->tasksLoaded(read);
    tellNotRun(unreadable, refused, folder);
}

QString TaskScheduleList::refuse(TaskScheduleItem *item)
{
    // A damaged file: run, it could record without end (a negative length
    // looped two thousand million times). Kept for the user, never run.
    const QString name = item->name();
    runLog(QStringLiteral("Task %1 holds values out of range; it is refused").arg(name));
    QString keptAs;
    if (m_service->keepAside(name, &keptAs) || !keptAs.isEmpty())
        return keptAs;
    return name + QStringLiteral(".xml"); // it stays, and is refused again at every start
}

void TaskScheduleList::tellNotRun(const QStringList &unreadable, const QStringList &refused, const QString &folder)
{
    if (unreadable.isEmpty() && refused.isEmpty())
        return;
    // One message for all, however many, each file on a line of its own
    // and the folder named once; past a screenful the rest are counted.
    constexpr int MAX_FILES = 15;
    QStringList lines;
    lines << (folder.isEmpty() ? tr("These scheduled recordings will not run:")
                               : tr("These scheduled recordings will not run. Their task files are kept in %1:")
                                     .arg(QDir::toNativeSeparators(folder)));
    int room = MAX_FILES;
    auto group = [&](const QString &heading, const QStringList &files) {
        if (files.isEmpty() || room == 0)
            return;
        lines << QString() << heading << files.mid(0, room);
        room -= qMin(room, files.size());
    };
    group(tr("Could not be read:"), unreadable);
    group(tr("Hold a record length, loop count or other value out of range:"), refused);
    const int total = unreadable.size() + refused.size();
    if (total > MAX_FILES)
        lines << tr("... and %1 more").arg(total - MAX_FILES);
    KeptFile::notice(QStringLiteral("tasks:") + (unreadable + refused).join(QLatin1Char('\n')),
                     lines.join(QLatin1Char('\n')));
}

void TaskScheduleList::tellJob(const TaskScheduleItem *item, const QString &what)
{
    runLog(QStringLiteral("Scheduled job %1: %2").arg(item->name(), what));
    const QString shown = item->description().isEmpty() ? item->name() : item->description();
    // Everything is told, also the same job's on another day.
    static int told = 0;
    KeptFile::notice(QStringLiteral("job:%1:%2").arg(item->name()).arg(++told),
                     tr("Scheduled recording \"%1\": %2").arg(shown, what));
}

bool TaskScheduleList::loadTask(TaskScheduleItem *item, const QString &name,
                                QMap<QString, TaskDefinition> *read)
{
    TaskDefinition definition;
    if (!m_service->readTask(name, &definition)) {
        runLog(QStringLiteral("Task %1 cannot be read; it is left out").arg(name));
        return false;
    }
    read->insert(name, definition);
    item->setName(name);
    if (definition.hasData)
        item->fromData(definition.data);
    item->setDescription(definition.description);
    if (definition.triggers.isEmpty())
        return true;
    const TaskTrigger &trigger = definition.triggers.first();
    item->setEnabled(trigger.enabled);
    item->setStartTime(QDateTime::fromString(trigger.startBoundary, QLatin1String(START_FORMAT)));
    switch (trigger.type) {
    case TaskTrigger::Time:
        item->setRepeat(0);
        break;
    case TaskTrigger::Daily:
        item->setRepeat(1);
        item->setWeekdayMask(EVERY_DAY);
        break;
    case TaskTrigger::Weekly:
        item->setRepeat(1);
        item->setWeekdayMask(trigger.daysOfWeek);
        break;
    default:
        break;
    }
    return true;
}

TaskScheduleItem *TaskScheduleList::createItem()
{
    return new TaskScheduleItem(this, this);
}

void TaskScheduleList::appendItem(TaskScheduleItem *item)
{
    if (item && !m_items.contains(item))
        m_items.append(item);
}

bool TaskScheduleList::deleteTask(TaskScheduleItem *item)
{
    if (!item)
        return false;
    if (item->name().isEmpty())
        return true; // never registered
    if (!m_hasFolder || !m_service->deleteTask(item->name())) {
        runLog(QStringLiteral("Task %1 could not be deleted").arg(item->name()));
        return false;
    }
    return true;
}

bool TaskScheduleList::removeItem(TaskScheduleItem *item)
{
    if (!item || !deleteTask(item))
        return false;
    m_items.removeOne(item);
    if (m_pending == item) {
        m_pending = nullptr;
        m_timer->stop();
    }
    delete item;
    return true;
}

TaskScheduleItem *TaskScheduleList::itemAt(int index) const
{
    if (index < 0 || index >= m_items.size())
        return nullptr;
    return m_items.at(index);
}

TaskScheduleItem *TaskScheduleList::findByName(const QString &name)
{
    m_pending = nullptr;
    for (TaskScheduleItem *item : qAsConst(m_items)) {
        if (item->name() == name) {
            m_pending = item;
            break;
        }
    }
    return m_pending;
}

TaskScheduleItem *TaskScheduleList::nextTask(qint64 *delay)
{
    const QDateTime now = m_clock();
    TaskScheduleItem *best = nullptr;
    QDateTime bestRun;
    for (TaskScheduleItem *item : qAsConst(m_items)) {
        if (!item->isEnabled())
            continue;
        const QDateTime run = item->nextRunTime(now);
        if (!run.isValid() || run <= now)
            continue;
        if (!best || run < bestRun) {
            best = item;
            bestRun = run;
        }
    }
    if (best) {
        m_pending = best;
        m_due = bestRun;
        if (delay)
            *delay = now.msecsTo(bestRun);
    }
    return best;
}

void TaskScheduleList::scheduleNext(const QString &taskName)
{
    m_pending = nullptr;
    m_due = QDateTime();
    // The service started the program for this job: it runs, enabled or not.
    if (!taskName.isEmpty() && findByName(taskName)) {
        m_timer->start(TASK_ARGUMENT_DELAY_MSECS);
        return;
    }
    qint64 delay = 0;
    if (nextTask(&delay))
        m_timer->start(int(qBound<qint64>(0, delay, MAX_STEP_MSECS)));
}

void TaskScheduleList::stopTimer()
{
    m_timer->stop();
}

bool TaskScheduleList::anyEnabled() const
{
    return std::any_of(m_items.cbegin(), m_items.cend(),
                       [](const TaskScheduleItem *item) { return item->isEnabled(); });
}

void TaskScheduleList::startTask()
{
    if (m_due.isValid()) {
        // A timer step ends early against the wall clock (a long wait, a
        // suspend, a clock change): wait on until the job is due.
        const qint64 remaining = m_clock().msecsTo(m_due);
        if (remaining > 0) {
            m_timer->start(int(qMin<qint64>(remaining, MAX_STEP_MSECS)));
            return;
        }
    }
    if (m_pending) {
        // A once job has had its run.
        if (m_pending->repeat() == 0) {
            m_pending->setExpired(true);
            m_pending->setEnabled(false);
        }
        emit taskActivation(m_pending);
    }
}

// A job is written to its owner's folder. Once a job has a name, every
// registration writes to that name, so a failed update never leaves a second
// task behind.
bool TaskScheduleItem::registerTask()
{
    TaskScheduleList *list = m_owner;
    if (!list || !list->hasFolder() || !list->service())
        return false;
    if (m_name.isEmpty())
        m_name = QUuid::createUuid().toString(); // 38 characters, lower case, in braces

    TaskDefinition definition;
    definition.description = m_description;
    definition.hasData = true;
    definition.data = toData();
    TaskTrigger trigger;
    if (m_repeat == 0) {
        trigger.type = TaskTrigger::Time;
    } else if (m_weekdayMask == EVERY_DAY) {
        trigger.type = TaskTrigger::Daily;
        trigger.daysInterval = 1;
    } else {
        trigger.type = TaskTrigger::Weekly;
        trigger.daysOfWeek = m_weekdayMask;
    }
    trigger.enabled = m_enabled;
    trigger.startBoundary = m_startTime.toString(QLatin1String(START_FORMAT));
    definition.triggers.append(trigger);
    definition.hasAction = true;
    definition.actionPath = QDir::toNativeSeparators(QCoreApplication::applicationFilePath());
    definition.actionArguments = QStringLiteral("-Task %1").arg(m_name);
    definition.logonType = LOGON_INTERACTIVE_TOKEN;
    return list->service()->registerTask(m_name, definition);
}
