#include "graphiclabel.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QTextOption>

GraphicText::GraphicText(const QPoint &position, const QColor &color, int fontSize, const QString &text)
    : GraphicBase(7), m_position(position), m_color(color), m_fontSize(fontSize), m_text(text)
{
}

QFont GraphicText::textFont(int pointSize)
{
    // Not shipped on Linux: fontconfig puts its stand-in behind the name.
    return QFont(QStringLiteral("Tahoma"), pointSize);
}

void GraphicText::draw(QPainter *painter)
{
    painter->setPen(m_color);
    const QFont font = textFont(m_fontSize);
    painter->setFont(font);
    const QFontMetrics metrics(font);
    QRect line(m_position, QSize(0, 0));
    // Empty lines are kept: each leaves a gap of one line spacing.
    const QStringList lines = m_text.split(QLatin1Char('\n'));
    for (const QString &text : lines) {
        line.setWidth(metrics.horizontalAdvance(text));
        line.setHeight(metrics.lineSpacing());
        painter->drawText(line, Qt::AlignLeft | Qt::AlignBottom, text);
        line.translate(0, metrics.lineSpacing());
    }
}

GraphicCallout::GraphicCallout(const QPoint &center, int size, int number, const QColor &fillColor,
                               const QColor &fontColor)
    : GraphicBase(8), m_center(center), m_size(size), m_number(number), m_fillColor(fillColor),
      m_fontColor(fontColor)
{
}

int GraphicCallout::radiusForSize(int size)
{
    switch (size) {
    case 1: return 8;
    case 2: return 12;
    case 4: return 17;
    case 8: return 22;
    default: return 0;
    }
}

void GraphicCallout::draw(QPainter *painter)
{
    const int r = radiusForSize(m_size);
    const QRect disc(m_center.x() - r, m_center.y() - r, 2 * r, 2 * r);
    painter->setPen(QPen(QBrush(m_fillColor, Qt::SolidPattern), 1));
    painter->setBrush(QBrush(m_fillColor, Qt::SolidPattern));
    painter->drawEllipse(disc);
    // A size without a disc has no font size to write the number in either.
    if (r <= 0)
        return;
    painter->setPen(m_fontColor);
    const QFont font = GraphicText::textFont(r);
    painter->setFont(font);
    const QString text = QString::number(m_number);
    const int w = QFontMetrics(font).horizontalAdvance(text);
    QRect box = disc;
    // A long number overflows the disc evenly on both sides.
    if (w > box.width()) {
        box.moveLeft(box.left() - (w - 2 * r) / 2);
        box.setWidth(w);
    }
    painter->drawText(QRectF(box), text, QTextOption(Qt::AlignCenter));
}
