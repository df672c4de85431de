#include "watermarkitemtext.h"

#include <QDataStream>
#include <QFontMetrics>
#include <QPainter>

WatermarkItemText::WatermarkItemText(const QString &text, const QRect &bounds)
    : WatermarkItem(WATERMARK_TEXT, bounds), m_font(defaultFont()), m_color(Qt::red)
{
    m_rect = QRect();
    m_text = text;
    updateRect();
}

QFont WatermarkItemText::defaultFont()
{
    QFont font(QStringLiteral("Arial"), 16, 75, false);
    return font;
}

WatermarkItemText *WatermarkItemText::fromVariant(const QVariant &value)
{
    auto *item = new WatermarkItemText(QString(), QRect());
    item->readVariant(value);
    return item;
}

void WatermarkItemText::paint(QPainter *painter)
{
    painter->save();
    painter->setFont(m_font);
    m_color.setAlpha(qBound(0, int(m_transparency), 255));
    painter->setPen(m_color);
    painter->drawText(m_rect, Qt::AlignLeft | Qt::AlignVCenter, m_text);
    painter->restore();
    paintSelection(painter);
}

bool WatermarkItemText::isEmpty() const
{
    return m_text.isEmpty();
}

void WatermarkItemText::updateRect()
{
    const QFontMetrics metrics(m_font);
    const int w = metrics.boundingRect(m_text).width();
    const int h = metrics.height();
    const QRect &b = m_bounds;
    int left;
    int top;
    if (m_rect.isValid()) {
        const double fx = fraction(m_rect.left() - b.left(), b.width() - m_rect.width());
        const double fy = fraction(m_rect.top() - b.top(), b.height() - m_rect.height());
        left = truncated((b.width() - w) * fx + b.left());
        top = truncated((b.height() - h) * fy + b.top());
    } else {
        left = w < b.width() ? (b.width() - w) / 2 : 0;
        top = h < b.height() ? (b.height() - h) / 2 : 0;
    }
    setRect(keptInside(QRect(QPoint(left, top), QPoint(left + w - 1, top + h - 1)), b));
}

void WatermarkItemText::fitToBounds(const QRect &bounds)
{
    const QRect &o = m_bounds;
    const QRect r = m_rect;
    const int w = r.right() - r.left();
    const int h = r.bottom() - r.top();
    const double fx = fraction(r.left() - o.left(), o.right() - o.left() - w);
    const double fy = fraction(r.top() - o.top(), o.bottom() - o.top() - h);
    const int left = truncated((bounds.right() - bounds.left() - w) * fx + bounds.left());
    const int top = truncated((bounds.bottom() - bounds.top() - h) * fy + bounds.top());
    setRect(keptInside(QRect(QPoint(left, top), QPoint(left + w, top + h)), bounds));
    m_bounds = bounds;
}

WatermarkItem *WatermarkItemText::clone() const
{
    auto *copy = new WatermarkItemText(m_text, m_bounds);
    copy->copyFrom(*this);
    copy->m_font = m_font;
    copy->m_color = m_color;
    if (m_text.isEmpty())
        copy->m_rect = QRect();
    copy->m_text = m_text;
    copy->updateRect();
    return copy;
}

QVariant WatermarkItemText::toVariant() const
{
    QByteArray data;
    QDataStream stream(&data, QIODevice::ReadWrite);
    stream.setVersion(WATERMARK_STREAM_VERSION);
    writeHead(stream);
    stream << m_font << m_color << m_text;
    return QVariant(data);
}

bool WatermarkItemText::readVariant(const QVariant &value)
{
    const QByteArray data = value.toByteArray();
    QDataStream stream(data);
    stream.setVersion(WATERMARK_STREAM_VERSION);
    RecordHead head;
    QFont font;
    QColor color;
    QString text;
    readHead(stream, &head);
    stream >> font >> color >> text;
    if (stream.status() != QDataStream::Ok || head.kind != WATERMARK_TEXT)
        return false;
    m_bounds = head.bounds;
    m_transparency = head.transparency;
    m_font = font;
    m_color = color;
    m_text = text;
    m_rect = text.isEmpty() ? QRect() : head.rect;
    updateRect();
    return true;
}
