// The seams through which the audio and camera modules plug into recordings.
#include "core/audio_input.h"
#include "core/video_source.h"

#include <mutex>

namespace mirelo {
namespace {
std::mutex g_mutex;
AudioProvider *g_audio = nullptr;
VideoSourceFactory g_camera;
} // namespace

void registerAudioProvider(AudioProvider *provider)
{
    std::lock_guard<std::mutex> lock(g_mutex);
    g_audio = provider;
}

AudioProvider *audioProvider()
{
    std::lock_guard<std::mutex> lock(g_mutex);
    return g_audio;
}

void registerCameraSourceFactory(VideoSourceFactory factory)
{
    std::lock_guard<std::mutex> lock(g_mutex);
    g_camera = std::move(factory);
}

std::unique_ptr<VideoSource> makeCameraSource(const RecordParams &params)
{
    VideoSourceFactory factory;
    {
        std::lock_guard<std::mutex> lock(g_mutex);
        factory = g_camera;
    }
    return factory ? factory(params) : nullptr;
}

} // namespace mirelo
