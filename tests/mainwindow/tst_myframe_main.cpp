// The main frame around the main window: its title widgets and settings
// menu, the language menu and camera rescans when video devices come and
// go. Service-view frames have none of it.
#include <QtTest>

#include "cameralist.h"
#include "core/edition.h"
#include "core/enviroment.h"
#include "core/languages.h"
#include "core/myconfig.h"
#include "mainwindow/mirelo.h"
#include "mybutton.h"
#include "skinmanager.h"
#include "myframe.h"
#include "platform/videodevicewatch.h"
#include "titlebar.h"

#include <QActionGroup>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>

namespace {

QStringList menuTexts(QMenu *menu)
{
    QStringList out;
    for (QAction *a : menu->actions())
        out << (a->isSeparator() ? QStringLiteral("-") : a->text());
    return out;
}

} // namespace

class TestMyFrameMain : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        createApplicationData();
        g_myConfig = new MyConfig;
        VideoDeviceWatch::setDefaultFolder(m_dev.path());
        m_mirelo = new Mirelo(nullptr, QString());
    }
    void cleanupTestCase()
    {
        delete m_mirelo;
        delete g_myConfig;
        g_myConfig = nullptr;
        releaseApplicationData();
    }
    void init() { g_dscale = 1.0; }

    void titleWidgetsOfTheMainFrameOnly()
    {
        g_dscale = 1.5;
        MyFrame frame(new QWidget, nullptr, 0x10000005, QPixmap());
        QVERIFY(frame.menuButton());
        QCOMPARE(frame.menuButton()->toolTip(), QStringLiteral("Menu"));
        QCOMPARE(frame.menuButton()->size(), QSize(30, 30));
        QCOMPARE(frame.screenCaptureButton()->size(), QSize(54, 63));
        QCOMPARE(frame.separator(1)->size(), QSize(1, 57));
        QVERIFY(frame.recordOptionButton()->isCheckable() && !frame.screenCaptureButton()->isCheckable());
        QCOMPARE(frame.drawButton()->property("STYLE_KEY").toString(), QStringLiteral("SCREENPAINT_BTN"));
        QCOMPARE(frame.settingsMenu()->property("STYLE_KEY").toString(), QStringLiteral("QMENU"));
        QCOMPARE(menuTexts(frame.settingsMenu()), (QStringList{"Language", "Settings", "-", "User Guide", "Bug Report",
                                                                "About", "Check for update"}));
        frame.setMainTitle(0);
        QVERIFY(frame.modeButtonContainer()->isHidden());
        QVERIFY(!frame.menuButton()->isHidden());
        frame.retranslateTitle();
        QCOMPARE(frame.userGuideAction()->text(), QStringLiteral("User guide"));
        frame.setScreenCaptureEnabled(false);
        QVERIFY(!frame.screenCaptureButton()->isEnabled());

        // Service views (close only, or nothing for the privacy notice).
        QWidget owner;
        for (quint32 flags : {0u, 4u}) {
            MyFrame view(new QWidget, &owner, flags, QPixmap(), 0, 0);
            QVERIFY(!view.menuButton() && !view.settingsMenu() && !view.modeButtonContainer());
            QVERIFY(!view.deviceWatch());
            QVERIFY(view.findChildren<QMenu *>().isEmpty());
            QCOMPARE(view.titleBar()->closeButton()->toolTip(), QStringLiteral("Close"));
            view.SetMainFunMode(3); // no mode buttons: nothing happens
        }
    }

    void languageMenuChecksTheStoredCodeInAnyCase()
    {
        g_myConfig->setLanguage(QStringLiteral("FR"), true);
        MyFrame frame(new QWidget, nullptr, 0x10000005, QPixmap());
        const QList<QAction *> actions = frame.languageGroup()->actions();
        QStringList codes;
        for (QAction *a : actions)
            codes << a->data().toString();
        QCOMPARE(codes, supportedLanguages());
        QVERIFY(frame.languageGroup()->isExclusive());
        QAction *checked = frame.languageGroup()->checkedAction();
        QVERIFY(checked);
        QCOMPARE(checked->data().toString(), QStringLiteral("fr"));

        // The stored code again: config.xml is not rewritten.
        const QString file = g_myConfig->userDataPath() + QStringLiteral("config.xml");
        QFile::remove(file);
        g_myConfig->setLanguage(QStringLiteral("de"), false);
        QAction *german = actions.at(codes.indexOf("de"));
        german->trigger();
        QVERIFY(!QFile::exists(file));
        // Another code is stored and written.
        actions.at(codes.indexOf("en"))->trigger();
        QCOMPARE(g_myConfig->language(), QStringLiteral("en"));
        QVERIFY(QFile::exists(file));
    }

    void videoDevicesComingAndGoingRescanTheCameras()
    {
        MyFrame frame(new QWidget, nullptr, 0x10000005, QPixmap());
        QVERIFY(frame.deviceWatch());
        QCOMPARE(frame.deviceWatch()->folder(), m_dev.path());
        auto *rescan = g_cameraList->findChild<QTimer *>();
        QVERIFY(rescan);
        rescan->stop();
        QFile node(m_dev.filePath("video7"));
        QVERIFY(node.open(QIODevice::WriteOnly));
        node.close();
        QTRY_VERIFY(rescan->isActive());
        rescan->stop();
        QVERIFY(node.remove());
        QTRY_VERIFY(rescan->isActive());
    }

private:
    QTemporaryDir m_dev;
    Mirelo *m_mirelo = nullptr;
};

QTEST_MAIN(TestMyFrameMain)
#include "tst_myframe_main.moc"
