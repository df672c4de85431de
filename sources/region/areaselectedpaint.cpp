// The region frame's painting and the regions of its window shape.
#include "areaselected.h"
#include "ui_areaselected.h"

#include "graphicdrawing.h"

#include <QBitmap>
#include <QPainter>
#include <QVector>

namespace {

const QColor kRed(235, 51, 36);
const QColor kGrey(207, 207, 207);
const QColor kGreyHalf(207, 207, 207, 128);
const QColor kIconFill(40, 99, 132, 1);
constexpr int kArm = 48;

struct Edges {
    bool top = true, right = true, bottom = true, left = true;
};

// The dotted border: one counter runs around the rectangle (top row left to
// right, right column down, bottom row right to left, left column up);
// counter % 10 of 0..5 is red, 6..9 half grey. Edges left out do not advance
// the counter.
void paintDottedBorder(QPainter *painter, const QRect &r, const Edges &edges)
{
    QVector<QPoint> red, grey;
    int counter = 0;
    auto visit = [&](int x, int y) {
        (counter % 10 <= 5 ? red : grey) << QPoint(x, y);
        ++counter;
    };
    if (edges.top)
        for (int x = r.left(); x <= r.right(); ++x)
            visit(x, r.top());
    if (edges.right)
        for (int y = r.top(); y <= r.bottom(); ++y)
            visit(r.right(), y);
    if (edges.bottom)
        for (int x = r.right(); x >= r.left(); --x)
            visit(x, r.bottom());
    if (edges.left)
        for (int y = r.bottom(); y >= r.top(); --y)
            visit(r.left(), y);
    painter->setPen(QPen(kRed, 1));
    painter->drawPoints(red.constData(), red.size());
    painter->setPen(QPen(kGreyHalf, 1));
    painter->drawPoints(grey.constData(), grey.size());
}

struct Bracket {
    int x, y;   // corner
    int sx, sy; // arm directions (+1 towards larger coordinates)
};

QVector<Bracket> brackets(const QRect &r)
{
    const int L = r.left(), T = r.top(), R = r.right() + 1, B = r.bottom() + 1;
    return {{L, T, 1, 1}, {R, T, -1, 1}, {L, B, 1, -1}, {R, B, -1, -1}};
}

int armX(const QRect &r) { return r.width() >= kArm ? kArm : r.right() - r.left(); }
int armY(const QRect &r) { return r.height() >= kArm ? kArm : r.bottom() - r.top(); }

// The 1 px outline hugs the 4 px arm on c - 3 and c + 2; its free end is
// closed at e + 2 (arm towards larger coordinates) or e - 3.
int outer(int c, int s) { return s > 0 ? c - 3 : c + 2; }
int inner(int c, int s) { return s > 0 ? c + 2 : c - 3; }
int cap(int end, int s) { return s > 0 ? end + 2 : end - 3; }

void paintBrackets(QPainter *painter, const QRect &r)
{
    const int ax = armX(r), ay = armY(r);
    const QVector<Bracket> all = brackets(r);
    QPen red(kRed, 4, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin);
    QPen grey(kGrey, 1);
    painter->setPen(red);
    for (const Bracket &b : all)
        painter->drawLine(b.x, b.y, b.x + b.sx * ax, b.y);
    painter->setPen(grey);
    for (const Bracket &b : all) {
        const int cx = cap(b.x + b.sx * ax, b.sx), cy = cap(b.y + b.sy * ay, b.sy);
        painter->drawLine(outer(b.x, b.sx), outer(b.y, b.sy), cx, outer(b.y, b.sy));
        painter->drawLine(inner(b.x, b.sx), inner(b.y, b.sy), cx, inner(b.y, b.sy));
        painter->drawLine(outer(b.x, b.sx), cy, inner(b.x, b.sx), cy);
    }
    painter->setPen(red);
    for (const Bracket &b : all)
        painter->drawLine(b.x, b.y, b.x, b.y + b.sy * ay);
    painter->setPen(grey);
    for (const Bracket &b : all) {
        const int cx = cap(b.x + b.sx * ax, b.sx), cy = cap(b.y + b.sy * ay, b.sy);
        painter->drawLine(outer(b.x, b.sx), outer(b.y, b.sy), outer(b.x, b.sx), cy);
        painter->drawLine(inner(b.x, b.sx), inner(b.y, b.sy), inner(b.x, b.sx), cy);
        painter->drawLine(cx, outer(b.y, b.sy), cx, inner(b.y, b.sy));
    }
}

// Every pixel the brackets touch, outline included.
QRegion bracketRegion(const QRect &r)
{
    const int ax = armX(r), ay = armY(r);
    QRegion region;
    for (const Bracket &b : brackets(r)) {
        const int cx = cap(b.x + b.sx * ax, b.sx), cy = cap(b.y + b.sy * ay, b.sy);
        region += QRect(QPoint(qMin(outer(b.x, b.sx), cx), qMin(outer(b.y, b.sy), inner(b.y, b.sy))),
                        QPoint(qMax(outer(b.x, b.sx), cx), qMax(outer(b.y, b.sy), inner(b.y, b.sy))));
        region += QRect(QPoint(qMin(outer(b.x, b.sx), inner(b.x, b.sx)), qMin(outer(b.y, b.sy), cy)),
                        QPoint(qMax(outer(b.x, b.sx), inner(b.x, b.sx)), qMax(outer(b.y, b.sy), cy)));
    }
    return region;
}

// A window cut to what it paints shows its pixels without blending: the
// shapes' half-covered edge pixels are made solid in their own colour (else
// they would show darkened), and the pixels they cover are the region.
QRegion solidShapes(QImage *canvas, const QRect &area)
{
    QImage shapes = canvas->copy(area).convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < shapes.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(shapes.scanLine(y));
        for (int x = 0; x < shapes.width(); ++x) {
            if (qAlpha(line[x]) > 0)
                line[x] |= 0xff000000u;
        }
    }
    QPainter painter(canvas);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(area.topLeft(), shapes);
    return QRegion(QBitmap::fromImage(shapes.createAlphaMask())).translated(area.topLeft());
}

QRegion ring(const QRect &r, int width)
{
    return QRegion(r).subtracted(QRegion(r.adjusted(width, width, -width, -width)));
}

} // namespace

// The rectangle the dotted border runs on, in desktop coordinates; null
// when no border is drawn.
static QRect borderRect(const QRect &region, bool recording, bool showBoundary, bool edges[4])
{
    if (recording && !showBoundary)
        return QRect();
    QRect r = region.adjusted(-1, -1, 1, 1);
    if (!recording) {
        if (edges[0])
            r.setLeft(region.left());
        if (edges[1])
            r.setTop(region.top());
        if (edges[2])
            r.setRight(region.right());
        if (edges[3])
            r.setBottom(region.bottom());
    }
    return r;
}

void AreaSelected::paintEvent(QPaintEvent *)
{
    QImage canvas(size(), QImage::Format_ARGB32_Premultiplied);
    canvas.fill(Qt::transparent);
    {
        QPainter painter(&canvas);
        paintFrame(&painter);
    }
    m_shapesRegion = QRegion();
    if (m_recordingMode && !m_composited && !m_drawing->shapes().isEmpty())
        m_shapesRegion = solidShapes(&canvas, m_drawing->effectiveArea().intersected(canvas.rect()));
    QPainter painter(this);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(0, 0, canvas);
    painter.end();
    updateShape();
}

void AreaSelected::paintFrame(QPainter *painter)
{
    bool edges[4] = {m_leftEdge, m_topEdge, m_rightEdge, m_bottomEdge};
    const QRect region = toLocal(m_selectedRect);
    const QRect border = borderRect(region, m_recordingMode, m_showBoundary, edges);
    if (!border.isNull()) {
        Edges shown;
        if (m_recordingMode) {
            // A desktop edge gets no border: it would lie off the screen.
            shown.left = !m_leftEdge;
            shown.top = !m_topEdge;
            shown.right = !m_rightEdge;
            shown.bottom = !m_bottomEdge;
        }
        paintDottedBorder(painter, border, shown);
    }
    if (!m_recordingMode) {
        paintBrackets(painter, region.adjusted(-3, -3, 3, 3));
        m_moveRects.clear();
        if (m_selectedRect != m_screenRect) {
            QRect icon(QPoint(0, 0), m_moveIcon.size());
            icon.moveTopLeft(QPoint(m_selectedRect.left() + (m_selectedRect.width() - icon.width()) / 2,
                                    m_selectedRect.top() + (m_selectedRect.height() - icon.height()) / 2));
            painter->fillRect(toLocal(icon), kIconFill);
            painter->drawPixmap(toLocal(icon).topLeft(), m_moveIcon);
            m_moveRects << icon;
        }
        return;
    }
    if (m_allowMoveRegion) {
        m_moveRects.clear();
        const QRect &r = m_selectedRect;
        QRect icon(QPoint(0, 0), m_moveIcon.size());
        QList<QRect> icons;
        icon.moveBottomRight(QPoint(r.left(), r.top()));
        icons << icon;
        icon.moveBottomLeft(QPoint(r.right(), r.top()));
        icons << icon;
        icon.moveTopLeft(QPoint(r.right(), r.bottom()));
        icons << icon;
        icon.moveTopRight(QPoint(r.left(), r.bottom()));
        icons << icon;
        for (const QRect &i : qAsConst(icons)) {
            painter->fillRect(toLocal(i), kIconFill);
            painter->drawPixmap(toLocal(i).topLeft(), m_moveIcon);
            m_moveRects << i;
        }
    } else {
        m_moveRects.clear();
    }
    paintShapes(painter);
}

QRegion AreaSelected::paintedRegion() const
{
    return (frameRegion() + m_shapesRegion).intersected(rect()).subtracted(m_ownWindows);
}

QRegion AreaSelected::frameRegion() const
{
    QRegion painted;
    bool edges[4] = {m_leftEdge, m_topEdge, m_rightEdge, m_bottomEdge};
    const QRect region = toLocal(m_selectedRect);
    const QRect border = borderRect(region, m_recordingMode, m_showBoundary, edges);
    if (!border.isNull())
        painted += ring(border, 1);
    if (!m_recordingMode) {
        painted += bracketRegion(region.adjusted(-3, -3, 3, 3));
        if (ui->frmWindowHint->isVisibleTo(this))
            painted += ui->frmWindowHint->geometry();
    }
    for (const QRect &r : m_moveRects)
        painted += toLocal(r);
    if (m_recordingMode && !textBoxRect().isNull())
        painted += textBoxRect();
    return painted.intersected(rect());
}

QRegion AreaSelected::inputRegion() const
{
    // The shapes let the pointer through, as they do where a compositing
    // manager shows the window whole.
    QRegion input = frameRegion();
    if (!m_recordingMode && !isFullScreen()) {
        // The pointer zones reach a few pixels either side of each edge.
        const QRect region = toLocal(m_selectedRect);
        input += ring(region.adjusted(-6, -6, 6, 6), 10);
    }
    if (ui->clientWidget->isVisibleTo(this))
        input += ui->clientWidget->geometry();
    // The program's own windows take their clicks, whatever the stacking.
    return input.intersected(rect()).subtracted(m_ownWindows);
}
