#pragma once
// The files the program keeps (options, history, tasks, settings store) and
// the ones it is given to read (skin files): read only when they are regular
// files, written whole or not at all. What goes wrong with them is told to the
// user through a notice handler, which the program's start connects to a
// message; until then notices wait.

#include <QByteArray>
#include <QString>

#include <functional>

class QFileDevice;

namespace KeptFile {

// Far beyond any file the program keeps or ships, far below what would
// strain the memory when read whole.
constexpr qint64 kMaxBytes = 64 * 1024 * 1024;

enum ReadStatus {
    Missing,    // nothing there (or an empty path)
    Read,       // the bytes are read whole
    Unreadable, // a regular file that could not be opened or read
    Refused,    // no regular file (a FIFO, device, socket, folder), or too large
};

// Reads a regular file whole, never blocking on it: the type is checked on
// the path, the file opened without waiting, and checked again once open.
// `why` tells why it was not read. Qt resource paths (":/...") are read as
// they are.
ReadStatus read(const QString &path, QByteArray *bytes, QString *why = nullptr, qint64 maxBytes = kMaxBytes);
// True when something is at the path that read() would refuse, found without
// reading it (for files that others open, as the settings store).
bool isRefused(const QString &path, QString *why = nullptr, qint64 maxBytes = kMaxBytes);

struct WriteOptions {
    bool tellUser = true;   // tell the user once of a failure
    bool makeFolder = true; // make the folder when it is missing
    int permissions = -1;   // e.g. 0600; else an existing file keeps its own, a new one gets the default
};
// Writes the file whole through a temporary file beside it: write, flush,
// sync, each checked, and only then the rename over the old file. On
// failure the old file stays as it was and `why` tells why; the user is told
// once (until a write into that folder succeeds).
bool write(const QString &path, const QByteArray &bytes, QString *why = nullptr,
           const WriteOptions &options = WriteOptions());
// The checked steps of write() on a save file that its owner renames
// (commits) only when this succeeds.
bool writeSynced(QFileDevice &file, const QByteArray &bytes, QString *why);
// Tells the user once that the file could not be written (for owners of
// their own save file).
void tellWriteFailed(const QString &path, const QString &why);

// Moves an unreadable file aside for the user or a later repair, to the
// first free of "<path>.bak", "<path>.bak.1", ... so an earlier backup is
// never replaced; `backup` gets the new path. An empty regular file holds
// nothing to keep and is removed. False when the path could not be cleared.
bool keepAside(const QString &path, QString *backup = nullptr);
// Tells the user once that the file could not be read and is kept as
// `backup`.
void tellKeptAside(const QString &path, const QString &backup);

// Where notices go: the handler gets each text once. Notices given before a
// handler is set wait for it; an empty handler makes them wait again.
using NoticeHandler = std::function<void(const QString &text)>;
void setNoticeHandler(NoticeHandler handler);
// Hands the text to the handler unless a notice of the same key was given
// already (and not cleared).
void notice(const QString &key, const QString &text);
void clearNotice(const QString &key);
// Forgets every notice given and waiting (tests).
void resetNotices();

} // namespace KeptFile
