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

void openFile(const QString &absoluteFilePath, QObject *context, std::function<void(bool opened)> done)
{
    // Not owned by the context: a window closed while the player runs (a
    // bare X session's xdg-open waits for it) must not kill it.
    auto *process = new QProcess;
    process->setProgram(QStringLiteral("xdg-open"));
    process->setArguments({absoluteFilePath});
    // Nobody reads the player's output; a full pipe would stall it.
    process->setStandardInputFile(QProcess::nullDevice());
    process->setStandardOutputFile(QProcess::nullDevice());
    process->setStandardErrorFile(QProcess::nullDevice());
    QObject::connect(process, QOverload<int, QProcess::ExitStatus>::of(&QProcess::finished), context,
                     [done](int code, QProcess::ExitStatus status) { done(status == QProcess::NormalExit && code == 0); });
    QObject::connect(process, &QProcess::errorOccurred, context, [done](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            done(false);
    });
    QObject::connect(process, QOverload<int, QProcess::ExitStatus>::of(&QProcess::finished), process,
                     &QObject::deleteLater);
    QObject::connect(process, &QProcess::errorOccurred, process, [process](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            process->deleteLater();
    });
    process->start();
}

bool showItem(const QString &absoluteFilePath)
{
    if (showItemOverDBus(absoluteFilePath))
        return true;
    return openFolder(QFileInfo(absoluteFilePath).absolutePath());
}

} // namespace FileManager
