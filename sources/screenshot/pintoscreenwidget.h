#pragma once
// A picture from the screenshot tool pinned above every window at the place
// it was taken: dragged with the left button, closed with the button shown
// while the pointer is over it. The program keeps a list of them so the main
// window can close them all.
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
    void enterEvent(QEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    QPushButton *m_closeButton;
    QLabel *m_label;
    FramelessDrag *m_drag;
};
