// The main window's road from a start request to the end of a recording,
// the exclusive windows, the hotkeys and the engine's events.
#include "mirelo.h"
#include "ui_mirelo.h"

#include "core/enginebinding.h"
#include "core/engineevents.h"
#include "core/enviroment.h"
#include "core/fileutils.h"
#include "core/levelmeters.h"
#include "core/logfile.h"
#include "areaselected.h"
#include "core/screenaccess.h"
#include "audiodevicelist.h"
#include "cameralist.h"
#include "camerawindow.h"
#include "closeotherwindows.h"
#include "commondialog.h"
#include "privacyrequests.h"
#include "controlbarlink.h"
#include "myframe.h"
#include "taskschedulelist.h"
#include "windowstacking.h"

#include <QCoreApplication>
#include <QDir>
#include <QProgressBar>
#include <QVBoxLayout>

namespace {

void runLogLine(const QString &text)
{
    if (g_runLog)
        g_runLog->write(0, text, true);
}

} // namespace

void Mirelo::initRecordFlow()
{
    // The level bars of the record page.
    m_prgSystemSound = ui->prgSystemSound;
    m_prgMicrophone = ui->prgMicrophone;
    for (QProgressBar *bar : {m_prgSystemSound, m_prgMicrophone}) {
        bar->setRange(0, 100);
        bar->setValue(0);
        bar->setTextVisible(false);
    }
    LevelMeters::watchBar(m_prgSystemSound, MIRELO_DEVICE_SYSTEM_SOUND);
    LevelMeters::watchBar(m_prgMicrophone, MIRELO_DEVICE_MICROPHONE);

    connect(m_engineEvents, &EngineEvents::systemSoundLevel, this, &Mirelo::systemSoundPlayback);
    connect(m_engineEvents, &EngineEvents::microphoneLevel, this, &Mirelo::microphonePlayback);
    connect(m_engineEvents, &EngineEvents::currentAudioDeviceLost, this, &Mirelo::currentAudioDeviceLost);
    connect(m_engineEvents, &EngineEvents::audioDevicesChanged, this, &Mirelo::audioDeviceChanged);
    connect(m_engineEvents, &EngineEvents::recordingFailed, this, &Mirelo::doRecordingFailed);
    connect(this, &Mirelo::systemSoundPlayback, this, &Mirelo::doSystemSoundPlayback);
    connect(this, &Mirelo::microphonePlayback, this, &Mirelo::doMicrophonePlayback);
    connect(this, &Mirelo::audioDeviceChanged, this, &Mirelo::doAudioDeviceChanged);
    connect(this, &Mirelo::currentAudioDeviceLost, this, &Mirelo::doCurrentAudioDeviceLost);
    connect(this, &Mirelo::openCameraFailed, this, &Mirelo::doOpenCameraFailed);
    // Queued also when the engine raises the event on this thread, inside
    // the call that opened the device: the notice comes after that call.
    connect(this, &Mirelo::sigShowSystemPrivacyWidget, this, &Mirelo::slotShowSystemPrivacyWidget,
            Qt::QueuedConnection);
    // These three are decided where the engine raises them, from the
    // privacy flags; only what passes reaches the window's thread.
    connect(m_engineEvents, &EngineEvents::cameraOpenFailed, this, &Mirelo::cameraOpenFailedEvent,
            Qt::DirectConnection);
    connect(m_engineEvents, &EngineEvents::cameraBlocked, this, &Mirelo::cameraBlockedEvent, Qt::DirectConnection);
    connect(m_engineEvents, &EngineEvents::microphoneBlocked, this, &Mirelo::microphoneBlockedEvent,
            Qt::DirectConnection);
    if (g_enviroment)
        connect(g_enviroment->hotkeys(), &DataGroupHotkeys::shortcutActivated, this,
                [this](MRShortcut id) { shortcutHandled(int(id)); });

    // The form's buttons of the recording road and the exclusive windows;
    // the pages and the sources are wired by their own code.
    ui->btnTakePhoto->hide();
    ui->staStatusWidget->setCurrentIndex(0);
    ui->fraScreen->hide();
    ui->staRecConfigWidget->hide();
    ui->checkMouseAround->hide();
    connect(ui->btnHistory, &QPushButton::clicked, this, &Mirelo::showHistory);
    connect(ui->btnTaskSchedule, &QPushButton::clicked, this, &Mirelo::showTaskSchedule);
    connect(ui->btnWatermark, &QPushButton::clicked, this, &Mirelo::showWatermark);
    connect(ui->btnRecPhoto, &QToolButton::clicked, this, &Mirelo::showScreenCapturing);
    connect(ui->btnCapture, &QPushButton::clicked, this, &Mirelo::showScreenCapturing);
    connect(ui->btnRecord, &QPushButton::clicked, this, qOverload<>(&Mirelo::prepareToRecord));
}

// ---- engine events ----

// The controller's privacy flags are atomics, safe to read and clear from
// the engine's thread. The null controller shows no privacy notice.

void Mirelo::cameraOpenFailedEvent()
{
    if (!m_exiting && PrivacyRequests::instance()->isPrivacyWidgetShown())
        emit openCameraFailed();
}

void Mirelo::cameraBlockedEvent()
{
    const int mode = m_recordMode;
    if (m_exiting || (mode != RecordModeScreen && mode != RecordModeCamera) || !PrivacyRequests::instance()->canShowCameraPrivacy())
        return;
    PrivacyRequests::instance()->setCanShowCameraPrivacy(false);
    emit sigShowSystemPrivacyWidget(1);
}

void Mirelo::microphoneBlockedEvent()
{
    const int mode = m_recordMode;
    if (m_exiting || mode < RecordModeScreen || mode > RecordModeAudio)
        return;
    PrivacyRequests::instance()->setCanShowMicrophonePrivacy(false);
    emit sigShowSystemPrivacyWidget(2);
}

void Mirelo::slotShowSystemPrivacyWidget(int kind)
{
    if (m_exiting)
        return;
    if (kind == 1 && g_cameraWindow)
        g_cameraWindow->slotWidgetHide();
    PrivacyRequests::instance()->showSystemPrivacyWidget(kind);
}

void Mirelo::doSystemSoundPlayback(int level)
{
    if (m_exiting)
        return;
    m_prgSystemSound->setValue(qBound(0, level, 100));
    if (m_controlPanel && m_controlPanel->isVisible())
        ControlBarLink::setSystemSoundLevel(m_controlPanel, level);
}

void Mirelo::doMicrophonePlayback(int level)
{
    if (m_exiting)
        return;
    m_prgMicrophone->setValue(qBound(0, level, 100));
    if (m_controlPanel && m_controlPanel->isVisible())
        ControlBarLink::setMicrophoneLevel(m_controlPanel, level);
}

// The device slots run on this thread only (the engine's events come
// queued), one after the other: they need no lock, and none may be held
// across what they call, which may show a window.
void Mirelo::doAudioDeviceChanged()
{
    if (m_exiting)
        return;
    if (g_systemSoundList)
        g_systemSoundList->rescanDevice();
    if (g_microphoneList)
        g_microphoneList->rescanDevice();
}

void Mirelo::doCurrentAudioDeviceLost(int type)
{
    if (m_exiting)
        return;
    AudioDeviceList *list = nullptr;
    QProgressBar *bar = nullptr;
    if (type == MIRELO_DEVICE_SYSTEM_SOUND) {
        list = g_systemSoundList;
        bar = m_prgSystemSound;
    } else if (type == MIRELO_DEVICE_MICROPHONE) {
        list = g_microphoneList;
        bar = m_prgMicrophone;
    }
    if (!list)
        return;
    if (m_controlPanel && list->isDeviceEnabled())
        ControlBarLink::soundLost(m_controlPanel);
    if (list->currentIndex() < 0) {
        engineCloseAudioDevice(type);
        bar->setValue(0);
    }
}

void Mirelo::doRecordingFailed(int error)
{
    // The engine ended the recording by itself (its file could not be
    // written): the bar ends it here too and tells why.
    if (!m_exiting && m_controlPanel)
        ControlBarLink::recordingFailed(m_controlPanel, error);
}

void Mirelo::doOpenCameraFailed()
{
    if (m_exiting)
        return;
    // The engine found it: told without holding the program.
    CommonDialog::tell(this, tr("Failed to open the camera."));
    if (g_cameraWindow)
        g_cameraWindow->slotWidgetHide();
    m_recordMode = RecordModeCamera;
    if (m_pageWidgets)
        enterHomePage();
}

// ---- recording ----

void Mirelo::prepareToRecord()
{
    if (!g_taskScheduleList || !g_enviroment)
        return;
    TaskScheduleItem *item = g_taskScheduleList->createItem();
    DataGroupPrivate *data = g_enviroment->privateData;
    if (data->RecordLengthEnabled) {
        item->setStopType(TaskScheduleItem::StopByLength);
        item->setLength(int(qMin<quint64>(data->RecordLength, quint64(INT_MAX))));
        item->setShutdown(data->ShutdownWhenEnds);
    } else {
        item->setStopType(TaskScheduleItem::StopByHand);
    }
    // The limit was for this time only.
    if (!data->RecordLengthForEachTime)
        data->RecordLengthEnabled = false;
    prepareToRecord(item);
}

// A start runs in steps that each return to the event loop: the countdown
// and the wait for hidden panels to leave the screen are states of the
// start, not loops of their own, so a stop, a job or the end of the program
// meets a start in a known state, never halfway through a step.
void Mirelo::prepareToRecord(TaskScheduleItem *item)
{
    if (!item || m_exiting)
        return;
    // A one-time length limit is used up by now, a once job by its firing.
    refreshStateLabels();
    // One recording at a time, also while one starts: a job that falls due
    // meanwhile is skipped.
    if (m_controlPanel || m_startStage != StartIdle) {
        if (!item->name().isEmpty())
            runLogLine(QStringLiteral("Scheduled job %1 skipped: a recording runs").arg(item->name()));
        return;
    }
    const QString folder = g_enviroment ? g_enviroment->output()->VideoFolder : QString();
    QString problem;
    if (folder.isEmpty() || !QDir().mkpath(folder))
        problem = tr("The location of output files is not valid, please reselect it in settings.");
    else if (!canCreateFilesIn(folder))
        problem = tr("The location of output files cannot be written, please choose another one in settings.");
    QString why = QStringLiteral("the output folder %1 is not usable").arg(folder);
    if (problem.isEmpty() && !screenaccess::readable()
        && item->recordSource()->recordType() == RecordTypeScreen) {
        problem = screenaccess::refusal();
        why = QStringLiteral("the screen cannot be read in a Wayland session");
    }
    if (!problem.isEmpty()) {
        runLogLine(QStringLiteral("No recording: ") + why);
        // A job's timer, a hotkey or the tray may have asked: the message
        // does not hold them.
        if (item->name().isEmpty())
            CommonDialog::tell(this, problem);
        else
            TaskScheduleList::tellJob(item, problem);
        // The next job still fires.
        if (!item->name().isEmpty() && g_taskScheduleList)
            g_taskScheduleList->scheduleNext(QString());
        return;
    }
    m_currentItem = item;
    if (g_taskScheduleList)
        g_taskScheduleList->stopTimer();
    closeOtherWindows();
    // The main window hidden next may hold the keyboard: the stop's hotkey
    // must still reach the program once it is gone.
    WindowStacking::instance()->letFocusFallToRoot();
    // While recording, device changes are not written to the settings.
    if (g_systemSoundList)
        g_systemSoundList->setPersistent(false);
    if (g_microphoneList)
        g_microphoneList->setPersistent(false);
    if (g_areaSelected)
        g_areaSelected->hide();
    if (m_frame)
        m_frame->hide();
    m_windowState = StateRecording;

    // What the desktop cannot hide is said before a recording by hand, and
    // read before it starts: a message on the screen would be recorded.
    if (item->name().isEmpty()) {
        if (QWidget *told = tellUnhideableChrome()) {
            m_startStage = StartTelling;
            connect(told, &QObject::destroyed, this, [this] {
                if (m_startStage == StartTelling)
                    countdownThenBar();
            });
            return;
        }
    }
    countdownThenBar();
}

void Mirelo::countdownThenBar()
{
    m_startStage = StartIdle;
    // The program began to leave while the message showed.
    if (m_exiting)
        return;
    if (m_currentItem && m_currentItem->name().isEmpty() && runCountdown()) {
        m_startStage = StartCountdown;
        return; // on in countdownEnded()
    }
    openControlBar();
}

void Mirelo::countdownEnded()
{
    m_countdown.clear();
    if (m_startStage == StartCountdown)
        openControlBar();
}

void Mirelo::openControlBar()
{
    m_startStage = StartIdle;
    // The program began to leave during the countdown.
    if (m_exiting)
        return;
    QDialog *bar = ControlBarLink::create(this, m_currentItem);
    if (!bar) {
        runLogLine(QStringLiteral("No control bar: the recording does not start"));
        recordFinished(0);
        return;
    }
    m_controlPanel = bar;
    bar->setWindowTitle(windowTitle());
    connect(bar, &QDialog::finished, this, &Mirelo::recordFinished);
    if (!(g_enviroment && g_enviroment->recording()->HideFlatBar))
        bar->show();
    // A stop meanwhile ends the bar (and the hiding with it): then nothing
    // starts.
    m_startStage = StartHidingChrome;
    const QPointer<QDialog> started(bar);
    hideDesktopChrome([this, started] {
        m_startStage = StartIdle;
        if (started && started == m_controlPanel && !m_exiting)
            ControlBarLink::startRecord(started);
    });
}

void Mirelo::recordFinished(int code)
{
    m_startStage = StartIdle;
    restoreDesktopChrome();
    for (int type : {MIRELO_DEVICE_SYSTEM_SOUND, MIRELO_DEVICE_MICROPHONE})
        LevelMeters::setRecording(type, false);
    if (m_exiting)
        return;
    // Switching off hands over to the system; what follows still runs, so
    // the settings are whole when the programs are asked to close.
    if (m_currentItem && m_currentItem->shutdown())
        shutdownSystem();
    m_controlPanel = nullptr; // the bar deletes itself
    if (m_frame)
        m_frame->show();
    m_windowState = StateIdle;
    if (g_enviroment && g_areaSelected && ui->chxScreen->isChecked()) {
        g_areaSelected->setSelectedRect(g_enviroment->privateData->SelectedRect);
        g_areaSelected->show();
    }
    if (g_enviroment && g_cameraWindow && ui->chxCamera->isChecked()) {
        g_cameraWindow->setGeometry(g_enviroment->privateData->CameraRect);
        g_cameraWindow->show();
        g_cameraWindow->setStickyOnTop(false);
    }
    for (AudioDeviceList *list : {g_systemSoundList, g_microphoneList}) {
        if (list) {
            list->loadSettings();
            list->setPersistent(true);
        }
    }
    if (g_taskScheduleList)
        g_taskScheduleList->scheduleNext(QString());
    refreshStateLabels();
    // A bar that ends rejected recorded nothing: no list to show.
    if (code == QDialog::Accepted && g_enviroment && g_enviroment->recording()->AutoOpenHistory)
        showHistory();
}

void Mirelo::closeOtherWindows()
{
    QList<QWidget *> keep{this};
    if (m_frame)
        keep.append(m_frame);
    keep << g_cameraWindow << g_cameraList << g_systemSoundList << g_microphoneList;
    keep.removeAll(nullptr);
    // Without waiting: every window of the program goes at once, and a wait
    // would handle events (a stop, a job) in the middle of what called this.
    ::closeOtherWindows(keep, 0);
}

void Mirelo::queryState(int *windowState, int *recordMode, int *barState, bool *canRecord) const
{
    if (windowState)
        *windowState = m_windowState;
    if (recordMode)
        *recordMode = m_recordMode;
    if (barState)
        *barState = (m_windowState == StateRecording && m_controlPanel)
                        ? ControlBarLink::recordState(m_controlPanel) : 0;
    if (canRecord) {
        const bool anySource = ui->chxScreen->isChecked() || ui->chxCamera->isChecked()
                               || ui->chxSystemSound->isChecked() || ui->chxMicrophone->isChecked();
        *canRecord = m_recordMode != RecordModeNone && anySource;
    }
}

bool Mirelo::isControlPanelVisible() const
{
    return m_windowState == StateRecording && m_controlPanel && m_controlPanel->isVisible();
}

void Mirelo::shortcutHandled(int id)
{
    // Hotkeys pressed during the countdown are lost, not kept for later.
    if (m_exiting || m_countdown)
        return;
    QDialog *bar = m_controlPanel;
    switch (id) {
    case MR_SHORTCUT_STOP:
        if (bar)
            ControlBarLink::stopRecord(bar);
        else if (ui->stackedWidget->currentIndex() == 1 && ui->btnRecord->isEnabled())
            ui->btnRecord->click();
        break;
    case MR_SHORTCUT_PAUSE:
        if (bar)
            ControlBarLink::pauseRecord(bar);
        break;
    case 2: // screenshot
        if (bar)
            ControlBarLink::screenshot(bar);
        else
            showScreenCapturing();
        break;
    case 3: // webcam: the record page's rule, also while recording
        if (!g_cameraWindow)
            break;
        if (ui->stackedWidget->currentIndex() == 1 && !g_cameraWindow->isVisible() && g_cameraList
            && g_cameraList->deviceCount() > 0)
            g_cameraWindow->show();
        else
            g_cameraWindow->slotWidgetHide();
        break;
    case 4: // show or hide the bar
        if (bar)
            bar->setVisible(!bar->isVisible());
        break;
    default:
        break;
    }
}

namespace {
// The state word of a bottom-bar button: "ON" and "OFF" in every language.
QString stateWord(bool on)
{
    return on ? QStringLiteral("ON") : QStringLiteral("OFF");
}
} // namespace

void Mirelo::taskScheduleStateChanged(bool on)
{
    m_taskButtonText = tr("Task Schedule (%1)").arg(stateWord(on));
    ui->btnTaskSchedule->setText(m_taskButtonText);
    fitStatusButtons();
}

void Mirelo::waterMarkStateChanged(bool on)
{
    ui->btnWatermark->setText(tr("Watermark (%1)").arg(stateWord(on)));
    fitStatusButtons();
}

// The buttons' "ON" and "OFF" from what the settings and the jobs say now.
void Mirelo::refreshStateLabels()
{
    recordLengthStateChanged(g_enviroment && g_enviroment->privateData->RecordLengthEnabled);
    taskScheduleStateChanged(g_taskScheduleList && g_taskScheduleList->anyEnabled());
}

void Mirelo::recordLengthStateChanged(bool on)
{
    ui->btnRecLength->setText(tr("Set record length (%1)").arg(stateWord(on)));
    fitStatusButtons();
}
