// The History window on a private X server: the caption moves it and the
// bottom-right edges resize it, with the pointer driven by xdotool.
#include <QtTest>

#include "history.h"
#include "historylist.h"
#include "ui_history.h"

namespace {
// Runs xdotool beside the event loop, which must keep taking the events.
bool xdotool(const QStringList &arguments)
{
    QProcess p;
    p.start(QStringLiteral("xdotool"), arguments);
    if (!p.waitForStarted())
        return false;
    QElapsedTimer clock;
    clock.start();
    while (p.state() != QProcess::NotRunning && clock.elapsed() < 10000)
        QTest::qWait(20);
    return p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}
QStringList drag(const QPoint &from, int dx, int dy)
{
    return {"mousemove", QString::number(from.x()), QString::number(from.y()), "sleep", "0.2", "mousedown", "1",
            "sleep", "0.2", "mousemove_relative", "--", QString::number(dx / 2), QString::number(dy / 2), "sleep",
            "0.2", "mousemove_relative", "--", QString::number(dx - dx / 2), QString::number(dy - dy / 2), "sleep",
            "0.2", "mouseup", "1"};
}
} // namespace

class TestX11HistoryWindow : public QObject
{
    Q_OBJECT

private slots:
    void captionMovesAndEdgesResize()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("xdotool")).isEmpty())
            QSKIP("xdotool is missing");
        QTemporaryDir dir;
        HistoryList list(dir.filePath(QStringLiteral("History.xml")), nullptr);
        History window(nullptr, &list);
        window.move(20, 20);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        const QPoint start = window.pos();
        QWidget *caption = window.form()->wdtCaption;
        QVERIFY(xdotool(drag(caption->mapToGlobal(QPoint(200, caption->height() / 2)), 60, 40)));
        QTRY_COMPARE(window.pos(), start + QPoint(60, 40));

        // The rounded corners are outside the window's shape: the edges resize.
        const QSize size = window.size();
        QVERIFY(xdotool(drag(window.mapToGlobal(QPoint(window.width() - 2, window.height() / 2)), 50, 0)));
        QTRY_COMPARE(window.size(), size + QSize(50, 0));
        QVERIFY(xdotool(drag(window.mapToGlobal(QPoint(window.width() / 2, window.height() - 2)), 0, 30)));
        QTRY_COMPARE(window.size(), size + QSize(50, 30));
        QCOMPARE(window.pos(), start + QPoint(60, 40));
    }
};

QTEST_MAIN(TestX11HistoryWindow)
#include "tst_x11_historywindow.moc"
