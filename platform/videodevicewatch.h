#pragma once
// Tells when video devices come or go: an inotify watch (QFileSystemWatcher)
// on the device folder, for the names starting with "video". Other device
// nodes change all the time and are ignored.
#include <QObject>
#include <QSet>
#include <QString>

class QFileSystemWatcher;

class VideoDeviceWatch : public QObject
{
    Q_OBJECT
public:
    // folder: empty = the default folder ("/dev" unless a test set another).
    explicit VideoDeviceWatch(QObject *parent = nullptr, const QString &folder = QString());

    QString folder() const { return m_folder; }
    // The folder later watches use by default (tests); empty restores "/dev".
    static void setDefaultFolder(const QString &folder);
    static QString defaultFolder();

signals:
    void devicesChanged();

private:
    void folderChanged();
    QSet<QString> videoNames() const;

    QString m_folder;
    QFileSystemWatcher *m_watcher = nullptr;
    QSet<QString> m_names;
};
