#pragma once
// The module's state: the cameras of the last refresh, the selected one and
// the one streaming. Every operation of the program runs on its GUI thread;
// the recording reaches the streaming camera from the engine's threads, so
// the state is guarded all the same.
#include "camera/camera_session.h"

#include <mutex>
#include <vector>

namespace mirelo::camera {

struct Registry {
    std::mutex mutex;
    std::vector<CameraPtr> cameras;
    // The list before the last refresh: format arrays handed to the program
    // stay readable until the refresh after the one that replaced them.
    std::vector<CameraPtr> previous;
    int selected = -1;
    std::unique_ptr<CameraSession> session; // at most one camera streams

    CameraPtr selectedCamera() const
    {
        return selected >= 0 && size_t(selected) < cameras.size() ? cameras[size_t(selected)] : nullptr;
    }
};

Registry &registry();

// Raises an event from a thread of the engine and waits until the program's
// callback has returned, so it never runs inside the program's own call.
void emitFromEngineThread(int event);

// The event for an errno that kept a camera from opening: "blocked" when
// the user may not open it, "failed" otherwise.
int openFailureEvent(int err);

} // namespace mirelo::camera
