#pragma once
// The recording region frame: a translucent, frameless window over the whole
// desktop that shows the region a screen recording captures (a dotted
// border, four corner brackets, a move icon and a small tool bar) and lets
// the user resize it by its edges, move it, pick it from the screen or set a
// preset size. While a recording runs it stays on top, marks the region just
// outside the recorded pixels and takes live drawing.
//
// A desktop overlay (no window manager manages it: it lies on the desktop's
// own coordinates, over panels, its tool bar inside what the panels leave
// free). Everything but the painted parts and the pointer zones beside the
// edges lets the pointer through (an input shape of the native window), so
// the desktop below stays usable. Where the program's own windows lie (the
// main window, the size panel, dialogs, menus) it shows and takes nothing,
// so it never covers them however the desktop stacks it: some window
// managers restack their windows as one block, some compositors paint
// every overlay over the managed windows. While a drawing
// tool is chosen the whole region takes the pointer and still shows the
// desktop: through a transparent input layer where a compositing manager
// runs, else through a pointer layer above the window, whose window is then
// cut to its border and the shapes (the layer also takes the pointer zones
// there). A compositor started or stopped while it shows is followed.
#include <QDialog>
#include <QEvent>
#include <QList>
#include <QPixmap>
#include <QPoint>
#include <QRect>
#include <QRegion>

#include "igraphiceditable.h"

class GraphicDrawing;
class PointerLayer;
class QAction;
class QMenu;
class QPropertyAnimation;
class QScreen;

namespace Ui {
class AreaSelectedClass;
}

class AreaSelected : public QDialog, public IGraphicEditable
{
    Q_OBJECT
    Q_INTERFACES(IGraphicEditable)
    Q_PROPERTY(QRect selectedRect READ selectedRect WRITE setSelectedRectValue)

public:
    // owner: the main window (a RegionOwner), also the frame's parent outside
    // recording mode; may be null.
    explicit AreaSelected(QWidget *owner);
    ~AreaSelected() override;

    // The region in desktop coordinates (inclusive right and bottom).
    const QRect &selectedRect() const { return m_selectedRect; }
    // The region in the selected screen's own coordinates (to cut a grab of
    // that screen).
    QRect localSelectedRect() const;
    // Animated while the frame shows, else at once.
    void setSelectedRect(const QRect &rect);
    void setSelectedRectImmediately(const QRect &rect);
    // The desktop rectangle the frame covers; does not move the window.
    void setScreenRect(const QRect &rect);
    QRect screenRect() const { return m_screenRect; }
    void setFullScreenMode(bool on);
    bool isFullScreen() const;
    bool isRecordingMode() const { return m_recordingMode; }
    void setRecordingMode(bool on);
    void setShowBoundary(bool on);
    void setAllowMoveRegion(bool on);
    // Shows or hides the owner's outer frame, while the owner is the frame's
    // parent.
    void setParentVisible(bool visible);
    void retranslateUi();

    // State, for the main window and tests.
    bool isRatioLocked() const { return m_ratioLocked; }
    double ratio() const { return m_ratio; }
    int zone() const { return m_zone; }
    QList<QRect> moveRects() const { return m_moveRects; }
    GraphicDrawing *drawing() const { return m_drawing; }
    // Made when first needed.
    PointerLayer *pointerLayer() const { return m_pointerLayer; }
    QMenu *sizeMenu() const { return m_menu; }
    // What the frame paints, in its own coordinates; the input shape is this
    // less the shapes, plus the pointer zones along the edges and the input
    // layer. Both leave out the program's own windows (main window, dialogs,
    // panels, menus), which the frame never covers nor blocks.
    QRegion paintedRegion() const;
    QRegion inputRegion() const;

    // IGraphicEditable, passed on to the drawing controller.
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

signals:
    void orderNumberChanged(int next);
    void selectedRectChanged(const QRect &rect);

public slots:
    void undo() override;
    void redo() override;
    void clear() override;
    void watchOrderNumber(QObject *receiver, std::function<void(int)> onChange) override
    {
        connect(this, &AreaSelected::orderNumberChanged, receiver, std::move(onChange));
    }
    void setFullScreen();
    void setRatioLocked(bool locked);
    void actFullScreenTriggered();
    void act1920_1080Triggered();
    void act1280_720Triggered();
    void act854_480Triggered();
    void act1024_768Triggered();
    void act640_480Triggered();
    void actShowCustomSelectArea();
    void btnSelectAreaClick();
    void btnMaximumClick();
    void btnAreaSizeClick();

protected:
    bool event(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void setSelectedRectValue(const QRect &rect) { m_selectedRect = rect; }
    void layoutPass();
    void fitToolBar();
    void placeToolBar();
    void refreshFreeAreas();
    void updateOwnWindows();
    // The pointer zone at `p` (desktop coordinates) and its cursor.
    void updateZone(const QPoint &p);
    void watchScreen(QScreen *screen);
    void applyPreset(int width, int height);
    void updateShape();
    // What the frame paints but the shapes.
    QRegion frameRegion() const;
    void updatePointerLayer();
    void forwardPointer(QEvent::Type type, const QPoint &position, Qt::MouseButton button, Qt::MouseButtons buttons,
                        Qt::KeyboardModifiers modifiers);
    QPoint toDesktop(const QPoint &local) const { return local + m_screenRect.topLeft(); }
    QRect toLocal(const QRect &desktopRect) const { return desktopRect.translated(-m_screenRect.topLeft()); }
    void paintFrame(QPainter *painter);
    // The drawing controller's part (areaselecteddrawing.cpp).
    void createDrawing();
    void updateDrawingArea();
    void paintShapes(QPainter *painter);
    void leaveDrawing();
    QRect textBoxRect() const;

    Ui::AreaSelectedClass *ui;
    QRect m_screenRect;
    bool m_pressed = false;
    bool m_recordingMode = false;
    GraphicDrawing *m_drawing = nullptr;
    bool m_leftEdge = false, m_rightEdge = false, m_topEdge = false, m_bottomEdge = false;
    QRect m_selectedRect;
    bool m_ratioLocked = false;
    double m_ratio = 1.0;
    QWidget *m_owner;
    bool m_showBoundary = true;
    bool m_allowMoveRegion = false;
    QPoint m_lastPoint;
    int m_zone = 0;
    QPixmap m_moveIcon;
    QList<QRect> m_moveRects;
    // The monitors and what the desktop's panels leave free of each.
    QList<QRect> m_monitors;
    QList<QRect> m_freeAreas;
    // Where the program's own windows lie over the frame (its coordinates):
    // left out of what it shows and of where it takes the pointer.
    QRegion m_ownWindows;
    bool m_fullScreen = false;
    QMenu *m_menu = nullptr;
    QAction *m_actFullScreen = nullptr;
    QAction *m_act1080 = nullptr;
    QAction *m_act720 = nullptr;
    QAction *m_act480 = nullptr;
    QAction *m_act1024 = nullptr;
    QAction *m_act640 = nullptr;
    QAction *m_actCustomize = nullptr;
    QPropertyAnimation *m_animation = nullptr;
    QRegion m_lastInput;
    QRegion m_lastBounding;
    bool m_shaped = false;
    // The window may be cut to a bounding region (unknown for a new one).
    bool m_bounded = true;
    bool m_composited = true;
    // The pixels the shapes cover, while the window is cut to what it paints.
    QRegion m_shapesRegion;
    PointerLayer *m_pointerLayer = nullptr;
};

// The program's one region frame, made by the main window; null outside its
// lifetime.
extern AreaSelected *g_areaSelected;
