#pragma once
// A webcam as the module knows it, and the stream that delivers its pictures.
// Real devices (Video4Linux2) and the synthetic test camera both answer
// through these two types, so every operation runs the same code for both.
#include "camera/frame.h"

#include <mirelo/engine_api.h>

#include <atomic>
#include <memory>
#include <string>
#include <vector>

namespace mirelo::camera {

// What a format means to the device, beside the record the program reads.
struct FormatDetail {
    uint32_t fourcc = 0;
    uint32_t intervalNumerator = 1;   // seconds per frame, as a fraction
    uint32_t intervalDenominator = 30;
};

struct CameraInfo {
    std::string name;                 // UTF-8; the device's card name
    std::string id;                   // stable across re-plugging and rescans
    std::string path;                 // device node; empty for the synthetic camera
    bool synthetic = false;
    int openError = 0;                // errno seen while listing (EACCES: no access)
    std::vector<CameraFormat> formats;
    std::vector<FormatDetail> details; // one per format

    // Chosen by the program; read by the engine's threads.
    std::atomic<int> chosenFormat{0};
    std::atomic<bool> flip{false};
};

using CameraPtr = std::shared_ptr<CameraInfo>;

class CameraStream
{
public:
    virtual ~CameraStream() = default;
    // Opens the device and starts streaming the format; 0 or an errno value.
    virtual int open(const CameraInfo &camera, int formatIndex) = 0;
    // Waits up to timeoutMs for the next picture: 1 a picture (valid until
    // the next read or close), 0 none yet, -1 the device failed or went away.
    virtual int read(RawFrame &frame, int timeoutMs) = 0;
    virtual void close() = 0;
};

// Every capture device found now, real ones first, then those of the extra
// source.
std::vector<CameraPtr> enumerateCameras();

// A stream for the camera (not yet open).
std::unique_ptr<CameraStream> makeStream(const CameraInfo &camera);

// Video4Linux2 devices under the given folder (normally "/dev").
std::vector<CameraPtr> enumerateV4l2(const std::string &devFolder);
std::unique_ptr<CameraStream> makeV4l2Stream();

// Cameras that are no device (CameraInfo::synthetic), listed after the real
// ones. Only a test build of the engine installs one; the shipped engine
// lists devices alone.
struct ExtraCameraSource {
    std::vector<CameraPtr> (*list)() = nullptr;
    std::unique_ptr<CameraStream> (*makeStream)() = nullptr;
};
void setExtraCameraSource(const ExtraCameraSource &source);

} // namespace mirelo::camera
