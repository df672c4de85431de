#pragma once
// Runs the program itself in tests: each ProgramUser is a user of its own
// (HOME and XDG folders under one temporary folder), so several starts can
// share one user (single instance, options file) or not. The X helpers use
// xdotool on the test's private X server.

#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>

namespace testsupport {

class ProgramUser
{
public:
    ProgramUser();

    bool isValid() const { return m_root.isValid(); }
    QString root() const { return m_root.path(); }
    // The program's data folder: options file, logs, history.
    QString dataFolder() const;
    // The environment of a start by this user; `engine` names the engine
    // library (MIRELO_ENGINE) unless empty.
    QProcessEnvironment environment(const QString &engine = QString()) const;

private:
    QTemporaryDir m_root;
};

// The program of this build, or a copy of it elsewhere.
QString programPath();

// Starts `program` for the user; false when it did not start.
bool startProgram(QProcess &process, const ProgramUser &user, const QStringList &arguments,
                  const QString &engine = QString(), const QString &program = programPath());

// Waits for the process to end; false (and the process killed) on time-out.
bool waitForExit(QProcess &process, int timeoutMs);

// Ends a process that is still running (terminate, then kill).
void stopProgram(QProcess &process);

// Visible top-level windows of a process titled exactly `name` (any title
// when empty), as X window ids.
QStringList visibleWindows(qint64 pid, const QString &name = QString());

// Waits until the process shows such a window; its id, or empty.
QString waitForWindow(qint64 pid, const QString &name, int timeoutMs);

// The window's title.
QString windowName(const QString &windowId);

// x, y, width, height of a window on the screen.
QRect windowGeometry(const QString &windowId);

// Runs xdotool with these arguments; true when it succeeded.
bool xdotool(const QStringList &arguments);

} // namespace testsupport
