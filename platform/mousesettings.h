#pragma once
// Opens the desktop's own mouse settings: the first of the known desktop
// tools that starts. Programs are started directly with their argument
// lists, never through a shell.
#include <QList>
#include <QString>
#include <QStringList>

class MouseSettings
{
public:
    struct Tool {
        QString program;
        QStringList arguments;
    };

    // GNOME, KDE, Xfce and LXQt, in that order.
    static QList<Tool> knownTools();
    // Starts the first tool of the list that can be started; false when
    // none could (the caller tells the user).
    static bool open(const QList<Tool> &tools = knownTools());
};
