#include "datagrouphotkeys.h"

#include "qxtglobalshortcut.h"

#include <QKeySequence>
#include <QSettings>

namespace {

const char *const kKeys[DataGroupHotkeys::COUNT] = {
    "HotkeyStop", "HotkeyPause", "HotkeyShot", "HotkeyWebcam", "HotkeyPanel"};

const char *const kDefaults[DataGroupHotkeys::COUNT] = {
    "Ctrl+Alt+S", "Ctrl+Alt+R", "Ctrl+Alt+C", "Ctrl+Alt+W", "Ctrl+Alt+H"};

QKeySequence parsed(const QString &text)
{
    return QKeySequence::fromString(text, QKeySequence::NativeText);
}

bool namesKey(const QKeySequence &sequence)
{
    const int key = sequence.isEmpty() ? 0 : sequence[0] & ~int(Qt::KeyboardModifierMask);
    return key != 0 && key != Qt::Key_unknown;
}

// Texts naming a key compare as key sequences, so another letter case or
// modifier order is the same hotkey. Every text naming no key parses to the
// same "unknown" sequence: those compare as texts.
bool sameHotkey(const QString &a, const QString &b)
{
    const QKeySequence x = parsed(a);
    const QKeySequence y = parsed(b);
    if (namesKey(x) && namesKey(y))
        return x == y;
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

} // namespace

DataGroupHotkeys::DataGroupHotkeys(QObject *parent)
    : QObject(parent)
{
    qRegisterMetaType<MRShortcut>("MRShortcut");
    resetDefaults();
}

QString &DataGroupHotkeys::text(int which)
{
    QString *texts[COUNT] = {&HotkeyStop, &HotkeyPause, &HotkeyShot, &HotkeyWebcam, &HotkeyPanel};
    return *texts[which];
}

const QString &DataGroupHotkeys::text(int which) const
{
    return const_cast<DataGroupHotkeys *>(this)->text(which);
}

void DataGroupHotkeys::resetDefaults()
{
    for (int i = 0; i < COUNT; ++i)
        text(i) = QLatin1String(kDefaults[i]);
}

void DataGroupHotkeys::load(QSettings *settings)
{
    settings->beginGroup(QStringLiteral("Hotkeys"));
    for (int i = 0; i < COUNT; ++i)
        text(i) = settings->value(QLatin1String(kKeys[i]), text(i)).toString();
    settings->endGroup();
    registerShortcuts();
}

void DataGroupHotkeys::save(QSettings *settings)
{
    settings->beginGroup(QStringLiteral("Hotkeys"));
    for (int i = 0; i < COUNT; ++i)
        settings->setValue(QLatin1String(kKeys[i]), text(i));
    settings->endGroup();
    registerShortcuts();
}

bool DataGroupHotkeys::equals(const DataGroupHotkeys *other) const
{
    for (int i = 0; i < COUNT; ++i) {
        if (!sameHotkey(text(i), other->text(i)))
            return false;
    }
    return true;
}

void DataGroupHotkeys::copyFrom(const DataGroupHotkeys *other)
{
    for (int i = 0; i < COUNT; ++i)
        text(i) = other->text(i);
}

void DataGroupHotkeys::registerShortcuts()
{
    for (QxtGlobalShortcut *&shortcut : shortcuts) {
        if (!shortcut) {
            shortcut = new QxtGlobalShortcut(this);
            connect(shortcut, &QxtGlobalShortcut::activated, this, &DataGroupHotkeys::shortcutHandled);
        }
    }
    for (QxtGlobalShortcut *shortcut : shortcuts)
        shortcut->unsetShortcut();
    for (int i = 0; i < COUNT; ++i) {
        // Typing in the settings dialog can leave a text that names no key
        // ("Ctrl+Alt+S0", ""): that hotkey is off. Of a sequence of several
        // chords only the first is a global hotkey.
        const QKeySequence sequence = parsed(text(i));
        registered[i] = namesKey(sequence) && shortcuts[i]->setShortcut(QKeySequence(sequence[0]));
    }
}

void DataGroupHotkeys::setHotkey(int which, const QString &value)
{
    if (!parsed(value).isEmpty()) {
        for (int i = 0; i < COUNT; ++i) {
            if (i != which && sameHotkey(text(i), value))
                return;
        }
    }
    text(which) = value;
    emit valueChanged();
}

void DataGroupHotkeys::setHotkeyStop(const QString &value) { setHotkey(MR_SHORTCUT_STOP, value); }
void DataGroupHotkeys::setHotkeyPause(const QString &value) { setHotkey(MR_SHORTCUT_PAUSE, value); }
void DataGroupHotkeys::setHotkeyShot(const QString &value) { setHotkey(MR_SHORTCUT_SCREENSHOT, value); }
void DataGroupHotkeys::setHotkeyWebcam(const QString &value) { setHotkey(MR_SHORTCUT_WEBCAM, value); }
void DataGroupHotkeys::setHotkeyPanel(const QString &value) { setHotkey(MR_SHORTCUT_PANEL, value); }

void DataGroupHotkeys::shortcutHandled()
{
    for (int i = 0; i < COUNT; ++i) {
        if (sender() && sender() == shortcuts[i]) {
            emit shortcutActivated(MRShortcut(i));
            return;
        }
    }
}
