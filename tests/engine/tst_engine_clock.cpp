// The recording clock that stamps every stream, and the bounded queue
// between pipeline threads.
#include "core/bounded_queue.h"
#include "core/clock.h"

#include "engine_fakes.h"

#include <QtTest>

#include <thread>

using namespace mirelo;

class TestEngineClock : public QObject
{
    Q_OBJECT
private slots:
    void pausesAreLeftOutOfRecordingTime()
    {
        enginefake::FakeTime time;
        RecordingClock c;
        c.setTimeSource(time);
        const int64_t t0 = time.now();
        c.start();
        time.advance(50000);
        const int64_t beforePause = time.now();
        time.advance(2000);
        c.pause();
        QVERIFY(c.isPaused());
        const int64_t frozen = c.elapsed();
        QCOMPARE(frozen, int64_t(52000));
        time.advance(60000);
        QCOMPARE(c.elapsed(), frozen);
        const int64_t inPause = time.now();
        QCOMPARE(c.toRecordingTime(inPause), int64_t(-1)); // captured while paused
        time.advance(2000);
        c.resume();
        const int64_t afterResume = time.now();
        time.advance(20000);

        // An instant before the pause keeps its time; one in the finished
        // pause is still dropped; one after it has the pause taken out.
        QCOMPARE(c.toRecordingTime(beforePause), beforePause - t0);
        QCOMPARE(c.toRecordingTime(inPause), int64_t(-1));
        QCOMPARE(c.toRecordingTime(afterResume), frozen);
        QCOMPARE(c.elapsed(), frozen + 20000);
        // Where the running recording will be at a given recording time.
        QCOMPARE(c.toRecordingTime(c.monotonicFor(frozen + 1000)), frozen + 1000);
    }

    void frozenTimeNeverGrowsAgain()
    {
        enginefake::FakeTime time;
        RecordingClock c;
        c.setTimeSource(time);
        c.start();
        time.advance(10000);
        c.freeze();
        const int64_t t = c.elapsed();
        c.resume(); // a write failure cannot be resumed
        time.advance(20000);
        QCOMPARE(c.elapsed(), t);
        c.start(); // the next part starts at 0 again
        QCOMPARE(c.elapsed(), int64_t(0));
        QVERIFY(!c.isPaused());
    }

    void aFullQueueRefusesOrWaitsAndClosingDrains()
    {
        BoundedQueue<int> q(2);
        QVERIFY(q.tryPush(1));
        QVERIFY(q.tryPush(2));
        QVERIFY(!q.tryPush(3));
        bool pushed = false;
        std::thread producer([&] { pushed = q.push(3); }); // waits for room
        int v = 0;
        QVERIFY(q.pop(v));
        QCOMPARE(v, 1);
        producer.join();
        QVERIFY(pushed);
        q.close();
        QVERIFY(!q.push(4));
        QVERIFY(q.pop(v) && v == 2);
        QVERIFY(q.pop(v) && v == 3);
        QVERIFY(!q.pop(v));
    }
};

QTEST_GUILESS_MAIN(TestEngineClock)
#include "tst_engine_clock.moc"
