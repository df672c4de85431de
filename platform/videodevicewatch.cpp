#include "videodevicewatch.h"

#include <QDir>
#include <QFileSystemWatcher>

namespace {
QString &overrideFolder()
{
    static QString folder;
    return folder;
}
} // namespace

VideoDeviceWatch::VideoDeviceWatch(QObject *parent, const QString &folder)
    : QObject(parent), m_folder(folder.isEmpty() ? defaultFolder() : folder)
{
    m_watcher = new QFileSystemWatcher(this);
    if (!m_watcher->addPath(m_folder))
        return; // no such folder: no devices come or go
    m_names = videoNames();
    connect(m_watcher, &QFileSystemWatcher::directoryChanged, this, &VideoDeviceWatch::folderChanged);
}

void VideoDeviceWatch::setDefaultFolder(const QString &folder)
{
    overrideFolder() = folder;
}

QString VideoDeviceWatch::defaultFolder()
{
    return overrideFolder().isEmpty() ? QStringLiteral("/dev") : overrideFolder();
}

QSet<QString> VideoDeviceWatch::videoNames() const
{
    const QStringList names = QDir(m_folder).entryList({QStringLiteral("video*")}, QDir::System | QDir::Files
                                                           | QDir::NoDotAndDotDot);
    return QSet<QString>(names.begin(), names.end());
}

void VideoDeviceWatch::folderChanged()
{
    QSet<QString> names = videoNames();
    if (names == m_names)
        return;
    m_names.swap(names);
    emit devicesChanged();
}
