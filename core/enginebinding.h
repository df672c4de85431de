#pragma once
// The program's binding to the recording engine library.
//
// At start-up engineLoad() opens the library (libMirelo.so beside the program,
// or the file named by the environment variable MIRELO_ENGINE), asks its one
// entry symbol for every operation and fills the table behind the functions
// below. A missing library or operation makes engineLoad() fail with a text
// for the user; the program then ends.
//
// Every function is called on the GUI thread. Before a successful load (or
// after engineUnload) each answers MIRELO_E_FAILED and touches no out value.
// Engine arrays (adapters, camera formats) belong to the engine: never free them.
#include <mirelo/engine_api.h>

#include <QString>

// The library file a plain start loads: MIRELO_ENGINE when set, else
// libMirelo.so in the program folder.
QString engineLibraryPath();

// Loads the library at engineLibraryPath() (or at `path`) and fills the
// operation table. On failure returns false and, when `error` is given,
// sets it to a message naming the file and what is missing.
bool engineLoad(QString *error = nullptr);
bool engineLoadFrom(const QString &path, QString *error = nullptr);
bool engineLoaded();
// Empties the table and unloads the library (tests; the program keeps it).
void engineUnload();

// The operations, with the engine's C signatures.
int engineInitialize(const char *dataFolder, EngineEventCallback callback, void *context);
int engineShutdown();
int engineGetEncoderAdapters(const MireloEncoderAdapter **list, int *count);
int engineTestHardwareEncoder(int family, int reserved = 0);
int engineSetCaptureRect(const MireloCaptureRect *rect);
int engineGetCameraCount();
int engineGetCameraName(int index, char16_t *buffer);
int engineSelectCamera(int index);
int engineGetAudioDeviceCount(int type);
int engineGetAudioDeviceName(int type, int index, char16_t *buffer);
int engineGetCurrentAudioDevice(int type);
int engineSelectAudioDevice(int type, int index);
int engineStartRecording(const RecordParams *params);
int engineStopRecording();
int engineGetRecordedTime(int64_t *microseconds);
int engineAddMouseClick(int x, int y);
int engineSetAudioVolume(int type, int volume);
int engineOpenAudioDevice(int type);
int enginePauseRecording();
int engineResumeRecording();
int engineGetRecordedSize(int64_t *bytes);
int engineOpenCamera(uint64_t nativeWindow);
int engineCloseCamera();
int engineTakeCameraPhoto(const char *path);
int engineGetCameraFormats(const CameraFormat **list);
int engineGetCameraFormat();
int engineSetCameraFormat(int index);
int engineRefreshDevices(int type);
int engineGetCameraId(int index, char16_t *buffer);
int engineGetAudioDeviceId(int type, int index, char16_t *buffer);
int engineSetCameraFlip(int flip);
int engineCloseAudioDevice(int type);
int engineSetWatermark(const WatermarkParams *params);

// Qt forms of the calls that take paths or fill name buffers. A name or id
// is set only when the engine answers 0 or more; the buffer is always
// terminated before it is read, whatever the engine wrote.
int engineInitialize(const QString &dataFolder, EngineEventCallback callback, void *context);
int engineGetCameraName(int index, QString *name);
int engineGetCameraId(int index, QString *id);
int engineGetAudioDeviceName(int type, int index, QString *name);
int engineGetAudioDeviceId(int type, int index, QString *id);
int engineTakeCameraPhoto(const QString &path);

// Text of a name buffer of MIRELO_NAME_BUFFER_UNITS units: terminates the
// last unit first, then reads up to the first terminator.
QString engineBufferText(char16_t *buffer);
