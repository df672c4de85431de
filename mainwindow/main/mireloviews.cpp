// The windows that put the main window aside while they are open (Settings,
// History, the task window, the watermark page) and the screenshot tool.
#include "mirelo.h"
#include "ui_mirelo.h"

#include "core/enviroment.h"
#include "core/logfile.h"
#include "areaselected.h"
#include "audiodevicelist.h"
#include "cameralist.h"
#include "camerawindow.h"
#include "controlbarlink.h"
#include "myframe.h"
#include "screencapturing.h"
#include "taskschedulelist.h"
#include "watermark.h"

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
    viewLog(QStringLiteral("showSettings")); // stub: Settings comes with its own change
}

void Mirelo::showHistory()
{
    viewLog(QStringLiteral("showHistory")); // stub: History comes with its own change
}

void Mirelo::showTaskSchedule()
{
    viewLog(QStringLiteral("showTaskSchedule")); // stub: TaskSchedule comes with its own change
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
    const bool hideFrame = g_enviroment && g_enviroment->recording()->HideMainWhenScreenshot && m_frame
                           && m_frame->isVisible();
    if (hideFrame) {
        m_frame->hide();
        // Let the window manager take the frame away before the screen is
        // grabbed.
        QCoreApplication::processEvents();
    }
    // The tool deletes itself when it closes.
    QPointer<ScreenCapturing> tool = new ScreenCapturing(this);
    tool->exec();
    if (hideFrame && m_frame && !m_exiting)
        m_frame->show();
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
    // TODO(integrator): the pages' retranslateAreaMenus() and fillRecConfigBoxes() go here.
    if (g_areaSelected)
        g_areaSelected->retranslateUi();
    if (g_systemSoundList)
        g_systemSoundList->retranslateUi();
    if (g_microphoneList)
        g_microphoneList->retranslateUi();
    if (g_cameraList)
        g_cameraList->retranslateUi();
    if (m_controlPanel)
        ControlBarLink::call(m_controlPanel, "retranslate");
    if (m_frame)
        m_frame->retranslateTitle();
}
