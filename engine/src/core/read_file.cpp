#include "core/read_file.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace mirelo {

bool readRegularFile(const std::string &path, int64_t maxBytes, std::string &out)
{
    out.clear();
    if (path.empty())
        return false;
    // The type is checked on what was opened, not on the name: nothing can
    // be swapped in between.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct stat st;
    const bool ok = fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_size <= maxBytes;
    if (ok) {
        out.resize(size_t(st.st_size));
        size_t done = 0;
        while (done < out.size()) {
            const ssize_t n = ::read(fd, &out[done], out.size() - done);
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0)
                break;
            done += size_t(n);
        }
        out.resize(done);
    }
    ::close(fd);
    return ok;
}

} // namespace mirelo
