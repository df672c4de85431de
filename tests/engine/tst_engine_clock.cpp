// The recording clock that stamps every stream, and the bounded queue
// between pipeline threads.
#include "core/bounded_queue.h"
#include "core/clock.h"

#include <QThread>
#include <QtTest>

#include <thread>

using namespace mirelo;

class TestEngineClock : public QObject
{
    Q_OBJECT
private slots:
    void pausesAreLeftOutOfRecordingTime()
    {
        RecordingClock c;
        const int64_t t0 = monotonicMicros();
        c.start(t0);
        QThread::msleep(50);
        const int64_t beforePause = monotonicMicros();
        QThread::msleep(2); // clear of the pause's own microsecond
        c.pause();
        QVERIFY(c.isPaused());
        const int64_t frozen = c.elapsed();
        QThread::msleep(60);
        QCOMPARE(c.elapsed(), frozen);
        const int64_t inPause = monotonicMicros();
        QCOMPARE(c.toRecordingTime(inPause), int64_t(-1)); // captured while paused
        QThread::msleep(2);
        c.resume();
        const int64_t afterResume = monotonicMicros();
        QThread::msleep(20);

        // An instant before the pause keeps its time; one in the finished
        // pause is still dropped; one after it has the pause taken out.
        QCOMPARE(c.toRecordingTime(beforePause), beforePause - t0);
        QCOMPARE(c.toRecordingTime(inPause), int64_t(-1));
        const int64_t after = c.toRecordingTime(afterResume);
        QVERIFY(after >= frozen && after < frozen + 3000);
        // Where the running recording will be at a given recording time.
        QCOMPARE(c.toRecordingTime(c.monotonicFor(after + 1000)), after + 1000);
    }

    void frozenTimeNeverGrowsAgain()
    {
        RecordingClock c;
        c.start();
        QThread::msleep(10);
        c.freeze();
        const int64_t t = c.elapsed();
        c.resume(); // a write failure cannot be resumed
        QThread::msleep(20);
        QCOMPARE(c.elapsed(), t);
        c.start(); // the next part starts at 0 again
        QVERIFY(c.elapsed() < 5000);
        QVERIFY(!c.isPaused());
    }

    void aFullQueueRefusesOrWaitsAndClosingDrains()
    {
        BoundedQueue<int> q(2);
        QVERIFY(q.tryPush(1));
        QVERIFY(q.tryPush(2));
        QVERIFY(!q.tryPush(3));
        std::thread producer([&] { QVERIFY(q.push(3)); }); // waits for room
        int v = 0;
        QVERIFY(q.pop(v));
        QCOMPARE(v, 1);
        producer.join();
        q.close();
        QVERIFY(!q.push(4));
        QVERIFY(q.pop(v) && v == 2);
        QVERIFY(q.pop(v) && v == 3);
        QVERIFY(!q.pop(v));
    }
};

QTEST_GUILESS_MAIN(TestEngineClock)
#include "tst_engine_clock.moc"
