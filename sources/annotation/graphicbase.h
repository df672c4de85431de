#pragma once
// Annotation shapes: plain items in host pixel coordinates that paint
// themselves. The drawing controller makes and owns them. The type values
// are the tool numbers; eraser and blur strokes are both of type 9.

#include <QColor>
#include <QPen>
#include <QPoint>

class QPainter;

class GraphicBase
{
public:
    explicit GraphicBase(int type) : m_type(type) {}
    // Shapes are deleted through GraphicBase*.
    virtual ~GraphicBase() = default;
    GraphicBase(const GraphicBase &) = delete;
    GraphicBase &operator=(const GraphicBase &) = delete;

    int type() const { return m_type; }
    virtual void draw(QPainter *painter) = 0;

protected:
    int m_type;
};

// The base of every shape dragged out with the mouse (all but text and
// callouts): further points arrive while the mouse moves.
class GraphicRectangle : public GraphicBase
{
public:
    GraphicRectangle(const QPoint &start, const QPoint &end, const QColor &color, int penSize);

    void draw(QPainter *painter) override;
    virtual void addPoint(const QPoint &p);

    int penSize() const { return m_penSize; }
    QPoint start() const { return m_start; }
    QPoint end() const { return m_end; }
    QColor color() const { return m_color; }

protected:
    GraphicRectangle(int type, const QPoint &start, const QPoint &end, const QColor &color, int penSize);
    // A solid pen of width w with round caps and joins.
    static QPen strokePen(const QColor &color, int width);

    int m_penSize;
    QPoint m_start;
    QPoint m_end;
    QColor m_color;
};

class GraphicEllipse : public GraphicRectangle
{
public:
    GraphicEllipse(const QPoint &start, const QPoint &end, const QColor &color, int penSize);
    void draw(QPainter *painter) override;
};

class GraphicLine : public GraphicRectangle
{
public:
    GraphicLine(const QPoint &start, const QPoint &end, const QColor &color, int penSize);
    void draw(QPainter *painter) override;
};

class GraphicArrow : public GraphicRectangle
{
public:
    GraphicArrow(const QPoint &start, const QPoint &end, const QColor &color, int penSize);
    void draw(QPainter *painter) override;
};
