#include "keptfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMutex>
#include <QSaveFile>
#include <QSet>
#include <QStringList>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace KeptFile {

namespace {

bool isResource(const QString &path)
{
    return path.startsWith(QLatin1Char(':')) || path.startsWith(QLatin1String("qrc:"));
}

void setWhy(QString *why, const QString &text)
{
    if (why)
        *why = text;
}

QString notRegular()
{
    return QCoreApplication::translate("KeptFile", "it is not a regular file");
}

QString tooLarge(qint64 maxBytes)
{
    return QCoreApplication::translate("KeptFile", "it is larger than %1 bytes").arg(maxBytes);
}

// The type and size on the path, then on the file opened without waiting
// (a FIFO would block an ordinary open until a writer comes). The open
// descriptor, -1 with `status` set otherwise.
int openRegular(const QString &path, qint64 maxBytes, ReadStatus *status, QString *why)
{
    const QByteArray native = QFile::encodeName(path);
    struct stat info;
    if (::stat(native.constData(), &info) != 0) {
        const int error = errno;
        *status = (error == ENOENT || error == ENOTDIR) ? Missing : Unreadable;
        setWhy(why, qt_error_string(error));
        return -1;
    }
    *status = Refused;
    if (!S_ISREG(info.st_mode)) {
        setWhy(why, notRegular());
        return -1;
    }
    if (info.st_size > maxBytes) {
        setWhy(why, tooLarge(maxBytes));
        return -1;
    }
    const int fd = ::open(native.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        const int error = errno;
        *status = error == ENOENT ? Missing : Unreadable;
        setWhy(why, qt_error_string(error));
        return -1;
    }
    // What was checked on the path may have been swapped since.
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || info.st_size > maxBytes) {
        setWhy(why, S_ISREG(info.st_mode) ? tooLarge(maxBytes) : notRegular());
        ::close(fd);
        return -1;
    }
    *status = Read;
    return fd;
}

// Every folder of the path, with the reason when one cannot be made.
bool makeFolder(const QString &folder, QString *why)
{
    const QByteArray native = QFile::encodeName(QDir::cleanPath(folder));
    for (int i = 1; i <= native.size(); ++i) {
        if (i < native.size() && native.at(i) != '/')
            continue;
        if (::mkdir(native.left(i).constData(), 0777) != 0 && errno != EEXIST) {
            setWhy(why, qt_error_string(errno));
            return false;
        }
    }
    struct stat info;
    if (::stat(native.constData(), &info) != 0 || !S_ISDIR(info.st_mode)) {
        setWhy(why, qt_error_string(ENOTDIR));
        return false;
    }
    return true;
}

QString writeKey(const QString &path)
{
    return QStringLiteral("write:") + QFileInfo(path).absolutePath();
}

struct Notices {
    QMutex mutex;
    NoticeHandler handler;
    QStringList waiting;
    QSet<QString> given;
};

Notices &notices()
{
    static Notices n;
    return n;
}

} // namespace

ReadStatus read(const QString &path, QByteArray *bytes, QString *why, qint64 maxBytes)
{
    bytes->clear();
    if (path.isEmpty())
        return Missing;
    if (isResource(path)) {
        QFile file(path);
        if (!file.exists())
            return Missing;
        if (!file.open(QIODevice::ReadOnly)) {
            setWhy(why, file.errorString());
            return Unreadable;
        }
        if (file.size() > maxBytes) {
            setWhy(why, tooLarge(maxBytes));
            return Refused;
        }
        *bytes = file.readAll();
        return Read;
    }
    ReadStatus status;
    const int fd = openRegular(path, maxBytes, &status, why);
    if (fd < 0)
        return status;
    // The file may have grown since it was measured: one byte past the
    // limit tells.
    char chunk[65536];
    for (;;) {
        const ssize_t got = ::read(fd, chunk, sizeof chunk);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0 || bytes->size() + got > maxBytes) {
            setWhy(why, got < 0 ? qt_error_string(errno) : tooLarge(maxBytes));
            bytes->clear();
            status = got < 0 ? Unreadable : Refused;
            break;
        }
        if (got == 0)
            break;
        bytes->append(chunk, int(got));
    }
    ::close(fd);
    return status;
}

bool isRefused(const QString &path, QString *why, qint64 maxBytes)
{
    if (path.isEmpty() || isResource(path))
        return false;
    ReadStatus status;
    const int fd = openRegular(path, maxBytes, &status, why);
    if (fd >= 0)
        ::close(fd);
    return status == Refused;
}

bool writeSynced(QFileDevice &file, const QByteArray &bytes, QString *why)
{
    // QSaveFile::commit flushes its buffer itself but does not look at the
    // result before it renames: a full disk would replace the old file with
    // a cut one. So every step is checked here, before any commit.
    if (file.write(bytes) != bytes.size() || !file.flush() || file.error() != QFileDevice::NoError) {
        setWhy(why, file.errorString());
        return false;
    }
    if (::fsync(file.handle()) != 0) {
        setWhy(why, qt_error_string(errno));
        return false;
    }
    return true;
}

bool write(const QString &path, const QByteArray &bytes, QString *why, const WriteOptions &options)
{
    QString error;
    const bool written = [&] {
        if (options.makeFolder && !makeFolder(QFileInfo(path).absolutePath(), &error))
            return false;
        // Without a commit the temporary file goes away with the object.
        QSaveFile file(path);
        if (!file.open(QIODevice::WriteOnly)) {
            error = file.errorString();
            return false;
        }
        if (options.permissions >= 0 && ::fchmod(file.handle(), mode_t(options.permissions)) != 0) {
            error = qt_error_string(errno);
            return false;
        }
        if (!writeSynced(file, bytes, &error))
            return false;
        if (!file.commit()) {
            error = file.errorString();
            return false;
        }
        return true;
    }();
    if (written) {
        clearNotice(writeKey(path));
        return true;
    }
    setWhy(why, error);
    if (options.tellUser)
        tellWriteFailed(path, error);
    return false;
}

void tellWriteFailed(const QString &path, const QString &why)
{
    // Once per folder: a full disk fails every file there alike.
    const QString text =
        QCoreApplication::translate("KeptFile", "Could not save %1:\n%2\nWhat it held before is kept.");
    notice(writeKey(path), text.arg(QDir::toNativeSeparators(path), why));
}

bool keepAside(const QString &path, QString *backup)
{
    if (backup)
        backup->clear();
    const QByteArray native = QFile::encodeName(path);
    struct stat info;
    if (::lstat(native.constData(), &info) != 0)
        return errno == ENOENT;
    if (S_ISREG(info.st_mode) && info.st_size == 0)
        return ::unlink(native.constData()) == 0;
    const QString base = path + QStringLiteral(".bak");
    for (int n = 0; n < 1000; ++n) {
        const QString name = n == 0 ? base : base + QLatin1Char('.') + QString::number(n);
        const QByteArray target = QFile::encodeName(name);
        // Never over another file: renameat2 refuses an existing name.
        bool moved = ::renameat2(AT_FDCWD, native.constData(), AT_FDCWD, target.constData(), RENAME_NOREPLACE) == 0;
        if (!moved && errno == EEXIST)
            continue;
        if (!moved && errno != EINVAL && errno != ENOSYS)
            return false;
        if (!moved) { // a file system without the flag: the name if it is free now
            if (::lstat(target.constData(), &info) == 0)
                continue;
            moved = ::rename(native.constData(), target.constData()) == 0;
        }
        if (moved && backup)
            *backup = name;
        return moved;
    }
    return false;
}

void tellKeptAside(const QString &path, const QString &backup)
{
    const QString text = QCoreApplication::translate("KeptFile", "%1 could not be read and was kept as %2.");
    notice(QStringLiteral("kept:") + backup,
           text.arg(QDir::toNativeSeparators(path), QDir::toNativeSeparators(backup)));
}

void setNoticeHandler(NoticeHandler handler)
{
    Notices &n = notices();
    QStringList waiting;
    {
        QMutexLocker lock(&n.mutex);
        n.handler = handler;
        if (handler)
            waiting.swap(n.waiting);
    }
    for (const QString &text : qAsConst(waiting))
        handler(text);
}

void notice(const QString &key, const QString &text)
{
    Notices &n = notices();
    NoticeHandler handler;
    {
        QMutexLocker lock(&n.mutex);
        if (n.given.contains(key))
            return;
        n.given.insert(key);
        if (!n.handler) {
            n.waiting << text;
            return;
        }
        handler = n.handler;
    }
    handler(text);
}

void clearNotice(const QString &key)
{
    Notices &n = notices();
    QMutexLocker lock(&n.mutex);
    n.given.remove(key);
}

void resetNotices()
{
    Notices &n = notices();
    QMutexLocker lock(&n.mutex);
    n.waiting.clear();
    n.given.clear();
}

} // namespace KeptFile
