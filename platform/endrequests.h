#pragma once
// How the session ends the program from outside: a logout, a shutdown or a
// closed terminal sends SIGTERM, SIGHUP or SIGINT, and a lost X server makes
// Qt end the process with exit(). The program answers the first like its
// own Exit and gets one last call on the second, so a recording is finished
// either way.
#include <QObject>

// Where end requests come from. This base never asks (tests emit
// endRequested() themselves).
class EndRequests : public QObject
{
    Q_OBJECT
public:
    explicit EndRequests(QObject *parent = nullptr) : QObject(parent) {}

signals:
    // In the event loop, once per signal received.
    void endRequested(int signal);
};

// SIGTERM, SIGINT and SIGHUP carried into the event loop through a pipe:
// the handler only writes the signal's number. One at a time per process;
// while it lives the signals no longer end the program by themselves, so a
// second one while a recording stops cannot cut it short. One ignored from
// the start (nohup) stays ignored. Its end gives them their former meaning
// back.
class SignalEndRequests : public EndRequests
{
    Q_OBJECT
public:
    explicit SignalEndRequests(QObject *parent = nullptr);
    ~SignalEndRequests() override;

private:
    void readPipe();

    bool m_owner = false; // this one made the pipe
};

// The X connection of the program broke (its server went away): `call`
// runs once in the event loop, before Qt's xcb layer sees it, which then
// ends the process with exit(1) and so leaves no other moment in which the
// program's objects are all still there. Null disarms it. It needs Qt's
// GLib event loop (the default; without it nothing is called).
void setDisplayLostCall(void (*call)(void *context), void *context);
