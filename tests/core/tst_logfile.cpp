// The log writer: exact line format, rotation at start and lines lost while
// closed.
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include "logfile.h"

static QByteArray readAll(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.readAll();
}

static void writeBytes(const QString &path, qint64 size)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QVERIFY(file.write(QByteArray(int(size), 'a')) == size);
}

class TestLogFile : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;
    QString path(const char *name) const { return m_dir.filePath(QString::fromLatin1(name)); }

private slots:
    void untimedLineIsTagAndText()
    {
        const QString file = path("plain.log");
        {
            LogFile log(file);
            log.write(0, QStringLiteral("x"), false);
            // Flushed at once: visible before the writer goes away.
            QCOMPARE(readAll(file), QByteArray("[Info]x\n"));
            log.write(1, QStringLiteral("y"), false);
        }
        QCOMPARE(readAll(file), QByteArray("[Info]x\n[Waring]y\n"));
    }

    void timedLinesCarryTheDate()
    {
        const QString file = path("timed.log");
        {
            LogFile log(file);
            log.write(0, QStringLiteral("a"), true);
            log.writeMs(0, "b", true);
        }
        const QList<QByteArray> lines = readAll(file).split('\n');
        QCOMPARE(lines.size(), 3);
        const QRegularExpression timed(
            QStringLiteral("^\\[Info\\]a <date time=\\d{1,2}-\\d{1,2}-\\d{4}  \\d{1,2}:\\d{1,2}:\\d{1,2}>$"));
        const QRegularExpression timedMs(QStringLiteral(
            "^\\[Info\\]b <date time=\\d{1,2}-\\d{1,2}-\\d{4}  \\d{1,2}:\\d{1,2}:\\d{1,2}:\\d{1,3}>$"));
        QVERIFY2(timed.match(QString::fromUtf8(lines[0])).hasMatch(), lines[0].constData());
        QVERIFY2(timedMs.match(QString::fromUtf8(lines[1])).hasMatch(), lines[1].constData());
    }

    void nonAsciiIsWrittenAsUtf8()
    {
        const QString file = path("utf8.log");
        {
            LogFile log(file);
            log.write(0, QStringLiteral("Größe 日本"), false);
            log.writeMs(0, "caf\xc3\xa9", false);
        }
        QCOMPARE(readAll(file), QStringLiteral("[Info]Größe 日本\n[Info]café\n").toUtf8());
    }

    void fileAboveOneMebibyteStartsAnew()
    {
        const QString big = path("big.log");
        writeBytes(big, LogFile::MAX_SIZE + 1);
        {
            LogFile log(big);
            log.write(0, QStringLiteral("new"), false);
        }
        QCOMPARE(readAll(big), QByteArray("[Info]new\n"));

        const QString limit = path("limit.log");
        writeBytes(limit, LogFile::MAX_SIZE);
        {
            LogFile log(limit);
            log.write(0, QStringLiteral("more"), false);
        }
        QCOMPARE(QFileInfo(limit).size(), LogFile::MAX_SIZE + 11);
    }

    void linesWhileClosedAreLost()
    {
        const QString file = path("closed.log");
        LogFile log(file);
        log.write(0, QStringLiteral("one"), false);
        log.close();
        log.write(0, QStringLiteral("lost"), false);
        log.open();
        log.open(); // no effect while open
        log.write(0, QStringLiteral("two"), false);
        QCOMPARE(readAll(file), QByteArray("[Info]one\n[Info]two\n"));
    }

    void unopenableFileWritesNothing()
    {
        LogFile log(path("missing/folder/x.log"));
        log.write(0, QStringLiteral("nowhere"), true);
        QVERIFY(!QFile::exists(path("missing/folder/x.log")));
    }

    void runLogHelperToleratesNoLog()
    {
        QVERIFY(!g_runLog);
        runLog(QStringLiteral("dropped"));
        runLogMs("dropped");
        const QString file = path("run.log");
        g_runLog = new LogFile(file);
        runLog(QStringLiteral("kept"), false);
        delete g_runLog;
        g_runLog = nullptr;
        runLog(QStringLiteral("dropped again"));
        QCOMPARE(readAll(file), QByteArray("[Info]kept\n"));
    }
};

QTEST_GUILESS_MAIN(TestLogFile)
#include "tst_logfile.moc"
