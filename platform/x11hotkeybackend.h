#pragma once
// Hotkeys as passive key grabs on the X root window. Each hotkey is grabbed
// four times, with and without CapsLock and NumLock, so it works whatever
// the lock keys say.
#include "hotkeybackend.h"

#include <QHash>
#include <QPair>

class X11HotkeyBackend : public HotkeyBackend
{
public:
    X11HotkeyBackend();

    bool grab(int key, int mods) override;
    bool ungrab(int key, int mods) override;
    bool hotkeyFromEvent(const QByteArray &eventType, void *message, int *key, int *mods) override;

    // The X keysym for a virtual-key code, 0 when there is none.
    static unsigned keysymFor(int key);

private:
    // (keycode, X modifier mask) of a pair; false when the key has no keycode.
    bool toX(int key, int mods, unsigned *keycode, unsigned *xmods) const;
    unsigned numLockMask() const;

    // Grabbed (keycode, X modifiers) -> (key, mods).
    QHash<QPair<unsigned, unsigned>, QPair<int, int>> m_grabbed;
};
