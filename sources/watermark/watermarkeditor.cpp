#include "watermarkeditor.h"

#include "watermarkitemimage.h"
#include "watermarkitemtext.h"

#include <QDebug>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace {

Qt::CursorShape cursorForZone(int zone)
{
    switch (zone) {
    case HTCLIENT: return Qt::SizeAllCursor;
    case HTLEFT:
    case HTRIGHT: return Qt::SizeHorCursor;
    case HTTOP:
    case HTBOTTOM: return Qt::SizeVerCursor;
    case HTTOPLEFT:
    case HTBOTTOMRIGHT: return Qt::SizeFDiagCursor;
    case HTTOPRIGHT:
    case HTBOTTOMLEFT: return Qt::SizeBDiagCursor;
    default: return Qt::ArrowCursor;
    }
}

// The edges an image item's drag moves for a zone (left, top, right, bottom
// as multiples of dx and dy).
void zoneDeltas(int zone, int dx, int dy, int *l, int *t, int *r, int *b)
{
    *l = *t = *r = *b = 0;
    switch (zone) {
    case HTCLIENT: *l = dx; *t = dy; *r = dx; *b = dy; break;
    case HTLEFT: *l = dx; break;
    case HTRIGHT: *r = dx; break;
    case HTTOP: *t = dy; break;
    case HTTOPLEFT: *l = dx; *t = dy; break;
    case HTTOPRIGHT: *t = dy; *r = dx; break;
    case HTBOTTOM: *b = dy; break;
    case HTBOTTOMLEFT: *l = dx; *b = dy; break;
    case HTBOTTOMRIGHT: *r = dx; *b = dy; break;
    default: break;
    }
}

// Step 1 of an edge change on one axis: a resize that would leave less than
// the minimum is cut back (a move is never cut: it keeps the size).
void keepMinimum(int low, int high, int *dLow, int *dHigh)
{
    if (*dLow == *dHigh)
        return;
    const int span = high - low;
    const int size = qMax(0, span + *dHigh - *dLow + 1);
    if (size >= WatermarkEditor::MinimumSize)
        return;
    if (*dLow > 0)
        *dLow = qMax(0, span - size - (WatermarkEditor::MinimumSize - 1));
    if (*dHigh < 0)
        *dHigh = qMin(0, span - size + (WatermarkEditor::MinimumSize + 1));
}

// Step 2: never across the canvas. A move that would cross is dropped whole.
void keepOnCanvas(int low, int high, int canvasHigh, int *dLow, int *dHigh)
{
    if (*dLow == *dHigh && *dLow != 0) {
        if (low + *dLow < 0 || high + *dHigh > canvasHigh)
            *dLow = *dHigh = 0;
    } else if (*dLow != 0 || *dHigh != 0) {
        if (low + *dLow < 0)
            *dLow = 0;
        else if (high + *dHigh > canvasHigh)
            *dHigh = 0;
    }
}

} // namespace

WatermarkEditor::WatermarkEditor(QWidget *parent) : QWidget(parent)
{
    qRegisterMetaType<WatermarkItem *>();
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
}

WatermarkEditor::~WatermarkEditor()
{
    // The page that listens is being destroyed around us.
    blockSignals(true);
    clear();
}

bool WatermarkEditor::setImageFile(const QString &path, QString *why)
{
    auto *image = static_cast<WatermarkItemImage *>(item(WATERMARK_IMAGE, 0));
    if (!image) {
        auto *created = new WatermarkItemImage(QString(), rect());
        if (!created->setPath(path, why)) {
            delete created;
            return false;
        }
        m_items.append(created);
        setCurrentItem(created);
        update();
        return true;
    }
    if (!image->setPath(path, why))
        return false;
    adjustItem(0, 0, 0, 0);
    setCurrentItem(image);
    update();
    return true;
}

void WatermarkEditor::setText(const QString &text)
{
    auto *textItem = static_cast<WatermarkItemText *>(item(WATERMARK_TEXT, 0));
    if (!textItem) {
        textItem = new WatermarkItemText(text, rect());
        m_items.append(textItem);
        setCurrentItem(textItem);
        update();
        return;
    }
    if (textItem->text().isEmpty())
        textItem->setRect(QRect()); // centred anew
    textItem->setText(text);
    textItem->updateRect();
    setCurrentItem(textItem);
    update();
}

void WatermarkEditor::clear()
{
    qDeleteAll(m_items);
    m_items.clear();
    m_hoverItem = nullptr;
    setCurrentItem(nullptr);
}

int WatermarkEditor::itemCount(int kind) const
{
    int count = 0;
    for (WatermarkItem *i : m_items)
        count += i->watermarkType() == kind ? 1 : 0;
    return count;
}

WatermarkItem *WatermarkEditor::item(int kind, int n) const
{
    for (WatermarkItem *i : m_items) {
        if (i->watermarkType() == kind && n-- == 0)
            return i;
    }
    return nullptr;
}

void WatermarkEditor::appendItem(WatermarkItem *item)
{
    if (item && !m_items.contains(item))
        m_items.append(item);
}

void WatermarkEditor::removeItem(WatermarkItem *item)
{
    if (!item)
        return;
    const int index = m_items.indexOf(item);
    if (index >= 0)
        m_items.remove(index);
    if (m_hoverItem == item)
        m_hoverItem = nullptr;
    setCurrentItem(nullptr);
    delete item;
    update();
}

QVector<WatermarkItem *> WatermarkEditor::takeItems()
{
    QVector<WatermarkItem *> items;
    items.swap(m_items);
    m_hoverItem = nullptr;
    m_currentItem = nullptr;
    m_zone = 0;
    return items;
}

void WatermarkEditor::setCurrentItem(WatermarkItem *item)
{
    if (m_currentItem == item)
        return;
    for (WatermarkItem *i : m_items) {
        if (i != item)
            i->setSelected(false);
    }
    m_currentItem = item;
    update();
    emit currentItemChanged(item);
}

void WatermarkEditor::setKeepAspectRatio(bool on)
{
    if (!m_currentItem || m_currentItem->watermarkType() != WATERMARK_IMAGE)
        return;
    static_cast<WatermarkItemImage *>(m_currentItem)->setKeepAspectRatio(on);
    if (on && m_currentItem->rect().isValid())
        setItemRect(m_currentItem->rect());
}

void WatermarkEditor::setItemRect(const QRect &r)
{
    if (!m_currentItem)
        return;
    const QRect &c = m_currentItem->rect();
    adjustItem(r.left() - c.left(), r.top() - c.top(), r.right() - c.right(), r.bottom() - c.bottom());
}

void WatermarkEditor::adjustItem(int dLeft, int dTop, int dRight, int dBottom)
{
    if (!m_currentItem)
        return;
    const QRect r = m_currentItem->rect();
    const QRect canvas = rect();
    keepMinimum(r.left(), r.right(), &dLeft, &dRight);
    keepMinimum(r.top(), r.bottom(), &dTop, &dBottom);
    keepOnCanvas(r.left(), r.right(), canvas.right(), &dLeft, &dRight);
    keepOnCanvas(r.top(), r.bottom(), canvas.bottom(), &dTop, &dBottom);

    if (m_currentItem->watermarkType() == WATERMARK_IMAGE) {
        auto *image = static_cast<WatermarkItemImage *>(m_currentItem);
        const double a = image->aspectRatio();
        if (image->keepAspectRatio() && a > 0.0) {
            QRect q = r.adjusted(dLeft, dTop, dRight, dBottom);
            if (dLeft == 0 && dRight == 0 && (dTop != 0 || dBottom != 0)) {
                q.setRight(q.left() - 1 + WatermarkItem::rounded(q.height() * a));
                q.setLeft(qMax(q.left(), canvas.left()));
                q.setRight(qMin(q.right(), canvas.right()));
                q.setBottom(q.top() - 1 + WatermarkItem::rounded(q.width() / a));
            } else {
                q.setBottom(q.top() - 1 + WatermarkItem::rounded(q.width() / a));
                q.setTop(qMax(q.top(), canvas.top()));
                q.setBottom(qMin(q.bottom(), canvas.bottom()));
                q.setRight(q.left() - 1 + WatermarkItem::rounded(q.height() * a));
            }
            dLeft = q.left() - r.left();
            dTop = q.top() - r.top();
            dRight = q.right() - r.right();
            dBottom = q.bottom() - r.bottom();
        }
    }

    const QRect moved = r.adjusted(dLeft, dTop, dRight, dBottom);
    if (moved == r)
        return;
    m_currentItem->setRect(moved);
    update();
    emit currentRectChanged(m_currentItem->rect());
}

QFont WatermarkEditor::currentFont() const
{
    if (m_currentItem && m_currentItem->watermarkType() == WATERMARK_TEXT)
        return static_cast<WatermarkItemText *>(m_currentItem)->font();
    return QFont();
}

QString WatermarkEditor::currentText() const
{
    if (m_currentItem && m_currentItem->watermarkType() == WATERMARK_TEXT)
        return static_cast<WatermarkItemText *>(m_currentItem)->text();
    return QString();
}

void WatermarkEditor::hidePrompt()
{
    m_showPrompt = false;
    update();
}

bool WatermarkEditor::currentIsShown() const
{
    return m_currentItem && m_currentItem->watermarkType() == m_watermarkType;
}

void WatermarkEditor::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    static const QPixmap background(QStringLiteral(":/Mirelon/Resources/logo/watermark-background1.jpg"));
    painter.drawPixmap(rect(), background);
    for (WatermarkItem *i : qAsConst(m_items)) {
        if (i->watermarkType() == m_watermarkType)
            i->paint(&painter);
    }
    if (m_showPrompt) {
        QFont font(QStringLiteral("Tahoma"));
        font.setPointSize(16);
        painter.setFont(font);
        painter.setPen(Qt::red);
        const int top = height() / 5;
        const QRect band(0, top, width(), painter.fontMetrics().lineSpacing() + 9);
        painter.drawText(band, Qt::AlignCenter, tr("Press \"Esc\" to exit Full-Screen Preview"));
    }
}

void WatermarkEditor::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || m_dragging)
        return;
    m_lastPos = event->pos();
    m_dragging = true;
    if (m_hoverItem && currentIsShown()) {
        qDebug() << "mousePressEvent m_hoverItem->watermarkType(): " << m_hoverItem->watermarkType();
        qDebug() << "mousePressEvent item->watermarkType(): " << m_currentItem->watermarkType();
        qDebug() << "mousePressEvent m_watermarkType: " << m_watermarkType;
        m_currentItem->setSelected(true);
        update();
    }
}

void WatermarkEditor::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        m_dragging = false;
}

void WatermarkEditor::mouseMoveEvent(QMouseEvent *event)
{
    if (!currentIsShown())
        return;
    if (m_dragging)
        dragTo(event->pos());
    else
        hoverAt(event->pos());
}

void WatermarkEditor::hoverAt(const QPoint &pos)
{
    // Only items of the shown kind: a hidden item must not decide what a
    // drag does to the visible one.
    m_hoverItem = nullptr;
    int zone = HTNOWHERE;
    for (WatermarkItem *i : qAsConst(m_items)) {
        if (i->watermarkType() != m_watermarkType)
            continue;
        const int z = i->hitTest(pos);
        if (z != HTNOWHERE) {
            m_hoverItem = i;
            zone = z;
            break;
        }
    }
    if (zone == m_zone)
        return;
    setCursor(cursorForZone(zone));
    m_zone = zone;
}

void WatermarkEditor::dragTo(const QPoint &pos)
{
    if (m_zone == HTNOWHERE)
        return;
    const int dx = pos.x() - m_lastPos.x();
    const int dy = pos.y() - m_lastPos.y();
    m_lastPos = pos;
    int l, t, r, b;
    // A text item only moves: its size follows its text.
    zoneDeltas(m_currentItem->watermarkType() == WATERMARK_TEXT ? int(HTCLIENT) : m_zone, dx, dy, &l, &t, &r, &b);
    adjustItem(l, t, r, b);
}

void WatermarkEditor::keyPressEvent(QKeyEvent *event)
{
    const bool ctrl = event->modifiers() == Qt::ControlModifier;
    switch (event->key()) {
    case Qt::Key_Left:
        ctrl ? adjustItem(0, 0, -1, 0) : adjustItem(-1, 0, -1, 0);
        break;
    case Qt::Key_Right:
        ctrl ? adjustItem(0, 0, 1, 0) : adjustItem(1, 0, 1, 0);
        break;
    case Qt::Key_Up:
        ctrl ? adjustItem(0, 0, 0, -1) : adjustItem(0, -1, 0, -1);
        break;
    case Qt::Key_Down:
        ctrl ? adjustItem(0, 0, 0, 1) : adjustItem(0, 1, 0, 1);
        break;
    case Qt::Key_Delete:
        if (m_currentItem)
            removeItem(m_currentItem);
        break;
    default:
        break;
    }
    QWidget::keyPressEvent(event);
}
