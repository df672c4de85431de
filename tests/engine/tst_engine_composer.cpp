// The screen's picture composer: whatever mix of whole and partial updates
// and repeated fills, every frame it fills must hold the current picture;
// and what a fresh look at the whole screen finds changed.
#include "core/picture_composer.h"
#include "video/screen_source.h"

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

// A square of one colour at a place the test moves.
struct Square : Overlay
{
    int x = 4, y = 4, draws = 0;
    bool moved = true;
    void area(int64_t, int, int, std::vector<PictureRect> &out) override { out.push_back({x, y, 8, 8}); }
    bool unchanged() const override { return !moved; }
    void draw(VideoPicture &p, int64_t) override
    {
        ++draws;
        for (int r = y; r < y + 8; ++r)
            memset(p.data + size_t(r) * p.stride + size_t(x) * 4, 0xff, 8 * 4);
    }
};

// The screen's own copy of its picture, as the composer is handed it.
VideoPicture screenPicture(std::vector<uint8_t> &pixels)
{
    VideoPicture p;
    p.data = pixels.data();
    p.stride = W * 4;
    p.width = W;
    p.height = H;
    p.persistent = true;
    return p;
}

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
    void aStillPictureIsNotComposedAgain();
    void aFreshLookKeepsOnlyTheRowsThatDiffer();
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
            VideoPicture picture = screenPicture(screen);
            picture.changed = *s == 'w' ? nullptr : &changed;
            QCOMPARE(composer.update(picture, {}, n), PictureComposer::Update::Changed);
        }
        convertRect(screen.data(), W * 4, expected.f, {0, 0, W, H});
        // Frames come back in turn, as from the encoder, and now and then
        // the same one twice.
        AVFrame *target = pool[(n * 2 / 3) % 3].f;
        QVERIFY(composer.fill(target));
        QVERIFY2(samePicture(target, expected.f), qPrintable(QStringLiteral("step %1 (%2)").arg(n).arg(*s)));
    }
}

void TestComposer::aStillPictureIsNotComposedAgain()
{
    std::vector<uint8_t> screen(size_t(W) * H * 4, 0x40);
    const std::vector<PictureRect> nothing, part{{20, 10, 6, 6}};
    VideoPicture picture = screenPicture(screen);
    Square square;
    const std::vector<Overlay *> overlays{&square};
    PictureComposer composer(W, H, AV_PIX_FMT_YUV420P);
    Frame frame, expected;
    auto expect = [&] {
        std::vector<uint8_t> drawn = screen;
        VideoPicture d = picture;
        d.data = drawn.data();
        const int before = square.draws;
        square.draw(d, 0);
        square.draws = before;
        convertRect(drawn.data(), W * 4, expected.f, {0, 0, W, H});
        return composer.fill(frame.f) && samePicture(frame.f, expected.f);
    };
    QCOMPARE(composer.update(picture, overlays, 0), PictureComposer::Update::Changed);
    QVERIFY(expect());
    // Nothing changed on the source and the overlay is where it was.
    square.moved = false;
    picture.changed = &nothing;
    const int draws = square.draws;
    QCOMPARE(composer.update(picture, overlays, 1), PictureComposer::Update::Unchanged);
    QCOMPARE(square.draws, draws);
    QVERIFY(expect());
    // A change on the source, or an overlay that moved, is composed.
    screen[size_t(12) * W * 4 + 22 * 4] = 0x90;
    picture.changed = &part;
    QCOMPARE(composer.update(picture, overlays, 2), PictureComposer::Update::Changed);
    QVERIFY(expect());
    picture.changed = &nothing;
    square.x = 30;
    square.moved = true;
    QCOMPARE(composer.update(picture, overlays, 3), PictureComposer::Update::Changed);
    QCOMPARE(square.draws, draws + 2);
    QVERIFY(expect()); // and where it was is clean again
}

void TestComposer::aFreshLookKeepsOnlyTheRowsThatDiffer()
{
    std::vector<uint8_t> kept(size_t(W) * H * 4, 0x20), fresh = kept;
    std::vector<PictureRect> changed;
    takeChangedRows(fresh.data(), kept.data(), W, H, changed);
    QVERIFY(changed.empty());
    // Rows 3, 5 and 40 to 41 differ: the first two are one run.
    for (int y : {3, 5, 40, 41})
        fresh[size_t(y) * W * 4 + size_t(y % 7) * 4] = 0x99;
    fresh[size_t(H - 1) * W * 4 + W * 4 - 1] = 0x77; // the last byte of the last row
    takeChangedRows(fresh.data(), kept.data(), W, H, changed);
    QVERIFY(kept == fresh);
    QCOMPARE(int(changed.size()), 2);
    QCOMPARE(changed[0].y, 3);
    QCOMPARE(changed[0].h, 3);
    QCOMPARE(changed[1].y, 40);
    QCOMPARE(changed[1].h, H - 40);
    QCOMPARE(changed[1].w, W);
}

QTEST_GUILESS_MAIN(TestComposer)
#include "tst_engine_composer.moc"
