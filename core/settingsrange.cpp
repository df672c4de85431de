#include "settingsrange.h"

#include <QDir>
#include <QSettings>

qint64 readRanged(QSettings *settings, const RangedKey &key, qint64 current)
{
    const qint64 value = settings->value(QLatin1String(key.name), current).toLongLong();
    return value >= key.min && value <= key.max ? value : key.defaultValue;
}

QRect readRect(QSettings *settings, const char *key, const QRect &current)
{
    const QRect rect = settings->value(QLatin1String(key), current).toRect();
    if (rect.isNull())
        return rect;
    // X11 coordinates and sizes are 16-bit.
    const bool fits = rect.width() > 0 && rect.height() > 0 && rect.width() <= 32767 && rect.height() <= 32767
                      && rect.left() >= -32768 && rect.top() >= -32768 && qint64(rect.left()) + rect.width() <= 32767
                      && qint64(rect.top()) + rect.height() <= 32767;
    return fits ? rect : QRect();
}

QString readFolder(QSettings *settings, const char *key, const QString &current, const QString &fallback)
{
    const QString folder = settings->value(QLatin1String(key), current).toString();
    if (folder.trimmed().isEmpty() || !QDir::isAbsolutePath(folder) || QDir(folder).isRoot())
        return fallback;
    return folder;
}
