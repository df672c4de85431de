// The audio page and the webcam page through the real program with the real
// engine, driven from outside with xdotool: system sound and microphone to an
// MP3, and the synthetic webcam to a video of the webcam window's size. Each
// recording is stopped by hotkey and must be a file of its kind, listed in
// History.xml; the webcam's preview must still show afterwards.
#include <QElapsedTimer>
#include <QtTest>

#include "byhand.h"
#include "programrun.h"

using namespace testsupport;

class TestRecordPages : public QObject
{
    Q_OBJECT

    qint64 m_pid = 0;
    double m_scale = 1.0;

    QPoint at(const QRect &w, int x, int y) const
    {
        return w.topLeft() + QPoint(qRound(x * m_scale), qRound(y * m_scale));
    }
    // The first visible window of the program titled `name` that `fits`.
    QRect window(const QString &name, const std::function<bool(const QRect &)> &fits) const
    {
        for (const QString &id : visibleWindows(m_pid, name)) {
            const QRect r = windowGeometry(id);
            if (fits(r))
                return r;
        }
        return {};
    }
    QRect frame() const
    {
        return window(kTitle, [](const QRect &r) { return r.height() > 200 && r.width() > 700; });
    }
    QRect bar() const
    {
        return window(kTitle, [](const QRect &r) { return r.height() < 120 && r.width() > 300; });
    }
    QRect camera() const
    {
        return window("Camera", [](const QRect &r) { return r.width() > 50; });
    }

    // Starts the program for a new user; the frame's rectangle.
    QRect start(QProcess &p, ProgramUser &user)
    {
        QDir().mkpath(user.root() + "/config/Olvex");
        QFile f(user.root() + "/config/Olvex/Free Mirelo.conf");
        if (!f.open(QIODevice::WriteOnly))
            return {};
        f.write("[Recording]\nAutoOpenHistory=false\nShowCountdown=false\n"
                "[Others]\nExitWhenCloseTip=false\nExitWhenClose=true\n");
        f.close();
        qputenv("MIRELO_TEST_CAMERA", "1");
        if (!startProgram(p, user, {}))
            return {};
        m_pid = p.processId();
        const QRect home = waitSettled([&] { return frame(); }, 30000);
        m_scale = home.width() / kFrameWidth;
        return home;
    }

    // From the home page: the page's button, then the record button (red once
    // the page shows) until the bar shows. The time of the click that started
    // the recording, or -1.
    qint64 openPageAndRecord(const QRect &home, QPoint pageButton, const QElapsedTimer &clock)
    {
        const QPoint record = at(home, 750, 175);
        const QPoint recordRim = at(home, 750, 150); // beside the button's white dot
        if (!waitFor(
                [&] {
                    click(at(home, pageButton.x(), pageButton.y()));
                    return waitFor([&] { return redAt(recordRim); }, 3000);
                },
                30000))
            return -1;
        // The page has slid in once the button stands still.
        if (!waitStill(QRect(at(home, 720, 145), QSize(qRound(60 * m_scale), qRound(60 * m_scale)))))
            return -1;
        qint64 clicked = -1;
        if (!waitFor(
                [&] {
                    clicked = clock.elapsed();
                    click(record);
                    return waitFor([&] { return !bar().isEmpty(); }, 4000);
                },
                30000))
            return -1;
        return clicked;
    }

    // Stops by hotkey; the time the main window was back, or -1.
    qint64 stopByHotkey(const QElapsedTimer &clock)
    {
        if (!key({"ctrl+alt+s"}))
            return -1;
        if (!waitFor([&] { return bar().isEmpty() && !frame().isEmpty(); }, 30000))
            return -1;
        return clock.elapsed();
    }

    // The only file of the video folder matching `pattern`, once History.xml
    // lists it.
    QString recordedFile(const ProgramUser &user, const QString &pattern, HistoryEntry *entry)
    {
        const QDir videos(user.root() + "/home/Documents/Olvex/Free Mirelo/Video");
        const QString history = user.dataFolder() + "History.xml";
        QString found;
        waitFor(
            [&] {
                const QStringList all = videos.entryList(QDir::Files);
                const QStringList files = videos.entryList({pattern}, QDir::Files);
                const QList<HistoryEntry> entries = historyEntries(history);
                if (all.size() != 1 || files.size() != 1 || entries.size() != 1
                    || entries[0].fileName != videos.filePath(files[0]))
                    return false;
                found = videos.filePath(files[0]);
                *entry = entries[0];
                return true;
            },
            30000);
        return found;
    }

private slots:
    void audioPageRecordsBothSourcesToMp3()
    {
        ProgramUser user;
        QProcess p;
        Kill guard{p};
        const QRect home = start(p, user);
        QVERIFY(!home.isEmpty());
        QElapsedTimer clock;
        clock.start();
        const qint64 clicked = openPageAndRecord(home, {519, 123}, clock);
        QVERIFY2(clicked >= 0, "the audio page's record button must start a recording");
        QVERIFY2(camera().isEmpty(), "no webcam on the audio page");
        QTest::qWait(5000);
        const qint64 back = stopByHotkey(clock);
        QVERIFY2(back >= 0, "the stop hotkey must end the recording");

        HistoryEntry entry;
        const QString file = recordedFile(user, "Audio_*.mp3", &entry);
        QVERIFY2(!file.isEmpty(), "one MP3 and nothing else, listed in History.xml");
        QCOMPARE(entry.type, QString("1"));
        const MediaInfo info = probeMedia(file);
        QCOMPARE(info.streams, QStringList{"audio:mp3"});
        const double span = (back - clicked) / 1000.0;
        QVERIFY2(info.duration > 4.0 && info.duration < span + 1.0,
                 qPrintable(QString("duration %1 s, span %2 s").arg(info.duration).arg(span)));
        // The test server's microphone is a loud sine: it is in the mix.
        QVERIFY2(maxVolume(file) > -30.0, qPrintable(QString::number(maxVolume(file))));
    }

    void webcamPageRecordsTheWebcamWindowsSize()
    {
        ProgramUser user;
        QProcess p;
        Kill guard{p};
        const QRect home = start(p, user);
        QVERIFY(!home.isEmpty());
        QElapsedTimer clock;
        clock.start();
        const qint64 clicked = openPageAndRecord(home, {336, 123}, clock);
        QVERIFY2(clicked >= 0, "the webcam page's record button must start a recording");
        const QRect webcam = camera();
        QVERIFY2(!webcam.isEmpty(), "the webcam window shows while recording");
        // The test picture's red left edge, where the main window does not
        // cover the webcam window.
        const auto previewShows = [this] {
            const QRect r = camera();
            return !r.isEmpty() && redAt(r.topLeft() + QPoint(r.width() / 8, 12));
        };
        QVERIFY(waitFor(previewShows, 15000));
        QTest::qWait(5000);
        const qint64 back = stopByHotkey(clock);
        QVERIFY2(back >= 0, "the stop hotkey must end the recording");

        HistoryEntry entry;
        const QString file = recordedFile(user, "Video_*.mp4", &entry);
        QVERIFY2(!file.isEmpty(), "one MP4 and nothing else, listed in History.xml");
        const int w = webcam.width() / 2 * 2, h = webcam.height() / 2 * 2;
        QCOMPARE(entry.type, QString("0"));
        QCOMPARE(entry.size, QString("%1x%2").arg(w).arg(h));
        const MediaInfo info = probeMedia(file);
        QCOMPARE(info.streams, (QStringList{"video:h264", "audio:aac"}));
        QCOMPARE(info.width, w);
        QCOMPARE(info.height, h);
        const double span = (back - clicked) / 1000.0;
        QVERIFY2(info.duration > 4.0 && info.duration < span + 1.0,
                 qPrintable(QString("duration %1 s, span %2 s").arg(info.duration).arg(span)));

        // The webcam window is back with its preview.
        QVERIFY2(waitFor(previewShows, 15000), "the webcam preview must show again after the recording");
    }
};

QTEST_GUILESS_MAIN(TestRecordPages)
#include "tst_pulse_recordpages.moc"
