#pragma once
// A loopback service that takes every connection and never answers (a
// service that is slow or gone), counting the connections it took; and the
// settings entry that points the update query at it.
#include <QSettings>
#include <QTcpServer>
#include <QTcpSocket>

class SilentServer : public QTcpServer
{
public:
    SilentServer()
    {
        // Never through a proxy.
        qunsetenv("http_proxy");
        qunsetenv("HTTP_PROXY");
        qputenv("no_proxy", "127.0.0.1,localhost");
        listen(QHostAddress::LocalHost);
        // The sockets stay open as the server's children: the peer waits.
        connect(this, &QTcpServer::newConnection, this, [this] {
            while (nextPendingConnection())
                ++m_connections;
        });
    }
    int connections() const { return m_connections; }
    QString base() const { return QStringLiteral("http://127.0.0.1:%1").arg(serverPort()); }
    // The user's store names this server as the update service.
    void configureAsUpdateService() const
    {
        QSettings settings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Olvex"),
                           QStringLiteral("Free Mirelo"));
        settings.setValue(QStringLiteral("Services/UpdateService"), base());
        settings.sync();
    }

private:
    int m_connections = 0;
};
