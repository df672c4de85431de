// The settings dialog against the real settings store: what OK writes, what
// every other close leaves, the enabled state of OK and Restore Default,
// hotkey capture and clashes, categories, click colours, the sample rate,
// the mouse settings tool and the autostart entry.
#include "settingsfixture.h"
#include "ui_settings.h"

#include <QColorDialog>
#include <QDesktopServices>
#include <QFileDialog>
#include <QLibrary>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QWheelEvent>

#include "autostart.h"
#include "closeotherwindows.h"
#include "commondialog.h"
#include "core/enginebinding.h"
#include "fakehotkeybackend.h"
#include "mirelo_test_engine.h"

using namespace settingstest;

namespace {

// Takes the addresses the desktop services would open.
class UrlCatcher : public QObject
{
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void open(const QUrl &url) { urls << url; }
};

} // namespace

class TestSettings : public QObject
{
    Q_OBJECT
private:
    FakeHotkeyBackend *m_hotkeys = nullptr;
    QStringList m_warnings;

    static void writeTool(const QString &dir, const QString &name, const QString &log)
    {
        QFile script(dir + "/" + name);
        QVERIFY(script.open(QIODevice::WriteOnly));
        script.write(QString("#!/bin/sh\necho \"$0 $*\" > '%1'\n").arg(log).toUtf8());
        script.close();
        script.setPermissions(script.permissions() | QFile::ExeOwner);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(testsupport::isolatedHome());
        initSkin();
        // A machine with an Nvidia encoder.
        QVERIFY(engineLoadFrom(QStringLiteral(MIRELO_TEST_ENGINE_PATH)));
        auto load = reinterpret_cast<MireloTestEngineLoadScriptFn>(
            QLibrary::resolve(QStringLiteral(MIRELO_TEST_ENGINE_PATH), "mireloTestEngineLoadScript"));
        QCOMPARE(load("adapters 2\n"), 0);
        QCOMPARE(engineInitialize(QString(), nullptr, nullptr), 0);
        CommonDialog::setRunHook([this](CommonDialog *dialog) {
            m_warnings << dialog->findChild<QLabel *>("lblPrompt")->text();
            return int(QDialog::Accepted);
        });
    }
    void init()
    {
        QFile::remove(storePath());
        QFile::remove(Autostart::entryPath());
        m_warnings.clear();
        m_hotkeys = new FakeHotkeyBackend;
        g_enviroment = new Enviroment;
    }
    void cleanup()
    {
        QList<QPointer<Settings>> open;
        for (QWidget *w : QApplication::topLevelWidgets()) {
            if (auto *dialog = qobject_cast<Settings *>(w))
                open << dialog;
        }
        qDeleteAll(open);
        delete g_enviroment;
        g_enviroment = nullptr;
        delete m_hotkeys;
    }

    void everyControlThenOkWritesTheKeys()
    {
        QPointer<Settings> dialog = openDialog();
        Ui::SettingsClass *ui = dialog->form();
        for (QCheckBox *box : {ui->chxShowCountdown, ui->chxBeep, ui->chxShowBoundary, ui->chxHideFloatBar,
                               ui->chxAllowMoveRegion, ui->chxHideDesktopIcons, ui->chxHideTaskbar,
                               ui->chxHideMainWhenScreenshot, ui->chxAutoOpenHistory, ui->chxCaptureMouseCursor,
                               ui->chxRecordMouseClicks, ui->chxAutoCheckUpdate})
            box->click();
        QTemporaryDir videos, shots;
        ui->edtOutputFolder->setText(videos.path());
        // The screenshot folder through its picker, the button inside the edit.
        auto *select = qobject_cast<QPushButton *>(ui->edtScreenshotFolder->property("ButtonData").value<QObject *>());
        QVERIFY(select && select->parent() == ui->edtScreenshotFolder);
        // A folder picker with nothing typed answers its current folder.
        // (Selecting the folder by name would change to its parent, and
        // whether the name lands in the edit depends on where the focus is.)
        onNextModal<QFileDialog>([&](QFileDialog *picker) {
            picker->setDirectory(shots.path());
            static_cast<QDialog *>(picker)->accept();
        });
        select->click();
        QCOMPARE(ui->edtScreenshotFolder->text(), shots.path());
        QCOMPARE(ui->cbxVideoEncoder->count(), 2);
        ui->cbxVideoEncoder->setCurrentIndex(1);
        ui->cbxVideoQuality->setCurrentIndex(0);
        ui->cbxVideoFrameRate->setCurrentIndex(11);
        ui->cbxAudioQuality->setCurrentIndex(2);
        ui->cbxAudioSampleRate->setCurrentIndex(2);
        ui->btnColorB->click();
        ui->sldMouseAreaRadius->setValue(33);
        QTest::keyClick(ui->edtHotkeyStop, Qt::Key_1, Qt::ControlModifier);
        QTest::keyClick(ui->edtHotkeyPause, Qt::Key_2, Qt::ControlModifier);
        QTest::keyClick(ui->edtHotkeyShot, Qt::Key_3, Qt::ControlModifier);
        QTest::keyClick(ui->edtHotkeyWebcam, Qt::Key_4, Qt::ControlModifier);
        QTest::keyClick(ui->edtHotkeyPanel, Qt::Key_5, Qt::ControlModifier);
        ui->rdoExitProgram->click();
        QVERIFY(ui->btnOK->isEnabled());
        ui->btnOK->click();
        QVERIFY(waitGone(dialog));

        const QVariantMap expected{
            {"Recording/ShowCountdown", false}, {"Recording/Beep", true}, {"Recording/ShowBoundary", false},
            {"Recording/HideFlatBar", true}, {"Recording/AllowMoveRegion", true},
            {"Recording/HideDesktopIcons", true}, {"Recording/HideTaskbar", true},
            {"Recording/HideMainWhenScreenshot", false}, {"Recording/AutoOpenHistory", false},
            {"Output/VideoFolder", videos.path()}, {"Output/ScreenshotsFolder", shots.path()},
            {"Output/ImageFormat", 0}, {"Output/VideoFormat", 0}, {"Output/VideoEncoder", 2},
            {"Output/VideoQuality", 0}, {"Output/VideoFrameRate", 11}, {"Output/AudioFormat", 0},
            {"Output/AudioQuality", 2}, {"Output/AutioSampleRate", 2},
            {"Mouse/CaptureMouseCursor", true}, {"Mouse/RecordMouseClicks", true},
            {"Mouse/MouseClickColor", qlonglong(0xFFFFB517)}, {"Mouse/MouseButtonIndex", 1}, {"Mouse/MouseAreaRadius", 33},
            {"Hotkeys/HotkeyStop", "Ctrl+1"}, {"Hotkeys/HotkeyPause", "Ctrl+2"}, {"Hotkeys/HotkeyShot", "Ctrl+3"},
            {"Hotkeys/HotkeyWebcam", "Ctrl+4"}, {"Hotkeys/HotkeyPanel", "Ctrl+5"},
            {"Others/AutoCheckUpdate", false}, {"Others/AutoRun", false}, {"Others/ExitWhenClose", true}};
        for (auto it = expected.begin(); it != expected.end(); ++it)
            QCOMPARE(qMakePair(it.key(), stored(it.key()).toString()), qMakePair(it.key(), it.value().toString()));
        // The saved values are the live ones, and the keys got their hotkeys.
        QVERIFY(!g_enviroment->isModified());
        QVERIFY(m_hotkeys->isGrabbed('1', HotkeyBackend::ModControl));
        QVERIFY(!m_hotkeys->isGrabbed('S', HotkeyBackend::ModControl | HotkeyBackend::ModAlt));
    }

    void everyOtherCloseLeavesTheFileByteForByte_data()
    {
        QTest::addColumn<int>("way");
        QTest::newRow("Cancel") << 0;
        QTest::newRow("close button") << 1;
        QTest::newRow("Escape") << 2;
        QTest::newRow("exit closes other windows") << 3;
    }
    void everyOtherCloseLeavesTheFileByteForByte()
    {
        QFETCH(int, way);
        // Saved values that are not the defaults.
        g_enviroment->mouse()->setMouseAreaRadius(40);
        g_enviroment->hotkeys()->setHotkeyPanel("Ctrl+Alt+P");
        g_enviroment->save();
        const QByteArray before = storeText();
        QVERIFY(!before.isEmpty());

        QPointer<Settings> dialog = openDialog();
        Ui::SettingsClass *ui = dialog->form();
        ui->chxBeep->click();
        ui->btnDefault->click();
        QTest::keyClick(ui->edtHotkeyShot, Qt::Key_Q, Qt::AltModifier);
        QVERIFY(g_enviroment->isModified());
        switch (way) {
        case 0: ui->btnCancel->click(); break;
        case 1: ui->btnClose->click(); break;
        case 2: QTest::keyClick(ui->edtHotkeyShot, Qt::Key_Escape); break;
        case 3: closeOtherWindows({}, 500); break;
        }
        // The values are back before anyone saves on the way out.
        QVERIFY(!g_enviroment->isModified());
        if (way == 3) {
            g_enviroment->save();
            delete g_enviroment;
            g_enviroment = nullptr;
        }
        QVERIFY(waitGone(dialog));
        QCOMPARE(storeText(), before);
        if (g_enviroment) {
            QCOMPARE(g_enviroment->mouse()->MouseAreaRadius, 40);
            QCOMPARE(g_enviroment->hotkeys()->HotkeyPanel, QString("Ctrl+Alt+P"));
        }
    }

    void okAndRestoreDefaultFollowTheValues()
    {
        QPointer<Settings> dialog = openDialog();
        Ui::SettingsClass *ui = dialog->form();
        QVERIFY(!ui->btnOK->isEnabled());
        QVERIFY(!ui->btnDefault->isEnabled());
        ui->chxAutoOpenHistory->click();
        QVERIFY(ui->btnOK->isEnabled());
        QVERIFY(ui->btnDefault->isEnabled());
        ui->chxAutoOpenHistory->click();
        QVERIFY(!ui->btnOK->isEnabled());
        QVERIFY(!ui->btnDefault->isEnabled());

        // Saved non-defaults; Restore Default then OK writes the defaults.
        ui->sldMouseAreaRadius->setValue(9);
        QTest::keyClick(ui->edtHotkeyStop, Qt::Key_K);
        ui->btnOK->click();
        QVERIFY(waitGone(dialog));
        QCOMPARE(stored("Mouse/MouseAreaRadius").toInt(), 9);
        dialog = openDialog();
        ui = dialog->form();
        QVERIFY(!ui->btnOK->isEnabled());
        QVERIFY(ui->btnDefault->isEnabled());
        ui->btnDefault->click();
        QCOMPARE(ui->sldMouseAreaRadius->value(), 15);
        QCOMPARE(ui->edtHotkeyStop->text(), QString("Ctrl+Alt+S"));
        QVERIFY(!ui->btnDefault->isEnabled());
        QVERIFY(ui->btnOK->isEnabled());
        ui->btnOK->click();
        QVERIFY(waitGone(dialog));
        QCOMPARE(stored("Mouse/MouseAreaRadius").toInt(), 15);
        QCOMPARE(stored("Hotkeys/HotkeyStop").toString(), QString("Ctrl+Alt+S"));
        QVERIFY(Enviroment().isDefault());
    }

    void sampleRateSurvivesAFormatChange()
    {
        QPointer<Settings> dialog = openDialog();
        Ui::SettingsClass *ui = dialog->form();
        ui->cbxAudioSampleRate->setCurrentIndex(1);
        QCOMPARE(g_enviroment->output()->AudioSampleRate, 1);
        // Another format without "opus": the list comes back with 44100 kept.
        ui->cbxAudioFormat->addItem("WAV");
        ui->cbxAudioFormat->setCurrentIndex(1);
        QCOMPARE(ui->cbxAudioSampleRate->count(), 3);
        QCOMPARE(ui->cbxAudioSampleRate->currentText(), QString("44100"));
        QCOMPARE(g_enviroment->output()->AudioSampleRate, 1);
        // An opus format takes 48000 only, and stores it.
        ui->cbxAudioFormat->addItem("Ogg OPUS");
        ui->cbxAudioFormat->setCurrentIndex(2);
        QCOMPARE(ui->cbxAudioSampleRate->count(), 1);
        QCOMPARE(ui->cbxAudioSampleRate->currentText(), QString("48000"));
        QCOMPARE(g_enviroment->output()->AudioSampleRate, 0);
    }

    void hotkeyCaptureAndClash()
    {
        QCOMPARE(Settings::hotkeyText(Qt::Key_K, Qt::ShiftModifier | Qt::ControlModifier, 0), QString("Ctrl+Shift+K"));
        QCOMPARE(Settings::hotkeyText(Qt::Key_K, Qt::NoModifier, 0), QString("K"));
        QCOMPARE(Settings::hotkeyText(Qt::Key_9, Qt::AltModifier | Qt::MetaModifier, 0), QString("Alt+9"));
        QVERIFY(Settings::hotkeyText(Qt::Key_0, Qt::ControlModifier, 0).isEmpty());
        QVERIFY(Settings::hotkeyText(Qt::Key_F5, Qt::ControlModifier, 0).isEmpty());
        // Without a keyboard map a shifted symbol stays uncaptured.
        QVERIFY(Settings::hotkeyText(Qt::Key_Percent, Qt::ShiftModifier, 14).isEmpty());

        QPointer<Settings> dialog = openDialog();
        Ui::SettingsClass *ui = dialog->form();
        QTest::keyClick(ui->edtHotkeyStop, Qt::Key_K, Qt::ShiftModifier | Qt::ControlModifier);
        QCOMPARE(ui->edtHotkeyStop->text(), QString("Ctrl+Shift+K"));
        QCOMPARE(g_enviroment->hotkeys()->HotkeyStop, QString("Ctrl+Shift+K"));
        QTest::keyClick(ui->edtHotkeyWebcam, Qt::Key_F5);
        QCOMPARE(ui->edtHotkeyWebcam->text(), QString("Ctrl+Alt+W"));
        QTest::keyClick(ui->edtHotkeyWebcam, Qt::Key_K);
        QCOMPARE(ui->edtHotkeyWebcam->text(), QString("K"));
        // 0 is typed like any text, and a text that names no key is no
        // hotkey at the next save.
        QTest::keyClick(ui->edtHotkeyShot, Qt::Key_0);
        QCOMPARE(ui->edtHotkeyShot->text(), QString("Ctrl+Alt+C0"));

        // The pause edit takes the stop edit's text: the group keeps its pause.
        QTest::keyClick(ui->edtHotkeyPause, Qt::Key_K, Qt::ShiftModifier | Qt::ControlModifier);
        QCOMPARE(ui->edtHotkeyPause->text(), QString("Ctrl+Shift+K"));
        QCOMPARE(g_enviroment->hotkeys()->HotkeyPause, QString("Ctrl+Alt+R"));
        QFocusEvent out(QEvent::FocusOut);
        QApplication::sendEvent(ui->edtHotkeyPause, &out);
        QCOMPARE(ui->edtHotkeyPause->text(), QString("Ctrl+Alt+R"));
        QTRY_COMPARE(m_warnings, QStringList{"The hotkey is alreay in use, please change it."});
        QApplication::sendEvent(ui->edtHotkeyStop, &out);
        QCOMPARE(m_warnings.size(), 1);

        ui->btnOK->click();
        QVERIFY(waitGone(dialog));
        QCOMPARE(stored("Hotkeys/HotkeyShot").toString(), QString("Ctrl+Alt+C0"));
        QVERIFY(!g_enviroment->hotkeys()->registered[MR_SHORTCUT_SCREENSHOT]);
        QVERIFY(g_enviroment->hotkeys()->registered[MR_SHORTCUT_WEBCAM]);
        QVERIFY(m_hotkeys->isGrabbed('K', HotkeyBackend::ModControl | HotkeyBackend::ModShift));

        dialog = openDialog();
        ui = dialog->form();
        ui->edtHotkeyPanel->clear();
        ui->btnRestoreHotkeys->click();
        QCOMPARE((QStringList{ui->edtHotkeyStop->text(), ui->edtHotkeyPause->text(), ui->edtHotkeyShot->text(),
                              ui->edtHotkeyWebcam->text(), ui->edtHotkeyPanel->text()}),
                 (QStringList{"Ctrl+Alt+S", "Ctrl+Alt+R", "Ctrl+Alt+C", "Ctrl+Alt+W", "Ctrl+Alt+H"}));
        QCOMPARE(g_enviroment->hotkeys()->HotkeyPanel, QString("Ctrl+Alt+H"));
    }

    void categoriesAndScrollFollowEachOther()
    {
        QPointer<Settings> dialog = openDialog();
        Ui::SettingsClass *ui = dialog->form();
        QScrollBar *bar = ui->scrollArea->verticalScrollBar();
        QVERIFY(ui->btnRecording->isChecked());
        const QList<QPair<QPushButton *, QLabel *>> pairs{{ui->btnMouse, ui->lblMouse},
                                                         {ui->btnOthers, ui->lblOthers},
                                                         {ui->btnOutput, ui->lblOutput},
                                                         {ui->btnHotkeys, ui->lblHotkeys},
                                                         {ui->btnRecording, ui->lblRecording}};
        for (const auto &pair : pairs) {
            QTest::mouseClick(pair.first, Qt::LeftButton);
            QCOMPARE(pair.second->y() - bar->value(), 20);
            QVERIFY(pair.first->isChecked());
        }
        bar->setValue(bar->maximum());
        QVERIFY(ui->btnOthers->isChecked());
        bar->setValue(ui->lblOutput->y() - 10);
        QVERIFY(ui->btnOutput->isChecked());
        bar->setValue(0);
        QVERIFY(ui->btnRecording->isChecked());
    }

    void clickColours()
    {
        QPointer<Settings> dialog = openDialog();
        Ui::SettingsClass *ui = dialog->form();
        // Stored as 32-bit ARGB with its alpha.
        ui->btnColorB->click();
        QCOMPARE(g_enviroment->mouse()->MouseClickColor, qlonglong(0xFFFFB517));
        QCOMPARE(g_enviroment->mouse()->MouseButtonIndex, 1);

        onNextModal<QColorDialog>([](QColorDialog *picker) {
            picker->setCurrentColor(QColor(0x12, 0x34, 0x56));
            picker->accept();
        });
        ui->btnSelectColor->click();
        QCOMPARE(g_enviroment->mouse()->MouseClickColor, qlonglong(0xFF123456));
        QCOMPARE(g_enviroment->mouse()->MouseButtonIndex, 3);
        QVERIFY(ui->btnSelectColor->styleSheet().contains("background-color: #123456;"));

        onNextModal<QColorDialog>([](QColorDialog *picker) {
            picker->setCurrentColor(Qt::green);
            picker->reject();
        });
        ui->btnSelectColor->click();
        QCOMPARE(g_enviroment->mouse()->MouseClickColor, qlonglong(0xFF123456));
        QVERIFY(ui->btnSelectColor->isChecked());

        // The preset red after Restore Default is no change at all.
        ui->btnDefault->click();
        ui->btnColorA->click();
        QVERIFY(g_enviroment->isDefault());
        // A stored custom colour shows on the custom button when reopened.
        ui->btnCancel->click();
        QVERIFY(waitGone(dialog));
        g_enviroment->mouse()->setMouseClickColor(0xABCDEF);
        g_enviroment->mouse()->setColorButtonIndex(3);
        dialog = openDialog();
        QVERIFY(dialog->form()->btnSelectColor->isChecked());
        QVERIFY(dialog->form()->btnSelectColor->styleSheet().contains("background-color: #abcdef;"));
    }

    void wheelOverAComboChangesNothing()
    {
        QPointer<Settings> dialog = openDialog();
        QComboBox *box = dialog->form()->cbxVideoFrameRate;
        const int before = box->currentIndex();
        for (int delta : {120, -120, -120}) {
            QWheelEvent wheel(QPointF(5, 5), box->mapToGlobal(QPoint(5, 5)), QPoint(), QPoint(0, delta),
                              Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
            QApplication::sendEvent(box, &wheel);
        }
        QCOMPARE(box->currentIndex(), before);
        QCOMPARE(g_enviroment->output()->VideoFrameRate, before);
    }

    void mouseSettingsToolAndFoldersOpenOnTheDesktop()
    {
        QTemporaryDir tools;
        const QString log = tools.filePath("started.txt");
        writeTool(tools.path(), "xfce4-mouse-settings", log);
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", tools.path().toUtf8());
        QPointer<Settings> dialog = openDialog();
        dialog->form()->btnMouseSettings->click();
        QTRY_VERIFY(QFile::exists(log));
        QFile::remove(tools.filePath("xfce4-mouse-settings"));
        writeTool(tools.path(), "kcmshell5", log);
        QFile::remove(log);
        dialog->form()->btnMouseSettings->click();
        QTRY_VERIFY(QFile::exists(log));
        auto started = [&] {
            QFile file(log);
            return file.open(QIODevice::ReadOnly) && file.readAll().contains("kcmshell5 kcm_mouse");
        };
        QTRY_VERIFY(started());
        QVERIFY(m_warnings.isEmpty());
        QFile::remove(tools.filePath("kcmshell5"));
        dialog->form()->btnMouseSettings->click();
        qputenv("PATH", path);
        QCOMPARE(m_warnings.size(), 1);

        // The folders open with the desktop's file handler.
        UrlCatcher files;
        QDesktopServices::setUrlHandler("file", &files, "open");
        dialog->form()->btnOpenVideoFolder->click();
        dialog->form()->btnOpenScreenshotFolder->click();
        QDesktopServices::unsetUrlHandler("file");
        QCOMPARE(files.urls, (QList<QUrl>{QUrl::fromLocalFile(g_enviroment->output()->VideoFolder),
                                          QUrl::fromLocalFile(g_enviroment->output()->ScreenshotsFolder)}));
    }

    void autoRunWritesAndRemovesTheAutostartEntry()
    {
        QPointer<Settings> dialog = openDialog();
        dialog->form()->chxAutoRun->click();
        dialog->form()->btnOK->click();
        QVERIFY(waitGone(dialog));
        QFile entry(Autostart::entryPath());
        QVERIFY(entry.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(entry.readAll());
        QVERIFY(text.startsWith("[Desktop Entry]\n"));
        QVERIFY(text.contains("\nExec=\"" + QCoreApplication::applicationFilePath() + "\"\n"));
        entry.close();

        dialog = openDialog();
        dialog->form()->chxAutoRun->click();
        dialog->form()->btnOK->click();
        QVERIFY(waitGone(dialog));
        QVERIFY(!QFile::exists(Autostart::entryPath()));
        QCOMPARE(Autostart::quoteArgument("/opt/a \"b\" $c\\d 5%"), QString("\"/opt/a \\\\\"b\\\\\" \\\\$c\\\\\\\\d 5%%\""));
    }
};

QTEST_MAIN(TestSettings)
#include "tst_settings.moc"
