// Linked into every test program: at its end, waits until the threads Qt has
// just ended (QtTest's watchdog, ended as the last test function returns) are
// gone. Such a thread drops its hold on Qt's thread data on its way out; one
// that gets there only after Qt's own end-of-process cleanup has deleted the
// key it is kept under keeps its hold, and the leak checker finds Qt's thread
// data lost, now and then on a loaded machine. This object's destructor runs
// before Qt's cleanup (the program's static objects end before those of the
// libraries it links), so the check stays exact, with nothing suppressed: a
// suppression of that block would hide our own lost threads too, since the
// leak checker lets pass whatever a suppressed block points to, and Qt's
// thread data points to its thread.
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>

namespace {

// Whether a thread of this process other than the calling one still bears
// the name Qt gives a thread of a class of its own without one ("QThread").
bool unnamedQtThreadLeft()
{
    DIR *tasks = ::opendir("/proc/self/task");
    if (!tasks)
        return false;
    const pid_t self = ::gettid();
    bool left = false;
    while (const dirent *entry = ::readdir(tasks)) {
        if (entry->d_name[0] == '.' || ::atoi(entry->d_name) == self)
            continue;
        char path[sizeof "/proc/self/task//comm" + sizeof entry->d_name];
        std::snprintf(path, sizeof path, "/proc/self/task/%s/comm", entry->d_name);
        const int fd = ::open(path, O_RDONLY | O_CLOEXEC);
        if (fd < 0)
            continue; // gone meanwhile
        char name[32] = {};
        const ssize_t n = ::read(fd, name, sizeof name - 1);
        ::close(fd);
        if (n > 0 && std::strcmp(name, "QThread\n") == 0) {
            left = true;
            break;
        }
    }
    ::closedir(tasks);
    return left;
}

struct WaitForEndingThreads {
    ~WaitForEndingThreads()
    {
        // A thread still named so after ten seconds is no ending one: the
        // program ends as it would have.
        timespec start;
        ::clock_gettime(CLOCK_MONOTONIC, &start);
        while (unnamedQtThreadLeft()) {
            timespec now;
            ::clock_gettime(CLOCK_MONOTONIC, &now);
            if (now.tv_sec - start.tv_sec >= 10)
                break;
            const timespec step{0, 2 * 1000 * 1000};
            while (::nanosleep(&step, nullptr) != 0 && errno == EINTR) {
            }
        }
    }
} waitForEndingThreads;

} // namespace
