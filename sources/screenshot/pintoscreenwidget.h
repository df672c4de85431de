#pragma once
// A picture from the screenshot tool pinned above every window at the place
// it was taken: dragged with the left button, closed with the button shown
// while the pointer is over it. The program keeps a list of them so the main
// window can close them all.
//
// It is a window the window manager keeps above the others (a tool window,
// which every manager floats, tiling ones too, without decoration), of the
// picture's size.
#include <QList>
#include <QWidget>

class FramelessDrag;
class QLabel;
class QPushButton;

class PinToScreenWidget : public QWidget
{
    Q_OBJECT
public:
    PinToScreenWidget(QWidget *parent, const QPixmap &picture);
    ~PinToScreenWidget() override;

    QPushButton *closeButton() const { return m_closeButton; }
    QLabel *pictureLabel() const { return m_label; }
    FramelessDrag *drag() const { return m_drag; }

    // The windows that exist, in order of creation.
    static const QList<PinToScreenWidget *> &pinnedWidgets();
    // Closes every pinned window (each deletes itself).
    static void closeAll();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void enterEvent(QEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void moveEvent(QMoveEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void placed();
    void backToPlace();

    QPushButton *m_closeButton;
    QLabel *m_label;
    FramelessDrag *m_drag;
    // Where the caller put the window, held against the window manager
    // until the window first shows on the screen.
    QPoint m_place;
    bool m_placing = false;
    bool m_shown = false;
    int m_placeTries = 0;
};
