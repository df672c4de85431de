#include "filetaskservice.h"

#include "keptfile.h"
#include "systemdtaskmirror.h"
#include "xmlfile.h"

#include <QDir>
#include <QDomDocument>
#include <QFile>
#include <QFileInfo>
#include <QtDebug>

#include <cstdio>

namespace {

const char TASK_SUFFIX[] = ".xml";

bool validFolderPath(const QString &path)
{
    if (path.isEmpty() || path.contains(QChar(0)) || path.contains(QLatin1Char('\\')))
        return false;
    for (const QString &part : path.split(QLatin1Char('/'))) {
        if (part.isEmpty() || part == QLatin1String(".") || part == QLatin1String(".."))
            return false;
    }
    return true;
}

// The child element of that name, made when missing.
QDomElement child(QDomDocument &document, QDomElement parent, const QString &name)
{
    QDomElement element = parent.firstChildElement(name);
    if (element.isNull())
        element = parent.appendChild(document.createElement(name)).toElement();
    return element;
}

void setText(QDomDocument &document, QDomElement element, const QString &text)
{
    while (!element.firstChild().isNull())
        element.removeChild(element.firstChild());
    element.appendChild(document.createTextNode(text));
}

void clearElements(QDomElement element, const QString &name)
{
    QDomElement item = element.firstChildElement(name);
    while (!item.isNull()) {
        const QDomElement next = item.nextSiblingElement(name);
        element.removeChild(item);
        item = next;
    }
}

int number(const QDomElement &element, const QString &attribute)
{
    return element.attribute(attribute).toInt();
}

} // namespace

FileTaskService::FileTaskService(const QString &root, std::unique_ptr<SystemdTaskMirror> mirror)
    : m_root(root)
    , m_mirror(std::move(mirror))
{
}

FileTaskService::~FileTaskService() = default;

std::unique_ptr<TaskService> FileTaskService::create(const QString &root)
{
    auto mirror = std::make_unique<SystemdTaskMirror>();
    if (!mirror->userManagerAnswers())
        mirror.reset();
    return std::make_unique<FileTaskService>(root, std::move(mirror));
}

bool FileTaskService::connect()
{
    return !m_root.isEmpty();
}

bool FileTaskService::openFolder(const QString &path)
{
    if (!validFolderPath(path))
        return false;
    const QString folder = QDir(m_root).filePath(path);
    if (!QFileInfo(folder).isDir())
        return false;
    m_folder = folder;
    return true;
}

bool FileTaskService::createFolder(const QString &path)
{
    if (!validFolderPath(path) || !QDir().mkpath(QDir(m_root).filePath(path)))
        return false;
    return openFolder(path);
}

QString FileTaskService::taskFilePath(const QString &name) const
{
    if (m_folder.isEmpty() || name.isEmpty() || name == QLatin1String(".") || name == QLatin1String("..")
        || name.contains(QLatin1Char('/')) || name.contains(QChar(0)))
        return QString();
    return m_folder + QLatin1Char('/') + name + QLatin1String(TASK_SUFFIX);
}

bool FileTaskService::taskNames(QStringList *names)
{
    if (m_folder.isEmpty())
        return false;
    names->clear();
    // Whatever bears a task's name, also what is no regular file (a FIFO,
    // a folder, a link to nothing): reading sets it aside and says so.
    const QStringList files = QDir(m_folder).entryList({QStringLiteral("*") + QLatin1String(TASK_SUFFIX)},
                                                       QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot,
                                                       QDir::Name);
    for (const QString &file : files)
        names->append(file.chopped(int(qstrlen(TASK_SUFFIX))));
    return true;
}

QString FileTaskService::moveAside(const QString &name)
{
    const QString path = taskFilePath(name);
    if (path.isEmpty())
        return QString();
    QString aside = m_folder + QLatin1Char('/') + name + QStringLiteral(".bak");
    for (int n = 1; QFileInfo::exists(aside); ++n)
        aside = m_folder + QLatin1Char('/') + name + QStringLiteral(".%1.bak").arg(n);
    // The system's rename, never a copy: QFile falls back to reading the
    // file, which for a FIFO would wait for a writer for good.
    const bool moved = ::rename(QFile::encodeName(path).constData(), QFile::encodeName(aside).constData()) == 0;
    // Its timer must not start the program for it either way.
    if (m_mirror)
        m_mirror->remove(name);
    return moved ? aside : QString();
}

void FileTaskService::setAside(const QString &name)
{
    const QString aside = moveAside(name);
    if (!aside.isEmpty())
        qWarning().noquote() << "unreadable task file kept as" << aside;
    else
        qWarning().noquote() << "unreadable task file" << taskFilePath(name);
    m_unreadable.append(aside.isEmpty() ? taskFilePath(name) : aside);
}

QStringList FileTaskService::takeUnreadable()
{
    QStringList taken;
    taken.swap(m_unreadable);
    return taken;
}

bool FileTaskService::keepAside(const QString &name, QString *keptAs)
{
    *keptAs = moveAside(name);
    if (!keptAs->isEmpty())
        return true;
    *keptAs = taskFilePath(name);
    qWarning().noquote() << "refused task file" << *keptAs << "could not be moved aside";
    return false;
}

bool FileTaskService::readTask(const QString &name, TaskDefinition *definition)
{
    // Only a regular file, and none nested deeper than a task is: the
    // document model would overflow the stack on it.
    const QString path = taskFilePath(name);
    QDomDocument document;
    const KeptFile::ReadStatus status = XmlFile::load(path, &document);
    if (status == KeptFile::Missing) {
        // Listed, so something is there: a link to nothing is no task either.
        if (QFileInfo(path).isSymLink())
            setAside(name);
        return false;
    }
    const QDomElement task = document.documentElement();
    if (status != KeptFile::Read || task.tagName() != QLatin1String("Task")) {
        setAside(name);
        return false;
    }
    TaskDefinition read;
    read.description = task.firstChildElement(QStringLiteral("RegistrationInfo"))
                           .firstChildElement(QStringLiteral("Description"))
                           .text();
    const QDomElement data = task.firstChildElement(QStringLiteral("Data"));
    read.hasData = !data.isNull();
    read.data = data.text();
    for (QDomElement trigger = task.firstChildElement(QStringLiteral("Triggers"))
                                   .firstChildElement(QStringLiteral("Trigger"));
         !trigger.isNull(); trigger = trigger.nextSiblingElement(QStringLiteral("Trigger"))) {
        TaskTrigger t;
        t.type = number(trigger, QStringLiteral("type"));
        t.enabled = number(trigger, QStringLiteral("enabled")) != 0;
        t.startBoundary = trigger.attribute(QStringLiteral("startBoundary"));
        t.daysInterval = number(trigger, QStringLiteral("daysInterval"));
        t.daysOfWeek = quint16(number(trigger, QStringLiteral("daysOfWeek")));
        read.triggers.append(t);
    }
    const QDomElement exec =
        task.firstChildElement(QStringLiteral("Actions")).firstChildElement(QStringLiteral("Exec"));
    read.hasAction = !exec.isNull();
    read.actionPath = exec.attribute(QStringLiteral("path"));
    read.actionArguments = exec.attribute(QStringLiteral("arguments"));
    // A line break in the command is no task the program wrote: the file
    // is damaged or made to add lines to the job's timer.
    if (SystemdTaskMirror::holdsControlCharacter(read.actionPath)
        || SystemdTaskMirror::holdsControlCharacter(read.actionArguments)) {
        setAside(name);
        return false;
    }
    read.logonType =
        number(task.firstChildElement(QStringLiteral("Principal")), QStringLiteral("logonType"));
    *definition = read;
    return true;
}

bool FileTaskService::registerTask(const QString &name, const TaskDefinition &definition)
{
    const QString path = taskFilePath(name);
    if (path.isEmpty())
        return false;
    // Update over what the file holds, so that parts written by others stay.
    QDomDocument document;
    if (XmlFile::load(path, &document) != KeptFile::Read
        || document.documentElement().tagName() != QLatin1String("Task"))
        document = QDomDocument();
    if (document.documentElement().isNull()) {
        document.appendChild(document.createProcessingInstruction(
            QStringLiteral("xml"), QStringLiteral("version=\"1.0\" encoding=\"UTF-8\"")));
        QDomElement root = document.createElement(QStringLiteral("Task"));
        root.setAttribute(QStringLiteral("version"), 1);
        document.appendChild(root);
    }
    QDomElement task = document.documentElement();

    QDomElement info = child(document, task, QStringLiteral("RegistrationInfo"));
    setText(document, child(document, info, QStringLiteral("Description")), definition.description);
    if (definition.hasData)
        setText(document, child(document, task, QStringLiteral("Data")), definition.data);
    else
        clearElements(task, QStringLiteral("Data"));

    QDomElement triggers = child(document, task, QStringLiteral("Triggers"));
    clearElements(triggers, QStringLiteral("Trigger"));
    for (const TaskTrigger &t : definition.triggers) {
        QDomElement trigger = triggers.appendChild(document.createElement(QStringLiteral("Trigger"))).toElement();
        trigger.setAttribute(QStringLiteral("type"), t.type);
        trigger.setAttribute(QStringLiteral("enabled"), t.enabled ? 1 : 0);
        trigger.setAttribute(QStringLiteral("startBoundary"), t.startBoundary);
        if (t.type == TaskTrigger::Daily)
            trigger.setAttribute(QStringLiteral("daysInterval"), t.daysInterval);
        if (t.type == TaskTrigger::Weekly)
            trigger.setAttribute(QStringLiteral("daysOfWeek"), t.daysOfWeek);
    }

    QDomElement actions = child(document, task, QStringLiteral("Actions"));
    clearElements(actions, QStringLiteral("Exec"));
    if (definition.hasAction) {
        QDomElement exec = actions.appendChild(document.createElement(QStringLiteral("Exec"))).toElement();
        exec.setAttribute(QStringLiteral("path"), definition.actionPath);
        exec.setAttribute(QStringLiteral("arguments"), definition.actionArguments);
    }
    child(document, task, QStringLiteral("Principal"))
        .setAttribute(QStringLiteral("logonType"), definition.logonType);

    QString why;
    if (!KeptFile::write(path, document.toByteArray(2), &why)) {
        qWarning().noquote() << "task file" << path << "not written:" << why;
        return false;
    }
    if (m_mirror)
        m_mirror->update(name, definition);
    return true;
}

bool FileTaskService::deleteTask(const QString &name)
{
    const QString path = taskFilePath(name);
    if (path.isEmpty())
        return false;
    if (QFileInfo::exists(path) && !QFile::remove(path))
        return false;
    if (m_mirror)
        m_mirror->remove(name);
    return true;
}

void FileTaskService::tasksLoaded(const QMap<QString, TaskDefinition> &tasks)
{
    if (m_mirror)
        m_mirror->sync(tasks);
}
