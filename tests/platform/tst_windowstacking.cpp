// The stacking layer: the fake records, the real one keeps the native
// window it was given.
#include <QtTest>

#include "platform/fakewindowstacking.h"

#include <QWindow>

class TestWindowStacking : public QObject
{
    Q_OBJECT
private slots:
    void fakeRecordsAndReplacesTheLayer()
    {
        QWindow window;
        window.setObjectName("frame");
        {
            FakeWindowStacking fake;
            QCOMPARE(WindowStacking::instance(), &fake);
            WindowStacking::instance()->setStaysOnTop(&window, true);
            QVERIFY(fake.staysOnTop(&window));
            WindowStacking::instance()->setStaysOnTop(&window, false);
            QCOMPARE(fake.calls, (QStringList{"above frame", "normal frame"}));
            QVERIFY(!window.flags().testFlag(Qt::WindowStaysOnTopHint));
        }
        QVERIFY(dynamic_cast<WmWindowStacking *>(WindowStacking::instance()));
    }

    void realLayerKeepsTheNativeWindow()
    {
        QWindow window;
        window.resize(100, 80);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const WId id = window.winId();
        WmWindowStacking stacking;
        stacking.setStaysOnTop(&window, true);
        QVERIFY(stacking.staysOnTop(&window));
        QCOMPARE(window.winId(), id);
        QVERIFY(window.isVisible());
        stacking.setStaysOnTop(&window, false);
        QVERIFY(!stacking.staysOnTop(&window));
        stacking.setStaysOnTop(nullptr, true); // no window: nothing happens
    }
};

QTEST_MAIN(TestWindowStacking)
#include "tst_windowstacking.moc"
