#pragma once
// The desktop's camera and microphone privacy pages, reached through the
// "ms-settings:privacy-webcam" and "ms-settings:privacy-microphone"
// addresses the privacy notice opens.

#include <QObject>
#include <QStringList>
#include <QUrl>

namespace PrivacyPages {

enum Device { None = 0, Camera = 1, Microphone = 2 };

// The device an "ms-settings:" address names; None for any other address.
Device deviceForUrl(const QUrl &url);
// The known settings tools that have a page for the device, in the order
// they are tried: program and arguments.
QList<QStringList> candidateCommands(Device device);
// Whether a known tool with a page for the device is on PATH.
bool available(Device device);
// Starts the first known tool found on PATH on the device's page (argument
// lists, no shell); false when none has one or none started.
bool open(Device device);

} // namespace PrivacyPages

// Handles the "ms-settings" scheme for QDesktopServices.
class PrivacyUrlHandler : public QObject
{
    Q_OBJECT
public:
    explicit PrivacyUrlHandler(QObject *parent = nullptr);
    ~PrivacyUrlHandler() override;

    // Registers the handler for "ms-settings" (it stays the owner's).
    static void install(PrivacyUrlHandler *handler);

public slots:
    void openUrl(const QUrl &url);

signals:
    // No privacy page could be opened for a device the address named.
    void noPrivacyPage(int device);
};
