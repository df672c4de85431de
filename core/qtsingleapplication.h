#pragma once
// A QApplication that knows whether another instance of the same program is
// already running for this user, and lets a second start hand a message to
// the first one.
//
// The first instance holds an flock()ed lock file in a folder only the user
// can write (PrivateFolder) and listens on a local socket next to it; a lock
// or socket there that is not the user's own is never trusted. The kernel
// drops the lock when a process dies, however it dies, so a crashed instance
// never blocks the next start; its left-over socket file is removed before
// listening.

#include <QApplication>
#include <QPointer>

class QLocalServer;
class QLocalSocket;

class QtSingleApplication : public QApplication
{
    Q_OBJECT
public:
    // appId names the channel; instances with the same id (and user) are one
    // program. argc must stay valid as long as the application.
    QtSingleApplication(const QString &appId, int &argc, char **argv);
    ~QtSingleApplication() override;

    // True when another instance held the channel at construction.
    bool isRunning() const;
    QString id() const;

    // Sends a message to the running instance and waits up to timeoutMs for
    // it to confirm. False when nobody answered in time (or we are the one
    // running).
    bool sendMessage(const QString &message, int timeoutMs = 5000);

    // The window raised, shown and activated when a message arrives.
    void setActivationWindow(QWidget *window, bool activateOnMessage = true);
    QWidget *activationWindow() const;

    // The folder that holds the lock file and the socket; empty when there
    // is no private one (then every start runs on its own).
    static QString channelFolder();
    // File-system-safe base name for an id: "<id>-<uid>".
    static QString channelBaseName(const QString &appId);

public slots:
    // Shows (also out of the tray), un-minimises, raises and activates the
    // activation window.
    void activateWindow();

signals:
    void messageReceived(const QString &message);

private:
    void startServer();
    void readClient(QLocalSocket *client);

    QString m_id;
    QString m_lockPath;
    QString m_serverName;
    int m_lockFd = -1;
    bool m_running = false;
    QLocalServer *m_server = nullptr;
    QPointer<QWidget> m_window;
    bool m_activateOnMessage = false;
};
