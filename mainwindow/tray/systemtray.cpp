#include "systemtray.h"

#include "core/datagrouphotkeys.h"
#include "core/enviroment.h"

#include <QAction>
#include <QCoreApplication>
#include <QIcon>
#include <QKeySequence>
#include <QMenu>

namespace {
constexpr int kStateSettings = 2;
constexpr int kStateRecording = 6;
constexpr int kBarRecording = 1;
constexpr int kBarPaused = 2;
} // namespace

TrayHost::~TrayHost() = default;

SystemTray::SystemTray(QObject *parent, TrayHost *host)
    : QObject(parent), m_host(host ? host : dynamic_cast<TrayHost *>(parent))
{
    qRegisterMetaType<TrayAction>("TrayAction");
    m_trayIcon = new QSystemTrayIcon(parent);
    m_trayIcon->setToolTip(QCoreApplication::applicationName());
    m_trayIcon->setIcon(QIcon(iconPath()));
    connect(m_trayIcon, &QSystemTrayIcon::activated, this, &SystemTray::iconIsActived);
    createMenu();
    m_trayIcon->setContextMenu(m_trayMenu);
    m_trayIcon->setVisible(true);
}

SystemTray::~SystemTray()
{
    // Qt deletes the entries a status-notifier tray made for the menu when
    // their actions leave the menu, never with the menu itself.
    if (m_trayMenu)
        m_trayMenu->clear();
    delete m_trayIcon;
    delete m_trayMenu;
}

QString SystemTray::iconPath()
{
    return QStringLiteral(":/Olvex/Resources/Edition/win/exe_logo/trayicon.ico");
}

void SystemTray::createMenu()
{
    m_actPause = new QAction(tr("Pause"), this);
    m_actStart = new QAction(tr("Start"), this);
    m_actScreenCapture = new QAction(tr("Screen Capture"), this);
    m_actPreferences = new QAction(tr("Preferences"), this);
    m_actExit = new QAction(tr("Exit"), this);
    m_actFloatBar = new QAction(tr("Show float bar"), this);
    setShortcutTexts();
    for (QAction *action : {m_actPause, m_actStart, m_actScreenCapture, m_actPreferences, m_actExit, m_actFloatBar})
        connect(action, &QAction::triggered, this, &SystemTray::actionTriggled);

    m_trayMenu = new QMenu;
    m_trayMenu->setObjectName(QStringLiteral("trayMenu"));
    QFont font(QStringLiteral("Tahoma"), 10);
    m_trayMenu->setFont(font);
    m_trayMenu->setStyleSheet(QStringLiteral("QMenu::item{ padding:8px;}"));
    m_trayMenu->addAction(m_actPause);
    m_trayMenu->addAction(m_actStart);
    m_trayMenu->addAction(m_actScreenCapture);
    m_trayMenu->addAction(m_actPreferences);
    m_trayMenu->addAction(m_actFloatBar);
    m_trayMenu->addAction(m_actExit);
    connect(m_trayMenu, &QMenu::aboutToShow, this, &SystemTray::updateActions);
}

// Shown beside the entries only; the global hotkeys are registered elsewhere.
void SystemTray::setShortcutTexts()
{
    if (!g_enviroment || !g_enviroment->hotkeys())
        return;
    const DataGroupHotkeys *keys = g_enviroment->hotkeys();
    m_actPause->setShortcut(QKeySequence(keys->HotkeyPause, QKeySequence::NativeText));
    m_actStart->setShortcut(QKeySequence(keys->HotkeyStop, QKeySequence::NativeText));
    m_actScreenCapture->setShortcut(QKeySequence(keys->HotkeyShot, QKeySequence::NativeText));
    for (QAction *action : {m_actPause, m_actStart, m_actScreenCapture})
        action->setShortcutContext(Qt::WidgetShortcut);
}

void SystemTray::retranslate()
{
    m_actPause->setText(tr("Pause"));
    m_actStart->setText(tr("Start"));
    m_actScreenCapture->setText(tr("Screen Capture"));
    m_actPreferences->setText(tr("Preferences"));
    m_actExit->setText(tr("Exit"));
    m_actFloatBar->setText(tr("Show float bar"));
}

void SystemTray::iconIsActived(QSystemTrayIcon::ActivationReason reason)
{
    switch (reason) {
    case QSystemTrayIcon::Trigger:
        emit actionActivate(TrayClick);
        break;
    case QSystemTrayIcon::DoubleClick:
        emit actionActivate(TrayDoubleClick);
        break;
    case QSystemTrayIcon::Context:
        updateActions();
        break;
    default:
        break;
    }
}

void SystemTray::actionTriggled()
{
    const QObject *action = sender();
    if (action == m_actStart)
        emit actionActivate(TrayStart);
    else if (action == m_actPause)
        emit actionActivate(TrayPause);
    else if (action == m_actScreenCapture)
        emit actionActivate(TrayScreenCapture);
    else if (action == m_actPreferences)
        emit actionActivate(TrayPreferences);
    else if (action == m_actFloatBar)
        emit actionActivate(TrayFloatBar);
    else if (action == m_actExit)
        emit actionActivate(TrayExit);
}

void SystemTray::updateActions()
{
    m_actScreenCapture->setEnabled(false);
    m_actPreferences->setEnabled(false);
    m_actFloatBar->setEnabled(false);
    if (!m_host)
        return;
    int state = 0;
    int mode = 0;
    int barState = 0;
    bool canRecord = false;
    m_host->queryState(&state, &mode, &barState, &canRecord);
    if (state == kStateRecording) {
        const bool running = barState == kBarRecording || barState == kBarPaused;
        m_actStart->setText(tr("Stop"));
        m_actPause->setText(barState == kBarPaused ? tr("Resume") : tr("Pause"));
        m_actStart->setEnabled(running);
        m_actPause->setEnabled(running);
        if (running) {
            m_actFloatBar->setEnabled(true);
            m_actFloatBar->setText(m_host->isControlPanelVisible() ? tr("Hide float bar") : tr("Show float bar"));
        }
        m_actExit->setEnabled(false);
    } else {
        m_actStart->setText(tr("Start"));
        m_actStart->setEnabled(canRecord);
        m_actPause->setText(tr("Pause"));
        m_actPause->setEnabled(false);
        m_actScreenCapture->setEnabled(true);
        m_actPreferences->setEnabled(state != kStateSettings);
        m_actExit->setEnabled(true);
    }
}
