// Recordings made through the control bar with the real engine under a
// private X server: the bar's buttons pressed with xdotool, the files looked
// at with ffprobe, History.xml read back; the bar's screenshot; the keyboard
// left with the user's program while the countdown and bar show and given
// back after them; the bar above windows raised over it, without fighting
// one that raises itself; and the bar's dialogs on top of it, on the screen
// and answering the keyboard.
#include <QDomDocument>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QProcess>
#include <QScreen>
#include <QSignalSpy>
#include <QSocketNotifier>
#include <QTimeEdit>
#include <QX11Info>
#include <QtTest>

#include "areaselected.h"
#include "clicklistener.h"
#include "commondialog.h"
#include "controlpanel.h"
#include "countdownwindow.h"
#include "otherprograms.h"
#include "desktopchrome.h"
#include "enginebinding.h"
#include "enviroment.h"
#include "historylist.h"
#include "byhand.h"
#include "programrun.h"
#include "testsupport.h"
#include "ui_controlpanel.h"
#include "ui_countdown.h"
#include "x11.h"

#include <xcb/xcb.h>

namespace {

void click(QWidget *button)
{
    const QPoint p = button->mapToGlobal(button->rect().center());
    QCOMPARE(QProcess::execute(QStringLiteral("xdotool"),
                               {QStringLiteral("mousemove"), QString::number(p.x()), QString::number(p.y()),
                                QStringLiteral("click"), QStringLiteral("1")}),
             0);
}

struct Probe {
    QString codec;
    int width = 0, height = 0;
    double duration = 0;
};

Probe probe(const QString &file)
{
    QProcess p;
    p.start(QStringLiteral("ffprobe"), {QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-show_entries"),
                                        QStringLiteral("stream=codec_name,width,height:format=duration"),
                                        QStringLiteral("-of"), QStringLiteral("default=nw=1"), file});
    p.waitForFinished(30000);
    Probe r;
    for (const QString &line : QString::fromUtf8(p.readAllStandardOutput()).split(QLatin1Char('\n'))) {
        const QString key = line.section(QLatin1Char('='), 0, 0), value = line.section(QLatin1Char('='), 1);
        if (key == QLatin1String("codec_name") && r.codec.isEmpty())
            r.codec = value;
        else if (key == QLatin1String("width") && !r.width)
            r.width = value.toInt();
        else if (key == QLatin1String("height") && !r.height)
            r.height = value.toInt();
        else if (key == QLatin1String("duration"))
            r.duration = value.toDouble();
    }
    return r;
}

QDomElement historyRoot(const QString &path)
{
    QFile f(path);
    static QDomDocument doc;
    doc = QDomDocument();
    if (f.open(QIODevice::ReadOnly))
        doc.setContent(&f);
    return doc.documentElement();
}

bool type(const QString &text)
{
    return QProcess::execute(QStringLiteral("xdotool"), {QStringLiteral("type"), text}) == 0;
}

bool key(const QString &name)
{
    return QProcess::execute(QStringLiteral("xdotool"), {QStringLiteral("key"), name}) == 0;
}

// The program's requests so far are done.
void syncWithTheServer()
{
    x11::roundTrip(QX11Info::connection());
}

// The window that has the keyboard, as the X server says.
quint32 keyboardFocus()
{
    xcb_connection_t *c = QX11Info::connection();
    const auto r = x11::reply(c, xcb_get_input_focus(c), xcb_get_input_focus_reply);
    return r ? r->focus : 0;
}

// How much of the window the screen shows as the window draws itself,
// where the X server has it (a window manager may have moved it since Qt
// last heard).
double shownOnScreen(QWidget *window)
{
    return testsupport::screenShows(window->grab().toImage(), testsupport::screenPosition(quint32(window->winId())));
}

// The program's visible window of this class, once there is one.
template<typename T>
T *shownWindow()
{
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (auto *t = qobject_cast<T *>(w); t && t->isVisible())
            return t;
    }
    return nullptr;
}

// Ends the recording, also when a check failed.
struct StopAtEnd {
    QPointer<ControlPanel> &bar;
    ~StopAtEnd()
    {
        if (bar)
            bar->stopRecord();
        (void)QTest::qWaitFor([this] { return bar.isNull(); }, 20000);
    }
};

// Ends a dialog a check left open, so that the road under test goes on.
struct CloseIfOpen {
    QPointer<QDialog> dialog;
    ~CloseIfOpen()
    {
        if (dialog && dialog->isVisible())
            dialog->done(99);
    }
};

} // namespace

class TestX11ControlPanel : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir m_dir;
    QObject m_jobs;
    // The engine writes a frame when the picture changes: something in a
    // corner of the region keeps changing, as on a real desktop.
    QWidget m_moving{nullptr, Qt::FramelessWindowHint};
    QTimer m_tick;
    int m_shade = 0;

    TaskScheduleItem *job(int stopType, int length = 0, int loop = 0)
    {
        auto *item = new TaskScheduleItem(nullptr, &m_jobs);
        RecordSource *s = item->recordSource();
        s->screenEnabled = true;
        s->screenRect = QRect(100, 80, 641, 481);
        s->systemsoundEnabled = s->microphoneEnabled = s->cameraEnabled = false;
        item->setStopType(stopType);
        item->setLength(length);
        item->setLoop(loop);
        return item;
    }

    QPointer<ControlPanel> startBar(TaskScheduleItem *item)
    {
        QPointer<ControlPanel> bar = new ControlPanel(nullptr, item);
        bar->show();
        if (!QTest::qWaitForWindowExposed(bar))
            return nullptr;
        bar->startRecord();
        return bar;
    }

    QString historyPath() const { return g_enviroment->privateData->historyFilePath(); }

    // The engine's recorded time in microseconds: a loaded machine records
    // slower than the clock on the wall, so the tests wait for it.
    static int64_t recorded()
    {
        int64_t t = 0;
        engineGetRecordedTime(&t);
        return t;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(testsupport::isolatedHome());
        QString error;
        QVERIFY2(engineLoadFrom(testsupport::binDir() + QStringLiteral("/libMirelo.so"), &error), qPrintable(error));
        engineInitialize(m_dir.path().toUtf8().constData(), nullptr, nullptr);
        g_enviroment = new Enviroment;
        g_enviroment->output()->setOutputFolder(m_dir.filePath(QStringLiteral("Videos")));
        QDir().mkpath(m_dir.filePath(QStringLiteral("Videos")));
        g_historyList = new HistoryList(nullptr);
        g_areaSelected = new AreaSelected(nullptr);
        m_moving.setGeometry(110, 90, 60, 60);
        m_moving.setAutoFillBackground(true);
        connect(&m_tick, &QTimer::timeout, this, [this] {
            QPalette palette = m_moving.palette();
            palette.setColor(QPalette::Window, QColor(0, 0, (m_shade += 40) % 256));
            m_moving.setPalette(palette);
        });
        m_moving.show();
        m_tick.start(40);
    }

    void cleanupTestCase()
    {
        delete g_areaSelected;
        g_areaSelected = nullptr;
        delete g_historyList;
        g_historyList = nullptr;
        delete g_enviroment;
        g_enviroment = nullptr;
        engineShutdown();
    }

    // A failed check leaves its bar (recording) or its dialog hook: ended
    // before the next function, so that one failure stays one.
    void cleanup()
    {
        CommonDialog::setRunHook({});
        QList<QPointer<ControlPanel>> bars;
        for (QWidget *w : QApplication::topLevelWidgets()) {
            if (auto *bar = qobject_cast<ControlPanel *>(w))
                bars << bar;
        }
        for (QPointer<ControlPanel> &bar : bars) {
            {
                const StopAtEnd stop{bar};
            }
            delete bar.data();
        }
    }

    void init()
    {
        g_historyList->clear();
        g_enviroment->mouse()->setRecordMouseClicks(false);
    }

    void pauseResumeStopByHand()
    {
        QPointer<ControlPanel> bar = new ControlPanel(nullptr, job(TaskScheduleItem::StopByHand));
        bar->show();
        QVERIFY(QTest::qWaitForWindowExposed(bar));
        // The moments the bar's buttons act, read when their clicks arrive.
        QElapsedTimer clock;
        qint64 paused = 0, resumed = 0, stopped = 0;
        connect(bar->form()->btnPause, &QPushButton::clicked, this, [&] { paused = clock.elapsed(); });
        connect(bar->form()->btnResume, &QPushButton::clicked, this, [&] { resumed = clock.elapsed(); });
        connect(bar->form()->btnStop, &QPushButton::clicked, this, [&] { stopped = clock.elapsed(); });
        bar->startRecord();
        clock.start();
        QCOMPARE(bar->recordState(), int(ControlPanel::Recording));
        QVERIFY(g_areaSelected->isRecordingMode());
        QTRY_VERIFY_WITH_TIMEOUT(recorded() >= 2000000, 20000);
        click(bar->form()->btnPause);
        QTRY_COMPARE(bar->recordState(), int(ControlPanel::Paused));
        const int64_t atPause = recorded();
        QTest::qWait(1500); // paused for a while
        click(bar->form()->btnResume);
        QTRY_COMPARE(bar->recordState(), int(ControlPanel::Recording));
        QTRY_VERIFY_WITH_TIMEOUT(recorded() >= atPause + 1500000, 20000);
        click(bar->form()->btnStop);
        QTRY_VERIFY(bar.isNull());
        const qint64 unpaused = paused + (stopped - resumed);

        QVERIFY(!g_areaSelected->isRecordingMode());
        QVERIFY(!g_areaSelected->isVisible());
        QCOMPARE(g_historyList->count(), 1);
        const QString file = g_historyList->itemAt(0)->fileName();
        QCOMPARE(QFileInfo(file).absolutePath(), m_dir.filePath(QStringLiteral("Videos")));
        QVERIFY2(QRegularExpression(QStringLiteral("^Video_\\d\\d-\\d\\d-\\d\\d_\\d\\d-\\d\\d-01\\.mp4$"))
                     .match(QFileInfo(file).fileName()).hasMatch(), qPrintable(file));
        const Probe p = probe(file);
        QCOMPARE(p.codec, QStringLiteral("h264"));
        QCOMPARE(p.width, 640);
        QCOMPARE(p.height, 480);
        // The file against the engine's own clock. That clock runs behind
        // ours on a loaded machine, never ahead: the 1.5 s pause is left out.
        const qint64 recorded = g_historyList->itemAt(0)->duration();
        QVERIFY2(qAbs(p.duration * 1000 - recorded) < 500, qPrintable(QStringLiteral("%1 s, %2 ms").arg(p.duration).arg(recorded)));
        QVERIFY2(recorded < unpaused + 700 && recorded > unpaused / 2,
                 qPrintable(QStringLiteral("%1 ms, %2 ms").arg(recorded).arg(unpaused)));

        const QDomElement root = historyRoot(historyPath());
        QCOMPARE(root.tagName(), QStringLiteral("History"));
        const QDomNodeList items = root.elementsByTagName(QStringLiteral("Item"));
        QCOMPARE(items.size(), 1);
        const QDomElement item = items.at(0).toElement();
        QCOMPARE(item.attribute(QStringLiteral("Type")), QStringLiteral("0"));
        QCOMPARE(item.attribute(QStringLiteral("Size")), QStringLiteral("640x480"));
        QCOMPARE(item.attribute(QStringLiteral("FileName")), file);
        QCOMPARE(item.attribute(QStringLiteral("Duration")).toLongLong(), recorded);
        // The size of the file as it stays, its last bytes and index included.
        QCOMPARE(item.attribute(QStringLiteral("FileSize")).toLongLong(), QFileInfo(file).size());
    }

    void segmentsStopByThemselves()
    {
        QPointer<ControlPanel> bar = startBar(job(TaskScheduleItem::StopByLength, 5, 2));
        QVERIFY(bar);
        QTRY_VERIFY_WITH_TIMEOUT(bar.isNull(), 40000);
        QCOMPARE(g_historyList->count(), 3);
        for (int i = 0; i < 3; ++i) {
            const Probe p = probe(g_historyList->itemAt(i)->fileName());
            QVERIFY2(p.duration > 4.4 && p.duration < 6.0, qPrintable(QString::number(p.duration)));
        }
        // Newest first.
        QVERIFY(QFileInfo(g_historyList->itemAt(0)->fileName()).lastModified()
                >= QFileInfo(g_historyList->itemAt(2)->fileName()).lastModified());
        QCOMPARE(historyRoot(historyPath()).elementsByTagName(QStringLiteral("Item")).size(), 3);

        // Stop during the second file leaves two.
        g_historyList->clear();
        bar = startBar(job(TaskScheduleItem::StopByLength, 3, 2));
        QVERIFY(bar);
        QTRY_COMPARE_WITH_TIMEOUT(g_historyList->count(), 1, 20000);
        QTest::qWait(1000);
        click(bar->form()->btnStop);
        QTRY_VERIFY(bar.isNull());
        QCOMPARE(g_historyList->count(), 2);
    }

    void limitSetOnTheLengthPage()
    {
        QPointer<ControlPanel> bar = startBar(job(TaskScheduleItem::StopByHand));
        QVERIFY(bar);
        CommonDialog::setRunHook([](CommonDialog *d) {
            d->findChild<QTimeEdit *>(QStringLiteral("timeEdit"))->setTime(QTime(0, 0, 3));
            return int(QDialog::Accepted);
        });
        click(bar->form()->btnRecordLength);
        QTRY_VERIFY(bar->form()->chxRecordLength->isVisible());
        click(bar->form()->chxRecordLength);
        QTRY_COMPARE(bar->recordLength(), qint64(3000));
        CommonDialog::setRunHook({});
        QTRY_VERIFY_WITH_TIMEOUT(bar.isNull(), 15000);
        QCOMPARE(g_historyList->count(), 1);
        const qint64 duration = g_historyList->itemAt(0)->duration();
        QVERIFY2(duration >= 3000 && duration < 3700, qPrintable(QString::number(duration)));
    }

    // The bar's screenshot is listed with the size it has on disk; on a full
    // disk nothing half-written stays, nothing is listed and the user is told.
    void screenshotWrittenWholeOrNotAtAll()
    {
        const QString shots = m_dir.filePath(QStringLiteral("Shots"));
        g_enviroment->output()->setScreenshotsFolder(shots);
        g_areaSelected->setSelectedRectImmediately(QRect(100, 80, 641, 481));
        QStringList told;
        CommonDialog::setRunHook([&](CommonDialog *d) {
            if (auto *label = d->findChild<QLabel *>(QStringLiteral("lblPrompt")))
                told << label->text();
            return int(QDialog::Accepted);
        });
        auto *bar = new ControlPanel(nullptr, job(TaskScheduleItem::StopByHand));
        bar->screenshot();
        QCOMPARE(g_historyList->count(), 1);
        const QString file = g_historyList->itemAt(0)->fileName();
        QCOMPARE(g_historyList->itemAt(0)->fileSize(), quint64(QFileInfo(file).size()));
        QVERIFY(!QImage(file).isNull());
        {
            testsupport::FileSizeLimit full(64);
            bar->screenshot();
        }
        CommonDialog::setRunHook({});
        QCOMPARE(g_historyList->count(), 1);
        QCOMPARE(QDir(shots).entryList(QDir::Files), QStringList{QFileInfo(file).fileName()});
        QCOMPARE(told, QStringList{QStringLiteral("The screenshot could not be saved.")});
        delete bar;
    }

    // The countdown and the bar show without taking the keyboard: what the
    // user types goes on reaching the program being recorded, also after a
    // click on the countdown; Escape ends the countdown without reaching
    // that program. A click on the bar gives it the keyboard, and the end of
    // the recording gives it back.
    void typingStaysWithTheUsersProgram()
    {
        KeyTarget editor;
        QTRY_VERIFY_WITH_TIMEOUT(editor.viewable(), 10000);
        editor.focus();
        QTRY_VERIFY_WITH_TIMEOUT(editor.hasFocus(), 10000);
        {
            CountDownWindow countdown(nullptr);
            // Held at its first picture: it would end itself in three seconds.
            for (QTimer *animation : countdown.findChildren<QTimer *>())
                animation->stop();
            // Shown as the main window shows it.
            QSignalSpy ended(&countdown, &QDialog::finished);
            countdown.show();
            {
                CloseIfOpen close{&countdown};
                QVERIFY(QTest::qWaitForWindowExposed(&countdown));
                QVERIFY(type(QStringLiteral("abc")));
                QTRY_COMPARE(editor.presses(), 3);
                QVERIFY(editor.hasFocus());
                QVERIFY(!countdown.isActiveWindow());
                // Above the user's program, also once that is raised.
                QTRY_VERIFY(testsupport::stackedAbove(quint32(countdown.winId()), editor.id()));
                editor.raise();
                QVERIFY(comesAbove(quint32(countdown.winId()), editor.id()));
                click(countdown.form()->frame);
                QVERIFY(type(QStringLiteral("d")));
                QTRY_COMPARE(editor.presses(), 4);
                QVERIFY(editor.hasFocus());
                QVERIFY(key(QStringLiteral("Escape")));
                QTRY_VERIFY(!countdown.isVisible());
            }
            QCOMPARE(ended.size(), 1);
            QCOMPARE(ended.at(0).at(0).toInt(), int(QDialog::Rejected));
        }
        QCOMPARE(editor.presses(), 4);
        QVERIFY(editor.hasFocus());

        QPointer<ControlPanel> bar = startBar(job(TaskScheduleItem::StopByHand));
        QVERIFY(bar);
        QVERIFY(type(QStringLiteral("efgh")));
        QTRY_COMPARE(editor.presses(), 8);
        QVERIFY(editor.hasFocus());
        QVERIFY(!bar->isActiveWindow());
        editor.raise();
        QVERIFY(comesAbove(quint32(bar->winId()), editor.id()));
        // The bar lies where it was put, on the desktop's coordinates.
        QTRY_COMPARE(testsupport::windowGeometry(QString::number(bar->winId())), bar->geometry());

        click(bar->form()->btnRecordLength);
        QTRY_VERIFY(bar->isActiveWindow());
        QVERIFY(!editor.hasFocus());
        bar->stopRecord();
        QTRY_VERIFY(bar.isNull());
        QTRY_VERIFY(editor.hasFocus());
        QVERIFY(type(QStringLiteral("i")));
        QTRY_COMPARE(editor.presses(), 9);
    }

    // The bar's own dialogs open beside it and above it in the stacking,
    // shown whole on the screen, answering the keyboard, and the bar does
    // not raise itself over them while they show. It goes on top again
    // after.
    void barDialogsStandAboveIt()
    {
        KeyTarget editor;
        QTRY_VERIFY_WITH_TIMEOUT(editor.viewable(), 10000);
        editor.focus();
        QPointer<ControlPanel> bar = startBar(job(TaskScheduleItem::StopByHand));
        QVERIFY(bar);
        StopAtEnd stop{bar};
        QTRY_VERIFY_WITH_TIMEOUT(testsupport::stackedAbove(quint32(bar->winId()), editor.id()), 15000);

        // Checks `dialog` while it shows, then closes it with Escape.
        auto check = [&](QDialog *dialog) {
            CloseIfOpen close{dialog};
            QVERIFY(QTest::qWaitForWindowExposed(dialog));
            QTRY_VERIFY_WITH_TIMEOUT(testsupport::stackedAbove(quint32(dialog->winId()), quint32(bar->winId())), 15000);
            // Each look takes a while: waited for by the clock.
            QVERIFY2(QTest::qWaitFor([&] { return shownOnScreen(dialog) > 0.97; }, 15000),
                     qPrintable(QString::number(shownOnScreen(dialog))));
            QTRY_VERIFY(dialog->isActiveWindow());
            QTRY_COMPARE(keyboardFocus(), quint32(dialog->winId()));
            // Raised as it used to raise itself: the bar goes back under the
            // dialog.
            bar->raise();
            syncWithTheServer();
            QTRY_VERIFY(testsupport::stackedAbove(quint32(dialog->winId()), quint32(bar->winId())));
            const int typed = editor.presses();
            QVERIFY(key(QStringLiteral("Escape")));
            QTRY_VERIFY(!dialog->isVisible());
            QCOMPARE(editor.presses(), typed);
        };

        int answer = -1;
        CommonDialog::setRunHook([&](CommonDialog *d) {
            QTimer::singleShot(0, d, [&check, d] { check(d); });
            return answer = d->exec();
        });
        click(bar->form()->btnRecordLength);
        QTRY_VERIFY(bar->form()->chxRecordLength->isVisible());
        click(bar->form()->chxRecordLength);
        QTRY_VERIFY_WITH_TIMEOUT(answer != -1, 30000);
        CommonDialog::setRunHook({});
        QCOMPARE(answer, int(QDialog::Rejected));
        QVERIFY(!bar->form()->chxRecordLength->isChecked());

        // A notice of the bar's (the screenshot hotkey brings it): it does
        // not wait for an answer, and stands above the bar, whole.
        g_enviroment->output()->setScreenshotsFolder(QStringLiteral("/proc/mirelo-no-folder"));
        bar->screenshot();
        CommonDialog *notice = shownWindow<CommonDialog>();
        QVERIFY(notice && CommonDialog::isNotice(notice));
        {
            CloseIfOpen close{notice};
            QVERIFY(QTest::qWaitForWindowExposed(notice));
            QTRY_VERIFY_WITH_TIMEOUT(testsupport::stackedAbove(quint32(notice->winId()), quint32(bar->winId())), 15000);
            QVERIFY2(QTest::qWaitFor([&] { return shownOnScreen(notice) > 0.97; }, 15000),
                     qPrintable(QString::number(shownOnScreen(notice))));
            bar->raise();
            syncWithTheServer();
            QTRY_VERIFY(testsupport::stackedAbove(quint32(notice->winId()), quint32(bar->winId())));
        }

        editor.raise();
        QVERIFY(comesAbove(quint32(bar->winId()), editor.id()));
    }

    // Windows raised over the bar in turn, one after the other again and
    // again: the bar goes back above each. A window that raises itself
    // whenever covered is not fought: the bar goes back up less and less
    // often, and goes above the next window raised at once again.
    void barStaysAboveRaisedWindowsWithoutFighting()
    {
        QPointer<ControlPanel> bar = startBar(job(TaskScheduleItem::StopByHand));
        QVERIFY(bar);
        StopAtEnd stop{bar};
        const quint32 barId = quint32(bar->winId());
        OtherWindows others;
        const quint32 a = others.map(QRect(1000, 10, 400, 300)), b = others.map(QRect(1300, 20, 400, 300));
        for (int i = 0; i < 8; ++i) {
            const quint32 raised = i % 2 ? b : a;
            others.raise(raised);
            QVERIFY2(QTest::qWaitFor([&] { return testsupport::stackedAbove(barId, raised); }, 15000),
                     qPrintable(QStringLiteral("raise %1 of 8").arg(i + 1)));
        }

        const quint32 locker = others.map(QRect(1100, 0, 600, 200));
        QElapsedTimer clock;
        clock.start();
        others.keepRaising(locker, barId);
        QTRY_VERIFY_WITH_TIMEOUT(others.barRestacks() >= 6, 30000);
        const double perSecond = others.barRestacks() * 1000.0 / qMax<qint64>(1, clock.elapsed());
        QVERIFY2(perSecond < 10, qPrintable(QStringLiteral("%1 raises a second").arg(perSecond)));
        QVERIFY(others.selfRaises() >= others.barRestacks());
        others.keepRaising(0, 0);
        others.raise(a);
        QTRY_VERIFY_WITH_TIMEOUT(testsupport::stackedAbove(barId, a), 15000);
    }

    // A full-screen recording's bar lies at the top right of what the
    // desktop's panels leave free: inside the work area and off every dock
    // (a top panel's tray, whose Stop ends the recording too, stays in
    // reach; i3 keeps no work area, its bar is a dock).
    void fullScreenBarLeavesThePanelsFree()
    {
        TaskScheduleItem *item = job(TaskScheduleItem::StopByHand);
        QScreen *screen = QGuiApplication::primaryScreen();
        item->recordSource()->screenRect = screen->geometry();
        QPointer<ControlPanel> bar = startBar(item);
        QVERIFY(bar);
        StopAtEnd stop{bar};
        const QRect at(testsupport::screenPosition(quint32(bar->winId())), bar->size());
        const QRect work = screen->availableGeometry();
        QVERIFY2(work.contains(at), qPrintable(QStringLiteral("%1,%2 %3x%4").arg(at.x()).arg(at.y()).arg(at.width()).arg(at.height())));
        const QList<QRect> panels = DesktopChrome::instance()->panels();
        for (const QRect &panel : panels)
            QVERIFY2(!panel.intersects(at), qPrintable(QStringLiteral("bar at %1,%2 over a panel at %3,%4")
                                                           .arg(at.x()).arg(at.y()).arg(panel.x()).arg(panel.y())));
        QRect free = work;
        for (const QRect &panel : panels) {
            if (panel.width() >= panel.height() && panel.center().y() < work.center().y())
                free.setTop(qMax(free.top(), panel.bottom() + 1));
        }
        QVERIFY2(at.top() - free.top() < 12, qPrintable(QString::number(at.top())));
        QVERIFY(at.right() > work.center().x());
    }

    void clickMarksInTheFile()
    {
        g_enviroment->mouse()->setRecordMouseClicks(true);
        g_enviroment->mouse()->setMouseClickColor(0xff0000);
        QPointer<ControlPanel> bar = startBar(job(TaskScheduleItem::StopByHand));
        QVERIFY(bar);
        QVERIFY(bar->clickListener() && bar->clickListener()->isListening());
        int64_t at = 0;
        connect(bar->clickListener(), &ClickListener::leftButtonPressed, this, [&] {
            if (!at) // the first press; the Stop button is pressed too
                engineGetRecordedTime(&at);
        });
        QTRY_VERIFY_WITH_TIMEOUT(recorded() >= 1000000, 20000);
        // Inside the region, away from the bar.
        QCOMPARE(QProcess::execute(QStringLiteral("xdotool"), {QStringLiteral("mousemove"), QStringLiteral("400"),
                                                               QStringLiteral("300"), QStringLiteral("click"),
                                                               QStringLiteral("1")}),
                 0);
        QTRY_VERIFY(at > 0);
        QTRY_VERIFY_WITH_TIMEOUT(recorded() >= at + 1000000, 20000);
        click(bar->form()->btnStop);
        QTRY_VERIFY(bar.isNull());
        QVERIFY(at > 0);
        const QString file = g_historyList->itemAt(0)->fileName();
        // The mark fades within 0.6 s of the press: one of those frames shows it.
        const QString frames = m_dir.filePath(QStringLiteral("frame%02d.png"));
        QCOMPARE(QProcess::execute(QStringLiteral("ffmpeg"),
                                   {QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-y"), QStringLiteral("-i"), file,
                                    QStringLiteral("-ss"), QString::number(double(at) / 1e6), QStringLiteral("-t"),
                                    QStringLiteral("0.5"), frames}),
                 0);
        QStringList seen;
        bool marked = false;
        for (int i = 1; i < 100 && !marked; ++i) {
            const QImage picture(m_dir.filePath(QStringLiteral("frame%1.png").arg(i, 2, 10, QLatin1Char('0'))));
            if (picture.isNull())
                break;
            const QColor mark = picture.pixelColor(400 - 100, 300 - 80 + 5);
            seen << mark.name();
            marked = mark.red() > 90 && mark.red() > mark.green() + 60 && mark.red() > mark.blue() + 60;
        }
        QVERIFY2(marked, qPrintable(QStringLiteral("at %1 s of %2 s: %3")
                                        .arg(double(at) / 1e6)
                                        .arg(probe(file).duration)
                                        .arg(seen.join(QLatin1Char(' ')))));
    }
};

QTEST_MAIN(TestX11ControlPanel)
#include "tst_x11_controlpanel.moc"
