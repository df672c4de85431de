// Click marks: a press anywhere on the desktop reaches the engine at the
// pointer while the bar records with RecordMouseClicks, and nothing listens
// without it.
#include <QLibrary>
#include <QProcess>
#include <QtTest>

#include "clicklistener.h"
#include "controlpanel.h"
#include "enginebinding.h"
#include "enviroment.h"
#include "mirelo_test_engine.h"

namespace {

QString engineTrace()
{
    auto fn = reinterpret_cast<MireloTestEngineTraceFn>(
        QLibrary::resolve(QStringLiteral(MIRELO_TEST_ENGINE_PATH), "mireloTestEngineTrace"));
    return QString::fromUtf8(fn());
}

void clickAt(int x, int y)
{
    QCOMPARE(QProcess::execute(QStringLiteral("xdotool"), {QStringLiteral("mousemove"), QString::number(x),
                                                           QString::number(y), QStringLiteral("click"),
                                                           QStringLiteral("1")}),
             0);
}

} // namespace

class TestX11ControlPanelClicks : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir m_dir;

    ControlPanel *startBar(QObject *parent)
    {
        auto *job = new TaskScheduleItem(nullptr, parent);
        *job->recordSource() = RecordSource();
        job->recordSource()->screenEnabled = true;
        job->recordSource()->screenRect = QRect(0, 0, 800, 600);
        job->setStopType(TaskScheduleItem::StopByHand);
        auto *bar = new ControlPanel(nullptr, job);
        bar->startRecord();
        return bar;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(engineLoadFrom(QStringLiteral(MIRELO_TEST_ENGINE_PATH)));
        engineInitialize(m_dir.path().toUtf8().constData(), nullptr, nullptr);
        g_enviroment = new Enviroment;
        g_enviroment->output()->setOutputFolder(m_dir.path());
    }

    // A failed check leaves its bar recording: ended before the next
    // function, so that one failure stays one.
    void cleanup()
    {
        QList<QPointer<ControlPanel>> bars;
        for (QWidget *w : QApplication::topLevelWidgets()) {
            if (auto *bar = qobject_cast<ControlPanel *>(w))
                bars << bar;
        }
        for (const QPointer<ControlPanel> &bar : bars) {
            if (bar)
                bar->stopRecord();
            delete bar.data();
        }
    }

    void cleanupTestCase()
    {
        delete g_enviroment;
        g_enviroment = nullptr;
        engineShutdown();
    }

    void pressReachesTheEngine()
    {
        QObject jobs;
        g_enviroment->mouse()->setRecordMouseClicks(true);
        ControlPanel *bar = startBar(&jobs);
        QVERIFY(bar->clickListener()->isListening());
        clickAt(321, 234);
        QTRY_VERIFY(engineTrace().contains(QLatin1String("addMouseClick x=321 y=234 -> 0")));
        // Another button is no click mark.
        QCOMPARE(QProcess::execute(QStringLiteral("xdotool"), {QStringLiteral("click"), QStringLiteral("3")}), 0);
        clickAt(50, 60);
        QTRY_VERIFY(engineTrace().contains(QLatin1String("addMouseClick x=50 y=60 -> 0")));
        QCOMPARE(engineTrace().count(QLatin1String("addMouseClick")), 2);
        bar->stopRecord();
        delete bar;
    }

    void nothingListensWithoutTheSetting()
    {
        QObject jobs;
        g_enviroment->mouse()->setRecordMouseClicks(false);
        ControlPanel *bar = startBar(&jobs);
        QVERIFY(!bar->clickListener());
        const int before = engineTrace().count(QLatin1String("addMouseClick"));
        // A listener of the test's own hears the press: the program has
        // had it by then too.
        QObject owner;
        ClickListener *heard = ClickListener::create(&owner);
        QVERIFY(heard->isListening());
        QSignalSpy presses(heard, &ClickListener::leftButtonPressed);
        clickAt(10, 10);
        QTRY_COMPARE(presses.size(), 1);
        QCoreApplication::processEvents();
        QCOMPARE(engineTrace().count(QLatin1String("addMouseClick")), before);
        bar->stopRecord();
        delete bar;
    }
};

QTEST_MAIN(TestX11ControlPanelClicks)
#include "tst_x11_controlpanelclicks.moc"
