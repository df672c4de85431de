#include "vocabulary.h"

#include <QString>

const QStringList &skinNames()
{
    // Empty parts are kept: the list mirrors the text exactly.
    static const QStringList names = QString::fromLatin1(g_skinNameText).split(QLatin1Char(','));
    return names;
}

QList<PinToScreenWidget *> &pinnedScreenshots()
{
    static QList<PinToScreenWidget *> windows;
    return windows;
}

QHash<HotkeyId, QxtGlobalShortcut *> &hotkeyRegistry()
{
    static QHash<HotkeyId, QxtGlobalShortcut *> registry;
    return registry;
}
