#pragma once
// The program's icon in the notification area. It only turns clicks and
// menu choices into TrayAction values; the main window carries them out.
//
// Qt speaks the StatusNotifierItem protocol over D-Bus where the desktop has
// such a host and uses an XEmbed tray otherwise. A StatusNotifier host opens
// the menu without telling the icon first, so the menu's entries are also
// brought up to date whenever it is about to show.
#include <QObject>
#include <QPointer>
#include <QSystemTrayIcon>

class QAction;
class QMenu;

// Persisted nowhere, but the numbers are the main window's contract.
enum TrayAction : int {
    TrayClick = 0,
    TrayDoubleClick = 1,
    TrayStart = 2,
    TrayPause = 3,
    TrayScreenCapture = 4,
    TrayPreferences = 5,
    TrayFloatBar = 8,
    TrayExit = 9,
};
Q_DECLARE_METATYPE(TrayAction)

// What the menu needs to know of the window that owns the icon.
class TrayHost
{
public:
    virtual ~TrayHost();
    // Window state, record mode, control bar state (1 recording, 2 paused),
    // whether a recording can start.
    virtual void queryState(int *windowState, int *recordMode, int *barState, bool *canRecord) const = 0;
    virtual bool isControlPanelVisible() const = 0;
};

class SystemTray : public QObject
{
    Q_OBJECT
public:
    // The icon's Qt parent is the tray's parent; the host is the parent
    // when it is one, unless another is given.
    explicit SystemTray(QObject *parent, TrayHost *host = nullptr);
    ~SystemTray() override;

    void retranslate();
    // Entries' texts and enabled states for the host's state.
    void updateActions();

    QSystemTrayIcon *trayIcon() const { return m_trayIcon; }
    QMenu *trayMenu() const { return m_trayMenu; }
    QAction *actStart() const { return m_actStart; }
    QAction *actPause() const { return m_actPause; }
    QAction *actScreenCapture() const { return m_actScreenCapture; }
    QAction *actPreferences() const { return m_actPreferences; }
    QAction *actFloatBar() const { return m_actFloatBar; }
    QAction *actExit() const { return m_actExit; }

    static QString iconPath();

signals:
    void actionActivate(TrayAction action);

public slots:
    void iconIsActived(QSystemTrayIcon::ActivationReason reason);
    void actionTriggled();

private:
    void createMenu();
    void setShortcutTexts();

    TrayHost *m_host = nullptr;
    QPointer<QSystemTrayIcon> m_trayIcon;
    QMenu *m_trayMenu = nullptr;
    QAction *m_actStart = nullptr;
    QAction *m_actPause = nullptr;
    QAction *m_actScreenCapture = nullptr;
    QAction *m_actPreferences = nullptr;
    QAction *m_actFloatBar = nullptr;
    QAction *m_actExit = nullptr;
};
