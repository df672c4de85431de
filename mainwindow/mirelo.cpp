#include "mirelo.h"
#include "history.h"
#include "taskschedule.h"
#include "ui_mirelo.h"
#include "main/pagewidgets.h"

#include "core/edition.h"
#include "core/enginebinding.h"
#include "core/engineevents.h"
#include "core/enviroment.h"
#include "core/fileutils.h"
#include "core/languages.h"
#include "core/logfile.h"
#include "core/myconfig.h"
#include "areaselected.h"
#include "commondialog.h"
#include "controlbarlink.h"
#include "regionrequests.h"
#include "serviceviews.h"
#include "mycustomareaselect.h"
#include "closeotherwindows.h"
#include "myframe.h"
#include "pintoscreenwidget.h"
#include "regiongeometry.h"
#include "regionscreens.h"
#include "skinmanager.h"
#include "windowstacking.h"
#include "audiodevicelist.h"
#include "cameralist.h"
#include "camerasettings.h"
#include "camerawindow.h"
#include "historylist.h"
#include "keepplace.h"
#include "pagerules.h"
#include "taskschedulelist.h"

#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QScreen>
#include <QSystemTrayIcon>
#include <QWindow>
#include <QTimer>

namespace {

void stateLog(const QString &text)
{
    if (g_runStateLog)
        g_runStateLog->write(0, text, true);
}

Mirelo *s_current = nullptr;
} // namespace

Mirelo *Mirelo::current()
{
    return s_current;
}

Mirelo::Mirelo(QWidget *parent, const QString &taskName) : QMainWindow(parent), m_taskName(taskName)
{
    setObjectName(QStringLiteral("MirelonClass"));
    ui = new Ui::MirelonClass;
    ui->setupUi(this);
    setStyleKeys();

    initLogs();

    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowCloseButtonHint);
    QCoreApplication::setApplicationName(QStringLiteral("Olvex Free Mirelo"));
    setWindowTitle(QCoreApplication::translate("MirelonClass", "Olvex Free Mirelo"));
    ui->btnRecord->setToolTip(tr("Start recording"));
    // Set as it stands: the tool tip keeps its size at every scale.
    ui->btnRecord->setStyleSheet(QStringLiteral(
        "QToolTip { color: #000000; background-color: #ffffff;border-radius: 4px; border: 1px solid #BBBBBB;"
        "padding-left:2px;padding-top:2px; font:FONT_14px;}"));
    ui->line->hide();
    ui->line_2->hide();

    if (g_runStateLog)
        g_runStateLog->open();
    stateLog(QStringLiteral("core init"));
    m_engineEvents = new EngineEvents(this);
    engineInitialize(g_myConfig ? g_myConfig->userDataPath() : QString(), m_engineEvents);

    stateLog(QStringLiteral("Enviroment init"));
    g_enviroment = new Enviroment(this);
    applyScale();
    loadButtonImages();

    stateLog(QStringLiteral("AreaSelected init"));
    g_areaSelected = new AreaSelected(this);
    ui->stackedWidget->setCurrentIndex(0);
    ui->staSystemSoundWidget->setCurrentIndex(0);
    ui->staMicrophoneWidget->setCurrentIndex(0);
    ui->staCameraWidget->setCurrentIndex(0);
    // The frame's "Customize" reaches this window through the controller.
    s_current = this;
    initSources();
    restoreDesktopChrome();

    // The tray icon and the record-length popup join here when they land.
    stateLog(QStringLiteral("SystemTray init"));
    initSystemTray();
    stateLog(QStringLiteral("TaskSchedule init"));
    g_taskScheduleList = new TaskScheduleList(this);
    connect(g_taskScheduleList, &TaskScheduleList::taskActivation, this,
            qOverload<TaskScheduleItem *>(&Mirelo::prepareToRecord));
    g_taskScheduleList->scheduleNext(m_taskName);
    taskScheduleStateChanged(g_taskScheduleList->anyEnabled());
    stateLog(QStringLiteral("RecordLength init"));
    if (g_enviroment)
        recordLengthStateChanged(g_enviroment->privateData->RecordLengthEnabled);
    stateLog(QStringLiteral("HistoryList init"));
    g_historyList = new HistoryList(this);
    stateLog(QStringLiteral("new Controller begin"));
    s_current = this;
    stateLog(QStringLiteral("new Controller finish"));
    initRecordFlow();
    if (g_enviroment)
        waterMarkStateChanged(g_enviroment->privateData->WatermarkType != 0);
    initPages();

    qApp->installEventFilter(this);

    if (g_runStateLog)
        g_runStateLog->close();
}

Mirelo::~Mirelo()
{
    m_exiting = true;
    // An open screenshot tool goes with this window: its end finds nothing
    // left to tell.
    if (m_screenCapturing)
        disconnect(m_screenCapturing, nullptr, this, nullptr);
    deleteComponents();
    deleteSources();
    // The frame may have no parent (recording mode), so it goes explicitly.
    delete m_customAreaSelect;
    m_customAreaSelect = nullptr;
    delete g_areaSelected;
    g_areaSelected = nullptr;
    if (s_current == this)
        s_current = nullptr;
    engineShutdown();
    // The skin manager is not ended here: the exit path ends it, and a
    // window made and dropped again (the gallery) leaves it to the others.
    // The settings holder goes with its parent, this window.
    g_enviroment = nullptr;
    delete m_pageWidgets;
    m_pageWidgets = nullptr;
    delete ui;
    ui = nullptr;
    // The table of the pages' widgets is ours; the widgets go with the window.
    delete m_pageWidgets;
    m_pageWidgets = nullptr;
}

void Mirelo::closeEvent(QCloseEvent *event)
{
    if (g_enviroment)
        g_enviroment->savePrivate();
    // Pinned screenshots belong to the program's window: they go with it.
    PinToScreenWidget::closeAll();
    QMainWindow::closeEvent(event);
}

void Mirelo::initLogs()
{
    const QString folder = (g_myConfig ? g_myConfig->userDataPath() : QString()) + QStringLiteral("Log");
    makeDirIfMissing(folder);
    delete g_runLog;
    delete g_runStateLog;
    g_runLog = new LogFile(QDir(folder).filePath(QStringLiteral("myrun.log")));
    g_runStateLog = new LogFile(QDir(folder).filePath(QStringLiteral("Runstate.log")));
    g_runLog->open();
    g_runLog->write(0, QStringLiteral("Startup begin!!! QS:") + platformName() + QStringLiteral(" Edition:") + productVersion(),
                    true);
    g_runLog->write(0, QStringLiteral("g_dscale: %1").arg(g_dscale, 0, 'g'), true);
}

void Mirelo::setFrame(MyFrame *frame)
{
    m_frame = frame;
    if (m_frame) {
        m_frame->setCloseCallback(&Mirelo::frameCloseCallback, this);
        // Hidden for screenshots, recordings and exclusive windows: it comes
        // back where the user left it.
        KeepPlace::watch(m_frame);
    }
}

void Mirelo::setTitleBar(TitleBar *titleBar) { m_titleBar = titleBar; }

void Mirelo::startDeferredTasks()
{
    QTimer::singleShot(100, this, &Mirelo::CheckPatchUpdate);
    ServiceViews::instance()->checkUpdateOnStartup();
}

void Mirelo::setFrameVisible(bool visible)
{
    if (m_frame)
        m_frame->setVisible(visible);
}

bool Mirelo::frameCloseCallback(void *context)
{
    return context ? static_cast<Mirelo *>(context)->confirmClose() : true;
}

bool Mirelo::confirmClose()
{
    bool exit = true;
    if (!m_exitRequested && g_enviroment) {
        DataGroupOthers *others = g_enviroment->others();
        if (others->ExitWhenCloseTip) {
            bool askAgain = true;
            const int answer = CommonDialog::askCloseAction(this, &askAgain);
            if (answer < 0)
                return false; // cancelled: nothing changes
            exit = answer == 1;
            others->setExitWhenCloseTip(askAgain);
        } else {
            exit = others->ExitWhenClose;
        }
    }
    if (!exit) {
        // To the tray: everything stays alive, only out of sight.
        if (g_areaSelected && g_areaSelected->isVisible())
            g_areaSelected->hide();
        if (g_cameraWindow && g_cameraWindow->isVisible())
            g_cameraWindow->slotWidgetHide();
        // Without a tray a hidden frame could not be found again: it goes
        // to the task bar instead.
        if (m_frame) {
            if (QSystemTrayIcon::isSystemTrayAvailable()) {
                // As at a recording's start: the hotkeys must still reach
                // the program once the window that had the keyboard is gone.
                WindowStacking::instance()->letFocusFallToRoot();
                m_frame->hide();
            } else {
                m_frame->showMinimized();
            }
        }
        return false;
    }

    m_exitRequested = true;
    // From here engine events and device slots are ignored, and no window
    // outlives what it shows.
    m_exiting = true;
    restoreDesktopChrome();
    closeOtherWindows();
    // Leaving, the notices go too: nobody is left to read them.
    closeNotices();
    if (g_enviroment) {
        g_enviroment->savePrivate();
        g_enviroment->save();
    }
    deleteSystemTray();
    deleteComponents();
    SkinManager::destroyInstance();
    delete g_runLog;
    g_runLog = nullptr;
    // Closing a window never ends the program by itself (it may live on in
    // the tray): leaving is asked for here.
    QMetaObject::invokeMethod(QCoreApplication::instance(), &QCoreApplication::quit, Qt::QueuedConnection);
    return true;
}

void Mirelo::endOnRequest()
{
    if (m_exiting)
        return; // already leaving: the stop under way goes on
    if (g_runLog)
        g_runLog->write(0, QStringLiteral("End requested from outside"), true);
    // Set first: the end of the recording shows no window and fires no
    // next job, and a countdown under way starts nothing.
    m_exiting = true;
    if (m_controlPanel)
        ControlBarLink::stopUnattended(m_controlPanel);
    // Whatever the recording hid is back, also when no bar came to end.
    restoreDesktopChrome();
    leaveLater();
}

void Mirelo::leaveLater()
{
    requestExit();
    // Leaving deletes the tray and its menu: not while the click or the
    // call that asked for it is still under way.
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (m_frame)
                m_frame->close();
        },
        Qt::QueuedConnection);
}

void Mirelo::finishBeforeExit()
{
    if (m_exiting)
        return;
    if (g_runLog)
        g_runLog->write(0, QStringLiteral("The display is gone: finishing before the end"), true);
    m_exiting = true;
    // Nothing on the display: its server has gone, and with it the windows
    // that were hidden.
    if (m_controlPanel)
        ControlBarLink::finishForExit(m_controlPanel);
    if (g_enviroment) {
        g_enviroment->savePrivate();
        g_enviroment->save();
    }
}

void Mirelo::newInstanceMessage(const QString &) {}

bool Mirelo::eventFilter(QObject *watched, QEvent *event)
{
    keepOnTop(watched, event);
    // A new language font (or skin) changes what the bottom bar's texts need.
    if (event->type() == QEvent::FontChange && ui
        && (watched == ui->btnHistory || watched == ui->btnRecLength || watched == ui->btnTaskSchedule
            || watched == ui->btnWatermark))
        fitStatusButtons();
    // A wheel turned over a closed combo box would change its choice by
    // accident (the sources, the screens, the settings' boxes).
    if (event->type() == QEvent::Wheel && qobject_cast<QComboBox *>(watched))
        return true;
    return QMainWindow::eventFilter(watched, event);
}

// Each global is cleared as its object goes.
void Mirelo::deleteComponents()
{
    if (g_cameraWindow)
        g_cameraWindow->close();
    delete g_history; // the windows over the two stores go first
    delete g_taskSchedule;
    delete g_historyList;
    g_historyList = nullptr;
    delete g_taskScheduleList; // clears its global
}

// Region frame and custom size panel.
void Mirelo::setCustomAreaSize(const QSize &size, bool commit)
{
    RegionRequests *controller = RegionRequests::instance();
    if (controller->customAreaRequested()) {
        controller->setCustomAreaRequested(false);
    } else if (commit) {
        enterCustomSizeRegion();
    }
    if (!g_areaSelected)
        return;
    // At the region's corner, unless that would carry it off the desktop.
    g_areaSelected->setSelectedRectImmediately(region::typedRect(g_areaSelected->selectedRect(), size, region::desktop()));
}

void Mirelo::actShowCustomSelectArea()
{
    if (g_runLog)
        g_runLog->write(0, QStringLiteral("in actShowCustomSelectArea"), true);
    if (!g_areaSelected)
        return;
    g_areaSelected->setFullScreenMode(false);
    if (!m_customAreaSelect)
        m_customAreaSelect = new MyCustomAreaSelect(this, nullptr, Qt::FramelessWindowHint);
    if (g_runLog)
        g_runLog->write(0, QStringLiteral("g_areaSelected->setParentVisible(false)"), true);
    g_areaSelected->setParentVisible(false);
    if (g_runLog)
        g_runLog->write(0, QStringLiteral("this->isVisible(): %1").arg(isVisible() ? 1 : 0), true);
    g_areaSelected->show();
    m_customAreaSelect->placeBesideArea();
    m_customAreaSelect->show();
}

// ---- webcam and sound sources ----

void Mirelo::initSources()
{
    stateLog(QStringLiteral("Camera init"));
    g_cameraList = new CameraList(nullptr);
    g_cameraWindow = new CameraWindow(nullptr);
    KeepPlace::watch(g_cameraWindow);
    connect(g_cameraList, &CameraList::sigShowCameraSettings, this, &Mirelo::showCameraSettings);
    connect(g_cameraWindow, &CameraWindow::sigShowCameraSettings, this, &Mirelo::showCameraSettings);
    connect(g_cameraWindow, &CameraWindow::rectChanged, this, [](const QRect &rect) {
        if (g_enviroment)
            g_enviroment->privateData->CameraRect = rect;
    });

    stateLog(QStringLiteral("AudioDevice init"));
    g_systemSoundList = new AudioDeviceList(nullptr, MIRELO_DEVICE_SYSTEM_SOUND);
    g_microphoneList = new AudioDeviceList(nullptr, MIRELO_DEVICE_MICROPHONE);
}

void Mirelo::deleteSources()
{
    delete g_microphoneList;
    g_microphoneList = nullptr;
    delete g_systemSoundList;
    g_systemSoundList = nullptr;
    delete g_cameraWindow;
    g_cameraWindow = nullptr;
    delete g_cameraList;
    g_cameraList = nullptr;
}

void Mirelo::rescanCameraDevices()
{
    if (g_cameraList)
        g_cameraList->delayRescanDevice();
}

void Mirelo::showCameraSettings()
{
    const bool wasVisible = g_cameraWindow && g_cameraWindow->isVisible();
    if (wasVisible)
        g_cameraWindow->hide();
    auto *dialog = new CameraSettings(this);
    if (dialog->exec() == QDialog::Accepted && g_cameraWindow && g_cameraList)
        placeCameraWindow(g_cameraList->position());
    if (wasVisible)
        g_cameraWindow->show();
    delete dialog;
}

void Mirelo::placeCameraWindow(int position)
{
    QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen || !g_cameraWindow)
        return;
    // Beside the recorded region: the region frame's window.
    const QRect reference = g_areaSelected ? g_areaSelected->frameGeometry() : screen->geometry();
    g_cameraWindow->move(pages::cameraPlacement(position, reference, g_cameraWindow->size(), pages::taskbarOffset()));
}

// While recording, the bar stays above the region frame; otherwise the main
// window stays above while the region frame shows, so the frame never
// covers the controls that set it.
void Mirelo::keepOnTop(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::WindowActivate && type != QEvent::WindowDeactivate && type != QEvent::Hide
        && type != QEvent::Show)
        return;
    if (m_exiting)
        return;
    WindowStacking *stacking = WindowStacking::instance();
    if (QDialog *bar = m_controlPanel) {
        const bool trigger = (type == QEvent::WindowDeactivate && watched == bar)
                             || (type == QEvent::WindowActivate && watched == g_areaSelected);
        if (trigger && g_areaSelected && g_areaSelected->isRecordingMode() && bar->windowHandle())
            stacking->setStaysOnTop(bar->windowHandle(), true);
        return;
    }
    QWidget *top = window();
    QWindow *handle = top ? top->windowHandle() : nullptr;
    if (!handle)
        return;
    // The region frame shows over the window that is already active (a
    // size chosen from its menus). The window goes above it at once, and is
    // raised once the frame is mapped for a desktop without a manager. Not
    // the frame below the window: a window manager that restacks its own
    // windows as one block would carry it under them all, the desktop
    // included; the frame leaves the program's windows out of what it
    // shows and takes instead.
    if (type == QEvent::Show && watched == g_areaSelected) {
        if (!top->isVisible())
            return;
        if (!m_topmostSet) {
            stacking->setStaysOnTop(handle, true);
            m_topmostSet = true;
        }
        QMetaObject::invokeMethod(top, [top] { top->raise(); }, Qt::QueuedConnection);
        return;
    }
    if (type == QEvent::WindowActivate && !m_topmostSet && g_areaSelected && g_areaSelected->isVisible()) {
        stacking->setStaysOnTop(handle, true);
        m_topmostSet = true;
    } else if (m_topmostSet
               && ((type == QEvent::WindowDeactivate && !QApplication::activeWindow())
                   || (type == QEvent::Hide && watched == g_areaSelected))) {
        stacking->setStaysOnTop(handle, false);
        m_topmostSet = false;
    }
}
