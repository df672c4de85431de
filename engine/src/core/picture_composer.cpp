#include "core/picture_composer.h"

#include <algorithm>

#include <libyuv.h>

namespace mirelo {

namespace {
constexpr size_t kHistory = 16;
} // namespace

void convertRect(const uint8_t *bgra, int stride, AVFrame *to, const PictureRect &r)
{
    const uint8_t *src = bgra + size_t(r.y) * stride + size_t(r.x) * 4;
    uint8_t *y = to->data[0] + size_t(r.y) * to->linesize[0] + r.x;
    if (to->format == AV_PIX_FMT_NV12) {
        uint8_t *uv = to->data[1] + size_t(r.y / 2) * to->linesize[1] + r.x;
        libyuv::ARGBToNV12(src, stride, y, to->linesize[0], uv, to->linesize[1], r.w, r.h);
    } else {
        uint8_t *u = to->data[1] + size_t(r.y / 2) * to->linesize[1] + r.x / 2;
        uint8_t *v = to->data[2] + size_t(r.y / 2) * to->linesize[2] + r.x / 2;
        libyuv::ARGBToI420(src, stride, y, to->linesize[0], u, to->linesize[1], v, to->linesize[2], r.w, r.h);
    }
}

PictureComposer::PictureComposer(int width, int height, AVPixelFormat format)
    : m_width(width), m_height(height), m_format(format), m_composed(size_t(width) * height * 4, 0)
{
}

PictureComposer::~PictureComposer()
{
    av_frame_free(&m_master);
    av_frame_free(&m_spare);
}

// Clips to the picture and widens to even places and sizes: a chroma
// sample covers two by two pixels.
void PictureComposer::addRect(PictureRect r, std::vector<PictureRect> &out) const
{
    int x0 = std::max(r.x, 0) & ~1, y0 = std::max(r.y, 0) & ~1;
    int x1 = std::min((r.x + r.w + 1) & ~1, m_width), y1 = std::min((r.y + r.h + 1) & ~1, m_height);
    if (x1 > x0 && y1 > y0)
        out.push_back({x0, y0, x1 - x0, y1 - y0});
}

void PictureComposer::copyRect(const AVFrame *from, AVFrame *to, const PictureRect &r) const
{
    libyuv::CopyPlane(from->data[0] + size_t(r.y) * from->linesize[0] + r.x, from->linesize[0],
                      to->data[0] + size_t(r.y) * to->linesize[0] + r.x, to->linesize[0], r.w, r.h);
    if (m_format == AV_PIX_FMT_NV12) {
        libyuv::CopyPlane(from->data[1] + size_t(r.y / 2) * from->linesize[1] + r.x, from->linesize[1],
                          to->data[1] + size_t(r.y / 2) * to->linesize[1] + r.x, to->linesize[1], r.w, r.h / 2);
        return;
    }
    for (int p = 1; p <= 2; ++p)
        libyuv::CopyPlane(from->data[p] + size_t(r.y / 2) * from->linesize[p] + r.x / 2, from->linesize[p],
                          to->data[p] + size_t(r.y / 2) * to->linesize[p] + r.x / 2, to->linesize[p], r.w / 2,
                          r.h / 2);
}

// Takes the current picture back from the frame it was handed to.
bool PictureComposer::reclaim()
{
    if (!m_lent)
        return true;
    if (!av_frame_is_writable(m_master) && av_frame_make_writable(m_master) < 0)
        return false;
    if (av_frame_copy(m_master, m_lent) < 0)
        return false;
    m_lent = nullptr;
    return true;
}

PictureComposer::Update PictureComposer::update(const VideoPicture &picture, const std::vector<Overlay *> &overlays,
                                                int64_t rec)
{
    if (!m_spare && !(m_spare = av_frame_alloc()))
        return Update::Failed;
    if (!m_master) {
        m_master = av_frame_alloc();
        if (!m_master)
            return Update::Failed;
        m_master->format = m_format;
        m_master->width = m_width;
        m_master->height = m_height;
        if (av_frame_get_buffer(m_master, 64) < 0) {
            av_frame_free(&m_master);
            return Update::Failed;
        }
    }
    const int stride = m_width * 4;
    m_overlayAreaNow.clear();
    bool overlaysStill = true;
    for (Overlay *o : overlays) {
        o->area(rec, m_width, m_height, m_overlayAreaNow);
        overlaysStill = overlaysStill && o->unchanged();
    }
    m_work.clear();
    // What changed on the source, where the overlays drew last time (to be
    // restored) and where they draw now.
    if (!m_valid || !picture.changed)
        m_work.push_back({0, 0, m_width, m_height});
    else
        for (const PictureRect &r : *picture.changed)
            addRect(r, m_work);
    if (m_work.empty() && overlaysStill)
        return Update::Unchanged; // the overlays draw as they did, where they did
    for (const PictureRect &r : m_overlayArea)
        m_work.push_back(r);
    const size_t firstNew = m_work.size();
    for (const PictureRect &r : m_overlayAreaNow)
        addRect(r, m_work);
    m_overlayArea.assign(m_work.begin() + long(firstNew), m_work.end());

    // A mostly changed picture is cheaper as one rectangle.
    int64_t area = 0;
    for (const PictureRect &r : m_work)
        area += int64_t(r.w) * r.h;
    if (area * 10 > int64_t(m_width) * m_height * 6) {
        m_work.assign(1, {0, 0, m_width, m_height});
        m_lent = nullptr; // all of the master is written anew
    } else if (!reclaim()) {
        return Update::Failed; // a part changed: the rest must be current first
    }
    if (!av_frame_is_writable(m_master) && av_frame_make_writable(m_master) < 0)
        return Update::Failed;
    // The clean picture goes straight into the master; only where the
    // overlays draw now is it copied aside, drawn on and converted again.
    for (const PictureRect &r : m_work)
        convertRect(picture.data, picture.stride, m_master, r);
    for (const PictureRect &r : m_overlayArea)
        libyuv::CopyPlane(picture.data + size_t(r.y) * picture.stride + size_t(r.x) * 4, picture.stride,
                          m_composed.data() + size_t(r.y) * stride + size_t(r.x) * 4, stride, r.w * 4, r.h);
    if (!m_overlayArea.empty()) {
        VideoPicture composed;
        composed.data = m_composed.data();
        composed.stride = stride;
        composed.width = m_width;
        composed.height = m_height;
        for (Overlay *o : overlays)
            o->draw(composed, rec);
        for (const PictureRect &r : m_overlayArea)
            convertRect(m_composed.data(), stride, m_master, r);
    }
    m_valid = true;
    ++m_generation;
    m_history.push_back(m_work);
    if (m_history.size() > kHistory)
        m_history.pop_front();
    return Update::Changed;
}

bool PictureComposer::fill(AVFrame *frame)
{
    if (!m_master || !m_valid)
        return false;
    if (frame == m_lent) {
        m_filledAt[frame] = m_generation;
        return true;
    }
    if (!reclaim())
        return false;
    auto it = m_filledAt.find(frame);
    const int64_t missed = it == m_filledAt.end() ? -1 : m_generation - it->second;
    const bool lastWasWhole = m_history.back().size() == 1 && m_history.back()[0].w == m_width
        && m_history.back()[0].h == m_height;
    if (missed != 0 && lastWasWhole && av_frame_is_writable(frame)) {
        // Everything changed anyway: swap buffers rather than copy.
        av_frame_move_ref(m_spare, frame);
        av_frame_move_ref(frame, m_master);
        av_frame_move_ref(m_master, m_spare);
        m_lent = frame;
    } else if (missed < 0 || missed > int64_t(m_history.size())) {
        if (av_frame_copy(frame, m_master) < 0)
            return false;
    } else {
        m_work.clear();
        for (size_t g = m_history.size() - size_t(missed); g < m_history.size(); ++g)
            for (const PictureRect &r : m_history[g]) {
                // The same rectangle in several updates is copied once.
                const bool seen = std::any_of(m_work.begin(), m_work.end(), [&](const PictureRect &o) {
                    return o.x == r.x && o.y == r.y && o.w == r.w && o.h == r.h;
                });
                if (!seen)
                    m_work.push_back(r);
            }
        for (const PictureRect &r : m_work)
            copyRect(m_master, frame, r);
    }
    m_filledAt[frame] = m_generation;
    return true;
}

} // namespace mirelo
