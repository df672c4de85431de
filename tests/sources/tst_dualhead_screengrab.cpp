// Still pictures of a desktop of two monitors side by side (an Xorg whose
// RandR outputs are 1920x1080 at 0,0 and 1280x1024 at 1920,0), each monitor
// covered by a window of its own colour: the picture of each monitor, of the
// whole desktop and the region picker's snapshot show what lies there, with
// the primary monitor on the left and on the right; a screenshot dragged on
// the monitor away from the desktop's origin, with typed text, is saved with
// what lies there. The region frame over both monitors keeps its tool bar
// clear of each monitor's panel.
#include <QtTest>

#include "areaselected.h"
#include "areaselecting.h"
#include "capturepanel.h"
#include "core/enviroment.h"
#include "platform/x11.h"
#include "graphicdrawing.h"
#include "myplaintextedit.h"
#include "programrun.h"
#include "regionscreens.h"
#include "screencapturing.h"

#include <QAbstractButton>
#include <QPointer>
#include <QScreen>
#include <QTemporaryDir>

#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>

namespace {

const QRect kLeft(0, 0, 1920, 1080);
const QRect kRight(1920, 0, 1280, 1024);
const QColor kLeftColour(200, 0, 0);
const QColor kRightColour(0, 0, 200);

// A window of one colour over a monitor, left alone by any window manager.
class Paint : public QWidget
{
public:
    Paint(const QRect &rect, const QColor &colour)
    {
        setWindowFlags(Qt::Window | Qt::FramelessWindowHint | Qt::X11BypassWindowManagerHint);
        setGeometry(rect);
        setAutoFillBackground(true);
        QPalette p = palette();
        p.setColor(QPalette::Window, colour);
        setPalette(p);
    }
};

int indexOf(const QRect &geometry)
{
    const QList<QScreen *> screens = QGuiApplication::screens();
    for (int i = 0; i < screens.size(); ++i)
        if (screens[i]->geometry() == geometry)
            return i;
    return -1;
}

// `rect` of the picture (in the picture's own coordinates) shows `colour`
// at its corners and centre.
bool shows(const QImage &picture, const QRect &rect, const QColor &colour)
{
    const QRect inner = rect.adjusted(5, 5, -5, -5);
    for (const QPoint &p : {inner.topLeft(), inner.topRight(), inner.bottomLeft(), inner.bottomRight(), inner.center()}) {
        if (QColor(picture.pixel(p)) != colour) {
            qWarning("%d,%d shows %s", p.x(), p.y(), qPrintable(QColor(picture.pixel(p)).name()));
            return false;
        }
    }
    return true;
}

QStringList pointerTo(const QPoint &p)
{
    return {QStringLiteral("mousemove"), QString::number(p.x()), QString::number(p.y()), QStringLiteral("sleep"),
            QStringLiteral("0.2")};
}

bool clickOn(const QWidget *w)
{
    return testsupport::xdotool(pointerTo(w->mapToGlobal(w->rect().center())) + QStringList{QStringLiteral("click"), QStringLiteral("1")});
}

// A panel of another program over a strip of the desktop: a window of type
// dock that no window manager lists.
class Dock
{
public:
    explicit Dock(const QRect &rect) : c(xcb_connect(nullptr, nullptr))
    {
        const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
        const xcb_window_t w = xcb_generate_id(c);
        const uint32_t values[] = {0x303030u, 1};
        xcb_create_window(c, XCB_COPY_FROM_PARENT, w, root, int16_t(rect.x()), int16_t(rect.y()),
                          uint16_t(rect.width()), uint16_t(rect.height()), 0, XCB_WINDOW_CLASS_INPUT_OUTPUT,
                          XCB_COPY_FROM_PARENT, XCB_CW_BACK_PIXEL | XCB_CW_OVERRIDE_REDIRECT, values);
        auto atom = [this](const char *name) {
            const auto r = x11::reply(c, xcb_intern_atom(c, 0, uint16_t(strlen(name)), name), xcb_intern_atom_reply);
            return r ? r->atom : xcb_atom_t(XCB_ATOM_NONE);
        };
        const xcb_atom_t dock = atom("_NET_WM_WINDOW_TYPE_DOCK");
        xcb_change_property(c, XCB_PROP_MODE_REPLACE, w, atom("_NET_WM_WINDOW_TYPE"), XCB_ATOM_ATOM, 32, 1, &dock);
        xcb_map_window(c, w);
        x11::roundTrip(c);
    }
    ~Dock() { xcb_disconnect(c); }
    Dock(const Dock &) = delete;
    Dock &operator=(const Dock &) = delete;

private:
    xcb_connection_t *c;
};

} // namespace

class TestDualheadScreenGrab : public QObject
{
    Q_OBJECT

    // Every picture of each monitor and of the whole desktop.
    void checkPictures()
    {
        DataGroupPrivate *p = g_enviroment->privateData;
        const int left = indexOf(kLeft), right = indexOf(kRight);
        QVERIFY(left >= 0 && right >= 0);

        p->ScreenIndex = right;
        QImage picture = p->grabSelectedScreen().toImage();
        QCOMPARE(picture.size(), kRight.size());
        QVERIFY(shows(picture, QRect(QPoint(0, 0), kRight.size()), kRightColour));
        {
            // The region picker's snapshot of that monitor.
            AreaSelecting picker(nullptr);
            QCOMPARE(picker.desktopImage().size(), kRight.size());
            QVERIFY(shows(picker.desktopImage(), QRect(QPoint(0, 0), kRight.size()), kRightColour));
        }

        p->ScreenIndex = left;
        picture = p->grabSelectedScreen().toImage();
        QCOMPARE(picture.size(), kLeft.size());
        QVERIFY(shows(picture, QRect(QPoint(0, 0), kLeft.size()), kLeftColour));

        p->ScreenIndex = -1;
        picture = p->grabSelectedScreen().toImage();
        QCOMPARE(picture.size(), QSize(3200, 1080));
        QVERIFY(shows(picture, kLeft, kLeftColour));
        QVERIFY(shows(picture, kRight, kRightColour));

        // Without the program's settings: the whole desktop.
        Enviroment *env = g_enviroment;
        g_enviroment = nullptr;
        picture = region::grabSelectedScreen().toImage();
        g_enviroment = env;
        QCOMPARE(picture.size(), QSize(3200, 1080));
        QVERIFY(shows(picture, kLeft, kLeftColour));
        QVERIFY(shows(picture, kRight, kRightColour));
    }

private slots:
    void initTestCase()
    {
        QTRY_COMPARE(QGuiApplication::screens().size(), 2);
        QVERIFY(indexOf(kLeft) >= 0 && indexOf(kRight) >= 0);
        g_enviroment = new Enviroment;
    }

    void cleanupTestCase()
    {
        delete g_enviroment;
        g_enviroment = nullptr;
    }

    void eachMonitorShowsWhatLiesThere_data()
    {
        QTest::addColumn<QString>("primary");
        QTest::newRow("primary on the left") << "DUMMY0";
        QTest::newRow("primary on the right") << "DUMMY1";
    }

    void eachMonitorShowsWhatLiesThere()
    {
        QFETCH(QString, primary);
        QVERIFY(QProcess::execute("xrandr", {"--output", primary, "--primary"}) == 0);
        QTRY_COMPARE(QGuiApplication::primaryScreen()->geometry(), primary == "DUMMY0" ? kLeft : kRight);
        Paint left(kLeft, kLeftColour), right(kRight, kRightColour);
        left.show();
        right.show();
        QVERIFY(QTest::qWaitForWindowExposed(&left));
        QVERIFY(QTest::qWaitForWindowExposed(&right));
        for (Paint *w : {&left, &right})
            QTRY_COMPARE(QColor(QGuiApplication::primaryScreen()->grabWindow(w->winId()).toImage().pixel(5, 5)),
                         w->palette().color(QPalette::Window));
        checkPictures();
    }

    // The tool over the right monitor (the primary on the left): a drag
    // selects there, the panel shows beside the selection on that monitor,
    // typing reaches the text box, and the saved file is that monitor's
    // colour with the text.
    void aScreenshotOnTheRightMonitorIsSavedWithTypedText()
    {
        QVERIFY(QProcess::execute("xrandr", {"--output", "DUMMY0", "--primary"}) == 0);
        QTRY_COMPARE(QGuiApplication::primaryScreen()->geometry(), kLeft);
        Paint left(kLeft, kLeftColour), right(kRight, kRightColour);
        left.show();
        right.show();
        QVERIFY(QTest::qWaitForWindowExposed(&right));
        QTRY_COMPARE(QColor(QGuiApplication::primaryScreen()->grabWindow(right.winId()).toImage().pixel(5, 5)),
                     kRightColour);
        g_enviroment->privateData->ScreenIndex = indexOf(kRight);
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("shot.png"));
        ScreenCapturing::setSaveFileHook([&](QWidget *, const QString &) { return file; });

        auto *tool = new ScreenCapturing(nullptr);
        QPointer<ScreenCapturing> guard(tool);
        QCOMPARE(tool->screenRect(), kRight);
        tool->show();
        QVERIFY(QTest::qWaitForWindowExposed(tool));
        QVERIFY(!tool->panel()->isVisible());
        const QRect drag = QRect(QPoint(100, 80), QPoint(499, 379)).translated(kRight.topLeft());
        QVERIFY(testsupport::xdotool(pointerTo(drag.topLeft()) + QStringList{"mousedown", "1"}
                                     + pointerTo(drag.center()) + pointerTo(drag.bottomRight() + QPoint(1, 1))
                                     + QStringList{"mouseup", "1"}));
        QTRY_VERIFY_WITH_TIMEOUT(tool->isEditing() && tool->panel()->isVisible(), 10000);
        QCOMPARE(tool->selectedRect(), drag);
        CapturePanel *panel = tool->panel();
        QVERIFY(kRight.contains(QRect(panel->mapToGlobal(QPoint()), panel->size())));

        QVERIFY(clickOn(panel->findChild<QAbstractButton *>("btnText")));
        QTRY_COMPARE(tool->graphicType(), 7);
        QVERIFY(testsupport::xdotool(pointerTo(drag.topLeft() + QPoint(40, 30)) + QStringList{"click", "1"}));
        QTRY_VERIFY(tool->drawing()->textBox() && tool->drawing()->textBox()->isVisible());
        const QPointer<MyPlainTextEdit> box = tool->drawing()->textBox();
        QCOMPARE(box->mapToGlobal(QPoint()), drag.topLeft() + QPoint(40, 30));
        QVERIFY(testsupport::xdotool({"type", "Hi there"}));
        QTRY_VERIFY(box && box->toPlainText() == QLatin1String("Hi there"));
        const QRect typed = QRect(box->mapToGlobal(QPoint()), box->size()).translated(-drag.topLeft());

        QVERIFY(clickOn(panel->findChild<QAbstractButton *>("btnSave")));
        QTRY_VERIFY(!guard);
        ScreenCapturing::setSaveFileHook({});
        g_enviroment->privateData->ScreenIndex = -1;
        const QImage saved(file, "PNG");
        QCOMPARE(saved.size(), drag.size());
        QVERIFY(shows(saved, QRect(0, typed.bottom() + 1, saved.width(), saved.height() - typed.bottom() - 1),
                      kRightColour));
        int red = 0;
        for (int y = typed.top(); y <= typed.bottom(); ++y)
            for (int x = typed.left(); x <= typed.right(); ++x)
                red += QColor(saved.pixel(x, y)) == QColor(Qt::red);
        QVERIFY2(red > 20, qPrintable(QString::number(red)));
    }

    // The region frame over both monitors: its tool bar goes into the
    // desktop's top-right corner, on the right monitor, below that
    // monitor's own panel (one no window manager keeps a work area for).
    void theFrameOverBothMonitorsKeepsItsToolBarClearOfThePanels()
    {
        g_enviroment->privateData->ScreenIndex = -1;
        Dock leftPanel(QRect(0, 0, 1920, 30)), rightPanel(QRect(1920, 0, 1280, 40));
        AreaSelected frame(nullptr);
        frame.show();
        QVERIFY(QTest::qWaitForWindowExposed(&frame));
        QCOMPARE(frame.frameGeometry(), QRect(0, 0, 3200, 1080));
        const QRect bar =
            frame.findChild<QWidget *>(QStringLiteral("frmWindowHint"))->geometry().translated(frame.geometry().topLeft());
        QVERIFY(kRight.contains(bar));
        QCOMPARE(bar.topRight(), QPoint(kRight.right() - 5, 40 + 5));
    }
};

QTEST_MAIN(TestDualheadScreenGrab)
#include "tst_dualhead_screengrab.moc"
