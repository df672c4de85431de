// The frameless frames: buttons per type, closing, Escape, maximising,
// dragging, hit zones and placement.
#include <QLabel>
#include <QScreen>
#include <QSignalSpy>
#include <QVBoxLayout>
#include <QtTest>

#include "ccommonframe.h"
#include "core/globaldefs.h"
#include "mybutton.h"
#include "skinmanager.h"
#include "titlebar.h"

namespace {
QWidget *makeContent(const QSize &size = QSize(400, 300))
{
    auto *w = new QWidget;
    w->setWindowTitle("View");
    w->resize(size);
    new QLabel("content", w);
    return w;
}

void mouse(QWidget *w, QEvent::Type type, QPoint local, Qt::MouseButton button, Qt::MouseButtons buttons)
{
    QMouseEvent e(type, QPointF(local), QPointF(w->mapToGlobal(local)), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

bool refuse(void *counter)
{
    ++*static_cast<int *>(counter);
    return false;
}
bool allow(void *counter)
{
    ++*static_cast<int *>(counter);
    return true;
}
} // namespace

class TestFrames : public QObject
{
    Q_OBJECT
private slots:
    void init() { g_dscale = 1.0; }

    void buttonsFollowTheTypeBits_data()
    {
        QTest::addColumn<quint32>("types");
        QTest::addColumn<QStringList>("visible");
        QTest::newRow("close only") << quint32(0x4) << QStringList{"close"};
        QTest::newRow("main frame") << quint32(0x10000005) << QStringList{"min", "close"};
        QTest::newRow("maximise") << quint32(0x2) << QStringList{"max"};
        QTest::newRow("settings and help") << quint32(0x30) << QStringList{"settings", "help", "sep2"};
        QTest::newRow("feedback") << quint32(0x80) << QStringList{"feedback", "sep1"};
        QTest::newRow("encoders") << quint32(0x700) << QStringList{"intel", "amd", "nvidia", "sep1"};
        QTest::newRow("none") << quint32(0) << QStringList{};
    }
    void buttonsFollowTheTypeBits()
    {
        QFETCH(quint32, types);
        QFETCH(QStringList, visible);
        QWidget parent;
        CCommonFrame frame(makeContent(), &parent, types, QPixmap());
        TitleBar *t = frame.titleBar();
        const QMap<QString, QWidget *> all{
            {"min", t->minimizeButton()},   {"max", t->maximizeButton()},   {"restore", t->restoreButton()},
            {"close", t->closeButton()},    {"settings", t->settingsButton()}, {"help", t->helpButton()},
            {"feedback", t->feedbackButton()}, {"intel", t->intelButton()},  {"amd", t->amdButton()},
            {"nvidia", t->nvidiaButton()},  {"sep1", t->firstSeparator()},  {"sep2", t->secondSeparator()}};
        for (auto it = all.begin(); it != all.end(); ++it)
            QCOMPARE(!it.value()->isHidden(), visible.contains(it.key()));
    }

    void closeButtonHandsTheViewBack()
    {
        QWidget owner;
        QWidget *view = makeContent();
        QPointer<QWidget> guard(view);
        {
            CCommonFrame frame(view, &owner, CAbstractFrame::CloseButton, QPixmap());
            frame.show();
            QVERIFY(QTest::qWaitForWindowExposed(&frame));
            QCOMPARE(view->parentWidget(), static_cast<QWidget *>(&frame));
            QTest::mouseClick(frame.titleBar()->closeButton(), Qt::LeftButton);
            QVERIFY(!frame.isVisible());
            QCOMPARE(view->parentWidget(), &owner);
        }
        QVERIFY(guard); // the view outlives its frame and can be framed again
        CCommonFrame again(view, &owner, CAbstractFrame::CloseButton, QPixmap());
        again.show();
        QVERIFY(QTest::qWaitForWindowExposed(&again));
        QVERIFY(view->isVisible());
    }

    void mainFrameKeepsItsContent()
    {
        QWidget *content = makeContent();
        CCommonFrame frame(content, nullptr, 0x10000005, QPixmap());
        frame.show();
        QVERIFY(QTest::qWaitForWindowExposed(&frame));
        QTest::keyClick(content, Qt::Key_Escape);
        QVERIFY(frame.isVisible()); // Escape does not close the main frame
        // Nor one that reaches the frame itself (the content holds no focus
        // while an unfocused window of ours shows beside it).
        QTest::keyClick(&frame, Qt::Key_Escape);
        QVERIFY(frame.isVisible());
        frame.close();
        QCOMPARE(content->parentWidget(), static_cast<QWidget *>(&frame));
    }

    void escapeClosesAPlainFrame()
    {
        QWidget owner;
        QWidget *content = makeContent();
        CCommonFrame frame(content, &owner, CAbstractFrame::CloseButton, QPixmap());
        frame.show();
        QVERIFY(QTest::qWaitForWindowExposed(&frame));
        QTest::keyClick(content, Qt::Key_Escape);
        QVERIFY(!frame.isVisible());
    }

    void closingTheContentClosesTheFrame()
    {
        QWidget owner;
        QWidget *content = makeContent();
        CCommonFrame frame(content, &owner, CAbstractFrame::CloseButton, QPixmap());
        frame.show();
        QVERIFY(QTest::qWaitForWindowExposed(&frame));
        content->close();
        QVERIFY(!frame.isVisible());
    }

    void refusedCloseKeepsTheFrameWhole()
    {
        QWidget owner;
        QWidget *content = makeContent();
        CCommonFrame frame(content, &owner, CAbstractFrame::CloseButton, QPixmap());
        int asked = 0;
        frame.setCloseCallback(&refuse, &asked);
        frame.show();
        QVERIFY(QTest::qWaitForWindowExposed(&frame));
        QVERIFY(!frame.close());
        QCOMPARE(asked, 1);
        QVERIFY(frame.isVisible());
        QCOMPARE(content->parentWidget(), static_cast<QWidget *>(&frame)); // still inside
        // An Escape on the frame itself asks too, rather than hiding it.
        QTest::keyClick(&frame, Qt::Key_Escape);
        QCOMPARE(asked, 2);
        QVERIFY(frame.isVisible());

        frame.setCloseCallback(&allow, &asked);
        QVERIFY(frame.close());
        QCOMPARE(asked, 3);
        frame.show();
        QVERIFY(frame.close());
        QCOMPARE(asked, 3); // asked once only
    }

    void doubleClickMaximisesOnlyWhenAsked()
    {
        CCommonFrame plain(makeContent(), nullptr, CAbstractFrame::MaximizeButton, QPixmap());
        plain.show();
        QVERIFY(QTest::qWaitForWindowExposed(&plain));
        mouse(plain.titleBar(), QEvent::MouseButtonDblClick, {50, 10}, Qt::LeftButton, Qt::LeftButton);
        QVERIFY(!plain.isFrameMaximized());

        CCommonFrame frame(makeContent(), nullptr, CAbstractFrame::MaximizeButton | CAbstractFrame::DoubleClickMaximize,
                           QPixmap());
        frame.show();
        QVERIFY(QTest::qWaitForWindowExposed(&frame));
        const QRect normal = frame.geometry();
        mouse(frame.titleBar(), QEvent::MouseButtonDblClick, {50, 10}, Qt::LeftButton, Qt::LeftButton);
        QVERIFY(frame.isFrameMaximized());
        QCOMPARE(frame.geometry(), frame.screen()->availableGeometry());
        QVERIFY(frame.titleBar()->maximizeButton()->isHidden());
        QVERIFY(!frame.titleBar()->restoreButton()->isHidden());

        // A maximised frame does not move with the title bar.
        const QPoint at = frame.pos();
        mouse(frame.titleBar(), QEvent::MouseButtonPress, {50, 10}, Qt::LeftButton, Qt::LeftButton);
        mouse(frame.titleBar(), QEvent::MouseMove, {150, 60}, Qt::NoButton, Qt::LeftButton);
        mouse(frame.titleBar(), QEvent::MouseButtonRelease, {150, 60}, Qt::LeftButton, Qt::NoButton);
        QCOMPARE(frame.pos(), at);

        mouse(frame.titleBar(), QEvent::MouseButtonDblClick, {50, 10}, Qt::LeftButton, Qt::LeftButton);
        QVERIFY(!frame.isFrameMaximized());
        QCOMPARE(frame.geometry(), normal);
    }

    void titleBarDragsTheFrame()
    {
        CCommonFrame frame(makeContent(), nullptr, CAbstractFrame::CloseButton, QPixmap());
        frame.show();
        QVERIFY(QTest::qWaitForWindowExposed(&frame));
        const QPoint start = frame.pos();
        mouse(frame.titleBar(), QEvent::MouseButtonPress, {60, 10}, Qt::LeftButton, Qt::LeftButton);
        mouse(frame.titleBar(), QEvent::MouseMove, {90, 50}, Qt::NoButton, Qt::LeftButton);
        QCOMPARE(frame.pos(), start + QPoint(30, 40));
        mouse(frame.titleBar(), QEvent::MouseButtonRelease, {90, 50}, Qt::LeftButton, Qt::NoButton);

        // A drag widget of the frame's choosing works the same way.
        auto *handle = new QLabel("handle", frame.content());
        frame.setDragWidget(handle);
        const QPoint before = frame.pos();
        mouse(handle, QEvent::MouseButtonPress, {1, 1}, Qt::LeftButton, Qt::LeftButton);
        mouse(handle, QEvent::MouseMove, {11, 6}, Qt::NoButton, Qt::LeftButton);
        QCOMPARE(frame.pos(), before + QPoint(10, 5));
        mouse(handle, QEvent::MouseButtonRelease, {11, 6}, Qt::LeftButton, Qt::NoButton);
    }

    void hitZones()
    {
        const QSize s(200, 100);
        QLabel child;
        QCOMPARE(CWindowsFrame::hitTest({2, 2}, s, false, nullptr), int(HTTOPLEFT));
        QCOMPARE(CWindowsFrame::hitTest({2, 10}, s, false, nullptr), int(HTLEFT));
        QCOMPARE(CWindowsFrame::hitTest({198, 1}, s, false, nullptr), int(HTTOPRIGHT));
        QCOMPARE(CWindowsFrame::hitTest({197, 50}, s, false, nullptr), int(HTRIGHT));
        QCOMPARE(CWindowsFrame::hitTest({100, 3}, s, false, nullptr), int(HTTOP));
        QCOMPARE(CWindowsFrame::hitTest({0, 99}, s, false, nullptr), int(HTBOTTOMLEFT));
        QCOMPARE(CWindowsFrame::hitTest({198, 98}, s, false, nullptr), int(HTBOTTOMRIGHT));
        QCOMPARE(CWindowsFrame::hitTest({100, 96}, s, false, nullptr), int(HTBOTTOM));
        QCOMPARE(CWindowsFrame::hitTest({100, 50}, s, false, nullptr), int(CWindowsFrame::HitCaption));
        QCOMPARE(CWindowsFrame::hitTest({100, 50}, s, false, &child), int(HTCLIENT));
        QCOMPARE(CWindowsFrame::hitTest({2, 2}, s, true, nullptr), int(HTCLIENT));
        QCOMPARE(CWindowsFrame::hitTest({4, 4}, s, false, &child), int(HTCLIENT));
    }

    void encoderButtonsFollowTheStoredTypes()
    {
        CCommonFrame frame(makeContent(), nullptr, CAbstractFrame::IntelButton | CAbstractFrame::AmdButton, QPixmap());
        TitleBar *t = frame.titleBar();
        frame.setGpuButtonsEnabled(false);
        QVERIFY(!t->intelButton()->isEnabled());
        QVERIFY(!t->amdButton()->isEnabled());
        QVERIFY(t->nvidiaButton()->isEnabled()); // not its bit

        frame.setFrameTypes(CAbstractFrame::NvidiaButton);
        frame.setGpuButtonsEnabled(true);
        QVERIFY(t->nvidiaButton()->isEnabled());
        QVERIFY(!t->intelButton()->isEnabled());
        QVERIFY(t->nvidiaButton()->isHidden()); // visibility stays as built

        frame.setFrameTypes(CAbstractFrame::IntelButton);
        frame.enableIntelOnly(true);
        QVERIFY(t->intelButton()->isEnabled());
        QVERIFY(!t->amdButton()->isEnabled());
        QVERIFY(!t->nvidiaButton()->isEnabled());
        frame.enableAmdOnly(true); // not its bit: nothing changes
        QVERIFY(!t->amdButton()->isEnabled());
    }

    void optionButtonsReportTheirIdentity()
    {
        CCommonFrame frame(makeContent(), nullptr, CAbstractFrame::SettingsButton | CAbstractFrame::HelpButton,
                           QPixmap());
        QSignalSpy spy(&frame, &CAbstractFrame::Option);
        frame.titleBar()->settingsButton()->click();
        frame.titleBar()->helpButton()->click();
        QCOMPARE(spy.count(), 2);
        QCOMPARE(spy.at(0).at(0).value<CAbstractFrame::FrameTypes>(), 16u);
        QCOMPARE(spy.at(1).at(0).value<CAbstractFrame::FrameTypes>(), 32u);
    }

    void placement()
    {
        // Without a parent: centred on the screen, by the content's size.
        CCommonFrame alone(makeContent(QSize(400, 300)), nullptr, CAbstractFrame::CloseButton, QPixmap(), 5);
        const QRect screen = QGuiApplication::screens().first()->geometry();
        QCOMPARE(alone.pos(), QPoint(screen.left() + (screen.width() - 400) / 2, screen.top() + (screen.height() - 300) / 2));

        // With a parent: centred on the parent.
        QWidget parent;
        parent.setGeometry(100, 100, 401, 301);
        parent.show();
        QVERIFY(QTest::qWaitForWindowExposed(&parent));
        CCommonFrame child(makeContent(QSize(200, 100)), &parent, CAbstractFrame::CloseButton, QPixmap());
        const QPoint p = parent.mapToGlobal(QPoint(0, 0));
        QCOMPARE(child.pos(), QPoint(p.x() + 401 / 2 - 100, p.y() + 301 / 2 - 50));
    }

    void fitToContentLeavesRoomForTheTitle()
    {
        CCommonFrame frame(makeContent(QSize(400, 300)), nullptr, CAbstractFrame::CloseButton, QPixmap());
        frame.fitToContent();
        QCOMPARE(frame.size(), QSize(400, 300 + frame.titleBar()->height() + 2));
    }
};

QTEST_MAIN(TestFrames)
#include "tst_frames.moc"
