#pragma once
// The program's main window. It builds and owns the program-wide
// components in a fixed order (logs, engine, settings, ...) and decides
// what closing its frame means.

#include <QMainWindow>
#include <QDialog>
#include <QPointer>

#include <atomic>
#include <functional>

#include "core/recordkinds.h"
#include "mainwindowcalls.h"
#include "regionowner.h"

namespace Ui {
class MirelonClass;
}
class EngineEvents;
class QDialog;
class QProgressBar;
class TaskScheduleItem;
class MyCustomAreaSelect;
class MyFrame;
class TitleBar;
class SystemTray;
enum TrayAction : int;
class PatchLauncher;
struct PageWidgets;
class RecordLength;
class QAbstractButton;
class QAction;
class QLabel;
class QMenu;

class Mirelo : public QMainWindow, public RegionOwner, public MainWindowCalls
{
    Q_OBJECT
public:
    // taskName: the scheduled job this start was made for (empty for a
    // start by hand).
    Mirelo(QWidget *parent, const QString &taskName);
    ~Mirelo() override;
    // The program's main window while one exists.
    static Mirelo *current();

    void setFrame(MyFrame *frame);
    void setTitleBar(TitleBar *titleBar);
    MyFrame *frame() const { return m_frame; }
    TitleBar *titleBar() const { return m_titleBar; }
    QString taskName() const { return m_taskName; }
    EngineEvents *engineEvents() const { return m_engineEvents; }

    // Work started once the frame shows (update checks).
    void startDeferredTasks();
    void setFrameVisible(bool visible) override;

    // Region frame and custom size panel.
    // A size from the custom size panel: keeps the region's top-left corner.
    void setCustomAreaSize(const QSize &size, bool commit) override;
    MyCustomAreaSelect *customAreaSelect() const { return m_customAreaSelect; }

    // Whether the frame may close now; hiding to the tray refuses.
    bool confirmClose();
    // The process is being ended under the program (its display is gone):
    // the recording's file and History entry are finished and the settings
    // kept, without touching the display.
    void finishBeforeExit();
    // The frame's close callback; context is the window.
    static bool frameCloseCallback(void *context);

    // Webcam and sound sources.
    static void rescanCameraDevices();
    void closeCamera();
    void recordWithoutSystemSound();
    void recordWithoutMicrophone();

public slots:
    void newInstanceMessage(const QString &message);
    void showCameraSettings();

    // The tray's Exit: the next close leaves without asking.
    void requestExit() { m_exitRequested = true; }
    // The session ends the program (logout, shutdown, a closed terminal):
    // a recording stops as by its Stop button, with its file finished and
    // listed, then the program leaves as by the tray's Exit. Further
    // requests while it leaves change nothing.
    void endOnRequest();

    // Region frame and custom size panel.
    void actShowCustomSelectArea();
    // The watermark button's "ON"/"OFF".
    void waterMarkStateChanged(bool on);

protected:
    // Installed on the application: the mouse wheel never changes a combo box.
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void initLogs();
    // The tray's Exit: the frame closes once the caller is done, and leaves.
    void leaveLater();
    void initSources();
    void deleteSources();
    void placeCameraWindow(int position);

    QString m_taskName;
    MyFrame *m_frame = nullptr;
    TitleBar *m_titleBar = nullptr;
    EngineEvents *m_engineEvents = nullptr;
    bool m_exitRequested = false;

    // Region frame and custom size panel.
    MyCustomAreaSelect *m_customAreaSelect = nullptr;

    // ---- recording flow and engine events ----
public:
    // What the window is doing.
    enum WindowState {
        StateIdle = 0, StatePicking = 1, StateSettings = 2, StateHistory = 3,
        StateTaskSchedule = 5, StateRecording = 6, StateWatermark = 7
    };
    int windowState() const { return m_windowState; }
    int recordMode() const { return m_recordMode; }
    void setRecordMode(int mode) { m_recordMode = mode; }
    QDialog *controlPanel() const { return m_controlPanel; }
    TaskScheduleItem *currentItem() const { return m_currentItem; }
    // Where a start is (StartIdle once it recorded, failed or was stopped).
    enum StartStage { StartIdle = 0, StartTelling = 1, StartCountdown = 2, StartHidingChrome = 3 };
    int startStage() const { return m_startStage; }
    bool isExiting() const { return m_exiting; }
    QProgressBar *systemSoundBar() const { return m_prgSystemSound; }
    QProgressBar *microphoneBar() const { return m_prgMicrophone; }

    // Closes every other window of the program, innermost first.
    void closeOtherWindows();
    void queryState(int *windowState, int *recordMode, int *barState, bool *canRecord) const;
    bool isControlPanelVisible() const;

    // The form and its skin images.
    Ui::MirelonClass *form() const;
    void loadButtonImages();
    // State 1 gives the "on" images, anything else the "off" ones.
    void setMicrophoneButtonImages(int state);
    void setSystemSoundButtonImages(int state);
    void setCameraButtonImages(int state);

signals:
    void systemSoundPlayback(int level);
    void microphonePlayback(int level);
    void audioDeviceChanged();
    void currentAudioDeviceLost(int type);
    void openCameraFailed();
    void sigShowSystemPrivacyWidget(int kind);

public slots:
    void prepareToRecord();
    void prepareToRecord(TaskScheduleItem *item);
    void recordFinished(int code);
    void shortcutHandled(int id);
    // The exclusive windows: the main window steps aside while one is open.
    void showSettings();
    void showHistory();
    void showTaskSchedule();
    void showWatermark();
    void showScreenCapturing();
    void exclusiveWindowVisibleChanged(bool visible);
    void taskScheduleStateChanged(bool on);
    void recordLengthStateChanged(bool on);
    void takePhoto();
    // After a language change: the form's texts, the window's own and
    // those of every component that exists.
    void retranslate() override;
    void doSystemSoundPlayback(int level);
    void doMicrophonePlayback(int level);
    void doAudioDeviceChanged();
    void doCurrentAudioDeviceLost(int type);
    void doOpenCameraFailed();
    void doRecordingFailed(int error);
    void slotShowSystemPrivacyWidget(int kind);

private:
    void setStyleKeys();
    void applyScale();
    void fitStatusButtons();
    void initRecordFlow();
    // Events 2, 5 and 6, filtered on the engine's thread.
    void cameraOpenFailedEvent();
    void cameraBlockedEvent();
    void microphoneBlockedEvent();
    void deleteComponents();
    // The record-length and task-schedule buttons' "ON"/"OFF" brought in
    // line with the settings and the jobs.
    void refreshStateLabels();

    Ui::MirelonClass *ui = nullptr;
    // The window was put above the others while the region frame shows.
    bool m_topmostSet = false;
    void keepOnTop(QObject *watched, QEvent *event);
    std::atomic<int> m_windowState{StateIdle};
    std::atomic<int> m_recordMode{0};
    std::atomic<bool> m_exiting{false};
    QPointer<QDialog> m_controlPanel;
    int m_startStage = StartIdle;
    QPointer<QDialog> m_countdown;
    // The steps of a start: a message read, the countdown, the bar, the
    // desktop's panels hidden, then the recording.
    void countdownThenBar();
    void countdownEnded();
    void openControlBar();
    TaskScheduleItem *m_currentItem = nullptr;
    QProgressBar *m_prgSystemSound = nullptr;
    QProgressBar *m_prgMicrophone = nullptr;
    QString m_taskButtonText;
    // Visible when an exclusive window opened, shown again when it closes.
    bool m_areaWasVisible = false;
    bool m_cameraWasVisible = false;
    // The screenshot tool while it is open (it deletes itself), and whether
    // one is on its way.
    QPointer<QDialog> m_screenCapturing;
    bool m_screenCaptureRunning = false;
    // The tool, once the frame has left the screen when it had to.
    void openScreenCapturing(bool frameHidden);

    // ---- tray icon and desktop hiding ----
public:
    SystemTray *systemTray() const { return m_systemTray; }

public slots:
    // What a click on the tray icon or a tray menu entry means in the
    // window's present state.
    void systemTrayActionActivate(TrayAction action);

private:
    void initSystemTray();
    void deleteSystemTray();
    // Desktop icons and panels out of the recording, as the settings ask;
    // `then` runs once the screen shows them gone (at once when nothing is
    // to be hidden), from the event loop: nothing waits meanwhile. A
    // restore drops a hide under way, and its `then`.
    void hideDesktopChrome(std::function<void()> then);
    void hideNextChrome(QList<int> kinds, std::function<void()> then);
    void restoreDesktopChrome();
    QPointer<QObject> m_chromeHiding;
    // Once a run, before a recording by hand: the desktop's icons or
    // taskbar that the settings ask to hide and this desktop cannot. The
    // notice shown, or null when none shows.
    QWidget *tellUnhideableChrome();
    bool m_toldUnhideableIcons = false;
    bool m_toldUnhideableTaskbar = false;

    SystemTray *m_systemTray = nullptr;
    // ---- patch updater ----
public slots:
    // The start-up patch check and the external updater (armed 100 ms after
    // the frame first shows).
    void CheckPatchUpdate();

private:
    PatchLauncher *m_patchLauncher = nullptr;
    // ---- pages, region controls, sources, record length, countdown ----
public:
    // The record-length popup's button lies under the mouse cursor.
    Q_INVOKABLE bool isCursorOverRecordLengthButton() const;
    RecordLength *recordLengthPopup() const { return m_recordLength; }
    PageWidgets *pageWidgets() const { return m_pageWidgets; }
    QMenu *areaMenu() const { return m_areaMenu; }
    int previousRecConfig() const { return m_previousRecConfig; }
    // Shows the countdown before a recording by hand when the settings ask
    // for it; true when it shows. A start goes on once it ends (it ends by
    // itself, or on Escape); hotkeys do nothing meanwhile.
    bool runCountdown();
    QDialog *countdown() const { return m_countdown; }

signals:
    void SigClickAudioListBtn(int id);
    void SigActiveMicro();

public slots:
    void setMainFunMode(int page);
    void updateRecordButton();
    void enterHomePage();
    void enterVideoPage();
    void enterCameraPage();
    void enterAudioPage();
    void animationFinished();
    void animationGroupFinished();
    void slotShowRecVideoMenu();
    void slotRecConfigChange(int index);
    void actFullScreenTriggered();
    void actSelectAreaTriggered();
    void act1920_1080Triggered();
    void act1280_720Triggered();
    void act854_480Triggered();
    void act1024_768Triggered();
    void act640_480Triggered();
    void actLastRectTriggered();
    void slotFullScreenMenu(QAction *action);
    void slotSelectScreenChange(int index);
    void cbxScreenCurrentIndexChanged(int index);
    void doScreenCountChanged(int count);
    void slotSelectedRectChanged(const QRect &rect);
    void chxScreenToggled(bool on);
    void btnCustomSizeClicked();

    void chxCameraToggled(bool on);
    void btnCameraClicked();
    void btnCameraDropClicked();
    void showCameraWindow();
    void hideCameraWindow();
    void slotCameraIndexChanged(int id);
    void slotCameraDeviceChanged(bool currentChanged);
    void cameraWindowVisibleChanged(bool visible);
    void cameraWindowRectChanged(const QRect &rect);
    void switchCameraOff();
    void privacyCloseCamera() override;
    void privacyCloseMicrophone() override;
    void chxSystemSoundToggled(bool on);
    void chxMicrophoneToggled(bool on);
    void btnSystemSoundClicked();
    void btnMicrophoneClicked();
    void btnSystemSoundDropClicked();
    void btnMicrophoneDropClicked();
    void slotSystemSoundIndexChanged();
    void slotMicrophoneIndexChanged();
    void slotSystemSoundDeviceChanged(bool currentChanged);
    void slotMicrophoneDeviceChanged(bool currentChanged);
    void showRecordLength();
    void chxRecordLengthToggled(bool on);
    void saveRecLengthData();

private:
    // Once, after the form: finds its widgets and connects the pages.
    void initPages();
    void connectPages();
    void createAreaMenus();
    void retranslateAreaMenus();
    void fillRecConfigBoxes();
    void slidePages(bool toHome, QWidget *leaving);
    // The custom size panel's committed size: region recording on the video page.
    void enterCustomSizeRegion();
    void frameSetMainFunMode();
    void frameScreenCaptureEnabled(bool enabled);
    void setRecConfigSilently(int index);
    void setAreaSize(int width, int height);
    void fixedSizeChosen(int width, int height);
    void applyScreenChoice(int screenIndex);
    void reapplyAudioToggles();
    void enterAudioOnlyLayout();
    void setScreenChecked(bool on);
    void setCameraBoxFromSettings();
    bool hasCamera() const;
    bool pickRegion(QRect *picked);
    void loadRecLengthPage();
    void storeRecLengthPage();
    void applyRecLengthPage();

    // Made by initPages, deleted with the window.
    PageWidgets *m_pageWidgets = nullptr;
    RecordLength *m_recordLength = nullptr;
    QMenu *m_areaMenu = nullptr;
    QMenu *m_fullScreenMenu = nullptr;
    QMenu *m_fixedMenu = nullptr;
    QAction *m_actFullScreen = nullptr;
    QAction *m_actSelectArea = nullptr;
    QAction *m_actScreenSize = nullptr;
    QAction *m_actCustomize = nullptr;
    QAction *m_actLastRect = nullptr;
    QList<QAction *> m_presetActions;
    QLabel *m_slideLabel = nullptr;
    bool m_recordLengthShown = false;
    bool m_microphoneInternalChange = false;
    bool m_cameraInternalChange = false;
    int m_previousRecConfig = 0;
};
