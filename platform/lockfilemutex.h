#pragma once
// A process-wide named mutex: an flock()ed file of the user's own in a
// folder only the user can write (PrivateFolder).
// The lock is released by release() or when the process ends, however it ends.

#include <QString>

class LockFileMutex
{
public:
    LockFileMutex() = default;
    ~LockFileMutex();
    LockFileMutex(const LockFileMutex &) = delete;
    LockFileMutex &operator=(const LockFileMutex &) = delete;

    // Opens (creating when needed) the lock file of the name and tries to
    // lock it without waiting. A lock held by another process is no error:
    // the file stays open, as a second handle to an existing mutex would.
    // False only when the file cannot be opened (or there is no private
    // folder).
    bool acquire(const QString &name);
    // True while this process holds the lock.
    bool isOwner() const { return m_owner; }
    void release();

    // The file that stands for the name: the private folder and the name
    // made file-safe; empty without a private folder.
    static QString lockFilePath(const QString &name);

private:
    int m_fd = -1;
    bool m_owner = false;
};
