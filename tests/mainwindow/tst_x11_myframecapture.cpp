// The main frame on a private X server. Its screen-capture mode: the picture
// of the selected region is saved under the next free name and listed in
// the history with the region's size; a folder that cannot be made or a
// picture that cannot be saved (a full disk) shows a message, keeps no part
// of it and lists nothing. Its place above the region frame, out of a
// screenshot that hides it, below a picture pinned from that screenshot, and
// back where it was once shown again.
#include <QtTest>

#include "areaselected.h"
#include "areaselecting.h"
#include "core/datagroupoutput.h"
#include "core/datagroupprivate.h"
#include "core/datagrouprecording.h"
#include "core/edition.h"
#include "core/enviroment.h"
#include "core/myconfig.h"
#include "platform/x11.h"
#include "historylist.h"
#include "mainwindow/mirelo.h"
#include "myframe.h"
#include "pintoscreenwidget.h"
#include "titlebar.h"
#include "programrun.h"
#include "screencapturing.h"
#include "byhand.h"
#include "testsupport.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QMouseEvent>
#include <QMessageBox>
#include <QScreen>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>
#include <QX11Info>

#include <functional>

namespace {

// Answers each message box and keeps the last one's text.
class MessageCatcher : public QObject
{
public:
    MessageCatcher() { startTimer(20); }
    QString text;

protected:
    void timerEvent(QTimerEvent *) override
    {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            text = box->text();
            box->accept();
        }
    }
};

// Counts the presses that reach a window or any of its children (one
// passed on to a parent counts again; a second quick one is a double click).
class PressCounter : public QObject
{
public:
    explicit PressCounter(QWidget *window) : m_window(window) { qApp->installEventFilter(this); }
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *widget = qobject_cast<QWidget *>(watched);
        const bool press = event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick;
        if (press && widget && widget->window() == m_window)
            ++count;
        return false;
    }
    int count = 0;

private:
    QWidget *m_window;
};

// Waits until Qt has the window where the X server has it: a window manager
// that places a window itself (openbox centres it) tells Qt only after the
// window shows. Says both places when they stay apart.
QString placed(QWidget *window)
{
    const auto onScreen = [window] { return testsupport::windowGeometry(QString::number(window->winId())); };
    if (QTest::qWaitFor([&] { return onScreen() == window->geometry(); }, 30000))
        return QString();
    QString text;
    QDebug(&text) << "Qt has" << window->geometry() << "the X server" << onScreen();
    return text;
}

// Where a window lies with its window manager's frame. Qt may keep frame
// margins it measured while the window manager was still building its
// frame (openbox under load: a frame of 1x1): the window itself then.
QRect outline(QWidget *window)
{
    const QRect outer = window->frameGeometry();
    return outer.contains(window->geometry()) ? outer : window->geometry();
}

} // namespace

class TestX11MyFrameCapture : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        createApplicationData();
        g_myConfig = new MyConfig;
        m_mirelo = new Mirelo(nullptr, QString());
    }
    // A failed check leaves its main window, its region frame or a tool
    // over the next function: gone first, so that one failure stays one.
    void cleanup()
    {
        if (QWidget *popup = QApplication::activePopupWidget())
            popup->close();
        for (QWidget *w : QApplication::topLevelWidgets()) {
            if (qobject_cast<ScreenCapturing *>(w) || qobject_cast<AreaSelecting *>(w))
                w->deleteLater();
        }
        if (g_areaSelected)
            g_areaSelected->hide();
        if (MyFrame *frame = m_mirelo->frame()) {
            m_mirelo->setFrame(nullptr);
            m_mirelo->setParent(nullptr);
            delete frame;
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    void cleanupTestCase()
    {
        delete m_mirelo;
        delete g_myConfig;
        g_myConfig = nullptr;
        releaseApplicationData();
    }

    void screenCaptureModeSavesAndListsTheRegion()
    {
        QTemporaryDir shots;
        g_enviroment->output()->ScreenshotsFolder = shots.path();
        g_areaSelected->setSelectedRectImmediately(QRect(10, 20, 160, 90));
        MyFrame frame(new QWidget, nullptr, 0x10000005, QPixmap());
        MessageCatcher catcher;
        const int before = g_historyList->items().size();
        frame.SetMainFunMode(3);
        frame.SetMainFunMode(3);
        QCOMPARE(g_historyList->items().size(), before + 2);
        HistoryItem *latest = g_historyList->items().first();
        QCOMPARE(latest->type(), 2);
        // The region's size, not the saved picture's.
        QCOMPARE(latest->size(), g_areaSelected->selectedRect().size());
        // The second capture of a minute takes the next free number; a minute
        // that turned between the two starts again at 01.
        const QString earlier = g_historyList->items().at(1)->fileName();
        const bool sameMinute = earlier.left(earlier.size() - 7) == latest->fileName().left(latest->fileName().size() - 7);
        QVERIFY2(latest->fileName().endsWith(QLatin1String(sameMinute ? "-02.jpg" : "-01.jpg")), qPrintable(latest->fileName()));
        QVERIFY(QFileInfo(latest->fileName()).size() > 0);
        QVERIFY(frame.flyingScreenshot());
        QTRY_VERIFY(!frame.flyingScreenshot());

        // A folder that cannot be made: a message and nothing else.
        QFile blocker(shots.filePath("file"));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        g_enviroment->output()->ScreenshotsFolder = shots.filePath("file/sub");
        frame.SetMainFunMode(3);
        QCOMPARE(catcher.text,
                 QStringLiteral("The location of screenshot files is not valid, please reselect it in settings."));
        QCOMPARE(g_historyList->items().size(), before + 2);

        // No picture at all (a screen that went away): neither file is
        // written, so no entry points at nothing.
        g_enviroment->output()->ScreenshotsFolder = shots.path();
        const int screen = g_enviroment->privateData->ScreenIndex;
        g_enviroment->privateData->ScreenIndex = 7;
        frame.SetMainFunMode(3);
        g_enviroment->privateData->ScreenIndex = screen;
        QCOMPARE(catcher.text, QStringLiteral("Failed to save the screenshot."));
        QCOMPARE(g_historyList->items().size(), before + 2);
        QCOMPARE(QDir(shots.path()).entryList({"*.png"}).size(), 0);

        // A full disk: nothing half-written stays and nothing is listed.
        catcher.text.clear();
        const QStringList files = QDir(shots.path()).entryList(QDir::Files);
        {
            testsupport::FileSizeLimit full(64);
            frame.SetMainFunMode(3);
        }
        QCOMPARE(catcher.text, QStringLiteral("Failed to save the screenshot."));
        QCOMPARE(g_historyList->items().size(), before + 2);
        QCOMPARE(QDir(shots.path()).entryList(QDir::Files), files);
    }

    // A region frame shown over the main window (a centred preset) never
    // covers nor blocks it, however the desktop stacks the two (a window
    // manager that restacks its windows as one block, a compositing manager
    // that paints the frame over every managed window): where its border
    // crosses the window the screen shows the window, and a click there
    // reaches it. Nor does the frame sink below the desktop: its border
    // shows beside the window. The full-screen frame takes a click nowhere
    // but on what it paints.
    void windowStaysAboveTheRegionFrame()
    {
        MyFrame *frame = showFrame();
        const QString misplaced = frame ? placed(frame) : QStringLiteral("not shown");
        QVERIFY2(misplaced.isEmpty(), qPrintable(misplaced));
        // Beyond its rounded corner the screen shows what lies behind the
        // window, not the black of pixels no compositor blended.
        const auto pixel = [](QPoint p) {
            return QGuiApplication::primaryScreen()->grabWindow(0, p.x(), p.y(), 1, 1).toImage().pixelColor(0, 0);
        };
        const QPoint corner = outline(frame).topLeft();
        if (pixel(corner - QPoint(1, 1)) != Qt::black)
            QTRY_VERIFY(pixel(corner) != Qt::black);
        PressCounter presses(frame);
        const QRect middle(outline(frame).center() - QPoint(320, 240), QSize(640, 480));
        g_areaSelected->setSelectedRectImmediately(middle);
        g_areaSelected->setFullScreenMode(false);
        g_areaSelected->show();
        QVERIFY(QTest::qWaitForWindowExposed(g_areaSelected, 30000));
        const QRect window = outline(frame);
        QVERIFY2(middle.top() < window.top() && middle.left() > window.left(),
                 qPrintable(QString::asprintf("region %d,%d %dx%d window %d,%d %dx%d", middle.x(), middle.y(),
                                              middle.width(), middle.height(), window.x(), window.y(),
                                              window.width(), window.height())));
        // The border's top line lies above the window, its left line runs
        // across it.
        QTRY_VERIFY_WITH_TIMEOUT(redPixels(QRect(middle.left(), middle.top() - 1, middle.width(), 1)) > 100, 30000);
        QCOMPARE(redPixels(QRect(middle.left() - 1, window.top(), 1, window.height())), 0);
        // On the border's line, where it crosses the window.
        const QRect inside = outline(frame).intersected(middle.adjusted(-1, -1, 1, 1));
        QVERIFY(!inside.isEmpty());
        QVERIFY(testsupport::xdotool({"mousemove", QString::number(inside.left()),
                                      QString::number(inside.center().y()), "click", "1"}));
        QTRY_VERIFY(presses.count > 0);
        const int before = presses.count;
        // What the click opened (the mode box's list) takes the next click.
        if (QWidget *popup = QApplication::activePopupWidget())
            popup->close();

        g_areaSelected->setFullScreen();
        QVERIFY(testsupport::xdotool({"mousemove", QString::number(outline(frame).center().x()),
                                      QString::number(outline(frame).center().y()), "click", "1"}));
        QTRY_VERIFY(presses.count > before);

        // And so after a recording over the whole screen.
        g_areaSelected->setRecordingMode(true);
        g_areaSelected->show();
        QVERIFY(QTest::qWaitForWindowExposed(g_areaSelected, 30000));
        g_areaSelected->hide();
        g_areaSelected->setRecordingMode(false);
        g_areaSelected->show();
        QVERIFY(QTest::qWaitForWindowExposed(g_areaSelected, 30000));
        if (QWidget *popup = QApplication::activePopupWidget())
            popup->close();
        const int afterRecording = presses.count;
        QVERIFY(testsupport::xdotool({"mousemove", QString::number(outline(frame).center().x()),
                                      QString::number(outline(frame).center().y()), "click", "1"}));
        QTRY_VERIFY(presses.count > afterRecording);
        g_areaSelected->hide();
        m_mirelo->setFrame(nullptr);
        m_mirelo->setParent(nullptr);
        delete frame;
    }

    // With "hide the main window" the screenshot's picture holds what lies
    // below the main window, not the window: the grab waits until the
    // screen has repainted (a compositing manager shows a hidden window's
    // last picture until then). The region picker, which always hides it,
    // waits the same way.
    void hiddenMainWindowIsNotInTheScreenshot()
    {
        g_enviroment->recording()->setHideMainWhenScreenshot(true);
        const QColor colour(255, 0, 255);
        QWidget below;
        QPalette palette;
        palette.setColor(QPalette::Window, colour);
        below.setPalette(palette);
        below.setAutoFillBackground(true);
        below.setGeometry(QGuiApplication::primaryScreen()->availableGeometry().adjusted(40, 40, -40, -40));
        below.show();
        QVERIFY(QTest::qWaitForWindowExposed(&below, 30000));
        MyFrame *frame = showFrame();
        const QString misplaced = frame ? placed(frame) : QStringLiteral("not shown");
        QVERIFY2(misplaced.isEmpty(), qPrintable(misplaced));
        frame->raise();
        frame->activateWindow();
        // Inside the frame, clear of a shadow a window manager may add.
        const QRect inner = outline(frame).adjusted(30, 30, -30, -30) & outline(&below);
        QVERIFY(!inner.isEmpty());
        auto share = [&](const QImage &picture, const QPoint &origin) {
            int hits = 0, all = 0;
            for (int y = inner.top(); y <= inner.bottom(); y += 5) {
                for (int x = inner.left(); x <= inner.right(); x += 5) {
                    const QColor c = picture.pixelColor(QPoint(x, y) - origin);
                    hits += qAbs(c.red() - 255) + c.green() + qAbs(c.blue() - 255) < 40;
                    ++all;
                }
            }
            return double(hits) / all;
        };
        auto screen = [] { return QGuiApplication::primaryScreen()->grabWindow(0).toImage(); };
        // Once the window shows over the colour: a compositing manager
        // (kwin) may show the colour again for a moment while it brings a
        // window in, so the screen is not asked twice. And once the program
        // has heard so: until then its window is not on the screen to it,
        // and what the screen shows there may be the last tool's picture
        // on its way out (a loaded machine).
        auto windowShows = [&] {
            return testsupport::waitFor(
                [&] { return frame->windowHandle()->isExposed() && share(screen(), QPoint()) < 0.5; }, 30000);
        };
        QVERIFY(windowShows());

        QImage picture;
        QPoint origin;
        bool frameShown = true;
        QTimer look;
        connect(&look, &QTimer::timeout, [&] {
            for (QWidget *w : QApplication::topLevelWidgets()) {
                auto *tool = qobject_cast<AreaSelecting *>(w);
                if (tool && tool->isVisible()) {
                    look.stop();
                    picture = tool->desktopImage();
                    origin = tool->screenRect().topLeft();
                    frameShown = frame->isVisible();
                    tool->reject();
                }
            }
        });
        const std::pair<const char *, std::function<void()>> roads[] = {
            {"screenshot", [&] { m_mirelo->showScreenCapturing(); }},
            {"region pick", [&] { m_mirelo->actSelectAreaTriggered(); }},
        };
        for (const auto &road : roads) {
            picture = QImage();
            frameShown = true;
            look.start(20);
            road.second();
            // The screenshot tool is shown, not run (a hotkey opens it too):
            // its picture comes once the frame has left the screen.
            QVERIFY2(QTest::qWaitFor([&] { return !picture.isNull(); }, 30000), road.first);
            QVERIFY2(!frameShown, road.first);
            QVERIFY2(share(picture, origin) > 0.9, qPrintable(QStringLiteral("the main window is in the %1's picture")
                                                                    .arg(QLatin1String(road.first))));
            // And it comes back afterwards.
            QTRY_VERIFY2(frame->isVisible(), road.first);
            QVERIFY2(windowShows(), road.first);
        }

        m_mirelo->setFrame(nullptr);
        m_mirelo->setParent(nullptr);
        delete frame;
    }

    // A picture pinned from the screenshot tool that hid the main window
    // lies above the main window, which came back before it (i3 puts the
    // window mapped last on top, whatever either asks).
    void aPinnedPictureLiesAboveTheMainWindow()
    {
        g_enviroment->recording()->setHideMainWhenScreenshot(true);
        MyFrame *frame = showFrame();
        const QString misplaced = frame ? placed(frame) : QStringLiteral("not shown");
        QVERIFY2(misplaced.isEmpty(), qPrintable(misplaced));
        // A picture of the middle of the window, pinned.
        const QRect region(outline(frame).center() - QPoint(150, 80), QSize(300, 160));
        QTimer look;
        connect(&look, &QTimer::timeout, [&] {
            for (QWidget *w : QApplication::topLevelWidgets()) {
                auto *tool = qobject_cast<ScreenCapturing *>(w);
                if (tool && tool->isVisible()) {
                    look.stop();
                    tool->setSelection(region);
                    tool->pinToScreen();
                }
            }
        });
        look.start(20);
        // The tool shows and returns; the pin comes once it has been used.
        m_mirelo->showScreenCapturing();
        QTRY_COMPARE_WITH_TIMEOUT(PinToScreenWidget::pinnedWidgets().size(), 1, 30000);
        PinToScreenWidget *pin = PinToScreenWidget::pinnedWidgets().first();
        QVERIFY(QTest::qWaitForWindowExposed(pin, 30000));
        QVERIFY(frame->isVisible());
        QVERIFY(QTest::qWaitForWindowExposed(frame, 30000));
        QTRY_VERIFY_WITH_TIMEOUT(testsupport::stackedAbove(quint32(pin->winId()), quint32(frame->winId())), 15000);
        PinToScreenWidget::closeAll();
        m_mirelo->setFrame(nullptr);
        m_mirelo->setParent(nullptr);
        delete frame;
    }

    // Hidden and shown again (a screenshot that hides it, a recording, an
    // exclusive window), the main window comes back to the same place on
    // the screen, however the window manager places a window it maps anew.
    void hiddenWindowComesBackToItsPlace()
    {
        MyFrame *frame = showFrame();
        QVERIFY(frame);
        const QRect work = QGuiApplication::primaryScreen()->availableGeometry();
        frame->move(work.topLeft() + QPoint(300, 200));
        auto place = [&] { return onScreen(frame); };
        QRect start = testsupport::waitSettled(place);
        QVERIFY(!start.isEmpty());
        auto cycle = [&](const std::function<void()> &hideAndShow) -> QRect {
            hideAndShow();
            if (!testsupport::waitFor([&] { return frame->windowHandle()->isExposed(); }, 30000))
                return QRect();
            return testsupport::waitSettled(place);
        };
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(cycle([&] {
                         frame->hide();
                         frame->show();
                     }),
                     start);
        }
        // As the region frame's custom size panel does it.
        QCOMPARE(cycle([&] {
                     m_mirelo->setFrameVisible(false);
                     QCoreApplication::processEvents();
                     m_mirelo->setFrameVisible(true);
                 }),
                 start);
        // Shown and hidden again before it was put back (the History
        // window that opens after a recording hides it), then shown once
        // that closes: where the window manager put the window for that
        // moment (KWin at 0,0, i3 shifted by the size of its decoration),
        // whether it says so before or while the window is hidden, moves
        // it nowhere.
        for (int i = 0; i < 6; ++i) {
            QCOMPARE(cycle([&] {
                         frame->hide();
                         frame->show();
                         if (i % 3 == 1)
                             QVERIFY(mappedUnheard(frame));
                         else if (i % 3 == 2)
                             QVERIFY(windowManagerCaughtUp());
                         frame->hide();
                         QVERIFY(windowManagerCaughtUp());
                         frame->show();
                     }),
                     start);
        }
        m_mirelo->setFrame(nullptr);
        m_mirelo->setParent(nullptr);
        delete frame;
    }

    // A drag of the title bar hands the move to the window manager from
    // where the title bar was pressed: Qt's own call starts it from the
    // last place its window saw the pointer (the button that opened a page
    // before a recording, long gone), and the window manager moves the
    // window by the difference at the first motion. The test stands in for
    // the window manager: it lists the move as supported and hears what
    // the program asks of it.
    void aTitleBarDragStartsWhereItIsPressed()
    {
        if (testsupport::desktop() != testsupport::Desktop::None)
            QSKIP("stands in for a window manager, which the desktop has");
        xcb_connection_t *wm = xcb_connect(nullptr, nullptr);
        const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(wm)).data->root;
        const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_change_window_attributes(wm, root, XCB_CW_EVENT_MASK, &mask);
        const xcb_atom_t moveResize = x11::atom("_NET_WM_MOVERESIZE");
        xcb_change_property(wm, XCB_PROP_MODE_REPLACE, root, x11::atom("_NET_SUPPORTED"), XCB_ATOM_ATOM, 32, 1,
                            &moveResize);
        x11::roundTrip(wm);

        auto *frame = new MyFrame(m_mirelo, nullptr, CAbstractFrame::CloseButton, QPixmap(), 0, 0);
        frame->show();
        QVERIFY(QTest::qWaitForWindowExposed(frame, 30000));
        QWidget *title = frame->titleBar();
        const QPoint local(title->width() / 3, title->height() / 2);
        const QPoint pressedAt = title->mapToGlobal(local);
        QMouseEvent press(QEvent::MouseButtonPress, local, pressedAt, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(title, &press);
        QMouseEvent release(QEvent::MouseButtonRelease, local, pressedAt, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(title, &release);

        QPoint asked(-1, -1);
        quint32 what = 0;
        const bool heard = testsupport::waitFor(
            [&] {
                while (x11::Reply<xcb_generic_event_t> e{xcb_poll_for_event(wm)}) {
                    if ((e->response_type & 0x7f) != XCB_CLIENT_MESSAGE)
                        continue;
                    const auto *m = reinterpret_cast<const xcb_client_message_event_t *>(e.get());
                    if (m->type == moveResize && m->window == xcb_window_t(frame->winId())) {
                        asked = QPoint(int(m->data.data32[0]), int(m->data.data32[1]));
                        what = m->data.data32[2];
                    }
                }
                return asked != QPoint(-1, -1);
            },
            10000);
        xcb_delete_property(wm, root, x11::atom("_NET_SUPPORTED"));
        x11::roundTrip(wm);
        xcb_disconnect(wm);
        m_mirelo->setParent(nullptr);
        delete frame;
        QVERIFY(heard);
        QCOMPARE(asked, pressedAt);
        QCOMPARE(what, quint32(8)); // a move
    }

private:
    // The main window as the program shows it; null when it is not shown.
    MyFrame *showFrame()
    {
        auto *frame = new MyFrame(m_mirelo, nullptr, CAbstractFrame::CloseButton, QPixmap(), 0, 0);
        m_mirelo->setFrame(frame);
        frame->show();
        return QTest::qWaitForWindowExposed(frame, 30000) ? frame : nullptr;
    }

    // The pixels of a rectangle of the screen in the region frame's red.
    static int redPixels(const QRect &r)
    {
        const QImage image =
            QGuiApplication::primaryScreen()->grabWindow(0, r.x(), r.y(), r.width(), r.height()).toImage();
        int n = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                n += QColor(image.pixel(x, y)) == QColor(235, 51, 36);
        return n;
    }

    // Waits until the window manager has mapped the window, without the
    // program hearing of it yet (no event handled meanwhile): it is where
    // the window manager placed it, not yet put back.
    static bool mappedUnheard(QWidget *window)
    {
        xcb_connection_t *c = QX11Info::connection();
        const xcb_window_t id = xcb_window_t(window->winId());
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < 30000) {
            const auto a = x11::reply(c, xcb_get_window_attributes(c, id), xcb_get_window_attributes_reply);
            if (a && a->map_state == XCB_MAP_STATE_VIEWABLE)
                return true;
            QThread::msleep(5);
        }
        return false;
    }

    // The window manager has done all that was asked of it before (and
    // the program heard what it said of it): it maps a window only after
    // it has handled what came before.
    static bool windowManagerCaughtUp()
    {
        xcb_connection_t *c = QX11Info::connection();
        const xcb_window_t w = xcb_generate_id(c);
        xcb_create_window(c, XCB_COPY_FROM_PARENT, w, xcb_window_t(QX11Info::appRootWindow()), 0, 0, 1, 1, 0,
                          XCB_WINDOW_CLASS_INPUT_OUTPUT, XCB_COPY_FROM_PARENT, 0, nullptr);
        xcb_map_window(c, w);
        const bool mapped = testsupport::waitFor(
            [&] {
                const auto a = x11::reply(c, xcb_get_window_attributes(c, w), xcb_get_window_attributes_reply);
                return a && a->map_state == XCB_MAP_STATE_VIEWABLE;
            },
            30000);
        xcb_destroy_window(c, w);
        x11::roundTrip(c);
        QCoreApplication::processEvents();
        return mapped;
    }

    // Where the window's own pixels lie on the screen, as the X server
    // has them (a window manager's frame around it left out).
    static QRect onScreen(QWidget *window)
    {
        if (!window->isVisible() || !window->windowHandle())
            return QRect();
        xcb_connection_t *c = QX11Info::connection();
        const xcb_window_t id = xcb_window_t(window->winId());
        const auto at = x11::reply(c, xcb_translate_coordinates(c, id, xcb_window_t(QX11Info::appRootWindow()), 0, 0),
                                   xcb_translate_coordinates_reply);
        const auto g = x11::reply(c, xcb_get_geometry(c, id), xcb_get_geometry_reply);
        return at && g ? QRect(at->dst_x, at->dst_y, g->width, g->height) : QRect();
    }

    Mirelo *m_mirelo = nullptr;
};

QTEST_MAIN(TestX11MyFrameCapture)
#include "tst_x11_myframecapture.moc"
