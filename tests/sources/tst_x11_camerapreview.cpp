// The webcam window with the real engine and its synthetic camera under a
// private X server: the preview moves, mirrors, survives stay-on-top, and a
// photo is a JPEG of the format's size; the settings dialog stands above the
// main window that opened it.
#include <QComboBox>
#include <QGuiApplication>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QScreen>
#include <QTemporaryDir>
#include <QtTest>

#include "byhand.h"
#include "cameralist.h"
#include "camerasettings.h"
#include "camerawindow.h"
#include "core/enginebinding.h"
#include "core/enviroment.h"
#include "core/myconfig.h"
#include "cplaywidget.h"
#include "fakehotkeybackend.h"
#include "platform/windowstacking.h"
#include "platform/x11.h"
#include "skinmanager.h"
#include "testsupport.h"

#include <QAbstractNativeEventFilter>
#include <QX11Info>

#include <xcb/xcb.h>
#include <xcb/xinput.h>

namespace {
bool isRed(QRgb c) { return qRed(c) > 150 && qBlue(c) < 100 && qGreen(c) < 100; }
bool isBlue(QRgb c) { return qBlue(c) > 150 && qRed(c) < 100 && qGreen(c) < 100; }

QImage grab(QWidget *w)
{
    return QGuiApplication::primaryScreen()->grabWindow(w->winId()).toImage();
}

bool click(const QPoint &p)
{
    return QProcess::execute(QStringLiteral("xdotool"), {QStringLiteral("mousemove"), QString::number(p.x()),
                                                         QString::number(p.y()), QStringLiteral("click"), QStringLiteral("1")})
           == 0;
}

bool key(const QString &name)
{
    return QProcess::execute(QStringLiteral("xdotool"), {QStringLiteral("key"), name}) == 0;
}

quint32 keyboardFocus()
{
    xcb_connection_t *c = QX11Info::connection();
    const auto r = x11::reply(c, xcb_get_input_focus(c), xcb_get_input_focus_reply);
    return r ? r->focus : 0;
}

// Whether the program has had a button press on the window (as Qt hears
// it, through XInput 2), while it lives.
struct PressSeen : QAbstractNativeEventFilter {
    explicit PressSeen(quint32 window) : window(window)
    {
        const xcb_query_extension_reply_t *xi = xcb_get_extension_data(QX11Info::connection(), &xcb_input_id);
        opcode = xi && xi->present ? xi->major_opcode : 0;
        QCoreApplication::instance()->installNativeEventFilter(this);
    }
    ~PressSeen() override { QCoreApplication::instance()->removeNativeEventFilter(this); }
    bool nativeEventFilter(const QByteArray &type, void *message, long *) override
    {
        const auto *e = static_cast<xcb_generic_event_t *>(message);
        if (type != "xcb_generic_event_t")
            return false;
        if ((e->response_type & 0x7f) == XCB_BUTTON_PRESS)
            seen = seen || reinterpret_cast<const xcb_button_press_event_t *>(e)->event == window;
        const auto *ge = reinterpret_cast<const xcb_ge_generic_event_t *>(e);
        if ((e->response_type & 0x7f) == XCB_GE_GENERIC && ge->extension == opcode
            && ge->event_type == XCB_INPUT_BUTTON_PRESS)
            seen = seen || reinterpret_cast<const xcb_input_button_press_event_t *>(e)->event == window;
        return false;
    }
    quint32 window;
    quint8 opcode = 0;
    bool seen = false;
};

} // namespace

class TestCameraPreview : public QObject
{
    Q_OBJECT
    FakeHotkeyBackend *hotkeys = nullptr;
    MyConfig *config = nullptr;
    QTemporaryDir dir;

private slots:
    void initTestCase()
    {
        g_dscale = 1.0;
        qputenv("MIRELO_TEST_CAMERA", "1");
        QString error;
        QVERIFY2(engineLoadFrom(testsupport::engineLibrary(), &error), qPrintable(error));
        QCOMPARE(engineInitialize(dir.path(), nullptr, nullptr), 0);
        hotkeys = new FakeHotkeyBackend;
        config = new MyConfig;
        g_myConfig = config;
        g_enviroment = new Enviroment;
        g_enviroment->privateData->CameraRect = QRect(40, 40, 320, 240);
        g_cameraList = new CameraList;
        int synthetic = -1;
        for (int i = 0; i < g_cameraList->deviceCount(); ++i) {
            if (!g_cameraList->device(i)->formatNames().isEmpty())
                synthetic = i;
        }
        QVERIFY(synthetic >= 0);
        g_cameraList->selectCamera(synthetic);
        g_cameraWindow = new CameraWindow;
    }
    void cleanupTestCase()
    {
        delete g_cameraWindow;
        delete g_cameraList;
        delete g_enviroment;
        g_enviroment = nullptr;
        delete config;
        g_myConfig = nullptr;
        delete hotkeys;
        engineShutdown();
    }

    void previewMovesAndMirrors()
    {
        CameraWindow *w = g_cameraWindow;
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w));
        QWidget *preview = w->cameraWidget();
        // The camera opens, its first picture is decoded and drawn, and a
        // window manager may place and size the window late (i3): a loaded
        // machine takes its time over each.
        QTRY_VERIFY_WITH_TIMEOUT(isRed(grab(preview).pixel(10, preview->height() / 2)), 30000);
        const QImage a = grab(preview);
        QTRY_VERIFY_WITH_TIMEOUT(grab(preview) != a, 15000);

        g_cameraList->setFlip(true);
        QTRY_VERIFY_WITH_TIMEOUT(isBlue(grab(preview).pixel(10, preview->height() / 2)), 15000);
        QVERIFY(isRed(grab(preview).pixel(preview->width() - 10, preview->height() / 2)));
        g_cameraList->setFlip(false);
        QTRY_VERIFY_WITH_TIMEOUT(isRed(grab(preview).pixel(10, preview->height() / 2)), 15000);
    }

    void stayOnTopKeepsThePreviewWindow()
    {
        CameraWindow *w = g_cameraWindow;
        QWidget *preview = w->cameraWidget();
        const WId id = preview->winId();
        for (bool on : {true, false}) {
            w->setStickyOnTop(on);
            QApplication::processEvents();
            QCOMPARE(preview->winId(), id);
            QVERIFY(w->isVisible());
            const QImage a = grab(preview);
            QTRY_VERIFY_WITH_TIMEOUT(grab(preview) != a, 15000);
        }
    }

    void photoIsAJpegOfTheFormatSize()
    {
        g_enviroment->output()->ScreenshotsFolder = dir.filePath(QStringLiteral("Snapshots"));
        QString written;
        QSize recorded;
        CameraWindow::setHistoryRecorder([&](int kind, const QString &path, const QSize &size, int, qint64 bytes) {
            QCOMPARE(kind, 2);
            QVERIFY(bytes > 0);
            written = path;
            recorded = size;
        });
        g_cameraWindow->takePhoto();
        CameraWindow::setHistoryRecorder(nullptr);
        QVERIFY(!written.isEmpty());
        QVERIFY2(QRegularExpression(QStringLiteral("^Snapshot_\\d\\d-\\d\\d-\\d\\d_\\d\\d-\\d\\d-\\d\\d\\.jpg$"))
                     .match(QFileInfo(written).fileName())
                     .hasMatch(),
                 qPrintable(written));
        QImage photo(written, "JPEG");
        QVERIFY(!photo.isNull());
        QCOMPARE(photo.size(), g_cameraList->currentFormatSize());
        QCOMPARE(recorded, photo.size());
    }

    // Opened from the main window, the settings dialog lies above it (also
    // when the main window is kept above the others), shows on the screen,
    // stays above when the main window is clicked, and takes the keyboard.
    void settingsDialogAboveTheMainWindow()
    {
        QWidget main;
        main.setWindowTitle(QStringLiteral("main"));
        main.setGeometry(100, 100, 900, 700);
        main.show();
        QVERIFY(QTest::qWaitForWindowExposed(&main));
        main.activateWindow();
        // As while the region frame shows: the main window is kept above.
        WindowStacking::instance()->setStaysOnTop(main.windowHandle(), true);
        CameraSettings dialog(&main);
        bool checked = false;
        QTimer::singleShot(0, &dialog, [&] {
            struct Close {
                CameraSettings &d;
                ~Close()
                {
                    if (d.isVisible())
                        d.done(99);
                }
            } close{dialog};
            QVERIFY(QTest::qWaitForWindowExposed(&dialog));
            const auto above = [&] { return testsupport::stackedAbove(quint32(dialog.winId()), quint32(main.winId())); };
            QTRY_VERIFY_WITH_TIMEOUT(above(), 15000);
            // It takes the keyboard: Qt's active window, and the X server's
            // focus.
            QTRY_VERIFY(dialog.isActiveWindow());
            QTRY_COMPARE(keyboardFocus(), quint32(dialog.winId()));

            // The user clicks the main window beside it, where the X server
            // has the windows (the window manager placed them).
            const QPoint beside = testsupport::screenPosition(quint32(main.winId())) + QPoint(20, 20);
            const QPoint dialogAt = testsupport::screenPosition(quint32(dialog.winId()));
            QVERIFY(!QRect(dialogAt, dialog.size()).adjusted(-40, -40, 40, 40).contains(beside));
            // A window manager sees the press first and lets it on to the
            // window once it has raised what it raises.
            PressSeen pressed(quint32(main.winId()));
            QVERIFY(click(beside));
            QTRY_VERIFY(pressed.seen);
            QWidget *camera = dialog.findChild<QComboBox *>(QStringLiteral("cbxCamera"));
            // Each look takes a while: waited for by the clock.
            QVERIFY(QTest::qWaitFor(
                [&] {
                    const QPoint at = testsupport::screenPosition(quint32(dialog.winId())) + camera->mapTo(&dialog, QPoint());
                    return testsupport::screenShows(camera->grab().toImage(), at, 3) > 0.95;
                },
                15000));
            QVERIFY(above());

            // A click on it gives it the keyboard again, where the window
            // manager had given it to the main window.
            QVERIFY(click(testsupport::screenPosition(quint32(dialog.winId())) + QPoint(dialog.width() / 2, 8)));
            QTRY_COMPARE(keyboardFocus(), quint32(dialog.winId()));
            QVERIFY(key(QStringLiteral("Escape")));
            QTRY_VERIFY(!dialog.isVisible());
            checked = true;
        });
        QCOMPARE(dialog.exec(), int(QDialog::Rejected));
        QVERIFY(checked);
    }
};

QTEST_MAIN(TestCameraPreview)
#include "tst_x11_camerapreview.moc"
