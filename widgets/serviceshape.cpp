#include "serviceshape.h"

#include <QPainter>
#include <QPainterPath>

QBitmap bottomRoundedShape(const QSize &size, int radius)
{
    const int w = size.width();
    const int h = size.height();
    const int d = 2 * radius;
    QBitmap mask(size);
    mask.fill(Qt::color0);
    QPainterPath path;
    path.moveTo(0, 0);
    path.lineTo(0, h - radius);
    path.arcTo(0, h - d, d, d, 180, 90);
    path.lineTo(w - radius, h);
    path.arcTo(w - d, h - d, d, d, 270, 90);
    path.lineTo(w, 0);
    path.closeSubpath();
    QPainter p(&mask);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillPath(path, Qt::color1);
    return mask;
}
