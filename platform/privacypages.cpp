#include "privacypages.h"

#include <QDesktopServices>
#include <QProcess>
#include <QStandardPaths>

namespace PrivacyPages {

Device deviceForUrl(const QUrl &url)
{
    if (url.scheme().compare(QLatin1String("ms-settings"), Qt::CaseInsensitive) != 0)
        return None;
    const QString page = url.path().toLower();
    if (page == QLatin1String("privacy-webcam"))
        return Camera;
    if (page == QLatin1String("privacy-microphone"))
        return Microphone;
    return None;
}

QList<QStringList> candidateCommands(Device device)
{
    if (device == None)
        return {};
    // GNOME's settings and its Budgie fork have one panel per device.
    const QString panel = device == Camera ? QStringLiteral("camera") : QStringLiteral("microphone");
    return {{QStringLiteral("gnome-control-center"), panel}, {QStringLiteral("budgie-control-center"), panel}};
}

bool available(Device device)
{
    for (const QStringList &command : candidateCommands(device)) {
        if (!QStandardPaths::findExecutable(command.first()).isEmpty())
            return true;
    }
    return false;
}

bool open(Device device)
{
    for (const QStringList &command : candidateCommands(device)) {
        const QString program = QStandardPaths::findExecutable(command.first());
        if (program.isEmpty())
            continue;
        if (QProcess::startDetached(program, command.mid(1)))
            return true;
    }
    return false;
}

} // namespace PrivacyPages

PrivacyUrlHandler::PrivacyUrlHandler(QObject *parent) : QObject(parent) {}

PrivacyUrlHandler::~PrivacyUrlHandler() = default;

void PrivacyUrlHandler::install(PrivacyUrlHandler *handler)
{
    QDesktopServices::setUrlHandler(QStringLiteral("ms-settings"), handler, "openUrl");
}

void PrivacyUrlHandler::openUrl(const QUrl &url)
{
    const PrivacyPages::Device device = PrivacyPages::deviceForUrl(url);
    if (device == PrivacyPages::None)
        return;
    if (!PrivacyPages::open(device))
        emit noPrivacyPage(device);
}
