#pragma once
// The engine's events as Qt signals.
//
// Hand engineEventCallback and an EngineEvents object to engineInitialize.
// The engine may raise events from a thread of its own; the signals are
// emitted on that thread, so receivers living on the GUI thread get them
// queued (the default connection) and their slots run on the GUI thread.
// Keep the object alive until engineShutdown has returned.
#include <mirelo/engine_api.h>

#include <QObject>

#include <atomic>
#include <cstdint>

class EngineEvents : public QObject
{
    Q_OBJECT
public:
    explicit EngineEvents(QObject *parent = nullptr);

    // Emits the signal of one event; numbers above 7 (and below 0) are ignored.
    // A level equal to the last one emitted for its type is held back until
    // that one is a second old: the bars' thread wakes only for something
    // to draw, and a bar shown later still gets the level soon.
    void dispatch(int event, int data);

signals:
    void systemSoundLevel(int level);     // 0: level 0..100
    void microphoneLevel(int level);      // 1: level 0..100
    void cameraOpenFailed();              // 2
    void currentAudioDeviceLost(int type); // 3: device type 4 or 8
    void audioDevicesChanged();           // 4
    void cameraBlocked();                 // 5
    void microphoneBlocked();             // 6
    void recordingFailed(int error);      // 7: errno of the failed write, or 0

private:
    bool passLevel(int type, int level);

    std::atomic<int> m_levels[2] = {{-1}, {-1}};
    std::atomic<std::int64_t> m_levelsAtMs[2] = {{0}, {0}};
};

// The callback for engineInitialize; `context` is the EngineEvents object.
extern "C" int engineEventCallback(int event, int *data, void *context);

// Starts the engine with the built-in callback delivering to `events`.
class QString;
int engineInitialize(const QString &dataFolder, EngineEvents *events);
