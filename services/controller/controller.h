#pragma once

#include <QObject>

class Mirelo;

// The one application-wide service object. Windows that do not know the main
// window reach it through here; it opens the service views and carries their
// requests on.
class Controller : public QObject
{
    Q_OBJECT
public:
    static Controller *instance();

    void setMainWindow(Mirelo *mainWindow);
    Mirelo *mainWindow() const;

    // Webcam and sound sources: requests of their windows, carried to the
    // main window. Each also emits its signal, once per request.
    void closeCamera();
    void rescanCameras();
    void clickSystemSoundButton();
    void clickMicrophoneButton();

signals:
    void closeCameraRequested();
    void systemSoundButtonClicked();
    void microphoneButtonClicked();

private:
    explicit Controller(QObject *parent = nullptr);

    Mirelo *m_mainWindow = nullptr;
};
