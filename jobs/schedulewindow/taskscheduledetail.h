#pragma once
// The task form: edits one scheduled job (name, start, week days, how it
// stops, shutdown, what it records), checks it and stores it as a task.
// The job is kept as it was at load and put back after every refused save
// and every close that is not an accepted save.
#include "recordsource.h"

#include <QDateTime>
#include <QDialog>

namespace Ui {
class TaskScheduleDetailClass;
}
class FramelessDrag;
class QAbstractButton;
class QButtonGroup;
class QCheckBox;
class TaskScheduleItem;
class TaskScheduleList;

class TaskScheduleDetail : public QDialog
{
    Q_OBJECT
public:
    explicit TaskScheduleDetail(QWidget *parent = nullptr);
    ~TaskScheduleDetail() override;

    Ui::TaskScheduleDetailClass *form() const { return ui; }
    TaskScheduleItem *taskItem() const { return m_taskItem; }

    // True (after the warning naming the other job) when the edited job's
    // window meets an enabled job of the list.
    bool checkOverlap();
    quint16 weekdayMask() const;
    void setWeekdayBoxes(quint16 mask);
    void loadRecordSource();
    void saveRecordSource();

signals:
    void visibleChanged(bool visible);

public slots:
    void load(TaskScheduleItem *task);
    void save();
    void btnGrpStopTypeClicked(QAbstractButton *button);
    void chxRepeatToggled(bool on);
    void chxLoopToggled(bool on);
    void cbxAreaSelectedActivated(int index);
    void cbxWebcamActivated(int index);
    void cbxSystemsoundCurrentIndexChanged(int index);
    void cbxMicrophoneCurrentIndexChanged(int index);
    void cameraWindowRectChanged(const QRect &rect);
    void edtStartTimeDateTimeChanged(const QDateTime &time);
    void UpdatechxRepeatState(int state);

    void done(int result) override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    // Everything the form may change in a job.
    struct Kept {
        QString description;
        QDateTime startTime;
        int repeat = 0;
        quint16 weekdayMask = 0;
        QDateTime stopTime;
        int stopType = 0;
        int length = 0;
        int loop = 0;
        bool shutdown = false;
        RecordSource source;
    };
    void keep();
    void putBack();
    void fail(int number, const QString &message);
    QList<QCheckBox *> dayBoxes() const;
    void applyStyle();
    void applyScale();
    TaskScheduleList *list() const;
    void showWebcamArea(bool visible, const QRect &rect);

    Ui::TaskScheduleDetailClass *ui;
    QButtonGroup *m_stopGroup;
    TaskScheduleItem *m_taskItem = nullptr;
    Kept m_kept;
    bool m_saved = false;
    FramelessDrag *m_drag;
};
