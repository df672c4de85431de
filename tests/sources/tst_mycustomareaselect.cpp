// The custom size panel: live sizing against the region frame, the ratio
// lock, its place beside the region, OK and Close, and its style sheet.
#include <QtTest>

#include "areaselected.h"
#include "core/logfile.h"
#include "core/vocabulary.h"
#include "mycustomareaselect.h"
#include "regiongeometry.h"
#include "regionowner.h"
#include "regionscreens.h"
#include "skinmanager.h"
#include "testsupport.h"

#include <QPushButton>
#include <QSpinBox>

namespace {

// Does what the main window does with a typed size, and records the calls.
class Owner : public QWidget, public RegionOwner
{
public:
    void setFrameVisible(bool visible) override { frameVisible << visible; }
    void setCustomAreaSize(const QSize &size, bool commit) override
    {
        sizes << size;
        commits << commit;
        g_areaSelected->setSelectedRectImmediately(QRect(g_areaSelected->selectedRect().topLeft(), size));
    }
    QList<QSize> sizes;
    QList<bool> commits;
    QList<bool> frameVisible;
};

} // namespace

class TestMyCustomAreaSelect : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        SkinManager::instance()->init(0, skinNames(), "Win", "Olvex", "ml", "Mirelo", testsupport::binDir() + "/Skin");
    }
    void init()
    {
        owner = new Owner;
        g_areaSelected = new AreaSelected(owner);
        g_areaSelected->setSelectedRectImmediately(QRect(50, 40, 200, 150));
        panel = new MyCustomAreaSelect(owner);
        width = panel->findChild<QSpinBox *>("spinBoxWidth");
        height = panel->findChild<QSpinBox *>("spinBoxHeight");
        lock = panel->findChild<QPushButton *>("btnLockScale");
    }
    void cleanup()
    {
        delete panel;
        delete g_areaSelected;
        delete owner;
    }

    void startsFromTheRegion()
    {
        QCOMPARE(width->value(), 200);
        QCOMPARE(height->value(), 150);
    }

    void widthBeyondTheDesktopIsCut()
    {
        const int desktop = region::desktop().width();
        width->setValue(5000);
        QCOMPARE(width->value(), desktop);
        QCOMPARE(owner->sizes, QList<QSize>{QSize(desktop, 150)});
        QCOMPARE(owner->commits, QList<bool>{false});
        QCOMPARE(g_areaSelected->selectedRect(), QRect(50, 40, desktop, 150));
    }

    void lockedRatioTruncates()
    {
        g_areaSelected->setSelectedRectImmediately(QRect(0, 0, 800, 600));
        QCOMPARE(width->value(), 800);
        lock->click();
        QVERIFY(panel->isRatioLocked());
        QCOMPARE(lock->toolTip(), QStringLiteral("Lock aspect ratio is on"));
        width->setValue(400);
        QCOMPARE(height->value(), 300);
        width->setValue(401);
        QCOMPARE(height->value(), 300);
        // One owner call per typed value, with both sides.
        QCOMPARE(owner->sizes, (QList<QSize>{QSize(400, 300), QSize(401, 300)}));
        QCOMPARE(g_areaSelected->selectedRect().size(), QSize(401, 300));
    }

    void changesElsewhereFollowAndMayUnlock()
    {
        lock->click();
        // Only the width changed (an edge drag): the lock holds.
        g_areaSelected->setSelectedRectImmediately(QRect(50, 40, 260, 150));
        QVERIFY(panel->isRatioLocked());
        QCOMPARE(width->value(), 260);
        // Both sides changed: the lock goes off.
        g_areaSelected->setSelectedRectImmediately(QRect(50, 40, 300, 200));
        QVERIFY(!panel->isRatioLocked());
        QCOMPARE(panel->ratio(), -1.0);
        QCOMPARE(lock->toolTip(), QStringLiteral("Lock aspect ratio is off"));
        QCOMPARE(width->value(), 300);
        QCOMPARE(height->value(), 200);
        // The panel's own following never calls the owner.
        QVERIFY(owner->sizes.isEmpty());
    }

    void placedBesideTheRegion()
    {
        const QRect screen = region::selectedScreen();
        const QRect r(screen.left() + 250, screen.top() + 50, 300, 200);
        g_areaSelected->setSelectedRectImmediately(r);
        panel->placeBesideArea();
        QCOMPARE(panel->geometry(), region::panelRect(panel->size(), r, screen));
        QCOMPARE(panel->y(), r.bottom() + 3);
        QCOMPARE(panel->geometry().right(), r.right());
    }

    void okCommitsAndClosesOnlyThePanel()
    {
        panel->show();
        width->setValue(320);
        panel->findChild<QPushButton *>("btnOK")->click();
        QCOMPARE(owner->commits, (QList<bool>{false, true}));
        QCOMPARE(owner->sizes.last(), QSize(320, 150));
        QCOMPARE(owner->frameVisible, QList<bool>{true});
        QVERIFY(!panel->isVisible());
    }

    void closeKeepsTheLiveSizeAndLogs()
    {
        QTemporaryDir dir;
        g_runLog = new LogFile(dir.filePath("myrun.log"));
        g_runLog->open();
        g_areaSelected->show();
        panel->show();
        width->setValue(330);
        panel->findChild<QPushButton *>("btnClose")->click();
        QCOMPARE(owner->commits, QList<bool>{false});
        QCOMPARE(g_areaSelected->selectedRect().width(), 330);
        QVERIFY(!g_areaSelected->isVisible());
        QVERIFY(!panel->isVisible());
        QCOMPARE(owner->frameVisible, QList<bool>{true});
        delete g_runLog;
        g_runLog = nullptr;
        QFile log(dir.filePath("myrun.log"));
        QVERIFY(log.open(QIODevice::ReadOnly));
        QVERIFY(log.readAll().contains("g_areaSelected->setParentVisible(true);"));
    }

    void iconStyleSheetIsScaled()
    {
        QTemporaryDir dir;
        QFile file(dir.filePath("Icon.qss"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("QPushButton { width: SIZECHANGE_10px; image: url(%1lock.png); }");
        file.close();
        const QString sheet = MyCustomAreaSelect::iconStyleSheet(file.fileName(), "/skin/image/", 1.5);
        QVERIFY(sheet.contains("width: 15px"));
        QVERIFY(sheet.contains("url(/skin/image/lock.png)"));
        QVERIFY(MyCustomAreaSelect::iconStyleSheet(dir.filePath("missing.qss"), "/x/", 1.0).isEmpty());
    }

private:
    Owner *owner = nullptr;
    MyCustomAreaSelect *panel = nullptr;
    QSpinBox *width = nullptr;
    QSpinBox *height = nullptr;
    QPushButton *lock = nullptr;
};

QTEST_MAIN(TestMyCustomAreaSelect)
#include "tst_mycustomareaselect.moc"
