#include "graphicdrawing.h"

#include "core/formatting.h"
#include "core/logfile.h"
#include "graphiclabel.h"
#include "graphicstroke.h"
#include "myplaintextedit.h"
#include "widgets/skinmanager.h"

#include <QFontMetrics>
#include <QGraphicsBlurEffect>
#include <QGraphicsPixmapItem>
#include <QGraphicsScene>
#include <QMouseEvent>
#include <QPainter>
#include <QTextBlock>
#include <QTextLayout>
#include <QWidget>

namespace {

// Tools whose press starts a dragged shape (all of the rectangle family).
bool isDragTool(int tool)
{
    return (tool >= 1 && tool <= 6) || tool == 9 || tool == 10;
}

} // namespace

GraphicDrawing::GraphicDrawing(QWidget *host) : QObject(nullptr), m_host(host)
{
    if (m_host)
        m_host->installEventFilter(this);
}

GraphicDrawing::~GraphicDrawing()
{
    // The screenshot tool makes a controller per picture: its shapes must
    // not outlive it.
    qDeleteAll(m_shapes);
    qDeleteAll(m_undoneShapes);
}

void GraphicDrawing::setGraphicType(int tool)
{
    if (m_tool == 7 && m_textBox && !m_textBox->isHidden())
        commitTextBox();
    m_tool = tool;
    m_currentShape = nullptr;
}

void GraphicDrawing::setBlurRadius(int radius)
{
    if (radius == m_blurRadius)
        return;
    m_blurRadius = radius;
    rebuildBlurredBackground();
}

void GraphicDrawing::undo()
{
    if (m_shapes.isEmpty())
        return;
    m_undoneShapes.append(m_shapes.takeLast());
    updateHost();
}

void GraphicDrawing::redo()
{
    if (m_undoneShapes.isEmpty())
        return;
    m_shapes.append(m_undoneShapes.takeLast());
    updateHost();
}

void GraphicDrawing::clear()
{
    // Newest first onto the undone list, so redo brings back the oldest first.
    while (!m_shapes.isEmpty())
        m_undoneShapes.append(m_shapes.takeLast());
    updateHost();
}

QRect GraphicDrawing::effectiveArea() const
{
    if (m_drawingArea.isValid())
        return m_drawingArea;
    return m_host ? m_host->rect().adjusted(1, 1, -1, -1) : QRect();
}

void GraphicDrawing::setBackground(const QPixmap &background)
{
    m_background = background;
    rebuildBlurredBackground();
}

void GraphicDrawing::rebuildBlurredBackground()
{
    if (m_background.isNull())
        return;
    const QImage image = m_background.toImage();
    QGraphicsScene scene;
    auto *item = new QGraphicsPixmapItem(QPixmap::fromImage(image));
    auto *effect = new QGraphicsBlurEffect;
    effect->setBlurRadius(m_blurRadius);
    item->setGraphicsEffect(effect); // the item owns the effect
    scene.addItem(item);
    QImage blurred(image.size(), QImage::Format_ARGB32);
    blurred.fill(Qt::transparent);
    {
        QPainter painter(&blurred);
        scene.render(&painter, QRectF(blurred.rect()), QRectF(0, 0, image.width(), image.height()));
    }
    m_blurredBackground = QPixmap::fromImage(blurred);
}

void GraphicDrawing::paint(QPainter *painter)
{
    painter->setClipRect(effectiveArea(), Qt::ReplaceClip);
    painter->setRenderHint(QPainter::Antialiasing, true);
    for (GraphicBase *shape : qAsConst(m_shapes))
        shape->draw(painter);
}

void GraphicDrawing::deleteAllShapes()
{
    qDeleteAll(m_shapes);
    qDeleteAll(m_undoneShapes);
    m_shapes.clear();
    m_undoneShapes.clear();
    // Nothing may point at a deleted shape, and an open box would otherwise
    // come back as a shape after the purge.
    m_currentShape = nullptr;
    if (m_textBox)
        m_textBox->hide();
}

void GraphicDrawing::commitTextBox()
{
    if (!m_textBox)
        return;
    const QString text = m_textBox->toPlainText();
    if (!text.isEmpty()) {
        // Where the box shows its first line, in host coordinates.
        const QTextBlock block = m_textBox->document()->firstBlock();
        const QRectF blockRect = m_textBox->blockBoundingGeometry(block);
        const QPointF offset = m_textBox->contentOffset();
        QPointF lineOrigin;
        if (block.layout() && block.layout()->lineCount() > 0)
            lineOrigin = block.layout()->lineAt(0).position();
        const QMargins margins = m_textBox->contentsMargins();
        const int x = int(m_textBox->x() + margins.left() + int(blockRect.x()) + offset.x() + lineOrigin.x());
        const int y = int(m_textBox->y() + margins.top() + int(blockRect.y()) + offset.y() + lineOrigin.y());
        m_shapes.append(new GraphicText(QPoint(x, y), m_penColor, m_fontSize, text));
        updateHost();
    }
    // The keys go back to the host, not on to the next control in the
    // focus chain (a Space there would press a button).
    if (m_textBox->hasFocus() && m_host)
        m_host->setFocus(Qt::OtherFocusReason);
    m_textBox->hide();
}

void GraphicDrawing::ensureTextBox()
{
    if (m_textBox || !m_host)
        return;
    m_textBox = new MyPlainTextEdit(m_host);
    m_textBox->hide();
    m_textBox->setStyleSheet(QStringLiteral("border:2px dashed #000000; color:#%1;").arg(colorToHex(m_penColor)));
    // The box grows with its text; a line wrapped on the way (the text's
    // exact width passing the rounded one it grows by) would scroll the
    // first line away, and the committed text would land above the box.
    m_textBox->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_textBox->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_textBox->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    connect(m_textBox, &QPlainTextEdit::textChanged, this, &GraphicDrawing::textEditTextChanged);
}

void GraphicDrawing::showTextBox(const QPoint &p)
{
    m_textBox->clear();
    m_textBox->setFont(GraphicText::textFont(m_fontSize));
    m_textBox->setStyleSheet(QStringLiteral("background-color: rgba(255,255,255,0); border:2px dashed #000000; color:#%1;")
                                 .arg(colorToHex(m_penColor)));
    const QFont measure = SkinManager::instance()->scaledFont(m_fontSize, false);
    const QFontMetrics metrics(measure);
    const int w = metrics.horizontalAdvance(QStringLiteral("Test"));
    const int h = metrics.height();
    const QMargins margins = m_textBox->contentsMargins();
    m_textBox->setFixedSize(w + margins.left() + margins.right() + 4, h + margins.top() + margins.bottom() + 8);
    m_textBox->move(p);
    m_textBox->show();
    // The click that opened the box is where the user types.
    m_textBox->setFocus(Qt::MouseFocusReason);
}

void GraphicDrawing::textEditTextChanged()
{
    if (!m_textBox)
        return;
    const QFontMetrics metrics = m_textBox->fontMetrics();
    const QStringList lines = m_textBox->toPlainText().split(QLatin1Char('\n'));
    int w = 0;
    for (const QString &line : lines)
        w = qMax(w, metrics.horizontalAdvance(line));
    const int h = lines.size() * metrics.lineSpacing();
    // The box only grows while it is shown.
    if (w + 12 > m_textBox->width())
        m_textBox->setFixedWidth(w + 12);
    if (h + 20 > m_textBox->height())
        m_textBox->setFixedHeight(h + 20);
}

void GraphicDrawing::press(const QPoint &p)
{
    GraphicBase *shape = nullptr;
    switch (m_tool) {
    case 1: shape = new GraphicRectangle(p, p, m_penColor, m_penSize); break;
    case 2: shape = new GraphicEllipse(p, p, m_penColor, m_penSize); break;
    case 3: shape = new GraphicLine(p, p, m_penColor, m_penSize); break;
    case 4: shape = new GraphicArrow(p, p, m_penColor, m_penSize); break;
    case 5: shape = new GraphicBrush(p, p, m_penColor, m_penSize); break;
    case 6: shape = new GraphicAirBrush(p, p, m_penColor, m_penSize); break;
    case 7:
        ensureTextBox();
        if (m_textBox) {
            if (!m_textBox->isHidden())
                commitTextBox();
            else
                showTextBox(p);
        }
        break;
    case 8: {
        const int number = m_orderNumber;
        m_orderNumber = number + 1;
        shape = new GraphicCallout(p, m_penSize, number, m_fillColor, m_fontColor);
        break;
    }
    case 9:
    case 10: {
        const QPixmap *picture = m_tool == 9 ? &m_background : &m_blurredBackground;
        if (picture->isNull())
            picture = nullptr;
        if (m_rectangleMode) {
            auto *rect = new GraphicEraserRectangle(p, p);
            rect->setPicture(picture);
            shape = rect;
        } else {
            auto *eraser = new GraphicEraser(p, p, m_penSize);
            eraser->setPicture(picture);
            shape = eraser;
        }
        break;
    }
    default:
        break;
    }
    if (shape) {
        m_shapes.append(shape);
        m_currentShape = shape;
    }
    if (m_tool == 8)
        emit orderNumberChanged(m_orderNumber);
    runLog(QStringLiteral("GraphicDrawing start pos: (%1, %2)").arg(p.x()).arg(p.y()), true);
}

void GraphicDrawing::updateHost()
{
    if (m_host)
        m_host->update();
}

bool GraphicDrawing::eventFilter(QObject *watched, QEvent *event)
{
    QMouseEvent *mouse = nullptr;
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
        mouse = static_cast<QMouseEvent *>(event);
        break;
    default:
        break;
    }

    if (mouse && mouse->button() == Qt::LeftButton && m_tool != 0) {
        if (event->type() == QEvent::MouseButtonPress) {
            if (!effectiveArea().contains(mouse->pos()))
                return QObject::eventFilter(watched, event);
            press(mouse->pos());
            return true;
        }
        if (event->type() == QEvent::MouseButtonRelease && m_currentShape) {
            if (isDragTool(m_tool)) {
                if (auto *dragged = dynamic_cast<GraphicRectangle *>(m_currentShape)) {
                    dragged->addPoint(mouse->pos());
                    runLog(QStringLiteral("GraphicDrawing end pos: (%1, %2)").arg(mouse->pos().x()).arg(mouse->pos().y()),
                           true);
                }
                if (auto *rect = dynamic_cast<GraphicEraserRectangle *>(m_currentShape))
                    rect->setFinished(true);
                m_currentShape = nullptr;
            }
            // The callout stays current until the tool changes.
            updateHost();
            return true;
        }
        return QObject::eventFilter(watched, event);
    }

    if (mouse && event->type() == QEvent::MouseMove && m_currentShape) {
        if (isDragTool(m_tool)) {
            if (auto *dragged = dynamic_cast<GraphicRectangle *>(m_currentShape))
                dragged->addPoint(mouse->pos());
        }
        updateHost();
        return true;
    }
    return QObject::eventFilter(watched, event);
}
