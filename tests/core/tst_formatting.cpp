// Display texts: byte-size thresholds, durations beyond 99 hours, colours and
// the engine's UTF-16 buffers.
#include <QtTest>

#include "formatting.h"

class TestFormatting : public QObject
{
    Q_OBJECT
private slots:
    void byteSizes_data()
    {
        QTest::addColumn<quint64>("bytes");
        QTest::addColumn<int>("decimals");
        QTest::addColumn<QString>("text");
        QTest::newRow("zero") << quint64(0) << 2 << "0 bytes";
        QTest::newRow("1024") << quint64(1024) << 2 << "1024 bytes";
        QTest::newRow("1025") << quint64(1025) << 2 << "1.00 KB";
        QTest::newRow("1536") << quint64(1536) << 2 << "1.50 KB";
        QTest::newRow("1 MiB") << quint64(0x100000) << 2 << "1024.00 KB";
        QTest::newRow("1 MiB + 1") << quint64(0x100001) << 2 << "1.00 MB";
        QTest::newRow("1 GiB") << quint64(0x40000000) << 2 << "1024.00 MB";
        QTest::newRow("3 GiB") << quint64(3) * 0x40000000 << 2 << "3.00 GB";
        QTest::newRow("history 12 MB") << quint64(12) * 0x100000 + 300000 << 0 << "12 MB";
        QTest::newRow("above 4 GiB") << quint64(5) * 0x40000000 + 0x20000000 << 1 << "5.5 GB";
    }
    void byteSizes()
    {
        QFETCH(quint64, bytes);
        QFETCH(int, decimals);
        QFETCH(QString, text);
        QCOMPARE(formatByteSize(bytes, decimals), text);
    }

    void durations()
    {
        QCOMPARE(formatDuration(0), QStringLiteral("00:00:00"));
        QCOMPARE(formatDuration(999), QStringLiteral("00:00:00"));
        QCOMPARE(formatDuration(3599999), QStringLiteral("00:59:59"));
        QCOMPARE(formatDuration(360000000), QStringLiteral("100:00:00"));
        int h = -1, m = -1, s = -1;
        splitDuration(3723999, h, m, s);
        QCOMPARE(QVector<int>({h, m, s}), QVector<int>({1, 2, 3}));
    }

    void colours()
    {
        QCOMPARE(colorToHex(QColor(255, 0, 0)), QStringLiteral("ff0000"));
        QCOMPARE(colorToHex(QColor(255, 0, 0, 0)), QStringLiteral("ff0000"));
        QCOMPARE(colorToHex(QColor(1, 171, 15)), QStringLiteral("01ab0f"));
    }

    void utf16Texts()
    {
        const char16_t empty[] = {0};
        QCOMPARE(qStringFromUtf16(empty), QString());
        QCOMPARE(qStringFromUtf16(nullptr), QString());

        const QString name = QStringLiteral("Mikrofon (USB) 麦克风 🎤");
        const std::u16string copy = qStringUtf16(name);
        QCOMPARE(copy.c_str()[copy.size()], char16_t(0));
        QCOMPARE(qStringFromUtf16(copy.c_str()), name);

        // A full buffer without a terminator stops at its end.
        char16_t buffer[ENGINE_TEXT_UNITS + 8];
        for (char16_t &c : buffer)
            c = u'x';
        QCOMPARE(qStringFromUtf16(buffer).size(), ENGINE_TEXT_UNITS);
        QCOMPARE(qStringFromUtf16(buffer, 3), QStringLiteral("xxx"));
    }
};

QTEST_GUILESS_MAIN(TestFormatting)
#include "tst_formatting.moc"
