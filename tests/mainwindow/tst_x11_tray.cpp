// The tray icon in an XEmbed tray (Debian's trayer) on a private X server:
// a right click opens the menu in the window's state, a click brings back a
// frame hidden to the tray, and its Exit ends the window.
#include <QtTest>

#include "core/edition.h"
#include "core/myconfig.h"
#include "mainwindow/mirelo.h"
#include "myframe.h"
#include "systemtray.h"

#include <QDialog>
#include <QMenu>
#include <QProcess>
#include <QStandardPaths>

#include "programrun.h"

class TestX11Tray : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        if (QStandardPaths::findExecutable("trayer").isEmpty())
            QSKIP("trayer is not installed (tools/setup.sh installs it)");
        m_trayer.start("trayer", {"--edge", "top", "--align", "right", "--widthtype", "pixel", "--width", "120",
                                  "--heighttype", "pixel", "--height", "32", "--SetDockType", "true"});
        QVERIFY(m_trayer.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(QSystemTrayIcon::isSystemTrayAvailable(), 10000);
        createApplicationData();
        g_myConfig = new MyConfig;
    }
    void cleanupTestCase()
    {
        delete g_myConfig;
        g_myConfig = nullptr;
        releaseApplicationData();
        m_trayer.terminate();
        m_trayer.waitForFinished(3000);
    }

    void clicksOnTheIconInATray()
    {
        auto *mirelo = new Mirelo(nullptr, QString());
        MyFrame frame(mirelo, nullptr, 0x10000005, QPixmap());
        mirelo->setFrame(&frame);
        SystemTray *tray = mirelo->systemTray();
        QVERIFY(tray);
        // Embedded: the icon sits in the tray at the right end of the screen.
        QTRY_VERIFY_WITH_TIMEOUT(tray->trayIcon()->geometry().x() > 0, 10000);
        const QPoint centre = tray->trayIcon()->geometry().center();
        QSignalSpy actions(tray, &SystemTray::actionActivate);
        const QStringList at{"mousemove", QString::number(centre.x()), QString::number(centre.y())};

        // Hidden to the tray, brought back by a click.
        frame.hide();
        QVERIFY(testsupport::xdotool(at + QStringList{"click", "1"}));
        QTRY_COMPARE_WITH_TIMEOUT(actions.count(), 1, 5000);
        QCOMPARE(int(actions.first().first().value<TrayAction>()), int(TrayClick));
        QTRY_VERIFY_WITH_TIMEOUT(frame.isVisible(), 5000);

        // The menu, as the idle window has it.
        QVERIFY(testsupport::xdotool(at + QStringList{"click", "3"}));
        QTRY_VERIFY_WITH_TIMEOUT(tray->trayMenu()->isVisible(), 5000);
        QVERIFY(tray->actScreenCapture()->isEnabled());
        QVERIFY(tray->actExit()->isEnabled());
        QVERIFY(!tray->actPause()->isEnabled());
        tray->trayMenu()->hide();

        // Closing the other windows (before a recording, the settings or a
        // capture) leaves the icon in the tray.
        QDialog other;
        other.show();
        QVERIFY(QTest::qWaitForWindowExposed(&other));
        mirelo->closeOtherWindows();
        QVERIFY(!other.isVisible());
        int icons = 0;
        for (QWidget *window : QApplication::topLevelWidgets())
            icons += window->inherits("QSystemTrayIconSys") && window->isVisible();
        QCOMPARE(icons, 1);

        // Exit from the menu: the tray and its menu go only after the click
        // that asked for it has been handled.
        QVERIFY(testsupport::xdotool({"mousemove", "10", "500", "sleep", "0.3"}));
        QVERIFY(testsupport::xdotool(at + QStringList{"sleep", "0.3", "click", "3"}));
        QTRY_VERIFY_WITH_TIMEOUT(tray->trayMenu()->isVisible(), 5000);
        const QPoint exit = tray->trayMenu()->mapToGlobal(tray->trayMenu()->actionGeometry(tray->actExit()).center());
        QVERIFY(testsupport::xdotool(
            {"mousemove", QString::number(exit.x()), QString::number(exit.y()), "sleep", "0.2", "click", "1"}));
        QTRY_VERIFY_WITH_TIMEOUT(mirelo->isExiting(), 5000);
        QVERIFY(!mirelo->systemTray());
        delete mirelo;
    }

private:
    QProcess m_trayer;
};

QTEST_MAIN(TestX11Tray)
#include "tst_x11_tray.moc"
