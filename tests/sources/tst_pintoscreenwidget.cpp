// Pinned screenshots: the close button's place, enter and leave, the list
// and closeAll.
#include <QtTest>

#include "core/vocabulary.h"
#include "platform/fakewindowstacking.h"
#include "pintoscreenwidget.h"
#include "skinmanager.h"
#include "testsupport.h"

#include <QLabel>
#include <QPointer>
#include <QPushButton>

class TestPinToScreenWidget : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        SkinManager::instance()->init(0, skinNames(), "Win", "Olvex", "ml", "Mirelo", testsupport::binDir() + "/Skin");
    }
    void cleanup()
    {
        PinToScreenWidget::closeAll();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void closeButtonPlace()
    {
        PinToScreenWidget wide(nullptr, QPixmap(200, 80));
        QCOMPARE(wide.closeButton()->geometry(), QRect(170, 0, 30, 30));
        QCOMPARE(wide.pictureLabel()->geometry(), QRect(0, 0, 200, 80));
        // A narrow picture: the button starts left of it, unscaled.
        PinToScreenWidget narrow(nullptr, QPixmap(20, 20));
        QCOMPARE(narrow.closeButton()->geometry(), QRect(-10, 0, 30, 30));
    }

    void enterShowsAndLeaveHidesTheButton()
    {
        auto *pin = new PinToScreenWidget(nullptr, QPixmap(100, 100));
        pin->show();
        QVERIFY(pin->closeButton()->isVisible());
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(pin, &leave);
        QVERIFY(!pin->closeButton()->isVisible());
        QEvent enter(QEvent::Enter);
        QApplication::sendEvent(pin, &enter);
        QVERIFY(pin->closeButton()->isVisible());
    }

    void staysOnTopThroughTheStackingLayer()
    {
        FakeWindowStacking stacking;
        auto *pin = new PinToScreenWidget(nullptr, QPixmap(50, 50));
        pin->show();
        QVERIFY(stacking.staysOnTop(pin->windowHandle()));
        QVERIFY(pin->windowFlags() & Qt::Tool);
    }

    void closeAllWithNone()
    {
        QVERIFY(PinToScreenWidget::pinnedWidgets().isEmpty());
        PinToScreenWidget::closeAll();
        QVERIFY(PinToScreenWidget::pinnedWidgets().isEmpty());
    }

    void closeAllAfterOneOfThreeWasClosed()
    {
        QList<QPointer<PinToScreenWidget>> pins;
        int destroyed = 0;
        for (int i = 0; i < 3; ++i) {
            pins << new PinToScreenWidget(nullptr, QPixmap(60, 60));
            pins.last()->show();
            connect(pins.last(), &QObject::destroyed, [&destroyed] { ++destroyed; });
        }
        QCOMPARE(PinToScreenWidget::pinnedWidgets().size(), 3);
        pins[1]->closeButton()->click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!pins[1]);
        QCOMPARE(PinToScreenWidget::pinnedWidgets(), (QList<PinToScreenWidget *>{pins[0], pins[2]}));
        PinToScreenWidget::closeAll();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(destroyed, 3);
        QVERIFY(PinToScreenWidget::pinnedWidgets().isEmpty());
    }

    void closeAllWithThree()
    {
        int destroyed = 0;
        for (int i = 0; i < 3; ++i) {
            auto *pin = new PinToScreenWidget(nullptr, QPixmap(60, 60));
            pin->show();
            connect(pin, &QObject::destroyed, [&destroyed] { ++destroyed; });
        }
        PinToScreenWidget::closeAll();
        PinToScreenWidget::closeAll();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(destroyed, 3);
        QVERIFY(PinToScreenWidget::pinnedWidgets().isEmpty());
    }
};

QTEST_MAIN(TestPinToScreenWidget)
#include "tst_pintoscreenwidget.moc"
