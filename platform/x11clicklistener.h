#pragma once
// The X11 click listener: XInput2 raw button presses on the root window
// (they reach us whatever window is under the pointer, without grabbing
// it), the position from a pointer query.
#include "clicklistener.h"

struct xcb_connection_t;
class QSocketNotifier;

class X11ClickListener : public ClickListener
{
    Q_OBJECT
public:
    // Opens its own connection to the display named by DISPLAY.
    explicit X11ClickListener(QObject *parent = nullptr);
    ~X11ClickListener() override;
    bool isListening() const override { return m_notifier != nullptr; }

private:
    bool setUp();
    void readEvents();

    xcb_connection_t *m_connection = nullptr;
    unsigned m_root = 0;
    int m_opcode = -1;
    QSocketNotifier *m_notifier = nullptr;
};
