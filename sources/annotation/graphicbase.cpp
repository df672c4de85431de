#include "graphicbase.h"

#include <QLineF>
#include <QPainter>
#include <QPainterPath>

GraphicRectangle::GraphicRectangle(const QPoint &start, const QPoint &end, const QColor &color, int penSize)
    : GraphicRectangle(1, start, end, color, penSize)
{
}

GraphicRectangle::GraphicRectangle(int type, const QPoint &start, const QPoint &end, const QColor &color,
                                   int penSize)
    : GraphicBase(type), m_penSize(penSize), m_start(start), m_end(end), m_color(color)
{
}

QPen GraphicRectangle::strokePen(const QColor &color, int width)
{
    return QPen(QBrush(color, Qt::SolidPattern), width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void GraphicRectangle::draw(QPainter *painter)
{
    painter->setPen(strokePen(m_color, m_penSize));
    painter->setBrush(Qt::NoBrush);
    // Not normalised: a drag to the left or upwards draws all the same.
    painter->drawRect(QRect(m_start, m_end));
}

void GraphicRectangle::addPoint(const QPoint &p)
{
    m_end = p;
}

GraphicEllipse::GraphicEllipse(const QPoint &start, const QPoint &end, const QColor &color, int penSize)
    : GraphicRectangle(2, start, end, color, penSize)
{
}

void GraphicEllipse::draw(QPainter *painter)
{
    painter->setPen(strokePen(m_color, m_penSize));
    painter->setBrush(Qt::NoBrush);
    painter->drawEllipse(QRect(m_start, m_end));
}

GraphicLine::GraphicLine(const QPoint &start, const QPoint &end, const QColor &color, int penSize)
    : GraphicRectangle(3, start, end, color, penSize)
{
}

void GraphicLine::draw(QPainter *painter)
{
    painter->setPen(strokePen(m_color, m_penSize));
    painter->setBrush(Qt::NoBrush);
    painter->drawLine(m_start, m_end);
}

GraphicArrow::GraphicArrow(const QPoint &start, const QPoint &end, const QColor &color, int penSize)
    : GraphicRectangle(4, start, end, color, penSize)
{
}

void GraphicArrow::draw(QPainter *painter)
{
    const QPointF tip = m_end;
    const QPointF tail = m_start;
    if (tip == tail)
        return;
    const qreal s = m_penSize;
    // The head is always 10 pen widths long, even when that reaches back
    // past the tail of a short arrow.
    const QLineF shaft(tip, tail);
    const QPointF back = tip + (tail - tip) * (10.0 * s / shaft.length());
    const QPointF d = tip - back;
    const QPointF n(0.4 * d.y(), -0.4 * d.x());

    QPainterPath path(tip);
    path.lineTo(back + n);
    path.lineTo(back + 0.33 * n);
    path.lineTo(tail);
    path.lineTo(back - 0.33 * n);
    path.lineTo(back - n);
    path.lineTo(tip);
    painter->fillPath(path, QBrush(m_color, Qt::SolidPattern));
}
