// Turns a fragmented recording into a normal MP4 with its index at the front,
// and tells how long a recording that ended on a write error plays.
#include "core/log.h"
#include "core/muxer.h"
#include "core/new_file.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <functional>
#include <vector>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

namespace mirelo {

namespace {

// The rewrite goes into a file descriptor of our own (made new, see
// createNewFile), never into a name opened afresh.
int writeFd(void *opaque, uint8_t *buf, int size)
{
    return writeAll(*static_cast<int *>(opaque), buf, size_t(size)) ? size : AVERROR(errno);
}

int64_t seekFd(void *opaque, int64_t offset, int whence)
{
    const int fd = *static_cast<int *>(opaque);
    if (whence == AVSEEK_SIZE) {
        struct stat st;
        return fstat(fd, &st) == 0 ? int64_t(st.st_size) : AVERROR(errno);
    }
    const off_t r = lseek(fd, offset, whence & ~AVSEEK_FORCE);
    return r < 0 ? AVERROR(errno) : int64_t(r);
}

// `to` names the file open as `fd`; the index moved to the front is read
// back from it by name.
bool remux(const std::string &from, int fd, const std::string &to)
{
    AVFormatContext *in = nullptr;
    if (avformat_open_input(&in, from.c_str(), nullptr, nullptr) < 0)
        return false;
    AVFormatContext *out = nullptr;
    bool ok = avformat_alloc_output_context2(&out, nullptr, "mp4", to.c_str()) >= 0 && out;
    for (unsigned i = 0; ok && i < in->nb_streams; ++i) {
        AVStream *st = avformat_new_stream(out, nullptr);
        ok = st && avcodec_parameters_copy(st->codecpar, in->streams[i]->codecpar) >= 0;
        if (ok) {
            st->codecpar->codec_tag = 0;
            st->time_base = in->streams[i]->time_base;
            st->avg_frame_rate = in->streams[i]->avg_frame_rate;
        }
    }
    constexpr int kBufferSize = 256 * 1024;
    auto *buffer = ok ? static_cast<unsigned char *>(av_malloc(kBufferSize)) : nullptr;
    AVIOContext *io = buffer ? avio_alloc_context(buffer, kBufferSize, 1, &fd, nullptr, writeFd, seekFd) : nullptr;
    if (!io)
        av_free(buffer);
    ok = ok && io;
    if (ok) {
        out->pb = io;
        out->flags |= AVFMT_FLAG_CUSTOM_IO;
    }
    AVDictionary *opts = nullptr;
    av_dict_set(&opts, "movflags", "faststart", 0);
    ok = ok && avformat_write_header(out, &opts) >= 0;
    av_dict_free(&opts);
    AVPacket *pkt = av_packet_alloc();
    while (ok && pkt) {
        const int r = av_read_frame(in, pkt);
        if (r == AVERROR_EOF)
            break;
        if (r < 0) {
            ok = false;
            break;
        }
        const AVStream *src = in->streams[pkt->stream_index];
        av_packet_rescale_ts(pkt, src->time_base, out->streams[pkt->stream_index]->time_base);
        pkt->pos = -1;
        ok = av_interleaved_write_frame(out, pkt) >= 0;
        av_packet_unref(pkt);
    }
    av_packet_free(&pkt);
    ok = ok && av_write_trailer(out) >= 0;
    if (io) {
        avio_flush(io);
        ok = ok && io->error >= 0;
        av_freep(&io->buffer);
        avio_context_free(&io);
    }
    if (out)
        avformat_free_context(out);
    avformat_close_input(&in);
    return ok;
}

// Decoding order runs ahead of the order pictures show in by at most this
// many packets (B-frames; the encoder allows 16): the first and the last
// picture shown are among the first and the last this many and one.
constexpr int kReorder = 16;

// What a stream's whole packets span, in its time base: the earliest start
// and the latest end.
struct Span
{
    int64_t start = INT64_MAX;
    int64_t end = INT64_MIN;
    int seen = 0; // packets read
};

// Reads packets on from where `in` stands until one cannot be read or
// `enough` holds. A packet counts when it starts before `cut`, the first
// packet of its stream whose bytes did not all reach the disk: one cut
// short does not decode.
void readSpans(AVFormatContext *in, const std::vector<int64_t> &cut, std::vector<Span> &spans,
               const std::function<bool()> &enough)
{
    AVPacket *packet = av_packet_alloc();
    while (packet && !enough() && av_read_frame(in, packet) >= 0) {
        const unsigned i = unsigned(packet->stream_index);
        if (i < spans.size()) {
            Span &s = spans[i];
            ++s.seen;
            if (packet->pts != AV_NOPTS_VALUE && packet->pos >= 0 && packet->pos < cut[i]) {
                s.start = std::min(s.start, packet->pts);
                s.end = std::max(s.end, packet->pts + std::max<int64_t>(packet->duration, 0));
            }
        }
        av_packet_unref(packet);
    }
    av_packet_free(&packet);
}

} // namespace

bool dropCutFragment(int fd)
{
    struct stat st;
    if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode))
        return false;
    const int64_t size = st.st_size;
    const auto be = [](const uint8_t *p, int bytes) {
        uint64_t v = 0;
        for (int i = 0; i < bytes; ++i)
            v = v << 8 | p[i];
        return v;
    };
    // Walk the top-level boxes to the one the end of the file falls in.
    int64_t pos = 0;
    int64_t lastMoof = -1; // where the last fragment starts
    bool afterMoof = false; // the last whole box is a fragment's index
    while (pos < size) {
        uint8_t h[16];
        const ssize_t n = pread(fd, h, sizeof h, pos);
        if (n < 0)
            return false;
        const bool moof = n >= 8 && memcmp(h + 4, "moof", 4) == 0;
        const bool mdat = n >= 8 && memcmp(h + 4, "mdat", 4) == 0;
        uint64_t box = n >= 8 ? be(h, 4) : 0;
        int64_t header = 8;
        if (box == 1) {
            header = 16;
            box = n >= 16 ? be(h + 8, 8) : 0;
        } else if (n >= 8 && box == 0) {
            box = uint64_t(size - pos); // runs to the end of the file
        }
        if (n < header || pos + header > size) {
            // The end falls inside a box's header.
            if (afterMoof)
                return ftruncate(fd, lastMoof) == 0;
            return ftruncate(fd, pos) == 0;
        }
        if (box < uint64_t(header))
            return true; // not a box: not ours to mend
        if (moof)
            lastMoof = pos;
        if (box > uint64_t(size - pos)) {
            // The end falls inside this box. A fragment's data cut short
            // still holds its whole pictures; its index cut short spoils
            // the whole file for a reader.
            if (moof || (!mdat && afterMoof))
                return ftruncate(fd, lastMoof) == 0;
            return true;
        }
        afterMoof = moof;
        pos += int64_t(box);
    }
    // An index whose data never began lists pictures that are not there.
    if (afterMoof)
        return ftruncate(fd, lastMoof) == 0;
    return true;
}

int64_t mediaDurationUs(const std::string &path)
{
    struct stat file;
    if (stat(path.c_str(), &file) != 0)
        return -1;
    // Opening reads the index of every fragment (mdat is skipped), so this
    // costs little even for a long recording.
    AVFormatContext *in = nullptr;
    if (avformat_open_input(&in, path.c_str(), nullptr, nullptr) < 0)
        return -1;
    // A write that failed midway leaves the last fragment cut short: its
    // index lists packets whose bytes never reached the disk. Per stream,
    // where the first of them starts, and how many come whole before it.
    const unsigned n = in->nb_streams;
    std::vector<int64_t> cut(n, INT64_MAX);
    std::vector<int> whole(n, 0);
    int tailStream = -1; // the stream whose last whole packets come first
    int64_t tailFrom = 0, tailFromUs = INT64_MAX;
    for (unsigned i = 0; i < n; ++i) {
        AVStream *st = in->streams[i];
        const int entries = avformat_index_get_entries_count(st);
        whole[i] = entries;
        for (int e = 0; e < entries; ++e) {
            const AVIndexEntry *entry = avformat_index_get_entry(st, e);
            if (entry->pos + entry->size > file.st_size) {
                cut[i] = entry->pos;
                whole[i] = e;
                break;
            }
        }
        if (whole[i] > 0) {
            const int64_t ts = avformat_index_get_entry(st, std::max(0, whole[i] - 1 - kReorder))->timestamp;
            const int64_t us = av_rescale_q(ts, st->time_base, AV_TIME_BASE_Q);
            if (us < tailFromUs) {
                tailStream = int(i);
                tailFrom = ts;
                tailFromUs = us;
            }
        }
    }
    int64_t longest = -1;
    if (!strstr(in->iformat->name, "mp4")) {
        // Not an MP4 (an MP3): what its header says. (An MP4 whose first
        // fragment never came has nothing to read below: it plays nothing.)
        for (unsigned i = 0; i < n; ++i) {
            AVStream *st = in->streams[i];
            if (st->duration != AV_NOPTS_VALUE && st->duration > 0)
                longest = std::max(longest, av_rescale_q(st->duration, st->time_base, AV_TIME_BASE_Q));
        }
        if (longest < 0 && in->duration != AV_NOPTS_VALUE && in->duration > 0)
            longest = in->duration; // AV_TIME_BASE is microseconds
        avformat_close_input(&in);
        return longest;
    }
    // The packets are read as a player reads them, which also stops at the
    // first it cannot read. The first pictures shown are among the first
    // packets; the last among the last whole ones, reached by a seek rather
    // than through the whole recording (should the seek fail, reading just
    // goes on from where the first ones ended).
    std::vector<Span> spans(n);
    readSpans(in, cut, spans, [&] {
        for (unsigned i = 0; i < n; ++i)
            if (spans[i].seen < std::min(kReorder + 1, whole[i]))
                return false;
        return true;
    });
    if (tailStream >= 0)
        av_seek_frame(in, tailStream, tailFrom, AVSEEK_FLAG_BACKWARD | AVSEEK_FLAG_ANY);
    readSpans(in, cut, spans, [] { return false; });
    longest = 0; // nothing whole: nothing plays
    for (unsigned i = 0; i < n; ++i)
        if (spans[i].end > spans[i].start)
            longest = std::max(longest, av_rescale_q(spans[i].end - spans[i].start, in->streams[i]->time_base,
                                                     AV_TIME_BASE_Q));
    avformat_close_input(&in);
    return longest;
}

bool finishMp4(const std::string &path)
{
    struct stat before;
    if (stat(path.c_str(), &before) != 0)
        return false;
    // The rewrite needs a second copy for a moment; without the room the
    // fragmented file, which plays, is kept as it is.
    struct statvfs fs;
    const std::string dir = path.find('/') == std::string::npos ? "." : path.substr(0, path.rfind('/') + 1);
    if (statvfs(dir.c_str(), &fs) == 0
        && double(fs.f_bavail) * fs.f_frsize < double(before.st_size) * 1.05 + 4 * 1024 * 1024) {
        logLine("not enough room to finish %s; kept fragmented", path.c_str());
        return false;
    }
    const size_t slash = path.rfind('/');
    const std::string name = (slash == std::string::npos ? std::string() : path.substr(0, slash + 1))
        + "." + path.substr(slash == std::string::npos ? 0 : slash + 1) + ".finishing";
    std::string tmp;
    const int fd = createNewFile(name, 0644, tmp);
    if (fd < 0) {
        logLine("cannot create a file beside %s: %s; kept fragmented", path.c_str(), strerror(errno));
        return false;
    }
    // Every byte on the disk before the copy replaces a file that plays.
    const bool written = remux(path, fd, tmp) && fsync(fd) == 0;
    if (close(fd) != 0 || !written) {
        unlink(tmp.c_str());
        logLine("could not finish %s; kept fragmented", path.c_str());
        return false;
    }
    // Replace only the very file we finished: the program may have moved or
    // deleted it meanwhile.
    struct stat now;
    if (stat(path.c_str(), &now) != 0 || now.st_ino != before.st_ino || now.st_dev != before.st_dev
        || now.st_size != before.st_size || rename(tmp.c_str(), path.c_str()) != 0) {
        unlink(tmp.c_str());
        return false;
    }
    // The new name is durable only once the folder is.
    if (!syncFolderOf(path))
        logLine("cannot sync the folder of %s: %s", path.c_str(), strerror(errno));
    return true;
}

} // namespace mirelo
