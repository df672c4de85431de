#pragma once
// The task window: the scheduled jobs in a table, with New Task, Play
// (enable), Pause (disable), Edit and Delete. Every change goes through the
// store, so the task files and their user timers follow at once.
#include <QDialog>
#include <QPointer>

#include "taskscheduledetail.h"
#include "taskscheduleitem.h"

namespace Ui {
class TaskScheduleClass;
}
class FramelessDrag;
class QModelIndex;
class TaskScheduleList;
class TaskScheduleModel;

class TaskSchedule : public QDialog
{
    Q_OBJECT
public:
    // `list` is the store shown; the program's own one when none is given.
    explicit TaskSchedule(QWidget *parent = nullptr, TaskScheduleList *list = nullptr);
    ~TaskSchedule() override;

    void retranslate();
    Ui::TaskScheduleClass *form() const { return ui; }
    TaskScheduleModel *model() const { return m_model; }
    TaskScheduleDetail *detail() const { return m_detail; }
    TaskScheduleItem *current() const { return m_current; }

signals:
    void visibleChanged(bool visible);
    void onState(bool on);

public slots:
    void setIndexWidgets();
    void btnAddClicked();
    void btnDeleteClicked();
    void btnPlayClicked();
    void btnPauseClicked();
    void btnEditClicked();
    // Declared for row widgets; nothing connects it.
    void buttonClicked();
    void detailVisibleChanged(bool visible);
    void SlotClickItem(const QModelIndex &index);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void changeEvent(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    void setStyleKeys();
    void loadButtonImages();
    void applyScale();
    void openDetail();
    // The four row buttons for a job (all off without one).
    void followJob(const TaskScheduleItem *job);
    void setButtons(bool play, bool pause, bool edit, bool remove);
    void setStatus(bool enabled);

    Ui::TaskScheduleClass *ui;
    TaskScheduleList *m_list;
    TaskScheduleModel *m_model;
    QPointer<TaskScheduleDetail> m_detail;
    QPointer<TaskScheduleItem> m_current;
    FramelessDrag *m_drag;
};

// The program's task window, made by the main window on first use.
extern TaskSchedule *g_taskSchedule;
