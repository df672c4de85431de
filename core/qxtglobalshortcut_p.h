#pragma once
// The private part of QxtGlobalShortcut and its native numbers.
#include <Qt>

class QxtGlobalShortcut;

class QxtGlobalShortcutPrivate
{
public:
    explicit QxtGlobalShortcutPrivate(QxtGlobalShortcut *owner);

    // Releases the registered hotkey; key and modifiers are cleared whatever
    // the result.
    bool unsetShortcut();

    QxtGlobalShortcut *owner;
    bool enabled = true;
    Qt::Key key = Qt::Key(0);
    Qt::KeyboardModifiers mods = Qt::NoModifier;

    // The classic native hotkey numbers: virtual-key code (0 for a key that
    // has none), modifier bits Alt 1, Control 2, Shift 4, Meta 8, and the
    // hotkey identifier they make.
    static quint32 nativeKeycode(Qt::Key key);
    static quint32 nativeModifiers(Qt::KeyboardModifiers modifiers);
    static int hotkeyId(quint32 nativeKey, quint32 nativeMods) { return int(nativeMods ^ nativeKey); }

    // Called by the program-wide filter for a pressed hotkey.
    static void activate(quint32 nativeKey, quint32 nativeMods);
};
