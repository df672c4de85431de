// The region frame as an annotation host: its IGraphicEditable operations
// pass on to its drawing controller, and in recording mode it paints the
// shapes.
#include "areaselected.h"
#include "ui_areaselected.h"

#include "graphicdrawing.h"
#include "myplaintextedit.h"

#include <QPainter>

void AreaSelected::createDrawing()
{
    // The controller installs itself as the frame's event filter; presses on
    // the input layer reach it through the frame.
    m_drawing = new GraphicDrawing(this);
    m_drawing->setParent(this);
    connect(m_drawing, &GraphicDrawing::orderNumberChanged, this, &AreaSelected::orderNumberChanged);
}

void AreaSelected::updateDrawingArea()
{
    if (m_drawing)
        m_drawing->setDrawingArea(toLocal(m_selectedRect));
}

void AreaSelected::paintShapes(QPainter *painter)
{
    painter->save();
    m_drawing->paint(painter);
    painter->restore();
}

QRect AreaSelected::textBoxRect() const
{
    MyPlainTextEdit *box = m_drawing ? m_drawing->textBox() : nullptr;
    return box && box->isVisibleTo(this) ? box->geometry() : QRect();
}

// Leaving recording mode: the tool goes to 0 first (which closes an open
// text box), then every shape goes, so nothing typed survives into the next
// recording.
void AreaSelected::leaveDrawing()
{
    setGraphicType(0);
    m_drawing->deleteAllShapes();
}

int AreaSelected::graphicType()
{
    return m_drawing->graphicType();
}

void AreaSelected::setGraphicType(int tool)
{
    ui->clientWidget->setVisible(tool != 0);
    m_drawing->setGraphicType(tool);
    updateShape();
}

void AreaSelected::setPenSize(int size) { m_drawing->setPenSize(size); }
void AreaSelected::setFontSize(int size) { m_drawing->setFontSize(size); }
void AreaSelected::setPenColor(const QColor &color) { m_drawing->setPenColor(color); }
void AreaSelected::setFillColor(const QColor &color) { m_drawing->setFillColor(color); }
void AreaSelected::setFontColor(const QColor &color) { m_drawing->setFontColor(color); }
void AreaSelected::setOrderNumber(int number) { m_drawing->setOrderNumber(number); }
void AreaSelected::setRectangleMode(bool on) { m_drawing->setRectangleMode(on); }

void AreaSelected::setBlurRadius(int radius)
{
    m_drawing->setBlurRadius(radius);
    repaint();
}

void AreaSelected::undo() { m_drawing->undo(); }
void AreaSelected::redo() { m_drawing->redo(); }
void AreaSelected::clear() { m_drawing->clear(); }
