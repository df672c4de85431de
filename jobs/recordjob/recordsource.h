#pragma once
// What one recording captures: the screen region, the webcam, system sound
// and the microphone, each with its device and volume or area. Made filled
// from the current settings and the live region frame and webcam window.
#include "core/recordkinds.h"

#include <QRect>
#include <QVector>

#include <functional>

class RecordSource
{
public:
    // Filled from the "Private" settings group, the region frame's selected
    // rectangle and the webcam window's geometry.
    RecordSource();
    RecordSource(const RecordSource &) = default;
    RecordSource &operator=(const RecordSource &) = default;
    virtual ~RecordSource() = default;

    RecordType recordType() const;
    // What a recording takes other than its job names: for an enabled
    // webcam, system sound or microphone, the device of that kind taken
    // instead of one that is gone, or none at all (no device of the kind:
    // the recording goes on without it).
    enum DeviceKind { Webcam = 0, SystemSound = 1, Microphone = 2 };
    struct DeviceChange {
        DeviceKind kind;
        int wanted; // the job's index
        int taken;  // the index recording instead; -1 for none
    };

    // An enabled webcam, system sound or microphone whose index the machine
    // no longer has (unplugged since the job was made, or a hand-edited
    // number) is taken as the default device of its kind: the one chosen in
    // the main window, else the first. True (and a line in the run log)
    // when any index changed; a kind without any device stays as it is.
    // Each change, and each enabled kind that has no device, is added to
    // `changes` when given.
    bool useDefaultDevices(QVector<DeviceChange> *changes = nullptr);

    bool screenEnabled = false;
    int screenIndex = -1;
    QRect screenRect;
    bool cameraEnabled = false;
    int cameraIndex = -1;
    QRect cameraRect;
    bool systemsoundEnabled = false;
    int systemsoundIndex = 0;
    int systemsoundVolume = 100;
    bool microphoneEnabled = false;
    int microphoneIndex = 0;
    int microphoneVolume = 100;

    // What a job reads of the live components: the region frame's rectangle,
    // the webcam window's geometry, the device counts and choices. By default the
    // program's own components (nothing while they do not exist); tests put
    // their own in.
    struct Live {
        std::function<QRect()> selectedRect;
        std::function<QRect()> cameraRect;
        std::function<int()> cameraCount;
        std::function<int()> systemSoundCount;
        std::function<int()> microphoneCount;
        // The device of each kind chosen in the main window (-1: none).
        std::function<int()> cameraCurrent;
        std::function<int()> systemSoundCurrent;
        std::function<int()> microphoneCurrent;
    };
    static void setLive(const Live &live);
    static void resetLive();
    static const Live &live();
};
