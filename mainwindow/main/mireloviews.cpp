// The windows that put the main window aside while they are open (Settings,
// History, the task window, the watermark page) and the screenshot tool.
#include "mirelo.h"
#include "ui_mirelo.h"

#include "core/enviroment.h"
#include "core/logfile.h"
#include "areaselected.h"
#include "areaselecting.h"
#include "regionscreens.h"
#include "audiodevicelist.h"
#include "cameralist.h"
#include "camerawindow.h"
#include "controlbarlink.h"
#include "history.h"
#include "myframe.h"
#include "pagewidgets.h"
#include "screencapturing.h"
#include "settings.h"
#include "systemtray.h"
#include "taskschedule.h"
#include "taskschedulelist.h"
#include "watermark.h"

#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QPointer>

namespace {

void viewLog(const QString &text)
{
    if (g_runLog)
        g_runLog->write(0, text, true);
}

} // namespace

void Mirelo::showSettings()
{
    if (m_exiting)
        return;
    viewLog(QStringLiteral("showSettings"));
    // Two dialogs would save and revert over each other: an open one comes
    // to the front instead.
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (qobject_cast<Settings *>(window) && window->isVisible()) {
            window->raise();
            window->activateWindow();
            return;
        }
    }
    // A new dialog each time, without a parent; it deletes itself when
    // closed, after saving or reverting the settings.
    auto *settings = new Settings(nullptr);
    connect(settings, &Settings::visibleChanged, this, &Mirelo::exclusiveWindowVisibleChanged);
    settings->show();
}

void Mirelo::showHistory()
{
    if (m_exiting)
        return;
    // One window for the program's life: hidden between showings.
    if (!g_history) {
        g_history = new History(nullptr);
        connect(g_history, &History::visibleChanged, this, &Mirelo::exclusiveWindowVisibleChanged);
    }
    if (g_history->isMinimized())
        g_history->showNormal();
    g_history->show();
    g_history->raise();
    g_history->activateWindow();
}

void Mirelo::showTaskSchedule()
{
    if (m_exiting)
        return;
    if (!g_taskSchedule) {
        g_taskSchedule = new TaskSchedule(nullptr);
        connect(g_taskSchedule, &TaskSchedule::visibleChanged, this, &Mirelo::exclusiveWindowVisibleChanged);
    }
    if (g_taskSchedule->isMinimized())
        g_taskSchedule->showNormal();
    g_taskSchedule->show();
    g_taskSchedule->raise();
    g_taskSchedule->activateWindow();
}

void Mirelo::showWatermark()
{
    if (m_exiting)
        return;
    // A new page each time; it deletes itself when closed.
    auto *page = new Watermark(nullptr);
    connect(page, &Watermark::visibleChanged, this, &Mirelo::exclusiveWindowVisibleChanged);
    page->show();
}

void Mirelo::showScreenCapturing()
{
    if (m_exiting)
        return;
    // One capture at a time: the hotkey pressed again, or the tray entry
    // while the tool is open (or about to open), brings that one forward.
    if (m_screenCaptureRunning) {
        if (m_screenCapturing) {
            m_screenCapturing->raise();
            m_screenCapturing->activateWindow();
        }
        return;
    }
    if (!region::screenReadable(this))
        return;
    m_screenCaptureRunning = true;
    const bool hideFrame = g_enviroment && g_enviroment->recording()->HideMainWhenScreenshot && m_frame
                           && m_frame->isVisible();
    // A hotkey brings this too: the tool is shown, not run, and the frame
    // leaves the screen without a loop of its own; the tool's picture is
    // taken once it has.
    if (hideFrame)
        AreaSelecting::hideForPicture({m_frame}, this, [this] { openScreenCapturing(true); });
    else
        openScreenCapturing(false);
}

void Mirelo::openScreenCapturing(bool frameHidden)
{
    if (m_exiting) {
        m_screenCaptureRunning = false;
        return;
    }
    // The tool deletes itself when it closes.
    auto *tool = new ScreenCapturing(this);
    m_screenCapturing = tool;
    // The main window comes back as the tool closes, before a picture the
    // tool pins shows: the pin maps last and lies above it (i3 puts the
    // window mapped last over the others, whatever either asks).
    const auto showFrame = [this, frameHidden] {
        // Not over a recording that began meanwhile.
        if (frameHidden && m_frame && !m_exiting && m_windowState != StateRecording)
            m_frame->show();
    };
    connect(tool, &QDialog::finished, this, showFrame);
    connect(tool, &QObject::destroyed, this, [this, showFrame] {
        m_screenCaptureRunning = false;
        showFrame();
    });
    tool->setModal(true);
    tool->show();
}

void Mirelo::exclusiveWindowVisibleChanged(bool visible)
{
    QObject *window = sender();
    if (!window || m_exiting)
        return;
    const QByteArray kind = window->metaObject()->className();
    int state = -1;
    if (kind == "Settings")
        state = StateSettings;
    else if (kind == "TaskSchedule")
        state = StateTaskSchedule;
    else if (kind == "History")
        state = StateHistory;
    else if (kind == "Watermark")
        state = StateWatermark;
    if (state < 0)
        return;
    if (visible) {
        if (state == StateTaskSchedule && g_taskScheduleList)
            g_taskScheduleList->stopTimer();
        m_areaWasVisible = g_areaSelected && g_areaSelected->isVisible();
        m_cameraWasVisible = g_cameraWindow && g_cameraWindow->isVisible();
        if (m_areaWasVisible)
            g_areaSelected->hide();
        if (m_cameraWasVisible)
            g_cameraWindow->hide();
        if (m_frame)
            m_frame->hide();
        m_windowState = state;
        return;
    }
    // A window closed for a recording leaves the recording's state alone.
    if (m_windowState == StateRecording)
        return;
    if (m_frame)
        m_frame->show();
    m_windowState = StateIdle;
    if (m_areaWasVisible && g_areaSelected)
        g_areaSelected->show();
    if (m_cameraWasVisible && g_cameraWindow)
        g_cameraWindow->show();
    if (state == StateTaskSchedule && g_taskScheduleList)
        g_taskScheduleList->scheduleNext(QString());
}


void Mirelo::takePhoto()
{
    if (g_cameraWindow)
        g_cameraWindow->takePhoto();
}

void Mirelo::retranslate()
{
    ui->retranslateUi(this);
    if (g_enviroment) {
        recordLengthStateChanged(g_enviroment->privateData->RecordLengthEnabled);
        waterMarkStateChanged(g_enviroment->privateData->WatermarkType != 0);
    }
    // One rule everywhere: "ON" only when a job will fire.
    taskScheduleStateChanged(g_taskScheduleList && g_taskScheduleList->anyEnabled());
    ui->btnHome->setToolTip(tr("Go home"));
    ui->btnCapture->setToolTip(tr("Screen capture"));
    ui->btnRecord->setToolTip(tr("Start recording"));
    setWindowTitle(QCoreApplication::translate("MirelonClass", "Olvex Free Mirelo"));
    if (m_pageWidgets) {
        // The refilled boxes keep what the user chose.
        QComboBox *recConfig = m_pageWidgets->cbxRecConfig;
        QComboBox *screen = m_pageWidgets->cbxSelectScreen;
        const int recIndex = recConfig->currentIndex();
        const int screenIndex = screen->currentIndex();
        retranslateAreaMenus();
        fillRecConfigBoxes();
        const QSignalBlocker blockRec(recConfig);
        const QSignalBlocker blockScreen(screen);
        if (recIndex >= 0 && recIndex < recConfig->count())
            recConfig->setCurrentIndex(recIndex);
        if (screenIndex >= 0 && screenIndex < screen->count())
            screen->setCurrentIndex(screenIndex);
    }
    if (g_areaSelected)
        g_areaSelected->retranslateUi();
    if (g_systemSoundList)
        g_systemSoundList->retranslateUi();
    if (g_microphoneList)
        g_microphoneList->retranslateUi();
    if (g_cameraList)
        g_cameraList->retranslateUi();
    if (g_cameraWindow)
        g_cameraWindow->retranslate();
    if (m_systemTray)
        m_systemTray->retranslate();
    if (m_controlPanel) {
        ControlBarLink::retranslate(m_controlPanel);
        m_controlPanel->setWindowTitle(windowTitle());
    }
    if (m_frame)
        m_frame->retranslateTitle();
}
