// Audio devices, levels and volume: the operations the program calls for
// the two audio types, on top of the engine's own sound-server connection.
#include "audio/audio_module.h"

#include "audio/recording_capture.h"
#include "core/text16.h"
#include "core/audio_input.h"
#include "core/events.h"
#include "core/module.h"

#include <atomic>
#include <memory>
#include <mutex>

namespace mirelo {

namespace audio {

AudioEngine::AudioEngine()
{
    capture.reset(new RecordingCapture(*this));
}

AudioEngine::~AudioEngine() = default;

void AudioEngine::onSourceEvent(const SourceInfo &s, bool removed)
{
    if (removed) {
        for (int slot = 0; slot < 2; ++slot) {
            if (meters.isOn(slot, s.index) || capture->uses(slot, s.index))
                events.post(MIRELO_EVENT_AUDIO_DEVICE_LOST,
                            slot == 0 ? MIRELO_DEVICE_SYSTEM_SOUND : MIRELO_DEVICE_MICROPHONE);
        }
    }
    events.post(MIRELO_EVENT_AUDIO_DEVICES_CHANGED, 0);
}

namespace {

std::mutex g_lifeMutex; // start and stop against each other
std::shared_ptr<AudioEngine> g_engine;

// The running engine, or null before initialise and after shut-down.
std::shared_ptr<AudioEngine> engine()
{
    std::lock_guard<std::mutex> lock(g_lifeMutex);
    return g_engine;
}

int getDeviceCount(int type)
{
    const int slot = typeSlot(type);
    auto e = engine();
    if (slot < 0)
        return MIRELO_E_INVALID_ARGUMENT;
    return e ? e->registry.count(slot) : 0;
}

int copyText(int type, int index, char16_t *buffer, bool wantId)
{
    const int slot = typeSlot(type);
    auto e = engine();
    if (slot < 0 || !buffer)
        return MIRELO_E_INVALID_ARGUMENT;
    if (!e)
        return MIRELO_E_BAD_STATE;
    std::string text;
    const bool ok = wantId ? e->registry.id(slot, index, text) : e->registry.name(slot, index, text);
    if (!ok)
        return MIRELO_E_INVALID_ARGUMENT;
    copyToUtf16(text, buffer, MIRELO_NAME_BUFFER_UNITS);
    return MIRELO_OK;
}

int getDeviceName(int type, int index, char16_t *buffer) { return copyText(type, index, buffer, false); }
int getDeviceId(int type, int index, char16_t *buffer) { return copyText(type, index, buffer, true); }

int getCurrentDevice(int type)
{
    const int slot = typeSlot(type);
    auto e = engine();
    if (slot < 0)
        return MIRELO_E_INVALID_ARGUMENT;
    return e ? e->registry.current(slot) : -1;
}

int selectDevice(int type, int index)
{
    const int slot = typeSlot(type);
    auto e = engine();
    if (slot < 0)
        return MIRELO_E_INVALID_ARGUMENT;
    if (!e)
        return MIRELO_E_BAD_STATE;
    return e->registry.select(slot, index) ? MIRELO_OK : MIRELO_E_INVALID_ARGUMENT;
}

int setVolume(int type, int volume)
{
    const int slot = typeSlot(type);
    auto e = engine();
    if (slot < 0 || volume < 0 || volume > 200)
        return MIRELO_E_INVALID_ARGUMENT;
    if (!e)
        return MIRELO_E_BAD_STATE;
    e->gains[slot].store(volume);
    return MIRELO_OK;
}

int openDevice(int type)
{
    const int slot = typeSlot(type);
    auto e = engine();
    if (slot < 0)
        return MIRELO_E_INVALID_ARGUMENT;
    if (!e)
        return MIRELO_E_BAD_STATE;
    SourceInfo source;
    if (!e->registry.resolve(slot, source))
        return MIRELO_E_NO_DEVICE;
    {
        // Without the engine's own connection the server is not there.
        PulseClient::Lock lock(e->client);
        if (!e->client.isReady())
            return MIRELO_E_NO_DEVICE;
    }
    return e->meters.open(slot, source) ? MIRELO_OK : MIRELO_E_NO_DEVICE;
}

int closeDevice(int type)
{
    const int slot = typeSlot(type);
    auto e = engine();
    if (slot < 0)
        return MIRELO_E_INVALID_ARGUMENT;
    if (!e)
        return MIRELO_E_BAD_STATE;
    e->meters.close(slot);
    return MIRELO_OK;
}

int refreshDevices(int type)
{
    const int slot = typeSlot(type);
    auto e = engine();
    if (slot < 0)
        return MIRELO_E_INVALID_ARGUMENT;
    if (!e)
        return MIRELO_E_BAD_STATE;
    e->registry.refresh(slot);
    return MIRELO_OK;
}

} // namespace

} // namespace audio

void *audioModuleEntry(int ordinal)
{
    using namespace audio;
    switch (ordinal) {
    case MIRELO_OP_GET_AUDIO_DEVICE_COUNT: return reinterpret_cast<void *>(&getDeviceCount);
    case MIRELO_OP_GET_AUDIO_DEVICE_NAME: return reinterpret_cast<void *>(&getDeviceName);
    case MIRELO_OP_GET_CURRENT_AUDIO_DEVICE: return reinterpret_cast<void *>(&getCurrentDevice);
    case MIRELO_OP_SELECT_AUDIO_DEVICE: return reinterpret_cast<void *>(&selectDevice);
    case MIRELO_OP_SET_AUDIO_VOLUME: return reinterpret_cast<void *>(&setVolume);
    case MIRELO_OP_OPEN_AUDIO_DEVICE: return reinterpret_cast<void *>(&openDevice);
    case MIRELO_OP_REFRESH_DEVICES: return reinterpret_cast<void *>(&refreshDevices);
    case MIRELO_OP_GET_AUDIO_DEVICE_ID: return reinterpret_cast<void *>(&getDeviceId);
    case MIRELO_OP_CLOSE_AUDIO_DEVICE: return reinterpret_cast<void *>(&closeDevice);
    default: return nullptr;
    }
}

void audioModuleStart()
{
    using namespace audio;
    audioModuleStop();
    auto e = std::make_shared<AudioEngine>();
    e->registry.load(dataFolder());
    AudioEngine *raw = e.get();
    e->client.start([raw](const SourceInfo &s, bool removed) { raw->onSourceEvent(s, removed); }, 2000);
    e->registry.refresh(0);
    e->registry.refresh(1);
    std::lock_guard<std::mutex> lock(g_lifeMutex);
    g_engine = std::move(e);
    registerAudioProvider(g_engine->capture.get());
}

void audioModuleStop()
{
    using namespace audio;
    std::shared_ptr<AudioEngine> e;
    {
        std::lock_guard<std::mutex> lock(g_lifeMutex);
        e.swap(g_engine);
    }
    if (!e)
        return;
    registerAudioProvider(nullptr);
    e->capture->stopAudio();
    e->meters.closeAll();
    e->client.stop();
}

} // namespace mirelo
