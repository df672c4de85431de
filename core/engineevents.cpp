#include "engineevents.h"

#include "enginebinding.h"

#include <QString>

#include <chrono>

EngineEvents::EngineEvents(QObject *parent)
    : QObject(parent)
{
}

bool EngineEvents::passLevel(int type, int level)
{
    const std::int64_t now = std::chrono::duration_cast<std::chrono::milliseconds>(
                                 std::chrono::steady_clock::now().time_since_epoch())
                                 .count();
    if (m_levels[type].exchange(level) == level && now - m_levelsAtMs[type].load() < 1000)
        return false;
    m_levelsAtMs[type].store(now);
    return true;
}

void EngineEvents::dispatch(int event, int data)
{
    switch (event) {
    case MIRELO_EVENT_SYSTEM_SOUND_LEVEL:
        if (passLevel(0, data))
            emit systemSoundLevel(data);
        break;
    case MIRELO_EVENT_MICROPHONE_LEVEL:
        if (passLevel(1, data))
            emit microphoneLevel(data);
        break;
    case MIRELO_EVENT_CAMERA_OPEN_FAILED: emit cameraOpenFailed(); break;
    case MIRELO_EVENT_AUDIO_DEVICE_LOST: emit currentAudioDeviceLost(data); break;
    case MIRELO_EVENT_AUDIO_DEVICES_CHANGED: emit audioDevicesChanged(); break;
    case MIRELO_EVENT_CAMERA_BLOCKED: emit cameraBlocked(); break;
    case MIRELO_EVENT_MICROPHONE_BLOCKED: emit microphoneBlocked(); break;
    case MIRELO_EVENT_RECORDING_FAILED: emit recordingFailed(data); break;
    default: break;
    }
}

extern "C" int engineEventCallback(int event, int *data, void *context)
{
    // Every event the program acts on carries its value; one without is
    // not taken for a level or device type of 0.
    if (auto *events = static_cast<EngineEvents *>(context); events && data)
        events->dispatch(event, *data);
    return 0;
}

int engineInitialize(const QString &dataFolder, EngineEvents *events)
{
    return engineInitialize(dataFolder, &engineEventCallback, events);
}
