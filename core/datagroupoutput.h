#pragma once
// Settings group "Output": folders, formats, the video encoder, qualities and
// rates, with the lists the settings dialog shows and the names of new files.
#include <QObject>
#include <QString>
#include <QStringList>
#include <QVector>

class QSettings;

// Asks the engine which hardware encoder families (1 Intel, 2 Nvidia, 4 AMD)
// this machine has and which of them work; the bitwise or of the usable
// ones. The engine must be initialised; without one the answer is 0.
int hardwareEncoderMask();

class DataGroupOutput : public QObject
{
    Q_OBJECT
public:
    // Encoder types, the values of "VideoEncoder".
    enum EncoderType { EncoderSoftware = 0, EncoderIntel = 1, EncoderNvidia = 2, EncoderAmd = 3 };

    // `copy` is false for the live set, which probes the engine for its
    // hardware encoders; copies take the live set's `mask`.
    DataGroupOutput(QObject *parent, bool copy, int mask);

    // The built-in defaults, the encoder list (probing again on the live
    // set) and the default encoder.
    void resetDefaults();
    void load(QSettings *settings);
    void save(QSettings *settings) const;
    bool equals(const DataGroupOutput *other) const;
    void copyFrom(const DataGroupOutput *other);

    // Engine family of VideoEncoder: 1, 2, 4, or 0 for software.
    int videoEncoderFlag() const;
    bool isEncoderAvailable(int type) const;
    QStringList videoEncoders() const;
    QStringList videoFormats() const;
    QStringList audioFormats() const;
    QStringList imageFormats() const;
    QStringList videoQualities() const;
    QStringList audioQualities() const;
    QStringList videoFrameRates() const;
    QStringList audioSampleRates() const;
    float frameRateValue() const;
    int sampleRateValue() const;

    // The first free path "<folder>/<prefix>_yy-MM-dd_hh-mm-NN.<extension>",
    // NN counting from 01 with at least two digits. The folder is neither
    // made nor checked.
    static QString newFilePath(const QString &folder, const QString &prefix, const QString &extension);
    QString newVideoFilePath() const;
    QString newAudioFilePath() const; // into the video folder
    QString newSnapshotFilePath() const;

    QString VideoFolder;
    QString ScreenshotsFolder;
    int ImageFormat;
    int VideoFormat;
    int VideoEncoder;      // EncoderType
    int VideoEncoderIndex; // position of VideoEncoder in availableEncoders
    int VideoQuality;
    int VideoFrameRate;
    int AudioFormat;
    int AudioQuality;
    int AudioSampleRate;
    QVector<int> availableEncoders; // software first, then the usable families
    bool copy;
    int hardwareMask;

    // The built-in folders.
    static QString defaultVideoFolder();
    static QString defaultScreenshotsFolder();

public slots:
    // Each refuses a value outside its range without a signal.
    void setOutputFolder(const QString &folder);
    void setScreenshotsFolder(const QString &folder);
    void setImageFormat(int index);
    void setVideoFormat(int index);
    void setVideoEncoderIndex(int index);
    void setVideoQuality(int index);
    void setVideoFrameRate(int index);
    void setAudioFormat(int index);
    void setAudioQuality(int index);
    void setAudioSampleRate(int index);

signals:
    void valueChanged();

private:
    void setIndex(int *field, int value, int count);
    void buildEncoderList();
};
