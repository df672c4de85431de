#pragma once
// ioctl that retries when a signal interrupts it.
#include <cerrno>
#include <sys/ioctl.h>

namespace mirelo::camera {

inline int xioctl(int fd, unsigned long request, void *arg)
{
    int r;
    do {
        r = ::ioctl(fd, request, arg);
    } while (r < 0 && errno == EINTR);
    return r;
}

} // namespace mirelo::camera
