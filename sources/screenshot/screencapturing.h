#pragma once
// The screenshot tool: the area picker (a desktop overlay over the whole
// screen, above panels and docks) whose first release fixes the selection
// instead of ending. The selection can then be moved and resized
// by its edges, annotated through the capture panel's palette, and copied,
// saved, widened to the whole screen or pinned. It deletes itself on close.
#include "areaselecting.h"
#include "igraphiceditable.h"

#include <functional>

class CapturePanel;
class GraphicDrawing;

class ScreenCapturing : public AreaSelecting, public IGraphicEditable
{
    Q_OBJECT
    Q_INTERFACES(IGraphicEditable)
public:
    // Pointer zones, as hit-test codes.
    enum Zone {
        NoZone = 0, Inside = 1, Left = 10, Right = 11, Top = 12, TopLeft = 13,
        TopRight = 14, Bottom = 15, BottomLeft = 16, BottomRight = 17
    };

    explicit ScreenCapturing(QWidget *parent);
    ~ScreenCapturing() override;

    // IGraphicEditable, forwarded to the drawing controller.
    int graphicType() override;
    void setGraphicType(int tool) override;
    void setPenSize(int size) override;
    void setFontSize(int size) override;
    void setPenColor(const QColor &color) override;
    void setFillColor(const QColor &color) override;
    void setFontColor(const QColor &color) override;
    void setOrderNumber(int number) override;
    void setRectangleMode(bool on) override;
    void setBlurRadius(int radius) override;

    void setSelection(const QRect &rect) override;

    // The zone of a point (desktop coordinates) against the selection.
    static int zoneAt(const QRect &selection, const QPoint &point);
    // The selection after moving its edges by the deltas, under the minimum
    // size and the screen's bounds.
    static QRect adjustedSelection(const QRect &selection, const QRect &screen, int l, int t, int r, int b);
    // The panel's top-left for a panel of `size` beside the selection.
    static QPoint panelPlace(const QRect &selection, const QRect &screen, const QSize &size);
    // The monitor the panel is kept on: of `screens`, the one holding most of
    // the selection, within the tool's own rectangle; else that rectangle.
    static QRect panelBounds(const QRect &selection, const QRect &toolRect, const QList<QRect> &screens);

    void dragSelection(const QPoint &point);
    void adjustSelection(int l, int t, int r, int b);
    void placePanel();
    // The picture the actions use: the selection with its shapes.
    QPixmap composedPixmap() const;
    // Saves the picture to the path: the format of its complete suffix,
    // else PNG (a trailing "jpg" becoming "png"). The path written, or an
    // empty text when nothing could be written.
    static QString savePicture(const QPixmap &picture, const QString &path);

    bool isEditing() const { return m_editing; }
    bool isDragging() const { return m_dragging; }
    int hitZone() const { return m_hitZone; }
    void setHitZone(int zone);
    GraphicDrawing *drawing() const { return m_drawing; }
    CapturePanel *panel() const { return m_panel; }

    // Answers the save dialog (tests): gets the proposed path, returns the
    // chosen one or an empty text. Empty restores Qt's dialog.
    using SaveFileHook = std::function<QString(QWidget *parent, const QString &proposed)>;
    static void setSaveFileHook(SaveFileHook hook);

signals:
    void orderNumberChanged(int next);

public slots:
    void copy();
    void save();
    void fullScreen();
    void pinToScreen();
    void undo() override;
    void redo() override;
    void clear() override;
    void watchOrderNumber(QObject *receiver, std::function<void(int)> onChange) override
    {
        connect(this, &ScreenCapturing::orderNumberChanged, receiver, std::move(onChange));
    }

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    bool hasPicture() const;
    void paintEditing(QPainter *painter, QPixmap *canvas);

    bool m_editing = false;
    bool m_dragging = false;
    int m_hitZone = NoZone;
    GraphicDrawing *m_drawing = nullptr;
    CapturePanel *m_panel = nullptr;
};
