#include "filemanager.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QFileInfo>
#include <QProcess>
#include <QUrl>

namespace FileManager {

static const char SERVICE[] = "org.freedesktop.FileManager1";

static bool showItemOverDBus(const QString &path)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected() || !bus.interface())
        return false;
    // Only a file manager that is installed (running or activatable) counts.
    const QString service = QString::fromLatin1(SERVICE);
    bool known = bus.interface()->isServiceRegistered(service);
    if (!known)
        known = bus.interface()->activatableServiceNames().value().contains(service);
    if (!known)
        return false;
    QDBusMessage call = QDBusMessage::createMethodCall(
        service, QStringLiteral("/org/freedesktop/FileManager1"), service,
        QStringLiteral("ShowItems"));
    call << QStringList{QUrl::fromLocalFile(path).toString()} << QString();
    const QDBusMessage reply = bus.call(call, QDBus::Block, 5000);
    return reply.type() == QDBusMessage::ReplyMessage;
}

bool openFolder(const QString &absoluteFolderPath)
{
    return QProcess::startDetached(QStringLiteral("xdg-open"), {absoluteFolderPath});
}

bool showItem(const QString &absoluteFilePath)
{
    if (showItemOverDBus(absoluteFilePath))
        return true;
    return openFolder(QFileInfo(absoluteFilePath).absolutePath());
}

} // namespace FileManager
