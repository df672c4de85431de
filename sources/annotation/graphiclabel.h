#pragma once
// Shapes placed with one click: text blocks and numbered callouts.

#include "graphicbase.h"

#include <QString>

class QFont;

class GraphicText : public GraphicBase
{
public:
    GraphicText(const QPoint &position, const QColor &color, int fontSize, const QString &text);

    void draw(QPainter *painter) override;

    QPoint position() const { return m_position; }
    QColor color() const { return m_color; }
    int fontSize() const { return m_fontSize; }
    QString text() const { return m_text; }
    // The font the text is drawn in ("Tahoma" at fontSize points).
    static QFont textFont(int pointSize);

private:
    QPoint m_position;
    QColor m_color;
    int m_fontSize;
    QString m_text;
};

class GraphicCallout : public GraphicBase
{
public:
    GraphicCallout(const QPoint &center, int size, int number, const QColor &fillColor,
                   const QColor &fontColor);

    void draw(QPainter *painter) override;

    // The disc radius of a pen size: 1 -> 8, 2 -> 12, 4 -> 17, 8 -> 22, else 0.
    static int radiusForSize(int size);

    QPoint center() const { return m_center; }
    int size() const { return m_size; }
    int number() const { return m_number; }
    QColor fillColor() const { return m_fillColor; }
    QColor fontColor() const { return m_fontColor; }

private:
    QPoint m_center;
    int m_size;
    int m_number;
    QColor m_fillColor;
    QColor m_fontColor;
};
