#pragma once
// The store of scheduled recordings: every task of the program's folder of
// the task service is a job. While the program runs, the store fires the
// next due job itself with a single-shot timer and hands it over through
// taskActivation.
#include "taskscheduleitem.h"
#include "taskservice.h"

#include <QDateTime>
#include <QObject>
#include <QVector>

#include <functional>
#include <memory>

class QTimer;

class TaskScheduleList : public QObject
{
    Q_OBJECT

public:
    using Clock = std::function<QDateTime()>;

    // The task files under the data folder, the real clock.
    explicit TaskScheduleList(QObject *parent = nullptr);
    TaskScheduleList(std::unique_ptr<TaskService> service, Clock clock, QObject *parent = nullptr);
    ~TaskScheduleList() override;

    // The program's folder, relative to the service's root.
    static QString folderPath();
    // "Tasks/" under the data folder.
    static QString defaultRoot();

    TaskService *service() const { return m_service.get(); }
    bool hasFolder() const { return m_hasFolder; }

    // A job with the defaults, parented to the list but not in it.
    TaskScheduleItem *createItem();
    void appendItem(TaskScheduleItem *item);
    // Deletes the job's task, then removes and deletes the job; when the task
    // could not be deleted the job stays and the result is false.
    bool removeItem(TaskScheduleItem *item);
    bool deleteTask(TaskScheduleItem *item);
    int count() const { return m_items.size(); }
    TaskScheduleItem *itemAt(int index) const;
    // Sets the pending job to what it finds (or to none).
    TaskScheduleItem *findByName(const QString &name);
    // The enabled job that runs next after now and the milliseconds until
    // then; sets the pending job.
    TaskScheduleItem *nextTask(qint64 *delay);
    // Arms the timer: the job named by a "-Task" start argument after 5 s,
    // else the next enabled job at its time.
    void scheduleNext(const QString &taskName);
    void stopTimer();
    bool anyEnabled() const;

    TaskScheduleItem *pending() const { return m_pending; }

    // A job runs unattended: what the user must learn of it (it could not
    // record, stopped early, or recorded other devices than it names) goes
    // to the run log and to the user in a message that waits for them, so
    // that the program goes on (the next job still fires).
    static void tellJob(const TaskScheduleItem *item, const QString &what);
    QTimer *timer() const { return m_timer; }

    // Longest single wait: a job further ahead is waited for in steps, each
    // checking the wall clock.
    static constexpr int MAX_STEP_MSECS = 60000;
    static constexpr int TASK_ARGUMENT_DELAY_MSECS = 5000;

signals:
    void taskActivation(TaskScheduleItem *item);

public slots:
    // The timer's end: hands the pending job over once it is due.
    void startTask();

private:
    friend class TaskScheduleItem;
    void load();
    bool loadTask(TaskScheduleItem *item, const QString &name, QMap<QString, TaskDefinition> *read);
    // Keeps a loaded job out of the store and its task file aside; the
    // path the file has now.
    QString refuse(TaskScheduleItem *item);
    // Tells the user in one message of every task file that will not run.
    void tellNotRun(const QStringList &unreadable, const QStringList &refused, const QString &folder);

    std::unique_ptr<TaskService> m_service;
    Clock m_clock;
    bool m_hasFolder = false;
    QVector<TaskScheduleItem *> m_items;
    TaskScheduleItem *m_pending = nullptr;
    QDateTime m_due; // when the pending job is due; invalid for a "-Task" job
    QTimer *m_timer = nullptr;
};

Q_DECLARE_METATYPE(TaskScheduleItem *)

extern TaskScheduleList *g_taskScheduleList;
