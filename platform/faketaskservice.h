#pragma once
// A task service in memory for tests, with a switch to make each call fail.
#include "taskservice.h"

class FakeTaskService : public TaskService
{
public:
    bool connect() override { return !failConnect; }
    bool openFolder(const QString &path) override;
    bool createFolder(const QString &path) override;
    bool taskNames(QStringList *names) override;
    bool readTask(const QString &name, TaskDefinition *definition) override;
    bool registerTask(const QString &name, const TaskDefinition &definition) override;
    bool deleteTask(const QString &name) override;
    bool keepAside(const QString &name, QString *keptAs) override;
    // The unreadable names read since the last call, as "<name>.bak".
    QStringList takeUnreadable() override;
    void tasksLoaded(const QMap<QString, TaskDefinition> &tasks) override { loaded = tasks; ++loadCount; }

    bool failConnect = false;
    bool failCreateFolder = false;
    bool failRegister = false;
    bool failDelete = false;
    QStringList unreadable; // names whose reading fails
    QStringList setAside;   // of those, the ones read and not yet taken

    QStringList folders; // folders that exist
    QString openedFolder;
    QMap<QString, TaskDefinition> tasks; // of the opened folder
    QMap<QString, TaskDefinition> loaded;
    int loadCount = 0;
    QMap<QString, TaskDefinition> keptAside;
    QStringList calls; // "register NAME", "delete NAME", "keep aside NAME"
};
