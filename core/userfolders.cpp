#include "userfolders.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

// An environment path decoded as the file system names it (see
// filenamecodec.h), so a home whose name is not valid UTF-8 is still found.
QString environmentPath(const char *name)
{
    return QFile::decodeName(qgetenv(name));
}

bool isUsableBase(const QString &path)
{
    return !path.isEmpty() && QDir::isAbsolutePath(path) && !QDir(path).isRoot();
}

QString baseFolder(const char *variable, const char *belowHome)
{
    const QString home = usableHomeFolder();
    if (home.isEmpty())
        return QString();
    const QString set = QDir::cleanPath(environmentPath(variable));
    return isUsableBase(set) ? set : home + QLatin1String(belowHome);
}

} // namespace

QString usableHomeFolder()
{
    const QString home = QDir::cleanPath(environmentPath("HOME"));
    if (!isUsableBase(home) || !QFileInfo(home).isDir())
        return QString();
    return home;
}

QString userDataBase()
{
    return baseFolder("XDG_DATA_HOME", "/.local/share");
}

QString userConfigBase()
{
    return baseFolder("XDG_CONFIG_HOME", "/.config");
}

QString userDocumentsFolder()
{
    const QString home = usableHomeFolder();
    if (home.isEmpty())
        return QString();
    const QString documents = QDir::cleanPath(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
    return isUsableBase(documents) ? documents : home + QStringLiteral("/Documents");
}
