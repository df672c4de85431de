#include "privatefolder.h"

#include <QDir>
#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace PrivateFolder {

bool isPrivate(const QString &folder, bool noLink, bool exactMode)
{
    if (folder.isEmpty())
        return false;
    const QByteArray native = QFile::encodeName(folder);
    struct stat st;
    if ((noLink ? ::lstat(native.constData(), &st) : ::stat(native.constData(), &st)) != 0)
        return false;
    if (!S_ISDIR(st.st_mode) || st.st_uid != ::geteuid())
        return false;
    const mode_t mode = st.st_mode & 07777;
    return exactMode ? mode == 0700 : (mode & 022) == 0;
}

QString path()
{
    // The session makes the runtime folder; a link to it is its own choice.
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && isPrivate(runtime, false, false))
        return runtime;
    // A fixed name in a folder everybody writes: someone else may have made
    // it first (a folder of theirs, a link, a folder we cannot keep private),
    // so what is there is used only once it is checked to be ours.
    const QString own = QDir::tempPath() + QStringLiteral("/mirelo-%1").arg(::geteuid());
    const QByteArray native = QFile::encodeName(own);
    if (::mkdir(native.constData(), 0700) != 0 && errno != EEXIST)
        return QString();
    if (!isPrivate(own, true, true)) {
        qWarning("%s is not a private folder of this user; not used", native.constData());
        return QString();
    }
    return own;
}

int openOwnFile(const QString &path)
{
    const QByteArray native = QFile::encodeName(path);
    for (int attempt = 0; attempt < 2; ++attempt) {
        const int fd = ::open(native.constData(), O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0600);
        if (fd >= 0) {
            struct stat st;
            if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_uid == ::geteuid()) {
                ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
                return fd;
            }
            ::close(fd);
        } else if (errno != ELOOP && errno != EACCES && errno != EPERM && errno != ENXIO) {
            return -1;
        }
        // Not ours: the folder is, so it can go.
        if (::unlink(native.constData()) != 0 && errno != ENOENT)
            return -1;
    }
    return -1;
}

bool isOwnSocket(const QString &path)
{
    struct stat st;
    return ::lstat(QFile::encodeName(path).constData(), &st) == 0 && S_ISSOCK(st.st_mode)
        && st.st_uid == ::geteuid();
}

} // namespace PrivateFolder
