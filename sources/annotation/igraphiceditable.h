#pragma once
// What a drawing palette may ask of an annotation host (the region frame or
// the screenshot tool). Hosts forward every call to their GraphicDrawing.
//
// Tool numbers: 0 none, 1 rectangle, 2 ellipse, 3 line, 4 arrow, 5 brush,
// 6 air brush, 7 text, 8 callout, 9 eraser, 10 blur.

#include <QColor>
#include <QtPlugin>

#include <functional>

class QObject;

class IGraphicEditable
{
public:
    virtual ~IGraphicEditable() = default;

    virtual int graphicType() = 0;
    virtual void setGraphicType(int tool) = 0;
    virtual void setPenSize(int size) = 0;
    virtual void setFontSize(int size) = 0;
    virtual void setPenColor(const QColor &color) = 0;
    virtual void setFillColor(const QColor &color) = 0;
    virtual void setFontColor(const QColor &color) = 0;
    virtual void setOrderNumber(int number) = 0;
    virtual void setRectangleMode(bool on) = 0;
    virtual void setBlurRadius(int radius) = 0;
    virtual void undo() = 0;
    virtual void redo() = 0;
    virtual void clear() = 0;
    // Calls onChange with the next order number each time it moves on, for
    // as long as receiver lives.
    virtual void watchOrderNumber(QObject *receiver, std::function<void(int)> onChange) = 0;
};

#define IGraphicEditable_iid "Mirelo.IGraphicEditable/1.0"
Q_DECLARE_INTERFACE(IGraphicEditable, IGraphicEditable_iid)
