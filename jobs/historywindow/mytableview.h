#pragma once
// The History table. It remembers the rows the user selected with the mouse
// (their column-0 indexes), so that a click on a row's Delete cell acts on
// the rows selected before that click. The list is emptied whenever the
// model resets, so it never names an entry that is gone or hidden.
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

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QModelIndexList currentRows() const;
    void clearList() { m_ModelIndexList.clear(); }

    QModelIndexList m_ModelIndexList;
};
