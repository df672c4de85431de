#pragma once
// Settings group "Private": the last choices of the main window and its
// pages, read and written directly by their users, and what the program
// knows of the screens. Saved by Enviroment::savePrivate.
#include <QObject>
#include <QPixmap>
#include <QRect>
#include <QString>
#include <QVariant>

class QScreen;
class QSettings;

class DataGroupPrivate : public QObject
{
    Q_OBJECT
public:
    explicit DataGroupPrivate(QObject *parent = nullptr);

    // The defaults of every stored key that has one, and the history paths.
    void resetDefaults();
    void load(QSettings *settings);
    void save(QSettings *settings) const;

    int screenCount() const { return screens; }
    // -1: the whole desktop; 0..count-1: that screen; else a null rectangle.
    QRect screenGeometry(int index) const;
    QRect selectedScreenGeometry() const;
    // The picture of the chosen screen (the primary one for -1); empty when
    // ScreenIndex names no screen.
    QPixmap grabSelectedScreen() const;
    QString historyFilePath() const { return historyFile; }

    bool ScreenEnabled = true;
    int ScreenIndex = -1; // -1: the whole desktop
    QRect SelectedRect;
    bool CameraEnabled;
    int CameraIndex;
    QRect CameraRect;
    bool SystemsoundEnabled;
    int SystemsoundIndex;
    int SystemsoundVolume; // 0..200
    bool MicrophoneEnabled;
    int MicrophoneIndex;
    int MicrophoneVolume; // 0..200
    bool RecordLengthEnabled;
    quint64 RecordLength; // seconds
    bool ShutdownWhenEnds;
    bool RecordLengthForEachTime;
    QVariant ImageWatermark;
    QVariant TextWatermark;
    uint WatermarkType = 0; // 1 image, 2 text, else none

    int screens = 0;
    QString historyFolder;
    QString historyFile;

signals:
    void screenCountChanged(int count);

public slots:
    void doScreenCountChanged(int count);

private:
    void screenRemoved(QScreen *screen);
};
