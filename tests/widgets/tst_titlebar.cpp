// The title bar's widgets, sizes and areas.
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QtTest>

#include "mybutton.h"
#include "skinmanager.h"
#include "titlebar.h"

class TestTitleBar : public QObject
{
    Q_OBJECT
private slots:
    void init() { g_dscale = 1.0; }

    void sizesFollowTheDisplayScale()
    {
        g_dscale = 1.5;
        TitleBar bar(TitleBar::TitleLeft);
        QCOMPARE(bar.height(), 45);
        QCOMPARE(bar.closeButton()->size(), QSize(48, 42));
        QCOMPARE(bar.settingsButton()->size(), QSize(48, 42));
        QCOMPARE(bar.firstSeparator()->height(), 34);
        QCOMPARE(bar.secondSeparator()->height(), 34);
        g_dscale = 1.0;
        bar.applyScale();
        QCOMPARE(bar.height(), 30);
        QCOMPARE(bar.minimizeButton()->size(), QSize(32, 28));
    }

    void buttonsAndTheirIdentities()
    {
        TitleBar bar(TitleBar::TitleLeft);
        QCOMPARE(bar.settingsButton()->property("BUTTON_TYPE").toInt(), 16);
        QCOMPARE(bar.helpButton()->property("BUTTON_TYPE").toInt(), 32);
        QCOMPARE(bar.feedbackButton()->property("BUTTON_TYPE").toInt(), 128);
        QCOMPARE(bar.closeButton()->property("STYLE_KEY").toString(), QStringLiteral("CLOSE_BTN"));
        QCOMPARE(bar.closeButton()->focusPolicy(), Qt::NoFocus);
        QVERIFY(bar.intelButton()->isHidden());
        QVERIFY(bar.amdButton()->isHidden());
        QVERIFY(bar.nvidiaButton()->isHidden());
        QVERIFY(bar.restoreButton()->isHidden());
        QVERIFY(!bar.closeButton()->autoDefault());
        QCOMPARE(bar.settingsButton()->toolTip(), QStringLiteral("Settings"));
        QCOMPARE(bar.helpButton()->toolTip(), QStringLiteral("Help center"));
        QVERIFY(bar.animationLabel()->isHidden());
        QCOMPARE(bar.animationLabel()->parentWidget(), bar.helpButton());
    }

    void titlePositions()
    {
        TitleBar left(TitleBar::TitleLeft);
        QVERIFY(left.leftArea()->isAncestorOf(left.titleLabel()));
        QVERIFY(left.rightArea()->isAncestorOf(left.closeButton()));
        TitleBar centred(TitleBar::TitleCentered);
        QVERIFY(centred.middleArea()->isAncestorOf(centred.titleLabel()));
        QVERIFY(centred.middleArea()->isAncestorOf(centred.iconLabel()));
        QVERIFY(centred.rightArea()->isAncestorOf(centred.closeButton()));
        // Other values are laid out like the left title.
        TitleBar other(7);
        QVERIFY(other.leftArea()->isAncestorOf(other.titleLabel()));
    }

    void titleTextAndIcon()
    {
        g_dscale = 2.0;
        TitleBar bar(TitleBar::TitleLeft);
        bar.setTitleText("Recorder");
        QCOMPARE(bar.titleLabel()->text(), QStringLiteral("Recorder"));
        QCOMPARE(bar.titleLabel()->font().pixelSize(), 16);

        QPixmap icon(16, 16);
        icon.fill(Qt::red);
        bar.setTitleIcon(icon);
        QVERIFY(!bar.iconLabel()->isHidden());
        bar.setTitleIcon(QPixmap());
        QVERIFY(bar.iconLabel()->isHidden());
    }

    void widgetsAddedByTheFrame()
    {
        TitleBar bar(TitleBar::TitleLeft);
        auto *right = new QLabel("R");
        bar.addRightWidget(right, 7);
        auto *group = qobject_cast<QHBoxLayout *>(bar.rightArea()->layout());
        QVERIFY(group);
        const int at = group->indexOf(right);
        QVERIFY(at >= 0);
        // The widget, its spacing, then the minimise button.
        QCOMPARE(group->itemAt(at + 1)->spacerItem()->sizeHint().width(), 7);
        QCOMPARE(group->itemAt(at + 2)->widget(), static_cast<QWidget *>(bar.minimizeButton()));

        auto *left = new QLabel("L");
        bar.addLeftWidget(left, 3);
        QVERIFY(bar.leftArea()->isAncestorOf(left));
        auto *middle = new QLabel("M");
        bar.addMiddleWidget(middle, 3);
        QVERIFY(bar.middleArea()->isAncestorOf(middle));

        const int count = group->count();
        bar.addRightWidget(nullptr, 5);
        QCOMPARE(group->count(), count);
    }

    void backgroundNameSelectsStyleRules()
    {
        TitleBar bar(TitleBar::TitleLeft);
        QCOMPARE(bar.background()->objectName(), QStringLiteral("titleBackground"));
        bar.setStyleSheet("QWidget#mainframe { background-color: rgb(1, 2, 3); }");
        bar.setBackgroundName("mainframe");
        QCOMPARE(bar.background()->objectName(), QStringLiteral("mainframe"));
        bar.resize(300, 30);
        bar.show();
        QVERIFY(QTest::qWaitForWindowExposed(&bar));
        const QImage shot = bar.grab().toImage();
        QCOMPARE(QColor(shot.pixel(1, 2)), QColor(1, 2, 3)); // the margin before the left area
    }
};

QTEST_MAIN(TestTitleBar)
#include "tst_titlebar.moc"
