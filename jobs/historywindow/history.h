#pragma once
// The History window: every file the program made, narrowed by kind or
// name, with play, rename, show in folder and remove for each entry, and a
// panel recommending the maker's media tool. One instance, kept hidden
// between showings by the main window.
#include <QDialog>

namespace Ui {
class HistoryClass;
}
class FramelessDrag;
class FramelessResize;
class HistoryItem;
class HistoryList;
class HistoryModel;
class QModelIndex;
class QProcess;

class History : public QDialog
{
    Q_OBJECT
public:
    // `list` is the store shown; the program's own one when none is given.
    explicit History(QWidget *parent = nullptr, HistoryList *list = nullptr);
    ~History() override;

    void retranslate();
    HistoryModel *model() const { return m_model; }
    Ui::HistoryClass *form() const { return ui; }

    // The new path of a rename: the folder, the answer and, when the old
    // name had one, everything after its first ".".
    static QString renamedPath(const QString &path, const QString &answer);

signals:
    void visibleChanged(bool visible);

public slots:
    void itemClicked(const QModelIndex &index);
    void hideToolTip(const QModelIndex &index);
    void itemPlay(HistoryItem *item);
    void itemEdit(HistoryItem *item);
    void itemOpenFolder(HistoryItem *item);
    void itemShare(HistoryItem *item);
    void itemDelete(HistoryItem *item);
    void itemDelete(HistoryItem *item, bool deleteFile);
    void cbxHistoryTypeChanged(int index);
    void edtSearchChanged(const QString &text);
    void removeAll();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void changeEvent(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    void applyStyle();
    void applyScale();
    void fillTypeBox();
    void selectFirstRow();
    // Removes the entries, their files too when asked; a file that cannot
    // be deleted is named in a warning and its entry stays.
    void removeEntries(const QList<HistoryItem *> &items, bool deleteFiles);
    void deleteAction();
    bool askMissingRemoval();
    void openCompanionTool();

    Ui::HistoryClass *ui;
    HistoryModel *m_model;
    HistoryList *m_list;
    bool m_hiddenByMinimize = false;
    QProcess *m_launcher = nullptr;
    FramelessDrag *m_drag;
    FramelessResize *m_resize;
};

// The program's History window, made by the main window on first use.
extern History *g_history;
