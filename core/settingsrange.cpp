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
    return fitsX11(rect) ? rect : QRect();
}

bool fitsX11(const QRect &rect)
{
    // Sizes in 64 bits: a rectangle whose edges lie far apart overflows int.
    const qint64 width = qint64(rect.right()) - rect.left() + 1;
    const qint64 height = qint64(rect.bottom()) - rect.top() + 1;
    return width > 0 && height > 0 && width <= 32767 && height <= 32767 && rect.left() >= -32768
           && rect.top() >= -32768 && rect.left() + width <= 32767 && rect.top() + height <= 32767;
}

QString readFolder(QSettings *settings, const char *key, const QString &current, const QString &fallback)
{
    const QString folder = settings->value(QLatin1String(key), current).toString();
    if (folder.trimmed().isEmpty() || !QDir::isAbsolutePath(folder) || QDir(folder).isRoot())
        return fallback;
    return folder;
}
