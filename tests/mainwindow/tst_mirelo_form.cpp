// The main window's form: the names the rest of the program reaches its
// widgets by, how it stands after construction, and the skin images its
// buttons get at the display scale.
#include <QtTest>

#include "core/edition.h"
#include "core/myconfig.h"
#include "core/vocabulary.h"
#include "everylanguage.h"
#include "mainwindow/mirelo.h"
#include "mybutton.h"
#include "mycustomslider.h"
#include "mytoolbutton.h"
#include "skinmanager.h"
#include "testsupport.h"

#include <QLayout>
#include <QStackedWidget>

class TestMireloForm : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        createApplicationData();
        g_myConfig = new MyConfig;
        QVERIFY(SkinManager::instance()->init(0, skinNames(), "Win", "Olvex", "ml", "Mirelo",
                                              testsupport::binDir() + "/Skin")
                != SkinManager::StatusNoSkin);
        SkinManager::instance()->setScale(1.25);
    }
    void cleanupTestCase()
    {
        delete g_myConfig;
        g_myConfig = nullptr;
        releaseApplicationData();
    }

    void namesKindsAndStartingLook()
    {
        Mirelo mirelo(nullptr, QString());
        const QList<QPair<const char *, const char *>> names = {
            {"btnHistory", "MyButton"}, {"btnRecLength", "MyButton"}, {"btnTaskSchedule", "MyButton"},
            {"btnWatermark", "MyButton"}, {"btnRecVideo", "MyToolButton"}, {"btnRecCamera", "MyToolButton"},
            {"btnRecAudio", "MyToolButton"}, {"btnRecPhoto", "MyToolButton"}, {"btnHome", "MyButton"},
            {"btnCapture", "MyButton"}, {"btnRecord", "MyButton"}, {"btnSystemSound", "MyButton"},
            {"btnMicrophone", "MyButton"}, {"btnCamera", "MyButton"}, {"btnSystemSoundDrop", "QPushButton"},
            {"btnMicrophoneDrop", "QPushButton"}, {"btnCameraDrop", "QPushButton"}, {"btnTakePhoto", "QToolButton"},
            {"sldSystemSound", "MyCustomSlider"}, {"sldMicrophone", "MyCustomSlider"},
            {"prgSystemSound", "QProgressBar"}, {"prgMicrophone", "QProgressBar"},
            {"chxSystemSound", "QCheckBox"}, {"chxMicrophone", "QCheckBox"}, {"chxCamera", "QCheckBox"},
            {"chxScreen", "QCheckBox"}, {"checkMouseAround", "QCheckBox"}, {"chxRecordLength", "QCheckBox"},
            {"chxShutdown", "QCheckBox"}, {"rdoThisTime", "QRadioButton"}, {"rdoEachTime", "QRadioButton"},
            {"edtRecordLength", "QTimeEdit"}, {"btnRecLengthOK", "QPushButton"}, {"cbxRecConfig", "QComboBox"},
            {"cbxSelectScreen", "QComboBox"}, {"cbxScreen", "QComboBox"}, {"btnFullSize", "QToolButton"},
            {"btnCustomSize", "QToolButton"}, {"btnLockRatio", "QToolButton"}, {"lblSelectedWidth", "QLabel"},
            {"lblSelectedHeight", "QLabel"}, {"fraSystemSound", "QFrame"}, {"fraMicrophone", "QFrame"},
            {"fraCamera", "QFrame"}, {"fraScreen", "QFrame"}, {"staRecConfigWidget", "QStackedWidget"},
            {"pageMain", "QWidget"}, {"pageRecord", "QWidget"}, {"pageRecordLength", "QWidget"},
        };
        for (const auto &name : names) {
            QWidget *w = mirelo.findChild<QWidget *>(QLatin1String(name.first));
            QVERIFY2(w && w->inherits(name.second), name.first);
        }
        QCOMPARE(mirelo.findChild<QStackedWidget *>("stackedWidget")->currentIndex(), 0);
        QCOMPARE(mirelo.findChild<QStackedWidget *>("staStatusWidget")->currentIndex(), 0);
        QVERIFY(mirelo.findChild<QWidget *>("fraScreen")->isHidden());
        QVERIFY(mirelo.findChild<QWidget *>("btnTakePhoto")->isHidden());
        // The watermark page stays reachable.
        auto *watermark = mirelo.findChild<MyButton *>("btnWatermark");
        QVERIFY(!watermark->isHidden());
        QCOMPARE(watermark->text(), QStringLiteral("Watermark (OFF)"));
        QCOMPARE(mirelo.findChild<MyButton *>("btnTaskSchedule")->text(), QStringLiteral("Task Schedule (OFF)"));
        QCOMPARE(mirelo.size(), QSize(1068, 300));
    }

    void imagesAtTheDisplayScale()
    {
        Mirelo mirelo(nullptr, QString());
        auto side = [&](const char *name) {
            QWidget *w = mirelo.findChild<QWidget *>(QLatin1String(name));
            const ImageStateMap map = qobject_cast<MyButton *>(w) ? qobject_cast<MyButton *>(w)->imageMap()
                                                                   : qobject_cast<MyToolButton *>(w)->imageMap();
            return map.value(IMAGE_NORMAL).size();
        };
        QCOMPARE(side("btnRecVideo"), QSize(90, 90));
        QCOMPARE(side("btnRecord"), QSize(100, 100));
        QCOMPARE(side("btnHistory"), QSize(25, 25));

        auto *microphone = mirelo.findChild<MyButton *>("btnMicrophone");
        mirelo.setMicrophoneButtonImages(0);
        const QImage off = microphone->imageMap().value(IMAGE_NORMAL).toImage();
        mirelo.setMicrophoneButtonImages(2);
        QCOMPARE(microphone->imageMap().value(IMAGE_NORMAL).toImage(), off);
        mirelo.setMicrophoneButtonImages(1);
        QVERIFY(microphone->imageMap().value(IMAGE_NORMAL).toImage() != off);
        QCOMPARE(microphone->imageMap().value(IMAGE_NORMAL).size(), QSize(45, 45));
        QVERIFY(microphone->imageMap().contains(IMAGE_DISABLE));

        auto *systemSound = mirelo.findChild<MyButton *>("btnSystemSound");
        for (int state : {0, 1}) {
            mirelo.setSystemSoundButtonImages(state);
            QVERIFY(!systemSound->imageMap().contains(IMAGE_DISABLE));
        }
    }

    // Last: it leaves the skin's style sheet behind. In every language and
    // both states the bottom bar's texts are shown whole, inside the window,
    // with the state word "ON" or "OFF" as it is in every language.
    void bottomBarTextsFitInEveryLanguage()
    {
        QVERIFY(testsupport::inEveryLanguage([](const QString &language, double scale) {
            Mirelo mirelo(nullptr, QString());
            mirelo.show();
            QVERIFY(QTest::qWaitForWindowExposed(&mirelo));
            for (bool on : {false, true}) {
                mirelo.waterMarkStateChanged(on);
                mirelo.recordLengthStateChanged(on);
                mirelo.taskScheduleStateChanged(on);
                mirelo.layout()->activate();
                const QString where = QStringLiteral("%1 at %2, %3: ").arg(language).arg(scale).arg(on);
                int previousRight = -1;
                for (const char *name : {"btnHistory", "btnRecLength", "btnTaskSchedule", "btnWatermark"}) {
                    auto *button = mirelo.findChild<MyButton *>(name);
                    button->grab();
                    QVERIFY2(button->lastPaint().shownText == button->text(),
                             qPrintable(where + button->text() + " shows " + button->lastPaint().shownText));
                    const QRect r(button->mapTo(&mirelo, QPoint(0, 0)), button->size());
                    QVERIFY2(r.left() > previousRight && r.right() < mirelo.width(), qPrintable(where + name));
                    previousRight = r.right();
                    if (qstrcmp(name, "btnHistory") != 0)
                        QVERIFY2(button->text().endsWith(on ? "(ON)" : "(OFF)"), qPrintable(where + button->text()));
                }
            }
        }));
        SkinManager::instance()->setScale(1.25);
    }
};

QTEST_MAIN(TestMireloForm)
#include "tst_mirelo_form.moc"
