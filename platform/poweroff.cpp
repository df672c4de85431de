#include "poweroff.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QProcess>
#include <QStringList>

namespace PowerOff {

bool request()
{
    // Set but empty still counts as the hook: nothing is switched off.
    if (qEnvironmentVariableIsSet("MIRELO_POWEROFF_COMMAND")) {
        const QByteArray hook = qgetenv("MIRELO_POWEROFF_COMMAND");
        QStringList args = QProcess::splitCommand(QString::fromLocal8Bit(hook));
        if (args.isEmpty())
            return false;
        const QString program = args.takeFirst();
        return QProcess::startDetached(program, args);
    }

    QDBusConnection bus = QDBusConnection::systemBus();
    if (bus.isConnected()) {
        QDBusMessage call = QDBusMessage::createMethodCall(
            QStringLiteral("org.freedesktop.login1"), QStringLiteral("/org/freedesktop/login1"),
            QStringLiteral("org.freedesktop.login1.Manager"), QStringLiteral("PowerOff"));
        call << false; // not interactive: no authentication prompt
        const QDBusMessage reply = bus.call(call, QDBus::Block, 10000);
        if (reply.type() == QDBusMessage::ReplyMessage)
            return true;
    }
    return QProcess::startDetached(QStringLiteral("systemctl"), {QStringLiteral("poweroff")});
}

} // namespace PowerOff
