#pragma once
// Mirrors scheduled tasks as systemd user timers, so that the user manager
// starts the program for a job while it is not running. Each task gets
// "mirelo-task-<32 hex digits>.timer" and ".service" in the unit folder; the
// timer is enabled while the task is. Used only where a user manager answers;
// its failures are logged and never fail the task store.
#include "taskservice.h"

#include <QProcessEnvironment>

class SystemdTaskMirror
{
public:
    // `unitFolder` is where the units go (~/.config/systemd/user/ by
    // default); `systemctl` the program called as "systemctl --user ...";
    // `program` what a unit starts (this program's own executable).
    explicit SystemdTaskMirror(const QString &unitFolder = defaultUnitFolder(),
                               const QString &systemctl = QStringLiteral("systemctl"),
                               const QString &program = QString());

    static QString defaultUnitFolder();

    // Asks the user manager for its environment; false when none answers.
    bool userManagerAnswers();

    // Writes the task's units and enables or disables its timer.
    void update(const QString &name, const TaskDefinition &definition);
    // Disables and removes the task's units.
    void remove(const QString &name);
    // Brings the unit folder in line with the tasks: units of tasks that are
    // gone are removed, the others rewritten.
    void sync(const QMap<QString, TaskDefinition> &tasks);

    // "mirelo-task-" and the name's hex digits; empty for a name that is not
    // a braced GUID.
    static QString unitName(const QString &name);
    // The timer's calendar: the full date for a once trigger, every day for a
    // daily one, the day names for a weekly one. Empty when the trigger has
    // no valid start or no day.
    static QString onCalendar(const TaskTrigger &trigger);
    // The service starts `program` with "-Task <name>", whatever program the
    // task names: a task file must not choose what the user manager runs.
    // `environment`: what the user manager already has; DISPLAY and
    // XAUTHORITY of this process are written when it lacks them. Empty when
    // the name is not a braced GUID or any text holds a control character
    // (a line break would add lines to the unit).
    static QString serviceText(const QString &name, const QStringList &environment, const QString &program);
    static bool holdsControlCharacter(const QString &text);
    static QString timerText(const QString &name, const TaskDefinition &definition);

private:
    bool systemctl(const QStringList &arguments, QString *output = nullptr);
    bool writeUnit(const QString &fileName, const QString &text);
    void removeUnits(const QString &unit);

    QString m_unitFolder;
    QString m_systemctl;
    QString m_program;
    QStringList m_managerEnvironment;
};
