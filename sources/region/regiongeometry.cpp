#include "regiongeometry.h"

#include <QtGlobal>

#include <cstdlib>

namespace region {

QRect windowRectAt(const QVector<QRect> &windowRects, const QRect &screenRect, const QPoint &point)
{
    QVector<QRect> candidates;
    for (const QRect &r : windowRects) {
        if (r.contains(point) && r != screenRect)
            candidates << r;
    }
    QRect result;
    if (candidates.isEmpty()) {
        result = screenRect;
    } else if (candidates.size() == 1) {
        result = candidates.first();
    } else {
        QRect outer = candidates.first();
        for (const QRect &r : candidates) {
            if (r.contains(outer))
                outer = r;
        }
        if (outer.isValid() && point.y() - outer.top() <= 5) {
            result = outer;
        } else {
            QRect inner = candidates.first();
            for (const QRect &r : candidates) {
                if (inner.contains(r))
                    inner = r;
            }
            result = inner.isValid() ? inner : candidates.first();
        }
    }
    return result.intersected(screenRect);
}

QImage dimmed(const QImage &image)
{
    QImage out = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < out.height(); ++y) {
        QRgb *line = reinterpret_cast<QRgb *>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x) {
            const QRgb c = line[x];
            line[x] = qRgba(qMax(qRed(c) - 100, 0), qMax(qGreen(c) - 100, 0), qMax(qBlue(c) - 100, 0), qAlpha(c));
        }
    }
    return out;
}

QPoint magnifierTopLeft(const QPoint &c, const QSize &dialog)
{
    const int w = 198, h = 134, gap = 45;
    QRect r(c.x() + gap, c.y() + gap, w, h);
    if (r.bottom() > dialog.height() - 1)
        r.moveTopLeft(QPoint(c.x() + gap, c.y() - h - gap));
    if (r.right() > dialog.width() - 1) {
        r.moveTopLeft(QPoint(c.x() - w - gap, c.y() + gap));
        if (r.bottom() > dialog.height() - 1)
            r.moveTopLeft(QPoint(c.x() - w - gap, c.y() - h - gap));
    }
    return r.topLeft();
}

int frameZone(const QRect &region, const QPoint &p, bool ratioLocked, bool recordingMode)
{
    if (recordingMode)
        return ZoneNone;
    // Both distances from the left and top edges, also for the right and
    // bottom tests: a pointer as far outside the left edge as the region is
    // wide counts as on the right edge.
    const int dx = std::abs(p.x() - region.left());
    const int dy = std::abs(p.y() - region.top());
    const int w = region.right() - region.left();
    const int h = region.bottom() - region.top();
    if (!ratioLocked) {
        if (dx < 4 && dy < 4)
            return ZoneTopLeft;
        if (dx >= w - 3 && dy < 4)
            return ZoneTopRight;
        if (dx < 4 && dy >= h - 3)
            return ZoneBottomLeft;
        if (dx >= w - 3 && dy >= h - 3)
            return ZoneBottomRight;
    }
    if (dx < 4)
        return ZoneLeft;
    if (dx >= w - 3 && dx <= w + 5)
        return ZoneRight;
    if (dy < 4)
        return ZoneTop;
    if (dy >= h - 3 && dy <= h + 5)
        return ZoneBottom;
    return ZoneNone;
}

Steps dragSteps(int zone, const QRect &r, const QPoint &p, const QPoint &lastPoint, bool ratioLocked, double ratio)
{
    Steps s;
    if (ratio <= 0.0)
        ratio = 1.0;
    switch (zone) {
    case ZoneMove:
        s.dl = s.dr = p.x() - lastPoint.x();
        s.dt = s.db = p.y() - lastPoint.y();
        break;
    case ZoneLeft:
        s.dl = p.x() - r.left();
        if (ratioLocked) {
            const int width = (r.right() - r.left()) - s.dl + 1;
            s.db = (r.top() - r.bottom() - 1) + qRound(width / ratio);
        }
        break;
    case ZoneRight:
        s.dr = p.x() - r.right();
        if (ratioLocked) {
            const int width = (r.right() - r.left() + 1) + s.dr;
            s.db = (r.top() - r.bottom() - 1) + qRound(width / ratio);
        }
        break;
    case ZoneTop:
        s.dt = p.y() - r.top();
        if (ratioLocked) {
            const int height = (r.bottom() - r.top()) - s.dt + 1;
            s.dr = (r.left() - r.right() - 1) + qRound(height * ratio);
        }
        break;
    case ZoneBottom:
        s.db = p.y() - r.bottom();
        if (ratioLocked) {
            const int height = (r.bottom() - r.top() + 1) + s.db;
            s.dr = (r.left() - r.right() - 1) + qRound(height * ratio);
        }
        break;
    case ZoneTopLeft:
        s.dl = p.x() - r.left();
        s.dt = p.y() - r.top();
        break;
    case ZoneTopRight:
        s.dr = p.x() - r.right();
        s.dt = p.y() - r.top();
        break;
    case ZoneBottomLeft:
        s.dl = p.x() - r.left();
        s.db = p.y() - r.bottom();
        break;
    case ZoneBottomRight:
        s.dr = p.x() - r.right();
        s.db = p.y() - r.bottom();
        break;
    default:
        break;
    }
    return s;
}

namespace {

// One axis of the minimum-size rule. The candidate size is clamped at 0
// before it is used, so a step past the opposite edge never inverts the
// region: the near edge stops 100 px short of the far one.
void limitAxis(int low, int high, int *dLow, int *dHigh)
{
    const int size = high - low + 1;
    const int candidate = qMax((high + *dHigh) - (low + *dLow) + 1, 0);
    if (candidate >= kMinimumSide)
        return;
    const int inLow = *dLow, inHigh = *dHigh;
    // An inward step of the near edge keeps only its part beyond the
    // minimum; with the candidate clamped first that part never reaches past
    // the far edge.
    if (inLow > 0)
        *dLow = qMax(size - candidate - kMinimumSide, 0);
    if (inHigh < 0) {
        const int v = inLow - inHigh + kMinimumSide;
        *dHigh = v <= 0 ? v : 0;
    }
}

void boundAxis(int low, int high, int lowest, int highest, int *dLow, int *dHigh)
{
    if (*dLow != 0 && *dLow == *dHigh) {
        if (low + *dLow < lowest || high + *dHigh > highest)
            *dLow = *dHigh = 0;
    } else if (low + *dLow < lowest) {
        *dLow = 0;
    } else if (high + *dHigh > highest) {
        *dHigh = 0;
    }
}

} // namespace

QRect applySteps(const QRect &r, Steps s, const QRect &bounds)
{
    limitAxis(r.left(), r.right(), &s.dl, &s.dr);
    limitAxis(r.top(), r.bottom(), &s.dt, &s.db);
    boundAxis(r.left(), r.right(), bounds.left(), bounds.right(), &s.dl, &s.dr);
    boundAxis(r.top(), r.bottom(), bounds.top(), bounds.bottom(), &s.dt, &s.db);
    return QRect(QPoint(r.left() + s.dl, r.top() + s.dt), QPoint(r.right() + s.dr, r.bottom() + s.db));
}

QRect presetRect(const QSize &size, const QRect &screen)
{
    const int w = qMin(size.width(), screen.width());
    const int h = qMin(size.height(), screen.height());
    const int left = screen.left() + (screen.width() - w) / 2;
    const int top = screen.top() + (screen.height() - h) / 2;
    return QRect(left, top, w, h);
}

QRect toolBarRect(const QSize &bar, const QRect &region, const QRect &screen)
{
    QRect r(QPoint(0, 0), bar);
    r.moveTopRight(QPoint(region.right() - 5, region.top() + 5));
    if (r.left() < region.left()) {
        r.moveBottomRight(QPoint(region.right() + 4, region.top() - 8));
        if (r.top() < screen.top())
            r.moveTopRight(QPoint(region.right() + 4, region.bottom() + 8));
        if (r.left() < screen.left()) {
            const int left = region.left() - 4;
            r.moveLeft(left > 0 ? left : 1);
        }
    }
    return r;
}

QRect toolBarRect(const QSize &bar, const QRect &region, const QRect &screen, const QList<QRect> &monitors,
                  const QList<QRect> &free)
{
    QRect r = toolBarRect(bar, region, screen);
    // The monitor the bar lies on (its top-right corner, where the rule
    // aims), else the one that holds the region's top-right corner.
    int index = -1;
    for (int i = 0; i < monitors.size() && i < free.size() && index < 0; ++i) {
        if (monitors[i].contains(QPoint(r.right(), r.top())))
            index = i;
    }
    for (int i = 0; i < monitors.size() && i < free.size() && index < 0; ++i) {
        if (monitors[i].contains(region.topRight()))
            index = i;
    }
    if (index < 0)
        return r;
    const QRect area = free[index];
    if (area.isEmpty() || area.contains(r))
        return r;
    const QRect visible = region & area;
    if (!visible.isEmpty())
        r = toolBarRect(bar, visible, area);
    // Still beyond it (a region along a panel, a bar below the screen's
    // bottom): inside, as far as it fits.
    if (r.width() <= area.width())
        r.moveLeft(qBound(area.left(), r.left(), area.right() - r.width() + 1));
    if (r.height() <= area.height())
        r.moveTop(qBound(area.top(), r.top(), area.bottom() - r.height() + 1));
    return r;
}

QRect freeArea(const QRect &monitor, const QRect &available, const QList<QRect> &panels)
{
    QRect area = available.isValid() ? (available & monitor) : monitor;
    if (area.isEmpty())
        area = monitor;
    for (const QRect &panel : panels) {
        const QRect p = panel & monitor;
        if (p.isEmpty())
            continue;
        // A panel lies along the edge it is nearest to: a wide one along
        // the top or the bottom, a tall one along a side.
        if (p.width() >= p.height()) {
            if (p.center().y() < monitor.center().y())
                area.setTop(qMax(area.top(), p.bottom() + 1));
            else
                area.setBottom(qMin(area.bottom(), p.top() - 1));
        } else if (p.center().x() < monitor.center().x()) {
            area.setLeft(qMax(area.left(), p.right() + 1));
        } else {
            area.setRight(qMin(area.right(), p.left() - 1));
        }
    }
    return area.isEmpty() ? monitor : area;
}

QRect typedRect(const QRect &region, const QSize &size, const QRect &bounds)
{
    const int w = qBound(1, size.width(), bounds.width());
    const int h = qBound(1, size.height(), bounds.height());
    const int left = qMax(bounds.left(), qMin(region.left(), bounds.right() - w + 1));
    const int top = qMax(bounds.top(), qMin(region.top(), bounds.bottom() - h + 1));
    return QRect(left, top, w, h);
}

QRect panelRect(const QSize &panel, const QRect &region, const QRect &screen)
{
    QRect r(QPoint(0, 0), panel);
    r.moveTopRight(region.bottomRight());
    r.translate(0, 3);
    if (r.bottom() > screen.bottom() - 3) {
        r.moveTopRight(region.topRight());
        r.moveBottom(region.top() - 4);
        if (r.top() < screen.top())
            r.moveTop(screen.top() + 2);
    }
    if (r.left() < screen.left() + 1)
        r.moveLeft(screen.left() + 1);
    return r;
}

double safeRatio(int width, int height)
{
    if (width < 1 || height < 1)
        return 1.0;
    return double(width) / double(height);
}

} // namespace region
