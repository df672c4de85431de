#include "searchedit.h"

#include "skinmanager.h"

#include <QPainter>

namespace {
constexpr int kExtraLeftMargin = 30;
constexpr int kMagnifierLeft = 8;
} // namespace

SearchEdit::SearchEdit(QWidget *parent) : QLineEdit(parent)
{
    QMargins margins = textMargins();
    margins.setLeft(margins.left() + kExtraLeftMargin);
    setTextMargins(margins);
    m_magnifier = QPixmap(SkinManager::instance()->skinPath() + QStringLiteral("image/search.png"));
}

QRect SearchEdit::magnifierRect() const
{
    return QRect(QPoint(kMagnifierLeft, (height() - m_magnifier.height()) / 2), m_magnifier.size());
}

void SearchEdit::paintEvent(QPaintEvent *event)
{
    QLineEdit::paintEvent(event);
    if (m_magnifier.isNull())
        return;
    QPainter painter(this);
    painter.drawPixmap(magnifierRect().topLeft(), m_magnifier);
}
