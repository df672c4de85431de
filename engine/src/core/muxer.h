#pragma once
// The file stage of a recording: takes encoded packets from any number of
// encoder threads through one bounded queue and writes them on its own
// thread. An MP4 is written fragmented (a fragment every half second,
// flushed to the kernel every quarter second), so a killed process leaves
// a playable file that lacks at most the last two seconds; finishMp4()
// later turns it into a normal MP4 with its index at the front. An
// audio-only job writes MP3. The queue holds at most 256 packets (some
// seconds of a recording).
#include "core/bounded_queue.h"

#include <atomic>
#include <cstdint>
#include <functional>
#include <string>
#include <thread>
#include <sys/types.h>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
}

namespace mirelo {

class Muxer
{
public:
    enum class Container { Mp4, Mp3 };

    Muxer();
    ~Muxer();
    Muxer(const Muxer &) = delete;
    Muxer &operator=(const Muxer &) = delete;

    // Opens the file: a new one is created; an existing one must be a
    // regular file and is emptied only by start(), so a start that fails
    // before leaves it as it was. MIRELO_E_IO when it cannot be written or
    // is not a regular file (a device, a FIFO, a folder).
    int create(const std::string &path, Container container);
    // After a failed start: closes the file and removes it if create()
    // made it; a file that was there before is left alone.
    void discard();
    // Adds a stream for an opened encoder; returns its index or a negative
    // result. Before start() only.
    int addStream(const AVCodecContext *encoder);
    // Empties an existing file, writes the header and starts the writing
    // thread.
    int start();

    // Queues one packet of stream `index` (timestamps in `encoderTimeBase`);
    // takes the packet. Waits while the queue is full, so a slow disk holds
    // the encoders back. False once writing failed or finish() ran.
    bool submit(AVPacket *packet, int index, AVRational encoderTimeBase);

    // After every producer is done: writes what is queued and the trailer,
    // closes the file. Returns MIRELO_OK or MIRELO_E_IO when a write failed.
    int finish();

    // Bytes in the file so far.
    int64_t bytesWritten() const { return m_bytes.load(); }
    bool failed() const { return m_failed.load(); }
    // The system error (errno) of the failure: ENOSPC for a full disk,
    // ENOENT when the path no longer names the file written; 0 when none
    // or the failure was not a system error.
    int errorNumber() const { return m_errno.load(); }
    // Called once, at the first write error (on the writing thread) or the
    // first encoder failure (on that encoder's thread).
    void setFailureHandler(std::function<void()> handler) { m_onFailure = std::move(handler); }
    // Ends the file as at a write error; an encoder that fails mid-recording
    // calls it, so the failure reaches the program instead of a silent gap.
    void fail(int errorNumber = 0);

    // For tests: replaces write(2) for everything the muxer writes to the file.
    using WriteFunction = std::function<ssize_t(int fd, const void *data, size_t size)>;
    void setWriteFunction(WriteFunction write) { m_write = std::move(write); }

private:
    static int writePacket(void *opaque, uint8_t *buf, int size);
    static int64_t seek(void *opaque, int64_t offset, int whence);
    void run();
    // False when the path no longer names the file open for writing (it was
    // removed, or its folder was, or something else took its name).
    bool pathStillNamesFile() const;

    AVFormatContext *m_format = nullptr;
    AVIOContext *m_io = nullptr;
    int m_fd = -1;
    std::string m_path;
    bool m_created = false; // the file did not exist before create()
    WriteFunction m_write;
    int64_t m_pos = 0;
    std::atomic<int64_t> m_bytes{0};
    std::atomic<bool> m_failed{false};
    std::atomic<int> m_errno{0};
    dev_t m_dev = 0; // identity of the file open for writing
    ino_t m_ino = 0;
    std::function<void()> m_onFailure;
    BoundedQueue<AVPacket *> m_queue;
    std::thread m_thread;
    bool m_started = false;
    bool m_finished = false;
};

// The length of what a file plays, in microseconds (the longest stream):
// from its first picture to the end of the last one that decodes, in the
// order they show; -1 when it cannot be read. A recording that failed midway
// is shorter than its clock says: only what reached the disk whole counts.
int64_t mediaDurationUs(const std::string &path);

// Drops the last fragment of a fragmented MP4 open for reading and writing
// as `fd` when the disk cut it short in its index or before its data began:
// readers refuse the whole file over it. A fragment cut short in its data
// stays (its whole pictures still play). False when the file cannot be read
// or cut.
bool dropCutFragment(int fd);

// Rewrites a finished fragmented MP4 at `path` as a normal MP4 with its index
// at the front, through a temporary file beside it that replaces `path` only
// when complete (and only if `path` is still the file we wrote). Returns
// true when the file was replaced.
bool finishMp4(const std::string &path);

} // namespace mirelo
