#include "core/new_file.h"

#include <cerrno>
#include <fcntl.h>
#include <random>
#include <unistd.h>

namespace mirelo {

int createNewFile(const std::string &name, mode_t mode, std::string &made)
{
    constexpr int kFlags = O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC;
    made = name;
    int fd = ::open(made.c_str(), kFlags, mode);
    if (fd >= 0 || errno != EEXIST)
        return fd;
    static const char kLetters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    std::random_device seed;
    std::mt19937 random(seed());
    std::uniform_int_distribution<int> pick(0, int(sizeof kLetters) - 2);
    for (int attempt = 0; attempt < 100; ++attempt) {
        made = name + '-';
        for (int i = 0; i < 8; ++i)
            made += kLetters[pick(random)];
        fd = ::open(made.c_str(), kFlags, mode);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

bool writeAll(int fd, const void *data, size_t size)
{
    const auto *bytes = static_cast<const char *>(data);
    size_t done = 0;
    while (done < size) {
        const ssize_t n = ::write(fd, bytes + done, size - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            if (n == 0)
                errno = EIO;
            return false;
        }
        done += size_t(n);
    }
    return true;
}

bool syncFolderOf(const std::string &path)
{
    const size_t slash = path.rfind('/');
    const std::string folder = slash == std::string::npos ? "." : slash == 0 ? "/" : path.substr(0, slash);
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool ok = ::fsync(fd) == 0;
    ::close(fd);
    return ok;
}

} // namespace mirelo
