#pragma once

#include <QObject>

#include "services/bugreport/bugreportinfo.h"

class Mirelo;
class BugreportThread;
class MyBugReportView;

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
    // Watermark: the main window's button follows the stored kind (on when
    // it is not "none"); the watermark page asks for it when it hides.
    void refreshWatermarkState();
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
    void watermarkStateChanged(bool on);
    void closeCameraRequested();
    void systemSoundButtonClicked();
    void microphoneButtonClicked();

private:
    explicit Controller(QObject *parent = nullptr);

    Mirelo *m_mainWindow = nullptr;

    // Region frame and custom size panel.
    bool m_customAreaRequested = false;
    // ---- Bug report -------------------------------------------------------
public:
    // The bug-report form, modal in a service frame above the main window
    // (the outer frame's menu and the privacy notice's "contact us").
    void showBugReportView();
    // Checks the form, packs the logs and starts the sender thread.
    void sendBugReport(MyBugReportView *view);
    // Packs the data folder's logs and settings into "<product> V<version>.dmp"
    // there; an archive the archiver did not finish is removed.
    QString packLogs(const QString &extraFile);

    MyBugReportView *bugReportView() const { return m_bugReportView; }
    BugreportThread *bugReportThread() const { return m_bugreportThread; }
    const MailAccount &mailAccount() const { return m_mailAccount; }
    void setMailAccount(const MailAccount &account) { m_mailAccount = account; }
    // How long the archiver may take to start, and then to finish.
    static void setPackTimeout(int ms);
    // "Bug Report sent successful!" or "... failed!" in the skin's colour.
    static QString bugReportResultText(bool ok);

public slots:
    void SltUpdateSendResultFun(bool ok, const QString &archivePath, void *view);
    void SltReportProgress(qint64 sent, qint64 total, void *view);

private:
    void init();
    QWidget *mainWidget() const;

    BugreportThread *m_bugreportThread = nullptr;
    BugReportInfo m_bugReportInfo;
    MailAccount m_mailAccount;
    MyBugReportView *m_bugReportView = nullptr;
};
