// The controller's update road: the update-state query on its worker
// thread, the update view's pages, the start-up check, and the statistics
// visit made at start.
#include "controller.h"

#include <QCoreApplication>
#include <QDebug>
#include <QThread>

#include "core/edition.h"
#include "core/enviroment.h"
#include "core/languages.h"
#include "core/myconfig.h"
#include "mainwindow/myframe.h"
#include "myupdateview.h"
#include "qmyweb.h"

namespace {
QString runningVersion()
{
    return g_mireloData ? g_mireloData->version() : QString();
}

bool autoCheckOn()
{
    return g_enviroment && g_enviroment->others()->AutoCheckUpdate;
}
} // namespace

void Controller::initUpdateRoad()
{
    connect(this, &Controller::SendUpdateMesage, this, &Controller::AcceptUpdateMessage);
    connect(this, &Controller::SendUpdateLabel, this, &Controller::AccepUpdateLabel);

    m_statisticsPage = nullptr;
    const QString link = g_mireloData ? g_mireloData->statisticsLink() : QString();
    if (!link.isEmpty()) {
        const bool first = g_myConfig && g_myConfig->isFirstRun();
        m_statisticsPage = new QMyWeb(link, first ? 1 : 0, this);
        m_statisticsPage->start();
    }
    // Leaving the program must not leave a query's worker running while the
    // application is taken down.
    if (QCoreApplication *app = QCoreApplication::instance())
        connect(app, &QCoreApplication::aboutToQuit, this, &Controller::stopUpdateQuery);
    // The start-up query asks only when automatic checking is on, and does
    // not hold the start back: checkUpdateOnStartup acts when it ends.
    if (autoCheckOn())
        startUpdateQuery();
}

void Controller::startUpdateQuery()
{
    // One query at a time: a request while one runs waits for its result.
    if (m_updateRunning)
        return;
    m_updateRunning = true;
    const int runId = ++m_updateRunId;
    const QByteArray product = g_mireloData ? g_mireloData->updateName().toUtf8() : QByteArray();
    const QByteArray version = runningVersion().toUtf8();
    QString language = g_myConfig ? g_myConfig->language() : QString();
    if (language.isEmpty() && g_mireloData)
        language = g_mireloData->language();
    auto *query = new UpdateQuery;
    QThread *worker = QThread::create([query, product, version, language] {
        query->run(product, version, language.toUtf8());
    });
    worker->setObjectName(QStringLiteral("UpdateQuery"));
    m_updateWorker = worker;
    connect(worker, &QThread::finished, this, [this, worker, query, runId] {
        finishUpdateQuery(runId, query);
        worker->deleteLater();
    });
    worker->start();
}

void Controller::stopUpdateQuery()
{
    // Bounded: a query stuck past this is left behind rather than holding
    // the exit back.
    const unsigned long kStopWaitMs = 2000;
    QThread *worker = m_updateWorker;
    if (!worker || worker->isFinished())
        return;
    // A newer run number makes finishUpdateQuery drop the result unseen.
    ++m_updateRunId;
    m_updateRunning = false;
    worker->requestInterruption();
    if (!worker->wait(kStopWaitMs))
        qWarning() << "Controller: the update query did not stop in time";
}

bool Controller::isUpdateWorkerRunning() const
{
    return m_updateWorker && m_updateWorker->isRunning();
}

void Controller::finishUpdateQuery(int runId, UpdateQuery *query)
{
    // An older run's result never overwrites a newer one.
    if (runId == m_updateRunId) {
        m_updateRunning = false;
        m_updateResult = *query;
    }
    delete query;
    if (runId != m_updateRunId)
        return;
    const int state = m_updateResult.state();
    emit updateQueryFinished(state);
    if (m_updateView) {
        if (state == UpdateQuery::NewerVersion || state == UpdateQuery::LatestVersion)
            emit SendUpdateMesage();
        else
            emit SendUpdateLabel(UpdateQuery::stateMessage(state));
    }
    if (m_startupCheckAsked && !m_startupCheckDone)
        runStartupCheck();
}

void Controller::showUpdateView()
{
    if (!m_updateView)
        m_updateView = new MyUpdateView(mainWidget(), Qt::FramelessWindowHint);
    m_updateView->startCheck();
}

MyUpdateView *Controller::updateView() const
{
    return m_updateView;
}

void Controller::execUpdateView(bool fromStartup)
{
    QWidget *owner = mainWidget();
    if (!m_updateView)
        m_updateView = new MyUpdateView(owner, Qt::FramelessWindowHint);
    // Shown already (a frame does not wait for it): it comes to the front
    // with what it is doing.
    if (m_updateView->isVisible() && m_updateView->window() != owner) {
        m_updateView->window()->raise();
        m_updateView->window()->activateWindow();
        if (!fromStartup) {
            m_updateView->setState(MyUpdateView::Checking);
            m_updateView->showCheckPage(0);
            startUpdateQuery();
        }
        return;
    }
    if (fromStartup) {
        showUpdateResult(true);
    } else {
        m_updateView->setState(MyUpdateView::Checking);
        m_updateView->showCheckPage(0);
        startUpdateQuery();
    }
    // The start-up check's timer brings it too: shown, not waited for.
    showInFrame(m_updateView, CAbstractFrame::CloseButton);
    // Asked for: it takes the keyboard (its Escape closes it) also where no
    // window manager activates a new window.
    if (!fromStartup)
        m_updateView->window()->activateWindow();
}

void Controller::retryUpdateCheck()
{
    if (!m_updateView)
        return;
    m_updateView->setState(MyUpdateView::Checking);
    m_updateView->showCheckPage(0);
    startUpdateQuery();
}

void Controller::AcceptUpdateMessage()
{
    showUpdateResult(false);
}

void Controller::AccepUpdateLabel(const QString &text)
{
    if (!m_updateView)
        return;
    m_updateView->setLabelText(text);
    m_updateView->setState(MyUpdateView::Failed);
}

void Controller::showUpdateResult(bool quiet)
{
    if (!m_updateView)
        return;
    const QString newest = QString::fromUtf8(m_updateResult.newestVersion());
    qDebug() << "UpdateView===============new=====" << newest;
    qDebug() << "    old ========" << runningVersion();
    if (compareVersion(newest, runningVersion()) >= 1) {
        m_updateView->setNewVersion(newest);
        m_updateView->setState(MyUpdateView::Available);
    } else if (!quiet) {
        m_updateView->setState(MyUpdateView::Latest);
    }
}

void Controller::checkUpdateOnStartup()
{
    if (m_startupCheckAsked)
        return;
    m_startupCheckAsked = true;
    if (!m_updateRunning)
        runStartupCheck();
}

void Controller::runStartupCheck()
{
    m_startupCheckDone = true;
    if (!autoCheckOn())
        return;
    // Not over a view the user opened meanwhile.
    if (m_updateView && m_updateView->isVisible())
        return;
    if (updatePromptWanted(m_updateResult.state(), QString::fromUtf8(m_updateResult.newestVersion()),
                           g_myConfig ? g_myConfig->skipVersion() : QString(), runningVersion()))
        execUpdateView(true);
}

bool Controller::updatePromptWanted(int state, const QString &newest, const QString &skipVersion,
                                    const QString &running)
{
    return state == UpdateQuery::NewerVersion && newest != skipVersion && compareVersion(newest, running) > 0;
}

QString Controller::releaseNotes() const
{
    return QString::fromUtf8(m_updateResult.releaseNotes());
}

QString Controller::updateDownloadAddress() const
{
    const QByteArray page = m_updateResult.downloadPage();
    return QString::fromUtf8(page.isEmpty() ? m_updateResult.onlineDownload() : page);
}
