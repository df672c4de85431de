#pragma once
// Settings group "Others": updates, start-up and close behaviour, tips.
#include <QObject>

class QSettings;

class DataGroupOthers : public QObject
{
    Q_OBJECT
public:
    explicit DataGroupOthers(QObject *parent = nullptr);

    void resetDefaults();
    void load(QSettings *settings);
    void save(QSettings *settings) const;
    bool equals(const DataGroupOthers *other) const;
    void copyFrom(const DataGroupOthers *other);

    bool AutoCheckUpdate;
    bool AutoRun;
    bool ExitWhenClose;
    bool ExitWhenCloseTip;
    bool IsShowToAudioTips;

public slots:
    void setAutoCheckUpdate(bool value);
    void setAutoRun(bool value);
    void setExitWhenClose(bool value);
    // These two only store: the main window sets them after its own
    // questions, and the settings dialog does not show them.
    void setExitWhenCloseTip(bool value);
    void setIsShowToAudioTips(bool value);

signals:
    void valueChanged();
};
