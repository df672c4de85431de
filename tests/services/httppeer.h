#pragma once
// Debian's python3 serving a fixture folder on 127.0.0.1 (http_peer.py):
// static files, redirects, a stall, and a log of every request line.

#include <QDir>
#include <QFileInfo>
#include <QTcpServer>
#include <QFile>
#include <QProcess>
#include <QStringList>
#include <QTest>
#include <QNetworkReply>

#include "testsupport.h"

class HttpPeer
{
public:
    explicit HttpPeer(const QString &root) : m_root(root), m_log(root + QStringLiteral("/../requests.log"))
    {
        // Never through a proxy.
        qunsetenv("http_proxy");
        qunsetenv("HTTP_PROXY");
        qunsetenv("https_proxy");
        qputenv("no_proxy", "127.0.0.1,localhost");
        QFile::remove(m_log);
        m_process.start(QStringLiteral("/usr/bin/python3"),
                        {testsupport::sourceDir() + QStringLiteral("/tests/services/http_peer.py"), root, m_log});
        if (m_process.waitForReadyRead(15000))
            m_port = m_process.readLine().trimmed().toInt();
    }
    ~HttpPeer()
    {
        m_process.closeWriteChannel();
        if (!m_process.waitForFinished(5000))
            m_process.kill();
        m_process.waitForFinished(2000);
    }
    int port() const { return m_port; }
    QString base() const { return QStringLiteral("http://127.0.0.1:%1").arg(m_port); }
    // "GET <path> | <user agent>" per request, in arrival order.
    QStringList requests() const
    {
        QFile f(m_log);
        if (!f.open(QIODevice::ReadOnly))
            return {};
        return QString::fromUtf8(f.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }
    QStringList paths() const
    {
        QStringList out;
        for (const QString &line : requests())
            out << line.section(QLatin1Char(' '), 1, 1);
        return out;
    }
    // Each path once, in the order of its first arrival: Qt's HTTP layer
    // may send a request of a redirect chain a second time on a loaded
    // machine, on the same connection or on a new one beside the next hop.
    QStringList visited() const
    {
        QStringList out = paths();
        out.removeDuplicates();
        return out;
    }
    void clearLog() const { QFile::remove(m_log); }
    void put(const QString &name, const QByteArray &content) const
    {
        QDir(m_root).mkpath(QFileInfo(m_root + QLatin1Char('/') + name).path());
        QFile f(m_root + QLatin1Char('/') + name);
        if (f.open(QIODevice::WriteOnly | QIODevice::Truncate))
            f.write(content);
    }

private:
    QString m_root;
    QString m_log;
    QProcess m_process;
    int m_port = 0;
};

// A port that nobody listens on (bound, then released).
inline int closedPort()
{
    QTcpServer s;
    s.listen(QHostAddress::LocalHost);
    const int port = s.serverPort();
    s.close();
    return port;
}
