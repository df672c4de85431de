#pragma once
// Settings group "Hotkeys": the five system-wide hotkeys and their
// registration.
#include <QMetaType>
#include <QObject>
#include <QString>

class QSettings;
class QxtGlobalShortcut;

// The five hotkeys, in their order.
enum MRShortcut {
    MR_SHORTCUT_STOP = 0,
    MR_SHORTCUT_PAUSE = 1,
    MR_SHORTCUT_SCREENSHOT = 2,
    MR_SHORTCUT_WEBCAM = 3,
    MR_SHORTCUT_PANEL = 4,
};
Q_DECLARE_METATYPE(MRShortcut)

class DataGroupHotkeys : public QObject
{
    Q_OBJECT
public:
    static constexpr int COUNT = 5;

    explicit DataGroupHotkeys(QObject *parent = nullptr);

    // The five default texts; no signal, no registration.
    void resetDefaults();
    void load(QSettings *settings);  // registers the hotkeys afterwards
    void save(QSettings *settings);  // registers them again afterwards
    bool equals(const DataGroupHotkeys *other) const;
    void copyFrom(const DataGroupHotkeys *other);

    // Registers all five with the system: first every held key is released,
    // then each text is grabbed in order, so a key moved from one hotkey to
    // another is not lost. The results go to `registered`.
    void registerShortcuts();

    // The text of a hotkey by its MRShortcut number.
    QString &text(int which);
    const QString &text(int which) const;

    // Key sequences in Qt's native text form, such as "Ctrl+Alt+S".
    QString HotkeyStop;
    QString HotkeyPause;
    QString HotkeyShot;
    QString HotkeyWebcam;
    QString HotkeyPanel;
    // Made by the first registration, children of this group.
    QxtGlobalShortcut *shortcuts[COUNT] = {};
    // Whether the system took each hotkey at the last registration.
    bool registered[COUNT] = {};

public slots:
    // A text naming the same key as one of the other four (in any letter
    // case) is refused without a signal.
    void setHotkeyStop(const QString &text);
    void setHotkeyPause(const QString &text);
    void setHotkeyShot(const QString &text);
    void setHotkeyWebcam(const QString &text);
    void setHotkeyPanel(const QString &text);
    void shortcutHandled();

signals:
    void valueChanged();
    void shortcutActivated(MRShortcut which);

private:
    void setHotkey(int which, const QString &text);
};
