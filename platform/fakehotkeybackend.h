#pragma once
// A hotkey backend for tests: grabs are bookkeeping, other programs are
// simulated, and a press is delivered through the application's native
// event filters as the window system would deliver it.
#include "hotkeybackend.h"

#include <QPair>
#include <QSet>
#include <QStringList>

class FakeHotkeyBackend : public HotkeyBackend
{
public:
    // Installs itself as the program's backend; the destructor removes it.
    FakeHotkeyBackend();
    ~FakeHotkeyBackend() override;

    bool grab(int key, int mods) override;
    bool ungrab(int key, int mods) override;
    bool hotkeyFromEvent(const QByteArray &eventType, void *message, int *key, int *mods) override;

    // Another program takes or frees the key.
    void holdByOtherProgram(int key, int mods, bool held = true);
    bool isGrabbed(int key, int mods) const { return m_grabbed.contains(qMakePair(key, mods)); }
    // "grab K M" and "ungrab K M" for every call, in order.
    QStringList calls;
    // Native events the program's filters handed over.
    int eventsSeen = 0;

    // The user presses the key (whether or not anyone grabbed it).
    static void press(int key, int mods);

private:
    QSet<QPair<int, int>> m_grabbed;
    QSet<QPair<int, int>> m_heldElsewhere;
};
