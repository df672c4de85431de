#pragma once
// The screen area picker: a modal, full-screen dialog over a frozen, dimmed
// snapshot of the selected screen, a desktop overlay that holds the keyboard
// while it shows (Escape picks nothing). Pointing offers the window under the
// pointer, dragging draws a rectangle; the left release accepts. It draws its
// own cross-hair and a magnifier with the selection's size and place.
//
// The screenshot tool derives from it.
#include <QDialog>

#include <functional>
#include <QImage>
#include <QList>
#include <QPoint>
#include <QRect>
#include <QVector>

struct WindowListEntry;

class AreaSelecting : public QDialog
{
    Q_OBJECT
public:
    explicit AreaSelecting(QWidget *parent);

    // Desktop coordinates; null until the first pick. Callers treat a width
    // or height below 1 as nothing picked.
    const QRect &selectedRect() const { return m_selection; }
    virtual void setSelection(const QRect &rect);
    // Paints the magnifier for a pointer in dialog coordinates, its picture
    // taken from the canvas being painted.
    virtual void drawMagnifier(QPainter *painter, const QPixmap &canvas, const QPoint &pointer);

    QRect screenRect() const { return m_screenRect; }
    const QVector<QRect> &windowRects() const { return m_windowRects; }
    const QImage &desktopImage() const { return m_desktopImage; }
    const QImage &dimmedImage() const { return m_dimmedImage; }

    // The rectangles of visible windows and their descendants, topmost
    // first, without duplicates or windows that start off the desktop.
    static QVector<QRect> collectWindowRects(const QVector<WindowListEntry> &windows);

    // Hides the program's windows that must not be in the snapshot and
    // returns once the screen no longer shows them (a compositing manager
    // shows a hidden window's last picture until it repaints), or after a
    // deadline. Callers use it before making the picker; null or hidden
    // windows are passed over.
    // It handles events meanwhile: only for a road a click of the user's
    // began; elsewhere the form below.
    static void hideForPicture(const QList<QWidget *> &windows);
    // The same without a loop of its own: hides them now and calls `then`
    // from the event loop once the screen no longer shows them (or after
    // the deadline). Deleting `context` drops the call.
    static void hideForPicture(const QList<QWidget *> &windows, QObject *context, std::function<void()> then);

protected:
    // overlay: a desktop overlay; else a managed full-screen window (one
    // that parents managed windows of its own, which must stay above it).
    AreaSelecting(QWidget *parent, bool overlay);
    void showEvent(QShowEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

    // Paints everything of the picker onto the canvas (dialog coordinates).
    void paintPicker(QPainter *painter, QPixmap *canvas);

    bool m_pressed = false;
    QImage m_dimmedImage;
    QImage m_desktopImage;
    QRect m_selection;
    QRect m_screenRect;
    QPoint m_pressPoint;
    QVector<QRect> m_windowRects;
    QPoint m_pointer; // last pointer position, desktop coordinates
};
