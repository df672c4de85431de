// The screen's picture composer: whatever mix of whole and partial updates
// and repeated fills, every frame it fills must hold the current picture.
#include "core/picture_composer.h"

#include <QtTest>

#include <random>

using namespace mirelo;

namespace {
constexpr int W = 64, H = 48;

struct Frame
{
    AVFrame *f = av_frame_alloc();
    Frame()
    {
        f->format = AV_PIX_FMT_YUV420P;
        f->width = W;
        f->height = H;
        av_frame_get_buffer(f, 64);
    }
    ~Frame() { av_frame_free(&f); }
};

bool samePicture(const AVFrame *a, const AVFrame *b)
{
    for (int p = 0; p < 3; ++p) {
        const int w = p ? W / 2 : W, h = p ? H / 2 : H;
        for (int y = 0; y < h; ++y)
            if (memcmp(a->data[p] + y * a->linesize[p], b->data[p] + y * b->linesize[p], size_t(w)))
                return false;
    }
    return true;
}
} // namespace

class TestComposer : public QObject
{
    Q_OBJECT
private slots:
    void framesFollowEveryUpdate();
};

void TestComposer::framesFollowEveryUpdate()
{
    std::vector<uint8_t> screen(size_t(W) * H * 4);
    std::mt19937 rng(7);
    PictureComposer composer(W, H, AV_PIX_FMT_YUV420P);
    Frame pool[3], expected;
    std::vector<PictureRect> changed;
    // w: whole picture, p: a part, r: a repeat with no update.
    const char *steps = "wwwpprwwrpwwpprrwp";
    int n = 0;
    for (const char *s = steps; *s; ++s, ++n) {
        if (*s != 'r') {
            const PictureRect r = *s == 'w' ? PictureRect{0, 0, W, H} : PictureRect{8, 6, 10, 12};
            for (int y = r.y; y < r.y + r.h; ++y)
                for (int x = r.x * 4; x < (r.x + r.w) * 4; ++x)
                    screen[size_t(y) * W * 4 + x] = uint8_t(rng());
            changed.assign(1, r);
            VideoPicture picture;
            picture.data = screen.data();
            picture.stride = W * 4;
            picture.width = W;
            picture.height = H;
            picture.persistent = true;
            picture.changed = *s == 'w' ? nullptr : &changed;
            QVERIFY(composer.update(picture, {}, n));
        }
        convertRect(screen.data(), W * 4, expected.f, {0, 0, W, H});
        // Frames come back in turn, as from the encoder, and now and then
        // the same one twice.
        AVFrame *target = pool[(n * 2 / 3) % 3].f;
        QVERIFY(composer.fill(target));
        QVERIFY2(samePicture(target, expected.f), qPrintable(QStringLiteral("step %1 (%2)").arg(n).arg(*s)));
    }
}

QTEST_GUILESS_MAIN(TestComposer)
#include "tst_engine_composer.moc"
