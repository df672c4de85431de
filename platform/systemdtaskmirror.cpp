#include "systemdtaskmirror.h"

#include "keptfile.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QtDebug>

#include <algorithm>

namespace {

const char UNIT_PREFIX[] = "mirelo-task-";
const int SYSTEMCTL_TIMEOUT_MS = 15000;

// Inside a quoted word of a unit file: "\" and '"' escaped, "%" doubled as
// systemd expands specifiers.
QString quoted(const QString &text)
{
    QString escaped = text;
    escaped.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
    escaped.replace(QLatin1Char('"'), QLatin1String("\\\""));
    escaped.replace(QLatin1Char('%'), QLatin1String("%%"));
    return QLatin1Char('"') + escaped + QLatin1Char('"');
}

// Free text on one line of a unit file.
QString oneLine(const QString &text)
{
    QString line = text.simplified();
    line.replace(QLatin1Char('%'), QLatin1String("%%"));
    line.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
    return line;
}

bool enabledOf(const TaskDefinition &definition)
{
    return !definition.triggers.isEmpty() && definition.triggers.first().enabled;
}

} // namespace

SystemdTaskMirror::SystemdTaskMirror(const QString &unitFolder, const QString &systemctl, const QString &program)
    : m_unitFolder(unitFolder)
    , m_systemctl(systemctl)
    , m_program(program.isEmpty() ? QCoreApplication::applicationFilePath() : program)
{
}

bool SystemdTaskMirror::holdsControlCharacter(const QString &text)
{
    return std::any_of(text.cbegin(), text.cend(), [](QChar c) { return c.category() == QChar::Other_Control; });
}

QString SystemdTaskMirror::defaultUnitFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
           + QStringLiteral("/systemd/user");
}

bool SystemdTaskMirror::userManagerAnswers()
{
    QString output;
    if (!systemctl({QStringLiteral("show-environment")}, &output))
        return false;
    m_managerEnvironment = output.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    return true;
}

QString SystemdTaskMirror::unitName(const QString &name)
{
    // Anchored whole: "$" alone would also pass a name ending in a line break.
    static const QRegularExpression guid(QStringLiteral(
        "\\A\\{([0-9a-f]{8})-([0-9a-f]{4})-([0-9a-f]{4})-([0-9a-f]{4})-([0-9a-f]{12})\\}\\z"));
    const QRegularExpressionMatch match = guid.match(name);
    if (!match.hasMatch())
        return QString();
    QString hex;
    for (int i = 1; i <= 5; ++i)
        hex += match.captured(i);
    return QLatin1String(UNIT_PREFIX) + hex;
}

QString SystemdTaskMirror::onCalendar(const TaskTrigger &trigger)
{
    const QDateTime start =
        QDateTime::fromString(trigger.startBoundary, QStringLiteral("yyyy-MM-ddTHH:mm:ss"));
    if (!start.isValid())
        return QString();
    const QString time = start.toString(QStringLiteral("HH:mm:ss"));
    switch (trigger.type) {
    case TaskTrigger::Daily:
        return QStringLiteral("*-*-* ") + time;
    case TaskTrigger::Weekly: {
        static const char *const days[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
        QStringList names;
        for (int day = 0; day < 7; ++day) {
            if (trigger.daysOfWeek & (1u << day))
                names.append(QLatin1String(days[day]));
        }
        if (names.isEmpty())
            return QString();
        return names.join(QLatin1Char(',')) + QStringLiteral(" *-*-* ") + time;
    }
    default:
        return start.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    }
}

QString SystemdTaskMirror::serviceText(const QString &name, const QStringList &environment, const QString &program)
{
    if (unitName(name).isEmpty() || program.isEmpty() || holdsControlCharacter(program))
        return QString();
    QString text;
    text += QStringLiteral("[Unit]\nDescription=Mirelo scheduled recording %1\n").arg(oneLine(name));
    text += QStringLiteral("\n[Service]\nType=simple\n");
    for (const char *variable : {"DISPLAY", "XAUTHORITY"}) {
        const QString key = QLatin1String(variable);
        bool known = false;
        for (const QString &line : environment)
            known = known || line.startsWith(key + QLatin1Char('='));
        const QString value = qEnvironmentVariable(variable);
        if (holdsControlCharacter(value))
            return QString();
        if (!known && !value.isEmpty())
            text += QStringLiteral("Environment=%1\n").arg(quoted(key + QLatin1Char('=') + value));
    }
    text += QStringLiteral("ExecStart=%1 %2 %3\n").arg(quoted(program), quoted(QStringLiteral("-Task")), quoted(name));
    return text;
}

QString SystemdTaskMirror::timerText(const QString &name, const TaskDefinition &definition)
{
    const QString calendar =
        definition.triggers.isEmpty() ? QString() : onCalendar(definition.triggers.first());
    QString text;
    text += QStringLiteral("[Unit]\nDescription=Mirelo scheduled recording %1\n").arg(oneLine(name));
    text += QStringLiteral("\n[Timer]\n");
    if (!calendar.isEmpty())
        text += QStringLiteral("OnCalendar=%1\n").arg(calendar);
    text += QStringLiteral("AccuracySec=1s\nPersistent=false\n");
    text += QStringLiteral("\n[Install]\nWantedBy=timers.target\n");
    return text;
}

bool SystemdTaskMirror::systemctl(const QStringList &arguments, QString *output)
{
    QProcess process;
    process.start(m_systemctl, QStringList{QStringLiteral("--user")} + arguments);
    if (!process.waitForFinished(SYSTEMCTL_TIMEOUT_MS)) {
        process.kill();
        process.waitForFinished();
        qWarning().noquote() << "systemctl --user" << arguments.join(QLatin1Char(' ')) << "did not finish";
        return false;
    }
    if (output)
        *output = QString::fromLocal8Bit(process.readAllStandardOutput());
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        qWarning().noquote() << "systemctl --user" << arguments.join(QLatin1Char(' ')) << "failed:"
                             << QString::fromLocal8Bit(process.readAllStandardError()).trimmed();
        return false;
    }
    return true;
}

bool SystemdTaskMirror::writeUnit(const QString &fileName, const QString &text)
{
    const QString path = m_unitFolder + QLatin1Char('/') + fileName;
    QString why;
    if (!KeptFile::write(path, text.toUtf8(), &why)) {
        qWarning().noquote() << "cannot write" << path << why;
        return false;
    }
    return true;
}

void SystemdTaskMirror::update(const QString &name, const TaskDefinition &definition)
{
    const QString unit = unitName(name);
    if (unit.isEmpty()) {
        qWarning().noquote() << "no timer for the task" << oneLine(name) << "- its name is no GUID";
        return;
    }
    const QString service = serviceText(name, m_managerEnvironment, m_program);
    if (service.isEmpty() || holdsControlCharacter(definition.actionPath)
        || holdsControlCharacter(definition.actionArguments)) {
        // No unit rather than one with lines nobody wrote; an older one goes.
        qWarning().noquote() << "no timer for the task" << name
                             << "- a control character in its command or environment";
        remove(name);
        return;
    }
    if (!writeUnit(unit + QStringLiteral(".service"), service)
        || !writeUnit(unit + QStringLiteral(".timer"), timerText(name, definition)))
        return;
    systemctl({QStringLiteral("daemon-reload")});
    const bool on = enabledOf(definition)
                    && !onCalendar(definition.triggers.first()).isEmpty();
    systemctl({on ? QStringLiteral("enable") : QStringLiteral("disable"), QStringLiteral("--now"),
               unit + QStringLiteral(".timer")});
}

void SystemdTaskMirror::removeUnits(const QString &unit)
{
    systemctl({QStringLiteral("disable"), QStringLiteral("--now"), unit + QStringLiteral(".timer")});
    QFile::remove(m_unitFolder + QLatin1Char('/') + unit + QStringLiteral(".timer"));
    QFile::remove(m_unitFolder + QLatin1Char('/') + unit + QStringLiteral(".service"));
}

void SystemdTaskMirror::remove(const QString &name)
{
    const QString unit = unitName(name);
    if (unit.isEmpty())
        return;
    removeUnits(unit);
    systemctl({QStringLiteral("daemon-reload")});
}

void SystemdTaskMirror::sync(const QMap<QString, TaskDefinition> &tasks)
{
    QSet<QString> wanted;
    for (auto it = tasks.cbegin(); it != tasks.cend(); ++it)
        wanted.insert(unitName(it.key()));
    const QStringList present = QDir(m_unitFolder).entryList(
        {QLatin1String(UNIT_PREFIX) + QStringLiteral("*.timer")}, QDir::Files, QDir::Name);
    bool removed = false;
    for (const QString &file : present) {
        const QString unit = file.chopped(int(qstrlen(".timer")));
        if (!wanted.contains(unit)) {
            removeUnits(unit);
            removed = true;
        }
    }
    if (removed)
        systemctl({QStringLiteral("daemon-reload")});
    for (auto it = tasks.cbegin(); it != tasks.cend(); ++it)
        update(it.key(), it.value());
}
