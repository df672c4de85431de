// The engine library as any program would use it: load the file, find the
// one entry symbol, ask it for operations by number.
#include <QLibrary>
#include <QtTest>

#include <mirelo/engine_api.h>

#include "testsupport.h"

extern "C" int mirelo_api_c_check(void);

class TestEngineEntry : public QObject
{
    Q_OBJECT
private slots:
    void headerIsValidC() { QCOMPARE(mirelo_api_c_check(), 88); }

    void entryResolvesFromTheProgramFolder()
    {
        QLibrary lib(testsupport::binDir() + QStringLiteral("/libMirelo.so"));
        QVERIFY2(lib.load(), qPrintable(lib.errorString()));
        auto entry = reinterpret_cast<MireloEngineEntryFn>(lib.resolve(MIRELO_ENGINE_ENTRY_SYMBOL));
        QVERIFY(entry);
        QVERIFY(entry(MIRELO_OP_INITIALIZE));
        QVERIFY(entry(MIRELO_OP_SHUTDOWN));
        QVERIFY(!entry(3));       // not an operation
        QVERIFY(!entry(-1));
        QVERIFY(!entry(MIRELO_OP_LAST + 1));
    }

    // The synthetic camera and its faults are in the test build only: the
    // shipped engine never lists a camera that is not there.
    void shippedEngineHasNoTestCamera()
    {
        QFile file(testsupport::binDir() + QStringLiteral("/libMirelo.so"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QVERIFY(!bytes.contains("MIRELO_TEST_CAMERA"));
        QVERIFY(!bytes.contains("Mirelo Test Camera"));
    }
};

QTEST_GUILESS_MAIN(TestEngineEntry)
#include "tst_engine_entry.moc"
