#pragma once
// The History window's table over the history store's current view: nine
// columns (name, picture size, duration, file size, four action cells and a
// spacer). Each index carries its entry as internal pointer.
#include <QAbstractTableModel>
#include <QIcon>

class HistoryItem;
class HistoryList;

class HistoryModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    enum Column { Name = 0, Size, Duration, FileSize, Play, Rename, OpenFolder, Delete, Spacer, ColumnCount };

    explicit HistoryModel(QObject *parent = nullptr);

    void setList(HistoryList *list);
    HistoryList *list() const { return m_list; }
    // Every view rereads everything.
    void refresh();
    static HistoryItem *itemOf(const QModelIndex &index);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QModelIndex index(int row, int column, const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

private:
    QVariant text(const HistoryItem *item, int column) const;

    HistoryList *m_list = nullptr;
    QIcon m_videoIcon;
    QIcon m_audioIcon;
    QIcon m_pictureIcon;
};
