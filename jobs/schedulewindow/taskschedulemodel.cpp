#include "taskschedulemodel.h"

#include "core/formatting.h"
#include "taskschedulelist.h"

#include <QAbstractItemView>
#include <QColor>
#include <QCursor>
#include <QPainter>

TaskScheduleModel::TaskScheduleModel(QObject *parent)
    : QAbstractTableModel(parent), m_clock([] { return QDateTime::currentDateTime(); })
{
}

void TaskScheduleModel::setList(TaskScheduleList *list)
{
    beginResetModel();
    m_list = list;
    endResetModel();
}

void TaskScheduleModel::reset()
{
    beginResetModel();
    endResetModel();
}

TaskScheduleItem *TaskScheduleModel::itemOf(const QModelIndex &index)
{
    return index.isValid() ? static_cast<TaskScheduleItem *>(index.internalPointer()) : nullptr;
}

QModelIndex TaskScheduleModel::index(int row, int column, const QModelIndex &parent) const
{
    if (!m_list || !hasIndex(row, column, parent))
        return QModelIndex();
    return createIndex(row, column, m_list->itemAt(row));
}

int TaskScheduleModel::rowCount(const QModelIndex &) const
{
    return m_list ? m_list->count() : 0;
}

int TaskScheduleModel::columnCount(const QModelIndex &) const
{
    return ColumnCount;
}

void TaskScheduleModel::markExpiry(TaskScheduleItem *item) const
{
    item->markExpiry(m_clock());
}

QVariant TaskScheduleModel::data(const QModelIndex &index, int role) const
{
    TaskScheduleItem *item = itemOf(index);
    if (!item)
        return QVariant();
    if (role == Qt::TextAlignmentRole)
        return index.column() == Name ? int(Qt::AlignLeft | Qt::AlignVCenter) : int(Qt::AlignCenter);
    if (index.column() == Status)
        markExpiry(item);
    if (role == Qt::ForegroundRole && index.column() == Status)
        return QColor(item->isEnabled() ? QStringLiteral("#4BB86D") : QStringLiteral("#C8CBEF"));
    if (role != Qt::DisplayRole && role != Qt::EditRole)
        return QVariant();
    switch (index.column()) {
    case Name:
        return item->description();
    case Start:
        if (item->repeat() == 0)
            return item->startTime().toString(QStringLiteral("MM-dd-yyyy HH:mm:ss"));
        return item->startTime().toString(QStringLiteral("HH:mm:ss")) + tr("(Repeat)");
    case Length: {
        const qint64 ms = item->recordLengthMsecs();
        return ms == -1 ? tr("Manually") : formatDuration(quint64(qMax<qint64>(0, ms)));
    }
    case Loop:
        if (item->stopType() == TaskScheduleItem::StopByLength && item->loop() > 0)
            return item->loop();
        return QVariant();
    case Status:
        return item->isEnabled() ? tr("Enable") : tr("Disable");
    default:
        return QString();
    }
}

bool TaskScheduleModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    TaskScheduleItem *item = itemOf(index);
    if (!item)
        return false;
    if (index.column() != Status || role != Qt::EditRole) {
        emit dataChanged(index, index);
        return true;
    }
    const bool was = item->isEnabled();
    item->setEnabled(value.toBool());
    const bool ok = item->registerTask();
    if (!ok)
        item->setEnabled(was);
    emit dataChanged(index, index);
    return ok;
}

QVariant TaskScheduleModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= ColumnCount)
        return QVariant();
    if (role == Qt::TextAlignmentRole)
        return section == Name ? 129 : 132;
    if (role != Qt::DisplayRole)
        return QVariant();
    switch (section) {
    case Name:
        return tr("   Name");
    case Start:
        return tr("Start");
    case Length:
        return tr("Length");
    case Loop:
        return tr("Loop");
    default:
        return tr("Status");
    }
}

bool TaskScheduleModel::removeRows(int row, int count, const QModelIndex &parent)
{
    if (!m_list || parent.isValid() || row < 0)
        return false;
    bool all = true;
    beginResetModel();
    int at = row;
    for (int i = 0; i < count; ++i) {
        TaskScheduleItem *item = m_list->itemAt(at);
        if (!item)
            break;
        if (!m_list->removeItem(item)) {
            all = false;
            ++at; // it stays; go on with the next
        }
    }
    endResetModel();
    return all;
}

bool TaskScheduleDelegate::isRowUnderMouse(const QStyleOptionViewItem &option, const QModelIndex &index)
{
    auto *view = qobject_cast<const QAbstractItemView *>(option.widget);
    if (!view || !index.isValid())
        return false;
    const QPoint cursor = view->viewport()->mapFromGlobal(QCursor::pos());
    for (int c = 0; c < index.model()->columnCount(); ++c) {
        if (view->visualRect(index.sibling(index.row(), c)).contains(cursor))
            return true;
    }
    return false;
}

void TaskScheduleDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    QStyleOptionViewItem opt(option);
    initStyleOption(&opt, index);
    if (isRowUnderMouse(option, index))
        painter->fillRect(opt.rect, QColor(QStringLiteral("#E2DBF1")));
    opt.state &= ~QStyle::State_HasFocus;
    QStyledItemDelegate::paint(painter, opt, index);
}

QSize TaskScheduleDelegate::sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    size.setHeight(38);
    return size;
}
