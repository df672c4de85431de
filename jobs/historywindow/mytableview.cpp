#include "mytableview.h"

#include "historymodel.h"

#include <QMouseEvent>

MyTableView::MyTableView(QWidget *parent) : QTableView(parent) {}

void MyTableView::setModel(QAbstractItemModel *model)
{
    if (this->model())
        disconnect(this->model(), &QAbstractItemModel::modelReset, this, nullptr);
    QTableView::setModel(model);
    clearList();
    if (model)
        connect(model, &QAbstractItemModel::modelReset, this, [this] { clearList(); });
}

QList<HistoryItem *> MyTableView::selectedItems() const
{
    QList<HistoryItem *> items;
    for (const QModelIndex &index : m_ModelIndexList) {
        if (HistoryItem *item = HistoryModel::itemOf(index))
            items.append(item);
    }
    return items;
}

QModelIndexList MyTableView::currentRows() const
{
    QModelIndexList rows;
    if (!selectionModel())
        return rows;
    const QModelIndexList selected = selectionModel()->selectedIndexes();
    for (const QModelIndex &index : selected) {
        if (!index.isValid())
            return QModelIndexList();
        if (index.column() == 0)
            rows.append(index);
    }
    return rows;
}

void MyTableView::UpdateSelectItemList()
{
    const QModelIndexList rows = currentRows();
    if (rows != m_ModelIndexList)
        m_ModelIndexList = rows;
}

void MyTableView::mousePressEvent(QMouseEvent *event)
{
    const QModelIndex index = indexAt(event->pos());
    if (index.column() != HistoryModel::Delete)
        clearList();
    QTableView::mousePressEvent(event);
}

void MyTableView::mouseReleaseEvent(QMouseEvent *event)
{
    const QModelIndex index = indexAt(event->pos());
    if (index.column() != HistoryModel::Delete) {
        const QModelIndexList rows = currentRows();
        if (rows != m_ModelIndexList)
            m_ModelIndexList = rows;
    }
    QTableView::mouseReleaseEvent(event);
}
