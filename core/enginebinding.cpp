#include "enginebinding.h"

#include "formatting.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibrary>

#include <array>

namespace {

struct Operation {
    int ordinal;
    const char *name;
};

// Every operation the program calls; a library lacking one is refused at
// load, so no call can reach a null pointer later.
constexpr Operation kOperations[] = {
    {MIRELO_OP_INITIALIZE, "engineInitialize"},
    {MIRELO_OP_SHUTDOWN, "engineShutdown"},
    {MIRELO_OP_GET_ENCODER_ADAPTERS, "engineGetEncoderAdapters"},
    {MIRELO_OP_TEST_HARDWARE_ENCODER, "engineTestHardwareEncoder"},
    {MIRELO_OP_SET_CAPTURE_RECT, "engineSetCaptureRect"},
    {MIRELO_OP_GET_CAMERA_COUNT, "engineGetCameraCount"},
    {MIRELO_OP_GET_CAMERA_NAME, "engineGetCameraName"},
    {MIRELO_OP_SELECT_CAMERA, "engineSelectCamera"},
    {MIRELO_OP_GET_AUDIO_DEVICE_COUNT, "engineGetAudioDeviceCount"},
    {MIRELO_OP_GET_AUDIO_DEVICE_NAME, "engineGetAudioDeviceName"},
    {MIRELO_OP_GET_CURRENT_AUDIO_DEVICE, "engineGetCurrentAudioDevice"},
    {MIRELO_OP_SELECT_AUDIO_DEVICE, "engineSelectAudioDevice"},
    {MIRELO_OP_START_RECORDING, "engineStartRecording"},
    {MIRELO_OP_STOP_RECORDING, "engineStopRecording"},
    {MIRELO_OP_GET_RECORDED_TIME, "engineGetRecordedTime"},
    {MIRELO_OP_ADD_MOUSE_CLICK, "engineAddMouseClick"},
    {MIRELO_OP_SET_AUDIO_VOLUME, "engineSetAudioVolume"},
    {MIRELO_OP_OPEN_AUDIO_DEVICE, "engineOpenAudioDevice"},
    {MIRELO_OP_PAUSE_RECORDING, "enginePauseRecording"},
    {MIRELO_OP_RESUME_RECORDING, "engineResumeRecording"},
    {MIRELO_OP_GET_RECORDED_SIZE, "engineGetRecordedSize"},
    {MIRELO_OP_OPEN_CAMERA, "engineOpenCamera"},
    {MIRELO_OP_CLOSE_CAMERA, "engineCloseCamera"},
    {MIRELO_OP_TAKE_CAMERA_PHOTO, "engineTakeCameraPhoto"},
    {MIRELO_OP_GET_CAMERA_FORMATS, "engineGetCameraFormats"},
    {MIRELO_OP_GET_CAMERA_FORMAT, "engineGetCameraFormat"},
    {MIRELO_OP_SET_CAMERA_FORMAT, "engineSetCameraFormat"},
    {MIRELO_OP_REFRESH_DEVICES, "engineRefreshDevices"},
    {MIRELO_OP_GET_CAMERA_ID, "engineGetCameraId"},
    {MIRELO_OP_GET_AUDIO_DEVICE_ID, "engineGetAudioDeviceId"},
    {MIRELO_OP_SET_CAMERA_FLIP, "engineSetCameraFlip"},
    {MIRELO_OP_CLOSE_AUDIO_DEVICE, "engineCloseAudioDevice"},
    {MIRELO_OP_SET_WATERMARK, "engineSetWatermark"},
};

struct Binding {
    QLibrary *library = nullptr;
    std::array<void *, MIRELO_OP_LAST + 1> table{};
};

Binding &binding()
{
    static Binding b;
    return b;
}

template <typename Fn>
Fn op(int ordinal)
{
    return reinterpret_cast<Fn>(binding().table[ordinal]);
}

} // namespace

QString engineLibraryPath()
{
    const QString chosen = qEnvironmentVariable("MIRELO_ENGINE");
    if (!chosen.isEmpty())
        return chosen;
    return QCoreApplication::applicationDirPath() + QStringLiteral("/libMirelo.so");
}

bool engineLoad(QString *error)
{
    return engineLoadFrom(engineLibraryPath(), error);
}

bool engineLoadFrom(const QString &path, QString *error)
{
    engineUnload();
    auto fail = [&](const QString &text) {
        if (error)
            *error = text;
        return false;
    };
    const QString shown = QFileInfo(path).absoluteFilePath();
    if (!QFileInfo::exists(path))
        return fail(QCoreApplication::translate("Engine", "The recording engine was not found:\n%1").arg(shown));

    auto *library = new QLibrary(path);
    library->setLoadHints(QLibrary::ResolveAllSymbolsHint);
    if (!library->load()) {
        const QString reason = library->errorString();
        delete library;
        return fail(QCoreApplication::translate("Engine", "The recording engine could not be loaded:\n%1\n%2").arg(shown, reason));
    }
    auto entry = reinterpret_cast<MireloEngineEntryFn>(library->resolve(MIRELO_ENGINE_ENTRY_SYMBOL));
    if (!entry) {
        library->unload();
        delete library;
        return fail(QCoreApplication::translate("Engine", "The recording engine %1 has no entry point \"%2\".")
                        .arg(shown, QStringLiteral(MIRELO_ENGINE_ENTRY_SYMBOL)));
    }

    std::array<void *, MIRELO_OP_LAST + 1> table{};
    QStringList missing;
    for (const Operation &o : kOperations) {
        table[o.ordinal] = entry(o.ordinal);
        if (!table[o.ordinal])
            missing << QStringLiteral("%1 (%2)").arg(o.ordinal).arg(QLatin1String(o.name));
    }
    if (!missing.isEmpty()) {
        library->unload();
        delete library;
        return fail(QCoreApplication::translate("Engine", "The recording engine %1 lacks these operations:\n%2")
                        .arg(shown, missing.join(QStringLiteral(", "))));
    }
    binding().library = library;
    binding().table = table;
    if (error)
        error->clear();
    return true;
}

bool engineLoaded()
{
    return binding().library != nullptr;
}

void engineUnload()
{
    Binding &b = binding();
    b.table.fill(nullptr);
    if (b.library) {
        b.library->unload();
        delete b.library;
        b.library = nullptr;
    }
}

#define MIRELO_CALL(ordinal, Fn, ...)                        \
    do {                                                     \
        auto fn = op<Fn>(ordinal);                           \
        return fn ? fn(__VA_ARGS__) : int(MIRELO_E_FAILED);  \
    } while (0)

int engineInitialize(const char *dataFolder, EngineEventCallback callback, void *context)
{
    MIRELO_CALL(MIRELO_OP_INITIALIZE, MireloInitializeFn, dataFolder, callback, context);
}

int engineShutdown()
{
    MIRELO_CALL(MIRELO_OP_SHUTDOWN, MireloShutdownFn);
}

int engineGetEncoderAdapters(const MireloEncoderAdapter **list, int *count)
{
    MIRELO_CALL(MIRELO_OP_GET_ENCODER_ADAPTERS, MireloGetEncoderAdaptersFn, list, count);
}

int engineTestHardwareEncoder(int family, int reserved)
{
    MIRELO_CALL(MIRELO_OP_TEST_HARDWARE_ENCODER, MireloTestHardwareEncoderFn, family, reserved);
}

int engineSetCaptureRect(const MireloCaptureRect *rect)
{
    MIRELO_CALL(MIRELO_OP_SET_CAPTURE_RECT, MireloSetCaptureRectFn, rect);
}

int engineGetCameraCount()
{
    MIRELO_CALL(MIRELO_OP_GET_CAMERA_COUNT, MireloGetCameraCountFn);
}

int engineGetCameraName(int index, char16_t *buffer)
{
    MIRELO_CALL(MIRELO_OP_GET_CAMERA_NAME, MireloGetCameraNameFn, index, buffer);
}

int engineSelectCamera(int index)
{
    MIRELO_CALL(MIRELO_OP_SELECT_CAMERA, MireloSelectCameraFn, index);
}

int engineGetAudioDeviceCount(int type)
{
    MIRELO_CALL(MIRELO_OP_GET_AUDIO_DEVICE_COUNT, MireloGetAudioDeviceCountFn, type);
}

int engineGetAudioDeviceName(int type, int index, char16_t *buffer)
{
    MIRELO_CALL(MIRELO_OP_GET_AUDIO_DEVICE_NAME, MireloGetAudioDeviceNameFn, type, index, buffer);
}

int engineGetCurrentAudioDevice(int type)
{
    MIRELO_CALL(MIRELO_OP_GET_CURRENT_AUDIO_DEVICE, MireloGetCurrentAudioDeviceFn, type);
}

int engineSelectAudioDevice(int type, int index)
{
    MIRELO_CALL(MIRELO_OP_SELECT_AUDIO_DEVICE, MireloSelectAudioDeviceFn, type, index);
}

int engineStartRecording(const RecordParams *params)
{
    MIRELO_CALL(MIRELO_OP_START_RECORDING, MireloStartRecordingFn, params);
}

int engineStopRecording()
{
    MIRELO_CALL(MIRELO_OP_STOP_RECORDING, MireloStopRecordingFn);
}

int engineGetRecordedTime(int64_t *microseconds)
{
    MIRELO_CALL(MIRELO_OP_GET_RECORDED_TIME, MireloGetRecordedTimeFn, microseconds);
}

int engineAddMouseClick(int x, int y)
{
    MIRELO_CALL(MIRELO_OP_ADD_MOUSE_CLICK, MireloAddMouseClickFn, x, y);
}

int engineSetAudioVolume(int type, int volume)
{
    MIRELO_CALL(MIRELO_OP_SET_AUDIO_VOLUME, MireloSetAudioVolumeFn, type, volume);
}

int engineOpenAudioDevice(int type)
{
    MIRELO_CALL(MIRELO_OP_OPEN_AUDIO_DEVICE, MireloOpenAudioDeviceFn, type);
}

int enginePauseRecording()
{
    MIRELO_CALL(MIRELO_OP_PAUSE_RECORDING, MireloPauseRecordingFn);
}

int engineResumeRecording()
{
    MIRELO_CALL(MIRELO_OP_RESUME_RECORDING, MireloResumeRecordingFn);
}

int engineGetRecordedSize(int64_t *bytes)
{
    MIRELO_CALL(MIRELO_OP_GET_RECORDED_SIZE, MireloGetRecordedSizeFn, bytes);
}

int engineOpenCamera(uint64_t nativeWindow)
{
    MIRELO_CALL(MIRELO_OP_OPEN_CAMERA, MireloOpenCameraFn, nativeWindow);
}

int engineCloseCamera()
{
    MIRELO_CALL(MIRELO_OP_CLOSE_CAMERA, MireloCloseCameraFn);
}

int engineTakeCameraPhoto(const char *path)
{
    MIRELO_CALL(MIRELO_OP_TAKE_CAMERA_PHOTO, MireloTakeCameraPhotoFn, path);
}

int engineGetCameraFormats(const CameraFormat **list)
{
    MIRELO_CALL(MIRELO_OP_GET_CAMERA_FORMATS, MireloGetCameraFormatsFn, list);
}

int engineGetCameraFormat()
{
    MIRELO_CALL(MIRELO_OP_GET_CAMERA_FORMAT, MireloGetCameraFormatFn);
}

int engineSetCameraFormat(int index)
{
    MIRELO_CALL(MIRELO_OP_SET_CAMERA_FORMAT, MireloSetCameraFormatFn, index);
}

int engineRefreshDevices(int type)
{
    MIRELO_CALL(MIRELO_OP_REFRESH_DEVICES, MireloRefreshDevicesFn, type);
}

int engineGetCameraId(int index, char16_t *buffer)
{
    MIRELO_CALL(MIRELO_OP_GET_CAMERA_ID, MireloGetCameraIdFn, index, buffer);
}

int engineGetAudioDeviceId(int type, int index, char16_t *buffer)
{
    MIRELO_CALL(MIRELO_OP_GET_AUDIO_DEVICE_ID, MireloGetAudioDeviceIdFn, type, index, buffer);
}

int engineSetCameraFlip(int flip)
{
    MIRELO_CALL(MIRELO_OP_SET_CAMERA_FLIP, MireloSetCameraFlipFn, flip);
}

int engineCloseAudioDevice(int type)
{
    MIRELO_CALL(MIRELO_OP_CLOSE_AUDIO_DEVICE, MireloCloseAudioDeviceFn, type);
}

int engineSetWatermark(const WatermarkParams *params)
{
    MIRELO_CALL(MIRELO_OP_SET_WATERMARK, MireloSetWatermarkFn, params);
}

#undef MIRELO_CALL

// ---- Qt forms ----

QString engineBufferText(char16_t *buffer)
{
    buffer[MIRELO_NAME_BUFFER_UNITS - 1] = 0;
    return qStringFromUtf16(buffer, MIRELO_NAME_BUFFER_UNITS);
}

namespace {

template <typename Call>
int readName(QString *out, Call call)
{
    char16_t buffer[MIRELO_NAME_BUFFER_UNITS];
    buffer[0] = 0;
    const int result = call(buffer);
    if (result >= 0 && out)
        *out = engineBufferText(buffer);
    return result;
}

} // namespace

int engineInitialize(const QString &dataFolder, EngineEventCallback callback, void *context)
{
    return engineInitialize(dataFolder.toUtf8().constData(), callback, context);
}

int engineGetCameraName(int index, QString *name)
{
    return readName(name, [&](char16_t *b) { return engineGetCameraName(index, b); });
}

int engineGetCameraId(int index, QString *id)
{
    return readName(id, [&](char16_t *b) { return engineGetCameraId(index, b); });
}

int engineGetAudioDeviceName(int type, int index, QString *name)
{
    return readName(name, [&](char16_t *b) { return engineGetAudioDeviceName(type, index, b); });
}

int engineGetAudioDeviceId(int type, int index, QString *id)
{
    return readName(id, [&](char16_t *b) { return engineGetAudioDeviceId(type, index, b); });
}

int engineTakeCameraPhoto(const QString &path)
{
    return engineTakeCameraPhoto(path.toUtf8().constData());
}
