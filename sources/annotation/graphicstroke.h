#pragma once
// Free-hand shapes: brush, air brush, and the eraser kinds that paint with a
// picture (the unannotated or blurred background) or, without one, wipe to
// transparent.

#include "graphicbase.h"

#include <QVector>

class QPixmap;

class GraphicBrush : public GraphicRectangle
{
public:
    GraphicBrush(const QPoint &start, const QPoint &end, const QColor &color, int penSize);

    void draw(QPainter *painter) override;
    void addPoint(const QPoint &p) override;

    const QVector<QPoint> &points() const { return m_points; }

protected:
    GraphicBrush(int type, const QPoint &start, const QPoint &end, const QColor &color, int penSize);
    void drawSegments(QPainter *painter);

    QVector<QPoint> m_points;
};

class GraphicAirBrush : public GraphicBrush
{
public:
    GraphicAirBrush(const QPoint &start, const QPoint &end, const QColor &color, int penSize);

    void draw(QPainter *painter) override;
    void addPoint(const QPoint &p) override;

    const QVector<QPoint> &sprayPoints() const { return m_sprayPoints; }

private:
    void spray();
    bool pick();

    QVector<QPoint> m_sprayPoints;
};

class GraphicEraser : public GraphicBrush
{
public:
    GraphicEraser(const QPoint &start, const QPoint &end, int penSize);

    void draw(QPainter *painter) override;

    void setPicture(const QPixmap *picture) { m_picture = picture; }
    const QPixmap *picture() const { return m_picture; }

private:
    const QPixmap *m_picture = nullptr;
};

class GraphicEraserRectangle : public GraphicRectangle
{
public:
    GraphicEraserRectangle(const QPoint &start, const QPoint &end);

    void draw(QPainter *painter) override;

    void setFinished(bool on) { m_finished = on; }
    bool finished() const { return m_finished; }
    void setPicture(const QPixmap *picture) { m_picture = picture; }
    const QPixmap *picture() const { return m_picture; }

private:
    bool m_finished = false;
    const QPixmap *m_picture = nullptr;
};
