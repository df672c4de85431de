#include "mousesettings.h"

#include <QProcess>
#include <QStandardPaths>

QList<MouseSettings::Tool> MouseSettings::knownTools()
{
    return {
        {QStringLiteral("gnome-control-center"), {QStringLiteral("mouse")}},
        {QStringLiteral("kcmshell5"), {QStringLiteral("kcm_mouse")}},
        {QStringLiteral("xfce4-mouse-settings"), {}},
        {QStringLiteral("lxqt-config-input"), {}},
    };
}

bool MouseSettings::open(const QList<Tool> &tools)
{
    for (const Tool &tool : tools) {
        // Looked up first, so a missing tool costs no process start.
        const QString path = QStandardPaths::findExecutable(tool.program);
        if (!path.isEmpty() && QProcess::startDetached(path, tool.arguments))
            return true;
    }
    return false;
}
