#pragma once
// Windows that lie over the desktop rather than being windows the user works
// with: the region frame and its tool bar, the area picker, full-screen
// previews, bars shown while recording.
//
// DesktopOverlay::make() keeps such a window away from the window manager
// (override-redirect on X11): it lies exactly on its desktop geometry, over
// panels and docks, no frame window around it takes the pointer, and it
// shows without taking the keyboard focus. Where it needs the keyboard the
// options say when: once clicked, or all the while it shows (a grab, for
// Escape on a full-screen picker); when it hides with the keyboard, the
// window that had the keyboard before gets it back. The window manager no
// longer stacks it: the program's stacking rule does (stackingrule.h).
#include <QFlags>
#include <QObject>
#include <QPointer>
#include <Qt>

class QTimer;
class QWidget;
class QWindow;

class DesktopOverlay : public QObject
{
    Q_OBJECT
public:
    enum Option {
        NoFocus = 0x0,
        // A click on the window makes it the active one (typing into it).
        FocusOnClick = 0x1,
        // The keyboard is grabbed for the window while it shows.
        GrabKeyboard = 0x2,
    };
    Q_DECLARE_FLAGS(Options, Option)

    // The window flags of an overlay (for a later setParent(), which sets
    // flags anew).
    static Qt::WindowFlags flags(Options options = NoFocus);
    // Makes the top-level `widget` an overlay; best before its native window
    // exists (else it is made anew at the next show).
    static void make(QWidget *widget, Options options = NoFocus);
    static bool isOverlay(const QWidget *widget);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    DesktopOverlay(QWidget *widget, Options options);
    void tryGrab();
    void watchWindow();
    // The window that has the keyboard now, unless it is this one.
    quint32 usersFocus() const;
    void takeFocus();
    void hiding();

    QWidget *m_widget;
    QPointer<QWindow> m_window;
    Options m_options;
    QPointer<QWidget> m_previous;
    quint32 m_usersFocus = 0;
    bool m_grabbed = false;
    QTimer *m_grabRetry = nullptr;
    int m_grabRetryMs = 0;
    qint64 m_grabSince = 0;
};

Q_DECLARE_OPERATORS_FOR_FLAGS(DesktopOverlay::Options)
