// The region windows on a private X server, also on a real desktop (a
// window manager, its compositor on or off, panels), driven with xdotool:
// the picker over real windows, clicks through the frame, its bracket drag,
// where its border lies on the screen, what a grab of the screen shows with
// and without a compositing manager and when one stops, drawing on the
// region without one, and the size panel typed into.
#include <QtTest>

#include "areaselected.h"
#include "areaselecting.h"
#include "core/vocabulary.h"
#include "graphicbase.h"
#include "graphicdrawing.h"
#include "mycustomareaselect.h"
#include "platform/compositingwatch.h"
#include "platform/desktopchrome.h"
#include "platform/pointerlayer.h"
#include "platform/windowshape.h"
#include "platform/x11.h"
#include "byhand.h"
#include "programrun.h"
#include "regionowner.h"
#include "skinmanager.h"
#include "testsupport.h"

#include <QElapsedTimer>
#include <QFile>
#include <QScreen>
#include <QSpinBox>

#include <xcb/xcb.h>

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>

using testsupport::xdotool;

namespace {

// A plain window of one colour of another program (a connection of its
// own: the frame leaves the program's own windows alone), which counts the
// presses it gets. Placed exactly, below the frame that shows after it.
class Target
{
public:
    // `windowType` (e.g. "_NET_WM_WINDOW_TYPE_DOCK") makes it a panel as the
    // program sees them.
    explicit Target(const QRect &geometry, const char *windowType = nullptr) : c(xcb_connect(nullptr, nullptr))
    {
        const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
        window = xcb_generate_id(c);
        const uint32_t values[] = {0x00c800u, 1, XCB_EVENT_MASK_BUTTON_PRESS};
        xcb_create_window(c, XCB_COPY_FROM_PARENT, window, root, int16_t(geometry.x()), int16_t(geometry.y()),
                          uint16_t(geometry.width()), uint16_t(geometry.height()), 0, XCB_WINDOW_CLASS_INPUT_OUTPUT,
                          XCB_COPY_FROM_PARENT, XCB_CW_BACK_PIXEL | XCB_CW_OVERRIDE_REDIRECT | XCB_CW_EVENT_MASK,
                          values);
        if (windowType) {
            auto atom = [this](const char *name) {
                const auto r = x11::reply(c, xcb_intern_atom(c, 0, uint16_t(strlen(name)), name), xcb_intern_atom_reply);
                return r ? r->atom : xcb_atom_t(XCB_ATOM_NONE);
            };
            const xcb_atom_t type = atom(windowType);
            xcb_change_property(c, XCB_PROP_MODE_REPLACE, window, atom("_NET_WM_WINDOW_TYPE"), XCB_ATOM_ATOM, 32, 1,
                                &type);
        }
        xcb_map_window(c, window);
        x11::roundTrip(c);
    }
    ~Target() { xcb_disconnect(c); }
    Target(const Target &) = delete;
    Target &operator=(const Target &) = delete;

    // The presses it got so far.
    int presses()
    {
        while (const x11::Reply<xcb_generic_event_t> e{xcb_poll_for_event(c)})
            m_presses += (e->response_type & 0x7f) == XCB_BUTTON_PRESS;
        return m_presses;
    }

private:
    xcb_connection_t *c;
    xcb_window_t window = 0;
    int m_presses = 0;
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

const QColor kBorderRed(235, 51, 36);

// Whether this run has a desktop of its own rather than a bare server.
bool onDesktop()
{
    return !qEnvironmentVariableIsEmpty("MIRELO_TEST_DESKTOP");
}

// Turns compositing on or off, as the user would on this desktop, and waits
// until it holds: xfwm4 through its own switch, picom started or stopped on
// openbox and i3 (the one openbox-picom started, through the process id
// run-test.sh keeps); a bare server gets a compositing manager started or
// stopped.
class Compositing
{
public:
    ~Compositing()
    {
        if (m_manager.state() != QProcess::NotRunning) {
            m_manager.kill();
            m_manager.waitForFinished();
        }
    }
    bool set(bool on)
    {
        using testsupport::Desktop;
        switch (testsupport::desktop()) {
        case Desktop::Xfce:
            if (QProcess::execute("xfconf-query", {"-c", "xfwm4", "-p", "/general/use_compositing", "-s",
                                                   on ? "true" : "false"})
                != 0)
                return false;
            break;
        case Desktop::Kwin:
            // Its own switch only suspends compositing: it keeps the
            // compositing manager's selection, so nobody sees it off.
            if (!on)
                return false;
            break;
        case Desktop::Openbox:
        case Desktop::I3:
            if (!setPicom(on))
                return false;
            break;
        case Desktop::None:
            if (on && m_manager.state() == QProcess::NotRunning) {
                m_manager.start("xcompmgr", QStringList());
                if (!m_manager.waitForStarted())
                    return false;
            } else if (!on && m_manager.state() != QProcess::NotRunning) {
                m_manager.kill();
                m_manager.waitForFinished();
            }
            break;
        }
        QElapsedTimer clock;
        clock.start();
        while (WindowShape::instance()->compositingManagerRunning() != on && clock.elapsed() < 10000)
            QTest::qWait(20);
        return WindowShape::instance()->compositingManagerRunning() == on;
    }
    // Back to what this run's desktop has.
    bool restore() { return set(testsupport::desktopComposites()); }

private:
    // picom outlives this object, as the desktop's own would: the X server
    // ends it with the test at the latest.
    static bool setPicom(bool on)
    {
        QFile pidFile(qEnvironmentVariable("MIRELO_TEST_ROOT") + QStringLiteral("/picom.pid"));
        if (!on) {
            if (!pidFile.open(QIODevice::ReadOnly))
                return true; // none runs
            const qint64 pid = pidFile.readAll().trimmed().toLongLong();
            pidFile.close();
            pidFile.remove();
            return pid <= 0 || ::kill(pid_t(pid), SIGTERM) == 0 || errno == ESRCH;
        }
        if (WindowShape::instance()->compositingManagerRunning())
            return true;
        QProcess picom;
        picom.setProgram("picom");
        picom.setArguments({"--config", "/dev/null", "--backend", "xrender"});
        picom.setStandardOutputFile(QProcess::nullDevice());
        picom.setStandardErrorFile(QProcess::nullDevice());
        qint64 pid = 0;
        if (!picom.startDetached(&pid) || !pidFile.open(QIODevice::WriteOnly))
            return false;
        pidFile.write(QByteArray::number(pid));
        return true;
    }

    QProcess m_manager;
};

// Shows the frame around (100, 100, 600, 400) and waits until its border is
// painted on the screen.
void showRegion(AreaSelected *frame)
{
    frame->setSelectedRectImmediately(QRect(100, 100, 600, 400));
    frame->setFullScreenMode(false);
    showAndWait(frame);
    QTRY_COMPARE(QColor(screenPixel(QPoint(99, 98))), kBorderRed);
}

// The red pixels of a rectangle of the screen.
int redPixels(const QRect &r)
{
    const QImage image = QGuiApplication::primaryScreen()->grabWindow(0, r.x(), r.y(), r.width(), r.height()).toImage();
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += QColor(image.pixel(x, y)) == kBorderRed;
    return n;
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
        // Where it lies: a window manager places and frames it.
        const QRect drawing = testsupport::placedWindow(QStringLiteral("XLogo"), QRect(300, 200, 200, 150));
        QVERIFY(drawing.isValid());
        const QPoint middle = drawing.center();
        {
            AreaSelecting picker(nullptr);
            whenActive(&picker, {"mousemove", QString::number(middle.x() - 10), QString::number(middle.y() - 10),
                                 "sleep", "0.2", "mousemove", QString::number(middle.x()), QString::number(middle.y()),
                                 "sleep", "0.3", "click", "1"});
            QCOMPARE(picker.exec(), int(QDialog::Accepted));
            // Well below its top: the innermost window, xlogo's drawing.
            QCOMPARE(picker.selectedRect(), drawing);
        }
        {
            AreaSelecting picker(nullptr);
            whenActive(&picker, {"mousemove", QString::number(middle.x() + 20), QString::number(middle.y() + 10),
                                 "sleep", "0.3", "key", "Escape"});
            QCOMPARE(picker.exec(), int(QDialog::Rejected));
        }
        xlogo.kill();
        xlogo.waitForFinished();
    }

    // With a compositor the frame shows whole and only its painted parts
    // take the pointer; a full-screen frame's border runs along the
    // screen's own edge, over the panels, and its tool bar lies clear of
    // them, inside the work area (also of a panel the window manager keeps
    // out of its lists or a desktop keeps no work area for, as i3 its bar).
    void clicksGoThroughAndBracketsResize()
    {
        Compositing compositing;
        // A desktop keeps its own (one started without its compositor
        // cannot start it).
        QVERIFY(onDesktop() || compositing.set(true));
        Target target(QRect(200, 200, 300, 200));
        const int width = QGuiApplication::primaryScreen()->geometry().width();
        Target bar(QRect(0, 0, width, 24), "_NET_WM_WINDOW_TYPE_DOCK");
        AreaSelected frame(nullptr);
        g_areaSelected = &frame;
        showAndWait(&frame);
        QCOMPARE(frame.frameGeometry(), QGuiApplication::primaryScreen()->geometry());
        QTRY_VERIFY(redPixels(QRect(0, 0, width, 1)) > width / 3);
        QCOMPARE(redPixels(QRect(300, 29, width - 600, 1)), 0);
        QWidget *toolBar = frame.findChild<QWidget *>(QStringLiteral("frmWindowHint"));
        const QRect onScreen = toolBar->geometry().translated(frame.geometry().topLeft());
        const QList<QRect> panels = DesktopChrome::instance()->panels();
        QVERIFY(panels.contains(QRect(0, 0, width, 24)));
        for (const QRect &panel : panels)
            QVERIFY2(!onScreen.intersects(panel), "the tool bar lies over a panel");
        QVERIFY(QGuiApplication::primaryScreen()->availableGeometry().contains(onScreen));
        // And shows there: nothing lies over it, so the screen there changes
        // with it.
        auto grabBar = [&] {
            return QGuiApplication::primaryScreen()
                ->grabWindow(0, onScreen.x(), onScreen.y(), onScreen.width(), onScreen.height())
                .toImage();
        };
        const QImage withBar = grabBar();
        frame.hide();
        QImage without;
        auto changedShare = [&] {
            without = grabBar();
            int differ = 0, all = 0;
            for (int y = 0; y < without.height(); y += 2) {
                for (int x = 0; x < without.width(); x += 2) {
                    const QColor a = withBar.pixelColor(x, y), b = without.pixelColor(x, y);
                    differ += qAbs(a.red() - b.red()) + qAbs(a.green() - b.green()) + qAbs(a.blue() - b.blue()) > 40;
                    ++all;
                }
            }
            return double(differ) / all;
        };
        QTRY_VERIFY2(changedShare() > 0.5, "the tool bar does not show");
        showAndWait(&frame);
        QVERIFY(xdotool({"mousemove", "300", "250", "click", "1"}));
        QTRY_COMPARE(target.presses(), 1);

        frame.setSelectedRectImmediately(QRect(100, 100, 600, 400));
        frame.setFullScreenMode(false);
        QTRY_COMPARE(QColor(screenPixel(QPoint(99, 98))), kBorderRed);
        QVERIFY(xdotool({"mousemove", "300", "250", "click", "1"}));
        QTRY_COMPARE(target.presses(), 2);

        // The bottom-right bracket, dragged 50 px out.
        QVERIFY(xdotool({"mousemove", "698", "498", "sleep", "0.2", "mousemove", "699", "499", "sleep", "0.2",
                         "mousedown", "1", "sleep", "0.2", "mousemove", "720", "520", "sleep", "0.2", "mousemove",
                         "749", "549", "sleep", "0.2", "mouseup", "1"}));
        QTRY_COMPARE(frame.selectedRect(), QRect(100, 100, 650, 450));
        QCOMPARE(target.presses(), 2);
        g_areaSelected = nullptr;
    }

    // While recording, the border lies just outside the recorded pixels:
    // a grab of the region shows the window below, not the line.
    void recordedRegionHoldsNoBorder()
    {
        Target target(QRect(50, 50, 800, 600));
        // On the screen whole (a compositor may fade a new window in).
        QTRY_COMPARE(QColor(screenPixel(QPoint(100, 100))), QColor(0, 200, 0));
        QTRY_COMPARE(QColor(screenPixel(QPoint(699, 499))), QColor(0, 200, 0));
        AreaSelected frame(nullptr);
        frame.setSelectedRectImmediately(QRect(100, 100, 600, 400));
        frame.setFullScreenMode(false);
        frame.setRecordingMode(true);
        showAndWait(&frame);
        // Dotted: red and grey by turns.
        QTRY_VERIFY(redPixels(QRect(99, 100, 1, 400)) > 100);
        const QImage recorded = QGuiApplication::primaryScreen()->grabWindow(0, 100, 100, 600, 400).toImage();
        for (int x = 0; x < recorded.width(); ++x)
            for (int y : {0, 1, recorded.height() - 2, recorded.height() - 1})
                QCOMPARE(QColor(recorded.pixel(x, y)), QColor(0, 200, 0));
        for (int y = 0; y < recorded.height(); ++y)
            for (int x : {0, 1, recorded.width() - 2, recorded.width() - 1})
                QCOMPARE(QColor(recorded.pixel(x, y)), QColor(0, 200, 0));
    }

    // A compositor that stops while the frame shows leaves the desktop
    // showing (the frame is cut again), and one that starts keeps it so.
    void compositorSwitchedWhileTheFrameShows()
    {
        if (qgetenv("MIRELO_TEST_DESKTOP") == "xfwm-nocomp")
            QSKIP("this desktop's window manager runs without its compositor");
        if (testsupport::desktop() == testsupport::Desktop::Kwin)
            QSKIP("KWin cannot be seen to stop compositing");
        Compositing compositing;
        QVERIFY(compositing.set(true));
        Target target(QRect(50, 50, 1000, 800));
        AreaSelected frame(nullptr);
        showRegion(&frame);
        for (bool on : {false, true, false}) {
            QSignalSpy followed(CompositingWatch::instance(), &CompositingWatch::changed);
            QVERIFY(compositing.set(on));
            QVERIFY(!followed.isEmpty() || followed.wait(10000));
            // Inside the region and beside it the window below, not black,
            // and the border, once the window manager's switch (which
            // flickers on its own for a while) is over: in several grabs
            // in a row.
            auto shown = [] {
                for (int i = 0; i < 5; ++i) {
                    if (QColor(screenPixel(QPoint(300, 250))) != QColor(0, 200, 0)
                        || QColor(screenPixel(QPoint(900, 700))) != QColor(0, 200, 0)
                        || QColor(screenPixel(QPoint(99, 98))) != kBorderRed)
                        return false;
                    QCoreApplication::processEvents();
                }
                return true;
            };
            QElapsedTimer clock;
            clock.start();
            bool steady = false;
            while (!(steady = shown()) && clock.elapsed() < 20000)
                QTest::qWait(50);
            QVERIFY2(steady, on ? "compositor on" : "compositor off");
        }
        QVERIFY(xdotool({"mousemove", "300", "250", "click", "1"}));
        QTRY_COMPARE(target.presses(), 1);
        QVERIFY(compositing.restore());
    }

    void withoutCompositorTheDesktopShowsThroughAlsoWhileDrawing()
    {
        if (testsupport::desktop() == testsupport::Desktop::Kwin)
            QSKIP("KWin cannot be seen to stop compositing");
        Compositing compositing;
        QVERIFY(compositing.set(false));
        Target target(QRect(200, 200, 300, 200));
        AreaSelected frame(nullptr);
        showRegion(&frame); // the frame is painted
        // Inside the region the window below shows as it is, never black.
        QCOMPARE(QColor(screenPixel(QPoint(300, 250))), QColor(0, 200, 0));
        QCOMPARE(QColor(screenPixel(QPoint(480, 380))), QColor(0, 200, 0));

        // The right edge, taken 4 px beside its line, and back from 3 px
        // inside it.
        QVERIFY(xdotool({"mousemove", "703", "300", "sleep", "0.2", "mousemove", "704", "300", "sleep", "0.2",
                         "mousedown", "1", "sleep", "0.2", "mousemove", "730", "300", "sleep", "0.2", "mousemove",
                         "754", "300", "sleep", "0.2", "mouseup", "1"}));
        // The edge follows the pointer.
        QTRY_COMPARE(frame.selectedRect(), QRect(100, 100, 655, 400));
        QVERIFY(xdotool({"mousemove", "750", "300", "sleep", "0.2", "mousemove", "751", "300", "sleep", "0.2",
                         "mousedown", "1", "sleep", "0.2", "mousemove", "720", "300", "sleep", "0.2", "mousemove",
                         "699", "300", "sleep", "0.2", "mouseup", "1"}));
        QTRY_COMPARE(frame.selectedRect(), QRect(100, 100, 600, 400));
        QCOMPARE(target.presses(), 0);

        // Recording with a drawing tool: the region takes the pointer.
        frame.setRecordingMode(true);
        showAndWait(&frame);
        frame.setGraphicType(1);
        QTRY_VERIFY(frame.pointerLayer() && frame.pointerLayer()->isShown());
        // The layer's shape and stacking carried out before the pointer moves.
        QCoreApplication::processEvents();
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
        QCOMPARE(target.presses(), 0);
        QTRY_COMPARE(QColor(screenPixel(QPoint(250, 280))), QColor(Qt::red));
        QCOMPARE(QColor(screenPixel(QPoint(300, 280))), QColor(0, 200, 0));
        // And more shapes after it: the pointer stays with the region.
        for (int i = 1; i <= 3; ++i) {
            const QString x = QString::number(380 + 40 * i);
            QVERIFY(xdotool({"mousemove", x, "150", "sleep", "0.2", "mousedown", "1", "sleep", "0.2", "mousemove", x,
                             "200", "sleep", "0.2", "mousemove", QString::number(400 + 40 * i), "220", "sleep", "0.2",
                             "mouseup", "1"}));
            QTRY_COMPARE(frame.drawing()->shapes().size(), 1 + i);
        }
        QCOMPARE(target.presses(), 0);

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
        QTRY_COMPARE(target.presses(), 1);
        QVERIFY(compositing.restore());
    }

    void pickFromTheFrameShowsNoFrame()
    {
        AreaSelected frame(nullptr);
        // The frame is painted on the screen before the pick.
        showRegion(&frame);
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
        QVERIFY(QColor(snapshot.pixel(99, 98)) != kBorderRed);
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

        // With the whole screen as the region the panel goes above it, at
        // the top of what the desktop's panels leave free (none covers its
        // caption), and the frame's tool bar does not cover its close
        // button: the button takes the click.
        const QRect whole = QGuiApplication::primaryScreen()->geometry();
        frame.setSelectedRectImmediately(whole);
        frame.setFullScreenMode(true);
        panel.placeBesideArea();
        const QRect placed = testsupport::waitSettled([&] { return panel.frameGeometry(); });
        QVERIFY(QGuiApplication::primaryScreen()->availableGeometry().contains(placed));
        for (const QRect &dock : DesktopChrome::instance()->panels())
            QVERIFY2(!placed.intersects(dock), "a panel of the desktop covers the size panel");
        auto *close = panel.findChild<QWidget *>(QStringLiteral("btnClose"));
        const QPoint button = close->mapToGlobal(close->rect().center());
        QVERIFY(xdotool({"mousemove", QString::number(button.x()), QString::number(button.y()), "sleep", "0.2",
                         "click", "1"}));
        QTRY_VERIFY(!panel.isVisible());
        g_areaSelected = nullptr;
    }
};

QTEST_MAIN(TestX11Region)
#include "tst_x11_region.moc"
