#pragma once
// The drawing controller of an annotation host: an event filter on the host
// that turns left-button input inside the drawing area into shapes of the
// current tool, runs the in-place text box, numbers callouts, keeps the drawn
// and the undone shapes and paints them. Hosts forward IGraphicEditable to it.

#include <QColor>
#include <QObject>
#include <QPixmap>
#include <QPointer>
#include <QPoint>
#include <QRect>
#include <QVector>

#include "myplaintextedit.h"

class GraphicBase;
class QPainter;
class QWidget;

class GraphicDrawing : public QObject
{
    Q_OBJECT
public:
    explicit GraphicDrawing(QWidget *host);
    // Deletes every shape of both lists.
    ~GraphicDrawing() override;

    // The operations of IGraphicEditable.
    int graphicType() const { return m_tool; }
    void setGraphicType(int tool);
    void setPenSize(int size) { m_penSize = size; }
    void setFontSize(int size) { m_fontSize = size; }
    void setPenColor(const QColor &color) { m_penColor = color; }
    void setFillColor(const QColor &color) { m_fillColor = color; }
    void setFontColor(const QColor &color) { m_fontColor = color; }
    void setOrderNumber(int number) { m_orderNumber = number; }
    void setRectangleMode(bool on) { m_rectangleMode = on; }
    void setBlurRadius(int radius);
    void undo();
    void redo();
    void clear();

    // Where presses start shapes and painting is clipped, in host
    // coordinates; an invalid rectangle means the host's rectangle less one
    // pixel on every side.
    void setDrawingArea(const QRect &area) { m_drawingArea = area; }
    QRect drawingArea() const { return m_drawingArea; }
    QRect effectiveArea() const;
    // The unannotated picture under the host, for the eraser; also rebuilds
    // the blurred copy the blur tool paints with.
    void setBackground(const QPixmap &background);
    QPixmap background() const { return m_background; }
    QPixmap blurredBackground() const { return m_blurredBackground; }

    void paint(QPainter *painter);
    // Deletes every shape of both lists; also drops the shape in progress and
    // hides the text box, whose text is dropped with it.
    void deleteAllShapes();
    // Turns an open text box into a text shape (when it holds text) and hides
    // it. Hosts call it before composing a picture or leaving drawing.
    void commitTextBox();

    bool eventFilter(QObject *watched, QEvent *event) override;

    // Read access for hosts and tests.
    QWidget *host() const { return m_host; }
    const QVector<GraphicBase *> &shapes() const { return m_shapes; }
    const QVector<GraphicBase *> &undoneShapes() const { return m_undoneShapes; }
    GraphicBase *currentShape() const { return m_currentShape; }
    MyPlainTextEdit *textBox() const { return m_textBox; }
    int penSize() const { return m_penSize; }
    int fontSize() const { return m_fontSize; }
    QColor penColor() const { return m_penColor; }
    QColor fillColor() const { return m_fillColor; }
    QColor fontColor() const { return m_fontColor; }
    int orderNumber() const { return m_orderNumber; }
    bool rectangleMode() const { return m_rectangleMode; }
    int blurRadius() const { return m_blurRadius; }

signals:
    void orderNumberChanged(int next);

public slots:
    void textEditTextChanged();

private:
    void press(const QPoint &p);
    void ensureTextBox();
    void showTextBox(const QPoint &p);
    void rebuildBlurredBackground();
    void updateHost();

    // Both may go before the controller (the box is the host's child).
    QPointer<QWidget> m_host;
    QVector<GraphicBase *> m_shapes;
    QVector<GraphicBase *> m_undoneShapes;
    int m_tool = 0;
    GraphicBase *m_currentShape = nullptr;
    QPointer<MyPlainTextEdit> m_textBox;
    int m_penSize = 1;
    QColor m_penColor = Qt::red;
    QColor m_fillColor = Qt::red;
    QColor m_fontColor = Qt::white;
    int m_fontSize = 12;
    int m_orderNumber = 1;
    bool m_rectangleMode = false;
    QRect m_drawingArea;
    QPixmap m_background;
    QPixmap m_blurredBackground;
    int m_blurRadius = 2;
};
