#pragma once
// The program's entry in the desktop's autostart folder
// ($XDG_CONFIG_HOME/autostart), which starts it when the user logs in.
#include <QString>

class Autostart
{
public:
    // The entry's file, "mirelo.desktop" in the autostart folder; empty
    // without a writable configuration folder.
    static QString entryPath();
    // On: writes the entry (atomically) to start `program` under `name`.
    // Off: removes it. False when the file could not be written or removed.
    static bool apply(bool on, const QString &name, const QString &program);
    // The program path as one argument of the entry's Exec line.
    static QString quoteArgument(const QString &argument);
};
