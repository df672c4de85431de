// The main window's part in the region: it makes the frame after the
// settings, opens the custom size panel for the frame's "Customize", takes
// typed sizes at the region's corner and deletes both at the end.
#include <QtTest>

#include "areaselected.h"
#include "controller.h"
#include "core/edition.h"
#include "core/myconfig.h"
#include "mainwindow/mirelo.h"
#include "mycustomareaselect.h"

#include <QSpinBox>

class TestMireloRegion : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        createApplicationData();
        g_myConfig = new MyConfig;
    }
    void cleanupTestCase()
    {
        delete g_myConfig;
        g_myConfig = nullptr;
        releaseApplicationData();
    }

    void customizeOpensThePanelBesideTheRegion()
    {
        {
            Mirelo mirelo(nullptr, QString());
            QVERIFY(g_areaSelected);
            QCOMPARE(g_areaSelected->parentWidget(), &mirelo);
            QCOMPARE(Controller::instance()->mainWindow(), &mirelo);
            const QRect region(40, 30, 300, 200);
            g_areaSelected->setSelectedRectImmediately(region);
            g_areaSelected->setFullScreenMode(true);

            g_areaSelected->actShowCustomSelectArea();
            MyCustomAreaSelect *panel = mirelo.customAreaSelect();
            QVERIFY(panel && panel->isVisible());
            QVERIFY(g_areaSelected->isVisible());
            QVERIFY(!g_areaSelected->isFullScreen());
            QCOMPARE(panel->y(), region.bottom() + 3);
            QVERIFY(Controller::instance()->customAreaRequested());

            // Typed live: the corner stays, the one-shot flag is used up.
            panel->findChild<QSpinBox *>("spinBoxWidth")->setValue(250);
            QCOMPARE(g_areaSelected->selectedRect(), QRect(40, 30, 250, 200));
            QVERIFY(!Controller::instance()->customAreaRequested());
            mirelo.setCustomAreaSize(QSize(320, 240), true);
            QCOMPARE(g_areaSelected->selectedRect(), QRect(40, 30, 320, 240));
        }
        QCOMPARE(g_areaSelected, nullptr);
        QCOMPARE(Controller::instance()->mainWindow(), nullptr);
    }
};

QTEST_MAIN(TestMireloRegion)
#include "tst_mirelo_region.moc"
