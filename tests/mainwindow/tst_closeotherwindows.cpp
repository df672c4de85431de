// Closing the program's other windows before a recording: nested dialogs go
// innermost first, kept windows stay, the program's notices stay, a window
// that refuses to close ends the walk instead of holding it, and one that
// hides in its own time is waited for asleep.
#include <QtTest>

#include "closeotherwindows.h"
#include "commondialog.h"

#include <QAbstractEventDispatcher>
#include <QCloseEvent>
#include <QDialog>
#include <QPointer>
#include <QTimer>

namespace {

QStringList g_closed;

class Tracked : public QDialog
{
public:
    explicit Tracked(const QString &name, QWidget *parent = nullptr) : QDialog(parent) { setObjectName(name); }
    void done(int code) override
    {
        g_closed.append(objectName());
        QDialog::done(code);
    }
};

class Stubborn : public QWidget
{
protected:
    void closeEvent(QCloseEvent *event) override { event->ignore(); }
};

// Hides a moment after it is asked to close, as a window that first ends
// some work of its own does.
class Late : public QWidget
{
protected:
    void closeEvent(QCloseEvent *event) override
    {
        event->ignore();
        QTimer::singleShot(100, this, &QWidget::hide);
    }
};

// How often the event loop wakes while `f` runs.
template <typename F> int wakeUps(F f)
{
    int wakes = 0;
    QAbstractEventDispatcher *dispatcher = QAbstractEventDispatcher::instance();
    const auto a = QObject::connect(dispatcher, &QAbstractEventDispatcher::awake, [&] { ++wakes; });
    const auto b = QObject::connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, [&] { ++wakes; });
    f();
    QObject::disconnect(a);
    QObject::disconnect(b);
    return wakes;
}

} // namespace

class TestCloseOtherWindows : public QObject
{
    Q_OBJECT
private slots:
    void init() { g_closed.clear(); }

    void nestedDialogsCloseInnermostFirst()
    {
        QWidget main;
        main.show();
        Tracked history(QStringLiteral("history"));
        history.show();
        Tracked confirm(QStringLiteral("confirm"), &history);
        confirm.show();
        Tracked detail(QStringLiteral("detail"), &confirm);
        detail.show();
        QCOMPARE(closeOtherWindows({&main}), 3);
        QCOMPARE(g_closed, (QStringList{QStringLiteral("detail"), QStringLiteral("confirm"), QStringLiteral("history")}));
        QVERIFY(main.isVisible());
        QVERIFY(!history.isVisible());
    }

    void aWindowThatRefusesEndsTheWalk()
    {
        Stubborn stubborn;
        stubborn.show();
        Tracked other(QStringLiteral("other"));
        other.show();
        QCOMPARE(closeOtherWindows({}, 50), 1);
        QVERIFY(stubborn.isVisible());
        QVERIFY(!other.isVisible());
        // Its child still goes; the refusing parent stays.
        Tracked child(QStringLiteral("child"), &stubborn);
        child.show();
        QCOMPARE(closeOtherWindows({}, 50), 1);
        QCOMPARE(g_closed.last(), QStringLiteral("child"));
        QVERIFY(stubborn.isVisible());
    }

    // A notice the program raised for the user (a file set aside, a job's
    // outcome) waits for the user: closing the other windows before a
    // recording leaves it, and without a wait nothing waits at all. Only
    // leaving closes it.
    void noticesWaitForTheUser()
    {
        QPointer<CommonDialog> notice = CommonDialog::tell(nullptr, QStringLiteral("kept aside"));
        QVERIFY(notice && notice->isVisible());
        QVERIFY(!notice->isModal());
        Tracked other(QStringLiteral("other"));
        other.show();
        int wakes = 0;
        const int closed = [&] {
            int n = 0;
            wakes = wakeUps([&] { n = closeOtherWindows({}, 0); });
            return n;
        }();
        QCOMPARE(closed, 1);
        QCOMPARE(wakes, 0);
        QVERIFY(!other.isVisible());
        QVERIFY(notice && notice->isVisible());
        closeNotices();
        QTRY_VERIFY(!notice);
    }

    // The wait sleeps until the window hides or its time is up; polling
    // would wake the loop thousands of times and keep a core busy.
    void aWindowIsWaitedForAsleep()
    {
        Late late;
        late.show();
        int closed = 0;
        const int lateWakes = wakeUps([&] { closed = closeOtherWindows({}); });
        QCOMPARE(closed, 1);
        QVERIFY(!late.isVisible());
        QVERIFY2(lateWakes < 100, qPrintable(QString::number(lateWakes)));

        Stubborn stubborn;
        stubborn.show();
        const int stubbornWakes = wakeUps([&] { closed = closeOtherWindows({}, 200); });
        QCOMPARE(closed, 0);
        QVERIFY(stubborn.isVisible());
        QVERIFY2(stubbornWakes < 100, qPrintable(QString::number(stubbornWakes)));
    }
};

QTEST_MAIN(TestCloseOtherWindows)
#include "tst_closeotherwindows.moc"
