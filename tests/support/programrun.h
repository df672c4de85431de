#pragma once
// Runs the program itself in tests: each ProgramUser is a user of its own
// (HOME and XDG folders under one temporary folder), so several starts can
// share one user (single instance, options file) or not. The X helpers use
// xdotool on the test's private X server.

#include <QProcess>
#include <QSize>
#include <QStringList>
#include <QTemporaryDir>

#include <functional>

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

// Several windows carry the program's title (splash screen, main frame,
// messages, count-down, control bar, region frame): their sizes tell them
// apart. These keep the windows titled `name` whose size `fits` accepts.
using SizeTest = std::function<bool(const QSize &)>;
QStringList visibleWindows(qint64 pid, const QString &name, const SizeTest &fits);
QString waitForWindow(qint64 pid, const QString &name, const SizeTest &fits, int timeoutMs);

// The main frame's size at the test screen's scale: wider than the splash
// screen, the messages, the count-down and the bar, narrower than the
// full-screen region frame.
bool isMainFrameSize(const QSize &size);
// A message, question or name input: narrower than the main frame, higher
// than the bar and the record-length popup, lower than the count-down.
bool isMessageSize(const QSize &size);

} // namespace testsupport
