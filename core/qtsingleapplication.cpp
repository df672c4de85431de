#include "qtsingleapplication.h"

#include "privatefolder.h"

#include <QDataStream>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QThread>
#include <QWidget>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace {

// One message on the wire: a 32-bit length, then UTF-8 text. The receiver
// answers with one byte once it has the whole message.
constexpr char kAck = 'A';
constexpr quint32 kMaxMessage = 1 << 20;

} // namespace

QtSingleApplication::QtSingleApplication(const QString &appId, int &argc, char **argv)
    : QApplication(argc, argv), m_id(appId)
{
    const QString folder = channelFolder();
    if (folder.isEmpty()) {
        // Better a second instance than a start that another user can stop.
        qWarning("No private folder for the single-instance channel: running without it");
        return;
    }
    const QString base = QDir(folder).filePath(channelBaseName(appId));
    m_lockPath = base + QStringLiteral(".lock");
    m_serverName = base + QStringLiteral(".socket");

    m_lockFd = PrivateFolder::openOwnFile(m_lockPath);
    if (m_lockFd >= 0 && ::flock(m_lockFd, LOCK_EX | LOCK_NB) != 0) {
        // Someone else holds it: they are the running instance.
        m_running = (errno == EWOULDBLOCK);
        ::close(m_lockFd);
        m_lockFd = -1;
    }
    if (!m_running)
        startServer();
}

QtSingleApplication::~QtSingleApplication()
{
    if (m_server) {
        m_server->close();
        delete m_server;
        m_server = nullptr;
    }
    if (m_lockFd >= 0) {
        // The socket file goes first, so a start that takes the lock next
        // never sees ours.
        QLocalServer::removeServer(m_serverName);
        ::close(m_lockFd);
        m_lockFd = -1;
    }
}

bool QtSingleApplication::isRunning() const { return m_running; }

QString QtSingleApplication::id() const { return m_id; }

QString QtSingleApplication::channelFolder()
{
    return PrivateFolder::path();
}

QString QtSingleApplication::channelBaseName(const QString &appId)
{
    QString safe;
    for (const QChar c : appId) {
        const bool ok = (c.unicode() < 128 && c.isLetterOrNumber()) || c == '.' || c == '-' || c == '_';
        safe += ok ? c : QChar('_');
    }
    if (safe.isEmpty())
        safe = QStringLiteral("app");
    return QStringLiteral("%1-%2").arg(safe).arg(::getuid());
}

void QtSingleApplication::startServer()
{
    // Whatever a dead instance left there is ours to clear: we hold the lock.
    QLocalServer::removeServer(m_serverName);
    m_server = new QLocalServer;
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!m_server->listen(m_serverName)) {
        qWarning("Single instance channel %s: %s", qPrintable(m_serverName),
                 qPrintable(m_server->errorString()));
        return;
    }
    connect(m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket *client = m_server->nextPendingConnection()) {
            connect(client, &QLocalSocket::readyRead, this, [this, client] { readClient(client); });
            connect(client, &QLocalSocket::disconnected, client, &QObject::deleteLater);
            client->setProperty("buffer", QByteArray());
        }
    });
}

void QtSingleApplication::readClient(QLocalSocket *client)
{
    QByteArray buffer = client->property("buffer").toByteArray() + client->readAll();
    if (buffer.size() < 4) {
        client->setProperty("buffer", buffer);
        return;
    }
    quint32 length = 0;
    {
        QDataStream in(buffer.left(4));
        in >> length;
    }
    if (length > kMaxMessage) {
        client->abort();
        return;
    }
    if (buffer.size() < int(4 + length)) {
        client->setProperty("buffer", buffer);
        return;
    }
    const QString message = QString::fromUtf8(buffer.mid(4, int(length)));
    client->setProperty("buffer", QByteArray());
    client->write(&kAck, 1);
    client->flush();
    emit messageReceived(message);
    if (m_activateOnMessage)
        activateWindow();
}

bool QtSingleApplication::sendMessage(const QString &message, int timeoutMs)
{
    if (!m_running)
        return false;
    QByteArray packet;
    {
        const QByteArray text = message.toUtf8();
        QDataStream out(&packet, QIODevice::WriteOnly);
        out << quint32(text.size());
        packet.append(text);
    }
    QDeadlineTimer deadline(qMax(0, timeoutMs));
    // The running instance may still be starting its server: keep trying
    // until the time is up.
    for (;;) {
        QLocalSocket socket;
        // Only a socket of our own: a message is never handed to someone else.
        if (PrivateFolder::isOwnSocket(m_serverName))
            socket.connectToServer(m_serverName);
        if (socket.state() != QLocalSocket::UnconnectedState && socket.waitForConnected(int(qMax<qint64>(1, deadline.remainingTime())))) {
            socket.write(packet);
            if (socket.waitForBytesWritten(int(qMax<qint64>(1, deadline.remainingTime())))) {
                while (socket.bytesAvailable() < 1
                       && socket.waitForReadyRead(int(qMax<qint64>(1, deadline.remainingTime())))) {
                }
                if (socket.bytesAvailable() >= 1) {
                    char ack = 0;
                    socket.read(&ack, 1);
                    socket.disconnectFromServer();
                    return ack == kAck;
                }
            }
        }
        if (deadline.hasExpired())
            return false;
        QThread::msleep(100);
        if (deadline.hasExpired())
            return false;
    }
}

void QtSingleApplication::setActivationWindow(QWidget *window, bool activateOnMessage)
{
    m_window = window;
    m_activateOnMessage = activateOnMessage;
}

QWidget *QtSingleApplication::activationWindow() const { return m_window; }

void QtSingleApplication::activateWindow()
{
    if (!m_window)
        return;
    // A window hidden in the tray comes back too.
    if (!m_window->isVisible())
        m_window->show();
    m_window->setWindowState(m_window->windowState() & ~Qt::WindowMinimized);
    m_window->raise();
    m_window->activateWindow();
}
