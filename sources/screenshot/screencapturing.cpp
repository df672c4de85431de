#include "screencapturing.h"

#include "capturepanel.h"
#include "graphicdrawing.h"
#include "pintoscreenwidget.h"
#include "regionscreens.h"

#include "commondialog.h"
#include "desktopoverlay.h"
#include "core/datagroupoutput.h"
#include "core/enviroment.h"
#include "core/fileutils.h"
#include "historyitem.h"
#include "historylist.h"
#include "picturefile.h"
#include "platform/windowlist.h"
#include "platform/windowshape.h"

#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QFileInfo>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QWindow>
#include <QRegularExpression>

namespace {

ScreenCapturing::SaveFileHook &saveFileHook()
{
    static ScreenCapturing::SaveFileHook hook;
    return hook;
}

// The tool lies above every window, the window manager's too, and holds the
// keyboard: a dialog it opens (a managed window) would open below it and
// get no keys. While one is open the tool goes to the bottom and lets the
// keyboard go; it comes back above all afterwards, still modal and whole.
// A compositing manager that paints the windows no window manager manages
// above all others (KWin) would still paint the tool over the dialog,
// wherever the X server stacks them: meanwhile the tool shows nothing
// where the program's other windows lie.
class StepAside : public QObject
{
public:
    explicit StepAside(QWidget *tool) : m_tool(tool)
    {
        if (QWindow *w = tool->windowHandle())
            w->setKeyboardGrabEnabled(false);
        tool->lower();
        qApp->installEventFilter(this);
        cutOut();
    }
    ~StepAside() override
    {
        qApp->removeEventFilter(this);
        if (!m_tool)
            return;
        if (!m_cut.isEmpty() && m_tool->windowHandle())
            WindowShape::instance()->clearBoundingRegion(m_tool->windowHandle());
        m_tool->raise();
        m_tool->activateWindow();
        if (QWindow *w = m_tool->windowHandle())
            w->setKeyboardGrabEnabled(true);
    }
    StepAside(const StepAside &) = delete;
    StepAside &operator=(const StepAside &) = delete;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        switch (event->type()) {
        case QEvent::Show:
        case QEvent::Hide:
        case QEvent::Move:
        case QEvent::Resize:
            if (watched != m_tool && watched->isWidgetType() && static_cast<QWidget *>(watched)->isWindow())
                cutOut();
            break;
        case QEvent::Expose:
            // Placed by the window manager by the time it is exposed, which
            // Qt may not hear of otherwise.
            if (watched->isWindowType() && static_cast<QWindow *>(watched)->isTopLevel())
                cutOut();
            break;
        default:
            break;
        }
        return false;
    }

private:
    void cutOut()
    {
        if (!m_tool || !m_tool->windowHandle())
            return;
        QRegion others;
        for (QWidget *w : QApplication::topLevelWidgets()) {
            if (w == m_tool || !w->isVisible() || w->isMinimized() || DesktopOverlay::isOverlay(w)
                || w->windowType() == Qt::ToolTip || w->windowType() == Qt::Desktop)
                continue;
            // With the window manager's frame, as the X server has it (Qt
            // may not have heard of its title bar yet).
            others += w->geometry();
            if (w->testAttribute(Qt::WA_WState_Created))
                others += WindowList::instance()->placeOf(quint32(w->winId()), true);
        }
        others = others.translated(-m_tool->geometry().topLeft()) & m_tool->rect();
        if (others == m_cut)
            return;
        m_cut = others;
        if (others.isEmpty())
            WindowShape::instance()->clearBoundingRegion(m_tool->windowHandle());
        else
            WindowShape::instance()->setBoundingRegion(m_tool->windowHandle(), QRegion(m_tool->rect()) - others);
    }

    QPointer<QWidget> m_tool;
    QRegion m_cut;
};

} // namespace

ScreenCapturing::ScreenCapturing(QWidget *parent) : AreaSelecting(parent)
{
    m_editing = m_dragging = false;
    m_hitZone = NoZone;
    setAttribute(Qt::WA_DeleteOnClose);

    m_drawing = new GraphicDrawing(this);
    m_drawing->setBackground(QPixmap::fromImage(m_desktopImage));

    m_panel = new CapturePanel(this);
    // A child shows with its window: until the first release the whole
    // screen is the picker's, its top-left corner too.
    m_panel->hide();
    connect(m_panel, &CapturePanel::closed, this, &QDialog::accept);

    m_drawing->setGraphicType(0);
    removeEventFilter(m_drawing);
    // Ctrl+Z and Ctrl+Y are the palette's: its buttons carry them, and the
    // panel lies inside this window.

    connect(m_drawing, &GraphicDrawing::orderNumberChanged, this, &ScreenCapturing::orderNumberChanged);
}

ScreenCapturing::~ScreenCapturing()
{
    m_drawing->setGraphicType(0);
    removeEventFilter(m_drawing);
    delete m_panel;
    delete m_drawing;
}

void ScreenCapturing::setSaveFileHook(SaveFileHook hook)
{
    saveFileHook() = std::move(hook);
}

// ---- the annotation host ----

int ScreenCapturing::graphicType() { return m_drawing->graphicType(); }

void ScreenCapturing::setGraphicType(int tool)
{
    m_drawing->setGraphicType(tool);
    removeEventFilter(m_drawing);
    if (tool != 0)
        installEventFilter(m_drawing);
}

void ScreenCapturing::setPenSize(int size) { m_drawing->setPenSize(size); }
void ScreenCapturing::setFontSize(int size) { m_drawing->setFontSize(size); }
void ScreenCapturing::setPenColor(const QColor &color) { m_drawing->setPenColor(color); }
void ScreenCapturing::setFillColor(const QColor &color) { m_drawing->setFillColor(color); }
void ScreenCapturing::setFontColor(const QColor &color) { m_drawing->setFontColor(color); }
void ScreenCapturing::setOrderNumber(int number) { m_drawing->setOrderNumber(number); }
void ScreenCapturing::setRectangleMode(bool on) { m_drawing->setRectangleMode(on); }

void ScreenCapturing::setBlurRadius(int radius)
{
    m_drawing->setBlurRadius(radius);
    repaint();
}

void ScreenCapturing::undo() { m_drawing->undo(); }
void ScreenCapturing::redo() { m_drawing->redo(); }
void ScreenCapturing::clear() { m_drawing->clear(); }

void ScreenCapturing::setSelection(const QRect &rect)
{
    AreaSelecting::setSelection(rect);
    // The painting done at once does not always reach the screen whole
    // (the border stayed off it after the panel moved): a later one does.
    update();
    // The controller works in dialog coordinates.
    m_drawing->setDrawingArea(rect.translated(-m_screenRect.topLeft()));
}

// ---- zones and drags ----

int ScreenCapturing::zoneAt(const QRect &sel, const QPoint &p)
{
    const int dx = qAbs(p.x() - sel.left()), dy = qAbs(p.y() - sel.top());
    const int w = sel.right() - sel.left(), h = sel.bottom() - sel.top();
    if (dx < 4 && dy < 4)
        return TopLeft;
    if (dx >= w - 3 && dy < 4)
        return TopRight;
    if (dx < 4 && dy >= h - 3)
        return BottomLeft;
    if (dx >= w - 3 && dy >= h - 3)
        return BottomRight;
    if (dx < 4)
        return Left;
    if (dx >= w - 3 && dx <= w + 5)
        return Right;
    if (dy < 4)
        return Top;
    if (dy >= h - 3 && dy <= h + 5)
        return Bottom;
    return sel.contains(p) ? Inside : NoZone;
}

void ScreenCapturing::setHitZone(int zone)
{
    if (zone == m_hitZone)
        return;
    Qt::CursorShape shape = Qt::ArrowCursor;
    switch (zone) {
    case Inside: shape = Qt::SizeAllCursor; break;
    case Left: case Right: shape = Qt::SizeHorCursor; break;
    case Top: case Bottom: shape = Qt::SizeVerCursor; break;
    case TopLeft: case BottomRight: shape = Qt::SizeFDiagCursor; break;
    case TopRight: case BottomLeft: shape = Qt::SizeBDiagCursor; break;
    default: break;
    }
    setCursor(shape);
    m_hitZone = zone;
}

void ScreenCapturing::dragSelection(const QPoint &point)
{
    if (m_hitZone == NoZone)
        return;
    const int dx = point.x() - m_pressPoint.x(), dy = point.y() - m_pressPoint.y();
    int l = 0, t = 0, r = 0, b = 0;
    switch (m_hitZone) {
    case Inside: l = dx; t = dy; r = dx; b = dy; break;
    case Left: l = dx; break;
    case Right: r = dx; break;
    case Top: t = dy; break;
    case TopLeft: l = dx; t = dy; break;
    case TopRight: t = dy; r = dx; break;
    case Bottom: b = dy; break;
    case BottomLeft: l = dx; b = dy; break;
    case BottomRight: r = dx; b = dy; break;
    default: break;
    }
    m_dragging = true;
    m_pressPoint = point;
    adjustSelection(l, t, r, b);
    repaint();
}

QRect ScreenCapturing::adjustedSelection(const QRect &sel, const QRect &screen, int l, int t, int r, int b)
{
    const QRect trial = sel.adjusted(l, t, r, b);
    const int tw = qMax(0, trial.width()), th = qMax(0, trial.height());
    const int w = sel.width(), h = sel.height();
    if (tw < 100) {
        if (l > 0)
            l = qMax(w - tw - 100, 0);
        if (r < 0)
            r = 0;
    }
    if (th < 100) {
        if (t > 0)
            t = qMax(h - th - 100, 0);
        if (b < 0)
            b = 0;
    }
    // A delta that would cross a bound is dropped whole. The screen's own
    // top-left is the bound, so screens away from the origin work too.
    auto bound = [](int *lo, int *hi, int from, int to, int min, int max) {
        const bool below = from + *lo < min, above = to + *hi > max;
        if (*lo != 0 && *lo == *hi && (below || above)) {
            *lo = *hi = 0;
        } else if (below) {
            *lo = 0;
        } else if (above) {
            *hi = 0;
        }
    };
    bound(&l, &r, sel.left(), sel.right(), screen.left(), screen.right());
    bound(&t, &b, sel.top(), sel.bottom(), screen.top(), screen.bottom());
    return sel.adjusted(l, t, r, b);
}

void ScreenCapturing::adjustSelection(int l, int t, int r, int b)
{
    setSelection(adjustedSelection(m_selection, m_screenRect, l, t, r, b));
}

QPoint ScreenCapturing::panelPlace(const QRect &sel, const QRect &screen, const QSize &size)
{
    QRect r(QPoint(0, 0), size);
    r.moveTopRight(QPoint(sel.right() - 10, sel.bottom() + 10));
    if (r.bottom() > screen.bottom() - 10) {
        r.moveBottom(sel.top() - 11);
        if (r.top() < screen.top())
            r.moveTop(screen.top() + 10);
    }
    // A selection reaching past its monitor would push the panel off it.
    if (r.right() > screen.right() - 10)
        r.moveRight(screen.right() - 10);
    if (r.left() < screen.left() + 10)
        r.moveLeft(screen.left() + 10);
    return r.topLeft();
}

QRect ScreenCapturing::panelBounds(const QRect &selection, const QRect &toolRect, const QList<QRect> &screens)
{
    // Over a desktop of monitors of different sizes the tool's rectangle
    // has parts no monitor shows; a panel placed there cannot be reached.
    QRect best;
    qint64 bestArea = 0;
    for (const QRect &screen : screens) {
        const QRect common = screen & toolRect & selection;
        const qint64 area = qint64(common.width()) * common.height();
        if (area > bestArea) {
            bestArea = area;
            best = screen & toolRect;
        }
    }
    return best.isValid() ? best : toolRect;
}

void ScreenCapturing::placePanel()
{
    const QRect bounds = panelBounds(m_selection, m_screenRect, region::monitors());
    // The panel lies inside the tool, whose top-left is the screen's.
    m_panel->move(panelPlace(m_selection, bounds, m_panel->size()) - m_screenRect.topLeft());
}

// ---- mouse ----

void ScreenCapturing::mousePressEvent(QMouseEvent *event)
{
    AreaSelecting::mousePressEvent(event);
    if (m_pressed && event->button() == Qt::LeftButton && m_hitZone != NoZone) {
        m_dragging = true;
        m_panel->hide();
        repaint();
    }
}

void ScreenCapturing::mouseMoveEvent(QMouseEvent *event)
{
    if (!m_editing) {
        AreaSelecting::mouseMoveEvent(event);
        return;
    }
    m_pointer = event->globalPos();
    if (m_pressed) {
        dragSelection(event->globalPos());
        return;
    }
    if (m_drawing->graphicType() != 0) {
        if (m_hitZone != NoZone) {
            setCursor(Qt::ArrowCursor);
            m_hitZone = NoZone;
        }
        return;
    }
    setHitZone(zoneAt(m_selection, event->globalPos()));
}

void ScreenCapturing::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || !m_pressed)
        return;
    m_pressed = false;
    if (m_editing) {
        m_dragging = false;
        repaint();
    } else {
        m_editing = true;
        repaint();
        setCursor(Qt::ArrowCursor);
    }
    placePanel();
    m_panel->show();
}

// ---- painting ----

void ScreenCapturing::paintEvent(QPaintEvent *event)
{
    if (!m_editing) {
        AreaSelecting::paintEvent(event);
        return;
    }
    QPixmap canvas(size());
    canvas.fill(Qt::black);
    {
        QPainter painter(&canvas);
        paintEditing(&painter, &canvas);
    }
    QPainter painter(this);
    painter.drawPixmap(0, 0, canvas);
}

void ScreenCapturing::paintEditing(QPainter *painter, QPixmap *canvas)
{
    static const QColor red(0xEB, 0x33, 0x24);
    const QRect sel = m_selection.translated(-m_screenRect.topLeft());
    painter->drawImage(0, 0, m_dimmedImage);
    if (!m_selection.isNull())
        painter->drawImage(sel.topLeft(), m_desktopImage, sel);

    if (m_dragging && m_hitZone != Inside) {
        painter->end();
        {
            QPainter magnifier(canvas);
            drawMagnifier(&magnifier, *canvas, m_pointer - m_screenRect.topLeft());
        }
        painter->begin(canvas);
    }
    m_drawing->paint(painter);
    painter->setRenderHint(QPainter::Antialiasing, false);
    if (m_selection.isNull())
        return;

    // The dashed border: one counter over all four edges, six red points
    // then four half-transparent blue ones.
    const QColor blue(124, 189, 210, 128);
    int i = 0;
    auto dot = [&](int x, int y) {
        painter->setPen(i % 10 <= 5 ? red : blue);
        painter->drawPoint(x, y);
        ++i;
    };
    const int x1 = sel.left(), y1 = sel.top(), x2 = sel.right(), y2 = sel.bottom();
    for (int x = x1; x <= x2; ++x)
        dot(x, y1);
    for (int y = y1; y <= y2; ++y)
        dot(x2, y);
    for (int x = x2; x >= x1; --x)
        dot(x, y2);
    for (int y = y2; y >= y1; --y)
        dot(x1, y);

    // Corner handles, four pixels thick, inside the selection.
    painter->setPen(QPen(red, 1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    const int w = x2 - x1, h = y2 - y1;
    const int lh = w + 1 < 48 ? w : 48, lv = h + 1 < 48 ? h : 48;
    for (int k = 0; k < 4; ++k) {
        painter->drawLine(x1, y1 + k, x1 + lh, y1 + k);
        painter->drawLine(x2 - lh, y1 + k, x2, y1 + k);
        painter->drawLine(x1, y2 - 3 + k, x1 + lh, y2 - 3 + k);
        painter->drawLine(x2 - lh, y2 - 3 + k, x2, y2 - 3 + k);
        painter->drawLine(x1 + k, y1, x1 + k, y1 + lv);
        painter->drawLine(x2 - 3 + k, y1, x2 - 3 + k, y1 + lv);
        painter->drawLine(x1 + k, y2 - lv, x1 + k, y2);
        painter->drawLine(x2 - 3 + k, y2 - lv, x2 - 3 + k, y2);
    }
}

QPixmap ScreenCapturing::composedPixmap() const
{
    const QRect sel = m_selection.translated(-m_screenRect.topLeft());
    QPixmap canvas(size());
    canvas.fill(Qt::black);
    {
        QPainter painter(&canvas);
        painter.drawImage(sel.topLeft(), m_desktopImage, sel);
        m_drawing->paint(&painter);
    }
    return canvas.copy(sel);
}

// ---- actions ----

bool ScreenCapturing::hasPicture() const
{
    // A picture needs a selection of at least one pixel each way.
    return m_selection.width() >= 1 && m_selection.height() >= 1;
}

void ScreenCapturing::copy()
{
    if (!hasPicture())
        return;
    m_drawing->commitTextBox();
    QApplication::clipboard()->setPixmap(composedPixmap());
    m_panel->close();
}

QString ScreenCapturing::savePicture(const QPixmap &picture, const QString &path)
{
    if (PictureFile::write(picture, path, QFileInfo(path).completeSuffix().toLocal8Bit()))
        return path;
    QString fallback = path;
    fallback.replace(QRegularExpression(QStringLiteral("jpg$")), QStringLiteral("png"));
    return PictureFile::write(picture, fallback, "png") ? fallback : QString();
}

void ScreenCapturing::save()
{
    if (!hasPicture())
        return;
    m_drawing->commitTextBox();
    DataGroupOutput *output = g_enviroment ? g_enviroment->output() : nullptr;
    const QString proposed = output ? output->newSnapshotFilePath() : QString();
    QString path;
    {
        const StepAside aside(this);
        if (saveFileHook())
            path = saveFileHook()(this, proposed);
        else
            path = QFileDialog::getSaveFileName(this, tr("Save File"), proposed,
                                                tr("JPEG (*.jpeg *.jpg);;Images (*.jpeg *.jpg)"));
    }
    path = nativePath(path);
    if (path.isEmpty())
        return;

    const QString written = savePicture(composedPixmap(), path);
    if (written.isEmpty()) {
        // Nothing written: no record, the folder stays, the tool stays open.
        const StepAside aside(this);
        CommonDialog::showWarning(this, tr("The picture could not be saved to %1.").arg(path));
        return;
    }
    if (g_historyList)
        g_historyList->addItem(HistoryItem::Screenshot, written, m_selection.size(), 0, QFileInfo(written).size());
    if (output) {
        output->setScreenshotsFolder(nativePath(QFileInfo(written).absolutePath()));
        g_enviroment->save();
    }
    m_panel->close();
}

void ScreenCapturing::fullScreen()
{
    setSelection(m_screenRect);
}

void ScreenCapturing::pinToScreen()
{
    if (!hasPicture())
        return;
    m_drawing->commitTextBox();
    const QPixmap picture = composedPixmap();
    const QRect place = m_selection;
    // The tool goes first: the keyboard it gives back to the window the user
    // had may bring that window to the front (i3 raises a floating window
    // that takes the focus), which must not cover the picture pinned after.
    // The tool is deleted only later, from the event loop.
    accept();
    auto *pin = new PinToScreenWidget(nullptr, picture);
    pin->setGeometry(place);
    pin->show();
}
