#include "core/session.h"

#include "core/events.h"
#include "core/log.h"

#include <algorithm>

namespace mirelo {

RecordingSession::RecordingSession() = default;

RecordingSession::~RecordingSession()
{
    if (m_running)
        stop();
}

int RecordingSession::start(SessionConfig config)
{
    const RecordParams &p = config.params;
    const bool audioOnly = p.audioOnly != 0 || !config.source;
    const bool wantAudio = audioOnly || p.audioSources != 0;
    m_provider = wantAudio ? config.audio : nullptr;
    if (audioOnly && !m_provider)
        return MIRELO_E_NO_DEVICE;
    if (config.time)
        m_clock.setTimeSource(*config.time);

    m_path = config.path;
    m_mp4 = !audioOnly;
    m_muxer = std::make_unique<Muxer>();
    if (config.write)
        m_muxer->setWriteFunction(config.write);
    int r = m_muxer->create(m_path, audioOnly ? Muxer::Container::Mp3 : Muxer::Container::Mp4);
    // Whatever failed, only a file this start created goes; one that was
    // there before stays as it was (it is emptied only once the header is
    // written, after every step that may refuse).
    bool audioStarted = false;
    auto fail = [&](int result) {
        if (audioStarted)
            m_provider->stopAudio();
        m_video.reset();
        m_audio.reset();
        if (m_muxer)
            m_muxer->discard();
        m_muxer.reset();
        return result;
    };
    if (r != MIRELO_OK)
        return fail(r);

    int videoStream = -1, audioStream = -1;
    if (!audioOnly) {
        m_video = std::make_unique<VideoPipeline>(m_clock, *m_muxer);
        r = m_video->open(std::move(config.source), config.video);
        if (r != MIRELO_OK)
            return fail(r);
        for (auto &o : config.overlays)
            m_video->addOverlay(o);
        videoStream = m_muxer->addStream(m_video->encoder().context());
        if (videoStream < 0)
            return fail(videoStream);
    }
    if (m_provider) {
        AudioFormat format;
        format.sampleRate = p.sampleRate > 0 ? p.sampleRate : 48000;
        m_audio = std::make_unique<AudioPipeline>(m_clock, *m_muxer);
        r = m_audio->open(format, p.audioQuality, audioOnly);
        if (r != MIRELO_OK)
            return fail(r);
        audioStream = m_muxer->addStream(m_audio->context());
        if (audioStream < 0)
            return fail(audioStream);
    }

    m_clock.start();
    if (m_audio) {
        // Sound is kept from now on; it is encoded once the file is ready.
        m_audio->accept(audioStream);
        r = m_provider->startAudio(p, m_audio->format(), m_audio.get());
        if (r < 0)
            return fail(r);
        audioStarted = true;
    }
    m_muxer->setFailureHandler([this] { onWriteFailure(); });
    r = m_muxer->start();
    if (r != MIRELO_OK)
        return fail(r);
    if (m_audio)
        m_audio->start();
    if (m_video)
        m_video->start(videoStream);
    m_running = true;
    return MIRELO_OK;
}

void RecordingSession::onWriteFailure()
{
    // The disk refused a write: the recording ends here, and what reached
    // the file stays playable. The program learns of it now, not at stop.
    m_clock.freeze();
    if (m_video)
        m_video->requestStop();
    emitEvent(MIRELO_EVENT_RECORDING_FAILED, m_muxer ? m_muxer->errorNumber() : 0);
}

int RecordingSession::stop()
{
    if (!m_running)
        return MIRELO_E_BAD_STATE;
    m_running = false;
    // The recording ends now, not once the sound server let go of its
    // streams (which can take a while): what the devices captured before
    // this moment still comes in while they stop, the rest is left out.
    m_clock.freeze();
    if (m_provider && m_audio)
        m_provider->stopAudio();
    if (m_video)
        m_video->stop();
    if (m_audio)
        m_audio->stop();
    const int r = m_muxer->finish();
    if (r != MIRELO_OK) {
        // The clock ran on past what reached the disk (the queue, the last
        // fragment): the file says how long it really is.
        const int64_t written = mediaDurationUs(m_path);
        if (written >= 0)
            m_writtenUs = std::min(written, m_clock.elapsed());
    }
    const SessionStats s = stats();
    m_final = s;
    m_failedAtStop = m_muxer->failed();
    m_stopped = true;
    // What the recording took goes back now, not when the next one starts:
    // the program keeps this session only for its figures.
    m_video.reset();
    m_audio.reset();
    m_muxer.reset();
    logLine("recorded %s: %.3f s, %lld frames (%lld unchanged, %lld repeated), %lld dropped, %lld bytes%s",
            m_path.c_str(), s.recordedUs / 1e6, (long long)s.video.captured, (long long)s.video.unchanged,
            (long long)s.video.repeated, (long long)s.video.dropped, (long long)s.bytes,
            r == MIRELO_OK ? "" : ", write failed");
    return r;
}

int RecordingSession::pause()
{
    if (!m_running || failed())
        return failed() ? MIRELO_E_IO : MIRELO_E_BAD_STATE;
    m_clock.pause();
    if (m_video)
        m_video->clockChanged();
    return MIRELO_OK;
}

int RecordingSession::resume()
{
    if (!m_running || failed())
        return failed() ? MIRELO_E_IO : MIRELO_E_BAD_STATE;
    m_clock.resume();
    if (m_video)
        m_video->clockChanged();
    return MIRELO_OK;
}

int64_t RecordingSession::recordedTime() const
{
    if (m_stopped)
        return m_final.recordedUs;
    return m_writtenUs >= 0 ? m_writtenUs : m_clock.elapsed();
}

int64_t RecordingSession::recordedSize() const
{
    if (m_stopped)
        return m_final.bytes;
    return m_muxer ? m_muxer->bytesWritten() : 0;
}

SessionStats RecordingSession::stats() const
{
    if (m_stopped)
        return m_final;
    SessionStats s;
    if (m_video)
        s.video = m_video->stats();
    if (m_audio)
        s.audioDropped = m_audio->droppedFrames();
    s.bytes = recordedSize();
    s.recordedUs = recordedTime();
    return s;
}

} // namespace mirelo
