#pragma once

#include <QObject>
#include <QPointer>

#include <functional>
#include <QThread>
#include <QString>

#include <atomic>

#include "controllerapi.h"
#include "services/bugreport/bugreportinfo.h"
#include "services/update/updatequery.h"

class Mirelo;
class MainWindowCalls;
class BugreportThread;
class MyBugReportView;
class MyAboutView;
class MySystemPrivacyWidget;
class MyUpdateView;
class PrivacyUrlHandler;
class QMyWeb;

// The one application-wide service object. Windows that do not know the main
// window reach it through here (as ControllerApi); it opens the service views
// and carries their requests on.
class Controller : public ControllerApi
{
    Q_OBJECT
public:
    static Controller *instance();
    // Makes this the controller the windows reach (ControllerApi), made on
    // their first call.
    static void install();

    // The program's main window, while there is one.
    Mirelo *mainWindow() const;
    // What receives the controller's calls to the main window (the main
    // window itself; a stand-in in tests).
    void setMainReceiver(MainWindowCalls *receiver) { m_mainReceiver = receiver; }
    MainWindowCalls *mainReceiver() const;

    // Region frame and custom size panel.
    // One-shot flag: the region frame asked for the custom size panel.
    void setCustomAreaRequested(bool requested) override { m_customAreaRequested = requested; }
    bool customAreaRequested() const override { return m_customAreaRequested; }
    // Opens the main window's custom size panel.
    void showCustomSelectArea() override;
    // Watermark: the main window's button follows the stored kind (on when
    // it is not "none"); the watermark page asks for it when it hides.
    void refreshWatermarkState() override;
    // Webcam and sound sources: requests of their windows, carried to the
    // main window. Each also emits its signal, once per request.
    void closeCamera() override;
    void rescanCameras() override;
    void clickSystemSoundButton() override;
    void clickMicrophoneButton() override;

    // Scheduled jobs: the main window's task button follows whether any
    // job is enabled (the task window calls this when it hides). Returns
    // the state it sent.
    bool refreshTaskScheduleState() override;

    // ---- Privacy notice and its one-shot flags -----------------------------
    // Engine threads read these and clear the two permissions.
    bool canShowCameraPrivacy() const override { return m_canShowCameraPrivacy; }
    void setCanShowCameraPrivacy(bool can) override { m_canShowCameraPrivacy = can; }
    bool canShowMicrophonePrivacy() const override { return m_canShowMicrophonePrivacy; }
    void setCanShowMicrophonePrivacy(bool can) override { m_canShowMicrophonePrivacy = can; }
    bool isPrivacyWidgetShown() const override { return m_privacyWidgetShown; }
    // Runs the notice modally for kind 1 (webcam) or 2 (microphone); a
    // request while one is open returns at once.
    void showSystemPrivacyWidget(int kind) override;
    MySystemPrivacyWidget *privacyView() const;

    // ---- About view ------------------------------------------------------
    void showAboutView() override;
    MyAboutView *aboutView() const;

    // ---- Interface language ----------------------------------------------
    // Loads the translators and font of the code and retranslates the open
    // windows; the stored code changes in memory only.
    void switchLanguage(const QString &language) override;
    void setLanguage(const QString &language) override { m_language = language; }
    QString language() const { return m_language; }
    void retranslateViews();

signals:
    void watermarkStateChanged(bool on);
    void closeCameraRequested();
    void systemSoundButtonClicked();
    void microphoneButtonClicked();
    void taskScheduleStateRefreshed(bool on);

public slots:
    // Opens the microphone again once the user allowed it.
    void RetryOpenMicroPrivacy();
    // The notice's answer: 1 switches the webcam off, 2 the microphone.
    void SlotPrivacyCloseDevice(int kind);

private:
    explicit Controller(QObject *parent = nullptr);
    void connectSignals();
    // Runs a service view modally in a passing frame above the main window;
    // the view survives the frame. Only for a view the user's click opens.
    void runInFrame(QWidget *view, quint32 frameTypes);
    // Shows a service view in a passing frame without waiting for it (what
    // the engine, a timer or the network brings up); once the frame is
    // closed, however, the view goes back to its owner and `ended` runs.
    void showInFrame(QWidget *view, quint32 frameTypes, std::function<void()> ended = {});

    MainWindowCalls *m_mainReceiver = nullptr;
    QString m_language;
    // The service views are the main window's children: they go with it,
    // and the next one that asks makes them again.
    QPointer<MyAboutView> m_aboutView;
    QPointer<MySystemPrivacyWidget> m_privacyView;
    PrivacyUrlHandler *m_privacyUrlHandler = nullptr;

    // Region frame and custom size panel.
    bool m_customAreaRequested = false;
    std::atomic<bool> m_privacyWidgetShown{false};
    std::atomic<bool> m_canShowCameraPrivacy{true};
    std::atomic<bool> m_canShowMicrophonePrivacy{true};

    // ---- Bug report -------------------------------------------------------
public:
    // The bug-report form, modal in a service frame above the main window
    // (the outer frame's menu and the privacy notice's "contact us").
    void showBugReportView() override;
    // Checks the form, packs the logs and starts the sender thread.
    void sendBugReport(MyBugReportView *view) override;
    // Packs the data folder's logs and settings into "<product> V<version>.dmp"
    // there; an archive the archiver did not finish is removed.
    QString packLogs(const QString &extraFile);

    MyBugReportView *bugReportView() const;
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
    QPointer<MyBugReportView> m_bugReportView;

    // ---- Updates and the statistics page --------------------------------
public:
    // "Check for update": the view on the busy page, then a new query.
    void showUpdateView() override;
    // From start-up: the stored result, quietly, no new query. Otherwise a
    // new query. Runs the view modally in its frame either way.
    void execUpdateView(bool fromStartup) override;
    // The view's "Try again": busy page and a new query, same modal run.
    void retryUpdateCheck() override;
    // Called once the main frame shows: opens the view when the start-up
    // query found a newer version that is not skipped (now, or when the
    // query ends).
    void checkUpdateOnStartup() override;
    void showUpdateResult(bool quiet);
    QString releaseNotes() const override;
    // The reply's download page, else its online download address.
    QString updateDownloadAddress() const override;
    MyUpdateView *updateView() const;
    // The last completed query's result.
    const UpdateQuery &lastUpdateQuery() const { return m_updateResult; }
    bool isUpdateQueryRunning() const { return m_updateRunning; }
    QMyWeb *statisticsPage() const { return m_statisticsPage; }
    // Whether the start-up check opens the view: only for a reply that
    // named a product with a newer version, and not for a skipped one.
    static bool updatePromptWanted(int state, const QString &newest, const QString &skipVersion,
                                   const QString &running);
    // The exit road (the application's aboutToQuit): a running query is
    // asked to stop and its worker joined, waiting at most about two
    // seconds; its result is dropped and nothing is shown.
    void stopUpdateQuery();
    // Whether a query's worker thread is still running.
    bool isUpdateWorkerRunning() const;

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

    QPointer<MyUpdateView> m_updateView;
    UpdateQuery m_updateResult;
    int m_updateRunId = 0;
    bool m_updateRunning = false;
    bool m_startupCheckAsked = false;
    bool m_startupCheckDone = false;
    QMyWeb *m_statisticsPage = nullptr;
    QPointer<QThread> m_updateWorker;
};
