// The record page's rules on injected screens: which fixed sizes a screen
// offers, centring and clamping on a second screen, the record button, the
// camera window's placement and the record-length popup's side.
#include <QtTest>

#include "pagerules.h"

using namespace pages;

class TestPageRules : public QObject
{
    Q_OBJECT
private:
    static QStringList texts(const QVector<Preset> &presets)
    {
        QStringList out;
        for (const Preset &p : presets)
            out << p.text + (p.separated ? QStringLiteral("|") : QString());
        return out;
    }

private slots:
    void fixedRegionMenuOffersOnlyStrictlySmallerSizes()
    {
        // Its own size is the full-screen entry, never a preset.
        QCOMPARE(texts(fixedPresets(QSize(1920, 1080))),
                 QStringList({"1280x720 (720p)", "854x480 (480p)", "1024x768|", "640x480"}));
        QCOMPARE(texts(fixedPresets(QSize(2560, 1440))),
                 QStringList({"1920x1080 (1080p)", "1280x720 (720p)", "854x480 (480p)", "1024x768|", "640x480"}));
        // The separator stays before the second group even when 1024x768 goes.
        QCOMPARE(texts(fixedPresets(QSize(1024, 768))), QStringList({"854x480 (480p)", "640x480|"}));
        QVERIFY(fixedPresets(QSize(640, 480)).isEmpty());
        QCOMPARE(fixedPresets(QSize(2560, 1440)).first().size, QSize(1920, 1080));
    }

    void displayChoicesCarryTheirIndex()
    {
        QCOMPARE(screenChoices(1), QVector<int>({0}));
        // Display 10 is index 9, not "all".
        const QVector<int> many = screenChoices(11);
        QCOMPARE(many.first(), -1);
        QCOMPARE(many.at(10), 9);
        QCOMPARE(many.size(), 12);
        QVERIFY(screenChoices(0).isEmpty());
    }

    void areaIsCentredOnItsScreenAndCut()
    {
        const QRect first(0, 0, 1920, 1080);
        const QRect second(1920, 0, 1280, 1024);
        QCOMPARE(centredArea(QSize(1280, 720), first), QRect(QPoint(320, 180), QPoint(1599, 899)));
        QCOMPARE(centredArea(QSize(640, 480), second), QRect(QPoint(1920 + 320, 272), QPoint(1920 + 959, 751)));
        // Larger than the screen: the screen itself.
        QCOMPARE(centredArea(QSize(1920, 1080), second), second);
        // An odd remainder rounds toward the left and top.
        QCOMPARE(centredArea(QSize(641, 481), QRect(0, 0, 1024, 768)).topLeft(), QPoint(191, 143));
    }

    void regionMovedToAnotherScreenIsClamped()
    {
        const QRect second(1920, 0, 1280, 1024);
        // Fits: only moved.
        QCOMPARE(moveOntoScreen(QRect(100, 50, 800, 600), second), QRect(2020, 50, 800, 600));
        // Sticks out right and below: pushed back, size kept.
        QCOMPARE(moveOntoScreen(QRect(1500, 900, 800, 600), second),
                 QRect(QPoint(1920 + 480, 424), QPoint(3199, 1023)));
        // Larger than the screen: cut at its top-left.
        QCOMPARE(moveOntoScreen(QRect(10, 10, 2000, 1200), second), second);
    }

    void recordButtonNeedsAModeAndASource()
    {
        QVERIFY(!recordButtonEnabled(0, true, true, true, true));
        QVERIFY(!recordButtonEnabled(1, false, false, false, false));
        for (int mode : {1, 2, 3}) {
            QVERIFY(recordButtonEnabled(mode, true, false, false, false));
            QVERIFY(recordButtonEnabled(mode, false, true, false, false));
            QVERIFY(recordButtonEnabled(mode, false, false, true, false));
            QVERIFY(recordButtonEnabled(mode, false, false, false, true));
        }
    }

    void cameraWindowPlacementPerPosition()
    {
        const QRect frame(QPoint(100, 100), QPoint(899, 699));
        const QSize size(320, 240);
        QCOMPARE(cameraPlacement(0, frame, size, 40), QPoint(340, 280));
        QCOMPARE(cameraPlacement(1, frame, size, 40), QPoint(580, 420));
        QCOMPARE(cameraPlacement(2, frame, size, 40), QPoint(580, 100));
        QCOMPARE(cameraPlacement(3, frame, size, 40), QPoint(100, 420));
        QCOMPARE(cameraPlacement(4, frame, size, 40), QPoint(100, 100));
        QCOMPARE(cameraPlacement(9, frame, size, 40), QPoint(100, 100));
        // No panels: the bottom ones sit on the frame's bottom edge.
        QCOMPARE(cameraPlacement(1, frame, size, 0), QPoint(580, 460));
    }

    void recordLengthPopupOpensBelowOrAbove()
    {
        const QSize button(180, 24);
        QCOMPARE(popupPosition(QPoint(400, 300), button, 127, 1080), QPoint(220, 324));
        // No room below: above the button.
        QCOMPARE(popupPosition(QPoint(400, 1000), button, 127, 1080), QPoint(220, 873));
        // Exactly fitting still opens below.
        QCOMPARE(popupPosition(QPoint(400, 953), button, 127, 1080).y(), 977);
    }
};

QTEST_MAIN(TestPageRules)
#include "tst_pagerules.moc"
