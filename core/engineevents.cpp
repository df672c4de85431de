#include "engineevents.h"

#include "enginebinding.h"

#include <QString>

EngineEvents::EngineEvents(QObject *parent)
    : QObject(parent)
{
}

void EngineEvents::dispatch(int event, int data)
{
    switch (event) {
    case MIRELO_EVENT_SYSTEM_SOUND_LEVEL: emit systemSoundLevel(data); break;
    case MIRELO_EVENT_MICROPHONE_LEVEL: emit microphoneLevel(data); break;
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
