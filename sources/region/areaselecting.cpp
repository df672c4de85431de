#include "areaselecting.h"

#include "regiongeometry.h"
#include "regionscreens.h"
#include "desktopoverlay.h"
#include "platform/screenrepaint.h"
#include "platform/windowlist.h"
#include "platform/windowshape.h"

#include <QApplication>
#include <QCursor>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>
#include <QWindow>

namespace {

const QColor kRed(0xEB, 0x33, 0x24);
// How long a snapshot waits for hidden windows to leave the screen; a
// desktop that never repaints there gets its snapshot after it.
constexpr int kRepaintDeadlineMs = 1500;
constexpr int kMagnifierWidth = 198;
constexpr int kMagnifierHeight = 134;
constexpr int kLabelHeight = 41;

// Class names of system windows that are never offered, with all they hold.
bool isSkippedClass(const QString &name)
{
    static const QStringList skipped = {QStringLiteral("Windows.UI.Core.CoreWindow"),
                                        QStringLiteral("ApplicationFrameWindow")};
    for (const QString &s : skipped) {
        if (name.compare(s, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

bool acceptable(const WindowListEntry &e)
{
    return e.visible && e.rect.left() >= 0 && e.rect.top() >= 0 && e.rect.width() >= 1 && e.rect.height() >= 1;
}

void addDescendants(const WindowListEntry &e, QVector<QRect> *out)
{
    for (const WindowListEntry &kid : e.children) {
        if (acceptable(kid) && !out->contains(kid.rect))
            *out << kid.rect;
        addDescendants(kid, out);
    }
}

// The native windows of this program, left out of the window list.
QVector<quint32> ownWindows()
{
    QVector<quint32> ids;
    for (QWindow *w : QGuiApplication::topLevelWindows()) {
        if (w->handle())
            ids << quint32(w->winId());
    }
    return ids;
}

} // namespace

QVector<QRect> AreaSelecting::collectWindowRects(const QVector<WindowListEntry> &windows)
{
    QVector<QRect> out;
    for (const WindowListEntry &e : windows) {
        if (!acceptable(e) || isSkippedClass(e.className))
            continue;
        if (!out.contains(e.rect))
            out << e.rect;
        addDescendants(e, &out);
    }
    return out;
}

namespace {

// The windows of `windows` that show, and what each covers on the screen.
QList<QWidget *> shownWindows(const QList<QWidget *> &windows, QVector<screenrepaint::Covered> *covered)
{
    QList<QWidget *> shown;
    for (QWidget *w : windows) {
        if (!w || !w->isVisible() || shown.contains(w))
            continue;
        shown.append(w);
        // A window not yet on the screen cannot leave it.
        if (!w->windowHandle() || !w->windowHandle()->isExposed())
            continue;
        // An overlay paints little of its rectangle (a region's border):
        // any change there is it going.
        covered->append({w->frameGeometry(), DesktopOverlay::isOverlay(w) ? 0.0 : 0.5});
    }
    return shown;
}

} // namespace

void AreaSelecting::hideForPicture(const QList<QWidget *> &windows)
{
    QVector<screenrepaint::Covered> covered;
    const QList<QWidget *> shown = shownWindows(windows, &covered);
    // The wait has the server carry out the hiding before it looks.
    screenrepaint::hideAndWait(covered, [&] {
        for (QWidget *w : shown)
            w->hide();
    }, kRepaintDeadlineMs);
}

void AreaSelecting::hideForPicture(const QList<QWidget *> &windows, QObject *context, std::function<void()> then)
{
    QVector<screenrepaint::Covered> covered;
    const QList<QWidget *> shown = shownWindows(windows, &covered);
    screenrepaint::hideThen(
        covered,
        [&] {
            for (QWidget *w : shown)
                w->hide();
        },
        kRepaintDeadlineMs, context, [then = std::move(then)](bool) { then(); });
}

AreaSelecting::AreaSelecting(QWidget *parent) : AreaSelecting(parent, true) {}

AreaSelecting::AreaSelecting(QWidget *parent, bool overlay) : QDialog(parent)
{
    if (overlay)
        DesktopOverlay::make(this, DesktopOverlay::GrabKeyboard);
    else
        setWindowFlags(Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint);
    setAttribute(Qt::WA_TranslucentBackground);
    m_screenRect = region::selectedScreen();
    setGeometry(m_screenRect);
    // Windows hidden just before must really be gone from the snapshot.
    WindowShape::instance()->sync();
    m_desktopImage = region::grabSelectedScreen().toImage().convertToFormat(QImage::Format_ARGB32);
    m_dimmedImage = region::dimmed(m_desktopImage);
    setMouseTracking(true);
    setCursor(Qt::BlankCursor);
    m_pressed = false;
    m_selection = QRect();
    m_pointer = QCursor::pos();
    m_windowRects = collectWindowRects(WindowList::instance()->windows(ownWindows()));
}

void AreaSelecting::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    raise();
    if (DesktopOverlay::isOverlay(this))
        return;
    // On one screen the window manager's full-screen state keeps panels
    // below; over a desktop of several monitors the geometry alone spans
    // them all.
    for (QScreen *s : QGuiApplication::screens()) {
        if (s->geometry() == m_screenRect)
            setWindowState(windowState() | Qt::WindowFullScreen);
    }
    activateWindow();
}

void AreaSelecting::setSelection(const QRect &rect)
{
    m_selection = rect;
    repaint();
}

void AreaSelecting::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || m_pressed)
        return;
    m_pressed = true;
    m_pressPoint = event->globalPos();
}

void AreaSelecting::mouseMoveEvent(QMouseEvent *event)
{
    const QPoint p = event->globalPos();
    m_pointer = p;
    if (m_pressed) {
        setSelection(QRect(qMin(p.x(), m_pressPoint.x()), qMin(p.y(), m_pressPoint.y()),
                           qAbs(p.x() - m_pressPoint.x()), qAbs(p.y() - m_pressPoint.y())));
        return;
    }
    const QRect r = region::windowRectAt(m_windowRects, m_screenRect, p);
    if (r.isValid())
        setSelection(r);
    else
        repaint();
}

void AreaSelecting::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || !m_pressed)
        return;
    m_pressed = false;
    accept();
}

void AreaSelecting::paintEvent(QPaintEvent *)
{
    QPixmap canvas(size());
    canvas.fill(Qt::black);
    {
        QPainter painter(&canvas);
        paintPicker(&painter, &canvas);
    }
    QPainter painter(this);
    painter.drawPixmap(0, 0, canvas);
}

void AreaSelecting::paintPicker(QPainter *painter, QPixmap *canvas)
{
    painter->drawImage(0, 0, m_dimmedImage);
    const QRect sel = m_selection.translated(-m_screenRect.topLeft());
    if (!m_selection.isNull())
        painter->drawImage(sel.topLeft(), m_desktopImage, sel);

    const QPoint c = m_pointer - m_screenRect.topLeft();
    // The magnifier shows the canvas as painted so far.
    painter->end();
    {
        QPainter magnifier(canvas);
        drawMagnifier(&magnifier, *canvas, c);
    }
    painter->begin(canvas);

    if (!m_selection.isNull()) {
        static const int glow[10] = {220, 200, 180, 140, 120, 80, 50, 30, 20, 5};
        const int x1 = sel.left(), y1 = sel.top(), x2 = sel.right(), y2 = sel.bottom();
        painter->setBrush(Qt::NoBrush);
        for (int k = 0; k < 10; ++k) {
            QColor color = kRed;
            color.setAlpha(glow[k]);
            painter->setPen(QPen(color, 1));
            QPainterPath path;
            path.setFillRule(Qt::WindingFill);
            path.addRoundedRect(QRectF(x1 - k - 1, y1 - k - 1, (x2 - x1) + 3 + 2 * k, (y2 - y1) + 3 + 2 * k), 2, 2);
            painter->drawPath(path);
        }
        painter->setPen(QPen(kRed, 3, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin));
        painter->drawLine(x1, y1, x2 + 1, y1);
        painter->drawLine(x1, y2 + 1, x1, y1);
        painter->drawLine(x2 + 1, y2 + 1, x2 + 1, y1);
        painter->drawLine(x1, y2 + 1, x2 + 1, y2 + 1);
    }

    // The cross-hair: a 1 px line gives the same pixels as single points.
    painter->setPen(QPen(kRed, 1));
    painter->drawLine(0, c.y(), width() - 1, c.y());
    if (c.x() > 0)
        painter->drawLine(c.x(), 0, c.x(), height() - 1);
    painter->setPen(Qt::NoPen);
    painter->setBrush(kRed);
    painter->drawEllipse(QRect(c.x() - 5, c.y() - 5, 10, 10));
    painter->setBrush(Qt::white);
    painter->drawEllipse(c, 3, 3);
    painter->setPen(QPen(kRed, 1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter->setBrush(kRed);
    painter->drawRoundedRect(QRect(c.x() - 100, c.y() - 4, 46, 7), 2, 2);
    painter->drawRoundedRect(QRect(c.x() + 53, c.y() - 4, 46, 7), 2, 2);
    painter->drawRoundedRect(QRect(c.x() - 4, c.y() - 100, 7, 46), 2, 2);
    painter->drawRoundedRect(QRect(c.x() - 4, c.y() + 53, 7, 46), 2, 2);
}

void AreaSelecting::drawMagnifier(QPainter *painter, const QPixmap &canvas, const QPoint &c)
{
    const QPoint at = region::magnifierTopLeft(c, size());
    QPixmap picture(kMagnifierWidth, kMagnifierHeight + kLabelHeight);
    picture.fill(Qt::transparent);
    QPainter p(&picture);
    const int sw = kMagnifierWidth / 4, sh = kMagnifierHeight / 4;
    p.drawPixmap(QRect(0, 0, kMagnifierWidth, kMagnifierHeight), canvas, QRect(c.x() - sw / 2, c.y() - sh / 2, sw, sh));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kRed, 1));
    p.drawLine(0, 67, 198, 67);
    p.drawLine(99, 0, 99, 134);
    p.setBrush(kRed);
    p.drawEllipse(QPoint(99, 67), 3, 3);
    p.setPen(QColor(0, 255, 255));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRect(QPoint(0, 0), QPoint(196, 132)));
    p.setBrush(QColor(143, 143, 143));
    p.drawRect(QRect(QPoint(0, 133), QPoint(196, 173)));
    p.setPen(Qt::white);
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(10);
    font.setWeight(75);
    p.setFont(font);
    p.drawText(10, 149, QStringLiteral("%1 x %2").arg(m_selection.width()).arg(m_selection.height()));
    p.drawText(10, 166, tr("Left: %1 Top: %2").arg(m_selection.left()).arg(m_selection.top()));
    p.end();
    painter->drawPixmap(at, picture);
}
