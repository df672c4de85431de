#pragma once
// The program's fixed vocabularies: constant tables read by index, and two
// program-wide containers. The tables are constant-initialised, so any static
// object may read them, even before main runs.

#include <QHash>
#include <QList>
#include <QPair>
#include <QStringList>

class QxtGlobalShortcut;
class PinToScreenWidget;

// Output formats. Only index 0 is offered; the other entries are empty names.
inline constexpr int VIDEO_FORMAT_COUNT = 12;
inline constexpr const char *g_videoFormats[VIDEO_FORMAT_COUNT] = {
    "MP4", "", "", "", "", "", "", "", "", "", "", ""};

inline constexpr int AUDIO_FORMAT_COUNT = 11;
inline constexpr const char *g_audioFormats[AUDIO_FORMAT_COUNT] = {
    "MP3", "", "", "", "", "", "", "", "", "", ""};

inline constexpr int IMAGE_FORMAT_COUNT = 1;
inline constexpr const char *g_imageFormats[IMAGE_FORMAT_COUNT] = {"JPG"};

// Video and audio quality; the setting is the index.
inline constexpr int QUALITY_COUNT = 3;
inline constexpr const char *g_qualityNames[QUALITY_COUNT] = {"High", "Medium", "Low"};

// Frame rates as text; the setting is the index (default 6, "25").
inline constexpr int FRAME_RATE_COUNT = 12;
inline constexpr const char *g_frameRates[FRAME_RATE_COUNT] = {
    "5", "10", "15", "20", "23.97", "24", "25", "29.97", "30", "50", "59.94", "60"};

// Audio sample rates in Hz as text; the setting is the index (default 1).
inline constexpr int SAMPLE_RATE_COUNT = 3;
inline constexpr const char *g_sampleRates[SAMPLE_RATE_COUNT] = {"48000", "44100", "32000"};

// Encoder names by encoder type 0..3 (software, Intel, Nvidia, AMD). The type
// is not the engine family number: AMD is type 3 but family 4.
inline constexpr int VIDEO_ENCODER_COUNT = 4;
inline constexpr const char *g_videoEncoderNames[VIDEO_ENCODER_COUNT] = {
    "Software Encoder", "Intel Hardware Encoder", "Nvidia Hardware Encoder",
    "AMD Hardware Encoder"};

// Camera pixel formats by the number the engine reports for a camera format.
inline constexpr int CAMERA_PIXEL_FORMAT_COUNT = 7;
inline constexpr const char *g_cameraPixelFormats[CAMERA_PIXEL_FORMAT_COUNT] = {
    "UNKNOWN", "RGB24", "RGB32", "ARGB32", "MJPG", "YUY2", "I420"};

// MIME multipart subtypes by the multipart kind of a mail part.
inline constexpr int MIME_MULTIPART_COUNT = 7;
inline constexpr const char *g_mimeMultipartTypes[MIME_MULTIPART_COUNT] = {
    "multipart/mixed", "multipart/digest", "multipart/alternative",
    "multipart/related", "multipart/report", "multipart/signed",
    "multipart/encrypted"};

// The element of the update description that holds this platform's files.
inline constexpr const char *g_updatePlatformWord = "windows";

// The skins the program knows, index 0 wanted.
inline constexpr const char *g_skinNameText = "Style1,Style2";
const QStringList &skinNames();

// Open pinned screenshot windows.
QList<PinToScreenWidget *> &pinnedScreenshots();

// Registered global hotkeys, by (native key, native modifiers).
using HotkeyId = QPair<quint32, quint32>;
QHash<HotkeyId, QxtGlobalShortcut *> &hotkeyRegistry();
