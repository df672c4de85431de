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

    // Region frame and custom size panel.
    // One-shot flag: the region frame asked for the custom size panel.
    void setCustomAreaRequested(bool requested) { m_customAreaRequested = requested; }
    bool customAreaRequested() const { return m_customAreaRequested; }
    // Opens the main window's custom size panel.
    void showCustomSelectArea();
    // Webcam and sound sources: requests of their windows, carried to the
    // main window. Each also emits its signal, once per request.
    void closeCamera();
    void rescanCameras();
    void clickSystemSoundButton();
    void clickMicrophoneButton();

    // Scheduled jobs: the main window's task button follows whether any
    // job is enabled (the task window calls this when it hides).
    void refreshTaskScheduleState();

signals:
    void closeCameraRequested();
    void systemSoundButtonClicked();
    void microphoneButtonClicked();

private:
    explicit Controller(QObject *parent = nullptr);

    Mirelo *m_mainWindow = nullptr;

    // Region frame and custom size panel.
    bool m_customAreaRequested = false;
};
