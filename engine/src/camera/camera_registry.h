#pragma once
// The module's state: the cameras of the last refresh, the selected one and
// the one streaming. Every operation of the program runs on its GUI thread;
// the recording reaches the streaming camera from the engine's threads, so
// the state is guarded all the same.
#include "camera/camera_session.h"

#include <mutex>
#include <vector>

namespace mirelo::camera {

// Where the streaming camera leaves its pictures for a recording: the
// latest one and how many came so far.
struct FrameMailbox {
    std::mutex mutex;
    Frame frame;
    uint64_t count = 0;

    void put(const Frame &f)
    {
        std::lock_guard<std::mutex> lock(mutex);
        frame = f;
        ++count;
    }
};

struct Registry {
    std::mutex mutex;
    std::vector<CameraPtr> cameras;
    // The list before the last refresh: format arrays handed to the program
    // stay readable until the refresh after the one that replaced them.
    std::vector<CameraPtr> previous;
    int selected = -1;
    std::unique_ptr<CameraSession> session; // at most one camera streams
    // The running webcam recording's mailbox: every session started while
    // it is set feeds it, so a preview reopened or a format changed during
    // the recording keeps the recording supplied.
    std::shared_ptr<FrameMailbox> recording;

    CameraPtr selectedCamera() const
    {
        return selected >= 0 && size_t(selected) < cameras.size() ? cameras[size_t(selected)] : nullptr;
    }
};

Registry &registry();

// Replaces the streaming camera (the old one is closed first: a device
// streams to one reader) and feeds the recording from it, if one runs.
// 0 or the errno that kept the device from opening; on failure nothing
// streams. Called with the registry locked.
int startSession(Registry &r, const CameraPtr &camera, int formatIndex);

// The recording's picture source for webcam jobs, offered to the video
// module while the engine is initialised.
void registerRecordingSource();
void unregisterRecordingSource();

// Closes the streaming camera unless a recording or a preview still uses it.
// Called with the registry locked.
void releaseSession(Registry &r);

// Raises an event from a thread of the engine and waits until the program's
// callback has returned, so it never runs inside the program's own call.
void emitFromEngineThread(int event);

// The event for an errno that kept a camera from opening: "blocked" when
// the user may not open it, "failed" otherwise.
int openFailureEvent(int err);

} // namespace mirelo::camera
