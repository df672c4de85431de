#pragma once
// Settings group "Mouse": cursor capture and click marks.
#include <QObject>

class QSettings;

class DataGroupMouse : public QObject
{
    Q_OBJECT
public:
    explicit DataGroupMouse(QObject *parent = nullptr);

    void resetDefaults();
    void load(QSettings *settings);
    void save(QSettings *settings) const;
    bool equals(const DataGroupMouse *other) const;
    void copyFrom(const DataGroupMouse *other);

    bool CaptureMouseCursor;
    bool RecordMouseClicks;
    qlonglong MouseClickColor; // 0xAARRGGBB, alpha 255 (0xRRGGBB as default and in older files)
    int MouseButtonIndex;      // the colour button chosen in the settings dialog
    int MouseAreaRadius;       // click mark radius in pixels

public slots:
    void setCaptureMouseCursor(bool value);
    void setRecordMouseClicks(bool value);
    void setMouseClickColor(long long value);
    void setColorButtonIndex(int value);
    void setMouseAreaRadius(int value);

signals:
    void valueChanged();
};
