#pragma once
// The scheduled-task service: named tasks kept in a folder of their own, each
// with a description, a free data text, one trigger and one program-start
// action. The program's store of scheduled recordings sits on it; the file
// service keeps the tasks, tests use the fake one.
#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

struct TaskTrigger
{
    // Persisted in task files: never renumber.
    enum Type { Time = 1, Daily = 2, Weekly = 3 };
    int type = Time; // other values are kept as read
    bool enabled = false;
    QString startBoundary; // local time, "yyyy-MM-ddTHH:mm:ss"
    int daysInterval = 0;
    quint16 daysOfWeek = 0; // Sunday 1, Monday 2, ... Saturday 64
};

struct TaskDefinition
{
    QString description;
    bool hasData = false; // a task may have no data text at all
    QString data;
    QList<TaskTrigger> triggers;
    bool hasAction = false;
    QString actionPath;
    QString actionArguments;
    int logonType = 0;
};

class TaskService
{
public:
    virtual ~TaskService() = default;

    virtual bool connect() = 0;
    // A folder path is relative, its parts joined by "/".
    virtual bool openFolder(const QString &path) = 0;
    virtual bool createFolder(const QString &path) = 0;
    // The open folder's task names, in name order.
    virtual bool taskNames(QStringList *names) = 0;
    virtual bool readTask(const QString &name, TaskDefinition *definition) = 0;
    // Creates the task or updates the one of that name.
    virtual bool registerTask(const QString &name, const TaskDefinition &definition) = 0;
    // True also when there was no such task.
    virtual bool deleteTask(const QString &name) = 0;
    // Takes a task that reads but must not run out of the folder, kept for
    // the user to look at; `keptAs` tells where. False when it stays (where
    // it stays, when the service can tell).
    virtual bool keepAside(const QString &name, QString *keptAs) = 0;
    // The task files readTask() found unreadable and took out of use since
    // the last call, each as the path it has now (kept aside, or where it
    // was when it could not be moved), so that the store tells the user of
    // every such file at once.
    virtual QStringList takeUnreadable() { return {}; }
    // Told after each successful load which tasks the store holds.
    virtual void tasksLoaded(const QMap<QString, TaskDefinition> &tasks) { Q_UNUSED(tasks) }
};
