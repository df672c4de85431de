// The outer frame: which frames keep their size, and the title bar's sizes.
#include <QtTest>

#include "core/edition.h"
#include "core/myconfig.h"
#include "mainwindow/myframe.h"
#include "mybutton.h"
#include "skinmanager.h"
#include "titlebar.h"

#include <QLabel>

namespace {
QWidget *content(const QSize &size)
{
    auto *w = new QWidget;
    w->resize(size);
    return w;
}
} // namespace

class TestMyFrame : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        createApplicationData();
        g_myConfig = new MyConfig;
    }
    void cleanupTestCase()
    {
        delete g_myConfig;
        g_myConfig = nullptr;
        releaseApplicationData();
    }
    void init() { g_dscale = 1.0; }

    void onlyTheMainFrameKeepsItsSize()
    {
        {
            MyFrame main(content(QSize(700, 300)), nullptr, 0x10000005, QPixmap());
        }
        QCOMPARE(g_myConfig->width(), 700);
        QCOMPARE(g_myConfig->height(), 300);
        QCOMPARE(g_myConfig->getValue("Width"), QStringLiteral("700"));

        // A service view's passing frame leaves the stored size alone.
        QWidget owner;
        {
            MyFrame view(content(QSize(400, 200)), &owner, CAbstractFrame::CloseButton, QPixmap());
        }
        QCOMPARE(g_myConfig->width(), 700);
        QCOMPARE(g_myConfig->getValue("Height"), QStringLiteral("300"));
    }

    void titleBarSizes()
    {
        g_dscale = 1.5;
        MyFrame frame(content(QSize(800, 300)), nullptr, CAbstractFrame::CloseButton, QPixmap());
        TitleBar *bar = frame.titleBar();
        QCOMPARE(bar->height(), 75);
        QCOMPARE(bar->width(), 780);
        QCOMPARE(bar->closeButton()->size(), QSize(45, 30));
        QCOMPARE(bar->closeButton()->toolTip(), QStringLiteral("Close"));
        QCOMPARE(frame.property("STYLE_KEY").toString(), QStringLiteral("HOME_BACK"));
        QCOMPARE(bar->background()->objectName(), QStringLiteral("mainframe"));
    }

    void mainTitle()
    {
        MyFrame frame(content(QSize(800, 300)), nullptr, 0x10000005, QPixmap());
        frame.setMainTitle(1);
        QCOMPARE(frame.titleBar()->titleLabel()->text(), QStringLiteral("Olvex Free Mirelo"));
    }

    void contentKeepsInsideTheRoundedCorners()
    {
        MyFrame frame(content(QSize(400, 200)), nullptr, CAbstractFrame::CloseButton, QPixmap());
        frame.show();
        QVERIFY(QTest::qWaitForWindowExposed(&frame));
        QWidget *c = frame.content();
        const QRegion mask = c->mask();
        QVERIFY(!mask.isEmpty());
        // The corners of the body's curve are cut away; the rest stays.
        QVERIFY(!mask.contains(QPoint(0, c->height() - 1)));
        QVERIFY(!mask.contains(QPoint(c->width() - 1, c->height() - 1)));
        QVERIFY(mask.contains(QPoint(c->width() / 2, c->height() / 2)));
        QVERIFY(mask.contains(QPoint(0, c->height() / 2)));
        QVERIFY(mask.contains(QPoint(c->width() / 2, c->height() - 1)));

        // It follows the frame's size.
        frame.resize(600, 400);
        QTRY_VERIFY(c->height() > 300);
        QVERIFY(!c->mask().contains(QPoint(c->width() - 1, c->height() - 1)));
        QVERIFY(c->mask().contains(QPoint(c->width() - 20, c->height() - 1)));
    }
};

QTEST_MAIN(TestMyFrame)
#include "tst_myframe.moc"
