#pragma once
// One recording into one file: the clock, the muxer and the video and/or
// audio pipelines that feed it. A split recording is a new session per part.
#include "core/audio_pipeline.h"
#include "core/clock.h"
#include "core/muxer.h"
#include "core/video_pipeline.h"

#include <memory>
#include <string>
#include <vector>

namespace mirelo {

struct SessionConfig
{
    std::string path;
    RecordParams params{};                     // the job's block (filePath not used)
    std::unique_ptr<VideoSource> source;       // null for an audio-only job
    std::vector<std::shared_ptr<Overlay>> overlays;
    VideoEncoderConfig video;
    AudioProvider *audio = nullptr;            // who delivers the sound, if any
    const TimeSource *time = nullptr;          // null: the monotonic clock
    Muxer::WriteFunction write;                // empty: write(2) (tests replace it)
};

struct SessionStats
{
    VideoStats video;
    int64_t audioDropped = 0;
    int64_t bytes = 0;
    int64_t recordedUs = 0;
};

class RecordingSession
{
public:
    RecordingSession();
    ~RecordingSession();

    // Opens everything, writes the header and starts the threads. On
    // failure nothing keeps running, and a file the start created is
    // removed (one that was there before is left untouched).
    int start(SessionConfig config);
    // Ends the recording: capture stops, queued work is encoded and written,
    // the file is closed. MIRELO_E_IO when a write failed on the way; the
    // recorded time is then the length of what the file holds. The encoders,
    // pictures and queues are freed: a stopped session keeps only its figures.
    int stop();
    int pause();
    int resume();

    bool running() const { return m_running; }
    bool paused() const { return m_clock.isPaused(); }
    bool failed() const { return m_stopped ? m_failedAtStop : m_muxer && m_muxer->failed(); }
    const std::string &path() const { return m_path; }
    bool isMp4() const { return m_mp4; }
    int64_t recordedTime() const;
    int64_t recordedSize() const;
    SessionStats stats() const;

private:
    void onWriteFailure();

    RecordingClock m_clock;
    std::unique_ptr<Muxer> m_muxer;
    std::unique_ptr<VideoPipeline> m_video;
    std::unique_ptr<AudioPipeline> m_audio;
    AudioProvider *m_provider = nullptr;
    std::string m_path;
    bool m_mp4 = true;
    bool m_running = false;
    int64_t m_writtenUs = -1; // after a failed stop: the length in the file
    bool m_stopped = false;   // stop() ran: the figures below answer
    bool m_failedAtStop = false;
    SessionStats m_final;
};

} // namespace mirelo
