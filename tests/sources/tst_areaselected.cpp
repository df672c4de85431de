// The region frame: pointer zones and drags through its events, the layout
// pass, recording mode, and what it paints (by grab) against its window
// shape.
#include <QtTest>

#include "areaselected.h"
#include "core/vocabulary.h"
#include "graphicdrawing.h"
#include "myplaintextedit.h"
#include "platform/fakewindowstacking.h"
#include "platform/pointerlayer.h"
#include "platform/fakewindowshape.h"
#include "regiongeometry.h"
#include "regionowner.h"
#include "skinmanager.h"
#include "testsupport.h"

#include <QFrame>
#include <QPropertyAnimation>
#include <QPushButton>

using namespace region;

namespace {

class Owner : public QWidget, public RegionOwner
{
public:
    void setFrameVisible(bool visible) override { frameVisible << visible; }
    void setCustomAreaSize(const QSize &, bool) override {}
    QList<bool> frameVisible;
};

void send(QWidget *w, QEvent::Type type, const QPoint &local, Qt::MouseButton button = Qt::NoButton)
{
    const Qt::MouseButtons buttons = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button);
    QMouseEvent event(type, local, w->mapToGlobal(local), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(w, &event);
}
void move(QWidget *w, const QPoint &p) { send(w, QEvent::MouseMove, p); }
void press(QWidget *w, const QPoint &p) { send(w, QEvent::MouseButtonPress, p, Qt::LeftButton); }
void release(QWidget *w, const QPoint &p) { send(w, QEvent::MouseButtonRelease, p, Qt::LeftButton); }

bool isRed(QRgb c) { return qAlpha(c) == 255 && qRed(c) == 235 && qGreen(c) == 51 && qBlue(c) == 36; }
bool isHalfGrey(QRgb c) { return qAlpha(c) == 128; }

} // namespace

class TestAreaSelected : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void fullScreenIgnoresThePointer();
    void zonesAndCursors();
    void dragsResizeAndMove();
    void recordingModeZones();
    void layoutPassShowsTheInclusiveSize();
    void oneAnimationAtATime();
    void dottedBorderHasAPeriodOfTen();
    void recordingBorderLiesOutside();
    void bracketArmsAre48Pixels();
    void shapeCoversWhatIsPainted();
    void drawingShowsTheDesktopAndTakesThePointer();
    void recordingModeStaysOnTopAndReturns();
    void parentVisibleReachesOnlyTheParentOwner();
    void escapeNeverCloses();
    void ratioLockOnAnEmptyRegion();

private:
    AreaSelected *frame = nullptr;
    Owner *owner = nullptr;
    FakeWindowShape *shape = nullptr;
    const QRect region{100, 100, 300, 200};
};

void TestAreaSelected::initTestCase()
{
    SkinManager::instance()->init(0, skinNames(), "Win", "Olvex", "ml", "Mirelo", testsupport::binDir() + "/Skin");
}

void TestAreaSelected::init()
{
    shape = new FakeWindowShape;
    owner = new Owner;
    frame = new AreaSelected(owner);
    frame->setSelectedRectImmediately(region);
    frame->setFullScreenMode(false);
    // Shown: what it paints (the move icons) counts for the pointer.
    frame->show();
    QVERIFY(QTest::qWaitForWindowExposed(frame));
}

void TestAreaSelected::cleanup()
{
    delete frame;
    delete owner;
    delete shape;
}

void TestAreaSelected::fullScreenIgnoresThePointer()
{
    frame->setFullScreen();
    QVERIFY(frame->isFullScreen());
    move(frame, QPoint(1, 1));
    QCOMPARE(frame->zone(), int(ZoneNone));
    // Also the flag alone, on a smaller region.
    frame->setSelectedRectImmediately(region);
    frame->setFullScreenMode(true);
    move(frame, region.topLeft());
    QCOMPARE(frame->zone(), int(ZoneNone));
}

void TestAreaSelected::zonesAndCursors()
{
    move(frame, QPoint(101, 101));
    QCOMPARE(frame->zone(), int(ZoneTopLeft));
    QCOMPARE(frame->cursor().shape(), Qt::SizeFDiagCursor);
    move(frame, QPoint(400, 200));
    QCOMPARE(frame->zone(), int(ZoneRight));
    QCOMPARE(frame->cursor().shape(), Qt::SizeHorCursor);
    // The move icon in the middle.
    QVERIFY(!frame->moveRects().isEmpty());
    move(frame, frame->moveRects().first().center());
    QCOMPARE(frame->zone(), int(ZoneMove));
    QCOMPARE(frame->cursor().shape(), Qt::SizeAllCursor);
    frame->setRatioLocked(true);
    move(frame, QPoint(101, 101));
    QCOMPARE(frame->zone(), int(ZoneLeft));
    // A drawing tool takes the pointer away from the edges.
    frame->setGraphicType(1);
    move(frame, QPoint(400, 200));
    QCOMPARE(frame->zone(), int(ZoneNone));
    QCOMPARE(frame->cursor().shape(), Qt::ArrowCursor);
}

void TestAreaSelected::dragsResizeAndMove()
{
    QSignalSpy changed(frame, &AreaSelected::selectedRectChanged);
    // The bottom-right bracket, 50 px out.
    move(frame, QPoint(399, 299));
    press(frame, QPoint(399, 299));
    move(frame, QPoint(449, 349));
    release(frame, QPoint(449, 349));
    QCOMPARE(frame->selectedRect(), QRect(100, 100, 350, 250));
    QCOMPARE(changed.size(), 1);
    // Moved by its icon.
    const QPoint icon = frame->moveRects().first().center();
    move(frame, icon);
    press(frame, icon);
    move(frame, icon + QPoint(10, 20));
    release(frame, icon + QPoint(10, 20));
    QCOMPARE(frame->selectedRect(), QRect(110, 120, 350, 250));
    // A flick of the left edge past the right one leaves 100 px.
    move(frame, QPoint(110, 200));
    press(frame, QPoint(110, 200));
    move(frame, QPoint(700, 200));
    release(frame, QPoint(700, 200));
    QCOMPARE(frame->selectedRect().width(), 100);
    QCOMPARE(frame->selectedRect().right(), 459);
    // A press with no move before it where it lands: Qt sends the pointer's
    // moves to the main window until the next release once the window
    // manager has moved that window. The press takes what lies under it:
    // the icon moves the region, no edge last hovered follows.
    const QRect before = frame->selectedRect();
    move(frame, QPoint(before.right(), before.center().y()));
    QCOMPARE(frame->zone(), int(ZoneRight));
    const QPoint at = frame->moveRects().first().center();
    press(frame, at);
    move(frame, at + QPoint(30, 10));
    release(frame, at + QPoint(30, 10));
    QCOMPARE(frame->selectedRect(), before.translated(30, 10));
}

void TestAreaSelected::recordingModeZones()
{
    frame->setRecordingMode(true);
    frame->show(); // as the control bar does
    QTRY_VERIFY(frame->testAttribute(Qt::WA_Mapped));
    frame->setAllowMoveRegion(false);
    frame->repaint();
    move(frame, QPoint(101, 150));
    QCOMPARE(frame->zone(), int(ZoneNone));
    QCOMPARE(frame->cursor().shape(), Qt::ArrowCursor);
    frame->setAllowMoveRegion(true);
    frame->repaint();
    const QList<QRect> icons = frame->moveRects();
    QCOMPARE(icons.size(), 4);
    // The first icon's bottom-right corner is the region's top-left.
    QCOMPARE(icons[0].bottomRight(), region.topLeft());
    move(frame, icons[2].center());
    QCOMPARE(frame->zone(), int(ZoneMove));
    // Edges never resize while recording.
    move(frame, QPoint(101, 150));
    QCOMPARE(frame->zone(), int(ZoneNone));
}

void TestAreaSelected::layoutPassShowsTheInclusiveSize()
{
    QSignalSpy changed(frame, &AreaSelected::selectedRectChanged);
    frame->setSelectedRectImmediately(QRect(QPoint(0, 0), QPoint(1279, 719)));
    QCOMPARE(changed.size(), 1);
    QCOMPARE(changed.first().first().toRect(), QRect(0, 0, 1280, 720));
    auto *size = frame->findChild<QPushButton *>("btnAreaSize");
    QCOMPARE(size->text(), QStringLiteral("1280 x 720"));
    // The input layer follows the region.
    QCOMPARE(frame->findChild<QWidget *>("clientWidget")->geometry(), QRect(0, 0, 1280, 720));
}

void TestAreaSelected::oneAnimationAtATime()
{
    QSignalSpy changed(frame, &AreaSelected::selectedRectChanged);
    frame->setSelectedRect(QRect(50, 50, 200, 200));
    frame->setSelectedRect(QRect(300, 200, 150, 120));
    const QList<QPropertyAnimation *> animations = frame->findChildren<QPropertyAnimation *>();
    QCOMPARE(animations.size(), 1);
    QTRY_COMPARE(animations.first()->state(), QAbstractAnimation::Stopped);
    // The first change never came back to write its rectangle.
    QCOMPARE(frame->selectedRect(), QRect(300, 200, 150, 120));
    QVERIFY(changed.size() > 1);
}

void TestAreaSelected::dottedBorderHasAPeriodOfTen()
{
    frame->resize(800, 600);
    const QImage image = frame->grab().toImage();
    // The top row of the border, 1 px outside the region, counter 0 at x = 99;
    // away from the brackets.
    for (int x = 160; x < 340; ++x) {
        const QRgb c = image.pixel(x, 99);
        if ((x - 99) % 10 <= 5)
            QVERIFY2(isRed(c), qPrintable(QString::number(x)));
        else
            QVERIFY2(isHalfGrey(c), qPrintable(QString::number(x)));
    }
    // Inside the region nothing is painted.
    QCOMPARE(qAlpha(image.pixel(200, 150)), 0);
}

void TestAreaSelected::recordingBorderLiesOutside()
{
    frame->resize(800, 600);
    frame->setSelectedRectImmediately(QRect(0, 100, 300, 200));
    QImage image = frame->grab().toImage();
    // Outside recording the left border stays on the desktop edge.
    QVERIFY(qAlpha(image.pixel(0, 200)) > 0);
    frame->setRecordingMode(true);
    image = frame->grab().toImage();
    // Recording: no border on the desktop edge, nothing on recorded pixels.
    QCOMPARE(qAlpha(image.pixel(0, 200)), 0);
    QCOMPARE(qAlpha(image.pixel(299, 200)), 0);
    QVERIFY(isRed(image.pixel(300, 200)) || isHalfGrey(image.pixel(300, 200)));
    QVERIFY(isRed(image.pixel(0, 99)) || isHalfGrey(image.pixel(0, 99)));
    // The counter does not run over the left-out left edge: the top row
    // starts at x = -1 with 0, so x = 5 is 6: grey.
    QVERIFY(isHalfGrey(image.pixel(5, 99)));
    frame->setShowBoundary(false);
    image = frame->grab().toImage();
    QCOMPARE(qAlpha(image.pixel(300, 200)), 0);
    QCOMPARE(qAlpha(image.pixel(100, 99)), 0);
}

void TestAreaSelected::bracketArmsAre48Pixels()
{
    frame->resize(800, 600);
    const QImage image = frame->grab().toImage();
    // Brackets run on the region grown by 3: the top-left arm on y = 97 from
    // x = 97 to 145 (4 px pen, square cap).
    QVERIFY(isRed(image.pixel(97, 96)));
    QVERIFY(isRed(image.pixel(145, 96)));
    QVERIFY(!isRed(image.pixel(150, 96)));
    QVERIFY(isRed(image.pixel(96, 145)));
    QVERIFY(!isRed(image.pixel(96, 150)));
    // Its outline hugs it at y = 94.
    QCOMPARE(QColor(image.pixel(120, 94)), QColor(207, 207, 207));
}

void TestAreaSelected::shapeCoversWhatIsPainted()
{
    shape->compositing = false;
    frame->resize(800, 600);
    frame->repaint();
    const QImage image = frame->grab().toImage();
    const QRegion painted = frame->paintedRegion();
    for (int y = 0; y < image.height(); y += 1) {
        for (int x = 0; x < image.width(); x += 1) {
            if (qAlpha(image.pixel(x, y)) > 0 && !painted.contains(QPoint(x, y)))
                QFAIL(qPrintable(QStringLiteral("painted pixel %1,%2 outside the shape").arg(x).arg(y)));
        }
    }
    QCOMPARE(shape->lastWindow, frame->windowHandle());
    QVERIFY(shape->boundingSet);
    QCOMPARE(shape->bounding, painted);
    // Clicks inside the region go through; the edges take them.
    QVERIFY(!shape->input.contains(QPoint(200, 150)));
    QVERIFY(shape->input.contains(QPoint(100, 150)));
    QVERIFY(shape->input.contains(QPoint(404, 150)));
    // With a drawing tool the region takes the pointer.
    frame->setGraphicType(5);
    QVERIFY(shape->input.contains(QPoint(200, 150)));
}

void TestAreaSelected::drawingShowsTheDesktopAndTakesThePointer()
{
    FakeWindowStacking stacking;
    frame->resize(800, 600);
    frame->setRecordingMode(true);
    frame->show();
    QVERIFY(QTest::qWaitForWindowExposed(frame));
    frame->setGraphicType(1);
    // With a compositor the input layer takes the pointer and lets the
    // desktop show: nothing is painted inside the region.
    QCOMPARE(qAlpha(frame->grab().toImage().pixel(250, 200)), 0);
    QVERIFY(shape->input.contains(QPoint(250, 200)));
    QVERIFY(!frame->pointerLayer() || !frame->pointerLayer()->isShown());
    QVERIFY(!shape->boundingSet);

    // Without one the window is cut to what it paints, and the pointer
    // layer over the region passes its presses to the drawing.
    shape->compositing = false;
    frame->grab();
    PointerLayer *layer = frame->pointerLayer();
    QVERIFY(layer && layer->isShown());
    const QPoint origin = frame->mapToGlobal(QPoint(0, 0));
    QCOMPARE(layer->area(), QRegion(region.translated(origin)));
    emit layer->pointerEvent(QEvent::MouseButtonPress, origin + QPoint(150, 150), Qt::LeftButton, Qt::LeftButton,
                             Qt::NoModifier);
    emit layer->pointerEvent(QEvent::MouseMove, origin + QPoint(250, 220), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    // Drawn while the button is still down.
    QCOMPARE(frame->drawing()->shapes().size(), 1);
    frame->grab();
    QVERIFY(shape->bounding.contains(QPoint(250, 200)));
    emit layer->pointerEvent(QEvent::MouseButtonRelease, origin + QPoint(250, 220), Qt::LeftButton, Qt::NoButton,
                             Qt::NoModifier);
    const QImage image = frame->grab().toImage();
    QVERIFY(qAlpha(image.pixel(150, 180)) == 255 && shape->bounding.contains(QPoint(150, 180)));
    QVERIFY(qAlpha(image.pixel(200, 180)) == 0 && !shape->bounding.contains(QPoint(200, 180)));
    // An open text box takes its own clicks.
    frame->setGraphicType(7);
    emit layer->pointerEvent(QEvent::MouseButtonPress, origin + QPoint(300, 120), Qt::LeftButton, Qt::LeftButton,
                             Qt::NoModifier);
    MyPlainTextEdit *box = frame->drawing()->textBox();
    QVERIFY(box && box->isVisible());
    QTRY_VERIFY(!layer->area().intersects(box->geometry().translated(origin)));
    QVERIFY(layer->area().contains(origin + QPoint(300, 220)));
    frame->setGraphicType(0);
    QVERIFY(!layer->isShown());
}

void TestAreaSelected::recordingModeStaysOnTopAndReturns()
{
    FakeWindowStacking stacking;
    frame->setRecordingMode(true);
    frame->show();
    // A rectangle drawn live, then the text tool with an open box.
    frame->setGraphicType(1);
    press(frame, QPoint(150, 150));
    move(frame, QPoint(200, 190));
    release(frame, QPoint(200, 190));
    QCOMPARE(frame->drawing()->shapes().size(), 1);
    frame->setGraphicType(7);
    press(frame, QPoint(220, 220));
    release(frame, QPoint(220, 220));
    QVERIFY(frame->drawing()->textBox());
    QTest::keyClicks(frame->drawing()->textBox(), "typed");
    QVERIFY(frame->isRecordingMode());
    QCOMPARE(frame->parentWidget(), nullptr);
    QVERIFY(frame->findChild<QFrame *>("frmWindowHint")->isHidden());
    QVERIFY(stacking.staysOnTop(frame->windowHandle()));
    frame->setRecordingMode(false);
    QCOMPARE(frame->parentWidget(), owner);
    QVERIFY(!stacking.staysOnTop(frame->windowHandle()));
    QCOMPARE(frame->graphicType(), 0);
    QVERIFY(frame->findChild<QWidget *>("clientWidget")->isHidden());
    // Nothing drawn survives, not even for undo.
    QVERIFY(frame->drawing()->shapes().isEmpty());
    frame->undo();
    QVERIFY(frame->drawing()->shapes().isEmpty());
    QVERIFY(frame->drawing()->textBox()->isHidden());
    QVERIFY(!frame->findChild<QFrame *>("frmWindowHint")->isHidden());
}

void TestAreaSelected::parentVisibleReachesOnlyTheParentOwner()
{
    frame->setParentVisible(false);
    QCOMPARE(owner->frameVisible, QList<bool>{false});
    frame->setRecordingMode(true);
    frame->setParentVisible(true);
    QCOMPARE(owner->frameVisible, QList<bool>{false});
}

void TestAreaSelected::escapeNeverCloses()
{
    QTest::keyClick(frame, Qt::Key_Escape);
    QVERIFY(frame->isVisible());
    QCOMPARE(frame->result(), 0);
}

void TestAreaSelected::ratioLockOnAnEmptyRegion()
{
    frame->setSelectedRectImmediately(QRect(100, 100, 300, 0));
    frame->setRatioLocked(true);
    QCOMPARE(frame->ratio(), 1.0);
}

QTEST_MAIN(TestAreaSelected)
#include "tst_areaselected.moc"
