// Click marks and the watermark, found at their places in decoded frames.
#include "engine_harness.h"
#include "testsupport.h"

#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QThread>
#include <QtTest>

using namespace enginetest;

namespace {
const int W = 320, H = 240;
bool near(Rgb p, int r, int g, int b, int tolerance = 28)
{
    return qAbs(p.r - r) < tolerance && qAbs(p.g - g) < tolerance && qAbs(p.b - b) < tolerance;
}
QString describe(Rgb p) { return QString("%1,%2,%3").arg(p.r).arg(p.g).arg(p.b); }
} // namespace

class TestEngineOverlays : public QObject
{
    Q_OBJECT
    Engine engine;

    // Records the area at (200, 100): runs `during`, records `ms`
    // milliseconds more, then finishes.
    QString record(const QString &name, RecordParams job, int ms, const std::function<void()> &during = {})
    {
        const QString file = outDir() + "/" + name;
        const QByteArray path = QFile::encodeName(file);
        job.filePath = const_cast<char *>(path.constData());
        if (engine.setRect(200, 100, W, H) != 0 || engine.start(job) != 0)
            return {};
        if (during)
            during();
        const bool recorded = engine.waitTime(qMax<int64_t>(engine.time(), 0) + ms * 1000);
        engine.stop();
        engine.shutdown();
        engine.load();
        return recorded ? file : QString();
    }

    int setWatermark(const WatermarkParams &p)
    {
        return engine.op<MireloSetWatermarkFn>(MIRELO_OP_SET_WATERMARK)(&p);
    }

private slots:
    void initTestCase()
    {
        QString error;
        QVERIFY2(engine.load(&error), qPrintable(error));
        QVERIFY(paintRoot(0x103070));
    }
    void cleanupTestCase() { engine.shutdown(); }

    void anImageWatermarkIsStampedAtItsPlace()
    {
        QImage red(100, 60, QImage::Format_RGB32);
        red.fill(QColor(230, 20, 20));
        const QString png = outDir() + "/mark.png";
        QVERIFY(red.save(png));
        const std::u16string png16 = png.toStdU16String();
        WatermarkParams wp{};
        wp.kind = MIRELO_WATERMARK_IMAGE;
        wp.left = 40;
        wp.top = 30;
        wp.right = 140;
        wp.bottom = 90;
        wp.imagePath = const_cast<char16_t *>(png16.c_str());
        QCOMPARE(setWatermark(wp), 0);

        RecordParams job = screenJob({}, W, H, 30);
        job.imageWatermark = 1;
        QString file = record("wm-image.mp4", job, 700);
        QByteArray f = frameAt(file, 0.3, W, H);
        QVERIFY(!f.isEmpty());
        QVERIFY2(near(pixel(f, W, 90, 60), 230, 20, 20), qPrintable(describe(pixel(f, W, 90, 60))));
        QVERIFY(near(pixel(f, W, 250, 180), 0x10, 0x30, 0x70));

        // Half transparent: half of each colour.
        wp.transparency = 0.5f;
        QCOMPARE(setWatermark(wp), 0);
        file = record("wm-half.mp4", job, 700);
        f = frameAt(file, 0.3, W, H);
        QVERIFY2(near(pixel(f, W, 90, 60), (230 + 0x10) / 2, (20 + 0x30) / 2, (20 + 0x70) / 2),
                 qPrintable(describe(pixel(f, W, 90, 60))));

        // Not asked for in the block: not stamped.
        job.imageWatermark = 0;
        file = record("wm-off.mp4", job, 500);
        f = frameAt(file, 0.2, W, H);
        QVERIFY(near(pixel(f, W, 90, 60), 0x10, 0x30, 0x70));

        // An unreadable image is refused, and leaves no old watermark behind.
        const std::u16string missing = (outDir() + "/missing.png").toStdU16String();
        wp.imagePath = const_cast<char16_t *>(missing.c_str());
        QVERIFY(setWatermark(wp) < 0);
        job.imageWatermark = 1;
        file = record("wm-missing.mp4", job, 500);
        f = frameAt(file, 0.2, W, H);
        QVERIFY(near(pixel(f, W, 90, 60), 0x10, 0x30, 0x70));

        // So is a picture that would decode far larger than any screen.
        const QString huge = outDir() + "/huge.png";
        QFile hugeFile(huge);
        QVERIFY(hugeFile.open(QIODevice::WriteOnly));
        hugeFile.write(testsupport::blackPng(9000, 9000));
        hugeFile.close();
        const std::u16string huge16 = huge.toStdU16String();
        wp.imagePath = const_cast<char16_t *>(huge16.c_str());
        QVERIFY(setWatermark(wp) < 0);

        // A GIF by what its decoder allocates (a 16000 x 16000 screen around
        // a frame of one pixel), whatever its name; a packed drawing by its
        // unpacked text. Small ones are taken.
        using testsupport::gifFile;
        using testsupport::gzipped;
        const QByteArray drawing = "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"40\" height=\"30\">";
        const QList<QPair<QByteArray, int>> files = {
            {gifFile(QSize(16000, 16000), {QRect(0, 0, 1, 1)}), -1},
            {gifFile(QSize(16000, 16000), {QRect(0, 0, 1, 1)}).left(13 + 6 + 10), -1},
            {gzipped(drawing + QByteArray(20 * 1024 * 1024, ' ') + "</svg>"), -1},
            {gifFile(QSize(20, 10), {QRect(0, 0, 20, 10), QRect(5, 5, 1, 1)}, true), 0},
            {gzipped(drawing + "<rect width=\"5\" height=\"5\"/></svg>"), 0},
        };
        const QString named = outDir() + "/named.png";
        const std::u16string named16 = named.toStdU16String();
        wp.imagePath = const_cast<char16_t *>(named16.c_str());
        for (const auto &file : files) {
            QFile picture(named);
            QVERIFY(picture.open(QIODevice::WriteOnly | QIODevice::Truncate));
            picture.write(file.first);
            picture.close();
            QCOMPARE(setWatermark(wp) < 0 ? -1 : 0, file.second);
        }
    }

    void aTextWatermarkIsDrawnInItsColourInsideItsRectangle()
    {
        const std::u16string text = u"MMMM", family = u"DejaVu Sans";
        WatermarkParams wp{};
        wp.kind = MIRELO_WATERMARK_TEXT;
        wp.left = 20;
        wp.top = 20;
        wp.right = 220;
        wp.bottom = 80;
        wp.fontPointSize = 28;
        wp.bold = 1;
        wp.fontFamily = const_cast<char16_t *>(family.c_str());
        wp.text = const_cast<char16_t *>(text.c_str());
        wp.textColor = 0x0000ff00; // 0x00BBGGRR: green
        QCOMPARE(setWatermark(wp), 0);
        RecordParams job = screenJob({}, W, H, 30);
        job.textWatermark = 1;
        const QString file = record("wm-text.mp4", job, 700);
        const QByteArray f = frameAt(file, 0.3, W, H);
        QVERIFY(!f.isEmpty());
        int inside = 0, outside = 0;
        for (int y = 0; y < H; ++y)
            for (int x = 0; x < W; ++x) {
                const Rgb p = pixel(f, W, x, y);
                if (p.g > 180 && p.r < 120 && p.b < 150)
                    (x >= 20 && x < 220 && y >= 20 && y < 80 ? inside : outside)++;
            }
        QVERIFY2(inside > 300, qPrintable(QString::number(inside)));
        QCOMPARE(outside, 0);

        // The zeroed block means "no watermark".
        QCOMPARE(setWatermark(WatermarkParams{}), 0);
    }

    void theCursorIsDrawnOnlyWhenAsked()
    {
        QVERIFY(movePointer(200 + 150, 100 + 120)); // the middle of the area
        auto markedPixels = [](const QByteArray &f) {
            int n = 0;
            for (int y = 100; y < 140; ++y)
                for (int x = 130; x < 170; ++x)
                    n += !near(pixel(f, W, x, y), 0x10, 0x30, 0x70);
            return n;
        };
        RecordParams job = screenJob({}, W, H, 30);
        job.captureCursor = 1;
        QString file = record("cursor.mp4", job, 500);
        QByteArray f = frameAt(file, 0.2, W, H);
        QVERIFY(!f.isEmpty());
        QVERIFY2(markedPixels(f) > 20, qPrintable(QString::number(markedPixels(f))));
        // It follows the pointer.
        job.captureCursor = 1;
        double movedAt = 0;
        file = record("cursor-moved.mp4", job, 600, [&] {
            engine.waitTime(300000);
            movePointer(200 + 40, 100 + 40);
            movedAt = engine.time() / 1e6;
        });
        f = frameAt(file, movedAt + 0.3, W, H);
        QCOMPARE(markedPixels(f), 0);

        job.captureCursor = 0;
        QVERIFY(movePointer(200 + 150, 100 + 120));
        file = record("no-cursor.mp4", job, 500);
        f = frameAt(file, 0.2, W, H);
        QCOMPARE(markedPixels(f), 0);
    }

    void aClickLeavesAFadingCircleWhereItWasPressed()
    {
        RecordParams job = screenJob({}, W, H, 30);
        job.recordClicks = 1;
        job.clickColor = 0x0000ffff; // yellow as 0x00BBGGRR
        job.clickRadius = 20;
        int64_t clickedAt = 0;
        const QString file = record("clicks.mp4", job, 1100, [&] {
            engine.waitTime(400000);
            clickedAt = engine.time();
            // Screen pixels: the area starts at (200, 100).
            QCOMPARE(engine.op<MireloAddMouseClickFn>(MIRELO_OP_ADD_MOUSE_CLICK)(200 + 100, 100 + 80), 0);
        });
        const double t = clickedAt / 1e6;
        const QByteArray soon = frameAt(file, t + 0.08, W, H), later = frameAt(file, t + 0.9, W, H);
        QVERIFY(!soon.isEmpty() && !later.isEmpty());
        const Rgb centre = pixel(soon, W, 100, 80), edge = pixel(soon, W, 100 + 16, 80);
        QVERIFY2(centre.r > 150 && centre.g > 150 && centre.b < 110, qPrintable(describe(centre)));
        QVERIFY2(edge.r > 130 && edge.g > 130, qPrintable(describe(edge)));
        QVERIFY(near(pixel(soon, W, 100 + 30, 80), 0x10, 0x30, 0x70)); // outside the radius
        QVERIFY2(near(pixel(later, W, 100, 80), 0x10, 0x30, 0x70), qPrintable(describe(pixel(later, W, 100, 80))));
    }
};

QTEST_MAIN(TestEngineOverlays)
#include "tst_x11_engine_overlays.moc"
