#pragma once
// System-wide hotkeys behind one narrow interface.
//
// A hotkey is named by the classic native pair: a virtual-key code (the
// letters and digits are their own codes, F1 is 112, ...) and modifier bits
// Alt 1, Control 2, Shift 4, Meta 8. On X11 the backend turns the pair into
// passive key grabs on the root window; without an X server (offscreen, tests)
// a null backend refuses every grab.
#include <QByteArray>

class HotkeyBackend
{
public:
    enum Modifier { ModAlt = 1, ModControl = 2, ModShift = 4, ModMeta = 8 };

    virtual ~HotkeyBackend();

    // Takes the key for this program alone; false when another program holds
    // it, the key has no code, or there is no window system.
    virtual bool grab(int key, int mods) = 0;
    virtual bool ungrab(int key, int mods) = 0;
    // For a native event that is the press of a grabbed hotkey, gives its
    // pair and answers true.
    virtual bool hotkeyFromEvent(const QByteArray &eventType, void *message, int *key, int *mods) = 0;

    // The program's backend, made on first use: X11 on the xcb platform,
    // else the null backend.
    static HotkeyBackend *instance();
    // Replaces the program's backend (tests); the caller keeps ownership and
    // passes null to go back to the default.
    static void setInstance(HotkeyBackend *backend);
};

// Refuses every grab.
class NullHotkeyBackend : public HotkeyBackend
{
public:
    bool grab(int, int) override { return false; }
    bool ungrab(int, int) override { return false; }
    bool hotkeyFromEvent(const QByteArray &, void *, int *, int *) override { return false; }
};
