// The statistics visit against loopback servers: the address on the wire,
// redirects, the wait after the load, the time-out and an early end.
#include <QtTest>

#include <QTcpServer>
#include <QTcpSocket>

#include "httppeer.h"
#include "qmyweb.h"

class TestQMyWeb : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;
    std::unique_ptr<HttpPeer> m_peer;

private slots:
    void initTestCase()
    {
        QDir(m_dir.path()).mkpath("www");
        m_peer.reset(new HttpPeer(m_dir.path() + "/www"));
        QVERIFY(m_peer->port() > 0);
        m_peer->put("stat.html", "<html>counted</html>");
    }

    void visitKeepsTheQueryAndWaitsAfterTheLoad()
    {
        m_peer->clearLog();
        QMyWeb web(m_peer->base() + "/stat.html?ver=1.0.0.1&lang=en", 0);
        QStringList reasons;
        QElapsedTimer sinceLoad;
        connect(&web, &QMyWeb::sglFreeWebView, this, [&](const QString &r) { reasons << r; });
        // Timed from before the start, so that a late look on a busy
        // machine cannot shorten the wait measured (a coarse timer may end
        // 5 % early).
        sinceLoad.start();
        web.start();
        // Queued: nothing is sent before the event loop runs.
        QVERIFY(m_peer->requests().isEmpty());
        QTRY_VERIFY_WITH_TIMEOUT(!reasons.isEmpty(), 30000);
        QCOMPARE(reasons, QStringList{"AccessTime"});
        QVERIFY(sinceLoad.elapsed() >= 1900);
        QCOMPARE(m_peer->visited(), QStringList{"/stat.html?ver=1.0.0.1&lang=en&open="});
        for (int r : {0, 1, 4, 5, 9, 1 << 30})
            QVERIFY(QMyWeb::accessDelay(r) >= 2000 && QMyWeb::accessDelay(r) <= 6000);
    }

    void countVisitFollowsRedirects()
    {
        m_peer->clearLog();
        QCOMPARE(runStatisticsVisit(m_peer->base() + "/redirect/2/s?to=stat.html", 2), QString("AccessTime"));
        QCOMPARE(m_peer->visited(), (QStringList{"/redirect/2/s?to=stat.html&install=", "/redirect/1/s?to=stat.html",
                                                 "/stat.html"}));
        // A failed load still ends with the wait.
        QCOMPARE(runStatisticsVisit(QString("http://127.0.0.1:%1/s").arg(closedPort()), 3), QString("AccessTime"));
    }

    void silentPageTimesOutAndEndingClosesTheConnection()
    {
        QTcpServer server; // accepts, never answers
        QVERIFY(server.listen(QHostAddress::LocalHost));
        QMyWeb::setDefaultTimeout(300);
        QCOMPARE(runStatisticsVisit(QString("http://127.0.0.1:%1/").arg(server.serverPort()), 0),
                 QString("ConnectTimeOut"));

        QMyWeb::setDefaultTimeout(30000);
        QTcpServer fresh;
        QVERIFY(fresh.listen(QHostAddress::LocalHost));
        auto *web = new QMyWeb(QString("http://127.0.0.1:%1/").arg(fresh.serverPort()), 1);
        int ends = 0;
        connect(web, &QMyWeb::sglFreeWebView, this, [&] { ++ends; });
        web->start();
        QTcpSocket *peer = nullptr;
        QTRY_VERIFY((peer = peer ? peer : fresh.nextPendingConnection()) && peer->bytesAvailable() > 0);
        QVERIFY(peer->readAll().startsWith("GET /?first= "));
        delete web;
        QTRY_COMPARE(peer->state(), QAbstractSocket::UnconnectedState);
        QCOMPARE(ends, 0);
    }
};

QTEST_GUILESS_MAIN(TestQMyWeb)
#include "tst_qmyweb.moc"
