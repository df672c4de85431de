#pragma once

#include <QObject>

#include "services/bugreport/bugreportinfo.h"
#include "services/update/updatequery.h"

class Mirelo;
class BugreportThread;
class MyBugReportView;
class MyUpdateView;
class QMyWeb;

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

    // ---- Updates and the statistics page --------------------------------
public:
    // "Check for update": the view on the busy page, then a new query.
    void showUpdateView();
    // From start-up: the stored result, quietly, no new query. Otherwise a
    // new query. Runs the view modally in its frame either way.
    void execUpdateView(bool fromStartup);
    // The view's "Try again": busy page and a new query, same modal run.
    void retryUpdateCheck();
    // Called once the main frame shows: opens the view when the start-up
    // query found a newer version that is not skipped (now, or when the
    // query ends).
    void checkUpdateOnStartup();
    void showUpdateResult(bool quiet);
    QString releaseNotes() const;
    // The reply's download page, else its online download address.
    QString updateDownloadAddress() const;
    MyUpdateView *updateView() const { return m_updateView; }
    // The last completed query's result.
    const UpdateQuery &lastUpdateQuery() const { return m_updateResult; }
    bool isUpdateQueryRunning() const { return m_updateRunning; }
    QMyWeb *statisticsPage() const { return m_statisticsPage; }
    // Whether the start-up check opens the view: only for a reply that
    // named a product with a newer version, and not for a skipped one.
    static bool updatePromptWanted(int state, const QString &newest, const QString &skipVersion,
                                   const QString &running);

signals:
    void SendUpdateMesage();
    void SendUpdateLabel(QString text);
    // A query's result was stored (state as UpdateQuery states it).
    void updateQueryFinished(int state);

public slots:
    void AcceptUpdateMessage();
    void AccepUpdateLabel(const QString &text);

private:
    // The statistics visit and the start-up query (called by init).
    void initUpdateRoad();
    void startUpdateQuery();
    void finishUpdateQuery(int runId, UpdateQuery *query);
    void runStartupCheck();

    MyUpdateView *m_updateView = nullptr;
    UpdateQuery m_updateResult;
    int m_updateRunId = 0;
    bool m_updateRunning = false;
    bool m_startupCheckAsked = false;
    bool m_startupCheckDone = false;
    QMyWeb *m_statisticsPage = nullptr;
};
