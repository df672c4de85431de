#pragma once
// The engine is made of modules (the screen-video road, audio, camera), each
// answering the operation numbers it owns. The entry point asks each module
// in turn; initialise and shut down reach every module.
#include <mirelo/engine_api.h>

#include <string>

namespace mirelo {

// Each module's lookup: the entry point for an operation number it owns,
// or null. MIRELO_OP_REFRESH_DEVICES is answered by the entry itself, which
// calls the camera module's refresh for webcams and the audio module's for
// the sound types: both modules return their own refresh for that number.
void *videoModuleEntry(int ordinal);
void *audioModuleEntry(int ordinal);
void *cameraModuleEntry(int ordinal);

// Called by engineInitialize after the callback and data folder are stored,
// and by engineShutdown (after any recording was stopped), in this order:
// audio, camera on start; camera, audio on shut-down.
void audioModuleStart();
void audioModuleStop();
void cameraModuleStart();
void cameraModuleStop();
// Called by engineShutdown first: stops any recording and waits for files
// still being finished.
void videoModuleStop();

} // namespace mirelo
