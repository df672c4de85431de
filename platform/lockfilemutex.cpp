#include "lockfilemutex.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

LockFileMutex::~LockFileMutex()
{
    release();
}

QString LockFileMutex::lockFilePath(const QString &name)
{
    QString safe;
    for (QChar c : name)
        safe += (c == QLatin1Char('/') || c == QLatin1Char('\\') || c.unicode() < 0x20)
                    ? QLatin1Char('_')
                    : c;
    if (safe.isEmpty() || safe == QLatin1String(".") || safe == QLatin1String(".."))
        safe = QStringLiteral("_%1").arg(safe);
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (!runtime.isEmpty())
        return runtime + QLatin1Char('/') + safe + QStringLiteral(".lock");
    return QDir::tempPath() + QLatin1Char('/') + safe + QStringLiteral("-%1.lock").arg(getuid());
}

bool LockFileMutex::acquire(const QString &name)
{
    release();
    const QByteArray path = QFile::encodeName(lockFilePath(name));
    m_fd = ::open(path.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (m_fd < 0)
        return false;
    m_owner = ::flock(m_fd, LOCK_EX | LOCK_NB) == 0;
    return true;
}

void LockFileMutex::release()
{
    if (m_fd >= 0) {
        if (m_owner)
            ::flock(m_fd, LOCK_UN);
        ::close(m_fd);
    }
    m_fd = -1;
    m_owner = false;
}
