#include "taskoverlap.h"

#include "taskscheduleitem.h"

namespace taskoverlap {

namespace {
constexpr qint64 kDay = 24 * 3600 * 1000LL;

QDateTime occurrence(const QDate &day, const Job &job)
{
    return QDateTime(day, job.start.time());
}

bool hasDay(const Job &job, const QDate &day)
{
    return job.mask & (1 << weekdayBit(day));
}

bool meetOn(const QDateTime &es, const Job &e, const QDateTime &ts, const Job &t)
{
    return windowsMeet(es, es.addMSecs(e.lengthMsecs), ts, ts.addMSecs(t.lengthMsecs));
}
} // namespace

Job jobOf(const TaskScheduleItem *item)
{
    Job job;
    job.repeat = item->repeat();
    job.start = item->startTime();
    job.mask = item->weekdayMask();
    qint64 length = item->recordLengthMsecs();
    if (item->stopType() == TaskScheduleItem::StopByHand)
        length = 0;
    else if (length < 0)
        length += kDay;
    const int loops = item->stopType() == TaskScheduleItem::StopByLength ? qMax(1, item->loop()) : 1;
    job.lengthMsecs = qMax<qint64>(0, length) * loops;
    return job;
}

int weekdayBit(const QDate &date)
{
    return date.dayOfWeek() % 7;
}

bool windowsMeet(const QDateTime &es, const QDateTime &ee, const QDateTime &ts, const QDateTime &te)
{
    return es < te && ts < ee;
}

bool overlaps(const Job &e, const Job &t, const QDate &today)
{
    if ((e.repeat != 0 && e.repeat != 1) || (t.repeat != 0 && t.repeat != 1))
        return false;
    if (e.repeat == 0 && t.repeat == 0)
        return meetOn(e.start, e, t.start, t);
    if (e.repeat == 0 || t.repeat == 0) {
        // The once job against the weekly one's occurrences on its own date
        // and the day before.
        const Job &once = e.repeat == 0 ? e : t;
        const Job &weekly = e.repeat == 0 ? t : e;
        const QDate date = once.start.date();
        for (const QDate &day : {date.addDays(-1), date}) {
            if (hasDay(weekly, day) && meetOn(once.start, once, occurrence(day, weekly), weekly))
                return true;
        }
        return false;
    }
    // Both weekly: every day of a week, the other's occurrences on the day
    // before, the same day and the day after.
    for (int i = 0; i < 7; ++i) {
        const QDate day = today.addDays(i);
        if (!hasDay(e, day))
            continue;
        for (int d = -1; d <= 1; ++d) {
            const QDate other = day.addDays(d);
            if (hasDay(t, other) && meetOn(occurrence(day, e), e, occurrence(other, t), t))
                return true;
        }
    }
    return false;
}

} // namespace taskoverlap
