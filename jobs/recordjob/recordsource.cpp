#include "recordsource.h"

#include "areaselected.h"
#include "audiodevicelist.h"
#include "cameralist.h"
#include "camerawindow.h"
#include "enviroment.h"
#include "logfile.h"

namespace {

RecordSource::Live programLive()
{
    RecordSource::Live live;
    live.selectedRect = [] { return g_areaSelected ? g_areaSelected->selectedRect() : QRect(); };
    live.cameraRect = [] { return g_cameraWindow ? g_cameraWindow->geometry() : QRect(); };
    live.cameraCount = [] { return g_cameraList ? g_cameraList->deviceCount() : 0; };
    live.systemSoundCount = [] { return g_systemSoundList ? g_systemSoundList->deviceCount() : 0; };
    live.microphoneCount = [] { return g_microphoneList ? g_microphoneList->deviceCount() : 0; };
    live.cameraCurrent = [] { return g_cameraList ? g_cameraList->currentIndex() : -1; };
    live.systemSoundCurrent = [] { return g_systemSoundList ? g_systemSoundList->currentIndex() : -1; };
    live.microphoneCurrent = [] { return g_microphoneList ? g_microphoneList->currentIndex() : -1; };
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

// Moves an enabled index the devices do not reach onto the chosen device,
// else the first; the line for the log, empty when nothing moved.
QString useDefault(const char *kind, bool enabled, int *index, int count, int current)
{
    if (!enabled || count <= 0 || inRange(*index, count))
        return QString();
    const int wanted = *index;
    *index = inRange(current, count) ? current : 0;
    return QStringLiteral("%1 %2 is not there (%3 found); device %4 records instead")
        .arg(QLatin1String(kind))
        .arg(wanted)
        .arg(count)
        .arg(*index);
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

RecordType RecordSource::recordType() const
{
    const Live &l = currentLive();
    if (screenEnabled && valid(screenRect))
        return RecordTypeScreen;
    if (cameraEnabled && inRange(cameraIndex, l.cameraCount()))
        return RecordTypeCamera;
    if (systemsoundEnabled && inRange(systemsoundIndex, l.systemSoundCount()))
        return RecordTypeAudio;
    if (microphoneEnabled && inRange(microphoneIndex, l.microphoneCount()))
        return RecordTypeAudio;
    return RecordTypeNone;
}

bool RecordSource::useDefaultDevices(QVector<DeviceChange> *changes)
{
    const Live &l = currentLive();
    struct Kind {
        DeviceKind kind;
        const char *name;
        bool enabled;
        int *index;
        int count;
        int current;
    };
    const Kind kinds[] = {
        {Webcam, "Webcam", cameraEnabled, &cameraIndex, l.cameraCount(), l.cameraCurrent()},
        {SystemSound, "System sound", systemsoundEnabled, &systemsoundIndex, l.systemSoundCount(),
         l.systemSoundCurrent()},
        {Microphone, "Microphone", microphoneEnabled, &microphoneIndex, l.microphoneCount(), l.microphoneCurrent()},
    };
    bool any = false;
    for (const Kind &k : kinds) {
        const int wanted = *k.index;
        const QString line = useDefault(k.name, k.enabled, k.index, k.count, k.current);
        if (!line.isEmpty()) {
            runLog(line);
            any = true;
            if (changes)
                changes->append({k.kind, wanted, *k.index});
        } else if (k.enabled && k.count <= 0) {
            runLog(QStringLiteral("%1 %2 is not there, nor any other: recorded without it")
                       .arg(QLatin1String(k.name))
                       .arg(wanted));
            if (changes)
                changes->append({k.kind, wanted, -1});
        }
    }
    return any;
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
    l.cameraCurrent = live.cameraCurrent ? live.cameraCurrent : fallback.cameraCurrent;
    l.systemSoundCurrent = live.systemSoundCurrent ? live.systemSoundCurrent : fallback.systemSoundCurrent;
    l.microphoneCurrent = live.microphoneCurrent ? live.microphoneCurrent : fallback.microphoneCurrent;
}

void RecordSource::resetLive()
{
    currentLive() = programLive();
}

const RecordSource::Live &RecordSource::live()
{
    return currentLive();
}
