// Device texts into the program's fixed UTF-16 buffers: never past the
// buffer, never half a character.
#include <QtTest>

#include "core/text16.h"

using mirelo::copyToUtf16;

class TestAudioText16 : public QObject
{
    Q_OBJECT
private slots:
    void convertsUtf8()
    {
        char16_t buf[16];
        QCOMPARE(copyToUtf16(u8"Mikro \u00e9\u20ac", buf, 16), 8);
        QCOMPARE(QString::fromUtf16(buf), QStringLiteral(u"Mikro \u00e9\u20ac"));
        QCOMPARE(copyToUtf16(u8"\U0001F3A4", buf, 16), 2);
        QCOMPARE(QString::fromUtf16(buf), QString::fromUcs4(U"\U0001F3A4"));
    }

    void cutsToTheBufferWithATerminator()
    {
        char16_t buf[8];
        std::fill(std::begin(buf), std::end(buf), char16_t(0xBEEF));
        QCOMPARE(copyToUtf16("abcdefghijkl", buf, 5), 4);
        QCOMPARE(QString::fromUtf16(buf), QStringLiteral("abcd"));
        QCOMPARE(int(buf[5]), 0xBEEF);
        // Exactly full.
        QCOMPARE(copyToUtf16("abcd", buf, 5), 4);
        QCOMPARE(int(buf[4]), 0);
    }

    void neverSplitsASurrogatePair()
    {
        char16_t buf[4];
        // "ab" then a character needing two units: only one unit is left.
        QCOMPARE(copyToUtf16(u8"ab\U0001F3A4", buf, 4), 2);
        QCOMPARE(QString::fromUtf16(buf), QStringLiteral("ab"));
    }

    void replacesMalformedInput()
    {
        char16_t buf[16];
        QCOMPARE(copyToUtf16("a\xff" "b\xc3", buf, 16), 4);
        QCOMPARE(QString::fromUtf16(buf), QStringLiteral(u"a\ufffdb\ufffd"));
        // An over-long encoding of '/' and an encoded surrogate are refused.
        QCOMPARE(copyToUtf16("\xc0\xaf\xed\xa0\x80", buf, 16), 2);
        QCOMPARE(QString::fromUtf16(buf), QStringLiteral(u"\ufffd\ufffd"));
    }

    void toleratesNoRoom()
    {
        char16_t buf[1] = {char16_t(0xBEEF)};
        QCOMPARE(copyToUtf16("abc", buf, 1), 0);
        QCOMPARE(int(buf[0]), 0);
        QCOMPARE(copyToUtf16("abc", nullptr, 10), 0);
    }
};

QTEST_GUILESS_MAIN(TestAudioText16)
#include "tst_audio_text16.moc"
