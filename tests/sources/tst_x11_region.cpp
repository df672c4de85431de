// The region windows on a private X server, driven with xdotool: the picker
// over real windows, clicks through the frame, its bracket drag, what a
// grab of the screen shows with and without a compositing manager, drawing
// on the region without one, and the size panel typed into.
#include <QtTest>

#include "areaselected.h"
#include "areaselecting.h"
#include "core/vocabulary.h"
#include "graphicbase.h"
#include "graphicdrawing.h"
#include "mycustomareaselect.h"
#include "platform/pointerlayer.h"
#include "platform/windowlist.h"
#include "platform/windowshape.h"
#include "programrun.h"
#include "regionowner.h"
#include "skinmanager.h"
#include "testsupport.h"

#include <QScreen>
#include <QSpinBox>

using testsupport::xdotool;

namespace {

// A plain window of one colour that counts the presses it gets.
class Target : public QWidget
{
public:
    explicit Target(const QRect &geometry)
    {
        setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
        setGeometry(geometry);
        setAutoFillBackground(true);
        QPalette p = palette();
        p.setColor(QPalette::Window, QColor(0, 200, 0));
        setPalette(p);
    }
    int presses = 0;

protected:
    void mousePressEvent(QMouseEvent *) override { ++presses; }
};

class Owner : public QWidget, public RegionOwner
{
public:
    void setFrameVisible(bool) override {}
    void setCustomAreaSize(const QSize &size, bool) override
    {
        g_areaSelected->setSelectedRectImmediately(QRect(g_areaSelected->selectedRect().topLeft(), size));
    }
};

// Runs `action` on the first window `find` gives that shows on the screen
// and has the focus, checked as the event loop turns (inside a modal
// dialog's exec).
void onceActive(const std::function<QWidget *()> &find, const std::function<void(QWidget *)> &action)
{
    auto *timer = new QTimer;
    timer->setInterval(20);
    QObject::connect(timer, &QTimer::timeout, [timer, find, action] {
        QWidget *w = find();
        if (!w || !w->windowHandle() || !w->windowHandle()->isExposed() || !w->isActiveWindow())
            return;
        timer->stop();
        timer->deleteLater();
        action(w);
    });
    timer->start();
}

// Runs xdotool once the window takes input.
void whenActive(QWidget *window, const QStringList &arguments)
{
    onceActive([window] { return window; },
               [arguments](QWidget *) { QProcess::startDetached("xdotool", arguments); });
}

QRgb screenPixel(const QPoint &p)
{
    return QGuiApplication::primaryScreen()->grabWindow(0, p.x(), p.y(), 1, 1).toImage().pixel(0, 0);
}

void showAndWait(QWidget *w)
{
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w));
    WindowShape::instance()->sync();
}

} // namespace

class TestX11Region : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        SkinManager::instance()->init(0, skinNames(), "Win", "Olvex", "ml", "Mirelo", testsupport::binDir() + "/Skin");
    }

    void pickerPicksAWindowAndEscapePicksNothing()
    {
        QProcess xlogo;
        xlogo.start("xlogo", {"-geometry", "200x150+300+200"});
        QVERIFY(xlogo.waitForStarted());
        auto shown = [] {
            for (const WindowListEntry &e : WindowList::instance()->windows({}))
                if (e.className == QLatin1String("XLogo") && e.visible)
                    return true;
            return false;
        };
        QTRY_VERIFY_WITH_TIMEOUT(shown(), 10000);
        {
            AreaSelecting picker(nullptr);
            whenActive(&picker, {"mousemove", "390", "290", "sleep", "0.2", "mousemove", "400", "300", "sleep", "0.3",
                        "click", "1"});
            QCOMPARE(picker.exec(), int(QDialog::Accepted));
            // Well below its top: the innermost window, xlogo's drawing.
            QCOMPARE(picker.selectedRect(), QRect(301, 201, 200, 150));
        }
        {
            AreaSelecting picker(nullptr);
            whenActive(&picker, {"mousemove", "420", "310", "sleep", "0.3", "key", "Escape"});
            QCOMPARE(picker.exec(), int(QDialog::Rejected));
        }
        xlogo.kill();
        xlogo.waitForFinished();
    }

    void clicksGoThroughAndBracketsResize()
    {
        QProcess compositor;
        compositor.start("xcompmgr", QStringList());
        QVERIFY(compositor.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(WindowShape::instance()->compositingManagerRunning(), 10000);
        Target target(QRect(200, 200, 300, 200));
        showAndWait(&target);
        AreaSelected frame(nullptr);
        g_areaSelected = &frame;
        frame.setSelectedRectImmediately(QRect(100, 100, 600, 400));
        frame.setFullScreenMode(false);
        showAndWait(&frame);

        QVERIFY(xdotool({"mousemove", "300", "250", "click", "1"}));
        QTRY_COMPARE(target.presses, 1);

        // The bottom-right bracket, dragged 50 px out.
        QVERIFY(xdotool({"mousemove", "698", "498", "sleep", "0.2", "mousemove", "699", "499", "sleep", "0.2",
                         "mousedown", "1", "sleep", "0.2", "mousemove", "720", "520", "sleep", "0.2", "mousemove",
                         "749", "549", "sleep", "0.2", "mouseup", "1"}));
        QTRY_COMPARE(frame.selectedRect(), QRect(100, 100, 650, 450));
        QCOMPARE(target.presses, 1);
        g_areaSelected = nullptr;
        compositor.kill();
        compositor.waitForFinished();
    }

    void withoutCompositorTheDesktopShowsThroughAlsoWhileDrawing()
    {
        QVERIFY(!WindowShape::instance()->compositingManagerRunning());
        Target target(QRect(200, 200, 300, 200));
        showAndWait(&target);
        AreaSelected frame(nullptr);
        frame.setSelectedRectImmediately(QRect(100, 100, 600, 400));
        frame.setFullScreenMode(false);
        showAndWait(&frame);
        QTRY_COMPARE(QColor(screenPixel(QPoint(99, 98))), QColor(235, 51, 36)); // the frame is painted
        // Inside the region the window below shows as it is, never black.
        QCOMPARE(QColor(screenPixel(QPoint(300, 250))), QColor(0, 200, 0));
        QCOMPARE(QColor(screenPixel(QPoint(480, 380))), QColor(0, 200, 0));

        // Recording with a drawing tool: the region takes the pointer.
        frame.setRecordingMode(true);
        showAndWait(&frame);
        frame.setGraphicType(1);
        QTRY_VERIFY(frame.pointerLayer() && frame.pointerLayer()->isShown());
        WindowShape::instance()->sync();

        // A drag over the window below draws on the region instead; the
        // shape shows, the window around it still does.
        QVERIFY(xdotool({"mousemove", "250", "250", "sleep", "0.2", "mousedown", "1", "sleep", "0.2", "mousemove",
                         "300", "300", "sleep", "0.2", "mousemove", "350", "320", "sleep", "0.2", "mouseup", "1"}));
        QTRY_COMPARE(frame.drawing()->shapes().size(), 1);
        auto *rect = dynamic_cast<GraphicRectangle *>(frame.drawing()->shapes().first());
        QVERIFY(rect);
        QCOMPARE(rect->start() + frame.geometry().topLeft(), QPoint(250, 250));
        QTRY_COMPARE(rect->end() + frame.geometry().topLeft(), QPoint(350, 320));
        QCOMPARE(target.presses, 0);
        QTRY_COMPARE(QColor(screenPixel(QPoint(250, 280))), QColor(Qt::red));
        QCOMPARE(QColor(screenPixel(QPoint(300, 280))), QColor(0, 200, 0));

        // An open text box takes its own clicks: a click in it does not
        // commit it.
        frame.setGraphicType(7);
        QVERIFY(xdotool({"mousemove", "420", "350", "sleep", "0.2", "click", "1"}));
        QTRY_VERIFY(frame.drawing()->textBox() && frame.drawing()->textBox()->isVisible());
        const QRect box = frame.drawing()->textBox()->geometry().translated(frame.geometry().topLeft());
        QTRY_VERIFY(!frame.pointerLayer()->area().intersects(box));
        QVERIFY(xdotool({"mousemove", QString::number(box.center().x()), QString::number(box.center().y()), "sleep",
                         "0.2", "click", "1"}));
        QTRY_VERIFY(frame.drawing()->textBox()->hasFocus());
        QVERIFY(frame.drawing()->textBox()->isVisible());

        // Without a tool the pointer goes through to the desktop again.
        frame.setGraphicType(0);
        QVERIFY(!frame.pointerLayer()->isShown());
        QVERIFY(xdotool({"mousemove", "300", "250", "click", "1"}));
        QTRY_COMPARE(target.presses, 1);
    }

    void pickFromTheFrameShowsNoFrame()
    {
        AreaSelected frame(nullptr);
        frame.setSelectedRectImmediately(QRect(100, 100, 600, 400));
        frame.setFullScreenMode(false);
        showAndWait(&frame);
        // The frame is painted on the screen before the pick.
        QTRY_COMPARE(QColor(screenPixel(QPoint(99, 98))), QColor(235, 51, 36));
        QImage snapshot;
        onceActive(
            [] {
                for (QWidget *w : QApplication::topLevelWidgets())
                    if (qobject_cast<AreaSelecting *>(w) && w->isVisible())
                        return w;
                return static_cast<QWidget *>(nullptr);
            },
            [&](QWidget *w) {
                auto *picker = static_cast<AreaSelecting *>(w);
                snapshot = picker->desktopImage();
                picker->reject();
            });
        frame.btnSelectAreaClick();
        QVERIFY(!snapshot.isNull());
        QVERIFY(QColor(snapshot.pixel(99, 98)) != QColor(235, 51, 36));
        // A cancelled pick keeps the region and shows the frame again.
        QCOMPARE(frame.selectedRect(), QRect(100, 100, 600, 400));
        QVERIFY(frame.isVisible());
    }

    void typingAWidthResizesTheRegion()
    {
        Owner owner;
        AreaSelected frame(nullptr);
        g_areaSelected = &frame;
        frame.setSelectedRectImmediately(QRect(100, 100, 600, 400));
        frame.setFullScreenMode(false);
        showAndWait(&frame);
        MyCustomAreaSelect panel(&owner);
        panel.placeBesideArea();
        showAndWait(&panel);
        QCOMPARE(panel.geometry().top(), 499 + 3);
        QCOMPARE(panel.geometry().right(), 699);
        auto *width = panel.findChild<QSpinBox *>("spinBoxWidth");
        const QPoint box = width->mapToGlobal(width->rect().center());
        QVERIFY(xdotool({"mousemove", QString::number(box.x()), QString::number(box.y()), "click", "--repeat", "3", "1",
                         "sleep", "0.2", "key", "ctrl+a", "type", "500"}));
        QTRY_COMPARE(frame.selectedRect(), QRect(100, 100, 500, 400));
        g_areaSelected = nullptr;
    }
};

QTEST_MAIN(TestX11Region)
#include "tst_x11_region.moc"
