// Webcams through the engine's operations, with the synthetic camera, under
// a private X server: list, formats, preview pixels, mirror, photos and the
// failure events.
#include <QHBoxLayout>
#include <QImage>
#include <QTemporaryDir>
#include <QWidget>
#include <QtTest>

#include <xcb/xcb.h>

#include "engine_loader.h"

namespace {

// A plain X window the test owns, as the program's preview widget would be.
class TestWindow
{
public:
    TestWindow(int w, int h) : m_w(w), m_h(h)
    {
        m_conn = xcb_connect(nullptr, nullptr);
        xcb_screen_t *screen = xcb_setup_roots_iterator(xcb_get_setup(m_conn)).data;
        m_window = xcb_generate_id(m_conn);
        const uint32_t values[] = {screen->black_pixel};
        xcb_create_window(m_conn, XCB_COPY_FROM_PARENT, m_window, screen->root, 10, 10, uint16_t(w), uint16_t(h), 0,
                          XCB_WINDOW_CLASS_INPUT_OUTPUT, screen->root_visual, XCB_CW_BACK_PIXEL, values);
        xcb_map_window(m_conn, m_window);
        sync();
    }
    ~TestWindow()
    {
        destroy();
        xcb_disconnect(m_conn);
    }

    uint64_t id() const { return m_window; }

    void resize(int w, int h)
    {
        m_w = w;
        m_h = h;
        const uint32_t values[] = {uint32_t(w), uint32_t(h)};
        xcb_configure_window(m_conn, m_window, XCB_CONFIG_WINDOW_WIDTH | XCB_CONFIG_WINDOW_HEIGHT, values);
        sync();
    }

    void destroy()
    {
        if (!m_window)
            return;
        xcb_destroy_window(m_conn, m_window);
        m_window = 0;
        sync();
    }

    QImage grab() { return grabWindow(m_window, m_w, m_h); }

    // The pixels of any window of the display, as the X server has them.
    QImage grabWindow(uint32_t window, int w, int h)
    {
        xcb_get_image_reply_t *r = xcb_get_image_reply(
            m_conn, xcb_get_image(m_conn, XCB_IMAGE_FORMAT_Z_PIXMAP, window, 0, 0, uint16_t(w), uint16_t(h), ~0u),
            nullptr);
        if (!r)
            return {};
        QImage img(xcb_get_image_data(r), w, h, w * 4, QImage::Format_RGB32);
        QImage copy = img.copy();
        free(r);
        return copy;
    }

private:
    void sync() { free(xcb_get_input_focus_reply(m_conn, xcb_get_input_focus(m_conn), nullptr)); }

    xcb_connection_t *m_conn = nullptr;
    xcb_window_t m_window = 0;
    int m_w, m_h;
};

// The program's preview surface: a native child window Qt never paints.
class PlayWidget : public QWidget
{
public:
    PlayWidget()
    {
        setAttribute(Qt::WA_PaintOnScreen);
        setAttribute(Qt::WA_NativeWindow);
    }
    QPaintEngine *paintEngine() const override { return nullptr; }
};

bool isRed(QRgb c) { return qRed(c) > 150 && qBlue(c) < 100 && qGreen(c) < 100; }
bool isBlue(QRgb c) { return qBlue(c) > 150 && qRed(c) < 100 && qGreen(c) < 100; }

QString fromUnits(const char16_t *s) { return QString::fromUtf16(s); }

} // namespace

class TestCamera : public QObject
{
    Q_OBJECT
private:
    EngineLoader engine;
    QTemporaryDir dir;

    int refresh() { return engine.op<MireloRefreshDevicesFn>(MIRELO_OP_REFRESH_DEVICES)(MIRELO_DEVICE_WEBCAM); }
    int count() { return engine.op<MireloGetCameraCountFn>(MIRELO_OP_GET_CAMERA_COUNT)(); }
    int select(int i) { return engine.op<MireloSelectCameraFn>(MIRELO_OP_SELECT_CAMERA)(i); }
    int format() { return engine.op<MireloGetCameraFormatFn>(MIRELO_OP_GET_CAMERA_FORMAT)(); }
    int setFormat(int i) { return engine.op<MireloSetCameraFormatFn>(MIRELO_OP_SET_CAMERA_FORMAT)(i); }
    int open(uint64_t w) { return engine.op<MireloOpenCameraFn>(MIRELO_OP_OPEN_CAMERA)(w); }
    int close() { return engine.op<MireloCloseCameraFn>(MIRELO_OP_CLOSE_CAMERA)(); }
    int flip(int on) { return engine.op<MireloSetCameraFlipFn>(MIRELO_OP_SET_CAMERA_FLIP)(on); }
    int photo(const QString &path)
    {
        return engine.op<MireloTakeCameraPhotoFn>(MIRELO_OP_TAKE_CAMERA_PHOTO)(path.toUtf8().constData());
    }
    QString name(int i, int *result = nullptr)
    {
        char16_t buf[MIRELO_NAME_BUFFER_UNITS] = {u'x', 0};
        const int r = engine.op<MireloGetCameraNameFn>(MIRELO_OP_GET_CAMERA_NAME)(i, buf);
        if (result)
            *result = r;
        return fromUnits(buf);
    }
    QString id(int i)
    {
        char16_t buf[MIRELO_NAME_BUFFER_UNITS] = {0};
        return engine.op<MireloGetCameraIdFn>(MIRELO_OP_GET_CAMERA_ID)(i, buf) >= 0 ? fromUnits(buf) : QString();
    }

    // Refreshes and selects the synthetic camera; its index.
    int selectTestCamera()
    {
        refresh();
        for (int i = 0; i < count(); ++i) {
            if (name(i) == QLatin1String("Mirelo Test Camera")) {
                select(i);
                return i;
            }
        }
        return -1;
    }

    // Waits until the preview shows a picture (its left edge is red or blue).
    static bool waitForPicture(TestWindow &w, int x, int y)
    {
        for (int i = 0; i < 60; ++i) {
            const QImage img = w.grab();
            if (!img.isNull() && (isRed(img.pixel(x, y)) || isBlue(img.pixel(x, y))))
                return true;
            QTest::qWait(50);
        }
        return false;
    }

private slots:
    void initTestCase()
    {
        qputenv("MIRELO_TEST_CAMERA", "1");
        qunsetenv("MIRELO_TEST_CAMERA_FAULT");
        QVERIFY(dir.isValid());
        QVERIFY(engine.load());
        QVERIFY(engine.initialize());
    }

    void cleanupTestCase() { engine.shutdown(); }

    void init()
    {
        close();
        engine.clearEvents();
    }

    void listsTheCameraWithItsFormats()
    {
        QVERIFY(refresh() >= 1);
        const int i = selectTestCamera();
        QVERIFY(i >= 0);
        const QString firstId = id(i);
        QVERIFY(!firstId.isEmpty());

        const CameraFormat *list = nullptr;
        QCOMPARE(engine.op<MireloGetCameraFormatsFn>(MIRELO_OP_GET_CAMERA_FORMATS)(&list), 2);
        QVERIFY(list);
        QCOMPARE(list[0].width, 640);
        QCOMPARE(list[0].height, 480);
        QCOMPARE(list[0].framesPerSecond, 30.0f);
        QCOMPARE(list[0].pixelFormat, 4); // MJPG
        QCOMPARE(list[1].width, 320);
        QCOMPARE(list[1].height, 240);
        QCOMPARE(list[1].framesPerSecond, 15.0f);
        QCOMPARE(list[1].pixelFormat, 5); // YUY2

        // Found again by its id after a rescan, still selected.
        refresh();
        QCOMPARE(id(i), firstId);
        QCOMPARE(engine.op<MireloGetCameraFormatsFn>(MIRELO_OP_GET_CAMERA_FORMATS)(&list), 2);

        // Without the variable there is no synthetic camera.
        qunsetenv("MIRELO_TEST_CAMERA");
        refresh();
        qputenv("MIRELO_TEST_CAMERA", "1");
        for (int k = 0; k < count(); ++k)
            QVERIFY(name(k) != QLatin1String("Mirelo Test Camera"));
        QVERIFY(selectTestCamera() >= 0);
    }

    void refusesIndexesOutOfRange()
    {
        const int i = selectTestCamera();
        QVERIFY(i >= 0);
        const int n = count();
        QVERIFY(select(n) < 0);
        QVERIFY(select(-1) < 0);
        int result = 0;
        const QString untouched = name(n, &result);
        QVERIFY(result < 0);
        QCOMPARE(untouched, QStringLiteral("x"));
        QVERIFY(engine.op<MireloGetCameraNameFn>(MIRELO_OP_GET_CAMERA_NAME)(i, nullptr) < 0);

        // The options file's stored format index can be anything.
        QCOMPARE(setFormat(0), 0);
        QVERIFY(setFormat(2) < 0);
        QVERIFY(setFormat(-1) < 0);
        QVERIFY(setFormat(1 << 30) < 0);
        QCOMPARE(format(), 0);
        QCOMPARE(name(i), QStringLiteral("Mirelo Test Camera")); // the selection is unchanged

        QCOMPARE(setFormat(1), 0);
        QCOMPARE(format(), 1);
        refresh(); // a rescan keeps the choice of a camera found again
        QCOMPARE(format(), 1);
        QCOMPARE(setFormat(0), 0);
    }

    void previewDrawsScalesAndMirrors()
    {
        QVERIFY(selectTestCamera() >= 0);
        QCOMPARE(setFormat(0), 0);
        TestWindow w(320, 240);
        QCOMPARE(open(w.id()), 0);
        QVERIFY(waitForPicture(w, 20, 20));
        QVERIFY(isRed(w.grab().pixel(20, 20)));
        QVERIFY(isBlue(w.grab().pixel(300, 20)));

        const QImage a = w.grab();
        QTRY_VERIFY2(w.grab() != a, "the picture does not move");

        QCOMPARE(flip(1), 0);
        QTRY_VERIFY(isBlue(w.grab().pixel(20, 20)));
        QVERIFY(isRed(w.grab().pixel(300, 20)));
        QCOMPARE(flip(0), 0);
        QTRY_VERIFY(isRed(w.grab().pixel(20, 20)));

        // Drawn at the window's new size.
        w.resize(480, 200);
        QTRY_VERIFY(isBlue(w.grab().pixel(470, 190)));

        // A format change keeps the preview running.
        QCOMPARE(setFormat(1), 0);
        const QImage b = w.grab();
        QTRY_VERIFY(w.grab() != b);
        QCOMPARE(close(), 0);
        QCOMPARE(setFormat(0), 0);
        QCOMPARE(engine.countOf(MIRELO_EVENT_CAMERA_OPEN_FAILED), 0);
    }

    void survivesItsWindowBeingDestroyed()
    {
        QVERIFY(selectTestCamera() >= 0);
        {
            TestWindow w(200, 150);
            QCOMPARE(open(w.id()), 0);
            QVERIFY(waitForPicture(w, 10, 10));
            w.destroy();
            // Not a wait for anything: the preview runs on against the
            // destroyed window for a while.
            QTest::qWait(300);
        }
        TestWindow again(200, 150);
        QCOMPARE(open(again.id()), 0);
        QVERIFY(waitForPicture(again, 10, 10));
        QCOMPARE(close(), 0);
    }

    void drawsIntoAQtWidgetAsTheProgramHasIt()
    {
        QVERIFY(selectTestCamera() >= 0);
        auto *top = new QWidget;
        auto *layout = new QHBoxLayout(top);
        layout->setContentsMargins(2, 2, 2, 2);
        auto *play = new PlayWidget;
        layout->addWidget(play);
        top->resize(400, 300);
        top->show();
        QVERIFY(QTest::qWaitForWindowExposed(top));
        QCOMPARE(open(play->winId()), 0);

        TestWindow probe(1, 1); // only for its connection
        auto at = [&](double fx, double fy) {
            const QImage img = probe.grabWindow(uint32_t(play->winId()), play->width(), play->height());
            return img.isNull() ? QRgb(0) : img.pixel(int(fx * play->width()), int(fy * play->height()));
        };
        QTRY_VERIFY(isRed(at(0.05, 0.1)));
        QVERIFY(isBlue(at(0.95, 0.1)));
        top->resize(600, 200);
        QTRY_COMPARE(play->width(), 596);
        QTRY_VERIFY(isBlue(at(0.98, 0.9)));

        delete top; // the native window goes while the preview runs
        QTest::qWait(200); // and runs on against it for a while
        QCOMPARE(close(), 0);
        QCOMPARE(count() > 0, true); // the engine still answers
    }

    void photosAreJpegsOfTheFormatSize()
    {
        QVERIFY(selectTestCamera() >= 0);
        QCOMPARE(setFormat(1), 0);
        const QString closedPath = dir.filePath("closed.jpg");
        QCOMPARE(photo(closedPath), 0); // no preview open: the camera opens for it
        QImage img(closedPath);
        QCOMPARE(img.size(), QSize(320, 240));
        QFile f(closedPath);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.read(3), QByteArray("\xff\xd8\xff"));
        QVERIFY(!QFile::exists(closedPath + ".part"));

        QCOMPARE(setFormat(0), 0);
        TestWindow w(160, 120);
        QCOMPARE(open(w.id()), 0);
        QCOMPARE(flip(1), 0);
        QTRY_VERIFY(isBlue(w.grab().pixel(10, 10))); // the flipped picture is the one shown
        const QString openPath = dir.filePath("open.jpg");
        QCOMPARE(photo(openPath), 0);
        img = QImage(openPath);
        QCOMPARE(img.size(), QSize(640, 480));
        QVERIFY(isBlue(img.pixel(20, 20))); // the picture as the user sees it
        QCOMPARE(flip(0), 0);

        QVERIFY(photo(dir.filePath("missing/folder/x.jpg")) < 0);
        QVERIFY(!QFile::exists(dir.filePath("missing/folder/x.jpg")));
        QVERIFY(engine.op<MireloTakeCameraPhotoFn>(MIRELO_OP_TAKE_CAMERA_PHOTO)(nullptr) < 0);
        QCOMPARE(close(), 0);
    }

    void failuresRaiseEvents_data()
    {
        QTest::addColumn<QByteArray>("fault");
        QTest::addColumn<int>("event");
        QTest::newRow("permission denied") << QByteArray("denied") << int(MIRELO_EVENT_CAMERA_BLOCKED);
        QTest::newRow("device busy") << QByteArray("busy") << int(MIRELO_EVENT_CAMERA_OPEN_FAILED);
    }

    void failuresRaiseEvents()
    {
        QFETCH(QByteArray, fault);
        QFETCH(int, event);
        QVERIFY(selectTestCamera() >= 0);
        TestWindow w(160, 120);
        qputenv("MIRELO_TEST_CAMERA_FAULT", fault);
        const int r = open(w.id());
        const int p = photo(dir.filePath("failed.jpg"));
        qunsetenv("MIRELO_TEST_CAMERA_FAULT");
        QVERIFY(r < 0);
        QVERIFY(p < 0);
        QVERIFY(!QFile::exists(dir.filePath("failed.jpg")));
        const auto events = engine.events();
        QCOMPARE(int(events.size()), 1); // the photo reports by its result only
        QCOMPARE(events[0].event, event);
        QVERIFY(!events[0].onCallerThread);
    }

    void badWindowRaisesOpenFailed()
    {
        QVERIFY(selectTestCamera() >= 0);
        QVERIFY(open(0) < 0);
        uint64_t stale;
        {
            TestWindow w(10, 10);
            stale = w.id();
        }
        QVERIFY(open(stale) < 0);
        QCOMPARE(engine.countOf(MIRELO_EVENT_CAMERA_OPEN_FAILED), 2);
        // The camera is still usable.
        TestWindow w(100, 80);
        QCOMPARE(open(w.id()), 0);
        QVERIFY(waitForPicture(w, 5, 5));
    }
};

QTEST_MAIN(TestCamera)
#include "tst_x11_camera.moc"
