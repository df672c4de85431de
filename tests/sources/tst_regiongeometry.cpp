// The arithmetic of the area picker, the region frame and the size panel.
#include <QtTest>

#include "regiongeometry.h"

using namespace region;

class TestRegionGeometry : public QObject
{
    Q_OBJECT
private slots:
    void windowRectAt_data();
    void windowRectAt();
    void windowRectIsCutToTheScreen();
    void dimmingClampsAndKeepsAlpha();
    void magnifierFlipsNearTheEdges();
    void frameZones();
    void dragSteps_data();
    void dragSteps();
    void presetIsCutToTheScreen();
    void toolBarFlips();
    void panelPlacement();
    void ratioNeverDividesByZero();
};

namespace {
const QRect kScreen(0, 0, 1920, 1080);
// An outer window with a 30 px title, a child inside it and a control
// inside the child.
const QRect kOuter(100, 100, 600, 400);
const QRect kChild(110, 140, 300, 200);
const QRect kControl(120, 150, 50, 20);
} // namespace

void TestRegionGeometry::windowRectAt_data()
{
    QTest::addColumn<QVector<QRect>>("rects");
    QTest::addColumn<QPoint>("point");
    QTest::addColumn<QRect>("expected");
    const QVector<QRect> nested = {kControl, kChild, kOuter};
    QTest::newRow("no candidate: the screen") << nested << QPoint(1000, 900) << kScreen;
    QTest::newRow("the screen itself is no candidate") << QVector<QRect>{kScreen} << QPoint(5, 5) << kScreen;
    QTest::newRow("one candidate") << nested << QPoint(650, 450) << kOuter;
    QTest::newRow("title: 5 px below the outer top") << QVector<QRect>{kChild, QRect(100, 100, 600, 400), QRect(105, 100, 20, 20)}
                                                     << QPoint(110, 105) << kOuter;
    QTest::newRow("6 px below: the innermost") << QVector<QRect>{QRect(100, 100, 600, 400), QRect(105, 100, 20, 20)}
                                               << QPoint(110, 106) << QRect(105, 100, 20, 20);
    QTest::newRow("the innermost window") << nested << QPoint(130, 160) << kControl;
    QTest::newRow("list order does not matter") << QVector<QRect>{kOuter, kChild, kControl} << QPoint(130, 160)
                                                << kControl;
}

void TestRegionGeometry::windowRectAt()
{
    QFETCH(QVector<QRect>, rects);
    QFETCH(QPoint, point);
    QFETCH(QRect, expected);
    QCOMPARE(region::windowRectAt(rects, kScreen, point), expected);
}

void TestRegionGeometry::windowRectIsCutToTheScreen()
{
    // A window hanging past the right and bottom edges.
    const QRect hanging(1800, 1000, 400, 300);
    QCOMPARE(region::windowRectAt({hanging}, kScreen, QPoint(1850, 1050)), QRect(QPoint(1800, 1000), QPoint(1919, 1079)));
}

void TestRegionGeometry::dimmingClampsAndKeepsAlpha()
{
    QImage image(2, 1, QImage::Format_ARGB32);
    image.setPixel(0, 0, qRgba(150, 80, 20, 200));
    image.setPixel(1, 0, qRgba(255, 255, 255, 255));
    const QImage out = region::dimmed(image);
    const QRgb a = out.pixel(0, 0), b = out.pixel(1, 0);
    QCOMPARE(qRed(a), 50);
    QCOMPARE(qGreen(a), 0);
    QCOMPARE(qBlue(a), 0);
    QCOMPARE(qAlpha(a), 200);
    QCOMPARE(b, qRgba(155, 155, 155, 255));
}

void TestRegionGeometry::magnifierFlipsNearTheEdges()
{
    const QSize dialog(1920, 1080);
    QCOMPARE(magnifierTopLeft(QPoint(100, 100), dialog), QPoint(145, 145));
    // Near the bottom: above the pointer.
    QCOMPARE(magnifierTopLeft(QPoint(100, 1000), dialog), QPoint(145, 1000 - 134 - 45));
    // Near the right: left of the pointer.
    QCOMPARE(magnifierTopLeft(QPoint(1800, 100), dialog), QPoint(1800 - 198 - 45, 145));
    // In the corner: both.
    QCOMPARE(magnifierTopLeft(QPoint(1800, 1000), dialog), QPoint(1800 - 198 - 45, 1000 - 134 - 45));
    // Only the 134 px zoom area counts, not the label below it.
    QCOMPARE(magnifierTopLeft(QPoint(100, 1080 - 45 - 134), dialog), QPoint(145, 1080 - 134));
}

void TestRegionGeometry::frameZones()
{
    const QRect r(100, 100, 200, 100); // w = 199, h = 99
    QCOMPARE(frameZone(r, QPoint(101, 101), false, false), int(ZoneTopLeft));
    QCOMPARE(frameZone(r, QPoint(299, 100), false, false), int(ZoneTopRight));
    QCOMPARE(frameZone(r, QPoint(100, 199), false, false), int(ZoneBottomLeft));
    QCOMPARE(frameZone(r, QPoint(299, 199), false, false), int(ZoneBottomRight));
    QCOMPARE(frameZone(r, QPoint(102, 150), false, false), int(ZoneLeft));
    QCOMPARE(frameZone(r, QPoint(304, 150), false, false), int(ZoneRight));
    QCOMPARE(frameZone(r, QPoint(200, 97), false, false), int(ZoneTop));
    QCOMPARE(frameZone(r, QPoint(200, 204), false, false), int(ZoneBottom));
    QCOMPARE(frameZone(r, QPoint(200, 150), false, false), int(ZoneNone));
    // The mirror zone: as far left of the left edge as the region is wide.
    QCOMPARE(frameZone(r, QPoint(100 - 199, 150), false, false), int(ZoneRight));
    // Locked ratio: corners answer as edges.
    QCOMPARE(frameZone(r, QPoint(101, 101), true, false), int(ZoneLeft));
    QCOMPARE(frameZone(r, QPoint(299, 199), true, false), int(ZoneRight));
    // Recording mode: no resizing at all.
    QCOMPARE(frameZone(r, QPoint(101, 150), false, true), int(ZoneNone));
}

void TestRegionGeometry::dragSteps_data()
{
    QTest::addColumn<int>("zone");
    QTest::addColumn<QRect>("start");
    QTest::addColumn<QPoint>("last");
    QTest::addColumn<QPoint>("pointer");
    QTest::addColumn<bool>("locked");
    QTest::addColumn<QRect>("expected");
    QTest::newRow("120 px keeps 120") << int(ZoneLeft) << QRect(500, 100, 120, 300) << QPoint(500, 200)
                                      << QPoint(530, 200) << false << QRect(500, 100, 120, 300);
    QTest::newRow("150 px jump on 200 gives 150") << int(ZoneLeft) << QRect(500, 100, 200, 300) << QPoint(500, 200)
                                                  << QPoint(650, 200) << false << QRect(550, 100, 150, 300);
    QTest::newRow("outward never limited") << int(ZoneLeft) << QRect(500, 100, 120, 300) << QPoint(500, 200)
                                           << QPoint(100, 200) << false << QRect(100, 100, 520, 300);
    QTest::newRow("move past the left edge drops x only")
        << int(ZoneMove) << QRect(10, 100, 200, 200) << QPoint(50, 150) << QPoint(20, 170) << false
        << QRect(10, 120, 200, 200);
    QTest::newRow("move past the bottom drops y only")
        << int(ZoneMove) << QRect(100, 870, 200, 200) << QPoint(150, 900) << QPoint(170, 920) << false
        << QRect(120, 870, 200, 200);
    QTest::newRow("locked 400x300 to width 300") << int(ZoneLeft) << QRect(100, 100, 400, 300) << QPoint(100, 200)
                                                 << QPoint(200, 200) << true << QRect(200, 100, 300, 225);
    QTest::newRow("flick past the opposite edge leaves 100")
        << int(ZoneLeft) << QRect(500, 100, 150, 300) << QPoint(500, 200) << QPoint(800, 200) << false
        << QRect(550, 100, 100, 300);
    QTest::newRow("flick up past the bottom leaves 100")
        << int(ZoneTop) << QRect(100, 300, 300, 150) << QPoint(200, 300) << QPoint(200, 900) << false
        << QRect(100, 350, 300, 100);
    QTest::newRow("right edge inward jump dropped") << int(ZoneRight) << QRect(100, 100, 200, 100) << QPoint(299, 150)
                                                    << QPoint(150, 150) << false << QRect(100, 100, 200, 100);
    QTest::newRow("none does nothing") << int(ZoneNone) << QRect(100, 100, 200, 100) << QPoint(0, 0)
                                       << QPoint(50, 50) << false << QRect(100, 100, 200, 100);
}

void TestRegionGeometry::dragSteps()
{
    QFETCH(int, zone);
    QFETCH(QRect, start);
    QFETCH(QPoint, last);
    QFETCH(QPoint, pointer);
    QFETCH(bool, locked);
    QFETCH(QRect, expected);
    const Steps s = region::dragSteps(zone, start, pointer, last, locked, safeRatio(start.width(), start.height()));
    QCOMPARE(applySteps(start, s, kScreen), expected);
}

void TestRegionGeometry::presetIsCutToTheScreen()
{
    const QRect small(0, 0, 1366, 768);
    QCOMPARE(presetRect(QSize(1920, 1080), small), small);
    QCOMPARE(presetRect(QSize(640, 480), small), QRect(363, 144, 640, 480));
    // A second screen's offset is kept.
    QCOMPARE(presetRect(QSize(640, 480), QRect(1920, 0, 1366, 768)), QRect(1920 + 363, 144, 640, 480));
}

void TestRegionGeometry::toolBarFlips()
{
    const QSize bar(170, 43);
    // Inside the top-right corner.
    QCOMPARE(toolBarRect(bar, QRect(100, 100, 400, 300), kScreen), QRect(QPoint(499 - 5 - 169, 105), bar));
    // Too narrow: above the region.
    QCOMPARE(toolBarRect(bar, QRect(100, 100, 120, 300), kScreen).bottomRight(), QPoint(219 + 4, 100 - 8));
    // Too narrow at the top: below it.
    QCOMPARE(toolBarRect(bar, QRect(100, 10, 120, 300), kScreen).topRight(), QPoint(219 + 4, 309 + 8));
    // At the left edge as well: pulled right to the region's left - 4, or 1.
    QCOMPARE(toolBarRect(bar, QRect(2, 10, 120, 300), kScreen).left(), 1);
    QCOMPARE(toolBarRect(bar, QRect(-2, 10, 120, 300), QRect(-10, 0, 1920, 1080)).left(), 1);

    // Clear of the panels: the rule within the free part of the bar's
    // monitor. Where no panel is near, nothing changes.
    const QRect left(0, 0, 1920, 1080), right(1920, 0, 1280, 1024);
    const QRect top(0, 0, 1920, 28), dock(672, 1031, 576, 49), side(3152, 0, 48, 1024);
    const QList<QRect> monitors{left, right};
    const QList<QRect> free{freeArea(left, left, {top, dock, side}), freeArea(right, right, {top, dock, side})};
    QCOMPARE(free[0], QRect(QPoint(0, 28), QPoint(1919, 1030)));
    QCOMPARE(free[1], QRect(QPoint(1920, 0), QPoint(3151, 1023)));
    const QRect desktop = left | right;
    QCOMPARE(toolBarRect(bar, QRect(100, 100, 400, 300), desktop, monitors, free),
             toolBarRect(bar, QRect(100, 100, 400, 300), desktop));
    // The whole left screen: inside its top-right corner, below the panel.
    QCOMPARE(toolBarRect(bar, left, left, {left}, {free[0]}), QRect(QPoint(1919 - 5 - 169, 28 + 5), bar));
    // The whole desktop: on the right screen, left of its side panel.
    QCOMPARE(toolBarRect(bar, desktop, desktop, monitors, free).topRight(), QPoint(3151 - 5, 5));
    // A narrow region just below the top panel: the bar would go above it,
    // over the panel; below it instead.
    QCOMPARE(toolBarRect(bar, QRect(500, 40, 120, 300), left, monitors, free).topRight(), QPoint(619 + 4, 339 + 8));
    // A bar that would hang below the screen comes back inside.
    QCOMPARE(toolBarRect(bar, QRect(500, 40, 120, 1040), left, monitors, free).bottom(), 1030);
    // The work area the window manager keeps counts as well; a panel along
    // a side cuts that side.
    QCOMPARE(freeArea(left, QRect(0, 30, 1920, 1050), {}), QRect(0, 30, 1920, 1050));
    QCOMPARE(freeArea(left, QRect(), {QRect(0, 0, 60, 1080)}), QRect(60, 0, 1860, 1080));
    // A panel on another monitor leaves this one whole.
    QCOMPARE(freeArea(right, QRect(), {top}), right);
}

void TestRegionGeometry::panelPlacement()
{
    const QSize panel(500, 136);
    // Below, right-aligned, 3 px down.
    QCOMPARE(panelRect(panel, QRect(600, 100, 800, 600), kScreen), QRect(QPoint(900, 702), panel));
    // Near the bottom: above, bottom at top - 4.
    const QRect above = panelRect(panel, QRect(600, 500, 800, 500), kScreen);
    QCOMPARE(above.bottom(), 496);
    QCOMPARE(above.right(), 1399);
    // Neither fits: inside the screen's top.
    QCOMPARE(panelRect(panel, QRect(600, 50, 800, 1000), kScreen).top(), 2);
    // Near the left edge: pulled right to left + 1.
    QCOMPARE(panelRect(panel, QRect(0, 100, 200, 200), kScreen).left(), 1);
}

void TestRegionGeometry::ratioNeverDividesByZero()
{
    QCOMPARE(safeRatio(400, 300), 400.0 / 300.0);
    QCOMPARE(safeRatio(400, 0), 1.0);
    QCOMPARE(safeRatio(0, 300), 1.0);
    // A locked drag on a ratio of 1.0 stays finite.
    const QRect flat(100, 100, 400, 300);
    const Steps s = region::dragSteps(ZoneLeft, flat, QPoint(200, 200), QPoint(100, 200), true, 0.0);
    QCOMPARE(applySteps(flat, s, kScreen).height(), 300);
}

QTEST_GUILESS_MAIN(TestRegionGeometry)
#include "tst_regiongeometry.moc"
