// The webcam settings dialog over the webcam list and the test engine.
#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

#include "cameralist.h"
#include "camerasettings.h"
#include "skinmanager.h"
#include "sourcesfixture.h"

using namespace sourcesfixture;

namespace {
const QByteArray kTwo = "cameras \"A\" \"B\"\ncameraids \"a\" \"b\"\nformats 1280x720@30/4 640x480@15/5 320x240@30/5\n";

QComboBox *box(CameraSettings &d, const char *name)
{
    return d.findChild<QComboBox *>(QLatin1String(name));
}

QPushButton *button(CameraSettings &d, const char *name)
{
    return d.findChild<QPushButton *>(QLatin1String(name));
}
} // namespace

class TestCameraSettings : public QObject
{
    Q_OBJECT
    Ground ground;

private slots:
    void init()
    {
        g_dscale = 1.0;
        ground.start(kTwo);
        ground.env->privateData->CameraIndex = 0;
        g_cameraList = new CameraList;
    }
    void cleanup()
    {
        delete g_cameraList;
        g_cameraList = nullptr;
        ground.stop();
    }

    void looksAsDesigned()
    {
        CameraSettings d;
        QCOMPARE(d.size(), QSize(550, 530));
        QCOMPARE(d.cameraWidget()->size(), QSize(400, 300));
        QCOMPARE(box(d, "cbxPosition")->count(), 5);
        QCOMPARE(box(d, "cbxPosition")->itemText(1), QStringLiteral("Lower Right "));
        QVERIFY(button(d, "btnClose")->isHidden());
        QCOMPARE(button(d, "btnOK")->property("STYLE_KEY").toString(), QStringLiteral("BLUE_BTN"));
    }

    void storedFormatAndPositionOfTheRememberedCamera()
    {
        ground.config->setLastCameraName(QStringLiteral("A"));
        ground.config->setLastCameraFormatIndex(2);
        ground.config->setLastCameraPosition(3);
        CameraSettings d;
        clearTrace();
        d.show();
        QCOMPARE(box(d, "cbxCamera")->currentIndex(), 0);
        QCOMPARE(box(d, "cbxFormat")->count(), 3);
        QCOMPARE(box(d, "cbxFormat")->currentIndex(), 2);
        QCOMPARE(box(d, "cbxPosition")->currentIndex(), 3);
        QCOMPARE(g_cameraList->position(), 3);
        QVERIFY(callsOf({"setCameraFormat"}).contains("setCameraFormat index=2"));
        // The preview comes into the dialog shortly after it shows.
        const QString open = QStringLiteral("openCamera window=%1").arg(quint64(d.cameraWidget()->winId()));
        QTRY_VERIFY(callsOf({"openCamera"}).contains(open));
        clearTrace();
        d.hide();
        QCOMPARE(calls(), QStringList{"closeCamera"});
    }

    void storedValuesOutOfRangeFallBack()
    {
        ground.config->setLastCameraName(QStringLiteral("A"));
        ground.config->setLastCameraFormatIndex(9);
        ground.config->setLastCameraPosition(-1);
        g_cameraList->setPosition(2);
        {
            CameraSettings d;
            d.show();
            QCOMPARE(box(d, "cbxFormat")->currentIndex(), 0);
            QCOMPARE(box(d, "cbxPosition")->currentIndex(), 2);
        }
        QCOMPARE(ground.config->lastCameraFormatIndex(), 0);
        QCOMPARE(ground.config->lastCameraPosition(), 2);
    }

    void cancelReturnsToTheCameraShownWhileTheFileNamesTheLastTried()
    {
        QWidget window; // the webcam window's preview, open before the dialog
        window.show();
        g_cameraList->openCurrentPreview(&window);
        auto *d = new CameraSettings;
        d->show();
        box(*d, "cbxCamera")->setCurrentIndex(1);
        QCOMPARE(g_cameraList->currentIndex(), 1);
        QCOMPARE(ground.config->lastCameraName(), QStringLiteral("B"));
        box(*d, "cbxFormat")->setCurrentIndex(1);
        d->findChild<QCheckBox *>("chxFlipHorz")->click();
        QCOMPARE(g_cameraList->currentFlip(), 1);
        button(*d, "btnCancel")->click();
        QCOMPARE(d->result(), 0);
        QCOMPARE(g_cameraList->currentIndex(), 0);
        QCOMPARE(g_cameraList->currentFlip(), 0);
        QCOMPARE(g_cameraList->device(1)->flip(), 0);
        QCOMPARE(g_cameraList->device(1)->currentFormat(), 0);
        delete d;
        QCOMPARE(ground.config->lastCameraName(), QStringLiteral("B"));
        MyConfig reread;
        QCOMPARE(reread.lastCameraName(), QStringLiteral("B"));
        QCOMPARE(reread.lastCameraFormatIndex(), 1);
    }

    void topLeftAndOk()
    {
        CameraSettings d;
        d.show();
        box(d, "cbxPosition")->setCurrentIndex(4);
        button(d, "btnOK")->click();
        QCOMPARE(d.result(), 1);
        QCOMPARE(g_cameraList->position(), 4);
        QCOMPARE(ground.config->lastCameraPosition(), 4);
    }

    void escapeKeepsTheChanges()
    {
        CameraSettings d;
        d.show();
        box(d, "cbxCamera")->setCurrentIndex(1);
        QTest::keyClick(&d, Qt::Key_Escape);
        QCOMPARE(d.result(), 0);
        QCOMPARE(g_cameraList->currentIndex(), 1);
    }

    void deviceChangeReloadsWithANewSnapshot()
    {
        g_cameraList->selectCamera(1);
        CameraSettings d;
        d.show();
        script("cameras \"B\"\ncameraids \"b\"\nformats 1280x720@30/4 640x480@15/5\n");
        g_cameraList->rescanDevice();
        QCOMPARE(box(d, "cbxCamera")->count(), 1);
        QCOMPARE(g_cameraList->currentIndex(), 0);
        box(d, "cbxPosition")->setCurrentIndex(2);
        d.findChild<QCheckBox *>("chxFlipHorz")->click();
        button(d, "btnCancel")->click();
        // Back to the state after the unplugging, not before it.
        QCOMPARE(g_cameraList->currentIndex(), 0);
        QCOMPARE(g_cameraList->device(0)->name(), QStringLiteral("B"));
        QCOMPARE(g_cameraList->currentFlip(), 0);
        QCOMPARE(g_cameraList->position(), 0);
    }

    void noCameraRewritesTheOptionsUnchanged()
    {
        script("");
        g_cameraList->rescanDevice();
        ground.config->setLastCameraName(QStringLiteral("X"));
        ground.config->setLastCameraFormatIndex(2);
        ground.config->setLastCameraPosition(1);
        {
            CameraSettings d;
            d.show();
            QCOMPARE(box(d, "cbxCamera")->count(), 0);
            QCOMPARE(box(d, "cbxFormat")->count(), 0);
            button(d, "btnOK")->click();
        }
        MyConfig reread;
        QCOMPARE(reread.lastCameraName(), QStringLiteral("X"));
        QCOMPARE(reread.lastCameraFormatIndex(), 2);
        QCOMPARE(reread.lastCameraPosition(), 1);
    }
};

QTEST_MAIN(TestCameraSettings)
#include "tst_camerasettings.moc"
