#pragma once
// Builders of the records handed to the engine (<mirelo/engine_api.h>).
// The control bar fills a settings struct from the job and the settings
// model and lets a block turn it into the byte layout; a block owns the
// strings its record points to, so it must live as long as the engine may
// read them (until the next fill or the block's destruction).
#include <mirelo/engine_api.h>

#include <QByteArray>
#include <QColor>
#include <QFont>
#include <QRect>
#include <QSize>
#include <QString>

#include <string>

// A desktop rectangle (inclusive QRect) as the engine's capture rectangle,
// right and bottom exclusive. With `cutToEven` the width and height are cut
// down to even numbers (a recording's start); without, the rectangle is
// sent as it is (a region moved during the recording).
MireloCaptureRect engineCaptureRect(const QRect &rect, bool cutToEven);

// 0xRRGGBB as the engine's 0x00BBGGRR.
int engineColor(qlonglong rgb);
int engineColor(const QColor &color);

// What a recording's parameter block is made of.
struct RecordSettings {
    QString filePath;         // the output file
    bool audioOnly = false;   // an audio-only job
    int videoFormat = 0;      // index into the video format names
    int hardwareEncoder = 0;  // engine encoder family, 0 software
    QSize captureSize;        // of the (even) capture rectangle
    float frameRate = 25.0f;
    int videoQuality = 1;     // 0 High, 1 Medium, 2 Low
    bool systemSound = false; // the system-sound list is enabled
    bool microphone = false;  // the microphone list is enabled
    int sampleRate = 44100;   // Hz
    int audioQuality = 1;
    bool captureCursor = false;
    bool recordClicks = false;
    qlonglong clickColor = 0xff0000; // 0xRRGGBB
    int clickRadius = 15;
    int sourceKind = 1; // 1 screen, 2 webcam
    bool textWatermark = false;
    bool imageWatermark = false;
};

class DataGroupOutput;
class DataGroupMouse;

// Takes the settings' part of a recording from the output and mouse groups:
// format, encoder family, frame rate, qualities, sample rate, cursor and
// click marks. The job fills in the rest (path, size, sources, kind).
void fillRecordSettings(RecordSettings *settings, const DataGroupOutput *output, const DataGroupMouse *mouse);

// The parameter block of engineStartRecording.
class RecordParamsBlock
{
public:
    RecordParamsBlock();
    RecordParamsBlock(const RecordParamsBlock &) = delete;
    RecordParamsBlock &operator=(const RecordParamsBlock &) = delete;
    // Zeroes the block, then fills it; the path is kept as UTF-8.
    void fill(const RecordSettings &settings);
    const RecordParams *params() const { return &m_params; }

private:
    RecordParams m_params;
    QByteArray m_path;
};

// A watermark item as engineSetWatermark needs it. `kind` is the stored
// kind (WATERMARK_IMAGE 1, WATERMARK_TEXT 2); anything else is none.
struct WatermarkSettings {
    int kind = 0;
    QRect rect;         // the item fitted into the capture area, inclusive
    QString imagePath;  // image kind
    QFont font;         // text kind
    QColor color;       // text kind
    QString text;       // text kind
    int alpha = 255;    // 255 opaque
};

// The block of engineSetWatermark: all zero for no watermark.
class WatermarkParamsBlock
{
public:
    WatermarkParamsBlock();
    WatermarkParamsBlock(const WatermarkParamsBlock &) = delete;
    WatermarkParamsBlock &operator=(const WatermarkParamsBlock &) = delete;
    void clear();
    // Zeroes the block, then fills it from an image or text item.
    void fill(const WatermarkSettings &settings);
    const WatermarkParams *params() const { return &m_params; }

private:
    WatermarkParams m_params;
    std::u16string m_imagePath;
    std::u16string m_fontFamily;
    std::u16string m_text;
};
