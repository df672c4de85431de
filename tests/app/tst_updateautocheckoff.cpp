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
        // Time for a stray request to arrive, were one sent.
        QTest::qWait(500);
        QCOMPARE(m_server.connections(), 0);
    }
};

QTEST_MAIN(TestUpdateAutoCheckOff)
#include "tst_updateautocheckoff.moc"
