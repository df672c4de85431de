#pragma once
// Settings group "Recording": what happens around a recording.
#include <QObject>

class QSettings;

class DataGroupRecording : public QObject
{
    Q_OBJECT
public:
    explicit DataGroupRecording(QObject *parent = nullptr);

    void resetDefaults();
    void load(QSettings *settings);
    void save(QSettings *settings) const;
    bool equals(const DataGroupRecording *other) const;
    void copyFrom(const DataGroupRecording *other);

    bool ShowCountdown;
    bool Beep;
    bool ShowBoundary;
    bool HideFlatBar;
    bool AllowMoveRegion;
    bool HideDesktopIcons;
    bool HideTaskbar;
    bool HideMainWhenScreenshot;
    bool AutoOpenHistory;

public slots:
    void setShowCountdown(bool value);
    void setBeep(bool value);
    void setShowBoundary(bool value);
    void setHideFloatBar(bool value);
    void setAllowMoveRegion(bool value);
    void setHideDesktopIcons(bool value);
    void setHideTaskbar(bool value);
    void setHideMainWhenScreenshot(bool value);
    void setAutoOpenHistory(bool value);

signals:
    void valueChanged();
};
