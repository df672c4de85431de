// The main window's construction steps as Runstate.log records them.
#include <QtTest>

#include "mirelo_test_engine.h"
#include "programrun.h"

using namespace testsupport;

class TestRunState : public QObject
{
    Q_OBJECT
private slots:
    void regionFrameIsMadeAfterTheSettings()
    {
        ProgramUser user;
        QProcess p;
        QVERIFY(startProgram(p, user, {}, MIRELO_TEST_ENGINE_PATH));
        QByteArray text;
        auto read = [&] {
            QFile log(user.dataFolder() + "Log/Runstate.log");
            text = log.open(QIODevice::ReadOnly) ? log.readAll() : QByteArray();
            return text.contains("AreaSelected init");
        };
        QTRY_VERIFY_WITH_TIMEOUT(read(), 60000);
        stopProgram(p);
        const int settings = text.indexOf("Enviroment init");
        const int frame = text.indexOf("AreaSelected init");
        QVERIFY2(settings >= 0 && frame > settings, text.constData());
    }
};

QTEST_GUILESS_MAIN(TestRunState)
#include "tst_x11_runstate.moc"
