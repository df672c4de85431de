// The screen-video road: adapters, capture rectangle, recording, click
// marks, watermark.
#include "core/module.h"
#include "video/adapters.h"
#include "video/recorder.h"

namespace mirelo {

void *videoModuleEntry(int ordinal)
{
    switch (ordinal) {
    case MIRELO_OP_GET_ENCODER_ADAPTERS: return reinterpret_cast<void *>(&getEncoderAdapters);
    case MIRELO_OP_TEST_HARDWARE_ENCODER: return reinterpret_cast<void *>(&testHardwareEncoder);
    case MIRELO_OP_SET_CAPTURE_RECT: return reinterpret_cast<void *>(&setCaptureRect);
    case MIRELO_OP_START_RECORDING: return reinterpret_cast<void *>(&startRecording);
    case MIRELO_OP_STOP_RECORDING: return reinterpret_cast<void *>(&stopRecording);
    case MIRELO_OP_GET_RECORDED_TIME: return reinterpret_cast<void *>(&getRecordedTime);
    case MIRELO_OP_ADD_MOUSE_CLICK: return reinterpret_cast<void *>(&addMouseClick);
    case MIRELO_OP_PAUSE_RECORDING: return reinterpret_cast<void *>(&pauseRecording);
    case MIRELO_OP_RESUME_RECORDING: return reinterpret_cast<void *>(&resumeRecording);
    case MIRELO_OP_GET_RECORDED_SIZE: return reinterpret_cast<void *>(&getRecordedSize);
    case MIRELO_OP_SET_WATERMARK: return reinterpret_cast<void *>(&setWatermark);
    default: return nullptr;
    }
}

void videoModuleStop()
{
    recorderShutdown();
}

} // namespace mirelo
