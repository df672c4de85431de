// The command-line rules of start-up.
#include <QTcpServer>
#include <QTcpSocket>
#include <QtTest>

#include <memory>

#include "startup.h"

namespace {
// argv of a command line; the first word is the program.
struct Args {
    explicit Args(const QStringList &words)
    {
        for (const QString &w : words)
            data.append(w.toUtf8());
        for (QByteArray &d : data)
            ptrs.append(d.data());
        ptrs.append(nullptr);
    }
    int argc() const { return data.size(); }
    char **argv() { return ptrs.data(); }
    QList<QByteArray> data;
    QVector<char *> ptrs;
};
} // namespace

class TestStartup : public QObject
{
    Q_OBJECT
private slots:
    void taskArgument_data()
    {
        QTest::addColumn<QStringList>("words");
        QTest::addColumn<QString>("task");
        QTest::newRow("none") << QStringList{"mirelo"} << QString();
        QTest::newRow("one pair") << QStringList{"mirelo", "-Task", "job-1"} << "job-1";
        QTest::newRow("last pair wins") << QStringList{"mirelo", "-Task", "a", "-Task", "b"} << "b";
        QTest::newRow("trailing switch") << QStringList{"mirelo", "-Task"} << QString();
        QTest::newRow("trailing after pair") << QStringList{"mirelo", "-Task", "a", "-Task"} << "a";
        QTest::newRow("lower case is not the switch") << QStringList{"mirelo", "-task", "a"} << QString();
        QTest::newRow("program name is skipped") << QStringList{"-Task", "x"} << QString();
        // The value is taken as it is, even when it looks like the switch.
        QTest::newRow("value is skipped") << QStringList{"mirelo", "-Task", "-Task", "z"} << "-Task";
        QTest::newRow("utf-8 value") << QStringList{"mirelo", "-Task", "Zeitplan \u00e4"} << QString("Zeitplan \u00e4");
    }
    void taskArgument()
    {
        QFETCH(QStringList, words);
        QFETCH(QString, task);
        Args args(words);
        QCOMPARE(::taskArgument(args.argc(), args.argv()), task);
    }

    void countModeEvent_data()
    {
        QTest::addColumn<QStringList>("words");
        QTest::addColumn<int>("event");
        QTest::newRow("install") << QStringList{"mirelo", "--count--url--", "install"} << 2;
        QTest::newRow("uninstall") << QStringList{"mirelo", "--count--url--", "uninstall"} << 3;
        QTest::newRow("switch in capitals") << QStringList{"mirelo", "--COUNT--URL--", "install"} << 2;
        QTest::newRow("mode word capitalised") << QStringList{"mirelo", "--count--url--", "Install"} << -1;
        QTest::newRow("unknown mode") << QStringList{"mirelo", "--count--url--", "update"} << -1;
        QTest::newRow("missing mode") << QStringList{"mirelo", "--count--url--"} << -1;
        QTest::newRow("extra word") << QStringList{"mirelo", "--count--url--", "install", "x"} << -1;
        QTest::newRow("other switch") << QStringList{"mirelo", "-Task", "install"} << -1;
    }
    void countModeEvent()
    {
        QFETCH(QStringList, words);
        QFETCH(int, event);
        Args args(words);
        QCOMPARE(::countModeEvent(args.argc(), args.argv()), event);
    }

    void statisticsAddressKeepsTheQuery()
    {
        QCOMPARE(statisticsAddress("http://127.0.0.1:8080/s?a=1", 0), QString("http://127.0.0.1:8080/s?a=1&open="));
        QCOMPARE(statisticsAddress("stats.example.org/p", 2), QString("http://stats.example.org/p?install="));
        QCOMPARE(statisticsAddress("http://h/p", 3), QString("http://h/p?uninstall="));
        QCOMPARE(statisticsAddress("http://h/p", 9), QString("http://h/p"));
    }

    void statisticsVisitFollowsRedirects()
    {
        // A page on this machine that sends the visit on once.
        QTcpServer server;
        QVERIFY(server.listen(QHostAddress::LocalHost));
        QStringList requests;
        connect(&server, &QTcpServer::newConnection, &server, [&] {
            QTcpSocket *socket = server.nextPendingConnection();
            // A request may come in several pieces: answer each whole head once.
            auto pending = std::make_shared<QByteArray>();
            connect(socket, &QTcpSocket::readyRead, socket, [&, socket, pending] {
                *pending += socket->readAll();
                const int end = pending->indexOf("\r\n\r\n");
                if (end < 0)
                    return;
                const QByteArray head = pending->left(end);
                pending->remove(0, end + 4);
                const QString line = QString::fromLatin1(head.left(head.indexOf('\r')));
                requests << line;
                if (line.startsWith("GET /s?install= ")) {
                    socket->write("HTTP/1.1 302 Found\r\nLocation: /final\r\nContent-Length: 0\r\n\r\n");
                } else {
                    socket->write("HTTP/1.1 200 OK\r\nContent-Length: 2\r\nConnection: close\r\n\r\nok");
                    socket->disconnectFromHost();
                }
            });
        });
        const QString link = QStringLiteral("http://127.0.0.1:%1/s").arg(server.serverPort());
        QVERIFY(visitStatisticsPage(statisticsAddress(link, 2), 10000));
        // Under load Qt's client may send the first request twice on its
        // connection when the answer overtakes its own write; the visit still
        // starts at the page and ends, once, at the redirect's target.
        const QString seen = requests.join(QStringLiteral(" | "));
        QVERIFY2(requests.size() >= 2 && requests.first().startsWith("GET /s?install= "), qPrintable(seen));
        QVERIFY2(requests.last().startsWith("GET /final "), qPrintable(seen));
        QVERIFY2(requests.filter(QStringLiteral("GET /final ")).size() == 1, qPrintable(seen));
    }

    void statisticsVisitGivesUpOnASilentPage()
    {
        QTcpServer server; // accepts, never answers
        QVERIFY(server.listen(QHostAddress::LocalHost));
        QElapsedTimer timer;
        timer.start();
        QVERIFY(!visitStatisticsPage(QStringLiteral("http://127.0.0.1:%1/").arg(server.serverPort()), 500));
        QVERIFY(timer.elapsed() < 5000);
    }
};

QTEST_GUILESS_MAIN(TestStartup)
#include "tst_startup.moc"
