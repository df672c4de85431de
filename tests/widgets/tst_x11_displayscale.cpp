// The display scale read from a real (virtual) X screen of 3840 x 2160.

#include "skinmanager.h"

#include <QApplication>
#include <QScreen>
#include <QtTest>

class TestDisplayScale : public QObject
{
    Q_OBJECT
private slots:
    void scaleFromPrimaryScreen()
    {
        const QSize size = QGuiApplication::primaryScreen()->geometry().size();
        QCOMPARE(size, QSize(3840, 2160));
        SkinManager *skin = SkinManager::instance();
        skin->setBaseWidth(2560.0);
        skin->detectDpiScale(&g_dscale);
        QCOMPARE(g_dscale, 1.5);
        QCOMPARE(skin->scale(), 1.5);
        // Qt does not scale on top of us.
        QCOMPARE(qApp->devicePixelRatio(), 1.0);
    }
};

int main(int argc, char **argv)
{
    qputenv("QT_SCALE_FACTOR", "2");
    SkinManager::keepQtScalingOff();
    QApplication app(argc, argv);
    TestDisplayScale test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_x11_displayscale.moc"
