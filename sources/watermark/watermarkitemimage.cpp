#include "watermarkitemimage.h"

#include "core/imagelimit.h"

#include <QDataStream>
#include <QPainter>

namespace {
constexpr int kDefaultSide = 90;
}

WatermarkItemImage::WatermarkItemImage(const QString &path, const QRect &bounds)
    : WatermarkItem(WATERMARK_IMAGE, bounds)
{
    setPath(path);
}

WatermarkItemImage *WatermarkItemImage::fromVariant(const QVariant &value)
{
    auto *item = new WatermarkItemImage(QString(), QRect());
    item->readVariant(value);
    return item;
}

void WatermarkItemImage::paint(QPainter *painter)
{
    if (!m_pixmap.isNull() && m_rect.isValid())
        painter->drawPixmap(m_rect, m_pixmap);
    paintSelection(painter);
}

bool WatermarkItemImage::isEmpty() const
{
    return m_path.isEmpty() || m_image.isNull();
}

void WatermarkItemImage::setTransparency(qint16 transparency)
{
    m_transparency = transparency;
    renderPixmap();
}

bool WatermarkItemImage::setPath(const QString &path, QString *why)
{
    const QImage image = path.isEmpty() ? QImage() : ImageLimit::read(path, why);
    if (image.isNull()) {
        // Keep a picture the user already sees rather than a path that shows
        // nothing and records nothing.
        if (m_image.isNull())
            m_path = path;
        return false;
    }
    m_path = path;
    m_image = image;
    renderPixmap();
    if (m_rect.isValid())
        m_aspectRatio = double(m_image.width()) / double(m_image.height());
    else
        resetRect();
    return true;
}

void WatermarkItemImage::resetRect()
{
    if (m_image.isNull())
        return;
    m_aspectRatio = double(m_image.width()) / double(m_image.height());
    int width = kDefaultSide;
    int height = kDefaultSide;
    if (m_aspectRatio >= 1.0)
        width = int(m_aspectRatio * kDefaultSide);
    else
        height = int(kDefaultSide / m_aspectRatio);
    const int left = (m_bounds.width() - width) / 2;
    const int top = (m_bounds.height() - height) / 2;
    setRect(QRect(QPoint(left, top), QPoint(left + width - 1, top + height - 1)));
}

void WatermarkItemImage::renderPixmap()
{
    if (m_image.isNull()) {
        m_pixmap = QPixmap();
        return;
    }
    QPixmap pixmap(m_image.size());
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(0, 0, m_image);
    painter.setCompositionMode(QPainter::CompositionMode_DestinationIn);
    painter.fillRect(pixmap.rect(), QColor(0, 0, 0, qBound(0, int(m_transparency), 255)));
    painter.end();
    m_pixmap = pixmap;
}

void WatermarkItemImage::fitToBounds(const QRect &bounds)
{
    const QRect &o = m_bounds;
    const QRect r = m_rect;
    const double fx = fraction(r.left() - o.left(), o.right() - o.left() - (r.right() - r.left()));
    const double fy = fraction(r.top() - o.top(), o.bottom() - o.top() - (r.bottom() - r.top()));
    // Old bounds without area (a short record) give no scale on that axis.
    const double sx = o.width() > 0 ? double(bounds.width()) / o.width() : 1.0;
    const double sy = o.height() > 0 ? double(bounds.height()) / o.height() : 1.0;

    // As QTransform::mapRect scales a rectangle about the origin.
    QRect s(rounded(sx * r.left()), rounded(sy * r.top()), rounded(sx * r.width()), rounded(sy * r.height()));
    if (m_keepDesignedSize) {
        s.setRight(s.left() + (r.right() - r.left()));
        s.setBottom(s.top() + (r.bottom() - r.top()));
    }
    if (m_keepAspectRatio && m_aspectRatio > 0.0) {
        const int h = truncated(s.width() / m_aspectRatio);
        if (h != s.height())
            s.setBottom(s.top() + h - 1);
    }
    const int w = s.right() - s.left();
    const int h = s.bottom() - s.top();
    const int left = truncated((bounds.right() - bounds.left() - w) * fx + bounds.left());
    const int top = truncated((bounds.bottom() - bounds.top() - h) * fy + bounds.top());
    setRect(keptInside(QRect(QPoint(left, top), QPoint(left + w, top + h)), bounds));
    m_bounds = bounds;
}

WatermarkItem *WatermarkItemImage::clone() const
{
    auto *copy = new WatermarkItemImage(QString(), m_bounds);
    copy->copyFrom(*this);
    copy->m_keepAspectRatio = m_keepAspectRatio;
    copy->m_keepDesignedSize = m_keepDesignedSize;
    if (!copy->setPath(m_path) && !m_image.isNull()) {
        // The file went away since it was chosen: keep the picture in hand.
        copy->m_path = m_path;
        copy->m_image = m_image;
        copy->m_aspectRatio = m_aspectRatio;
        copy->renderPixmap();
    }
    return copy;
}

QVariant WatermarkItemImage::toVariant() const
{
    QByteArray data;
    QDataStream stream(&data, QIODevice::ReadWrite);
    stream.setVersion(WATERMARK_STREAM_VERSION);
    writeHead(stream);
    stream << m_keepDesignedSize << m_keepAspectRatio << m_path;
    return QVariant(data);
}

bool WatermarkItemImage::readVariant(const QVariant &value)
{
    const QByteArray data = value.toByteArray();
    QDataStream stream(data);
    stream.setVersion(WATERMARK_STREAM_VERSION);
    RecordHead head;
    bool keepDesignedSize = false;
    bool keepAspectRatio = false;
    QString path;
    readHead(stream, &head);
    stream >> keepDesignedSize >> keepAspectRatio >> path;
    if (stream.status() != QDataStream::Ok || head.kind != WATERMARK_IMAGE)
        return false;
    m_bounds = head.bounds;
    m_keepDesignedSize = keepDesignedSize;
    m_keepAspectRatio = keepAspectRatio;
    m_transparency = head.transparency;
    setRect(head.rect);
    setPath(path);
    return true;
}
