#include "historydelegate.h"

#include "historymodel.h"
#include "skinmanager.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCursor>
#include <QPainter>

namespace {
QIcon actionIcon(const QString &name)
{
    const QString images = SkinManager::instance()->skinPath() + QStringLiteral("image/");
    QIcon icon;
    icon.addPixmap(QPixmap(images + name + QStringLiteral("-normal-hover.png")), QIcon::Normal, QIcon::Off);
    const QPixmap pressed(images + name + QStringLiteral("-press.png"));
    icon.addPixmap(pressed, QIcon::Active, QIcon::Off);
    icon.addPixmap(pressed, QIcon::Selected, QIcon::Off);
    return icon;
}
} // namespace

HistoryDelegate::HistoryDelegate(QObject *parent)
    : QStyledItemDelegate(parent), m_play(actionIcon(QStringLiteral("play"))),
      m_rename(actionIcon(QStringLiteral("rename"))), m_folder(actionIcon(QStringLiteral("folder"))),
      m_delete(actionIcon(QStringLiteral("delectfile")))
{
}

bool HistoryDelegate::isRowHovered(const QStyleOptionViewItem &option, const QModelIndex &index)
{
    auto *view = qobject_cast<const QAbstractItemView *>(option.widget);
    if (!view || !index.isValid())
        return false;
    const QPoint cursor = view->viewport()->mapFromGlobal(QCursor::pos());
    const int columns = index.model()->columnCount(index.parent());
    for (int c = 0; c < columns; ++c) {
        if (view->visualRect(index.sibling(index.row(), c)).contains(cursor))
            return true;
    }
    return false;
}

void HistoryDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    QStyleOptionViewItem opt(option);
    initStyleOption(&opt, index);
    const bool pressed = (QApplication::mouseButtons() & Qt::LeftButton) && (opt.state & QStyle::State_MouseOver);
    if (isRowHovered(option, index))
        painter->fillRect(opt.rect, QColor(QStringLiteral("#E2DBF1")));
    opt.state &= ~QStyle::State_HasFocus;
    QStyledItemDelegate::paint(painter, opt, QModelIndex(index));

    if (!(opt.state & QStyle::State_Selected))
        return;
    const QIcon *icon = nullptr;
    switch (index.column()) {
    case HistoryModel::Play:
        icon = &m_play;
        break;
    case HistoryModel::Rename:
        icon = &m_rename;
        break;
    case HistoryModel::OpenFolder:
        icon = &m_folder;
        break;
    case HistoryModel::Delete:
        icon = &m_delete;
        break;
    default:
        return;
    }
    const QIcon::Mode mode = pressed ? QIcon::Selected
                                     : ((opt.state & QStyle::State_MouseOver) ? QIcon::Active : QIcon::Normal);
    // Within 18 x 18 at the display scale.
    const QSize natural = icon->actualSize(QSize(18, 18), mode, QIcon::Off);
    const QSize size = natural * g_dscale;
    const QPoint at(opt.rect.left() + (opt.rect.width() - size.width()) / 2,
                    opt.rect.top() + (opt.rect.height() - size.height()) / 2);
    painter->save();
    painter->setRenderHint(QPainter::SmoothPixmapTransform);
    painter->drawPixmap(QRect(at, size), icon->pixmap(natural, mode, QIcon::Off));
    painter->restore();
}
