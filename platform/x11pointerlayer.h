#pragma once
// The X11 pointer layer: an override-redirect input-only window of its own
// connection (so no window manager frames or moves it, and it never draws),
// its input shape cut to the rectangle less the holes, its pointer events
// read on the GUI thread.
#include "pointerlayer.h"

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

    void show(QWindow *above, const QRect &rect, const QRegion &holes) override;
    void hide() override;
    // The layer's X window id, 0 before the first show.
    unsigned windowId() const { return m_window; }

private:
    bool setUp();
    void createWindow();
    unsigned topLevelOf(unsigned window) const;
    void readEvents();

    xcb_connection_t *m_connection = nullptr;
    unsigned m_root = 0;
    unsigned m_window = 0;
    unsigned m_cursor = 0;
    QSocketNotifier *m_notifier = nullptr;
};
