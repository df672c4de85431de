#include "recordsource.h"

#include "enviroment.h"

namespace {

RecordSource::Live programLive()
{
    RecordSource::Live live;
    live.selectedRect = [] { return QRect(); };
    live.cameraRect = [] { return QRect(); };
    live.cameraCount = [] { return 0; };
    live.systemSoundCount = [] { return 0; };
    live.microphoneCount = [] { return 0; };
    return live;
}

RecordSource::Live &currentLive()
{
    static RecordSource::Live live = programLive();
    return live;
}

bool valid(const QRect &r)
{
    return r.left() <= r.right() && r.top() <= r.bottom();
}

bool inRange(int index, int count)
{
    return index >= 0 && index < count;
}

} // namespace

RecordSource::RecordSource()
{
    if (g_enviroment && g_enviroment->privateData) {
        const DataGroupPrivate *p = g_enviroment->privateData;
        screenEnabled = p->ScreenEnabled;
        screenIndex = p->ScreenIndex;
        cameraEnabled = p->CameraEnabled;
        cameraIndex = p->CameraIndex;
        systemsoundEnabled = p->SystemsoundEnabled;
        systemsoundIndex = p->SystemsoundIndex;
        systemsoundVolume = p->SystemsoundVolume;
        microphoneEnabled = p->MicrophoneEnabled;
        microphoneIndex = p->MicrophoneIndex;
        microphoneVolume = p->MicrophoneVolume;
    }
    const Live &l = currentLive();
    screenRect = l.selectedRect();
    cameraRect = l.cameraRect();
}

int RecordSource::recordType() const
{
    const Live &l = currentLive();
    if (screenEnabled && valid(screenRect))
        return 1;
    if (cameraEnabled && inRange(cameraIndex, l.cameraCount()))
        return 2;
    if (systemsoundEnabled && inRange(systemsoundIndex, l.systemSoundCount()))
        return 3;
    if (microphoneEnabled && inRange(microphoneIndex, l.microphoneCount()))
        return 3;
    return 0;
}

void RecordSource::setLive(const Live &live)
{
    Live &l = currentLive();
    const Live fallback = programLive();
    l.selectedRect = live.selectedRect ? live.selectedRect : fallback.selectedRect;
    l.cameraRect = live.cameraRect ? live.cameraRect : fallback.cameraRect;
    l.cameraCount = live.cameraCount ? live.cameraCount : fallback.cameraCount;
    l.systemSoundCount = live.systemSoundCount ? live.systemSoundCount : fallback.systemSoundCount;
    l.microphoneCount = live.microphoneCount ? live.microphoneCount : fallback.microphoneCount;
}

void RecordSource::resetLive()
{
    currentLive() = programLive();
}

const RecordSource::Live &RecordSource::live()
{
    return currentLive();
}
