/*
 * The contract between the Mirelo program and its recording engine library.
 *
 * The library exports one C symbol, mireloEngineEntry(), that returns the
 * entry point for an operation number (null for a number it does not have).
 * Every entry point is called on the program's GUI thread; the engine may
 * call the event callback from a thread of its own.
 *
 * Records are byte layouts shared by two separately built binaries: every
 * field keeps its width and offset (checked below). Integers are
 * little-endian, pointers 64-bit. Paths are UTF-8; names, ids and watermark
 * strings are UTF-16 (char16_t).
 */
#ifndef MIRELO_ENGINE_API_H
#define MIRELO_ENGINE_API_H

#include <stdint.h>
#ifndef __cplusplus
#include <uchar.h>
#include <assert.h>
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* Operation numbers. Persisted by every engine build: never renumber. */
enum MireloEngineOp {
    MIRELO_OP_INITIALIZE = 1,
    MIRELO_OP_SHUTDOWN = 2,
    MIRELO_OP_GET_ENCODER_ADAPTERS = 4,
    MIRELO_OP_TEST_HARDWARE_ENCODER = 5,
    MIRELO_OP_SET_CAPTURE_RECT = 10,
    MIRELO_OP_GET_CAMERA_COUNT = 11,
    MIRELO_OP_GET_CAMERA_NAME = 12,
    MIRELO_OP_SELECT_CAMERA = 13,
    MIRELO_OP_GET_AUDIO_DEVICE_COUNT = 14,
    MIRELO_OP_GET_AUDIO_DEVICE_NAME = 15,
    MIRELO_OP_GET_CURRENT_AUDIO_DEVICE = 16,
    MIRELO_OP_SELECT_AUDIO_DEVICE = 17,
    MIRELO_OP_START_RECORDING = 19,
    MIRELO_OP_STOP_RECORDING = 20,
    MIRELO_OP_GET_RECORDED_TIME = 21,
    MIRELO_OP_ADD_MOUSE_CLICK = 22,
    MIRELO_OP_SET_AUDIO_VOLUME = 23,
    MIRELO_OP_OPEN_AUDIO_DEVICE = 24,
    MIRELO_OP_PAUSE_RECORDING = 25,
    MIRELO_OP_RESUME_RECORDING = 26,
    MIRELO_OP_GET_RECORDED_SIZE = 27,
    MIRELO_OP_OPEN_CAMERA = 28,
    MIRELO_OP_CLOSE_CAMERA = 29,
    MIRELO_OP_TAKE_CAMERA_PHOTO = 30,
    MIRELO_OP_GET_CAMERA_FORMATS = 31,
    MIRELO_OP_GET_CAMERA_FORMAT = 32,
    MIRELO_OP_SET_CAMERA_FORMAT = 33,
    MIRELO_OP_REFRESH_DEVICES = 34,
    MIRELO_OP_GET_CAMERA_ID = 35,
    MIRELO_OP_GET_AUDIO_DEVICE_ID = 36,
    MIRELO_OP_SET_CAMERA_FLIP = 37,
    MIRELO_OP_CLOSE_AUDIO_DEVICE = 38,
    MIRELO_OP_SET_WATERMARK = 39,
    MIRELO_OP_LAST = 39
};

/* Device types (also the bits of RecordParams::audioSources). */
enum MireloDeviceType {
    MIRELO_DEVICE_WEBCAM = 2,
    MIRELO_DEVICE_SYSTEM_SOUND = 4,
    MIRELO_DEVICE_MICROPHONE = 8
};

/* Hardware encoder families; 0 is software encoding. */
enum MireloEncoderFamily {
    MIRELO_ENCODER_SOFTWARE = 0,
    MIRELO_ENCODER_INTEL = 1,
    MIRELO_ENCODER_NVIDIA = 2,
    MIRELO_ENCODER_AMD = 4
};

/* Events passed to the callback; the program ignores numbers above 7. */
enum MireloEngineEvent {
    MIRELO_EVENT_SYSTEM_SOUND_LEVEL = 0,   /* data: level 0..100 */
    MIRELO_EVENT_MICROPHONE_LEVEL = 1,     /* data: level 0..100 */
    MIRELO_EVENT_CAMERA_OPEN_FAILED = 2,
    MIRELO_EVENT_AUDIO_DEVICE_LOST = 3,    /* data: device type */
    MIRELO_EVENT_AUDIO_DEVICES_CHANGED = 4,
    MIRELO_EVENT_CAMERA_BLOCKED = 5,
    MIRELO_EVENT_MICROPHONE_BLOCKED = 6,
    /* The running recording ended by itself because its file could not be
     * written (a full disk, the file removed, an encoder that failed); what
     * reached the file stays, and stop answers MIRELO_E_IO. Raised once, from
     * the engine's writing thread: the callback must not call back into the
     * engine. data: the system error number (errno: ENOSPC, ENOENT when the
     * path no longer names the file written, ...), 0 for another failure. */
    MIRELO_EVENT_RECORDING_FAILED = 7
};

/* Results. 0 (or more, for counts and indexes) is success. */
enum MireloEngineResult {
    MIRELO_OK = 0,
    MIRELO_E_FAILED = -1,         /* unspecified failure */
    MIRELO_E_INVALID_ARGUMENT = -2,
    MIRELO_E_BAD_STATE = -3,      /* e.g. stop without a recording */
    MIRELO_E_IO = -4,             /* a file could not be written */
    MIRELO_E_NO_DEVICE = -5,
    MIRELO_E_UNSUPPORTED = -6,
    MIRELO_E_ENCODER = -7         /* the video encoder failed to open */
};

/* Units in every name or id buffer the program hands over; the engine
 * writes at most MIRELO_NAME_BUFFER_UNITS - 1 units and a terminator. */
#define MIRELO_NAME_BUFFER_UNITS 1024

typedef int (*EngineEventCallback)(int event, int *data, void *context);

/* Capture rectangle in screen pixels; right and bottom are exclusive. */
typedef struct MireloCaptureRect {
    int32_t left;
    int32_t top;
    int32_t right;
    int32_t bottom;
} MireloCaptureRect;

/* One display adapter. The program reads only `family`, at byte 208. */
#define MIRELO_ADAPTER_NAME_UNITS 100
typedef struct MireloEncoderAdapter {
    char16_t name[MIRELO_ADAPTER_NAME_UNITS]; /* terminated UTF-16 */
    uint32_t vendorId;                        /* PCI vendor id */
    uint32_t deviceId;                        /* PCI device id */
    int32_t family;                           /* MireloEncoderFamily, other = none */
    int32_t reserved;
} MireloEncoderAdapter;

typedef struct CameraFormat {
    int32_t width;
    int32_t height;
    float framesPerSecond;
    int32_t pixelFormat; /* index into the program's pixel-format names */
} CameraFormat;

typedef struct RecordParams {
    char *filePath;          /* 0: UTF-8 output path */
    int32_t formatCode;      /* 8 */
    int32_t hardwareEncoder; /* 12: MireloEncoderFamily */
    int32_t width;           /* 16 */
    int32_t height;          /* 20 */
    float frameRate;         /* 24 */
    int32_t videoQuality;    /* 28: 0 High, 1 Medium, 2 Low */
    int32_t audioSources;    /* 32: MIRELO_DEVICE_SYSTEM_SOUND | MIRELO_DEVICE_MICROPHONE */
    int32_t streamCode;      /* 36 */
    int32_t fixedCode;       /* 40: always 2 */
    int32_t sampleRate;      /* 44: Hz */
    int32_t audioQuality;    /* 48 */
    int32_t audioOnly;       /* 52 */
    int32_t captureCursor;   /* 56 */
    int32_t recordClicks;    /* 60 */
    int32_t clickColor;      /* 64: 0x00BBGGRR */
    int32_t clickRadius;     /* 68: pixels */
    int32_t sourceKind;      /* 72: 1 screen, 2 webcam */
    int32_t reserved76;      /* 76: 0 */
    int32_t textWatermark;   /* 80 */
    int32_t imageWatermark;  /* 84 */
} RecordParams;

/* WatermarkParams::kind */
enum MireloWatermarkKind {
    MIRELO_WATERMARK_IMAGE = 0,
    MIRELO_WATERMARK_TEXT = 1
};

typedef struct WatermarkParams {
    int32_t kind;            /* 0: MireloWatermarkKind */
    int32_t left;            /* 4: in capture-area pixels */
    int32_t top;             /* 8 */
    int32_t right;           /* 12: exclusive */
    int32_t bottom;          /* 16: exclusive */
    int32_t reserved20;
    char16_t *imagePath;     /* 24: terminated UTF-16 */
    int32_t fontPointSize;   /* 32 */
    int32_t reserved36;
    char16_t *fontFamily;    /* 40 */
    int32_t bold;            /* 48 */
    int32_t italic;          /* 52 */
    int32_t underline;       /* 56 */
    int32_t strikeOut;       /* 60 */
    int32_t textColor;       /* 64: 0x00BBGGRR */
    int32_t reserved68;
    char16_t *text;          /* 72 */
    float transparency;      /* 80: 0.0 opaque .. 1.0 invisible */
    int32_t reserved84;
    int64_t reserved88;
} WatermarkParams;

/* Entry point signatures, by operation number. */
typedef int (*MireloInitializeFn)(const char *dataFolder, EngineEventCallback callback, void *context); /* 1 */
typedef int (*MireloShutdownFn)(void);                                                                /* 2 */
typedef int (*MireloGetEncoderAdaptersFn)(const MireloEncoderAdapter **list, int *count);             /* 4 */
typedef int (*MireloTestHardwareEncoderFn)(int family, int reserved);                                 /* 5 */
typedef int (*MireloSetCaptureRectFn)(const MireloCaptureRect *rect);                                 /* 10 */
typedef int (*MireloGetCameraCountFn)(void);                                                          /* 11 */
typedef int (*MireloGetCameraNameFn)(int index, char16_t *buffer);                                    /* 12 */
typedef int (*MireloSelectCameraFn)(int index);                                                       /* 13 */
typedef int (*MireloGetAudioDeviceCountFn)(int type);                                                 /* 14 */
typedef int (*MireloGetAudioDeviceNameFn)(int type, int index, char16_t *buffer);                     /* 15 */
typedef int (*MireloGetCurrentAudioDeviceFn)(int type);                                               /* 16 */
typedef int (*MireloSelectAudioDeviceFn)(int type, int index);                                        /* 17 */
typedef int (*MireloStartRecordingFn)(const RecordParams *params);                                    /* 19 */
typedef int (*MireloStopRecordingFn)(void);                                                           /* 20 */
typedef int (*MireloGetRecordedTimeFn)(int64_t *microseconds);                                        /* 21 */
typedef int (*MireloAddMouseClickFn)(int x, int y);                                                   /* 22 */
typedef int (*MireloSetAudioVolumeFn)(int type, int volume);                                          /* 23 */
typedef int (*MireloOpenAudioDeviceFn)(int type);                                                     /* 24 */
typedef int (*MireloPauseRecordingFn)(void);                                                          /* 25 */
typedef int (*MireloResumeRecordingFn)(void);                                                         /* 26 */
typedef int (*MireloGetRecordedSizeFn)(int64_t *bytes);                                               /* 27 */
typedef int (*MireloOpenCameraFn)(uint64_t nativeWindow);                                             /* 28 */
typedef int (*MireloCloseCameraFn)(void);                                                             /* 29 */
typedef int (*MireloTakeCameraPhotoFn)(const char *path);                                             /* 30 */
typedef int (*MireloGetCameraFormatsFn)(const CameraFormat **list);                                   /* 31: -> count */
typedef int (*MireloGetCameraFormatFn)(void);                                                         /* 32 */
typedef int (*MireloSetCameraFormatFn)(int index);                                                    /* 33 */
typedef int (*MireloRefreshDevicesFn)(int type);                                                      /* 34 */
typedef int (*MireloGetCameraIdFn)(int index, char16_t *buffer);                                      /* 35 */
typedef int (*MireloGetAudioDeviceIdFn)(int type, int index, char16_t *buffer);                       /* 36 */
typedef int (*MireloSetCameraFlipFn)(int flip);                                                       /* 37 */
typedef int (*MireloCloseAudioDeviceFn)(int type);                                                    /* 38 */
typedef int (*MireloSetWatermarkFn)(const WatermarkParams *params);                                   /* 39 */

/* The one exported symbol of an engine library. */
#define MIRELO_ENGINE_ENTRY_SYMBOL "mireloEngineEntry"
typedef void *(*MireloEngineEntryFn)(int ordinal);
void *mireloEngineEntry(int ordinal);

#ifdef __cplusplus
}
#define MIRELO_STATIC_ASSERT(c, m) static_assert(c, m)
#else
#define MIRELO_STATIC_ASSERT(c, m) _Static_assert(c, m)
#endif

#include <stddef.h>
MIRELO_STATIC_ASSERT(sizeof(void *) == 8, "records assume 64-bit pointers");
MIRELO_STATIC_ASSERT(sizeof(MireloCaptureRect) == 16, "capture rect size");
MIRELO_STATIC_ASSERT(offsetof(MireloEncoderAdapter, family) == 208, "adapter family offset");
MIRELO_STATIC_ASSERT(sizeof(CameraFormat) == 16, "CameraFormat size");
MIRELO_STATIC_ASSERT(offsetof(CameraFormat, framesPerSecond) == 8, "CameraFormat fps");
MIRELO_STATIC_ASSERT(offsetof(CameraFormat, pixelFormat) == 12, "CameraFormat pixel format");
MIRELO_STATIC_ASSERT(sizeof(RecordParams) == 88, "RecordParams size");
MIRELO_STATIC_ASSERT(offsetof(RecordParams, formatCode) == 8, "formatCode");
MIRELO_STATIC_ASSERT(offsetof(RecordParams, hardwareEncoder) == 12, "hardwareEncoder");
MIRELO_STATIC_ASSERT(offsetof(RecordParams, width) == 16, "width");
MIRELO_STATIC_ASSERT(offsetof(RecordParams, height) == 20, "height");
MIRELO_STATIC_ASSERT(offsetof(RecordParams, frameRate) == 24, "frameRate");
MIRELO_STATIC_ASSERT(offsetof(RecordParams, videoQuality) == 28, "videoQuality");
MIRELO_STATIC_ASSERT(offsetof(RecordParams, audioSources) == 32, "audioSources");
MIRELO_STATIC_ASSERT(offsetof(RecordParams, streamCode) == 36, "streamCode");
MIRELO_STATIC_ASSERT(offsetof(RecordParams, fixedCode) == 40, "fixedCode");
MIRELO_STATIC_ASSERT(offsetof(RecordParams, sampleRate) == 44, "sampleRate");
MIRELO_STATIC_ASSERT(offsetof(RecordParams, audioQuality) == 48, "audioQuality");
MIRELO_STATIC_ASSERT(offsetof(RecordParams, audioOnly) == 52, "audioOnly");
MIRELO_STATIC_ASSERT(offsetof(RecordParams, captureCursor) == 56, "captureCursor");
MIRELO_STATIC_ASSERT(offsetof(RecordParams, recordClicks) == 60, "recordClicks");
MIRELO_STATIC_ASSERT(offsetof(RecordParams, clickColor) == 64, "clickColor");
MIRELO_STATIC_ASSERT(offsetof(RecordParams, clickRadius) == 68, "clickRadius");
MIRELO_STATIC_ASSERT(offsetof(RecordParams, sourceKind) == 72, "sourceKind");
MIRELO_STATIC_ASSERT(offsetof(RecordParams, textWatermark) == 80, "textWatermark");
MIRELO_STATIC_ASSERT(offsetof(RecordParams, imageWatermark) == 84, "imageWatermark");
MIRELO_STATIC_ASSERT(sizeof(WatermarkParams) == 96, "WatermarkParams size");
MIRELO_STATIC_ASSERT(offsetof(WatermarkParams, left) == 4, "left");
MIRELO_STATIC_ASSERT(offsetof(WatermarkParams, bottom) == 16, "bottom");
MIRELO_STATIC_ASSERT(offsetof(WatermarkParams, imagePath) == 24, "imagePath");
MIRELO_STATIC_ASSERT(offsetof(WatermarkParams, fontPointSize) == 32, "fontPointSize");
MIRELO_STATIC_ASSERT(offsetof(WatermarkParams, fontFamily) == 40, "fontFamily");
MIRELO_STATIC_ASSERT(offsetof(WatermarkParams, bold) == 48, "bold");
MIRELO_STATIC_ASSERT(offsetof(WatermarkParams, italic) == 52, "italic");
MIRELO_STATIC_ASSERT(offsetof(WatermarkParams, underline) == 56, "underline");
MIRELO_STATIC_ASSERT(offsetof(WatermarkParams, strikeOut) == 60, "strikeOut");
MIRELO_STATIC_ASSERT(offsetof(WatermarkParams, textColor) == 64, "textColor");
MIRELO_STATIC_ASSERT(offsetof(WatermarkParams, text) == 72, "text");
MIRELO_STATIC_ASSERT(offsetof(WatermarkParams, transparency) == 80, "transparency");

#endif /* MIRELO_ENGINE_API_H */
