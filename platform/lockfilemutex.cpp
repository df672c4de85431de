#include "lockfilemutex.h"

#include "privatefolder.h"

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
    const QString folder = PrivateFolder::path();
    if (folder.isEmpty())
        return QString();
    return folder + QLatin1Char('/') + safe + QStringLiteral(".lock");
}

bool LockFileMutex::acquire(const QString &name)
{
    release();
    const QString path = lockFilePath(name);
    if (path.isEmpty())
        return false;
    m_fd = PrivateFolder::openOwnFile(path);
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
