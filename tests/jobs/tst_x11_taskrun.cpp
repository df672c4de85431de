// A task made through the windows of the running program, with its real
// engine: the main window's Task Schedule button, New Task, a name, a start
// shortly ahead and a 5 s length. The store writes the task file, and once
// the window is closed the program records at that time and History.xml
// lists the video.
#include <QtTest>

#include "byhand.h"
#include "programrun.h"

using namespace testsupport;

namespace {
// A visible window of the process with exactly this size, or empty.
QString windowOfSize(qint64 pid, const QSize &size, int timeoutMs)
{
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < timeoutMs) {
        for (const QString &id : visibleWindows(pid))
            if (windowGeometry(id).size() == size)
                return id;
        QThread::msleep(100);
    }
    return QString();
}
bool clickAt(const QString &window, int x, int y)
{
    const QRect g = windowGeometry(window);
    return xdotool({"mousemove", QString::number(g.x() + x), QString::number(g.y() + y), "click", "1"});
}
// Replaces the text of the editor under (x, y) by typing.
bool typeInto(const QString &window, int x, int y, const QString &text)
{
    return xdotool({"windowfocus", "--sync", window}) && clickAt(window, x, y)
           && xdotool({"key", "ctrl+a", "type", "--delay", "30", text});
}
// Answers the small message window with Return.
bool answer(qint64 pid, const QString &text = QString())
{
    const QString prompt = waitForWindow(pid, QStringLiteral("Olvex Free Mirelo"), isMessageSize, 20000);
    if (prompt.isEmpty() || !xdotool({"windowfocus", "--sync", prompt}))
        return false;
    if (!text.isEmpty() && !xdotool({"key", "ctrl+a", "type", text}))
        return false;
    return xdotool({"key", "Return"});
}
QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
} // namespace

class TestTaskRun : public QObject
{
    Q_OBJECT
private slots:
    void aTaskMadeInTheWindowsRecordsAtItsTime()
    {
        ProgramUser user;
        QProcess p;
        QVERIFY(startProgram(p, user, {}));
        const qint64 pid = p.processId();
        const QString main = waitForWindow(pid, QStringLiteral("Olvex Free Mirelo"), isMainFrameSize, 60000);
        QVERIFY(!main.isEmpty());
        // Drawn once the button stands still.
        const QRect g = windowGeometry(main);
        QVERIFY(waitStill(QRect(g.topLeft() + QPoint(440, 261), QSize(80, 40))));
        QVERIFY(clickAt(main, 480, 281)); // "Task Schedule"
        const QString tasks = windowOfSize(pid, QSize(700, 600), 20000);
        QVERIFY(!tasks.isEmpty());
        QVERIFY(clickAt(tasks, 80, 60)); // "New Task"
        QVERIFY(answer(pid, QStringLiteral("Timed")));
        const QString form = windowOfSize(pid, QSize(650, 550), 20000);
        QVERIFY(!form.isEmpty());
        // A new task starts three minutes ahead: two minutes back.
        QVERIFY(xdotool({"windowfocus", "--sync", form}) && clickAt(form, 250, 103)); // the start editor
        QVERIFY(xdotool({"key", "Down", "Down"}));
        const QDateTime start = QDateTime::currentDateTime();
        QVERIFY(typeInto(form, 170, 166, QStringLiteral("00:00:05"))); // the length editor
        QVERIFY(clickAt(form, 588, 524)); // OK
        QVERIFY(answer(pid)); // "Operation successfully done."
        const QString log = user.dataFolder() + QStringLiteral("Log/myrun.log");
        QTRY_VERIFY_WITH_TIMEOUT(readAll(log).contains("taskschedule save"), 20000);
        QVERIFY2(readAll(log).contains("taskschedule save success"), readAll(log).constData());

        const QDir folder(user.dataFolder() + QStringLiteral("Tasks/Olvex Free Mirelo/1.1"));
        const QStringList files = folder.entryList({QStringLiteral("*.xml")}, QDir::Files);
        QCOMPARE(files.size(), 1);
        const QByteArray task = readAll(folder.filePath(files.first()));
        QVERIFY2(task.contains("<Description>Timed</Description>") && task.contains(",5;")
                     && task.contains("enabled=\"1\""),
                 task.constData());

        QVERIFY(clickAt(tasks, 672, 18)); // close: the firing timer runs again
        const QString history = user.dataFolder() + QStringLiteral("History.xml");
        // The job is due about a minute ahead; then it records 5 s and the
        // file is finished. A loaded machine takes longer for the last two.
        QTRY_VERIFY_WITH_TIMEOUT(readAll(history).contains(".mp4"), 150000);
        QVERIFY2(QDateTime::currentDateTime() >= start, readAll(history).constData());
        const QRegularExpression item(QStringLiteral("FileName=\"([^\"]+\\.mp4)\".*Duration=\"(\\d+)\""));
        const QRegularExpressionMatch m = item.match(QString::fromUtf8(readAll(history)));
        QVERIFY(m.hasMatch());
        QVERIFY(QFileInfo(m.captured(1)).size() > 0);
        QVERIFY2(m.captured(2).toInt() >= 4000, qPrintable(m.captured(2)));
        stopProgram(p);
    }
};

QTEST_GUILESS_MAIN(TestTaskRun)
#include "tst_x11_taskrun.moc"
