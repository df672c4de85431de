#pragma once
// Reading the settings store back with checks: a value a hand edit or
// another program left outside what the setting may hold takes the
// setting's built-in default instead of reaching its users.

#include <QRect>
#include <QString>

class QSettings;

// A stored whole number: key, built-in default and the values it may take.
struct RangedKey {
    const char *name;
    qint64 defaultValue;
    qint64 min;
    qint64 max;
};

// The stored number; `current` when the key is missing; the default when
// the number lies outside min..max. A text that is no number reads as 0.
qint64 readRanged(QSettings *settings, const RangedKey &key, qint64 current);
// True when the rectangle is not empty and lies within what an X11 screen
// can address (16-bit coordinates and sizes).
bool fitsX11(const QRect &rect);
// A stored rectangle; a null one when it is empty or reaches beyond what an
// X11 screen can address.
QRect readRect(QSettings *settings, const char *key, const QRect &current);
// A stored folder; `fallback` when it is empty, relative or the file-system
// root.
QString readFolder(QSettings *settings, const char *key, const QString &current, const QString &fallback);
