#pragma once
// One record job: its sources, when it starts (once, or on chosen week days
// at a time of day), how it ends (after a length, at a stop time, or by
// hand), how often it loops and whether the computer shuts down after it.
// Scheduled jobs keep what the scheduler's own trigger has no place for in
// the task data text (toData / fromData).
#include "recordsource.h"

#include <QDateTime>
#include <QObject>
#include <QString>

class TaskScheduleList;

class TaskScheduleItem : public QObject
{
public:
    // `owner` is the list that made the job (none for a job made by hand);
    // the QObject parent is given apart, as the list is not known here.
    explicit TaskScheduleItem(TaskScheduleList *owner = nullptr, QObject *parent = nullptr);
    ~TaskScheduleItem() override;

    // Stop types.
    enum { StopByLength = 0, StopAtTime = 1, StopByHand = 2 };

    QString name() const { return m_name; }
    // Set by registration and loading only.
    void setName(const QString &name) { m_name = name; }
    QString description() const { return m_description; }
    void setDescription(const QString &text) { m_description = text; }
    bool isEnabled() const { return m_enabled; }
    void setEnabled(bool on) { m_enabled = on; }
    int repeat() const { return m_repeat; }
    void setRepeat(int repeat) { m_repeat = repeat; }
    QDateTime startTime() const { return m_startTime; }
    void setStartTime(const QDateTime &time) { m_startTime = time; }
    // Bit 0 Sunday, bit 1 Monday, ... bit 6 Saturday.
    quint16 weekdayMask() const { return m_weekdayMask; }
    void setWeekdayMask(quint16 mask) { m_weekdayMask = mask; }
    int stopType() const { return m_stopType; }
    void setStopType(int type) { m_stopType = type; }
    int length() const { return m_length; } // seconds
    void setLength(int seconds) { m_length = seconds; }
    QDateTime stopTime() const { return m_stopTime; }
    void setStopTime(const QDateTime &time) { m_stopTime = time; }
    int loop() const { return m_loop; }
    void setLoop(int loop) { m_loop = loop; }
    bool shutdown() const { return m_shutdown; }
    void setShutdown(bool on) { m_shutdown = on; }
    RecordSource *recordSource() { return &m_recordSource; }
    const RecordSource *recordSource() const { return &m_recordSource; }
    TaskScheduleList *owner() const { return m_owner; }
    bool isNew() const { return m_isNew; }
    void setIsNew(bool on) { m_isNew = on; }
    bool isExpired() const { return m_isExpired; }
    void setExpired(bool on) { m_isExpired = on; }

    // A once job whose start has passed is expired and disabled (in memory
    // only: its task keeps what it says); a later one is not expired.
    // Repeating jobs are left alone.
    void markExpiry(const QDateTime &now);

    // The planned length in milliseconds, -1 for a job stopped by hand.
    qint64 recordLengthMsecs() const;
    // The next start after `now`; invalid when there is none. A once job
    // answers its start even when it has passed.
    QDateTime nextRunTime(const QDateTime &now = QDateTime::currentDateTime()) const;

    // True when every number is one the task form can make: a record length
    // of 1 to 86399 s for a job stopped by length (within a day either way
    // for the others), a loop count of 0 to 999, week days within the
    // seven, volumes of 0 to 200, device and screen indexes from -1 on, and
    // rectangles that are empty or on the X11 plane. A task file read back
    // holding anything else is damaged, and its job is never run.
    bool isWithinFormRange() const;
    static constexpr int MAX_LENGTH_SECS = 86399;
    static constexpr int MAX_LOOP = 999;
    static constexpr int MAX_VOLUME = 200;

    // The task data text: nine entries "key,value,..." joined by ";".
    QString toData() const;
    // Reads a task data text over the current values: only what it names
    // changes.
    void fromData(const QString &text);

    // The date form of the data text's stop time.
    static const char *const DATA_TIME_FORMAT;

    // Writes the job into its owner's task folder (create or update); a new
    // job gets its name here. Defined with the schedule store.
    bool registerTask();

private:
    QString m_name;
    QString m_description;
    bool m_enabled = true; // a new job runs at its next start
    int m_repeat = 0;
    QDateTime m_startTime;
    quint16 m_weekdayMask = 0;
    int m_stopType = StopAtTime;
    int m_length = 0;
    QDateTime m_stopTime;
    int m_loop = 0;
    bool m_shutdown = false;
    RecordSource m_recordSource;
    TaskScheduleList *m_owner;
    bool m_isNew = false;
    bool m_isExpired = false;
};
