#include "cpatchupdate.h"

#include <QDir>
#include <QEventLoop>
#include <QTemporaryDir>
#include <QTimer>

#include "core/fileutils.h"
#include "cupdatetask.h"

namespace {
int s_waitMs = 5000;
} // namespace

void CPatchUpdate::setWaitMs(int ms)
{
    s_waitMs = ms;
}

CPatchUpdate::CPatchUpdate(const PatchUpdateParam &param, QObject *parent) : QObject(parent), m_param(param)
{
    m_downloader.setProxy(param.proxy);
    const QString logFolder = param.dataPath + QStringLiteral("Log");
    if (param.dataPath.isEmpty() || !makeDirIfMissing(logFolder))
        return;
    m_logFilePath = QDir::toNativeSeparators(logFolder + QStringLiteral("/update.log"));
    m_taskFilePath = QDir::toNativeSeparators(logFolder + QStringLiteral("/ucplog"));
    if (QFile::exists(m_taskFilePath))
        removeFileOrFolder(m_taskFilePath);
}

bool CPatchUpdate::check()
{
    m_showMessage = false;
    // Without a task file nothing could be handed on: do not even ask.
    if (m_taskFilePath.isEmpty())
        return false;
    // Nothing is made on the disk unless something is fetched; what is
    // fetched goes to a folder only this user can enter, gone afterwards.
    if (!CDownloader::isFetchable(QUrl(m_param.updateUrl, QUrl::TolerantMode)))
        return false;
    if (m_param.downloadDir.isEmpty() || !QDir().mkpath(m_param.downloadDir))
        return false;
    const QTemporaryDir folder(m_param.downloadDir + QStringLiteral("/patch-XXXXXX"));
    if (!folder.isValid())
        return false;
    QTimer timer;
    timer.setSingleShot(true);
    QEventLoop loop;
    connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
    connect(&m_downloader, &CDownloader::signalFinished, &loop, &QEventLoop::quit);
    m_downloader.download(m_param.updateUrl, folder.path());
    timer.start(s_waitMs);
    if (m_downloader.isBusy() || (m_downloader.finishedFiles().isEmpty() && !m_downloader.hasError()))
        loop.exec();
    if (!m_downloader.hasError() && !m_downloader.finishedFiles().isEmpty()) {
        parseUpdateFile(m_downloader.finishedFiles().first());
        if (!m_updateList.isEmpty() && writeTaskFile(m_taskFilePath))
            return true;
    }
    m_showMessage = false;
    return false;
}

void CPatchUpdate::parseUpdateFile(const QString &path)
{
    CPatchParser parser(m_param.groupName, m_param.productName, m_param.productVersion, m_logFilePath,
                        m_param.appPath);
    parser.parse(path, &m_updateList);
    m_showMessage = parser.showMessage();
}

bool CPatchUpdate::writeTaskFile(const QString &path)
{
    CUpdateTask task(path);
    task.setWorkDir(m_param.appPath);
    task.setLogFile(m_logFilePath);
    task.setProxy(QNetworkProxy::applicationProxy());
    for (const PatchFileInfo &file : m_updateList)
        task.addFile(file);
    return task.finish();
}
