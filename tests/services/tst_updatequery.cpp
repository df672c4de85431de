// The update-state query against a loopback server: the address on the
// wire, the reply table, transport failures and the byte-string helpers.
#include <QTemporaryDir>
#include <QtTest>

#include "httppeer.h"
#include "updatequery.h"

namespace {
QByteArray reply(const QByteArray &code, const QByteArray &version, const QByteArray &notes = "<b>New</b> things")
{
    QByteArray xml = "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<upd:Update xmlns:upd=\"urn:u\">\n";
    if (!code.isEmpty())
        xml += "  <upd:ProductCode>" + code + "</upd:ProductCode>\n";
    xml += "  <upd:ProductDisplayName>Free Mirelo</upd:ProductDisplayName>\n"
           "  <upd:ProductVer>" + version + "</upd:ProductVer>\n"
           "  <upd:DownloadURL>http://dl.example.invalid/get</upd:DownloadURL>\n"
           "  <upd:OnlineDownURL>http://dl.example.invalid/online</upd:OnlineDownURL>\n"
           "  <upd:WhatsNew><upd:Description>";
    // Line breaks inside the Base64 text are ignored.
    const QByteArray b64 = notes.toBase64();
    xml += b64.left(8) + "\n" + b64.mid(8);
    return xml + "</upd:Description></upd:WhatsNew>\n</upd:Update>\n";
}
} // namespace

class TestUpdateQuery : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;
    HttpPeer *m_peer = nullptr;

    int runAgainst(UpdateQuery &q, const QByteArray &body)
    {
        m_peer->put(QStringLiteral("update-product-info/update.php"), body);
        q.setServiceAddress(m_peer->base());
        return q.run("Olvex Free Mirelo", "1.0.0.1", "en");
    }

private slots:
    void initTestCase()
    {
        QDir(m_dir.path()).mkpath(QStringLiteral("www"));
        m_peer = new HttpPeer(m_dir.path() + QStringLiteral("/www"));
        QVERIFY(m_peer->port() > 0);
    }
    void cleanupTestCase() { delete m_peer; }

    void helpers()
    {
        QCOMPARE(compareDottedVersion("2.0", "1.9.9"), 1);
        QCOMPARE(compareDottedVersion("1.10", "1.9"), 1);
        QCOMPARE(compareDottedVersion("1.2", "1.2"), 0);
        QCOMPARE(compareDottedVersion("1.2", "1.2.1"), -1);
        QCOMPARE(compareDottedVersion("1.2", "1.2.0"), -1);
        QCOMPARE(compareDottedVersion("1.02", "1.2"), 1);
        QCOMPARE(compareDottedVersion(" 3x.1", "2.9"), 1);
        QCOMPARE(splitString("1..2.", '.', false), (QList<QByteArray>{"1", "", "2"}));
        QCOMPARE(splitString(".1..2", '.', true), (QList<QByteArray>{"1", "2"}));
        QCOMPARE(replaceAll("aXbXX", "X", "XX"), QByteArray("aXXbXXXX"));
        QCOMPARE(replaceAll("abc", "", "z"), QByteArray("abc"));
        QCOMPARE(ansiToUtf8("Grüße"), QByteArray("Grüße"));
        UpdateQuery q;
        q.setServiceAddress(QStringLiteral("http://h:81/"));
        QCOMPARE(q.queryAddress("A b/ü", "1.0", "zh_TW"),
                 QByteArray("http://h:81/update-product-info/update.php?action=getinfo&product=A%20b%2F%C3%BC"
                            "&versioncur=1.0&lang=zh_TW"));
    }

    void repliesGiveTheirStates()
    {
        UpdateQuery q;
        m_peer->clearLog();
        QCOMPARE(runAgainst(q, reply("MIR", "1.0.0.1")), int(UpdateQuery::LatestVersion));
        QCOMPARE(m_peer->paths(),
                 QStringList{"/update-product-info/update.php?action=getinfo&product=Olvex%20Free%20Mirelo"
                             "&versioncur=1.0.0.1&lang=en"});
        QVERIFY(q.downloadPage().isEmpty());

        QCOMPARE(runAgainst(q, reply("MIR", "1.2.0.0")), int(UpdateQuery::NewerVersion));
        QCOMPARE(q.newestVersion(), QByteArray("1.2.0.0"));
        QCOMPARE(q.releaseNotes(), QByteArray("<b>New</b> things"));
        QCOMPARE(q.downloadPage(), QByteArray("http://dl.example.invalid/get?product=MIR"));
        QCOMPARE(q.onlineDownload(), QByteArray("http://dl.example.invalid/online"));

        // Long notes are kept whole.
        const QByteArray longNotes(9000, 'n');
        QCOMPARE(runAgainst(q, reply("MIR", "2.0", longNotes)), int(UpdateQuery::NewerVersion));
        QCOMPARE(q.releaseNotes(), longNotes);

        QCOMPARE(runAgainst(q, reply("", "1.2.0.0")), int(UpdateQuery::NoProduct));
        QCOMPARE(UpdateQuery::stateMessage(q.state()), QString("Update: failed to find product record."));
        QVERIFY(q.downloadPage().isEmpty());

        QCOMPARE(runAgainst(q, "this is not xml"), int(UpdateQuery::XmlError));
        QCOMPARE(UpdateQuery::stateMessage(q.state()), QString("Update:xml data error. (-14)"));
        // An empty body after a good run is an error, not the old result.
        QCOMPARE(runAgainst(q, reply("MIR", "9.0")), int(UpdateQuery::NewerVersion));
        QCOMPARE(runAgainst(q, ""), int(UpdateQuery::XmlError));
        QVERIFY(q.newestVersion().isEmpty());
    }

    void transportFailures()
    {
        UpdateQuery q;
        // An error page is read like any body: a 404 page is no XML.
        q.setServiceAddress(m_peer->base() + QStringLiteral("/missing"));
        QCOMPARE(q.run("p", "1", "en"), int(UpdateQuery::XmlError));

        q.setServiceAddress(m_peer->base() + QStringLiteral("/stall?x="));
        q.setTimeout(300);
        QCOMPARE(q.run("p", "1", "en"), int(UpdateQuery::TimedOut));
        QCOMPARE(UpdateQuery::stateMessage(28), QString("Time out in requesting background data. (28)"));

        q.setServiceAddress(QStringLiteral("http://127.0.0.1:%1").arg(closedPort()));
        QCOMPARE(q.run("p", "1", "en"), int(QNetworkReply::ConnectionRefusedError));
        QCOMPARE(UpdateQuery::stateMessage(q.state()),
                 QString("Program can't connect to the Internet. Please check your Interent connection. (1)"));

        // Nothing configured: fails at once, nothing sent.
        m_peer->clearLog();
        q.setServiceAddress(QString());
        QVERIFY(q.run("p", "1", "en") > 0);
        QVERIFY(m_peer->requests().isEmpty());
        QVERIFY(UpdateQuery::configuredService().isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestUpdateQuery)
#include "tst_updatequery.moc"
