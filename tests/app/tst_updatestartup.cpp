// The start-up update query with automatic checking on, against a service
// that never answers: one request goes out, and leaving the program stops
// the waiting query instead of sitting out its time limit. (The setting
// off is in tst_updateautocheckoff: each needs a fresh controller.)
#include <QtTest>

#include <QApplication>
#include <QElapsedTimer>

#include "controller.h"
#include "core/enviroment.h"
#include "silentserver.h"
#include "testsupport.h"

class TestUpdateStartup : public QObject
{
    Q_OBJECT
    SilentServer m_server;

private slots:
    void initTestCase()
    {
        QVERIFY(testsupport::isolatedHome());
        QVERIFY(m_server.isListening());
        m_server.configureAsUpdateService();
        // Far beyond the exit's bound, so a query ending by its own limit
        // cannot pass for a stopped one.
        UpdateQuery::setDefaultTimeout(30000);
        g_enviroment = new Enviroment;
        g_enviroment->others()->setAutoCheckUpdate(true);
    }

    void exitStopsTheWaitingStartupQuery()
    {
        Controller *c = Controller::instance();
        QSignalSpy finished(c, &Controller::updateQueryFinished);
        QVERIFY(c->isUpdateQueryRunning());
        QTRY_COMPARE_WITH_TIMEOUT(m_server.connections(), 1, 15000);
        QVERIFY(c->isUpdateWorkerRunning());

        // The program's own way out: the event loop ends, aboutToQuit.
        QElapsedTimer clock;
        clock.start();
        QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        QCoreApplication::exec();
        QVERIFY2(clock.elapsed() < 10000, qPrintable(QString::number(clock.elapsed())));
        QVERIFY(!c->isUpdateWorkerRunning());
        QVERIFY(!c->isUpdateQueryRunning());

        // The stopped query's result is dropped: nothing reported or shown.
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents();
        QCOMPARE(finished.count(), 0);
        QVERIFY(!c->updateView());
        QCOMPARE(m_server.connections(), 1);
    }
};

QTEST_MAIN(TestUpdateStartup)
#include "tst_updatestartup.moc"
