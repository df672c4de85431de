// Moving a frameless window by a handle when no window manager does it.
#include <QLabel>
#include <QVBoxLayout>
#include <QtTest>

#include "framelessdrag.h"

namespace {
void send(QWidget *w, QEvent::Type type, QPoint local, Qt::MouseButton button, Qt::MouseButtons buttons)
{
    QMouseEvent e(type, QPointF(local), QPointF(w->mapToGlobal(local)), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}
} // namespace

class TestFramelessDrag : public QObject
{
    Q_OBJECT

    struct Window {
        QWidget window;
        QLabel *caption;
        FramelessDrag *drag;
        Window()
        {
            window.setWindowFlags(Qt::FramelessWindowHint);
            auto *l = new QVBoxLayout(&window);
            caption = new QLabel(QStringLiteral("caption"));
            caption->setFixedHeight(30);
            l->addWidget(caption);
            l->addStretch();
            window.setGeometry(100, 100, 300, 200);
            drag = new FramelessDrag(&window);
            drag->addHandle(caption);
            window.show();
        }
    };

private slots:
    void manualMoveFollowsThePointer()
    {
        Window w;
        QVERIFY(QTest::qWaitForWindowExposed(&w.window));
        const QPoint start = w.window.pos();
        send(w.caption, QEvent::MouseButtonPress, {10, 10}, Qt::LeftButton, Qt::LeftButton);
        QVERIFY(w.drag->isDragging()); // offscreen has no system move
        send(w.caption, QEvent::MouseMove, {50, 30}, Qt::NoButton, Qt::LeftButton);
        QCOMPARE(w.window.pos(), start + QPoint(40, 20));
        send(w.caption, QEvent::MouseButtonRelease, {50, 30}, Qt::LeftButton, Qt::NoButton);
        QVERIFY(!w.drag->isDragging());
        const QPoint after = w.window.pos();
        send(w.caption, QEvent::MouseMove, {90, 90}, Qt::NoButton, Qt::NoButton);
        QCOMPARE(w.window.pos(), after);
    }

    void onlyTheLeftButtonDrags()
    {
        Window w;
        QVERIFY(QTest::qWaitForWindowExposed(&w.window));
        const QPoint start = w.window.pos();
        send(w.caption, QEvent::MouseButtonPress, {10, 10}, Qt::RightButton, Qt::RightButton);
        QVERIFY(!w.drag->isDragging());
        send(w.caption, QEvent::MouseMove, {50, 30}, Qt::NoButton, Qt::RightButton);
        QCOMPARE(w.window.pos(), start);
    }

    void disabledHelperLetsEventsPass()
    {
        Window w;
        QVERIFY(QTest::qWaitForWindowExposed(&w.window));
        const QPoint start = w.window.pos();
        send(w.caption, QEvent::MouseButtonPress, {10, 10}, Qt::LeftButton, Qt::LeftButton);
        w.drag->setEnabled(false); // e.g. the window was maximised meanwhile
        QVERIFY(!w.drag->isDragging());
        send(w.caption, QEvent::MouseMove, {50, 30}, Qt::NoButton, Qt::LeftButton);
        QCOMPARE(w.window.pos(), start);
        QMouseEvent press(QEvent::MouseButtonPress, QPointF(5, 5), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QVERIFY(!w.drag->handleEvent(&press));
    }
};

QTEST_MAIN(TestFramelessDrag)
#include "tst_framelessdrag.moc"
