#include "historymodel.h"

#include "core/formatting.h"
#include "historylist.h"
#include "skinmanager.h"

#include <QFileInfo>

HistoryModel::HistoryModel(QObject *parent) : QAbstractTableModel(parent)
{
    const QString images = SkinManager::instance()->skinPath() + QStringLiteral("image/");
    m_videoIcon = QIcon(images + QStringLiteral("videofile-normal-hover.png"));
    m_audioIcon = QIcon(images + QStringLiteral("audiofile-normal-hover.png"));
    m_pictureIcon = QIcon(images + QStringLiteral("picfile-normal-hover.png"));
}

void HistoryModel::setList(HistoryList *list)
{
    beginResetModel();
    m_list = list;
    endResetModel();
}

void HistoryModel::refresh()
{
    beginResetModel();
    endResetModel();
}

HistoryItem *HistoryModel::itemOf(const QModelIndex &index)
{
    return index.isValid() ? static_cast<HistoryItem *>(index.internalPointer()) : nullptr;
}

int HistoryModel::rowCount(const QModelIndex &) const
{
    return m_list ? m_list->count() : 0;
}

int HistoryModel::columnCount(const QModelIndex &) const
{
    return ColumnCount;
}

QModelIndex HistoryModel::index(int row, int column, const QModelIndex &parent) const
{
    if (!hasIndex(row, column, parent) || !m_list)
        return QModelIndex();
    return createIndex(row, column, m_list->itemAt(row));
}

QVariant HistoryModel::text(const HistoryItem *item, int column) const
{
    switch (column) {
    case Name:
        return QFileInfo(item->fileName()).completeBaseName();
    case Size:
        if (item->type() == HistoryItem::Audio)
            return QString();
        return QStringLiteral("%1*%2").arg(item->size().width()).arg(item->size().height());
    case Duration:
        if (item->type() == HistoryItem::Screenshot)
            return QString();
        return formatDuration(quint64(item->duration()));
    case FileSize:
        return formatByteSize(item->fileSize(), 0);
    default:
        return QString();
    }
}

QVariant HistoryModel::data(const QModelIndex &index, int role) const
{
    const HistoryItem *item = itemOf(index);
    if (!item)
        return QVariant();
    const int column = index.column();
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return text(item, column);
    case Qt::DecorationRole:
        if (column != Name)
            return QVariant();
        switch (item->type()) {
        case HistoryItem::Video:
            return m_videoIcon;
        case HistoryItem::Audio:
            return m_audioIcon;
        case HistoryItem::Screenshot:
            return m_pictureIcon;
        default:
            return QVariant();
        }
    case Qt::ToolTipRole:
        switch (column) {
        case Play:
            return tr("Play");
        case Rename:
            return tr("Rename");
        case OpenFolder:
            return tr("Open folder");
        case Delete:
            return tr("Delete");
        default:
            return QVariant();
        }
    case Qt::TextAlignmentRole:
        return column == Name ? int(Qt::AlignLeft | Qt::AlignVCenter) : int(Qt::AlignCenter);
    default:
        return QVariant();
    }
}
