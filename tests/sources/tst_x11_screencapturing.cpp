// The screenshot tool on a private X server: its grab is the real screen,
// and a pinned picture shows the region's own pixels at its place.
#include <QtTest>

#include "core/vocabulary.h"
#include "pintoscreenwidget.h"
#include "screencapturing.h"
#include "skinmanager.h"
#include "testsupport.h"

#include <QPushButton>
#include <QScreen>

class TestX11ScreenCapturing : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        SkinManager::instance()->init(0, skinNames(), "Win", "Olvex", "ml", "Mirelo", testsupport::binDir() + "/Skin");
    }

    void pinShowsTheRegionAtItsPlace()
    {
        // Something to take: a patterned window.
        QWidget source;
        source.setWindowFlags(Qt::FramelessWindowHint | Qt::X11BypassWindowManagerHint);
        source.setGeometry(40, 40, 300, 200);
        QPalette pal;
        pal.setColor(QPalette::Window, QColor(20, 140, 60));
        source.setPalette(pal);
        source.setAutoFillBackground(true);
        source.show();
        QVERIFY(QTest::qWaitForWindowExposed(&source));
        QTRY_COMPARE(QColor(QGuiApplication::primaryScreen()->grabWindow(0, 100, 100, 1, 1).toImage().pixel(0, 0)),
                     QColor(20, 140, 60));

        auto *tool = new ScreenCapturing(nullptr);
        QPointer<ScreenCapturing> guard(tool);
        const QRect region(60, 60, 150, 120);
        tool->setSelection(region);
        const QImage expected = tool->composedPixmap().toImage().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(QColor(expected.pixel(70, 60)), QColor(20, 140, 60));
        source.hide();
        tool->pinToScreen();
        QCOMPARE(PinToScreenWidget::pinnedWidgets().size(), 1);
        PinToScreenWidget *pin = PinToScreenWidget::pinnedWidgets().first();
        QVERIFY(QTest::qWaitForWindowExposed(pin));
        QTRY_COMPARE(pin->geometry(), region);
        // Leave the picture uncovered by the close button for the compare.
        pin->closeButton()->hide();
        QTRY_COMPARE(QGuiApplication::primaryScreen()->grabWindow(0, 60, 60, 150, 120).toImage().convertToFormat(QImage::Format_RGB32),
                     expected);
        PinToScreenWidget::closeAll();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!guard);
    }
};

QTEST_MAIN(TestX11ScreenCapturing)
#include "tst_x11_screencapturing.moc"
