// The tray icon's requests, carried out by the main window according to its
// state.
#include "mirelo.h"

#include "core/enviroment.h"
#include "cameralist.h"
#include "controlbarlink.h"
#include "myframe.h"
#include "systemtray.h"

#include <QAbstractButton>

namespace {

// The tray asks the window through this; only the main window answers.
class MireloTrayHost : public QObject, public TrayHost
{
public:
    MireloTrayHost(Mirelo *window, QObject *parent) : QObject(parent), m_window(window) {}
    void queryState(int *windowState, int *recordMode, int *barState, bool *canRecord) const override
    {
        m_window->queryState(windowState, recordMode, barState, canRecord);
    }
    bool isControlPanelVisible() const override { return m_window->isControlPanelVisible(); }

private:
    Mirelo *m_window;
};

} // namespace

void Mirelo::initSystemTray()
{
    auto *host = new MireloTrayHost(this, this);
    // The icon's Qt parent is this window; the host goes with the tray.
    m_systemTray = new SystemTray(this, host);
    m_systemTray->setObjectName(QStringLiteral("systemTray"));
    host->setParent(m_systemTray);
    connect(m_systemTray, &SystemTray::actionActivate, this, &Mirelo::systemTrayActionActivate);
}

void Mirelo::deleteSystemTray()
{
    delete m_systemTray;
    m_systemTray = nullptr;
}

void Mirelo::systemTrayActionActivate(TrayAction action)
{
    if (m_exiting)
        return;
    QDialog *bar = m_controlPanel;
    if (m_windowState == StateRecording) {
        switch (action) {
        case TrayClick:
        case TrayDoubleClick:
            if (bar && !bar->isVisible())
                bar->show();
            break;
        case TrayStart:
            if (bar)
                ControlBarLink::stopRecord(bar);
            break;
        case TrayPause:
            if (bar) {
                const int state = ControlBarLink::recordState(bar);
                if (state == 1 || state == 2)
                    ControlBarLink::pauseRecord(bar);
            }
            break;
        case TrayFloatBar:
            if (bar)
                bar->setVisible(!bar->isVisible());
            break;
        default: // screen capture, preferences and exit wait for the end
            break;
        }
        return;
    }

    switch (action) {
    case TrayClick:
    case TrayDoubleClick:
        // Only from the idle window: an open dialog keeps the frame hidden.
        if (m_windowState != StateIdle || !m_frame)
            break;
        m_frame->showNormal();
        m_frame->raise();
        m_frame->activateWindow();
        if (g_enviroment && (m_recordMode == RecordModeScreen || m_recordMode == RecordModeCamera)) {
            if (m_recordMode == RecordModeScreen) {
                if (auto *screen = findChild<QAbstractButton *>(QStringLiteral("chxScreen"))) {
                    const bool blocked = screen->blockSignals(true);
                    screen->setChecked(g_enviroment->privateData->ScreenEnabled);
                    screen->blockSignals(blocked);
                    chxScreenToggled(g_enviroment->privateData->ScreenEnabled);
                }
            }
            if (auto *camera = findChild<QAbstractButton *>(QStringLiteral("chxCamera")))
                camera->setChecked(g_enviroment->privateData->CameraEnabled && g_cameraList
                                   && g_cameraList->deviceCount() > 0);
        }
        break;
    case TrayStart:
        prepareToRecord();
        break;
    case TrayPause:
        // Nothing records: pausing has nothing to act on.
        break;
    case TrayScreenCapture:
        closeOtherWindows();
        showScreenCapturing();
        break;
    case TrayPreferences:
        closeOtherWindows();
        showSettings();
        break;
    case TrayExit:
        leaveLater();
        break;
    default:
        break;
    }
}
