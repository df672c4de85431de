// The floating webcam window: closing, transparency, stacking, geometry,
// its tool strip's coming and going, the resize border, the preview and
// photos.
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include "cameralist.h"
#include "camerawindow.h"
#include "controller.h"
#include "core/globaldefs.h"
#include "cplaywidget.h"
#include "fakewindowstacking.h"
#include "skinmanager.h"
#include "sourcesfixture.h"

using namespace sourcesfixture;

namespace {
const QByteArray kCamera = "cameras \"A\"\ncameraids \"a\"\nformats 1280x720@30/4\n";

// Answers every message box that opens with OK, keeping its text.
struct MessageCatcher {
    QStringList texts;
    QTimer timer;
    MessageCatcher()
    {
        timer.setInterval(20);
        QObject::connect(&timer, &QTimer::timeout, [this] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                texts << box->text();
                box->done(QMessageBox::Ok);
            }
        });
        timer.start();
    }
};

QAction *action(CameraWindow &w, const QString &text)
{
    for (QAction *a : w.menu()->actions()) {
        if (a->text() == text)
            return a;
    }
    return nullptr;
}

QPushButton *toolButton(CameraWindow &w, const char *name)
{
    return w.toolFrame()->findChild<QPushButton *>(QLatin1String(name));
}
} // namespace

class TestCameraWindow : public QObject
{
    Q_OBJECT
    Ground ground;
    QTemporaryDir dir;

private slots:
    void init()
    {
        g_dscale = 1.0;
        ground.start(kCamera);
        ground.env->privateData->CameraIndex = 0;
        ground.env->privateData->CameraRect = QRect();
        g_cameraList = new CameraList;
    }
    void cleanup()
    {
        delete g_cameraList;
        g_cameraList = nullptr;
        CameraWindow::setHistoryRecorder(nullptr);
        ground.stop();
    }

    void closeAsksTheControllerOnlyFromTheUser()
    {
        CameraWindow w;
        QSignalSpy asked(Controller::instance(), &Controller::closeCameraRequested);
        QSignalSpy visible(&w, &CameraWindow::visibleChanged);
        w.show();
        w.hide();
        QCOMPARE(asked.count(), 0);
        w.show();
        toolButton(w, "btnCameraFrameClose")->click();
        QCOMPARE(asked.count(), 1);
        QVERIFY(!w.isVisible());
        QVERIFY(!w.toolFrame()->isVisible());
        w.show();
        action(w, "Close")->trigger();
        QCOMPARE(asked.count(), 2);
        w.show();
        w.slotWidgetHide();
        QCOMPARE(asked.count(), 2);
        QCOMPARE(visible.count(), 8);
        QCOMPARE(visible.last().at(0).toBool(), false);
    }

    void showOpensThePreviewInItsSurfaceAndHideClosesIt()
    {
        CameraWindow w;
        clearTrace();
        w.show();
        const QString open = QStringLiteral("openCamera window=%1").arg(quint64(w.cameraWidget()->winId()));
        QVERIFY2(callsOf({"openCamera"}) == QStringList{open}, qPrintable(calls().join('\n')));
        clearTrace();
        w.hide();
        QCOMPARE(calls(), QStringList{"closeCamera"});
    }

    void newNativeWindowGetsThePreview()
    {
        CameraWindow w;
        w.show();
        clearTrace();
        // What the preview surface hears when its native window is made anew.
        QEvent change(QEvent::WinIdChange);
        QApplication::sendEvent(w.cameraWidget(), &change);
        const QString open = QStringLiteral("openCamera window=%1").arg(quint64(w.cameraWidget()->winId()));
        QCOMPARE(callsOf({"openCamera"}), QStringList{open});
        w.hide();
        clearTrace();
        QApplication::sendEvent(w.cameraWidget(), &change);
        QVERIFY(callsOf({"openCamera"}).isEmpty());
    }

    void transparencyAndStacking()
    {
        FakeWindowStacking stacking;
        CameraWindow w;
        // Opacity is kept in 8 bits.
        auto near = [](double a, double b) { return qAbs(a - b) < 0.01; };
        QVERIFY(near(w.windowOpacity(), 1.0));
        QVERIFY(near(w.toolFrame()->windowOpacity(), 0.9));
        const auto choices = w.transparencyMenu()->actions();
        QCOMPARE(choices.size(), 10);
        choices.at(4)->trigger();
        QVERIFY(near(w.windowOpacity(), 0.5));
        QVERIFY(near(w.toolFrame()->windowOpacity(), 0.9));
        QVERIFY(choices.at(4)->isChecked() && !choices.at(9)->isChecked());

        w.show();
        const WId preview = w.cameraWidget()->winId();
        toolButton(w, "btnStickyOnTop")->click();
        const QString window = w.windowHandle()->objectName(), tools = w.toolFrame()->windowHandle()->objectName();
        QCOMPARE(stacking.calls, (QStringList{"above " + window, "above " + tools}));
        QVERIFY(stacking.staysOnTop(w.windowHandle()) && stacking.staysOnTop(w.toolFrame()->windowHandle()));
        QVERIFY(action(w, "Sticky on Top")->isChecked());
        // From the context menu too, and the button follows.
        action(w, "Sticky on Top")->trigger();
        QCOMPARE(stacking.calls.mid(2), (QStringList{"normal " + window, "normal " + tools}));
        QVERIFY(!toolButton(w, "btnStickyOnTop")->isChecked());
        QCOMPARE(w.cameraWidget()->winId(), preview);
    }

    void flipGoesToTheCurrentCamera()
    {
        CameraWindow w;
        clearTrace();
        toolButton(w, "btnFlipHorz")->click();
        QCOMPARE(callsOf({"setCameraFlip"}), QStringList{"setCameraFlip flip=1"});
        QVERIFY(action(w, "Flip Horizontal")->isChecked());
        QCOMPARE(g_cameraList->currentFlip(), 1);
    }

    void geometry()
    {
        {
            CameraWindow w;
            QCOMPARE(w.size(), QSize(400, 300));
            QVERIFY(!w.parent());
        }
        ground.env->privateData->CameraRect = QRect(30, 40, 320, 240);
        QWidget owner;
        CameraWindow w(&owner);
        QVERIFY(!w.parent());
        QCOMPARE(w.geometry(), QRect(30, 40, 320, 240));

        QSignalSpy rects(&w, &CameraWindow::rectChanged);
        w.show();
        w.move(100, 120);
        QTRY_VERIFY(!rects.isEmpty());
        QCOMPARE(rects.last().at(0).toRect(), QRect(100, 120, 320, 240));
        w.resize(200, 150);
        QTRY_COMPARE(rects.last().at(0).toRect(), QRect(100, 120, 200, 150));
        // The tool frame sits 10 px inside the right edge, 13 px below the top.
        QCOMPARE(w.toolFrame()->pos(), QPoint(100 + 200 - 10 - 160, 120 + 13));
    }

    void toolFrameGoesWithTheWindowAndThePointer()
    {
        CameraWindow w;
        w.setGeometry(100, 120, 320, 240);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QEvent enter(QEvent::Enter), leave(QEvent::Leave);
        auto pointerTo = [](QWidget *from, const QPoint &at, QEvent *e) {
            QCursor::setPos(at);
            QApplication::sendEvent(from, e);
        };
        QApplication::sendEvent(&w, &enter);
        QVERIFY(w.toolFrame()->isVisible());
        // Hidden as the main window hides it (for the watermark page, the
        // webcam settings): the strip and its buttons go too.
        w.hide();
        QVERIFY(!w.toolFrame()->isVisible());

        // From the picture onto the strip: it stays; back over the picture:
        // it stays; from the strip out to the desktop: it goes.
        w.show();
        QApplication::sendEvent(&w, &enter);
        pointerTo(&w, w.toolFrame()->geometry().center(), &leave);
        QVERIFY(w.toolFrame()->isVisible());
        pointerTo(w.toolFrame(), w.geometry().center(), &leave);
        QVERIFY(w.toolFrame()->isVisible());
        pointerTo(w.toolFrame(), w.toolFrame()->geometry().center(), &enter);
        pointerTo(w.toolFrame(), w.geometry().topRight() + QPoint(40, -40), &leave);
        QVERIFY(!w.toolFrame()->isVisible());
        // From the picture straight out: it goes as before.
        QApplication::sendEvent(&w, &enter);
        pointerTo(&w, w.geometry().bottomLeft() + QPoint(-40, 40), &leave);
        QVERIFY(!w.toolFrame()->isVisible());
    }

    void borderZones()
    {
        const QSize s(100, 80);
        QCOMPARE(CameraWindow::borderZone({0, 0}, s), int(HTTOPLEFT));
        QCOMPARE(CameraWindow::borderZone({96, 3}, s), int(HTTOPRIGHT));
        QCOMPARE(CameraWindow::borderZone({3, 76}, s), int(HTBOTTOMLEFT));
        QCOMPARE(CameraWindow::borderZone({99, 79}, s), int(HTBOTTOMRIGHT));
        QCOMPARE(CameraWindow::borderZone({2, 40}, s), int(HTLEFT));
        QCOMPARE(CameraWindow::borderZone({96, 40}, s), int(HTRIGHT));
        QCOMPARE(CameraWindow::borderZone({50, 3}, s), int(HTTOP));
        QCOMPARE(CameraWindow::borderZone({50, 76}, s), int(HTBOTTOM));
        QCOMPARE(CameraWindow::borderZone({4, 4}, s), int(HTNOWHERE));
        QCOMPARE(CameraWindow::borderZone({95, 75}, s), int(HTNOWHERE));
    }

    void borderResizesByHandWithoutAWindowManager()
    {
        CameraWindow w;
        w.setGeometry(100, 100, 400, 300);
        w.show();
        QTest::mousePress(&w, Qt::LeftButton, {}, QPoint(399, 299));
        QMouseEvent move(QEvent::MouseMove, QPoint(419, 329), w.mapToGlobal(QPoint(419, 329)), Qt::NoButton,
                         Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&w, &move);
        QTest::mouseRelease(&w, Qt::LeftButton, {}, QPoint(419, 329));
        QCOMPARE(w.size(), QSize(420, 330));
        QCOMPARE(w.pos(), QPoint(100, 100));
    }

    void placements()
    {
        const QRect ref(0, 0, 1920, 1080);
        const QSize s(400, 300);
        QCOMPARE(CameraWindow::placement(0, s, ref, 39), QPoint(760, 390));
        QCOMPARE(CameraWindow::placement(1, s, ref, 39), QPoint(1520, 741));
        QCOMPARE(CameraWindow::placement(2, s, ref, 39), QPoint(1520, 0));
        QCOMPARE(CameraWindow::placement(3, s, ref, 39), QPoint(0, 741));
        QCOMPARE(CameraWindow::placement(4, s, QRect(50, 60, 800, 600), 39), QPoint(50, 60));
    }

    void photoIntoAFolderThatCannotBeMadeIsRefused()
    {
        QFile file(dir.filePath("plain"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        ground.env->output()->ScreenshotsFolder = dir.filePath("plain/Snapshots");
        int records = 0;
        CameraWindow::setHistoryRecorder([&](int, const QString &, const QSize &, int, qint64) { ++records; });
        CameraWindow w;
        MessageCatcher messages;
        clearTrace();
        w.takePhoto();
        QCOMPARE(messages.texts.size(), 1);
        QVERIFY(messages.texts.first().contains("The location of screenshot files is not valid"));
        QVERIFY(callsOf({"takeCameraPhoto"}).isEmpty());
        QCOMPARE(records, 0);
    }

    void photoIsRecordedWithTheFormatSize()
    {
        ground.env->output()->ScreenshotsFolder = dir.filePath("shots");
        struct Record {
            int kind;
            QString path;
            QSize size;
            int seconds;
        };
        QList<Record> records;
        CameraWindow::setHistoryRecorder([&](int kind, const QString &path, const QSize &size, int seconds, qint64) {
            records << Record{kind, path, size, seconds};
        });
        CameraWindow w;
        w.show();
        w.takePhoto();
        QVERIFY(QDir(dir.filePath("shots")).exists());
        QCOMPARE(records.size(), 1);
        QCOMPARE(records.first().kind, 2);
        QCOMPARE(records.first().size, QSize(1280, 720));
        QCOMPARE(records.first().seconds, 0);
        QVERIFY(records.first().path.startsWith(dir.filePath("shots")));
        QCOMPARE(callsOf({"takeCameraPhoto"}).size(), 1);
        // The file never came: the animation shows a grab of the window.
        auto *label = w.findChild<QLabel *>(QStringLiteral("photoLabel"));
        QVERIFY(label && !label->pixmap(Qt::ReturnByValue).isNull());
        QTRY_VERIFY(!label->isVisible());
    }

    void photoTheEngineCouldNotTakeIsNotRecorded()
    {
        ground.env->output()->ScreenshotsFolder = dir.filePath("shots");
        script(kCamera + "result takeCameraPhoto -1\n");
        int records = 0;
        CameraWindow::setHistoryRecorder([&](int, const QString &, const QSize &, int, qint64) { ++records; });
        CameraWindow w;
        MessageCatcher messages;
        w.takePhoto();
        QCOMPARE(records, 0);
        QCOMPARE(messages.texts.size(), 1);
    }
};

QTEST_MAIN(TestCameraWindow)
#include "tst_camerawindow.moc"
