// The camera road's picture handling, built from the engine's own sources:
// every device format decodes to the right colours, short or corrupt
// pictures are refused rather than read past their end, and the synthetic
// camera streams its formats through the same decoding as a device.
#include <QTemporaryDir>
#include <QtTest>

#include "camera/synthetic_camera.h"
#include "camera/jpeg.h"
#include "core/text16.h"
#include "camera/pixel_formats.h"

#include <libyuv.h>
#include <linux/videodev2.h>

using namespace mirelo::camera;

namespace {

// A 8 x 4 picture: left half pure red, right half pure blue.
Frame redBlue()
{
    Frame f;
    f.resize(8, 4);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 8; ++x) {
            uint8_t *p = f.row(y) + x * 4;
            p[0] = x < 4 ? 0 : 255;
            p[1] = 0;
            p[2] = x < 4 ? 255 : 0;
            p[3] = 255;
        }
    return f;
}

// B, G, R of a pixel.
QVector<int> bgr(const Frame &f, int x, int y)
{
    const uint8_t *p = f.row(y) + x * 4;
    return {p[0], p[1], p[2]};
}

bool near(const QVector<int> &a, const QVector<int> &b, int tolerance)
{
    for (int i = 0; i < 3; ++i)
        if (std::abs(a[i] - b[i]) > tolerance)
            return false;
    return true;
}

} // namespace

class TestCameraFrames : public QObject
{
    Q_OBJECT
private slots:
    void rawFormatsDecodeToTheirColours()
    {
        const Frame src = redBlue();
        // R, G, B bytes (V4L2 RGB24) and B, G, R bytes (BGR24) of the same picture.
        std::vector<uint8_t> rgb, bgrBytes;
        for (int y = 0; y < 4; ++y)
            for (int x = 0; x < 8; ++x) {
                const uint8_t *p = src.row(y) + x * 4;
                rgb.insert(rgb.end(), {p[2], p[1], p[0]});
                bgrBytes.insert(bgrBytes.end(), {p[0], p[1], p[2]});
            }
        std::vector<uint8_t> yuy2(8 * 2 * 4);
        libyuv::ARGBToYUY2(src.pixels.data(), src.stride(), yuy2.data(), 16, 8, 4);
        std::vector<uint8_t> i420(8 * 4 + 2 * 4 * 2);
        libyuv::ARGBToI420(src.pixels.data(), src.stride(), i420.data(), 8, i420.data() + 32, 4,
                           i420.data() + 40, 4, 8, 4);

        std::vector<uint8_t> nv12(8 * 4 + 8 * 2);
        libyuv::ARGBToNV12(src.pixels.data(), src.stride(), nv12.data(), 8, nv12.data() + 32, 8, 8, 4);

        struct Case { uint32_t fourcc; const std::vector<uint8_t> *bytes; int stride; int tolerance; };
        const Case cases[] = {
            {V4L2_PIX_FMT_RGB24, &rgb, 24, 0},
            {V4L2_PIX_FMT_BGR24, &bgrBytes, 24, 0},
            {V4L2_PIX_FMT_YUYV, &yuy2, 16, 40},
            {V4L2_PIX_FMT_YUV420, &i420, 8, 40},
            {V4L2_PIX_FMT_NV12, &nv12, 8, 40},
            {V4L2_PIX_FMT_XBGR32, &src.pixels, 32, 0},
        };
        for (const Case &c : cases) {
            RawFrame raw{c.fourcc, 8, 4, c.stride, c.bytes->data(), c.bytes->size()};
            Frame out;
            QVERIFY2(decodeFrame(raw, out), qPrintable(QString::number(c.fourcc, 16)));
            QCOMPARE(out.width, 8);
            QCOMPARE(out.height, 4);
            QVERIFY2(near(bgr(out, 0, 0), {0, 0, 255}, c.tolerance), qPrintable(QString::number(c.fourcc, 16)));
            QVERIFY2(near(bgr(out, 7, 3), {255, 0, 0}, c.tolerance), qPrintable(QString::number(c.fourcc, 16)));
            QCOMPARE(int(out.row(2)[4 * 5 + 3]), 255); // opaque
        }
    }

    void greyPicturesStayGrey()
    {
        const std::vector<uint8_t> grey = {0, 64, 128, 255, 0, 64, 128, 255};
        Frame out;
        QVERIFY(decodeFrame(RawFrame{V4L2_PIX_FMT_GREY, 4, 2, 4, grey.data(), grey.size()}, out));
        QCOMPARE(bgr(out, 2, 1), QVector<int>({128, 128, 128}));
        QCOMPARE(bgr(out, 3, 0), QVector<int>({255, 255, 255}));
        QVERIFY(!decodeFrame(RawFrame{V4L2_PIX_FMT_GREY, 4, 3, 4, grey.data(), grey.size()}, out));
    }

    void shortOrCorruptPicturesAreRefused()
    {
        std::vector<uint8_t> bytes(8 * 2 * 4 - 1, 0x80); // one byte short of a YUY2 picture
        Frame out;
        QVERIFY(!decodeFrame(RawFrame{V4L2_PIX_FMT_YUYV, 8, 4, 16, bytes.data(), bytes.size()}, out));
        bytes.resize(64);
        QVERIFY(!decodeFrame(RawFrame{V4L2_PIX_FMT_YUYV, 8, 4, 8, bytes.data(), bytes.size()}, out)); // stride too small
        QVERIFY(!decodeFrame(RawFrame{V4L2_PIX_FMT_YUYV, 100000, 4, 0, bytes.data(), bytes.size()}, out));
        QVERIFY(!decodeFrame(RawFrame{V4L2_PIX_FMT_H264, 8, 4, 16, bytes.data(), bytes.size()}, out));

        std::vector<uint8_t> jpeg;
        QVERIFY(encodeJpeg(redBlue(), 90, jpeg));
        QVERIFY(decodeFrame(RawFrame{V4L2_PIX_FMT_MJPEG, 8, 4, 0, jpeg.data(), jpeg.size()}, out));
        QCOMPARE(out.width, 8);
        QVERIFY(!decodeFrame(RawFrame{V4L2_PIX_FMT_MJPEG, 8, 4, 0, jpeg.data(), 20}, out));
        std::vector<uint8_t> junk(500, 0x55);
        QVERIFY(!decodeFrame(RawFrame{V4L2_PIX_FMT_MJPEG, 8, 4, 0, junk.data(), junk.size()}, out));
    }

    void mirrorAndScale()
    {
        Frame f = redBlue();
        mirrorFrame(f);
        QCOMPARE(bgr(f, 0, 0), QVector<int>({255, 0, 0}));
        QCOMPARE(bgr(f, 7, 0), QVector<int>({0, 0, 255}));
        Frame big;
        scaleFrame(f, 80, 30, big);
        QCOMPARE(big.width, 80);
        QCOMPARE(big.height, 30);
        QVERIFY(near(bgr(big, 1, 1), {255, 0, 0}, 10));
        QVERIFY(near(bgr(big, 78, 28), {0, 0, 255}, 10));
    }

    void syntheticCameraStreamsEachFormat()
    {
        const CameraPtr cam = syntheticCamera();
        QCOMPARE(int(cam->formats.size()), 2);
        for (int i = 0; i < 2; ++i) {
            auto stream = makeStream(*cam);
            QCOMPARE(stream->open(*cam, i), 0);
            RawFrame raw;
            QCOMPARE(stream->read(raw, 1000), 1);
            QCOMPARE(raw.fourcc, cam->details[size_t(i)].fourcc);
            Frame out;
            QVERIFY(decodeFrame(raw, out));
            QCOMPARE(out.width, cam->formats[size_t(i)].width);
            QCOMPARE(out.height, cam->formats[size_t(i)].height);
            QVERIFY(near(bgr(out, 2, 2), {30, 30, 220}, 30)); // the red left edge
            stream->close();
            QCOMPARE(stream->read(raw, 10), -1);
        }
        QVERIFY(makeStream(*cam)->open(*cam, 2) != 0);
    }

    void folderWithoutDevicesListsNothing()
    {
        // Files named like device nodes that are not capture devices.
        QTemporaryDir dir;
        for (const char *n : {"video0", "video12", "videox", "video"}) {
            QFile f(dir.filePath(n));
            QVERIFY(f.open(QIODevice::WriteOnly));
        }
        QVERIFY(enumerateV4l2(dir.path().toStdString()).empty());
        QVERIFY(enumerateV4l2(dir.filePath("missing").toStdString()).empty());
    }

    void namesFitTheProgramsBuffer()
    {
        std::vector<char16_t> buf(MIRELO_NAME_BUFFER_UNITS + 8, u'#');
        mirelo::copyToUtf16("Caméra \xF0\x9F\x93\xB7", buf.data(), MIRELO_NAME_BUFFER_UNITS); // e-acute and a four-byte character
        QCOMPARE(QString::fromUtf16(buf.data()), QString::fromUtf8("Caméra \xF0\x9F\x93\xB7"));

        // Cut at 1023 units, and never between the halves of a surrogate pair.
        std::fill(buf.begin(), buf.end(), u'#');
        std::string longName(1022, 'a');
        longName += "\xF0\x9F\x93\xB7";
        mirelo::copyToUtf16(longName, buf.data(), MIRELO_NAME_BUFFER_UNITS);
        QCOMPARE(int(std::char_traits<char16_t>::length(buf.data())), 1022);
        QCOMPARE(buf[MIRELO_NAME_BUFFER_UNITS], u'#'); // nothing written past the buffer
        mirelo::copyToUtf16(std::string(5000, 'b'), buf.data(), MIRELO_NAME_BUFFER_UNITS);
        QCOMPARE(int(std::char_traits<char16_t>::length(buf.data())), MIRELO_NAME_BUFFER_UNITS - 1);
        QCOMPARE(buf[MIRELO_NAME_BUFFER_UNITS], u'#');

        // Bytes that are not UTF-8 (a lone continuation, a cut sequence, an
        // overlong form) become replacement characters, never lost text.
        mirelo::copyToUtf16("a\x80" "b\xE2\x82" "z\xC0\xAF" "c", buf.data(), MIRELO_NAME_BUFFER_UNITS);
        const QString got = QString::fromUtf16(buf.data());
        QVERIFY(got.startsWith(QStringLiteral("a\uFFFDb\uFFFDz")));
        QVERIFY(got.endsWith(QLatin1Char('c')));
    }

    void photoFileReplacesAtomically()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("p.jpg");
        QCOMPARE(writeJpegFile(redBlue(), path.toStdString()), 0);
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.read(2), QByteArray("\xff\xd8"));
        QVERIFY(!QFile::exists(path + ".part"));
        QVERIFY(writeJpegFile(Frame(), path.toStdString()) < 0);
        QVERIFY(QFile::exists(path)); // a failed photo leaves the earlier file

        // A link planted at the working name (a shared folder) is not
        // written through: its target stays, the photo is written anyway.
        const QString victim = dir.filePath("victim.txt");
        {
            QFile v(victim);
            QVERIFY(v.open(QIODevice::WriteOnly));
            v.write("kept");
        }
        const QString other = dir.filePath("q.jpg");
        QVERIFY(QFile::link(victim, other + ".part"));
        QCOMPARE(writeJpegFile(redBlue(), other.toStdString()), 0);
        QFile v(victim);
        QVERIFY(v.open(QIODevice::ReadOnly));
        QCOMPARE(v.readAll(), QByteArray("kept"));
        QFile photo(other);
        QVERIFY(photo.open(QIODevice::ReadOnly));
        QCOMPARE(photo.read(2), QByteArray("\xff\xd8"));
    }
};

QTEST_GUILESS_MAIN(TestCameraFrames)
#include "tst_camera_frames.moc"
