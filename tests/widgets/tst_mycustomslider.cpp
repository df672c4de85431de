// The volume slider's value label.
#include <QLabel>
#include <QtTest>

#include "mycustomslider.h"

class TestMyCustomSlider : public QObject
{
    Q_OBJECT
private slots:
    void labelFollowsPressAndRelease()
    {
        MyCustomSlider slider;
        slider.setRange(0, 200);
        slider.setValue(50);
        slider.resize(220, 30);
        slider.show();
        QVERIFY(QTest::qWaitForWindowExposed(&slider));
        QLabel *label = slider.valueLabel();
        QVERIFY(label->isHidden());
        QCOMPARE(label->size(), QSize(20, 20));
        QCOMPARE(label->property("STYLE_KEY").toString(), QStringLiteral("LBLSLIDERVALUE"));

        // A move without a press does not show it.
        QTest::mouseMove(&slider, QPoint(100, 15));
        QVERIFY(label->isHidden());

        QTest::mousePress(&slider, Qt::LeftButton, {}, QPoint(110, 15));
        QVERIFY(label->isVisible());
        QVERIFY(!label->text().isEmpty());
        QTest::mouseRelease(&slider, Qt::LeftButton, {}, QPoint(110, 15));
        QVERIFY(label->isHidden());
    }

    void labelPositionIsTheValuesShareOfTheFreeWidth()
    {
        MyCustomSlider slider;
        slider.setRange(0, 200);
        slider.resize(220, 30);
        QCOMPARE(slider.labelX(100), 100);
        QCOMPARE(slider.labelX(0), 0);
        QCOMPARE(slider.labelX(200), 200);
        QCOMPARE(slider.labelX(33), 33 * 200 / 200);
        // A range that does not start at 0 counts from its minimum.
        slider.setRange(100, 300);
        QCOMPARE(slider.labelX(100), 0);
        QCOMPARE(slider.labelX(300), 200);
    }

    void emptyRangeDoesNotDivideByZero()
    {
        MyCustomSlider slider;
        slider.setRange(5, 5);
        slider.resize(220, 30);
        QCOMPARE(slider.labelX(5), 0);
        slider.show();
        QVERIFY(QTest::qWaitForWindowExposed(&slider));
        QTest::mousePress(&slider, Qt::LeftButton, {}, QPoint(10, 15));
        QMouseEvent move(QEvent::MouseMove, QPointF(60, 15), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&slider, &move);
        QCOMPARE(slider.valueLabel()->x(), 0);
        QCOMPARE(slider.valueLabel()->text(), QStringLiteral("5"));
        QTest::mouseRelease(&slider, Qt::LeftButton, {}, QPoint(60, 15));
    }

    void isHorizontal()
    {
        MyCustomSlider slider;
        QCOMPARE(slider.orientation(), Qt::Horizontal);
    }
};

QTEST_MAIN(TestMyCustomSlider)
#include "tst_mycustomslider.moc"
