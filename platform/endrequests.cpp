#include "endrequests.h"

#include <QSocketNotifier>
#include <QX11Info>

#include <glib.h>
#include <xcb/xcb.h>

#include <atomic>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace {

const int kSignals[] = {SIGTERM, SIGINT, SIGHUP};
// What each meant before, given back at the end.
struct sigaction s_before[3];
bool s_caught[3] = {};
// The pipe's ends; -1 while no object listens. Read by the handler.
std::atomic<int> s_writeEnd{-1};
int s_readEnd = -1;

extern "C" void onEndSignal(int signal)
{
    // Only what is safe in a handler: one write, errno kept.
    const int saved = errno;
    const int fd = s_writeEnd.load();
    if (fd >= 0) {
        const unsigned char number = static_cast<unsigned char>(signal);
        [[maybe_unused]] const ssize_t written = ::write(fd, &number, 1);
    }
    errno = saved;
}

void (*s_lostCall)(void *) = nullptr;
void *s_lostContext = nullptr;
GSource *s_lostSource = nullptr;

bool displayLost()
{
    if (!s_lostCall || !QX11Info::isPlatformX11())
        return false;
    xcb_connection_t *c = QX11Info::connection();
    return c && xcb_connection_has_error(c);
}

gboolean lostPrepare(GSource *, gint *timeout)
{
    *timeout = -1;
    return displayLost();
}

gboolean lostCheck(GSource *) { return displayLost(); }

gboolean lostDispatch(GSource *, GSourceFunc, gpointer)
{
    void (*call)(void *) = s_lostCall;
    s_lostCall = nullptr;
    if (call)
        call(s_lostContext);
    return G_SOURCE_CONTINUE; // disarmed; stays until the process ends
}

GSourceFuncs s_lostFuncs = {lostPrepare, lostCheck, lostDispatch, nullptr, nullptr, nullptr};

} // namespace

SignalEndRequests::SignalEndRequests(QObject *parent) : EndRequests(parent)
{
    if (s_writeEnd.load() >= 0)
        return; // another one listens
    int fds[2];
    if (::pipe2(fds, O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    s_readEnd = fds[0];
    s_writeEnd = fds[1];
    m_owner = true;
    auto *notifier = new QSocketNotifier(s_readEnd, QSocketNotifier::Read, this);
    connect(notifier, &QSocketNotifier::activated, this, &SignalEndRequests::readPipe);
    struct sigaction action = {};
    action.sa_handler = onEndSignal;
    sigemptyset(&action.sa_mask);
    // A system call the signal interrupts goes on (a file being written).
    action.sa_flags = SA_RESTART;
    for (int i = 0; i < 3; ++i) {
        // A signal ignored from the start (nohup) stays ignored.
        s_caught[i] = ::sigaction(kSignals[i], nullptr, &s_before[i]) == 0 && s_before[i].sa_handler != SIG_IGN
                      && ::sigaction(kSignals[i], &action, nullptr) == 0;
    }
}

SignalEndRequests::~SignalEndRequests()
{
    if (!m_owner)
        return;
    for (int i = 0; i < 3; ++i) {
        if (s_caught[i])
            ::sigaction(kSignals[i], &s_before[i], nullptr);
        s_caught[i] = false;
    }
    const int writeEnd = s_writeEnd.exchange(-1);
    ::close(writeEnd);
    ::close(s_readEnd);
    s_readEnd = -1;
}

void SignalEndRequests::readPipe()
{
    unsigned char numbers[16];
    ssize_t n;
    while ((n = ::read(s_readEnd, numbers, sizeof numbers)) > 0) {
        for (ssize_t i = 0; i < n; ++i)
            emit endRequested(numbers[i]);
    }
}

void setDisplayLostCall(void (*call)(void *context), void *context)
{
    s_lostCall = call;
    s_lostContext = context;
    if (!call || s_lostSource)
        return;
    // Ahead of Qt's own source (of default priority), which ends the process
    // in the same round of the loop in which the loss shows.
    s_lostSource = g_source_new(&s_lostFuncs, sizeof(GSource));
    g_source_set_priority(s_lostSource, G_PRIORITY_HIGH);
    g_source_set_can_recurse(s_lostSource, TRUE);
    g_source_attach(s_lostSource, g_main_context_default());
}
