// The main window's part in the region: it makes the frame after the
// settings, opens the custom size panel for the frame's "Customize", takes
// typed sizes at the region's corner without letting the region leave the
// desktop, and deletes both at the end. The region's sizes show whole, up to
// the largest the panel takes, in both skins and at both scales.
#include <QtTest>

#include "areaselected.h"
#include "controller.h"
#include "core/edition.h"
#include "core/languages.h"
#include "core/myconfig.h"
#include "core/vocabulary.h"
#include "mainwindow/mirelo.h"
#include "mycustomareaselect.h"
#include "regionscreens.h"
#include "skinmanager.h"
#include "testsupport.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

class TestMireloRegion : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        createApplicationData();
        g_myConfig = new MyConfig;
        QVERIFY(SkinManager::instance()->init(0, skinNames(), "Win", "Olvex", "ml", "Mirelo",
                                              testsupport::binDir() + "/Skin")
                != SkinManager::StatusNoSkin);
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

    void typedSizesKeepTheRegionOnTheDesktop()
    {
        Mirelo mirelo(nullptr, QString());
        const QRect desktop = region::desktop();
        const QPoint corner = desktop.topLeft() + QPoint(desktop.width() / 4, desktop.height() / 4);
        g_areaSelected->setSelectedRectImmediately(QRect(corner, QSize(300, 200)));
        g_areaSelected->actShowCustomSelectArea();
        MyCustomAreaSelect *panel = mirelo.customAreaSelect();
        auto *width = panel->findChild<QSpinBox *>("spinBoxWidth");
        auto *height = panel->findChild<QSpinBox *>("spinBoxHeight");

        // Wider than the desktop: the whole width, from its left edge.
        width->setValue(5000);
        QCOMPARE(width->value(), desktop.width());
        QCOMPARE(g_areaSelected->selectedRect(), QRect(desktop.left(), corner.y(), desktop.width(), 200));
        // Past the right edge only: the region moves left just enough.
        g_areaSelected->setSelectedRectImmediately(QRect(corner, QSize(300, 200)));
        width->setValue(desktop.width() - 10);
        QCOMPARE(g_areaSelected->selectedRect(),
                 QRect(desktop.left() + 10, corner.y(), desktop.width() - 10, 200));
        // The same for the height, the width staying as it is.
        height->setValue(desktop.height() - 5);
        QCOMPARE(g_areaSelected->selectedRect(),
                 QRect(desktop.left() + 10, desktop.top() + 5, desktop.width() - 10, desktop.height() - 5));
        // Mirrored when committed with OK.
        mirelo.setCustomAreaSize(QSize(desktop.width() + 1, 50), true);
        QCOMPARE(g_areaSelected->selectedRect(), QRect(desktop.left(), desktop.top() + 5, desktop.width(), 50));

        // With the ratio locked a box may ask for more than the desktop: the
        // region is cut to it and the boxes show what the region became.
        g_areaSelected->setSelectedRectImmediately(QRect(corner, QSize(300, 200)));
        panel->findChild<QPushButton *>("btnLockScale")->click();
        QVERIFY(panel->isRatioLocked());
        height->setValue(desktop.height());
        const QRect locked = g_areaSelected->selectedRect();
        QVERIFY(desktop.contains(locked));
        QCOMPARE(locked.size(), QSize(qMin(desktop.width(), desktop.height() * 3 / 2), desktop.height()));
        QCOMPARE(QSize(width->value(), height->value()), locked.size());
    }

    void largestSizeShowsWhole_data()
    {
        QTest::addColumn<int>("skin");
        QTest::addColumn<double>("scale");
        for (int skin : {0, 1})
            for (double scale : {1.0, 1.5})
                QTest::addRow("%s %.1f", qPrintable(skinNames().at(skin)), scale) << skin << scale;
    }
    void largestSizeShowsWhole()
    {
        QFETCH(int, skin);
        QFETCH(double, scale);
        SkinManager *skins = SkinManager::instance();
        skins->ChangeSkin(skin);
        QCOMPARE(skins->currentSkinIndex(), skin);
        skins->setScale(scale);
        skins->setHalfSize(true);
        skins->loadStyleSheet();
        applyLanguageFont(skins->styleSheet(), QStringLiteral("en"));

        // The frame's size button, beside the frame's two tool buttons.
        AreaSelected frame(nullptr);
        g_areaSelected = &frame;
        frame.setSelectedRectImmediately(QRect(0, 0, 10000, 10000));
        frame.setFullScreenMode(false);
        frame.show();
        auto *size = frame.findChild<QPushButton *>("btnAreaSize");
        QCOMPARE(size->text(), QStringLiteral("10000 x 10000"));
        QVERIFY2(size->width() >= size->sizeHint().width(),
                 qPrintable(QString("%1 < %2").arg(size->width()).arg(size->sizeHint().width())));
        const QRect bar = size->parentWidget()->rect();
        QVERIFY(bar.contains(size->geometry()));
        const QWidget *tools = frame.findChild<QWidget *>("widgetControl");
        QVERIFY(size->geometry().right() < tools->geometry().left());

        // The panel's boxes, holding the region's size.
        MyCustomAreaSelect panel(nullptr);
        panel.show();
        for (const char *name : {"spinBoxWidth", "spinBoxHeight"}) {
            auto *box = panel.findChild<QSpinBox *>(name);
            QCOMPARE(box->value(), 10000);
            const QLineEdit *edit = box->findChild<QLineEdit *>();
            // A line edit keeps 2 px free on each side of its text.
            const int room = edit->width() - 4;
            const int text = edit->fontMetrics().horizontalAdvance(edit->text());
            QVERIFY2(room >= text, qPrintable(QString("%1: %2 px for %3 px of text").arg(name).arg(room).arg(text)));
        }
        for (const char *name : {"labelWidth", "labelHeight"}) {
            auto *label = panel.findChild<QLabel *>(name);
            QVERIFY2(label->width() >= label->sizeHint().width(), name);
        }
        QVERIFY(panel.rect().contains(panel.findChild<QPushButton *>("btnOK")->geometry().translated(
            panel.findChild<QPushButton *>("btnOK")->parentWidget()->mapTo(&panel, QPoint(0, 0)))));
        g_areaSelected = nullptr;
    }
};

QTEST_MAIN(TestMireloRegion)
#include "tst_mirelo_region.moc"
