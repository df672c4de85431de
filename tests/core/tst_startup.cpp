// The command-line rules of start-up.
#include <QtTest>

#include "startup.h"

namespace {
// argv of a command line; the first word is the program.
struct Args {
    explicit Args(const QStringList &words)
    {
        for (const QString &w : words)
            data.append(w.toUtf8());
        for (QByteArray &d : data)
            ptrs.append(d.data());
        ptrs.append(nullptr);
    }
    int argc() const { return data.size(); }
    char **argv() { return ptrs.data(); }
    QList<QByteArray> data;
    QVector<char *> ptrs;
};
} // namespace

class TestStartup : public QObject
{
    Q_OBJECT
private slots:
    void taskArgument_data()
    {
        QTest::addColumn<QStringList>("words");
        QTest::addColumn<QString>("task");
        QTest::newRow("none") << QStringList{"mirelo"} << QString();
        QTest::newRow("one pair") << QStringList{"mirelo", "-Task", "job-1"} << "job-1";
        QTest::newRow("last pair wins") << QStringList{"mirelo", "-Task", "a", "-Task", "b"} << "b";
        QTest::newRow("trailing switch") << QStringList{"mirelo", "-Task"} << QString();
        QTest::newRow("trailing after pair") << QStringList{"mirelo", "-Task", "a", "-Task"} << "a";
        QTest::newRow("lower case is not the switch") << QStringList{"mirelo", "-task", "a"} << QString();
        QTest::newRow("program name is skipped") << QStringList{"-Task", "x"} << QString();
        // The value is taken as it is, even when it looks like the switch.
        QTest::newRow("value is skipped") << QStringList{"mirelo", "-Task", "-Task", "z"} << "-Task";
        QTest::newRow("utf-8 value") << QStringList{"mirelo", "-Task", "Zeitplan \u00e4"} << QString("Zeitplan \u00e4");
    }
    void taskArgument()
    {
        QFETCH(QStringList, words);
        QFETCH(QString, task);
        Args args(words);
        QCOMPARE(::taskArgument(args.argc(), args.argv()), task);
    }

    void countModeEvent_data()
    {
        QTest::addColumn<QStringList>("words");
        QTest::addColumn<int>("event");
        QTest::newRow("install") << QStringList{"mirelo", "--count--url--", "install"} << 2;
        QTest::newRow("uninstall") << QStringList{"mirelo", "--count--url--", "uninstall"} << 3;
        QTest::newRow("switch in capitals") << QStringList{"mirelo", "--COUNT--URL--", "install"} << 2;
        QTest::newRow("mode word capitalised") << QStringList{"mirelo", "--count--url--", "Install"} << -1;
        QTest::newRow("unknown mode") << QStringList{"mirelo", "--count--url--", "update"} << -1;
        QTest::newRow("missing mode") << QStringList{"mirelo", "--count--url--"} << -1;
        QTest::newRow("extra word") << QStringList{"mirelo", "--count--url--", "install", "x"} << -1;
        QTest::newRow("other switch") << QStringList{"mirelo", "-Task", "install"} << -1;
    }
    void countModeEvent()
    {
        QFETCH(QStringList, words);
        QFETCH(int, event);
        Args args(words);
        QCOMPARE(::countModeEvent(args.argc(), args.argv()), event);
    }

    void statisticsAddressKeepsTheQuery()
    {
        QCOMPARE(statisticsAddress("http://127.0.0.1:8080/s?a=1", 0), QString("http://127.0.0.1:8080/s?a=1&open="));
        QCOMPARE(statisticsAddress("stats.example.org/p", 2), QString("http://stats.example.org/p?install="));
        QCOMPARE(statisticsAddress("http://h/p", 3), QString("http://h/p?uninstall="));
        QCOMPARE(statisticsAddress("http://h/p", 9), QString("http://h/p"));
    }
};

QTEST_GUILESS_MAIN(TestStartup)
#include "tst_startup.moc"
