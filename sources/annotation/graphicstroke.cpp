#include "graphicstroke.h"

#include <QPainter>
#include <QPixmap>
#include <QPolygonF>
#include <QtMath>

GraphicBrush::GraphicBrush(const QPoint &start, const QPoint &end, const QColor &color, int penSize)
    : GraphicBrush(5, start, end, color, penSize)
{
}

GraphicBrush::GraphicBrush(int type, const QPoint &start, const QPoint &end, const QColor &color, int penSize)
    : GraphicRectangle(type, start, end, color, penSize)
{
    m_points << start << end;
}

void GraphicBrush::drawSegments(QPainter *painter)
{
    // The first segment joins the two copies of the press point, so a click
    // alone leaves a round dot. The painter draws nothing for a line of no
    // length, so such a segment is drawn as a point of the pen's width.
    for (int i = 0; i + 1 < m_points.size(); ++i) {
        if (m_points.at(i) == m_points.at(i + 1))
            painter->drawPoint(m_points.at(i));
        else
            painter->drawLine(m_points.at(i), m_points.at(i + 1));
    }
}

void GraphicBrush::draw(QPainter *painter)
{
    painter->setPen(strokePen(m_color, m_penSize));
    drawSegments(painter);
}

void GraphicBrush::addPoint(const QPoint &p)
{
    GraphicRectangle::addPoint(p);
    m_points.append(p);
}

GraphicAirBrush::GraphicAirBrush(const QPoint &start, const QPoint &end, const QColor &color, int penSize)
    : GraphicBrush(6, start, end, color, penSize)
{
}

void GraphicAirBrush::draw(QPainter *painter)
{
    painter->setPen(strokePen(m_color, 1));
    for (const QPoint &p : qAsConst(m_sprayPoints))
        painter->drawPoint(p);
}

void GraphicAirBrush::addPoint(const QPoint &p)
{
    GraphicBrush::addPoint(p);
    spray();
}

// One pixel in six, from a generator of our own with a fixed start, so the
// spray is the same from run to run.
bool GraphicAirBrush::pick()
{
    static quint32 state = 1;
    state = state * 1103515245u + 12345u;
    return ((state >> 16) & 0x7fff) % 6 == 0;
}

void GraphicAirBrush::spray()
{
    if (m_points.size() < 2)
        return;
    const QPoint a = m_points.at(m_points.size() - 2);
    const QPoint b = m_points.at(m_points.size() - 1);
    const int s = m_penSize;
    if (a == b) {
        const int left = a.x() - s / 2;
        const int top = a.y() - s / 2;
        for (int y = top; y < top + s; ++y)
            for (int x = left; x < left + s; ++x)
                if (pick())
                    m_sprayPoints.append(QPoint(x, y));
        return;
    }
    const QPointF af = a;
    const QPointF bf = b;
    const QPointF delta = bf - af;
    const qreal length = qSqrt(delta.x() * delta.x() + delta.y() * delta.y());
    const QPointF u = delta / length;
    const QPointF n(u.y(), -u.x());
    QPolygonF quad;
    quad << af + s * n << af - s * u << bf - s * n << bf + s * u;
    const QRectF box = quad.boundingRect();
    const int y0 = int(box.top());
    const int y1 = int(box.top() + box.height());
    const int x0 = int(box.left());
    const int x1 = int(box.left() + box.width());
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x)
            if (quad.containsPoint(QPointF(x, y), Qt::WindingFill) && pick())
                m_sprayPoints.append(QPoint(x, y));
}

GraphicEraser::GraphicEraser(const QPoint &start, const QPoint &end, int penSize)
    : GraphicBrush(9, start, end, QColor(), penSize)
{
}

void GraphicEraser::draw(QPainter *painter)
{
    if (m_picture) {
        // The picture covers the host from its origin, so the stroke shows
        // its pixels in their own places.
        painter->setPen(QPen(QBrush(*m_picture), m_penSize, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        drawSegments(painter);
        return;
    }
    const QPainter::CompositionMode mode = painter->compositionMode();
    painter->setCompositionMode(QPainter::CompositionMode_DestinationOut);
    GraphicBrush::draw(painter);
    painter->setCompositionMode(mode);
}

GraphicEraserRectangle::GraphicEraserRectangle(const QPoint &start, const QPoint &end)
    : GraphicRectangle(9, start, end, Qt::blue, 1)
{
}

void GraphicEraserRectangle::draw(QPainter *painter)
{
    if (!m_finished)
        GraphicRectangle::draw(painter);
    const QRect area(m_start, m_end);
    if (m_picture) {
        painter->fillRect(area, QBrush(*m_picture));
        return;
    }
    const QPainter::CompositionMode mode = painter->compositionMode();
    painter->setCompositionMode(QPainter::CompositionMode_DestinationOut);
    painter->fillRect(QRectF(area), QBrush(Qt::SolidPattern));
    painter->setCompositionMode(mode);
}
