// Guards the test harness itself: a test that could write the real user's
// settings or data would be worse than no test.
#include <QStandardPaths>
#include <QtTest>

#include "testsupport.h"

class TestTestEnv : public QObject
{
    Q_OBJECT
private slots:
    void homeAndXdgArePrivate()
    {
        QVERIFY(testsupport::isolatedHome());
        const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
        QVERIFY2(data.startsWith(qEnvironmentVariable("MIRELO_TEST_ROOT")), qPrintable(data));
    }
};

QTEST_GUILESS_MAIN(TestTestEnv)
#include "tst_testenv.moc"
