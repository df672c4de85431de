#pragma once
// A folder that only this user can write, for what other local users must
// not be able to take, read or plant: the single-instance channel, named
// locks, the list of hidden desktop windows.

#include <QString>

namespace PrivateFolder {

// The runtime folder when it is safe (a folder owned by this user that
// nobody else can write); else "<temp>/mirelo-<uid>", made with mode 0700
// and then checked: a folder, not a link, owned by this user, mode 0700.
// Empty when neither is safe: a name someone else took is never used.
QString path();

// True when `folder` is a folder (not a link when `noLink`) owned by this
// user that neither group nor others can write; with `exactMode`, its mode
// must be 0700.
bool isPrivate(const QString &folder, bool noLink, bool exactMode);

// Opens, creating it when missing, a file of ours in a private folder for
// reading and writing, never following a link. Something at the name that
// is not a regular file owned by this user (planted there before the folder
// was private, or by root) is removed and a file of our own made instead.
// -1 when that fails.
int openOwnFile(const QString &path);

// True when `path` is a local socket owned by this user (not a link).
bool isOwnSocket(const QString &path);

} // namespace PrivateFolder
