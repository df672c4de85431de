#include "mytableview.h"

#include "historymodel.h"

#include <QHeaderView>
#include <QMouseEvent>
#include <QScrollBar>

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

int MyTableView::rowCount() const
{
    return model() ? model()->rowCount(rootIndex()) : 0;
}

int MyTableView::fitRow(int row)
{
    // As the header's own sizing to contents: the larger of the row's cells
    // and its header section, which is the same for every row.
    const int wanted = qMax(m_headerHeight, sizeHintForRow(row));
    if (rowHeight(row) != wanted) {
        setRowHeight(row, wanted);
        m_resized = true;
    }
    return wanted;
}

void MyTableView::fitPage(int row, int step)
{
    const int count = rowCount();
    const int page = viewport()->height();
    for (int height = 0; row >= 0 && row < count && height < page; row += step)
        height += fitRow(row);
}

int MyTableView::topRow() const
{
    return verticalScrollMode() == ScrollPerItem ? verticalScrollBar()->value() : qMax(0, rowAt(0));
}

void MyTableView::fitRows(int around, bool lastPage)
{
    if (m_fitting || rowCount() == 0)
        return;
    m_fitting = true;
    m_resized = false;
    QHeaderView *rows = verticalHeader();
    m_headerHeight = rows->sectionSizeHint(0);
    // Rows not yet measured: one line, the height of a cell that never wraps.
    const QModelIndex oneLine = model()->index(0, HistoryModel::FileSize, rootIndex());
    const int lineHeight =
        qMax(m_headerHeight, itemDelegate()->sizeHint(viewOptions(), oneLine).height() + (showGrid() ? 1 : 0));
    if (lineHeight > 0 && rows->defaultSectionSize() != lineHeight)
        rows->setDefaultSectionSize(lineHeight);
    // The last page decides how far the table scrolls.
    if (lastPage)
        fitPage(rowCount() - 1, -1);
    if (around >= 0)
        fitPage(around, -1);
    fitPage(around >= 0 ? around : topRow(), 1);
    // Rows above the top that changed would leave the view's pixel offset
    // on another row than the scroll bar says.
    if (m_resized && verticalScrollMode() == ScrollPerItem) {
        const QScrollBar *bar = verticalScrollBar();
        if (bar->maximum() > 0 && bar->value() == bar->maximum())
            rows->setOffsetToLastSection();
        else
            rows->setOffsetToSectionPosition(bar->value());
    }
    m_fitting = false;
}

void MyTableView::updateGeometries()
{
    fitRows(-1, true);
    QTableView::updateGeometries();
    fitRowsInView();
}

void MyTableView::fitRowsInView()
{
    fitRows(-1, false);
}

void MyTableView::scrollContentsBy(int dx, int dy)
{
    QTableView::scrollContentsBy(dx, dy);
    if (dy != 0)
        fitRowsInView();
}

void MyTableView::scrollTo(const QModelIndex &index, ScrollHint hint)
{
    // Wherever the row comes to lie, the rows around it are measured first,
    // so that it lands where it is asked to.
    if (index.isValid())
        fitRows(index.row(), false);
    QTableView::scrollTo(index, hint);
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
