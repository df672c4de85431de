// The countdown before a recording by hand: the user's hotkeys, the frames
// the skin's generator drew, the order they show in, the end on the 77th
// tick, Escape through a grab of that key alone while it shows (never modal,
// which would give it the keyboard), and the mask that keeps its clear parts
// from showing black.
#include <QtTest>

#include "core/enviroment.h"
#include "core/vocabulary.h"
#include "countdownwindow.h"
#include "platform/fakehotkeybackend.h"
#include "platform/fakewindowshape.h"
#include "skinmanager.h"
#include "testsupport.h"
#include "ui_countdown.h"

class TestCountDown : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QVERIFY(SkinManager::instance()->init(0, skinNames(), "Win", "Olvex", "ml", "Mirelo",
                                              testsupport::binDir() + "/Skin"));
        g_enviroment = new Enviroment;
    }
    void cleanupTestCase()
    {
        delete g_enviroment;
        g_enviroment = nullptr;
    }

    void everySkinHasTheFrames()
    {
        for (const QString &skin : {QStringLiteral("Style1"), QStringLiteral("Style2")}) {
            const QString folder = testsupport::binDir() + "/Skin/" + skin + "/image/countdown/";
            for (int n = 2; n <= 77; ++n) {
                const QImage frame(folder + QStringLiteral("%1.png").arg(n));
                QVERIFY2(frame.size() == QSize(220, 220), qPrintable(folder + QString::number(n)));
            }
            // A countdown changes: the first and the last frame differ.
            QVERIFY(QImage(folder + "2.png") != QImage(folder + "77.png"));
        }
    }

    void showsTheUsersHotkeys()
    {
        g_enviroment->hotkeys()->HotkeyStop = QStringLiteral("Ctrl+Shift+F9");
        g_enviroment->hotkeys()->HotkeyPause = QStringLiteral("Alt+F10");
        CountDownWindow window;
        QCOMPARE(window.form()->lblStopRecordingHostkey->text(), QStringLiteral("Ctrl+Shift+F9"));
        QCOMPARE(window.form()->lblPauseRecordingHotkey->text(), QStringLiteral("Alt+F10"));
        QVERIFY(window.windowFlags() & Qt::FramelessWindowHint);
        QCOMPARE(window.windowTitle(), QCoreApplication::applicationName());
    }

    void framesTwoToSeventySevenThenAccepts()
    {
        CountDownWindow window;
        window.show();
        QSignalSpy accepted(&window, &QDialog::accepted);
        for (int tick = 1; tick <= 76; ++tick) {
            window.timerTimeout();
            QCOMPARE(window.frameCounter(), tick + 1);
            QVERIFY(!window.form()->lblAnimation->pixmap(Qt::ReturnByValue).isNull());
        }
        QCOMPARE(accepted.count(), 0);
        window.timerTimeout();
        QCOMPARE(accepted.count(), 1);
        QCOMPARE(window.result(), int(QDialog::Accepted));
    }

    void escapeEndsItEarly()
    {
        CountDownWindow window;
        window.show();
        QTest::keyClick(&window, Qt::Key_Escape);
        QCOMPARE(window.result(), int(QDialog::Rejected));
        QVERIFY(!window.isVisible());
    }

    // The key is the program's only while the countdown shows; a press of
    // it ends the countdown wherever the keyboard is.
    void escapeGrabbedWhileItShows()
    {
        FakeHotkeyBackend keys;
        CountDownWindow window;
        QVERIFY(!keys.isGrabbed(27, 0));
        window.show();
        QVERIFY(keys.isGrabbed(27, 0));
        FakeHotkeyBackend::press(27, 0);
        QCOMPARE(window.result(), int(QDialog::Rejected));
        QVERIFY(!window.isVisible());
        QVERIFY(!keys.isGrabbed(27, 0));

        // Held by another program: the countdown still runs to its end.
        keys.holdByOtherProgram(27, 0);
        CountDownWindow held;
        held.show();
        QVERIFY(!keys.isGrabbed(27, 0));
        held.hide();
        QCOMPARE(keys.calls.count(QStringLiteral("ungrab 27 0")), 1);
    }

    // It shows without being modal, and tells its end (Escape, or the
    // animation's last frame) through finished().
    void showsWithoutBeingModal()
    {
        FakeHotkeyBackend keys;
        CountDownWindow window;
        QSignalSpy ended(&window, &QDialog::finished);
        window.show();
        QVERIFY(window.isVisible());
        QVERIFY(!window.isModal() && !QGuiApplication::modalWindow());
        FakeHotkeyBackend::press(27, 0);
        QTRY_COMPARE(ended.size(), 1);
        QCOMPARE(ended.at(0).at(0).toInt(), int(QDialog::Rejected));

        CountDownWindow toTheEnd;
        QSignalSpy accepted(&toTheEnd, &QDialog::finished);
        toTheEnd.show();
        for (int tick = 1; tick <= CountDownWindow::kLastFrame; ++tick)
            toTheEnd.timerTimeout();
        QCOMPARE(accepted.size(), 1);
        QCOMPARE(accepted.at(0).at(0).toInt(), int(QDialog::Accepted));
        QVERIFY(!toTheEnd.isVisible());
    }

    void maskOnlyWithoutCompositing()
    {
        FakeWindowShape shape;
        shape.compositing = true;
        {
            CountDownWindow window;
            window.show();
            window.timerTimeout();
            QVERIFY(window.mask().isEmpty());
        }
        shape.compositing = false;
        CountDownWindow window;
        window.show();
        window.timerTimeout();
        const QRegion mask = window.mask();
        QVERIFY(!mask.isEmpty());
        // The hotkey frame shows; the corner beside the picture does not.
        QVERIFY(mask.contains(window.form()->frame->geometry().center()));
        const QRect label = window.form()->lblAnimation->geometry();
        QVERIFY(mask.contains(label.center()));
        QVERIFY(!mask.contains(QPoint(1, 1)));
        QVERIFY(!mask.contains(label.topLeft()));
    }
};

QTEST_MAIN(TestCountDown)
#include "tst_countdown.moc"
