#include "programrun.h"

#include "testsupport.h"

#include <QDir>
#include <QElapsedTimer>
#include <QMap>
#include <QRect>
#include <QThread>

#include <algorithm>

namespace testsupport {

ProgramUser::ProgramUser()
{
    for (const char *sub : {"home", "config", "data", "cache", "runtime"})
        QDir(m_root.path()).mkpath(QString::fromLatin1(sub));
    QFile::setPermissions(m_root.path() + QStringLiteral("/runtime"),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

QString ProgramUser::dataFolder() const { return root() + QStringLiteral("/data/Olvex/Free Mirelo/"); }

QProcessEnvironment ProgramUser::environment(const QString &engine) const
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HOME"), root() + QStringLiteral("/home"));
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), root() + QStringLiteral("/config"));
    env.insert(QStringLiteral("XDG_DATA_HOME"), root() + QStringLiteral("/data"));
    env.insert(QStringLiteral("XDG_CACHE_HOME"), root() + QStringLiteral("/cache"));
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), root() + QStringLiteral("/runtime"));
    if (!engine.isEmpty())
        env.insert(QStringLiteral("MIRELO_ENGINE"), engine);
    return env;
}

QString programPath() { return binDir() + QStringLiteral("/mirelo"); }

bool startProgram(QProcess &process, const ProgramUser &user, const QStringList &arguments, const QString &engine,
                  const QString &program)
{
    process.setProcessEnvironment(user.environment(engine));
    process.start(program, arguments);
    return process.waitForStarted(10000);
}

bool waitForExit(QProcess &process, int timeoutMs)
{
    if (process.state() == QProcess::NotRunning || process.waitForFinished(timeoutMs))
        return true;
    process.kill();
    process.waitForFinished(5000);
    return false;
}

void stopProgram(QProcess &process)
{
    if (process.state() == QProcess::NotRunning)
        return;
    process.terminate();
    if (!process.waitForFinished(3000)) {
        process.kill();
        process.waitForFinished(3000);
    }
}

static QString runXdotool(const QStringList &arguments, bool *ok = nullptr)
{
    // A search walks every top-level window; one the program destroys
    // during the walk makes xdotool die of BadWindow with nothing listed,
    // as if no window were shown. Only a search is asked again: it changes
    // nothing, and the walk after finds the windows that stayed.
    const bool search = arguments.value(0) == QLatin1String("search");
    for (int attempt = 0;; ++attempt) {
        QProcess p;
        p.start(QStringLiteral("xdotool"), arguments);
        const bool done = p.waitForFinished(10000);
        const bool fine = done && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
        if (!fine && search && attempt < 4 && p.readAllStandardError().contains("X Error of failed request"))
            continue;
        if (ok)
            *ok = fine;
        return QString::fromLocal8Bit(p.readAllStandardOutput());
    }
}

QStringList visibleWindows(qint64 pid, const QString &name)
{
    // Top-level windows only: the native child windows of a window carry
    // the process id too. The root window may answer a depth-limited search.
    const QStringList args{QStringLiteral("search"), QStringLiteral("--onlyvisible"), QStringLiteral("--maxdepth"),
                           QStringLiteral("1"), QStringLiteral("--pid"), QString::number(pid),
                           QStringLiteral("--name"), QStringLiteral(".*")};
    QStringList ids = runXdotool(args).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ids.erase(std::remove_if(ids.begin(), ids.end(),
                             [&](const QString &id) {
                                 return runXdotool({QStringLiteral("getwindowpid"), id}).trimmed()
                                        != QString::number(pid);
                             }),
              ids.end());
    // xdotool matches parts of several names; only the exact title counts.
    if (!name.isEmpty()) {
        ids.erase(std::remove_if(ids.begin(), ids.end(), [&](const QString &id) { return windowName(id) != name; }),
                  ids.end());
    }
    return ids;
}

QString waitForWindow(qint64 pid, const QString &name, int timeoutMs)
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < timeoutMs) {
        const QStringList ids = visibleWindows(pid, name);
        if (!ids.isEmpty())
            return ids.first();
        QThread::msleep(100);
    }
    return QString();
}

QString windowName(const QString &windowId)
{
    return runXdotool({QStringLiteral("getwindowname"), windowId}).trimmed();
}

QRect windowGeometry(const QString &windowId)
{
    const QString out = runXdotool({QStringLiteral("getwindowgeometry"), QStringLiteral("--shell"), windowId});
    QMap<QString, int> values;
    for (const QString &line : out.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        const int eq = line.indexOf(QLatin1Char('='));
        if (eq > 0)
            values.insert(line.left(eq), line.mid(eq + 1).toInt());
    }
    return QRect(values.value(QStringLiteral("X")), values.value(QStringLiteral("Y")),
                 values.value(QStringLiteral("WIDTH")), values.value(QStringLiteral("HEIGHT")));
}

bool xdotool(const QStringList &arguments)
{
    bool ok = false;
    runXdotool(arguments, &ok);
    return ok;
}

QStringList visibleWindows(qint64 pid, const QString &name, const SizeTest &fits)
{
    QStringList ids = visibleWindows(pid, name);
    ids.erase(std::remove_if(ids.begin(), ids.end(), [&](const QString &id) { return !fits(windowGeometry(id).size()); }),
              ids.end());
    return ids;
}

QString waitForWindow(qint64 pid, const QString &name, const SizeTest &fits, int timeoutMs)
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < timeoutMs) {
        const QStringList ids = visibleWindows(pid, name, fits);
        if (!ids.isEmpty())
            return ids.first();
        QThread::msleep(100);
    }
    return QString();
}

bool isMainFrameSize(const QSize &size) { return size.width() > 700 && size.width() < 1600 && size.height() > 200; }

bool isMessageSize(const QSize &size)
{
    // A message grows with its text (a long path wraps onto more lines):
    // up to just below the count-down's 337.
    return size.width() > 350 && size.width() < 700 && size.height() > 150 && size.height() < 330;
}

} // namespace testsupport
