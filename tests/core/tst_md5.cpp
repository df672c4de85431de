// The digest must match RFC 1321 and md5sum byte for byte: the updater
// decides from it whether an installed file differs.
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

#include "md5.h"

static QString digest(const QByteArray &bytes)
{
    MD5 md5;
    md5.update(bytes.constData(), std::size_t(bytes.size()));
    return QString::fromStdString(md5.hexdigest());
}

class TestMd5 : public QObject
{
    Q_OBJECT
private slots:
    void rfc1321Suite_data()
    {
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<QString>("expected");
        QTest::newRow("empty") << QByteArray() << "d41d8cd98f00b204e9800998ecf8427e";
        QTest::newRow("a") << QByteArray("a") << "0cc175b9c0f1b6a831c399e269772661";
        QTest::newRow("abc") << QByteArray("abc") << "900150983cd24fb0d6963f7d28e17f72";
        QTest::newRow("message digest") << QByteArray("message digest")
                                        << "f96b697d7cb7938d525a2f31aaf161d0";
        QTest::newRow("a-z") << QByteArray("abcdefghijklmnopqrstuvwxyz")
                             << "c3fcd3d76192e4007dfb496cca67e13b";
        QTest::newRow("alnum")
            << QByteArray("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789")
            << "d174ab98d277d9f5a5611c2c9f419d9f";
        QTest::newRow("digits") << QByteArray("1234567890").repeated(8)
                                << "57edf4a22be3c955ac49da2e2107b67a";
    }
    void rfc1321Suite()
    {
        QFETCH(QByteArray, input);
        QFETCH(QString, expected);
        QCOMPARE(digest(input), expected);
    }

    void chunkingDoesNotMatter()
    {
        QByteArray data(10000, '\0');
        for (int i = 0; i < data.size(); ++i)
            data[i] = char(QRandomGenerator::global()->bounded(256));
        const QString whole = digest(data);
        for (int chunk : {1, 7, 55, 56, 63, 64, 65, 1000}) {
            MD5 md5;
            for (int at = 0; at < data.size(); at += chunk)
                md5.update(data.constData() + at, std::size_t(qMin(chunk, data.size() - at)));
            QCOMPARE(QString::fromStdString(md5.hexdigest()), whole);
        }
    }

    void digestIsRepeatableAndUpdatesContinue()
    {
        MD5 md5;
        md5.update("message ", 8);
        const std::string first = md5.hexdigest();
        QCOMPARE(md5.hexdigest(), first);
        md5.update("digest", 6);
        QCOMPARE(QString::fromStdString(md5.hexdigest()),
                 QStringLiteral("f96b697d7cb7938d525a2f31aaf161d0"));
        md5.init();
        QCOMPARE(QString::fromStdString(md5.hexdigest()),
                 QStringLiteral("d41d8cd98f00b204e9800998ecf8427e"));
    }

    void binaryFileMatchesMd5sum()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("binary.bin"));
        QByteArray data("line one\r\nline two\n\0\0\r\r\n", 25);
        for (int i = 0; i < 200000; ++i)
            data += char(QRandomGenerator::global()->bounded(256));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(data);
        file.close();

        QProcess md5sum;
        md5sum.start(QStringLiteral("md5sum"), {path});
        QVERIFY(md5sum.waitForFinished());
        const QString expected = QString::fromLatin1(md5sum.readAllStandardOutput().left(32));
        QCOMPARE(fileMd5(path), expected);
        QCOMPARE(fileMd5(dir.filePath(QStringLiteral("absent"))), QString());
    }
};

QTEST_GUILESS_MAIN(TestMd5)
#include "tst_md5.moc"
