#pragma once
// A watermark made of one line of text in a font and colour. Its size always
// follows the text and the font; it is never scaled.
#include "watermarkitem.h"

#include <QColor>
#include <QFont>
#include <QString>

class WatermarkItemText : public WatermarkItem
{
public:
    WatermarkItemText(const QString &text, const QRect &bounds);

    // A new item read from a stored record; an unreadable record, or one of
    // the image kind, gives an empty item. The caller owns it.
    static WatermarkItemText *fromVariant(const QVariant &value);

    // Draws with the transparency as the colour's alpha (which the colour
    // then keeps, also in the stored record).
    void paint(QPainter *painter) override;
    bool isEmpty() const override;
    void fitToBounds(const QRect &bounds) override;
    WatermarkItem *clone() const override;
    QVariant toVariant() const override;
    // False, with the item unchanged, when the record cannot be read whole
    // or is not a text record.
    bool readVariant(const QVariant &value);

    // Fits the rectangle to the text: keeps its relative place in the bounds,
    // or centres it when there was none; always inside the bounds.
    void updateRect();

    const QString &text() const { return m_text; }
    void setText(const QString &text) { m_text = text; }
    const QFont &font() const { return m_font; }
    void setFont(const QFont &font) { m_font = font; }
    const QColor &color() const { return m_color; }
    void setColor(const QColor &color) { m_color = color; }

    // Arial, 16 points, bold.
    static QFont defaultFont();

private:
    QString m_text;
    QFont m_font;
    QColor m_color;
};
