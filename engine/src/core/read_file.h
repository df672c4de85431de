#pragma once
// Files the engine reads that others may have put in place (its remembered
// audio choices, a watermark picture): only a regular file is read, opened
// so that nothing can block (a FIFO without a writer, a device), and only up
// to a size, so a link to /dev/zero or a huge sparse file cannot fill memory.
#include <cstdint>
#include <string>

namespace mirelo {

// The whole file into `out`; false (and `out` empty) when it is missing,
// not a regular file or larger than `maxBytes`. A file that shrinks while
// being read gives what was there.
bool readRegularFile(const std::string &path, int64_t maxBytes, std::string &out);

} // namespace mirelo
