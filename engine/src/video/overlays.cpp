#include "video/overlays.h"

#include <algorithm>
#include <cmath>

#include <libyuv.h>

namespace mirelo {

ClickMarks::ClickMarks(int colour, int radius)
    : m_b(uint8_t((colour >> 16) & 0xff)), m_g(uint8_t((colour >> 8) & 0xff)), m_r(uint8_t(colour & 0xff)),
      m_radius(std::clamp(radius > 0 ? radius : 15, 1, 500))
{
}

void ClickMarks::add(int x, int y, int64_t atUs)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (m_clicks.size() > 64) { // a burst of presses: the oldest marks go first
        m_clicks.erase(m_clicks.begin());
        if (m_shown > 0)
            --m_shown;
    }
    m_clicks.push_back({x, y, atUs});
}

void ClickMarks::area(int64_t recordingUs, int, int, std::vector<PictureRect> &out)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_clicks.erase(std::remove_if(m_clicks.begin(), m_clicks.end(),
                                  [&](const Click &c) { return recordingUs - c.at >= kFadeUs; }),
                   m_clicks.end());
    // draw() shows the same clicks: one added in between waits a frame.
    m_shownBefore = m_shown;
    m_shown = m_clicks.size();
    m_areaAt = recordingUs;
    for (const Click &c : m_clicks)
        out.push_back({c.x - m_radius, c.y - m_radius, 2 * m_radius + 1, 2 * m_radius + 1});
}

bool ClickMarks::unchanged() const
{
    // A mark fades from picture to picture: only no mark draws the same.
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_shown == 0 && m_shownBefore == 0;
}

void ClickMarks::draw(VideoPicture &picture, int64_t recordingUs)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    const int r = m_radius;
    // Without an area() for this picture, every click of its time is drawn.
    const size_t shown = m_areaAt == recordingUs ? m_shown : m_clicks.size();
    for (size_t i = 0; i < shown && i < m_clicks.size(); ++i) {
        const Click &c = m_clicks[i];
        const int64_t age = std::max<int64_t>(recordingUs - c.at, 0);
        // Fully drawn at the press, gone after kFadeUs.
        const int alpha = int(220 * (kFadeUs - age) / kFadeUs);
        if (alpha <= 0)
            continue;
        const int y0 = std::max(c.y - r, 0), y1 = std::min(c.y + r, picture.height - 1);
        for (int y = y0; y <= y1; ++y) {
            const int dy = y - c.y;
            const int half = int(std::sqrt(double(r) * r - double(dy) * dy));
            const int x0 = std::max(c.x - half, 0), x1 = std::min(c.x + half, picture.width - 1);
            uint8_t *p = picture.data + size_t(y) * picture.stride + size_t(std::max(x0, 0)) * 4;
            for (int x = x0; x <= x1; ++x, p += 4) {
                p[0] = uint8_t((m_b * alpha + p[0] * (255 - alpha)) / 255);
                p[1] = uint8_t((m_g * alpha + p[1] * (255 - alpha)) / 255);
                p[2] = uint8_t((m_r * alpha + p[2] * (255 - alpha)) / 255);
            }
        }
    }
}

ImageOverlay::ImageOverlay(std::vector<uint8_t> bgra, int width, int height, int left, int top)
    : m_pixels(std::move(bgra)), m_width(width), m_height(height), m_left(left), m_top(top)
{
}

void ImageOverlay::area(int64_t, int, int, std::vector<PictureRect> &out)
{
    out.push_back({m_left, m_top, m_width, m_height});
}

void ImageOverlay::draw(VideoPicture &picture, int64_t)
{
    const int x0 = std::max(m_left, 0), y0 = std::max(m_top, 0);
    const int x1 = std::min(m_left + m_width, picture.width), y1 = std::min(m_top + m_height, picture.height);
    if (x1 <= x0 || y1 <= y0)
        return;
    const uint8_t *src = m_pixels.data() + (size_t(y0 - m_top) * m_width + (x0 - m_left)) * 4;
    uint8_t *dst = picture.data + size_t(y0) * picture.stride + size_t(x0) * 4;
    libyuv::ARGBBlend(src, m_width * 4, dst, picture.stride, dst, picture.stride, x1 - x0, y1 - y0);
}

} // namespace mirelo
