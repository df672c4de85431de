// The records handed to the engine: their byte layout and how the builders
// fill them.
#include <QtTest>

#include <cstddef>
#include <cstring>

#include "datagroupmouse.h"
#include "datagroupoutput.h"
#include "enginerecords.h"
#include "globaldefs.h"

namespace {

bool allZero(const void *p, size_t n)
{
    const auto *b = static_cast<const unsigned char *>(p);
    for (size_t i = 0; i < n; ++i) {
        if (b[i])
            return false;
    }
    return true;
}

int32_t at(const void *record, size_t offset)
{
    int32_t v;
    std::memcpy(&v, static_cast<const char *>(record) + offset, 4);
    return v;
}

RecordSettings videoJob()
{
    RecordSettings s;
    s.filePath = QStringLiteral("/tmp/Vidéo_26-01-02_10-00-01.mp4");
    s.hardwareEncoder = ENCODER_NVIDIA;
    s.captureSize = QSize(1280, 720);
    s.frameRate = 23.97f;
    s.videoQuality = 0;
    s.systemSound = true;
    s.microphone = true;
    s.sampleRate = 48000;
    s.audioQuality = 2;
    s.captureCursor = true;
    s.recordClicks = true;
    s.clickColor = 0x123456;
    s.clickRadius = 21;
    s.sourceKind = 2;
    s.textWatermark = true;
    return s;
}

} // namespace

class TestEngineRecords : public QObject
{
    Q_OBJECT
private slots:
    void layouts()
    {
        QCOMPARE(sizeof(MireloCaptureRect), size_t(16));
        QCOMPARE(offsetof(MireloEncoderAdapter, family), size_t(208));
        QCOMPARE(sizeof(CameraFormat), size_t(16));
        QCOMPARE(sizeof(RecordParams), size_t(88));
        QCOMPARE(sizeof(WatermarkParams), size_t(96));
        QCOMPARE(offsetof(RecordParams, clickColor), size_t(64));
        QCOMPARE(offsetof(RecordParams, imageWatermark), size_t(84));
        QCOMPARE(offsetof(WatermarkParams, text), size_t(72));
        QCOMPARE(offsetof(WatermarkParams, transparency), size_t(80));
    }

    void captureRectangle()
    {
        const MireloCaptureRect even = engineCaptureRect(QRect(QPoint(10, 20), QSize(1281, 721)), true);
        QCOMPARE(even.left, 10);
        QCOMPARE(even.top, 20);
        QCOMPARE(even.right, 10 + 1280);
        QCOMPARE(even.bottom, 20 + 720);
        const MireloCaptureRect moved = engineCaptureRect(QRect(QPoint(-5, 3), QSize(1281, 721)), false);
        QCOMPARE(moved.left, -5);
        QCOMPARE(moved.right, -5 + 1281); // right + 1
        QCOMPARE(moved.bottom, 3 + 721);
    }

    void colours()
    {
        QCOMPARE(engineColor(qlonglong(0x123456)), 0x563412);
        QCOMPARE(engineColor(qlonglong(0xff0000)), 0x0000ff);
        QCOMPARE(engineColor(QColor(0x00, 0x80, 0xff)), 0xff8000);
    }

    void videoParameters()
    {
        RecordParamsBlock block;
        block.fill(videoJob());
        const RecordParams *p = block.params();
        QCOMPARE(QString::fromUtf8(p->filePath), videoJob().filePath);
        QCOMPARE(p->formatCode, 0);
        QCOMPARE(p->streamCode, 3);
        QCOMPARE(p->hardwareEncoder, 2);
        QCOMPARE(p->width, 1280);
        QCOMPARE(p->height, 720);
        QCOMPARE(p->frameRate, 23.97f);
        QCOMPARE(p->videoQuality, 0);
        QCOMPARE(p->audioSources, 12);
        QCOMPARE(p->fixedCode, 2);
        QCOMPARE(p->sampleRate, 48000);
        QCOMPARE(p->audioQuality, 2);
        QCOMPARE(p->audioOnly, 0);
        QCOMPARE(p->captureCursor, 1);
        QCOMPARE(p->recordClicks, 1);
        QCOMPARE(at(p, 64), 0x563412);
        QCOMPARE(p->clickRadius, 21);
        QCOMPARE(p->sourceKind, 2);
        QCOMPARE(p->reserved76, 0);
        QCOMPARE(p->textWatermark, 1);
        QCOMPARE(p->imageWatermark, 0);
    }

    void settingsPartFromTheGroups()
    {
        DataGroupOutput output(nullptr, true, 4); // AMD usable
        DataGroupMouse mouse;
        output.setVideoFrameRate(7);
        output.setAudioSampleRate(2);
        output.setVideoQuality(2);
        mouse.setMouseClickColor(0x0000ff);
        mouse.setRecordMouseClicks(true);
        RecordSettings s;
        fillRecordSettings(&s, &output, &mouse);
        RecordParamsBlock block;
        block.fill(s);
        QCOMPARE(block.params()->hardwareEncoder, 4); // family, not type 3
        QCOMPARE(block.params()->frameRate, 29.97f);
        QCOMPARE(block.params()->sampleRate, 32000);
        QCOMPARE(block.params()->videoQuality, 2);
        QCOMPARE(block.params()->audioQuality, 1);
        QCOMPARE(block.params()->clickColor, 0xff0000);
        QCOMPARE(block.params()->recordClicks, 1);
        QCOMPARE(block.params()->clickRadius, 15);
    }

    void alternativeFormatCodes()
    {
        RecordSettings s = videoJob();
        for (int format : {8, 9}) {
            s.videoFormat = format;
            RecordParamsBlock block;
            block.fill(s);
            QCOMPARE(block.params()->formatCode, 2);
            QCOMPARE(block.params()->streamCode, 5);
        }
    }

    void audioOnlyLeavesVideoFieldsZero()
    {
        RecordSettings s = videoJob();
        s.audioOnly = true;
        s.filePath = QStringLiteral("/tmp/Audio.mp3");
        s.systemSound = false;
        RecordParamsBlock block;
        block.fill(videoJob()); // a refill forgets the earlier job
        block.fill(s);
        const RecordParams *p = block.params();
        QVERIFY(allZero(reinterpret_cast<const char *>(p) + 8, 24));  // 8..28
        QCOMPARE(p->streamCode, 0);
        QVERIFY(allZero(reinterpret_cast<const char *>(p) + 56, 20)); // 56..72
        QCOMPARE(p->audioSources, 8);
        QCOMPARE(p->fixedCode, 2);
        QCOMPARE(p->sampleRate, 48000);
        QCOMPARE(p->audioOnly, 1);
        QCOMPARE(QByteArray(p->filePath), QByteArray("/tmp/Audio.mp3"));
    }

    void textWatermark()
    {
        WatermarkSettings s;
        s.kind = WATERMARK_TEXT;
        s.rect = QRect(QPoint(4, 6), QSize(100, 30));
        s.font = QFont(QStringLiteral("DejaVu Sans"), 18);
        s.font.setWeight(58);
        s.font.setItalic(true);
        s.font.setStrikeOut(true);
        s.color = QColor(0x11, 0x22, 0x33);
        s.text = QStringLiteral("© Mirelo");
        s.alpha = 51;
        WatermarkParamsBlock block;
        block.fill(s);
        const WatermarkParams *p = block.params();
        QCOMPARE(p->kind, int(MIRELO_WATERMARK_TEXT));
        QCOMPARE(p->left, 4);
        QCOMPARE(p->top, 6);
        QCOMPARE(p->right, 104);
        QCOMPARE(p->bottom, 36);
        QVERIFY(!p->imagePath);
        QCOMPARE(p->fontPointSize, 18);
        QCOMPARE(QString::fromUtf16(p->fontFamily), QStringLiteral("DejaVu Sans"));
        QCOMPARE(p->bold, 1);
        QCOMPARE(p->italic, 1);
        QCOMPARE(p->underline, 0);
        QCOMPARE(p->strikeOut, 1);
        QCOMPARE(p->textColor, 0x332211); // whole colour, not only red
        QCOMPARE(QString::fromUtf16(p->text), QStringLiteral("© Mirelo"));
        QCOMPARE(p->transparency, 0.8f);

        s.font.setWeight(57);
        s.alpha = 255;
        block.fill(s);
        QCOMPARE(block.params()->bold, 0);
        QCOMPARE(block.params()->transparency, 0.0f);
    }

    void imageWatermarkAndNone()
    {
        WatermarkSettings s;
        s.kind = WATERMARK_IMAGE;
        s.rect = QRect(0, 0, 64, 32);
        s.imagePath = QStringLiteral("/home/u/логотип.png");
        s.alpha = 0;
        WatermarkParamsBlock block;
        block.fill(s);
        const WatermarkParams *p = block.params();
        QCOMPARE(p->kind, int(MIRELO_WATERMARK_IMAGE));
        QCOMPARE(QString::fromUtf16(p->imagePath), s.imagePath);
        QVERIFY(!p->text);
        QVERIFY(!p->fontFamily);
        QCOMPARE(p->transparency, 1.0f);

        for (int kind : {int(WATERMARK_NONE), 3, -1}) {
            s.kind = kind;
            block.fill(s);
            QVERIFY2(allZero(block.params(), sizeof(WatermarkParams)), qPrintable(QString::number(kind)));
        }
    }
};

QTEST_GUILESS_MAIN(TestEngineRecords)
#include "tst_enginerecords.moc"
