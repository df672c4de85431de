#pragma once
// Enumerations and constants shared by every part of the program. Values are
// stored in settings and files or passed to the engine: never renumber them.

#include <QMap>
#include <QPixmap>

// The state images of a skinned control.
enum IMAGE_TYPE {
    IMAGE_NORMAL = 1,
    IMAGE_ON = 2,      // mouse over
    IMAGE_DOWN = 3,    // pressed or checked
    IMAGE_DISABLE = 4,
    IMAGE_HOVER = 5,
};
using ImageStateMap = QMap<IMAGE_TYPE, QPixmap>;

// Pointer zones of anything moved or resized by the pointer. The numbers are
// the classic hit-test codes, kept so stored and logged values read the same.
enum HitZone {
    HTNOWHERE = 0,
    HTCLIENT = 1, // move
    HTLEFT = 10,
    HTRIGHT = 11,
    HTTOP = 12,
    HTTOPLEFT = 13,
    HTTOPRIGHT = 14,
    HTBOTTOM = 15,
    HTBOTTOMLEFT = 16,
    HTBOTTOMRIGHT = 17,
};

// Annotation tools.
enum GraphicTool {
    TOOL_NONE = 0,
    TOOL_RECTANGLE = 1,
    TOOL_ELLIPSE = 2,
    TOOL_LINE = 3,
    TOOL_ARROW = 4,
    TOOL_BRUSH = 5,
    TOOL_AIRBRUSH = 6,
    TOOL_TEXT = 7,
    TOOL_CALLOUT = 8,
    TOOL_ERASER = 9,
    TOOL_BLUR = 10,
};
#define IGraphicEditable_iid "Mirelo.IGraphicEditable/1.0"

// The last row of a radio-button device list: record without a device.
constexpr int NO_DEVICE_BUTTON_ID = 233;

// Engine device types (also the bits of the recording's audio sources).
enum DeviceType {
    DEVICE_WEBCAM = 2,
    DEVICE_SYSTEM_SOUND = 4,
    DEVICE_MICROPHONE = 8,
};

// Hardware encoder families; 0 is software encoding.
enum EncoderFamily {
    ENCODER_SOFTWARE = 0,
    ENCODER_INTEL = 1,
    ENCODER_NVIDIA = 2,
    ENCODER_AMD = 4,
};

// Stored watermark kinds (the engine numbers its kinds differently).
enum WatermarkKind {
    WATERMARK_NONE = 0,
    WATERMARK_IMAGE = 1,
    WATERMARK_TEXT = 2,
};

// The display scale is the display width over this reference width,
// kept between these bounds.
constexpr int SCALE_REFERENCE_WIDTH = 2560;
constexpr double SCALE_MIN = 1.0;
constexpr double SCALE_MAX = 2.0;
