#pragma once
// What the screen road draws over its pictures: click marks and the
// watermark.
#include "core/video_source.h"

#include <mutex>
#include <vector>

namespace mirelo {

// A circle at each left-button press that fades out.
class ClickMarks : public Overlay
{
public:
    static constexpr int64_t kFadeUs = 600000;

    // colour 0x00BBGGRR, radius in pixels.
    ClickMarks(int colour, int radius);
    // A press at (x, y) in capture-area pixels at recording time `atUs`.
    void add(int x, int y, int64_t atUs);
    void area(int64_t recordingUs, int width, int height, std::vector<PictureRect> &out) override;
    bool unchanged() const override;
    void draw(VideoPicture &picture, int64_t recordingUs) override;

private:
    struct Click { int x, y; int64_t at; };
    mutable std::mutex m_mutex;
    std::vector<Click> m_clicks;
    size_t m_shown = 0;     // clicks counted by the last area()
    size_t m_shownBefore = 0; // and by the one before
    int64_t m_areaAt = -1;  // the picture time of that area()
    uint8_t m_b, m_g, m_r;
    int m_radius;
};

// A premultiplied BGRA image blended at a place of the capture area.
class ImageOverlay : public Overlay
{
public:
    ImageOverlay(std::vector<uint8_t> bgra, int width, int height, int left, int top);
    void area(int64_t recordingUs, int width, int height, std::vector<PictureRect> &out) override;
    bool unchanged() const override { return true; }
    void draw(VideoPicture &picture, int64_t recordingUs) override;
    int width() const { return m_width; }
    int height() const { return m_height; }

private:
    std::vector<uint8_t> m_pixels;
    int m_width, m_height, m_left, m_top;
};

} // namespace mirelo
