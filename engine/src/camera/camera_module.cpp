// Webcams: the list, formats, selection, preview, mirror and photos.
#include "camera/camera_registry.h"
#include "camera/jpeg.h"
#include "core/text16.h"
#include "core/events.h"
#include "core/module.h"
#include "core/thread_name.h"

#include <cerrno>
#include <cstring>
#include <thread>

namespace mirelo {

using namespace camera;

namespace camera {

Registry &registry()
{
    static Registry r;
    return r;
}

void emitFromEngineThread(int event)
{
    std::thread t([event] {
        nameThread("mirelo-events");
        emitEvent(event);
    });
    t.join();
}

int openFailureEvent(int err)
{
    return err == EACCES || err == EPERM ? MIRELO_EVENT_CAMERA_BLOCKED : MIRELO_EVENT_CAMERA_OPEN_FAILED;
}

int startSession(Registry &r, const CameraPtr &camera, int formatIndex)
{
    r.session.reset();
    auto session = std::make_unique<CameraSession>(camera, formatIndex);
    const int err = session->start();
    if (err != 0)
        return err;
    if (std::shared_ptr<FrameMailbox> mailbox = r.recording)
        session->setSink([mailbox](const Frame &f) { mailbox->put(f); });
    r.session = std::move(session);
    return 0;
}

void releaseSession(Registry &r)
{
    if (r.session && !r.recording && !r.session->hasWindow())
        r.session.reset();
}

} // namespace camera

namespace {

bool sameDevice(const CameraInfo &a, const CameraInfo &b)
{
    if (a.id.empty() || a.id != b.id || a.path != b.path || a.name != b.name
        || a.formats.size() != b.formats.size() || a.openError != b.openError)
        return false;
    return std::memcmp(a.formats.data(), b.formats.data(), a.formats.size() * sizeof(CameraFormat)) == 0;
}

int getCameraCount()
{
    Registry &r = registry();
    std::lock_guard<std::mutex> lock(r.mutex);
    return int(r.cameras.size());
}

int getCameraName(int index, char16_t *buffer)
{
    if (!buffer)
        return MIRELO_E_INVALID_ARGUMENT;
    Registry &r = registry();
    std::lock_guard<std::mutex> lock(r.mutex);
    if (index < 0 || size_t(index) >= r.cameras.size())
        return MIRELO_E_INVALID_ARGUMENT;
    // A camera without a readable name answers "no name" rather than "".
    if (r.cameras[size_t(index)]->name.empty())
        return MIRELO_E_FAILED;
    copyToUtf16(r.cameras[size_t(index)]->name, buffer, MIRELO_NAME_BUFFER_UNITS);
    return MIRELO_OK;
}

int getCameraId(int index, char16_t *buffer)
{
    if (!buffer)
        return MIRELO_E_INVALID_ARGUMENT;
    Registry &r = registry();
    std::lock_guard<std::mutex> lock(r.mutex);
    if (index < 0 || size_t(index) >= r.cameras.size())
        return MIRELO_E_INVALID_ARGUMENT;
    copyToUtf16(r.cameras[size_t(index)]->id, buffer, MIRELO_NAME_BUFFER_UNITS);
    return MIRELO_OK;
}

int selectCamera(int index)
{
    Registry &r = registry();
    std::lock_guard<std::mutex> lock(r.mutex);
    if (index < 0 || size_t(index) >= r.cameras.size())
        return MIRELO_E_INVALID_ARGUMENT;
    r.selected = index;
    return MIRELO_OK;
}

int refreshDevices(int type)
{
    if (type != MIRELO_DEVICE_WEBCAM)
        return MIRELO_E_INVALID_ARGUMENT;
    std::vector<CameraPtr> found = enumerateCameras(); // slow: outside the lock
    Registry &r = registry();
    std::lock_guard<std::mutex> lock(r.mutex);
    const CameraPtr selected = r.selectedCamera();
    // A camera found again keeps its record, and with it the format chosen,
    // the mirroring and a running preview.
    for (CameraPtr &cam : found) {
        for (const CameraPtr &old : r.cameras) {
            if (sameDevice(*old, *cam)) {
                cam = old;
                break;
            }
        }
    }
    r.previous = std::move(r.cameras);
    r.cameras = std::move(found);
    r.selected = -1;
    for (size_t i = 0; selected && i < r.cameras.size(); ++i) {
        if (r.cameras[i]->id == selected->id) {
            r.selected = int(i);
            break;
        }
    }
    return int(r.cameras.size());
}

int getCameraFormats(const CameraFormat **list)
{
    if (!list)
        return MIRELO_E_INVALID_ARGUMENT;
    *list = nullptr;
    Registry &r = registry();
    std::lock_guard<std::mutex> lock(r.mutex);
    const CameraPtr cam = r.selectedCamera();
    if (!cam)
        return MIRELO_E_NO_DEVICE;
    if (!cam->formats.empty())
        *list = cam->formats.data();
    return int(cam->formats.size());
}

int getCameraFormat()
{
    Registry &r = registry();
    std::lock_guard<std::mutex> lock(r.mutex);
    const CameraPtr cam = r.selectedCamera();
    if (!cam || cam->formats.empty())
        return MIRELO_E_NO_DEVICE;
    return cam->chosenFormat.load();
}

// Restarts the streaming camera in its newly chosen format, keeping its
// window. Returns the errno of a failed reopen, 0 otherwise.
int restartSession(Registry &r)
{
    std::unique_ptr<PreviewWindow> window = r.session->takeWindow();
    const CameraPtr cam = r.session->camera();
    const int err = startSession(r, cam, cam->chosenFormat.load());
    if (err == 0)
        r.session->setWindow(std::move(window));
    return err;
}

int setCameraFormat(int index)
{
    Registry &r = registry();
    int event = -1;
    {
        std::lock_guard<std::mutex> lock(r.mutex);
        const CameraPtr cam = r.selectedCamera();
        if (!cam)
            return MIRELO_E_NO_DEVICE;
        // The stored choice may be anything: only a format of this camera is taken.
        if (index < 0 || size_t(index) >= cam->formats.size())
            return MIRELO_E_INVALID_ARGUMENT;
        if (cam->chosenFormat.exchange(index) == index)
            return MIRELO_OK;
        if (!r.session || r.session->camera() != cam)
            return MIRELO_OK;
        const int err = restartSession(r);
        if (err == 0)
            return MIRELO_OK;
        event = openFailureEvent(err);
    }
    emitFromEngineThread(event);
    return MIRELO_E_NO_DEVICE;
}

int openCamera(uint64_t nativeWindow)
{
    Registry &r = registry();
    int event = MIRELO_EVENT_CAMERA_OPEN_FAILED;
    int result = MIRELO_E_NO_DEVICE;
    {
        std::lock_guard<std::mutex> lock(r.mutex);
        const CameraPtr cam = r.selectedCamera();
        if (cam && !cam->formats.empty() && cam->openError == 0) {
            const int format = cam->chosenFormat.load();
            const bool reuse = r.session && r.session->camera() == cam && r.session->formatIndex() == format
                               && r.session->isStreaming();
            const int err = reuse ? 0 : startSession(r, cam, format);
            if (err != 0) {
                event = openFailureEvent(err);
            } else if (auto window = PreviewWindow::attach(nativeWindow)) {
                r.session->setWindow(std::move(window));
                return MIRELO_OK;
            } else {
                result = MIRELO_E_INVALID_ARGUMENT;
                r.session->setWindow(nullptr);
                releaseSession(r);
            }
        } else if (cam && cam->openError != 0) {
            // Listed without access (so without formats): say why it cannot open.
            event = openFailureEvent(cam->openError);
        }
    }
    emitFromEngineThread(event);
    return result;
}

int closeCamera()
{
    Registry &r = registry();
    std::lock_guard<std::mutex> lock(r.mutex);
    if (!r.session)
        return MIRELO_OK;
    r.session->setWindow(nullptr);
    releaseSession(r);
    return MIRELO_OK;
}

int setCameraFlip(int flip)
{
    Registry &r = registry();
    std::lock_guard<std::mutex> lock(r.mutex);
    const CameraPtr cam = r.selectedCamera();
    if (!cam)
        return MIRELO_E_NO_DEVICE;
    cam->flip.store(flip != 0);
    return MIRELO_OK;
}

int takeCameraPhoto(const char *path)
{
    if (!path || !*path)
        return MIRELO_E_INVALID_ARGUMENT;
    Registry &r = registry();
    Frame frame;
    {
        std::lock_guard<std::mutex> lock(r.mutex);
        // The picture the user sees: the streaming camera's, else the selected one's.
        if (r.session && r.session->isStreaming()) {
            if (!r.session->latestFrame(frame, 3000))
                return MIRELO_E_FAILED;
        } else {
            const CameraPtr cam = r.selectedCamera();
            if (!cam || cam->formats.empty())
                return MIRELO_E_NO_DEVICE;
            r.session.reset();
            CameraSession once(cam, cam->chosenFormat.load());
            if (once.start() != 0)
                return MIRELO_E_NO_DEVICE;
            if (!once.latestFrame(frame, 3000))
                return MIRELO_E_FAILED;
        }
    }
    return writeJpegFile(frame, path);
}

} // namespace

void *cameraModuleEntry(int ordinal)
{
    switch (ordinal) {
    case MIRELO_OP_GET_CAMERA_COUNT: return reinterpret_cast<void *>(&getCameraCount);
    case MIRELO_OP_GET_CAMERA_NAME: return reinterpret_cast<void *>(&getCameraName);
    case MIRELO_OP_SELECT_CAMERA: return reinterpret_cast<void *>(&selectCamera);
    case MIRELO_OP_OPEN_CAMERA: return reinterpret_cast<void *>(&openCamera);
    case MIRELO_OP_CLOSE_CAMERA: return reinterpret_cast<void *>(&closeCamera);
    case MIRELO_OP_TAKE_CAMERA_PHOTO: return reinterpret_cast<void *>(&takeCameraPhoto);
    case MIRELO_OP_GET_CAMERA_FORMATS: return reinterpret_cast<void *>(&getCameraFormats);
    case MIRELO_OP_GET_CAMERA_FORMAT: return reinterpret_cast<void *>(&getCameraFormat);
    case MIRELO_OP_SET_CAMERA_FORMAT: return reinterpret_cast<void *>(&setCameraFormat);
    case MIRELO_OP_REFRESH_DEVICES: return reinterpret_cast<void *>(&refreshDevices);
    case MIRELO_OP_GET_CAMERA_ID: return reinterpret_cast<void *>(&getCameraId);
    case MIRELO_OP_SET_CAMERA_FLIP: return reinterpret_cast<void *>(&setCameraFlip);
    default: return nullptr;
    }
}

namespace {

void resetState()
{
    Registry &r = registry();
    std::lock_guard<std::mutex> lock(r.mutex);
    r.session.reset();
    r.recording.reset();
    r.cameras.clear();
    r.previous.clear();
    r.selected = -1;
}

} // namespace

void cameraModuleStart()
{
    resetState();
    registerRecordingSource();
}

void cameraModuleStop()
{
    unregisterRecordingSource();
    resetState();
}

} // namespace mirelo
