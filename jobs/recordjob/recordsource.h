#pragma once
// What one recording captures: the screen region, the webcam, system sound
// and the microphone, each with its device and volume or area. Made filled
// from the current settings and the live region frame and webcam window.
#include "core/recordkinds.h"

#include <QRect>

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
    // the webcam window's geometry and the device counts. By default the
    // program's own components (nothing while they do not exist); tests put
    // their own in.
    struct Live {
        std::function<QRect()> selectedRect;
        std::function<QRect()> cameraRect;
        std::function<int()> cameraCount;
        std::function<int()> systemSoundCount;
        std::function<int()> microphoneCount;
    };
    static void setLive(const Live &live);
    static void resetLive();
    static const Live &live();
};
