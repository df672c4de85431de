#include "fileutils.h"

#include "filemanager.h"
#include "lockfilemutex.h"
#include "poweroff.h"
#include "versionmarker.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QRegExp>
#include <QTemporaryFile>
#include <QScreen>

QString nativePath(const QString &path)
{
    QString result = path;
    result.replace(QLatin1Char('/'), QDir::separator());
    return result;
}

bool fileExists(const QString &path)
{
    return QFile::exists(nativePath(path));
}

bool makeDirIfMissing(const QString &path)
{
    const QString native = nativePath(path);
    if (native.isEmpty())
        return false;
    if (QFileInfo(native).isDir())
        return true;
    return QDir().mkpath(native);
}

bool canCreateFilesIn(const QString &folder)
{
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        return false;
    // Created exclusively under a name of its own, removed when it goes.
    QTemporaryFile probe(QDir(folder).filePath(QStringLiteral(".mirelo-write-XXXXXX")));
    return probe.open();
}

bool removeDirRecursively(const QString &path)
{
    if (path.isEmpty())
        return false;
    const QString native = nativePath(path);
    const QFileInfo top(native);
    // A link to a folder goes as a link: its target is not ours to empty.
    if (top.isSymLink())
        return QFile::remove(native);
    QDir dir(native);
    if (!top.isDir())
        return true;
    const QFileInfoList entries =
        dir.entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot, QDir::Unsorted);
    for (const QFileInfo &entry : entries) {
        if (entry.isSymLink() || !entry.isDir())
            dir.remove(entry.fileName());
        else
            removeDirRecursively(entry.absoluteFilePath());
    }
    return dir.rmdir(dir.absolutePath());
}

bool removeFileOrFolder(const QString &path)
{
    const QString native = nativePath(path);
    const QFileInfo info(native);
    if (info.isDir() && !info.isSymLink())
        return removeDirRecursively(native);
    return QFile::remove(native);
}

bool revealInExplorer(const QString &path)
{
    const QFileInfo info(nativePath(path));
    if (!info.exists())
        return false;
    if (info.isDir())
        FileManager::openFolder(info.absoluteFilePath());
    else
        FileManager::showItem(info.absoluteFilePath());
    return true;
}

QString fileVersion(const QString &path)
{
    return VersionMarker::read(nativePath(path));
}

bool isValidEmail(const QString &text)
{
    QRegExp pattern(QStringLiteral("([^\\.]+.*[^\\.]+@[^\\.]+.*\\.[^\\.]{2,5}$)"));
    return pattern.exactMatch(text);
}

QRect centeredRect(int width, int height, int screenIndex)
{
    const QList<QScreen *> screens = QGuiApplication::screens();
    QScreen *screen = nullptr;
    if (screenIndex == -1)
        screen = QGuiApplication::primaryScreen();
    else if (screenIndex >= 0 && screenIndex < screens.size())
        screen = screens.at(screenIndex);
    else if (!screens.isEmpty())
        screen = screens.first();
    const QRect area = screen ? screen->geometry() : QRect();
    // Inclusive edges, divisions truncating toward zero.
    const int x = area.left() + (area.right() - area.left() - width + 1) / 2;
    const int y = area.top() + (area.bottom() - area.top() - height + 1) / 2;
    return QRect(x, y, width, height);
}

static LockFileMutex &namedMutex()
{
    static LockFileMutex mutex;
    return mutex;
}

void createNamedMutex(const QString &name)
{
    namedMutex().acquire(name);
}

void closeNamedMutex(const QString &)
{
    namedMutex().release();
}

void shutdownSystem()
{
    PowerOff::request();
}
