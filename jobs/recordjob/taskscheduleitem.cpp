#include "taskscheduleitem.h"

#include "core/settingsrange.h"

#include <QStringList>

#include <limits>

const char *const TaskScheduleItem::DATA_TIME_FORMAT = "MM-dd-yyyy HH:mm:ss";

namespace {

constexpr qint64 MSECS_PER_DAY = 86400000;

// A base-10 number of the data text; anything else, also a number that does
// not fit 32 bits, reads as 0.
int number(const QString &text)
{
    bool ok = false;
    const int value = text.toInt(&ok, 10);
    return ok ? value : 0;
}

qint64 number64(const QString &text)
{
    bool ok = false;
    const qint64 value = text.toLongLong(&ok, 10);
    return ok ? value : 0;
}

QString flag(bool on)
{
    return on ? QStringLiteral("1") : QStringLiteral("0");
}

// far = near + extent - 1, in 64 bits; a result outside 32 bits leaves the
// rectangle's span empty, so no recording takes it.
void setFarEdge(int *nearEdge, int *farEdge, qint64 extent)
{
    const qint64 edge = qint64(*nearEdge) + extent - 1;
    if (edge >= std::numeric_limits<int>::min() && edge <= std::numeric_limits<int>::max()) {
        *farEdge = int(edge);
    } else if (*nearEdge > std::numeric_limits<int>::min()) {
        *farEdge = *nearEdge - 1;
    } else {
        *nearEdge = 0;
        *farEdge = -1;
    }
}

QString rectEntry(const char *key, bool enabled, int index, const QRect &r)
{
    return QStringLiteral("%1,%2,%3,%4,%5,%6,%7")
        .arg(QLatin1String(key), flag(enabled))
        .arg(index)
        .arg(r.left())
        .arg(r.top())
        .arg(qint64(r.right()) - r.left() + 1)
        .arg(qint64(r.bottom()) - r.top() + 1);
}

void readRectEntry(const QStringList &parts, bool *enabled, int *index, QRect *rect)
{
    int left = rect->left(), top = rect->top(), right = rect->right(), bottom = rect->bottom();
    if (parts.size() > 1)
        *enabled = number(parts[1]) != 0;
    if (parts.size() > 2)
        *index = number(parts[2]);
    if (parts.size() > 3)
        left = number(parts[3]);
    if (parts.size() > 4)
        top = number(parts[4]);
    if (parts.size() > 5)
        setFarEdge(&left, &right, number64(parts[5]));
    if (parts.size() > 6)
        setFarEdge(&top, &bottom, number64(parts[6]));
    rect->setCoords(left, top, right, bottom);
}

void readAudioEntry(const QStringList &parts, bool *enabled, int *index, int *volume)
{
    if (parts.size() > 1)
        *enabled = number(parts[1]) != 0;
    if (parts.size() > 2)
        *index = number(parts[2]);
    if (parts.size() > 3)
        *volume = number(parts[3]);
}

} // namespace

TaskScheduleItem::TaskScheduleItem(TaskScheduleList *owner, QObject *parent)
    : QObject(parent)
    , m_owner(owner)
{
}

TaskScheduleItem::~TaskScheduleItem() = default;

qint64 TaskScheduleItem::recordLengthMsecs() const
{
    switch (m_stopType) {
    case StopByLength:
        return qint64(m_length) * 1000;
    case StopAtTime:
        if (m_repeat == 1) {
            // Only the times of day count; a stop before the start runs past
            // midnight into the next day.
            qint64 ms = m_startTime.time().msecsTo(m_stopTime.time());
            if (ms < 0)
                ms += MSECS_PER_DAY;
            return ms;
        }
        return m_startTime.msecsTo(m_stopTime);
    default:
        return -1;
    }
}

bool TaskScheduleItem::isWithinFormRange() const
{
    const RecordSource &s = m_recordSource;
    const bool length = m_stopType == StopByLength ? m_length >= 1 && m_length <= MAX_LENGTH_SECS
                                                   : m_length >= -MAX_LENGTH_SECS && m_length <= MAX_LENGTH_SECS;
    auto rect = [](const QRect &r) { return r.isEmpty() || fitsX11(r); };
    auto volume = [](int v) { return v >= 0 && v <= MAX_VOLUME; };
    return length && m_loop >= 0 && m_loop <= MAX_LOOP && m_weekdayMask <= 127 && s.screenIndex >= -1
           && s.cameraIndex >= -1 && s.systemsoundIndex >= -1 && s.microphoneIndex >= -1 && rect(s.screenRect)
           && rect(s.cameraRect) && volume(s.systemsoundVolume) && volume(s.microphoneVolume);
}

void TaskScheduleItem::markExpiry(const QDateTime &now)
{
    if (m_repeat != 0)
        return;
    m_isExpired = m_startTime < now;
    if (m_isExpired)
        m_enabled = false;
}

QDateTime TaskScheduleItem::nextRunTime(const QDateTime &now) const
{
    if (m_repeat == 0)
        return m_startTime;
    if (m_repeat != 1 || !m_startTime.isValid())
        return QDateTime();
    QDateTime candidate(now.date(), m_startTime.time());
    // Today and the seven days after it: a weekly job whose only day is
    // today and whose time has passed runs a week later.
    for (int i = 0; i < 8; ++i) {
        const int bit = candidate.date().dayOfWeek() % 7; // Sunday 0
        if ((m_weekdayMask & (1 << bit)) && candidate > now)
            return candidate;
        candidate = candidate.addDays(1);
    }
    return QDateTime();
}

QString TaskScheduleItem::toData() const
{
    const RecordSource &s = m_recordSource;
    const QString stop = m_stopTime.isValid() ? m_stopTime.toString(QLatin1String(DATA_TIME_FORMAT)) : QString();
    QStringList entries;
    entries << QStringLiteral("stopType,%1").arg(m_stopType)
            << QStringLiteral("loop,%1").arg(m_loop)
            << QStringLiteral("duration,%1,%2").arg(stop).arg(m_length)
            << QStringLiteral("shutdown,%1").arg(flag(m_shutdown))
            << QStringLiteral("isexpired,%1").arg(flag(m_isExpired))
            << rectEntry("screen", s.screenEnabled, s.screenIndex, s.screenRect)
            << rectEntry("camera", s.cameraEnabled, s.cameraIndex, s.cameraRect)
            << QStringLiteral("systemsound,%1,%2,%3").arg(flag(s.systemsoundEnabled)).arg(s.systemsoundIndex).arg(s.systemsoundVolume)
            << QStringLiteral("microphone,%1,%2,%3").arg(flag(s.microphoneEnabled)).arg(s.microphoneIndex).arg(s.microphoneVolume);
    return entries.join(QLatin1Char(';'));
}

void TaskScheduleItem::fromData(const QString &text)
{
    RecordSource &s = m_recordSource;
    const QStringList entries = text.split(QLatin1Char(';'), Qt::KeepEmptyParts);
    for (const QString &entry : entries) {
        const QStringList parts = entry.split(QLatin1Char(','), Qt::KeepEmptyParts);
        if (parts.size() < 2)
            continue;
        const QString &key = parts[0];
        if (key == QLatin1String("stopType")) {
            const int type = number(parts[1]);
            m_stopType = type >= StopByLength && type <= StopByHand ? type : StopAtTime;
        } else if (key == QLatin1String("loop")) {
            m_loop = number(parts[1]);
        } else if (key == QLatin1String("duration")) {
            m_stopTime = QDateTime::fromString(parts[1], QLatin1String(DATA_TIME_FORMAT));
            m_length = parts.size() > 2 ? number(parts[2]) : 30;
        } else if (key == QLatin1String("shutdown")) {
            m_shutdown = number(parts[1]) != 0;
        } else if (key == QLatin1String("isexpired")) {
            m_isExpired = number(parts[1]) != 0;
        } else if (key == QLatin1String("screen")) {
            readRectEntry(parts, &s.screenEnabled, &s.screenIndex, &s.screenRect);
        } else if (key == QLatin1String("camera")) {
            readRectEntry(parts, &s.cameraEnabled, &s.cameraIndex, &s.cameraRect);
        } else if (key == QLatin1String("systemsound")) {
            readAudioEntry(parts, &s.systemsoundEnabled, &s.systemsoundIndex, &s.systemsoundVolume);
        } else if (key == QLatin1String("microphone")) {
            readAudioEntry(parts, &s.microphoneEnabled, &s.microphoneIndex, &s.microphoneVolume);
        }
    }
}
