// The vocabulary tables are stored by index in settings and handed to the
// engine by index, so their order and contents must not drift.
#include <QtTest>

#include "vocabulary.h"

class TestVocabulary : public QObject
{
    Q_OBJECT
private slots:
    void formatListsOfferOneEntryEach()
    {
        QCOMPARE(QString(g_videoFormats[0]), QStringLiteral("MP4"));
        QCOMPARE(QString(g_audioFormats[0]), QStringLiteral("MP3"));
        for (int i = 1; i < VIDEO_FORMAT_COUNT; ++i)
            QVERIFY(QString(g_videoFormats[i]).isEmpty());
        for (int i = 1; i < AUDIO_FORMAT_COUNT; ++i)
            QVERIFY(QString(g_audioFormats[i]).isEmpty());
        QCOMPARE(QString(g_imageFormats[0]), QStringLiteral("JPG"));
    }

    void ratesConvertAndDefaultsPointAtTheRightEntries()
    {
        QCOMPARE(QString(g_frameRates[4]).toFloat(), 23.97f);
        QCOMPARE(QString(g_frameRates[6]), QStringLiteral("25"));
        QCOMPARE(QString(g_frameRates[FRAME_RATE_COUNT - 1]), QStringLiteral("60"));
        QCOMPARE(QString(g_sampleRates[1]).toInt(), 44100);
        QCOMPARE(QString(g_qualityNames[1]), QStringLiteral("Medium"));
    }

    void indexedNames()
    {
        QCOMPARE(QString(g_cameraPixelFormats[4]), QStringLiteral("MJPG"));
        QCOMPARE(QString(g_cameraPixelFormats[0]), QStringLiteral("UNKNOWN"));
        QCOMPARE(QString(g_videoEncoderNames[2]), QStringLiteral("Nvidia Hardware Encoder"));
        QCOMPARE(QString(g_videoEncoderNames[3]), QStringLiteral("AMD Hardware Encoder"));
        QCOMPARE(QString(g_mimeMultipartTypes[2]), QStringLiteral("multipart/alternative"));
        QCOMPARE(QString(g_mimeMultipartTypes[6]), QStringLiteral("multipart/encrypted"));
        QCOMPARE(QString(g_updatePlatformWord), QStringLiteral("windows"));
    }

    void skinNamesInOrder()
    {
        QCOMPARE(skinNames(), (QStringList{QStringLiteral("Style1"), QStringLiteral("Style2")}));
    }

    void containersStartEmpty()
    {
        QVERIFY(pinnedScreenshots().isEmpty());
        QVERIFY(hotkeyRegistry().isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestVocabulary)
#include "tst_vocabulary.moc"
