#pragma once
// Temporary files that nothing else can have put in their place: each is a
// new file made for the occasion, so a link or file planted at its name (in
// a folder others can write) is never opened, emptied or written through.
#include <string>
#include <sys/types.h>

namespace mirelo {

// Creates a new file for writing with O_CREAT|O_EXCL|O_NOFOLLOW: at `name`,
// or, when something is already there, at `name` with a random ending.
// Returns the descriptor and sets `made` to the name used; -1 (errno set)
// when no new file could be made.
int createNewFile(const std::string &name, mode_t mode, std::string &made);

// Writes all of `size` bytes; a write that makes no progress is an error
// (EIO), so it never spins. False with errno set.
bool writeAll(int fd, const void *data, size_t size);

// Makes a rename or a new name in the folder of `path` durable.
bool syncFolderOf(const std::string &path);

} // namespace mirelo
