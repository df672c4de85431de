#pragma once
// The task service on files: a folder is a directory below the root, a task
// one XML file "<name>.xml" in it, written whole or not at all (KeptFile).
// Elements and attributes the service does not know survive an update. A
// file that does not parse (or is no regular file, or nests too deep) is set
// aside as "<name>.bak", and so is one the store refuses. With a mirror,
// every change is also handed to the systemd user timers.
#include "taskservice.h"

#include <memory>

#include "systemdtaskmirror.h"

class FileTaskService : public TaskService
{
public:
    explicit FileTaskService(const QString &root, std::unique_ptr<SystemdTaskMirror> mirror = nullptr);
    ~FileTaskService() override;

    // The file service, with the systemd mirror when a user manager answers.
    static std::unique_ptr<TaskService> create(const QString &root);

    bool connect() override;
    bool openFolder(const QString &path) override;
    bool createFolder(const QString &path) override;
    bool taskNames(QStringList *names) override;
    bool readTask(const QString &name, TaskDefinition *definition) override;
    bool registerTask(const QString &name, const TaskDefinition &definition) override;
    bool deleteTask(const QString &name) override;
    bool keepAside(const QString &name, QString *keptAs) override;
    QStringList takeUnreadable() override;
    void tasksLoaded(const QMap<QString, TaskDefinition> &tasks) override;

    QString folderPath() const { return m_folder; }
    // Empty for a name that cannot be a file in the folder.
    QString taskFilePath(const QString &name) const;

private:
    // Renames the task file to the first free "<name>.bak", "<name>.N.bak"
    // and drops its timer; the new path, empty when it could not be moved.
    QString moveAside(const QString &name);
    void setAside(const QString &name);

    QString m_root;
    QString m_folder;
    std::unique_ptr<SystemdTaskMirror> m_mirror;
    QStringList m_unreadable;
};
