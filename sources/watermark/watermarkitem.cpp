#include "watermarkitem.h"

#include <QDataStream>
#include <QPainter>

#include <cmath>

namespace {
const QColor kSelectionColor(61, 208, 238);
}

WatermarkItem::WatermarkItem(int kind, const QRect &bounds) : m_kind(kind), m_bounds(bounds) {}

void WatermarkItem::paint(QPainter *painter)
{
    paintSelection(painter);
}

void WatermarkItem::paintSelection(QPainter *painter) const
{
    if (!m_selected || !m_rect.isValid())
        return;
    painter->save();
    painter->setPen(kSelectionColor);
    painter->setBrush(Qt::NoBrush);
    painter->drawRect(m_rect.adjusted(2, 2, -3, -3));
    for (const QRect &handle : m_handles)
        painter->fillRect(handle, kSelectionColor);
    painter->restore();
}

void WatermarkItem::setRect(const QRect &rect)
{
    m_rect = rect;
    updateHandles();
}

void WatermarkItem::updateHandles()
{
    m_handles.clear();
    if (!m_rect.isValid())
        return;
    const int cw = m_rect.right() - m_rect.left() - 5;
    const int ch = m_rect.bottom() - m_rect.top() - 5;
    QRect square(0, 0, 6, 6);
    QRect topLeft = square;
    topLeft.moveTopLeft(m_rect.topLeft());
    QRect topRight = square;
    topRight.moveTopRight(m_rect.topRight());
    QRect bottomRight = square;
    bottomRight.moveBottomRight(m_rect.bottomRight());
    QRect bottomLeft = square;
    bottomLeft.moveBottomLeft(m_rect.bottomLeft());
    m_handles[HTTOPLEFT] = topLeft;
    m_handles[HTTOP] = topLeft.translated(cw / 2, 0);
    m_handles[HTTOPRIGHT] = topRight;
    m_handles[HTRIGHT] = topRight.translated(0, ch / 2);
    m_handles[HTBOTTOMRIGHT] = bottomRight;
    m_handles[HTBOTTOM] = bottomRight.translated(-cw / 2, 0);
    m_handles[HTBOTTOMLEFT] = bottomLeft;
    m_handles[HTLEFT] = bottomLeft.translated(0, -ch / 2);
}

int WatermarkItem::hitTest(const QPoint &point) const
{
    // QMap iterates in ascending key order: the lowest zone wins on overlap.
    for (auto it = m_handles.constBegin(); it != m_handles.constEnd(); ++it) {
        if (it.value().contains(point))
            return it.key();
    }
    return m_rect.contains(point) ? HTCLIENT : HTNOWHERE;
}

WatermarkItem *WatermarkItem::copyFrom(const WatermarkItem &other)
{
    m_kind = other.m_kind;
    setRect(other.m_rect);
    m_transparency = other.m_transparency;
    m_bounds = other.m_bounds;
    m_selected = other.m_selected;
    return this;
}

QRect WatermarkItem::keptInside(QRect r, const QRect &bounds)
{
    if (r.left() < bounds.left()) {
        r.translate(bounds.left() - r.left(), 0);
        if (r.right() > bounds.right())
            r.setRight(bounds.right());
    }
    if (r.right() > bounds.right()) {
        r.translate(bounds.right() - r.right(), 0);
        if (r.left() < bounds.left())
            r.setLeft(bounds.left());
    }
    if (r.top() < bounds.top()) {
        r.translate(0, bounds.top() - r.top());
        if (r.bottom() > bounds.bottom())
            r.setBottom(bounds.bottom());
    }
    if (r.bottom() > bounds.bottom()) {
        r.translate(0, bounds.bottom() - r.bottom());
        if (r.top() < bounds.top())
            r.setTop(bounds.top());
    }
    return r;
}

double WatermarkItem::fraction(int num, int den)
{
    return den == 0 ? 0.0 : double(num) / double(den);
}

int WatermarkItem::truncated(double value)
{
    // A corrupt record can carry absurd rectangles; never let the product
    // overflow the int conversion.
    constexpr double limit = 1.0e8;
    if (!std::isfinite(value))
        return 0;
    return int(qBound(-limit, value, limit));
}

int WatermarkItem::rounded(double value)
{
    return truncated(std::floor(value + 0.5));
}

void WatermarkItem::writeHead(QDataStream &stream) const
{
    stream << qint32(m_kind) << m_rect << m_bounds << m_transparency;
}

void WatermarkItem::readHead(QDataStream &stream, RecordHead *head)
{
    stream >> head->kind >> head->rect >> head->bounds >> head->transparency;
}
