#include "autostart.h"

#include "keptfile.h"

#include <QFile>
#include <QStandardPaths>

QString Autostart::entryPath()
{
    const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    if (config.isEmpty())
        return QString();
    return config + QStringLiteral("/autostart/mirelo.desktop");
}

QString Autostart::quoteArgument(const QString &argument)
{
    // Desktop entries quote with double quotes and escape the characters
    // that keep a meaning inside them; the value itself then doubles every
    // backslash once more.
    QString quoted;
    for (const QChar c : argument) {
        if (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$') || c == QLatin1Char('\\'))
            quoted += QLatin1Char('\\');
        quoted += c;
    }
    quoted.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
    // A percent sign would be read as a field code.
    quoted.replace(QLatin1Char('%'), QStringLiteral("%%"));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

bool Autostart::apply(bool on, const QString &name, const QString &program)
{
    const QString path = entryPath();
    if (path.isEmpty())
        return false;
    if (!on)
        return !QFile::exists(path) || QFile::remove(path);
    QString singleLineName = name;
    singleLineName.replace(QLatin1Char('\n'), QLatin1Char(' '));
    const QString text = QStringLiteral("[Desktop Entry]\n"
                                        "Type=Application\n"
                                        "Name=%1\n"
                                        "Exec=%2\n"
                                        "Terminal=false\n"
                                        "X-GNOME-Autostart-enabled=true\n")
                             .arg(singleLineName, quoteArgument(program));
    return KeptFile::write(path, text.toUtf8());
}
