// Closing the program's other windows before a recording: nested dialogs go
// innermost first, kept windows stay, and a window that refuses to close
// ends the walk instead of holding it.
#include <QtTest>

#include "closeotherwindows.h"

#include <QCloseEvent>
#include <QDialog>

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
};

QTEST_MAIN(TestCloseOtherWindows)
#include "tst_closeotherwindows.moc"
