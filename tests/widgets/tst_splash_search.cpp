// The splash screen's size, texts, animation and placement; the search
// field's room for its magnifier.
#include <QLabel>
#include <QLineEdit>
#include <QMovie>
#include <QScreen>
#include <QtTest>

#include "core/edition.h"
#include "mysplashscreen.h"
#include "searchedit.h"
#include "skinmanager.h"
#include "ui_mysplashscreen.h"

class TestSplashAndSearch : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { createApplicationData(); }
    void cleanupTestCase() { releaseApplicationData(); }
    void init() { g_dscale = 1.0; }

    void splashSizeFollowsTheScale_data()
    {
        QTest::addColumn<double>("scale");
        QTest::addColumn<QSize>("size");
        QTest::newRow("1.0") << 1.0 << QSize(414, 468);
        QTest::newRow("1.5") << 1.5 << QSize(621, 702);
        QTest::newRow("2.0") << 2.0 << QSize(828, 936);
    }
    void splashSizeFollowsTheScale()
    {
        QFETCH(double, scale);
        QFETCH(QSize, size);
        g_dscale = scale;
        MySplashScreen splash(nullptr, Qt::FramelessWindowHint);
        QCOMPARE(splash.size(), size);
        QCOMPARE(splash.form()->lblGif->size(), QSize(int(38 * scale), int(38 * scale)));
        QCOMPARE(splash.form()->lblLogo->size(), QSize(int(140 * scale), int(140 * scale)));
    }

    void splashTexts()
    {
        MySplashScreen splash;
        QCOMPARE(splash.form()->lblVersion->text(), QStringLiteral("Version ") + productVersion());
        QVERIFY(!productVersion().isEmpty());
        QVERIFY(splash.form()->label_2->text().contains(g_mireloData->copyrightTime()));
        QCOMPARE(splash.form()->CentralWidget->property("STYLE_KEY").toString(), QStringLiteral("HOME_PAGE_FREE"));
    }

    void finishStopsTheAnimationAndCloses()
    {
        auto *splash = new MySplashScreen(nullptr, Qt::FramelessWindowHint);
        QPointer<MySplashScreen> guard(splash);
        splash->show();
        QVERIFY(QTest::qWaitForWindowExposed(splash));
        splash->finish();
        QVERIFY(!splash->isVisible());
        QVERIFY(splash->movie());
        QCOMPARE(splash->movie()->state(), QMovie::NotRunning);
        QVERIFY(guard); // still there until its owner destroys it
        delete splash;
    }

    void splashStandsInTheMiddleOfThePrimaryScreen()
    {
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        for (const QSize size : {QSize(414, 468), QSize(621, 702), QSize(33, 7)}) {
            const QPoint at = MySplashScreen::centeredPosition(size);
            QCOMPARE(at.x(), screen.left() + (screen.width() - size.width()) / 2);
            QCOMPARE(at.y(), screen.top() + (screen.height() - size.height()) / 2);
        }
    }

    void searchFieldLeavesRoomForTheMagnifier()
    {
        QLineEdit plain;
        SearchEdit search;
        QCOMPARE(search.textMargins().left(), plain.textMargins().left() + 30);
        QCOMPARE(search.textMargins().top(), plain.textMargins().top());
        QCOMPARE(search.textMargins().right(), plain.textMargins().right());
        search.resize(200, 30);
        const QRect icon = search.magnifierRect();
        QCOMPARE(icon.left(), 8);
        QCOMPARE(icon.top(), (30 - search.magnifier().height()) / 2);
    }
};

QTEST_MAIN(TestSplashAndSearch)
#include "tst_splash_search.moc"
