// The screenshot tool on a private X server, driven with xdotool: its grab is
// the real screen, pointing at a window selects it, a drag selects wherever
// it starts, typed text reaches the text box, and the panel's actions reach
// the clipboard, the disk, the history and a pinned window.
#include <QtTest>

#include "capturepanel.h"
#include "core/datagroupoutput.h"
#include "core/enviroment.h"
#include "core/vocabulary.h"
#include "fakehotkeybackend.h"
#include "graphicdrawing.h"
#include "graphiclabel.h"
#include "historyitem.h"
#include "historylist.h"
#include "myplaintextedit.h"
#include "pintoscreenwidget.h"
#include "platform/x11.h"
#include "programrun.h"
#include "screencapturing.h"
#include "skinmanager.h"
#include "testsupport.h"

#include <QAbstractButton>
#include <QDialog>
#include <QPainter>
#include <QPushButton>
#include <QScreen>

#include <memory>

#include <xcb/xcb.h>

using testsupport::xdotool;

namespace {

// Where xlogo is asked to be, and what pointing at it selects: its drawing
// (inside its one-pixel border; a window manager puts it inside its frame).
const QRect kLogoGeometry(300, 200, 200, 150);
QRect s_logo;

QStringList pointerTo(const QPoint &p)
{
    return {QStringLiteral("mousemove"), QString::number(p.x()), QString::number(p.y()), QStringLiteral("sleep"),
            QStringLiteral("0.2")};
}

QPoint centreOf(const QWidget *w) { return w->mapToGlobal(w->rect().center()); }

bool clickOn(const QWidget *w)
{
    return xdotool(pointerTo(centreOf(w)) + QStringList{QStringLiteral("click"), QStringLiteral("1")});
}

// Points at the logo and clicks, as a user picks a window; the tool then
// edits that selection. The pointer goes somewhere new on each try: Qt
// drops a move to the place it last saw.
ScreenCapturing *pickTheLogo()
{
    auto *tool = new ScreenCapturing(nullptr);
    tool->show();
    if (!QTest::qWaitForWindowExposed(tool))
        return tool;
    for (int i = 0; i < 40 && tool->selectedRect() != s_logo; ++i) {
        xdotool(pointerTo(s_logo.center() + QPoint(i % 7, i % 5)));
        (void)QTest::qWaitFor([tool] { return tool->selectedRect() == s_logo; }, 250);
    }
    xdotool({QStringLiteral("click"), QStringLiteral("1")});
    (void)QTest::qWaitFor([tool] { return tool->isEditing() && tool->panel()->isVisible(); }, 10000);
    return tool;
}

// Gives the window the keyboard focus, as a window manager does on a click,
// and types the keys once Qt has seen it.
bool typeInto(QWidget *window, const QString &keys)
{
    const QString id = QString::number(window->windowHandle()->winId());
    return xdotool({QStringLiteral("windowfocus"), QStringLiteral("--sync"), id})
        && QTest::qWaitFor([window] { return QApplication::activeWindow() == window; }, 10000)
        && xdotool({QStringLiteral("key"), keys});
}

// The share of the tool's screen that does not show what the tool paints:
// near none while it lies above every window, panels and docks too.
double hiddenShare(ScreenCapturing *tool)
{
    const QImage painted = tool->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QRect r = tool->screenRect();
    const QImage shown = QGuiApplication::primaryScreen()
                             ->grabWindow(0, r.x(), r.y(), r.width(), r.height())
                             .toImage()
                             .convertToFormat(QImage::Format_RGB32);
    if (painted.size() != shown.size())
        return 1;
    int differ = 0, all = 0;
    for (int y = 0; y < shown.height(); y += 3) {
        for (int x = 0; x < shown.width(); x += 3) {
            const QRgb a = painted.pixel(x, y), b = shown.pixel(x, y);
            differ += qAbs(qRed(a) - qRed(b)) + qAbs(qGreen(a) - qGreen(b)) + qAbs(qBlue(a) - qBlue(b)) > 40;
            ++all;
        }
    }
    return double(differ) / all;
}

// Someone holds the pointer: the window being pressed, or the window
// manager that moves it. Asked for with a time still to come, which the
// server never grants: a probe that held the pointer even for an instant
// could take it from a window manager starting its move, which then drops
// the move (xfwm4).
bool pointerHeld()
{
    xcb_connection_t *c = xcb_connect(nullptr, nullptr);
    const xcb_screen_t *screen = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
    // The server's time now: that of a property change on a window of our own.
    const xcb_window_t w = xcb_generate_id(c);
    const uint32_t events = XCB_EVENT_MASK_PROPERTY_CHANGE;
    xcb_create_window(c, 0, w, screen->root, 0, 0, 1, 1, 0, XCB_WINDOW_CLASS_INPUT_ONLY, XCB_COPY_FROM_PARENT,
                      XCB_CW_EVENT_MASK, &events);
    xcb_change_property(c, XCB_PROP_MODE_REPLACE, w, XCB_ATOM_WM_NAME, XCB_ATOM_STRING, 8, 0, nullptr);
    xcb_flush(c);
    xcb_timestamp_t now = 0;
    bool seen = false;
    while (!seen) {
        xcb_generic_event_t *event = xcb_wait_for_event(c);
        if (!event)
            break;
        if ((event->response_type & 0x7f) == XCB_PROPERTY_NOTIFY) {
            now = reinterpret_cast<xcb_property_notify_event_t *>(event)->time;
            seen = true;
        }
        free(event);
    }
    // A grab held by another client is told before the time is checked.
    const auto r = x11::reply(c,
                              xcb_grab_pointer(c, 0, screen->root, 0, XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC,
                                               XCB_NONE, XCB_NONE, now + (1u << 30)),
                              xcb_grab_pointer_reply);
    const bool held = seen && r && r->status == XCB_GRAB_STATUS_ALREADY_GRABBED;
    xcb_disconnect(c);
    return held;
}

QAbstractButton *button(QWidget *panel, const char *name)
{
    return panel->findChild<QAbstractButton *>(QLatin1String(name));
}

// The screen's pixels in `area`, once they stay the same (a window closed
// just before may still be leaving it).
QImage steadyPicture(const QRect &area)
{
    auto grab = [&] {
        return QGuiApplication::primaryScreen()
            ->grabWindow(0, area.x(), area.y(), area.width(), area.height())
            .toImage()
            .convertToFormat(QImage::Format_RGB32);
    };
    QImage last = grab(), now;
    for (int i = 0; i < 50 && (now = grab()) != last; ++i) {
        last = now;
        QTest::qWait(50);
    }
    return now;
}

// The share of the pixels of `a` and `b` (same size) that differ, within
// `area` (all of them when null) and outside `skip`.
double shareDiffering(const QImage &a, const QImage &b, const QRect &skip = QRect())
{
    if (a.size() != b.size())
        return 1;
    int differ = 0, all = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            if (skip.contains(x, y))
                continue;
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            differ += qAbs(qRed(p) - qRed(q)) + qAbs(qGreen(p) - qGreen(q)) + qAbs(qBlue(p) - qBlue(q)) > 24;
            ++all;
        }
    }
    return all ? double(differ) / all : 0;
}

bool isRed(QRgb c) { return qRed(c) > 150 && qGreen(c) < 100 && qBlue(c) < 100; }

// Opens a plain dialog of the tool's, as the file dialog opens where the
// tool covers the screen, and waits until the screen shows it (its whole
// outline with the window manager's frame: the title bar too, where the
// X server has it) before it closes.
bool showsADialog(QWidget *tool)
{
    QDialog dialog(tool);
    dialog.setWindowTitle(QStringLiteral("Save File"));
    QPalette palette = dialog.palette();
    palette.setColor(QPalette::Window, QColor(255, 0, 255));
    dialog.setPalette(palette);
    dialog.setAutoFillBackground(true);
    dialog.resize(320, 200);
    dialog.show();
    const auto shows = [&] {
        if (!dialog.isVisible())
            return false;
        const QRect r = dialog.geometry();
        const QImage screen = QGuiApplication::primaryScreen()->grabWindow(0, r.x(), r.y(), r.width(), r.height()).toImage();
        int magenta = 0, all = 0;
        for (int y = 4; y < screen.height() - 4; y += 6) {
            for (int x = 4; x < screen.width() - 4; x += 6) {
                const QRgb p = screen.pixel(x, y);
                magenta += qRed(p) > 200 && qGreen(p) < 60 && qBlue(p) > 200;
                ++all;
            }
        }
        return all && magenta == all;
    };
    const bool seen = QTest::qWaitFor(shows, 15000);
    dialog.close();
    return seen;
}

// The pixels of `picture` within `area` drawn in red where `before` was not.
int redInk(const QImage &picture, const QImage &before, const QRect &area)
{
    int ink = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            ink += isRed(picture.pixel(x, y)) && !isRed(before.pixel(x, y));
    return ink;
}

// The share of the pixels an arrow changed that `saved` shows as drawn.
double shareDrawn(const QImage &saved, const QImage &plain, const QImage &drawn)
{
    auto distance = [](QRgb a, QRgb b) {
        return qAbs(qRed(a) - qRed(b)) + qAbs(qGreen(a) - qGreen(b)) + qAbs(qBlue(a) - qBlue(b));
    };
    int changed = 0, shown = 0;
    for (int y = 0; y < plain.height(); ++y) {
        for (int x = 0; x < plain.width(); ++x) {
            const QRgb p = plain.pixel(x, y), d = drawn.pixel(x, y);
            if (distance(p, d) < 120)
                continue;
            ++changed;
            const QRgb s = saved.pixel(x, y);
            if (distance(s, d) < distance(s, p))
                ++shown;
        }
    }
    return changed ? double(shown) / changed : -1;
}

} // namespace

class TestX11ScreenCapturing : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();

    void pinShowsTheRegionAtItsPlace();
    void pointingAtAWindowSelectsItWithThePanelBelow();
    void copyIsServedAfterTheToolCloses();
    void saveWritesTheProposedJpegWithTheRedoneArrow();
    void anUndoneArrowIsNotSaved();
    void aPinnedPictureFollowsADrag();
    void aDragFromTheTopLeftIsSavedWithTypedText();

private:
    // Draws an arrow across the selection with the palette's thickest pen
    // and undoes it with Ctrl+Z typed into the panel; the picture without
    // and with it.
    void drawArrowAndUndo(ScreenCapturing *tool, QImage *plain, QImage *drawn);
    QImage savedPicture(ScreenCapturing *tool, QString *path);

    QProcess m_logo;
    std::unique_ptr<FakeHotkeyBackend> m_hotkeys;
    std::unique_ptr<Enviroment> m_env;
    std::unique_ptr<HistoryList> m_history;
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_proposed;
    QString m_saveAs;
    QString m_arrowSeen;
    // The save asks through a dialog of the tool's (as the file dialog is),
    // and whether the screen showed it.
    bool m_askWithDialog = false;
    bool m_dialogSeen = false;
};

void TestX11ScreenCapturing::initTestCase()
{
    QVERIFY(testsupport::isolatedHome());
    SkinManager::instance()->init(0, skinNames(), "Win", "Olvex", "ml", "Mirelo", testsupport::binDir() + "/Skin");
    m_logo.start(QStringLiteral("xlogo"), {QStringLiteral("-geometry"), QStringLiteral("%1x%2+%3+%4")
                                                                          .arg(kLogoGeometry.width())
                                                                          .arg(kLogoGeometry.height())
                                                                          .arg(kLogoGeometry.x())
                                                                          .arg(kLogoGeometry.y())});
    QVERIFY(m_logo.waitForStarted());
    // Where the window manager (if any) has put it.
    s_logo = testsupport::placedWindow(QStringLiteral("XLogo"), kLogoGeometry);
    QVERIFY(s_logo.isValid());
    ScreenCapturing::setSaveFileHook([this](QWidget *tool, const QString &proposed) {
        m_proposed = proposed;
        if (m_askWithDialog)
            m_dialogSeen = showsADialog(tool);
        return m_saveAs.isEmpty() ? proposed : m_saveAs;
    });
}

void TestX11ScreenCapturing::cleanupTestCase()
{
    ScreenCapturing::setSaveFileHook({});
    m_logo.kill();
    m_logo.waitForFinished();
}

void TestX11ScreenCapturing::init()
{
    m_dir.reset(new QTemporaryDir);
    m_hotkeys.reset(new FakeHotkeyBackend);
    m_env.reset(new Enviroment);
    g_enviroment = m_env.get();
    m_history.reset(new HistoryList(m_dir->filePath(QStringLiteral("History.xml")), nullptr));
    g_historyList = m_history.get();
    m_proposed.clear();
    m_saveAs.clear();
    m_askWithDialog = m_dialogSeen = false;
}

void TestX11ScreenCapturing::cleanup()
{
    // A failed step leaves its tool open over the next test; deleting one
    // deletes its panel, another top-level window.
    QList<QPointer<ScreenCapturing>> tools;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (auto *tool = qobject_cast<ScreenCapturing *>(w))
            tools << tool;
    for (const QPointer<ScreenCapturing> &tool : tools)
        delete tool.data();
    PinToScreenWidget::closeAll();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    g_historyList = nullptr;
    m_history.reset();
    g_enviroment = nullptr;
    m_env.reset();
    m_hotkeys.reset();
}

void TestX11ScreenCapturing::pinShowsTheRegionAtItsPlace()
{
    // Something to take: a patterned window.
    QWidget source;
    source.setWindowFlags(Qt::FramelessWindowHint | Qt::X11BypassWindowManagerHint);
    source.setGeometry(40, 40, 300, 200);
    QPalette pal;
    pal.setColor(QPalette::Window, QColor(20, 140, 60));
    source.setPalette(pal);
    source.setAutoFillBackground(true);
    source.show();
    QVERIFY(QTest::qWaitForWindowExposed(&source));
    QTRY_COMPARE(QColor(QGuiApplication::primaryScreen()->grabWindow(0, 100, 100, 1, 1).toImage().pixel(0, 0)),
                 QColor(20, 140, 60));

    auto *tool = new ScreenCapturing(nullptr);
    QPointer<ScreenCapturing> guard(tool);
    const QRect region(60, 60, 150, 120);
    tool->setSelection(region);
    const QImage expected = tool->composedPixmap().toImage().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(QColor(expected.pixel(70, 60)), QColor(20, 140, 60));
    source.hide();

    // An ordinary window of the user's, partly under the pin to come (a
    // tiling window manager gives it the whole screen).
    QWidget other;
    other.setWindowTitle(QStringLiteral("other"));
    other.setGeometry(120, 100, 300, 200);
    pal.setColor(QPalette::Window, QColor(30, 40, 160));
    other.setPalette(pal);
    other.setAutoFillBackground(true);
    other.show();
    QVERIFY(QTest::qWaitForWindowExposed(&other));

    tool->pinToScreen();
    QCOMPARE(PinToScreenWidget::pinnedWidgets().size(), 1);
    PinToScreenWidget *pin = PinToScreenWidget::pinnedWidgets().first();
    QVERIFY(QTest::qWaitForWindowExposed(pin));
    // Where the X server has it, not only where Qt thinks: a window manager
    // places a window it floats as though its frame were around it.
    const QString pinId = QString::number(pin->windowHandle()->winId());
    QTRY_COMPARE(testsupport::windowGeometry(pinId), region);
    QTRY_COMPARE(pin->geometry(), region);
    // Leave the picture uncovered by the close button for the compares.
    pin->closeButton()->hide();
    auto shown = [&] { return steadyPicture(region); };
    QTRY_COMPARE(shown(), expected);
    // A picture smaller than a window manager's least floating window (i3's)
    // keeps its own size.
    auto *small = new PinToScreenWidget(nullptr, QPixmap(40, 30));
    const QRect smallRegion(300, 60, 40, 30);
    small->setGeometry(smallRegion);
    small->show();
    QVERIFY(QTest::qWaitForWindowExposed(small));
    QTRY_COMPARE(testsupport::windowGeometry(QString::number(small->windowHandle()->winId())), smallRegion);

    // The user's window, clicked (raised and focused), stays under it;
    // only a window manager keeps a window above, a bare server none. The
    // logo's corner, which the user's window leaves free, takes the focus
    // in between, so that the window manager is seen to answer the click.
    if (!qEnvironmentVariableIsEmpty("MIRELO_TEST_DESKTOP")) {
        QVERIFY(xdotool(pointerTo(s_logo.bottomRight() - QPoint(8, 8)) + QStringList{QStringLiteral("click"), QStringLiteral("1")}));
        QTRY_VERIFY(!QApplication::activeWindow());
        QVERIFY(clickOn(&other));
        QTRY_COMPARE(QApplication::activeWindow(), &other);
        QTRY_COMPARE(shown(), expected);
        QCOMPARE(testsupport::windowGeometry(pinId), region);
    }
    PinToScreenWidget::closeAll();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!guard);
}

void TestX11ScreenCapturing::pointingAtAWindowSelectsItWithThePanelBelow()
{
    QPointer<ScreenCapturing> tool = pickTheLogo();
    QVERIFY(tool->isEditing());
    QCOMPARE(tool->selectedRect(), s_logo);
    CapturePanel *panel = tool->panel();
    QVERIFY(panel->isVisible());
    QCOMPARE(panel->mapToGlobal(QPoint()), ScreenCapturing::panelPlace(s_logo, tool->screenRect(), panel->size()));
    QVERIFY(panel->mapToGlobal(QPoint()).y() > s_logo.bottom());
    // Where the X server has it, not only where Qt asked: the whole screen,
    // and what it paints shows there whole, over a desktop's panels too.
    QTRY_COMPARE(testsupport::windowGeometry(QString::number(tool->winId())), tool->screenRect());
    QTRY_VERIFY_WITH_TIMEOUT(hiddenShare(tool) < 0.01, 10000);

    // A selection down by the bottom dock: the panel goes above it, in
    // sight.
    const QRect screen = tool->screenRect();
    const QRect low(screen.center().x() - 300, screen.bottom() - 160, 600, 150);
    tool->setSelection(low);
    tool->placePanel();
    const QRect placed(panel->mapToGlobal(QPoint()), panel->size());
    QVERIFY(screen.contains(placed));
    QVERIFY(placed.bottom() < low.top());
    QTRY_VERIFY_WITH_TIMEOUT(hiddenShare(tool) < 0.01, 10000);
    // Its border too, a line too thin for the share above.
    auto borderShown = [&] {
        const QImage at = QGuiApplication::primaryScreen()->grabWindow(0, low.x() + 1, low.y(), 1, 1).toImage();
        return QColor(at.pixel(0, 0)) == QColor(0xEB, 0x33, 0x24);
    };
    QTRY_VERIFY_WITH_TIMEOUT(borderShown(), 10000);
    tool->reject();
    QTRY_VERIFY(!tool);
}

void TestX11ScreenCapturing::copyIsServedAfterTheToolCloses()
{
    QPointer<ScreenCapturing> tool = pickTheLogo();
    QVERIFY(tool->isEditing());
    const QImage expected = tool->composedPixmap().toImage().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(expected.size(), s_logo.size());
    QVERIFY(clickOn(button(tool->panel(), "btnCopy")));
    QTRY_VERIFY(!tool);

    // Another client asks for it; this process answers while the test waits.
    QProcess xclip;
    xclip.start(QStringLiteral("xclip"), {QStringLiteral("-selection"), QStringLiteral("clipboard"), QStringLiteral("-o"),
                                          QStringLiteral("-t"), QStringLiteral("image/png")});
    QVERIFY(xclip.waitForStarted());
    QTRY_VERIFY_WITH_TIMEOUT(xclip.state() == QProcess::NotRunning, 10000);
    QCOMPARE(xclip.exitCode(), 0);
    const QImage served = QImage::fromData(xclip.readAllStandardOutput(), "PNG");
    QCOMPARE(served.convertToFormat(QImage::Format_RGB32), expected);
}

void TestX11ScreenCapturing::drawArrowAndUndo(ScreenCapturing *tool, QImage *plain, QImage *drawn)
{
    *plain = tool->composedPixmap().toImage().convertToFormat(QImage::Format_RGB32);
    QVERIFY(clickOn(button(tool->panel(), "btnArrow")));
    QTRY_COMPARE(tool->graphicType(), 4);
    QVERIFY(clickOn(button(tool->panel(), "btnSize4")));
    const QPoint from = s_logo.topLeft() + QPoint(20, 40), to = s_logo.topLeft() + QPoint(180, 110);
    QVERIFY(xdotool(pointerTo(from) + QStringList{QStringLiteral("mousedown"), QStringLiteral("1")}
                    + pointerTo((from + to) / 2) + pointerTo(to) + QStringList{QStringLiteral("mouseup"), QStringLiteral("1")}));
    QTRY_VERIFY(tool->drawing()->shapes().size() == 1 && !tool->drawing()->currentShape());
    *drawn = tool->composedPixmap().toImage().convertToFormat(QImage::Format_RGB32);
    QVERIFY(*drawn != *plain);
    // Where the arrow went and where the tool lay, for a picture that does
    // not show it.
    m_arrowSeen.clear();
    if (auto *arrow = dynamic_cast<const GraphicRectangle *>(tool->drawing()->shapes().first()))
        QDebug(&m_arrowSeen).nospace() << "arrow " << arrow->start() << "-" << arrow->end() << " dragged on the screen "
                                       << from << "-" << to << ", tool at " << tool->geometry().topLeft()
                                       << ", its screen at " << tool->screenRect().topLeft();
    // The palette's buttons hold the keys.
    QVERIFY(typeInto(tool, QStringLiteral("ctrl+z")));
    QTRY_COMPARE(tool->drawing()->shapes().size(), 0);
}

QImage TestX11ScreenCapturing::savedPicture(ScreenCapturing *tool, QString *path)
{
    QPointer<ScreenCapturing> guard(tool);
    if (!clickOn(button(tool->panel(), "btnSave")) || !QTest::qWaitFor([&] { return !guard; }, 10000))
        return QImage();
    *path = m_proposed;
    return QImage(*path, "JPEG").convertToFormat(QImage::Format_RGB32);
}

void TestX11ScreenCapturing::saveWritesTheProposedJpegWithTheRedoneArrow()
{
    const QString folder = m_dir->filePath(QStringLiteral("shots"));
    QVERIFY(QDir().mkpath(folder));
    m_env->output()->setScreenshotsFolder(folder);
    const QString settingsFile = m_env->settings->fileName();

    ScreenCapturing *tool = pickTheLogo();
    QVERIFY(tool->isEditing());
    QImage plain, drawn;
    drawArrowAndUndo(tool, &plain, &drawn);
    if (QTest::currentTestFailed())
        return;
    QVERIFY(typeInto(tool, QStringLiteral("ctrl+y")));
    QTRY_COMPARE(tool->drawing()->shapes().size(), 1);
    // The dialog that asks where shows above the tool, which covers the
    // whole screen: also where the compositing manager paints the windows
    // no window manager manages above all others (KWin).
    m_askWithDialog = true;
    QString path;
    const QImage saved = savedPicture(tool, &path);
    QVERIFY(m_dialogSeen);

    const QFileInfo file(path);
    QCOMPARE(file.absolutePath(), folder);
    QVERIFY2(QRegularExpression(QStringLiteral("^Snapshot_\\d\\d-\\d\\d-\\d\\d_\\d\\d-\\d\\d-\\d\\d\\.jpg$"))
                 .match(file.fileName()).hasMatch(),
             qPrintable(file.fileName()));
    QFile bytes(path);
    QVERIFY(bytes.open(QIODevice::ReadOnly));
    QCOMPARE(bytes.read(3), QByteArray("\xFF\xD8\xFF"));
    QCOMPARE(saved.size(), s_logo.size());
    QVERIFY2(shareDrawn(saved, plain, drawn) > 0.8, qPrintable(m_arrowSeen));

    QCOMPARE(m_history->items().size(), 1);
    const HistoryItem *item = m_history->items().first();
    QCOMPARE(item->type(), int(HistoryItem::Screenshot));
    QCOMPARE(item->fileName(), path);
    QCOMPARE(item->size(), s_logo.size());
    QCOMPARE(qint64(item->fileSize()), file.size());
    QSettings stored(settingsFile, QSettings::IniFormat);
    QCOMPARE(stored.value(QStringLiteral("Output/ScreenshotsFolder")).toString(), folder);
}

void TestX11ScreenCapturing::anUndoneArrowIsNotSaved()
{
    m_env->output()->setScreenshotsFolder(m_dir->path());
    ScreenCapturing *tool = pickTheLogo();
    QVERIFY(tool->isEditing());
    QImage plain, drawn;
    drawArrowAndUndo(tool, &plain, &drawn);
    if (QTest::currentTestFailed())
        return;
    QString path;
    const QImage saved = savedPicture(tool, &path);
    QCOMPARE(saved.size(), s_logo.size());
    const double share = shareDrawn(saved, plain, drawn);
    QVERIFY2(share >= 0 && share < 0.2, qPrintable(QString::number(share) + QStringLiteral("; ") + m_arrowSeen));
}

void TestX11ScreenCapturing::aPinnedPictureFollowsADrag()
{
    QPointer<ScreenCapturing> tool = pickTheLogo();
    QVERIFY(tool->isEditing());
    QVERIFY(clickOn(button(tool->panel(), "btnPinToScreen")));
    QTRY_VERIFY(!tool);
    QCOMPARE(PinToScreenWidget::pinnedWidgets().size(), 1);
    PinToScreenWidget *pin = PinToScreenWidget::pinnedWidgets().first();
    QVERIFY(QTest::qWaitForWindowExposed(pin));
    QTRY_COMPARE(pin->geometry(), s_logo);

    const QPoint from = s_logo.center(), by(60, 45);
    // The press is handled before the pointer moves on, as for a hand: a
    // window manager's move starts only while the button is down.
    // Under load a window manager may now and then start its move only to
    // drop it at once (it saw the button up): pressed again, as a hand
    // would.
    bool held = false;
    for (int attempt = 0; attempt < 3 && !held; ++attempt) {
        QVERIFY(xdotool(pointerTo(from) + QStringList{QStringLiteral("mousedown"), QStringLiteral("1")}));
        QTRY_VERIFY(QGuiApplication::mouseButtons() & Qt::LeftButton);
        held = QTest::qWaitFor(pointerHeld, 3000);
        if (!held) {
            QVERIFY(xdotool({QStringLiteral("mouseup"), QStringLiteral("1")}));
            QTRY_VERIFY(!(QGuiApplication::mouseButtons() & Qt::LeftButton));
            QTRY_COMPARE(pin->geometry(), s_logo);
        }
    }
    QVERIFY(held);
    // Moved on a little until the window follows (a window manager may
    // take the move over only now), then the rest of the way. Followed on
    // the X server: a window manager may tell the window where it is only
    // once the move ends (openbox).
    const QString pinId = QString::number(pin->windowHandle()->winId());
    auto follows = [&] { return testsupport::windowGeometry(pinId) != s_logo; };
    for (int i = 0; i < 20 && !follows(); ++i) {
        QVERIFY(xdotool(pointerTo(from + by / 3 + QPoint(i % 3, 0))));
        (void)QTest::qWaitFor(follows, 500);
    }
    QVERIFY(xdotool(pointerTo(from + by) + QStringList{QStringLiteral("mouseup"), QStringLiteral("1")}));
    QTRY_COMPARE(pin->geometry(), s_logo.translated(by));
    QTRY_COMPARE(testsupport::windowGeometry(pinId), s_logo.translated(by));
}

// The road of a user who drags from the screen's top-left: until that first
// release the screen shows only the tool's picture, no panel; the drag
// selects; the text box takes typing from the click that opens it, and no
// key typed there (a Space, Escape) ends the tool; the saved file holds the
// screen's pixels with the text.
void TestX11ScreenCapturing::aDragFromTheTopLeftIsSavedWithTypedText()
{
    const QRect drag(QPoint(100, 80), QPoint(499, 379));
    // Away from where the panel was drawn (the pointer's cross-hair is thin).
    QVERIFY(xdotool(pointerTo(QPoint(900, 600))));
    const QImage before = steadyPicture(drag);

    auto *tool = new ScreenCapturing(nullptr);
    QPointer<ScreenCapturing> guard(tool);
    tool->show();
    QVERIFY(QTest::qWaitForWindowExposed(tool));
    const QRect corner = QRect(0, 0, 1080, 170) & tool->screenRect();
    auto cornerShowsThePicture = [&] {
        const QImage shown = QGuiApplication::primaryScreen()
                                 ->grabWindow(0, corner.x(), corner.y(), corner.width(), corner.height())
                                 .toImage()
                                 .convertToFormat(QImage::Format_RGB32);
        const QImage dimmed = tool->dimmedImage()
                                  .copy(corner.translated(-tool->screenRect().topLeft()))
                                  .convertToFormat(QImage::Format_RGB32);
        return shareDiffering(shown, dimmed) < 0.02;
    };
    QTRY_VERIFY_WITH_TIMEOUT(cornerShowsThePicture(), 10000);
    QVERIFY(!tool->panel()->isVisible());

    QVERIFY(xdotool(pointerTo(drag.topLeft()) + QStringList{QStringLiteral("mousedown"), QStringLiteral("1")}
                    + pointerTo(QPoint(300, 230)) + pointerTo(QPoint(500, 380))
                    + QStringList{QStringLiteral("mouseup"), QStringLiteral("1")}));
    QTRY_VERIFY_WITH_TIMEOUT(tool->isEditing() && tool->panel()->isVisible(), 10000);
    QCOMPARE(tool->selectedRect(), drag);
    CapturePanel *panel = tool->panel();
    QCOMPARE(panel->mapToGlobal(QPoint()), ScreenCapturing::panelPlace(drag, tool->screenRect(), panel->size()));

    QVERIFY(clickOn(button(panel, "btnText")));
    QTRY_COMPARE(tool->graphicType(), 7);
    QVERIFY(xdotool(pointerTo(drag.topLeft() + QPoint(40, 30)) + QStringList{QStringLiteral("click"), QStringLiteral("1")}));
    QTRY_VERIFY(tool->drawing()->textBox() && tool->drawing()->textBox()->isVisible());
    // Gone with the tool, should a key end it.
    const QPointer<MyPlainTextEdit> box = tool->drawing()->textBox();
    // Typed as a user types: into whatever holds the keyboard, the tool.
    QVERIFY(xdotool({QStringLiteral("type"), QStringLiteral("Hi there")}));
    QTRY_VERIFY(box && box->toPlainText() == QLatin1String("Hi there"));
    QVERIFY(xdotool({QStringLiteral("key"), QStringLiteral("Escape"), QStringLiteral("type"), QStringLiteral("!")}));
    QTRY_VERIFY(box && box->toPlainText() == QLatin1String("Hi there!"));
    QVERIFY(guard && tool->isVisible());
    const QRect typed = QRect(box->mapToGlobal(QPoint()), box->size()).translated(-drag.topLeft());
    const int fontSize = tool->drawing()->fontSize();
    QCOMPARE(tool->drawing()->penColor(), QColor(Qt::red));

    m_saveAs = m_dir->filePath(QStringLiteral("shot.png"));
    QVERIFY(clickOn(button(panel, "btnSave")));
    QTRY_VERIFY(!guard);
    const QImage saved = QImage(m_saveAs, "PNG").convertToFormat(QImage::Format_RGB32);
    QCOMPARE(saved.size(), drag.size());
    // The screen's pixels, but where the text went.
    const double off = shareDiffering(saved, before, typed);
    QVERIFY2(off < 0.01, qPrintable(QString::number(off)));
    // As much red ink there as the text takes.
    QImage blank(400, 100, QImage::Format_RGB32);
    blank.fill(Qt::black);
    QImage alone = blank;
    {
        QPainter painter(&alone);
        GraphicText(QPoint(10, 50), Qt::red, fontSize, QStringLiteral("Hi there!")).draw(&painter);
    }
    const int expected = redInk(alone, blank, alone.rect());
    const int ink = redInk(saved, before, typed & saved.rect());
    QVERIFY2(expected > 50 && ink > expected / 2 && ink < expected * 2,
             qPrintable(QStringLiteral("%1 of %2").arg(ink).arg(expected)));
}

QTEST_MAIN(TestX11ScreenCapturing)
#include "tst_x11_screencapturing.moc"
