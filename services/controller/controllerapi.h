#pragma once

#include <QObject>
#include <QString>

class Mirelo;
class MyFrame;
class MyBugReportView;

// What the windows ask of the application controller. The controller
// itself builds and owns windows, so it lives above them (app/); the windows
// reach it through this interface only. Until the program installs its
// controller, calls go to a null one that does nothing and answers "no".
class ControllerApi : public QObject
{
    Q_OBJECT
public:
    // The installed controller, made on the first call; the null one when
    // none is installed.
    static ControllerApi *instance();
    // Installs what makes the controller on the first call to instance().
    static void setFactory(ControllerApi *(*factory)());

    // ---- The main window and its frame (they register themselves) --------
    virtual void setMainWindow(Mirelo *) {}
    virtual Mirelo *mainWindow() const { return nullptr; }
    virtual void setMainFrame(MyFrame *) {}
    virtual void setMainFunMode(int) {}
    // Called once the main frame shows.
    virtual void checkUpdateOnStartup() {}

    // ---- Region frame and custom size panel ------------------------------
    virtual void setCustomAreaRequested(bool) {}
    virtual bool customAreaRequested() const { return false; }
    virtual void showCustomSelectArea() {}

    // ---- Requests of the source windows, carried to the main window -------
    virtual void refreshWatermarkState() {}
    virtual void closeCamera() {}
    virtual void rescanCameras() {}
    virtual void clickSystemSoundButton() {}
    virtual void clickMicrophoneButton() {}
    // The task button follows whether any job is enabled; returns the state.
    virtual bool refreshTaskScheduleState() { return false; }

    // ---- Privacy notice's one-shot permissions (engine threads too) -------
    virtual bool canShowCameraPrivacy() const { return false; }
    virtual void setCanShowCameraPrivacy(bool) {}
    virtual bool canShowMicrophonePrivacy() const { return false; }
    virtual void setCanShowMicrophonePrivacy(bool) {}

    // ---- Service views -----------------------------------------------------
    virtual void showAboutView() {}
    virtual void showBugReportView() {}
    virtual void sendBugReport(MyBugReportView *) {}
    virtual void showUpdateView() {}
    virtual void execUpdateView(bool) {}
    virtual void retryUpdateCheck() {}
    virtual QString releaseNotes() const { return QString(); }
    virtual QString updateDownloadAddress() const { return QString(); }

    // ---- Interface language ------------------------------------------------
    virtual void switchLanguage(const QString &) {}
    virtual void setLanguage(const QString &) {}
    virtual void notifyLanguageChanged() {}

protected:
    explicit ControllerApi(QObject *parent = nullptr) : QObject(parent) {}
};
