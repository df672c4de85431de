// The controller's bug-report road: the form, the checks, the archive and
// the sender thread's results.
#include "controller.h"

#include <QApplication>
#include <QDebug>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

#include "bugreportthread.h"
#include "commondialog.h"
#include "core/edition.h"
#include "core/fileutils.h"
#include "core/myconfig.h"
#include "mainwindow/mirelo.h"
#include "mainwindow/myframe.h"
#include "mybugreportview.h"
#include "skinmanager.h"

namespace {
int s_packTimeout = 30000;

QString archiverProgram(const QString &programFolder)
{
    const QString bundled = programFolder + QStringLiteral("7z.exe");
    if (QFileInfo(bundled).isExecutable())
        return bundled;
    return QStandardPaths::findExecutable(QStringLiteral("7z"));
}
} // namespace

void Controller::setPackTimeout(int ms)
{
    s_packTimeout = ms;
}

void Controller::showBugReportView()
{
    if (!m_bugReportView)
        m_bugReportView = new MyBugReportView(mainWidget(), Qt::FramelessWindowHint);
    runInFrame(m_bugReportView, CAbstractFrame::CloseButton);
}

MyBugReportView *Controller::bugReportView() const
{
    return m_bugReportView;
}

void Controller::sendBugReport(MyBugReportView *view)
{
    if (m_bugreportThread) {
        CommonDialog::showWarning(view, tr("Sending a bug report. Please try another later."));
        return;
    }
    view->setProgress(0);
    if (!isValidEmail(view->email())) {
        view->showEmailError();
        return;
    }
    view->clearEmailError();
    if (view->description().isEmpty()) {
        CommonDialog::showWarning(view, tr("Please describe the problem clearly before submitting."));
        return;
    }
    if (g_myConfig) {
        g_myConfig->setCustomName(view->name(), true);
        g_myConfig->setCustomEmail(view->email(), true);
    }

    QApplication::setOverrideCursor(Qt::WaitCursor);
    const QString archive = packLogs(QString());
    QApplication::restoreOverrideCursor();
    if (!QFile::exists(archive)) {
        CommonDialog::showWarning(view, tr("Unknown error, try again please."));
        return;
    }

    m_bugReportInfo = BugReportInfo();
    m_bugReportInfo.controller = this;
    m_bugReportInfo.view = view;
    m_bugReportInfo.archivePath = nativePath(archive);
    m_bugReportInfo.name = view->name();
    m_bugReportInfo.email = view->email();
    m_bugReportInfo.description = view->description();
    m_bugReportInfo.productName = g_mireloData ? g_mireloData->fullProductName() : QString();
    m_bugReportInfo.applicationFilePath = QCoreApplication::applicationFilePath();
    m_bugReportInfo.supportAddress = g_mireloData ? g_mireloData->email() : QString();

    m_bugreportThread = new BugreportThread(m_bugReportInfo, m_mailAccount);
    connect(m_bugreportThread, &BugreportThread::updateResultUI, this, &Controller::SltUpdateSendResultFun);
    connect(m_bugreportThread, &BugreportThread::progress, this, &Controller::SltReportProgress);
    view->setState(0);
    m_bugreportThread->start(QThread::InheritPriority);
}

QString Controller::packLogs(const QString &extraFile)
{
    if (!g_myConfig)
        return QString();
    const QString data = g_myConfig->dataPath();
    const QString product = g_mireloData ? g_mireloData->fullProductName() : QString();
    const QString version = g_mireloData ? g_mireloData->version() : QString();
    const QString archive = QStringLiteral("%1%2 V%3.dmp").arg(data, product, version);
    removeFileOrFolder(archive);

    const QString program = archiverProgram(g_myConfig->applicationDirPath());
    // An argument list: no shell sees the paths. "ucplog" carries the proxy
    // password and stays out.
    QStringList args{QStringLiteral("a"),         archive,
                     QStringLiteral("-r"),        data + QStringLiteral("*.log"),
                     data + QStringLiteral("*.xml"), data + QStringLiteral("Log"),
                     QStringLiteral("-xr!ucplog")};
    if (!extraFile.isEmpty() && QFile::exists(extraFile))
        args << extraFile;

    bool done = false;
    if (!program.isEmpty()) {
        QProcess process;
        process.setProcessChannelMode(QProcess::MergedChannels);
        process.start(program, args);
        // 7z: 0 done, 1 done with warnings, 2 and above failed.
        done = process.waitForStarted(s_packTimeout) && process.waitForFinished(s_packTimeout)
               && process.exitStatus() == QProcess::NormalExit && process.exitCode() < 2;
        if (process.state() != QProcess::NotRunning) {
            process.kill();
            process.waitForFinished(5000);
        }
    }
    // A half-written archive must never be mailed as a report.
    if (!done)
        removeFileOrFolder(archive);
    return archive;
}

void Controller::SltReportProgress(qint64 sent, qint64 total, void *view)
{
    if (total == 0)
        return;
    const qint64 percent = sent * 100 / total;
    if (m_bugReportView && view == m_bugReportView) {
        qDebug() << "-----------------------------value: " << percent;
        m_bugReportView->setProgress(int(percent));
    }
}

void Controller::SltUpdateSendResultFun(bool ok, const QString &archivePath, void *view)
{
    bool stopped = false;
    BugreportThread::Failure failure = BugreportThread::NoFailure;
    if (m_bugreportThread) {
        stopped = m_bugreportThread->stopRequested();
        // finished() has been emitted; let the thread end before it goes.
        m_bugreportThread->wait();
        failure = m_bugreportThread->failure();
        m_bugreportThread->deleteLater();
        m_bugreportThread = nullptr;
    }
    if (stopped)
        return;

    const QString text = bugReportResultText(ok);
    if (ok) {
        if (m_bugReportView && view == m_bugReportView) {
            m_bugReportView->setState(2);
            m_bugReportView->setResultText(text);
            removeFileOrFolder(archivePath);
        }
        return;
    }
    if (m_bugReportView && view == m_bugReportView)
        m_bugReportView->setErrorText(text);
    // Say what went wrong: a missing account or a refused certificate is
    // not mended by trying again.
    const QString reason = BugreportThread::failureText(failure);
    // The sending thread's end brings this: told without holding the program.
    if (QFile::exists(archivePath))
        CommonDialog::tell(mainWidget(), reason.isEmpty() ? tr("Send failed, please try again.") : reason);
}

QString Controller::bugReportResultText(bool ok)
{
    const QString group = ok ? QStringLiteral("Successful") : QStringLiteral("Failed");
    const QString colour = SkinManager::instance()->colorMap(group).value(QStringLiteral("BugReportColor"));
    return QLatin1String("<font color=") + colour + QLatin1String(">")
           + (ok ? tr("Bug Report sent successful!") : tr("Bug Report sent failed!")) + QLatin1String("</font>");
}
