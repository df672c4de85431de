#pragma once
// Whether two scheduled jobs would record at the same moment. Each job is a
// window from its start to its start plus its planned length times its loop
// count; two windows meet when each starts before the other ends, so equal
// windows and equal starts meet while touching ones do not. Weekly jobs are
// compared occurrence by occurrence, including the day before, so that a
// window running past midnight is caught.
#include <QDateTime>

class TaskScheduleItem;

namespace taskoverlap {

struct Job {
    int repeat = 0;      // 0 once, 1 weekly; anything else is never compared
    QDateTime start;     // a weekly job uses only its time of day
    quint16 mask = 0;    // bit 0 Sunday .. bit 6 Saturday
    qint64 lengthMsecs = 0;
};

// The job's window: its planned length (0 when stopped by hand; a stop
// before the start runs into the next day) times its loop count.
Job jobOf(const TaskScheduleItem *item);
// The weekday bit of a date.
int weekdayBit(const QDate &date);
bool windowsMeet(const QDateTime &es, const QDateTime &ee, const QDateTime &ts, const QDateTime &te);
// `today` is where the weekly-with-weekly comparison starts (one week of it).
bool overlaps(const Job &edited, const Job &other, const QDate &today);

} // namespace taskoverlap
