// The program builds the webcam and sound sources after the region frame.
#include <QFile>
#include <QtTest>

#include "programrun.h"

using namespace testsupport;

class TestSourcesStartup : public QObject
{
    Q_OBJECT
private slots:
    void runStateLogOrder()
    {
        ProgramUser user;
        QProcess p;
        QVERIFY(startProgram(p, user, {}, QStringLiteral(MIRELO_TEST_ENGINE_PATH)));
        QVERIFY(!waitForWindow(p.processId(), QStringLiteral("Olvex Free Mirelo"), isMainFrameSize, 30000).isEmpty());
        stopProgram(p);
        QFile log(user.dataFolder() + QStringLiteral("Log/Runstate.log"));
        QVERIFY(log.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(log.readAll());
        const int area = text.indexOf(QLatin1String("AreaSelected init"));
        const int camera = text.indexOf(QLatin1String("Camera init"));
        const int audio = text.indexOf(QLatin1String("AudioDevice init"));
        QVERIFY2(area >= 0 && camera > area && audio > camera, qPrintable(text));
    }
};

QTEST_MAIN(TestSourcesStartup)
#include "tst_x11_sourcesstartup.moc"
