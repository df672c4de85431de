#include "fakehotkeybackend.h"

#include <QAbstractEventDispatcher>

namespace {

const char kEventType[] = "mirelo_fake_hotkey";

struct FakePress {
    int key;
    int mods;
};

} // namespace

FakeHotkeyBackend::FakeHotkeyBackend()
{
    setInstance(this);
}

FakeHotkeyBackend::~FakeHotkeyBackend()
{
    if (instance() == this)
        setInstance(nullptr);
}

bool FakeHotkeyBackend::grab(int key, int mods)
{
    calls << QStringLiteral("grab %1 %2").arg(key).arg(mods);
    const auto pair = qMakePair(key, mods);
    if (key == 0 || m_heldElsewhere.contains(pair))
        return false;
    m_grabbed.insert(pair);
    return true;
}

bool FakeHotkeyBackend::ungrab(int key, int mods)
{
    calls << QStringLiteral("ungrab %1 %2").arg(key).arg(mods);
    return m_grabbed.remove(qMakePair(key, mods));
}

bool FakeHotkeyBackend::hotkeyFromEvent(const QByteArray &eventType, void *message, int *key, int *mods)
{
    if (eventType != kEventType || !message)
        return false;
    ++eventsSeen;
    const auto *press = static_cast<const FakePress *>(message);
    if (!m_grabbed.contains(qMakePair(press->key, press->mods)))
        return false;
    *key = press->key;
    *mods = press->mods;
    return true;
}

void FakeHotkeyBackend::holdByOtherProgram(int key, int mods, bool held)
{
    if (held)
        m_heldElsewhere.insert(qMakePair(key, mods));
    else
        m_heldElsewhere.remove(qMakePair(key, mods));
}

void FakeHotkeyBackend::press(int key, int mods)
{
    FakePress press{key, mods};
    long result = 0;
    if (QAbstractEventDispatcher *dispatcher = QAbstractEventDispatcher::instance())
        dispatcher->filterNativeEvent(QByteArray(kEventType), &press, &result);
}
