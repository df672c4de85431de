#include "endrequests.h"

#include "x11.h"

#include <QSocketNotifier>

#include <glib.h>
#include <pthread.h>

#include <atomic>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace {

const int kSignals[] = {SIGTERM, SIGINT, SIGHUP};
bool s_installed = false;
// The pipe, made once and kept to the end of the process: closing it could
// let a handler that runs at that moment write into whatever file takes
// its number next, and a closed read end would raise SIGPIPE.
int s_pipe[2] = {-1, -1};
// The write end while an object listens, else -1. Read by the handler.
std::atomic<int> s_writeEnd{-1};
// Caught before any object listens (catchEarly): the first one made takes
// what the pipe holds.
std::atomic<bool> s_early{false};

extern "C" void onEndSignal(int signal)
{
    // Only what is safe in a handler: one write, errno kept. Without a
    // listener the signal changes nothing.
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
pthread_t s_guiThread;
GSource *s_lostSource = nullptr;
QtMessageHandler s_formerHandler = nullptr;

bool displayLost()
{
    if (!s_lostCall)
        return false;
    xcb_connection_t *c = x11::connection();
    return c && xcb_connection_has_error(c);
}

// Once: disarmed before it runs.
void runLostCall()
{
    void (*call)(void *) = s_lostCall;
    s_lostCall = nullptr;
    if (call)
        call(s_lostContext);
}

gboolean lostPrepare(GSource *, gint *timeout)
{
    *timeout = -1;
    return displayLost();
}

gboolean lostCheck(GSource *) { return displayLost(); }

gboolean lostDispatch(GSource *, GSourceFunc, gpointer)
{
    runLostCall();
    return G_SOURCE_CONTINUE; // disarmed; stays until the process ends
}

// The source above can find the connection whole and Qt's, in the same
// round of the loop, find it broken a moment later. Qt then says "The X11
// connection broke" right before it calls exit(1), and so does its Xlib
// I/O error handler: a message on the GUI thread while the connection is
// broken is the last moment at which the program's objects are all there.
void onQtMessage(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    if (pthread_equal(pthread_self(), s_guiThread) && displayLost())
        runLostCall();
    s_formerHandler(type, context, text);
}

GSourceFuncs s_lostFuncs = {lostPrepare, lostCheck, lostDispatch, nullptr, nullptr, nullptr};

bool makePipe()
{
    if (s_pipe[0] >= 0)
        return true;
    if (::pipe2(s_pipe, O_CLOEXEC | O_NONBLOCK) == 0)
        return true;
    s_pipe[0] = s_pipe[1] = -1;
    return false;
}

void installHandler()
{
    if (s_installed)
        return;
    s_installed = true;
    struct sigaction action = {};
    action.sa_handler = onEndSignal;
    sigemptyset(&action.sa_mask);
    // A system call the signal interrupts goes on (a file being written).
    action.sa_flags = SA_RESTART;
    for (int i = 0; i < 3; ++i) {
        // A signal ignored from the start (nohup) stays ignored.
        struct sigaction before = {};
        if (::sigaction(kSignals[i], nullptr, &before) == 0 && before.sa_handler != SIG_IGN)
            ::sigaction(kSignals[i], &action, nullptr);
    }
}

} // namespace

void SignalEndRequests::catchEarly()
{
    if (s_writeEnd.load() >= 0 || !makePipe())
        return;
    s_early = true;
    s_writeEnd = s_pipe[1];
    installHandler();
}

SignalEndRequests::SignalEndRequests(QObject *parent) : EndRequests(parent)
{
    // Caught early, what came meanwhile is this one's; otherwise another
    // object listens now.
    const bool early = s_early.exchange(false);
    if (!early && s_writeEnd.load() >= 0)
        return;
    if (!makePipe())
        return;
    if (!early) {
        // What a former listener left unread is not this one's to answer.
        unsigned char stale[64];
        while (::read(s_pipe[0], stale, sizeof stale) > 0) {
        }
    }
    m_owner = true;
    auto *notifier = new QSocketNotifier(s_pipe[0], QSocketNotifier::Read, this);
    connect(notifier, &QSocketNotifier::activated, this, &SignalEndRequests::readPipe);
    s_writeEnd = s_pipe[1];
    installHandler();
}

SignalEndRequests::~SignalEndRequests()
{
    // The handler stays: from here to the end of the process the signals
    // change nothing (what is left of leaving, such as the wait for a
    // recording's rewrite, is not cut short).
    if (m_owner)
        s_writeEnd = -1;
}

void SignalEndRequests::readPipe()
{
    unsigned char numbers[16];
    ssize_t n;
    while ((n = ::read(s_pipe[0], numbers, sizeof numbers)) > 0) {
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
    s_guiThread = pthread_self();
    s_formerHandler = qInstallMessageHandler(onQtMessage);
    // Ahead of Qt's own source (of default priority), which ends the process
    // in the same round of the loop in which the loss shows.
    s_lostSource = g_source_new(&s_lostFuncs, sizeof(GSource));
    g_source_set_priority(s_lostSource, G_PRIORITY_HIGH);
    g_source_set_can_recurse(s_lostSource, TRUE);
    g_source_attach(s_lostSource, g_main_context_default());
}
