#pragma once
// Paints the History table's rows: the hovered row tinted, no focus frame,
// and the four action icons on selected rows.
#include <QIcon>
#include <QProxyStyle>
#include <QStyledItemDelegate>

class HistoryDelegate : public QStyledItemDelegate
{
    Q_OBJECT
public:
    explicit HistoryDelegate(QObject *parent = nullptr);

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    // Whether the pointer lies over any cell of the index's row.
    static bool isRowHovered(const QStyleOptionViewItem &option, const QModelIndex &index);

private:
    QIcon m_play, m_rename, m_folder, m_delete;
};

// Widens the text margin of every cell of the History table.
class HistoryStyle : public QProxyStyle
{
    Q_OBJECT
public:
    using QProxyStyle::QProxyStyle;
    int pixelMetric(PixelMetric metric, const QStyleOption *option = nullptr,
                    const QWidget *widget = nullptr) const override
    {
        if (metric == PM_FocusFrameHMargin)
            return 10;
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
};
