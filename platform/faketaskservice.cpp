#include "faketaskservice.h"

bool FakeTaskService::openFolder(const QString &path)
{
    if (!folders.contains(path))
        return false;
    openedFolder = path;
    return true;
}

bool FakeTaskService::createFolder(const QString &path)
{
    if (failCreateFolder)
        return false;
    folders.append(path);
    openedFolder = path;
    return true;
}

bool FakeTaskService::taskNames(QStringList *names)
{
    if (openedFolder.isEmpty())
        return false;
    *names = tasks.keys(); // a map's keys come sorted
    return true;
}

bool FakeTaskService::readTask(const QString &name, TaskDefinition *definition)
{
    if (unreadable.contains(name)) {
        setAside.append(name + QStringLiteral(".bak"));
        return false;
    }
    if (!tasks.contains(name))
        return false;
    *definition = tasks.value(name);
    return true;
}

bool FakeTaskService::registerTask(const QString &name, const TaskDefinition &definition)
{
    calls.append(QStringLiteral("register ") + name);
    if (failRegister || openedFolder.isEmpty())
        return false;
    tasks.insert(name, definition);
    return true;
}

bool FakeTaskService::deleteTask(const QString &name)
{
    calls.append(QStringLiteral("delete ") + name);
    if (failDelete)
        return false;
    tasks.remove(name);
    return true;
}

bool FakeTaskService::keepAside(const QString &name, QString *keptAs)
{
    calls.append(QStringLiteral("keep aside ") + name);
    if (!tasks.contains(name))
        return false;
    keptAside.insert(name, tasks.take(name));
    *keptAs = name + QStringLiteral(".bak");
    return true;
}

QStringList FakeTaskService::takeUnreadable()
{
    QStringList taken;
    taken.swap(setAside);
    return taken;
}
