#pragma once
// The History table. It remembers the rows the user selected with the mouse
// (their column-0 indexes), so that a click on a row's Delete cell acts on
// the rows selected before that click. The list is emptied whenever the
// model resets, so it never names an entry that is gone or hidden.
// Rows are as high as their contents; only the rows in view are measured
// (each again as it comes into view), so a history of a hundred thousand
// entries opens as fast as a short one.
#include <QModelIndexList>
#include <QTableView>

class HistoryItem;

class MyTableView : public QTableView
{
    Q_OBJECT
public:
    explicit MyTableView(QWidget *parent = nullptr);

    void setModel(QAbstractItemModel *model) override;
    QModelIndexList selectItemList() const { return m_ModelIndexList; }
    // The entries of the list, taken before anything is removed.
    QList<HistoryItem *> selectedItems() const;
    // Takes the list from the current selection.
    void UpdateSelectItemList();
    void scrollTo(const QModelIndex &index, ScrollHint hint = EnsureVisible) override;

protected:
    void updateGeometries() override;
    void scrollContentsBy(int dx, int dy) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    int rowCount() const;
    // Sizes the row to its contents; its height.
    int fitRow(int row);
    // Sizes rows from `row` on, by `step`, until they fill the viewport.
    void fitPage(int row, int step);
    int topRow() const;
    // Sizes the rows in view to their contents.
    void fitRowsInView();
    // Sizes the rows in view, or those within a viewport's height of
    // `around`, and the last page when asked.
    void fitRows(int around, bool lastPage);
    QModelIndexList currentRows() const;
    void clearList() { m_ModelIndexList.clear(); }

    QModelIndexList m_ModelIndexList;
    bool m_fitting = false;
    int m_headerHeight = 0;
    bool m_resized = false;
};
