#include "qxtglobalshortcut.h"

#include "qxtglobalshortcut_p.h"
#include "vocabulary.h"

#include "hotkeybackend.h"

#include <QAbstractEventDispatcher>
#include <QAbstractNativeEventFilter>

namespace {

constexpr Qt::KeyboardModifiers kHotkeyModifiers =
    Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;

// One filter for the whole program, installed while any shortcut object
// lives, so it keeps working whichever object is destroyed first.
class HotkeyEventFilter : public QAbstractNativeEventFilter
{
public:
    bool nativeEventFilter(const QByteArray &eventType, void *message, long *) override
    {
        int key = 0, mods = 0;
        if (HotkeyBackend::instance()->hotkeyFromEvent(eventType, message, &key, &mods))
            QxtGlobalShortcutPrivate::activate(quint32(key), quint32(mods));
        return false; // never consumes a message
    }
};

int g_liveObjects = 0;
HotkeyEventFilter *g_filter = nullptr;
QAbstractEventDispatcher *g_filterDispatcher = nullptr;

void objectCreated()
{
    if (g_liveObjects++ == 0) {
        g_filter = new HotkeyEventFilter;
        g_filterDispatcher = QAbstractEventDispatcher::instance();
        if (g_filterDispatcher)
            g_filterDispatcher->installNativeEventFilter(g_filter);
    }
}

void objectDestroyed()
{
    if (--g_liveObjects == 0) {
        if (g_filterDispatcher && g_filterDispatcher == QAbstractEventDispatcher::instance())
            g_filterDispatcher->removeNativeEventFilter(g_filter);
        delete g_filter;
        g_filter = nullptr;
        g_filterDispatcher = nullptr;
    }
}

QString portableText(Qt::Key key, Qt::KeyboardModifiers mods)
{
    return QKeySequence(int(key) | int(mods)).toString(QKeySequence::PortableText);
}

} // namespace

// ---- private part ----

QxtGlobalShortcutPrivate::QxtGlobalShortcutPrivate(QxtGlobalShortcut *o)
    : owner(o)
{
}

quint32 QxtGlobalShortcutPrivate::nativeModifiers(Qt::KeyboardModifiers modifiers)
{
    quint32 native = 0;
    if (modifiers & Qt::ShiftModifier)
        native |= HotkeyBackend::ModShift;
    if (modifiers & Qt::ControlModifier)
        native |= HotkeyBackend::ModControl;
    if (modifiers & Qt::AltModifier)
        native |= HotkeyBackend::ModAlt;
    if (modifiers & Qt::MetaModifier)
        native |= HotkeyBackend::ModMeta;
    return native;
}

quint32 QxtGlobalShortcutPrivate::nativeKeycode(Qt::Key key)
{
    if ((key >= Qt::Key_0 && key <= Qt::Key_9) || (key >= Qt::Key_A && key <= Qt::Key_Z))
        return quint32(key);
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24)
        return 112 + quint32(key - Qt::Key_F1);
    switch (key) {
    case Qt::Key_Escape: return 27;
    case Qt::Key_Tab:
    case Qt::Key_Backtab: return 9;
    case Qt::Key_Backspace: return 8;
    case Qt::Key_Return:
    case Qt::Key_Enter: return 13;
    case Qt::Key_Insert: return 45;
    case Qt::Key_Delete: return 46;
    case Qt::Key_Pause: return 19;
    case Qt::Key_Print: return 42;
    case Qt::Key_Clear: return 12;
    case Qt::Key_Home: return 36;
    case Qt::Key_End: return 35;
    case Qt::Key_Left: return 37;
    case Qt::Key_Up: return 38;
    case Qt::Key_Right: return 39;
    case Qt::Key_Down: return 40;
    case Qt::Key_PageUp: return 33;
    case Qt::Key_PageDown: return 34;
    case Qt::Key_VolumeDown: return 174;
    case Qt::Key_VolumeMute: return 173;
    case Qt::Key_VolumeUp: return 175;
    case Qt::Key_MediaPlay: return 179;
    case Qt::Key_MediaStop: return 178;
    case Qt::Key_MediaPrevious: return 177;
    case Qt::Key_MediaNext: return 176;
    case Qt::Key_Space: return 32;
    case Qt::Key_Asterisk: return 106;
    case Qt::Key_Plus: return 107;
    case Qt::Key_Comma: return 108;
    case Qt::Key_Minus: return 109;
    case Qt::Key_Slash: return 111;
    default: return 0;
    }
}

bool QxtGlobalShortcutPrivate::unsetShortcut()
{
    const quint32 nativeKey = nativeKeycode(key);
    const quint32 nativeMods = nativeModifiers(mods);
    const HotkeyId id(nativeKey, nativeMods);
    bool ok = false;
    if (hotkeyRegistry().value(id) == owner && HotkeyBackend::instance()->ungrab(int(nativeKey), int(nativeMods))) {
        hotkeyRegistry().remove(id);
        ok = true;
    } else {
        qWarning("QxtGlobalShortcut failed to unregister: %s", qPrintable(portableText(key, mods)));
    }
    key = Qt::Key(0);
    mods = Qt::NoModifier;
    return ok;
}

void QxtGlobalShortcutPrivate::activate(quint32 nativeKey, quint32 nativeMods)
{
    QxtGlobalShortcut *shortcut = hotkeyRegistry().value(HotkeyId(nativeKey, nativeMods));
    if (shortcut && shortcut->isEnabled())
        emit shortcut->activated();
}

// ---- public part ----

QxtGlobalShortcut::QxtGlobalShortcut(QObject *parent)
    : QObject(parent)
    , d(new QxtGlobalShortcutPrivate(this))
{
    objectCreated();
}

QxtGlobalShortcut::~QxtGlobalShortcut()
{
    if (d->key != 0)
        d->unsetShortcut();
    delete d;
    objectDestroyed();
}

QKeySequence QxtGlobalShortcut::shortcut() const
{
    return QKeySequence(int(d->key) | int(d->mods));
}

bool QxtGlobalShortcut::setShortcut(const QKeySequence &sequence)
{
    if (d->key != 0)
        d->unsetShortcut();
    const int first = sequence.isEmpty() ? 0 : sequence[0];
    d->key = Qt::Key(first & ~int(Qt::KeyboardModifierMask));
    d->mods = Qt::KeyboardModifiers(first) & kHotkeyModifiers;

    const quint32 nativeKey = QxtGlobalShortcutPrivate::nativeKeycode(d->key);
    const quint32 nativeMods = QxtGlobalShortcutPrivate::nativeModifiers(d->mods);
    const HotkeyId id(nativeKey, nativeMods);
    // The window system lets one program grab a key twice, so a key another
    // of our shortcuts holds is refused here, as the system would.
    QxtGlobalShortcut *holder = hotkeyRegistry().value(id);
    const bool ok = nativeKey != 0 && (!holder || holder == this)
        && HotkeyBackend::instance()->grab(int(nativeKey), int(nativeMods));
    if (ok)
        hotkeyRegistry().insert(id, this);
    else
        qWarning("QxtGlobalShortcut failed to register: %s", qPrintable(portableText(d->key, d->mods)));
    return ok;
}

bool QxtGlobalShortcut::unsetShortcut()
{
    return d->key == 0 || d->unsetShortcut();
}

bool QxtGlobalShortcut::isEnabled() const
{
    return d->enabled;
}

void QxtGlobalShortcut::setEnabled(bool enabled)
{
    d->enabled = enabled;
}

void QxtGlobalShortcut::setDisabled(bool disabled)
{
    d->enabled = !disabled;
}
