#pragma once
// The X11 pointer layer: an override-redirect input-only window of its own
// connection (so no window manager frames or moves it, and it never draws),
// its input shape cut to the area, its pointer events read on the GUI
// thread. It watches the root's children and goes back just above the window
// it serves whenever anything is restacked.
#include "pointerlayer.h"

#include <QMap>

struct xcb_connection_t;
class QSocketNotifier;

class X11PointerLayer : public PointerLayer
{
    Q_OBJECT
public:
    // Opens its own connection to the display named by DISPLAY.
    explicit X11PointerLayer(QObject *parent = nullptr);
    ~X11PointerLayer() override;
    bool isConnected() const { return m_notifier != nullptr; }

    void show(QWindow *above, const QRegion &area) override;
    void hide() override;
    void setCursorShape(Qt::CursorShape shape) override;
    // The layer's X window id, 0 before the first show.
    unsigned windowId() const { return m_window; }

private:
    bool setUp();
    void createWindow();
    unsigned topLevelOf(unsigned window) const;
    void restack();
    unsigned cursorFor(Qt::CursorShape shape);
    void readEvents();

    xcb_connection_t *m_connection = nullptr;
    unsigned m_root = 0;
    unsigned m_window = 0;
    unsigned m_font = 0;
    unsigned m_sibling = 0; // the top-level window kept just below
    unsigned m_served = 0;  // the window served
    QMap<int, unsigned> m_cursors;
    QSocketNotifier *m_notifier = nullptr;
};
