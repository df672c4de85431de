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
// the handler only writes the signal's number. One at a time per process.
// From the first one's making to the end of the process the signals no
// longer end the program by themselves, so a further one while a recording
// stops, or while the program leaves after its event loop, cannot cut it
// short; after the object's end they change nothing. One ignored from the
// start (nohup) stays ignored.
class SignalEndRequests : public EndRequests
{
    Q_OBJECT
public:
    explicit SignalEndRequests(QObject *parent = nullptr);
    ~SignalEndRequests() override;

    // Catches the signals from the first instant of the process, before
    // there is an event loop to carry them: what comes meanwhile waits for
    // the first object made, which hears it as soon as it is asked to
    // (deliverPending) or its event loop runs.
    static void catchEarly();
    // Hears at once what waits, without the event loop (a start that has
    // none yet looks between its steps).
    void deliverPending()
    {
        if (m_owner)
            readPipe();
    }

private:
    void readPipe();

    bool m_owner = false; // this one made the pipe
};

// The X connection of the program broke (its server went away): `call`
// runs once on the GUI thread before Qt's xcb layer ends the process with
// exit(1), which leaves no later moment in which the program's objects are
// all still there: in the event loop ahead of Qt's own event source, or,
// when Qt sees the loss first, as Qt reports it just before its exit.
// Null disarms it. The first needs Qt's GLib event loop (the default).
void setDisplayLostCall(void (*call)(void *context), void *context);
