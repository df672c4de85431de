#pragma once
// The task window's table over the scheduled-job store: name, start,
// length, loop and status. Showing a once job whose start has passed marks
// it expired and disabled (in memory only).
#include <QAbstractTableModel>
#include <QDateTime>
#include <QProxyStyle>
#include <QStyledItemDelegate>

#include <functional>

class TaskScheduleItem;
class TaskScheduleList;

class TaskScheduleModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    enum Column { Name = 0, Start, Length, Loop, Status, ColumnCount };
    using Clock = std::function<QDateTime()>;

    explicit TaskScheduleModel(QObject *parent = nullptr);

    void setList(TaskScheduleList *list);
    TaskScheduleList *list() const { return m_list; }
    void setClock(Clock clock) { m_clock = std::move(clock); }
    static TaskScheduleItem *itemOf(const QModelIndex &index);
    void reset();

    QModelIndex index(int row, int column, const QModelIndex &parent = QModelIndex()) const override;
    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    // The status column enables or disables the job and registers it; a
    // refused registration puts the flag back and answers false.
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    // Removes the jobs and their tasks; a job whose task could not be
    // deleted stays, and the answer is false.
    bool removeRows(int row, int count, const QModelIndex &parent = QModelIndex()) override;

private:
    void markExpiry(TaskScheduleItem *item) const;

    TaskScheduleList *m_list = nullptr;
    Clock m_clock;
};

// Tints the row under the pointer and draws no focus frame; rows are 38
// pixels high.
class TaskScheduleDelegate : public QStyledItemDelegate
{
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    static bool isRowUnderMouse(const QStyleOptionViewItem &option, const QModelIndex &index);
};

// Widens the text margin of every cell.
class TaskScheduleStyle : public QProxyStyle
{
    Q_OBJECT
public:
    using QProxyStyle::QProxyStyle;
    int pixelMetric(PixelMetric metric, const QStyleOption *option = nullptr,
                    const QWidget *widget = nullptr) const override
    {
        return metric == PM_FocusFrameHMargin ? 10 : QProxyStyle::pixelMetric(metric, option, widget);
    }
};
