#pragma once
// Keeps a recording's picture, overlays drawn, converted to the encoder's
// YUV layout, and updates only the rectangles that changed: on a screen
// where little moves, copying and converting are a small part of the cost
// of a whole picture.
#include "core/video_source.h"

#include <cstdint>
#include <deque>
#include <unordered_map>
#include <vector>

extern "C" {
#include <libavutil/frame.h>
}

namespace mirelo {

// Converts rectangle `r` (even place and size) of a BGRA picture into the
// same place of a YUV420P or NV12 frame.
void convertRect(const uint8_t *bgra, int stride, AVFrame *to, const PictureRect &r);

class PictureComposer
{
public:
    PictureComposer(int width, int height, AVPixelFormat format);
    ~PictureComposer();
    PictureComposer(const PictureComposer &) = delete;
    PictureComposer &operator=(const PictureComposer &) = delete;

    enum class Update { Failed, Unchanged, Changed };
    // Applies a persistent picture (its `changed` rectangles, or all of it)
    // and the overlays at recording time `rec` to the master frame.
    // Unchanged when nothing changed on the source and every overlay draws
    // as it did: then nothing is copied, converted or drawn.
    Update update(const VideoPicture &picture, const std::vector<Overlay *> &overlays, int64_t rec);
    // Makes `frame` equal to the master, copying only what changed since
    // this frame was last filled. After a whole-picture update the master's
    // buffer is handed to the frame instead of copied: on full motion that
    // copy would be paid on every frame.
    bool fill(AVFrame *frame);

private:
    void addRect(PictureRect r, std::vector<PictureRect> &out) const;
    void copyRect(const AVFrame *from, AVFrame *to, const PictureRect &r) const;
    bool reclaim();

    int m_width, m_height;
    AVPixelFormat m_format;
    std::vector<uint8_t> m_composed;       // where the overlays are drawn (only their area is kept)
    AVFrame *m_master = nullptr;           // its conversion
    AVFrame *m_spare = nullptr;            // for swapping buffers
    // The frame holding the current picture when the master's buffer was
    // handed to it; the master then holds an old picture.
    AVFrame *m_lent = nullptr;
    bool m_valid = false;
    int64_t m_generation = 0;              // updates applied to the master
    std::deque<std::vector<PictureRect>> m_history; // what each recent update changed
    std::unordered_map<const AVFrame *, int64_t> m_filledAt;
    std::vector<PictureRect> m_overlayArea, m_overlayAreaNow, m_work;
};

} // namespace mirelo
