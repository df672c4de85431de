#pragma once
// What the frameless list windows (history, schedule, task form) share
// beside the caption drag (FramelessDrag) and the rounded mask
// (CommonDialog::roundedShape): their own style sheet from the skin's
// "Icon.qss", and resizing by the window's edges.

#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QRect>
#include <QString>

class QWidget;

namespace chrome {

// The skin's image folder, ending with a separator.
QString skinImageFolder();
// "Icon.qss" of the skin with its size markers scaled and %1 turned into the
// image folder; a null text when the file cannot be read.
QString iconStyleSheet(const QString &path, const QString &imageFolder, double scale);
// The same for the current skin and scale.
QString iconStyleSheet();

// The edges a point of a window lies on, within `band` pixels of them
// (corners are two edges); none inside.
Qt::Edges resizeEdgesAt(const QPoint &local, const QSize &size, int band = 4);
// The cursor that shows over those edges.
Qt::CursorShape resizeCursor(Qt::Edges edges);
// The geometry after dragging `edges` of `start` by `delta`, never smaller
// than `minimum`.
QRect resizedGeometry(const QRect &start, Qt::Edges edges, const QPoint &delta, const QSize &minimum);

} // namespace chrome

namespace chrome {
// The caption band's style sheet for the widget of that object name: the
// skin's title colour, "#BAACF2" where the skin has none.
QString captionStyleSheet(const QString &objectName);
// The close button's pictures from the skin.
QString closeButtonStyleSheet();
} // namespace chrome

// Lets a frameless window be resized by its edges: the cursor follows the
// edge under the pointer and a left press there hands the resize to the
// window manager, or, where none answers, follows the pointer by hand.
class FramelessResize : public QObject
{
    Q_OBJECT
public:
    // The window owns the helper; its children's mouse events are watched
    // through `handles` (those that cover the edges).
    explicit FramelessResize(QWidget *window, int band = 4);
    void addHandle(QWidget *handle);
    void setSystemResizeAllowed(bool allowed) { m_systemResizeAllowed = allowed; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QPointer<QWidget> m_window;
    int m_band;
    bool m_systemResizeAllowed = true;
    Qt::Edges m_edges;
    QRect m_startGeometry;
    QPoint m_startPos;
    bool m_resizing = false;
    bool m_cursorSet = false;
};
