#pragma once
// Keeps a window the program hides and shows again (the main window while
// a screenshot or a recording runs) where it was. A window manager places a
// window it maps anew as it sees fit: some put it where it was, some shift
// it by their own decoration (i3 by its border and title), some centre it.
// Once the window shows again it is moved back to where it was hidden,
// unless the program itself moved it meanwhile.
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

    QWidget *m_widget;
    QPointer<QWindow> m_window;
    // Where the window's own pixels were on the desktop when it hid.
    QPoint m_place;
    bool m_hidden = false;
    // Shown again at its old place: it goes back there once the window
    // manager has placed it.
    bool m_pending = false;
};
