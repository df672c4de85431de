#include "cpatchupdate.h"

#include <QDir>
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

void CPatchUpdate::start(std::function<void(bool)> done)
{
    m_showMessage = false;
    // Without a task file nothing could be handed on: do not even ask.
    // Nothing is made on the disk unless something is fetched; what is
    // fetched goes to a folder only this user can enter, gone afterwards.
    if (m_done || m_taskFilePath.isEmpty() || !CDownloader::isFetchable(QUrl(m_param.updateUrl, QUrl::TolerantMode))
        || m_param.downloadDir.isEmpty() || !QDir().mkpath(m_param.downloadDir)) {
        done(false);
        return;
    }
    m_folder = std::make_unique<QTemporaryDir>(m_param.downloadDir + QStringLiteral("/patch-XXXXXX"));
    if (!m_folder->isValid()) {
        m_folder.reset();
        done(false);
        return;
    }
    m_done = std::move(done);
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &CPatchUpdate::finish, Qt::UniqueConnection);
    connect(&m_downloader, &CDownloader::signalFinished, this, &CPatchUpdate::finish, Qt::UniqueConnection);
    m_timer.start(s_waitMs);
    m_downloader.download(m_param.updateUrl, m_folder->path());
    if (!m_downloader.isBusy() && (!m_downloader.finishedFiles().isEmpty() || m_downloader.hasError()))
        finish();
}

void CPatchUpdate::finish()
{
    if (!m_done)
        return;
    m_timer.stop();
    bool patch = false;
    if (!m_downloader.hasError() && !m_downloader.finishedFiles().isEmpty()) {
        parseUpdateFile(m_downloader.finishedFiles().first());
        patch = !m_updateList.isEmpty() && writeTaskFile(m_taskFilePath);
    }
    if (!patch)
        m_showMessage = false;
    m_folder.reset();
    auto done = std::move(m_done);
    m_done = nullptr;
    done(patch);
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
