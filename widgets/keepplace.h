#pragma once
// Keeps a window the program hides and shows again (the main window while
// a screenshot or a recording runs) where it was, and one the program
// places (the custom size panel beside the region) where it put it. A
// window manager places a window it maps as it sees fit: some put it where
// asked, some shift it by their own decoration (i3 by its border and
// title), some centre it. Once the window shows it is moved back to where
// it was hidden, unless the program itself moved it meanwhile, or to where
// the program put it. And whenever it shows, Qt is told where it lies,
// should the window manager have placed it without saying so (openbox, at
// times).
#include <QElapsedTimer>
#include <QObject>
#include <QPoint>
#include <QPointer>

class QWidget;
class QWindow;

class KeepPlace : public QObject
{
    Q_OBJECT
public:
    // Watches the top-level `widget` for the rest of its life.
    static void watch(QWidget *widget);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    explicit KeepPlace(QWidget *widget);
    void watchWindow();
    void putBack();
    void confirmPutBack();

    QWidget *m_widget;
    QPointer<QWindow> m_window;
    // Where the window's own pixels were on the desktop when it hid, and
    // where Qt had it then.
    QPoint m_place;
    QPoint m_shownAt;
    // Where the window goes once shown, and where it was then.
    QPoint m_target;
    QPoint m_from;
    bool m_hidden = false;
    // Shown: once the window manager has placed it, Qt is told where it
    // lies, and it goes to its target when it has one.
    bool m_pending = false;
    // It goes, or is on its way, to its target: set when shown, cleared
    // once the X server has it there or it moved elsewhere since.
    bool m_putBack = false;
    // Since it showed: a window manager may still place it anew meanwhile
    // (i3 on a loaded machine, after the window has shown), and it is put
    // back again, unless the user or the program takes it first.
    QElapsedTimer m_settling;
    int m_settleTries = 0;
};
