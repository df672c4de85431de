// The start-up path with automatic update checking off sends nothing to
// the update service (the setting on sends one request: tst_updatestartup).
#include <QtTest>

#include "controller.h"
#include "core/enviroment.h"
#include "silentserver.h"
#include "testsupport.h"

class TestUpdateAutoCheckOff : public QObject
{
    Q_OBJECT
    SilentServer m_server;

private slots:
    void startupSendsNoRequest()
    {
        QVERIFY(testsupport::isolatedHome());
        QVERIFY(m_server.isListening());
        m_server.configureAsUpdateService();
        g_enviroment = new Enviroment;
        g_enviroment->others()->setAutoCheckUpdate(false);

        Controller *c = Controller::instance();
        QVERIFY(!c->isUpdateQueryRunning());
        QVERIFY(!c->isUpdateWorkerRunning());
        // A connection of the test's own: the server takes connections in
        // the order they came, so once it has this one it has any that a
        // stray request made before.
        QCoreApplication::processEvents();
        QTcpSocket own;
        own.connectToHost(QHostAddress::LocalHost, m_server.serverPort());
        QVERIFY(own.waitForConnected(10000));
        const auto taken = [&] {
            for (QTcpSocket *socket : m_server.findChildren<QTcpSocket *>())
                if (socket->peerPort() == own.localPort())
                    return true;
            return false;
        };
        QTRY_VERIFY_WITH_TIMEOUT(taken(), 10000);
        QCOMPARE(m_server.connections(), 1);
        QVERIFY(!c->isUpdateQueryRunning());
    }
};

QTEST_MAIN(TestUpdateAutoCheckOff)
#include "tst_updateautocheckoff.moc"
