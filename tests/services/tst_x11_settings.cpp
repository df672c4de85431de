// The settings dialog on a real X server: keys typed by xdotool carry X
// keycodes, and the hotkeys saved by OK are grabbed for real.
#include "settingsfixture.h"
#include "ui_settings.h"

#include <QProcess>
#include <QSignalSpy>

using namespace settingstest;

namespace {

bool xdotool(const QString &keys)
{
    return QProcess::execute(QStringLiteral("xdotool"), {QStringLiteral("key"), keys}) == 0;
}

} // namespace

class TestX11Settings : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("xdotool")).isEmpty())
            QSKIP("xdotool is not installed");
        initSkin();
    }

    void capturedKeysBecomeTheGlobalHotkeysAtOk()
    {
        QFile::remove(storePath());
        g_enviroment = new Enviroment;
        DataGroupHotkeys *keys = g_enviroment->hotkeys();
        QSignalSpy spy(keys, &DataGroupHotkeys::shortcutActivated);

        QPointer<Settings> dialog = openDialog();
        Ui::SettingsClass *ui = dialog->form();
        dialog->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(dialog));
        ui->edtHotkeyPause->setFocus();
        QTRY_VERIFY(ui->edtHotkeyPause->hasFocus());
        // Shift turns 5 into "%": the key's own symbol names the hotkey.
        QVERIFY(xdotool("shift+5"));
        QTRY_COMPARE(ui->edtHotkeyPause->text(), QString("Shift+5"));
        ui->edtHotkeyStop->setFocus();
        QTRY_VERIFY(ui->edtHotkeyStop->hasFocus());
        QVERIFY(xdotool("ctrl+alt+k"));
        QTRY_COMPARE(ui->edtHotkeyStop->text(), QString("Ctrl+Alt+K"));
        // Until OK the old hotkeys hold.
        QCOMPARE(spy.size(), 0);
        ui->btnOK->click();
        QVERIFY(waitGone(dialog));
        QCOMPARE(stored("Hotkeys/HotkeyStop").toString(), QString("Ctrl+Alt+K"));

        QVERIFY(xdotool("ctrl+alt+k"));
        QTRY_COMPARE(spy.size(), 1);
        QCOMPARE(spy.at(0).at(0).value<MRShortcut>(), MR_SHORTCUT_STOP);
        QVERIFY(xdotool("shift+5"));
        QTRY_COMPARE(spy.size(), 2);
        QCOMPARE(spy.at(1).at(0).value<MRShortcut>(), MR_SHORTCUT_PAUSE);
        // The old stop key does nothing: the pause key pressed after it
        // arrives after anything it could have set off.
        QVERIFY(xdotool("ctrl+alt+s"));
        QVERIFY(xdotool("shift+5"));
        QTRY_VERIFY(spy.size() >= 3 && spy.last().at(0).value<MRShortcut>() == MR_SHORTCUT_PAUSE);
        QCOMPARE(spy.size(), 3);
        delete g_enviroment;
        g_enviroment = nullptr;
    }
};

QTEST_MAIN(TestX11Settings)
#include "tst_x11_settings.moc"
