#include "cdownloader.h"

#include <QDir>
#include <QFile>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>

#include "core/fileutils.h"

const char CDownloader::kUserAgent[] =
    "Mozilla/5.0 (Windows NT 6.1; WOW64) AppleWebKit/534.34 (KHTML, like Gecko) KPX Safari/534.34";

namespace {
bool usableName(const QString &name)
{
    // "." and ".." would name a folder, never a file.
    return !name.isEmpty() && name != QLatin1String(".") && name != QLatin1String("..");
}
} // namespace

CDownloader::CDownloader(QObject *parent) : QObject(parent), m_timer(new QTimer(this))
{
    connect(m_timer, &QTimer::timeout, this, &CDownloader::slotTimeOut);
}

CDownloader::~CDownloader()
{
    delete m_file;
}

void CDownloader::fail()
{
    m_error = true;
    emit signalFinished();
}

bool CDownloader::openTempFile()
{
    const QString temp = m_saveFolder + m_fileName + m_tempSuffix;
    QFile::remove(temp);
    m_file = new QFile(temp);
    // Made new: whatever took the name after the removal is never opened.
    if (m_file->open(QIODevice::WriteOnly | QIODevice::NewOnly))
        return true;
    delete m_file;
    m_file = nullptr;
    return false;
}

bool CDownloader::isFetchable(const QUrl &url)
{
    const QString scheme = url.scheme().toLower();
    return url.isValid() && (scheme == QLatin1String("http") || scheme == QLatin1String("https"))
           && !url.host().isEmpty();
}

void CDownloader::download(const QString &url, const QString &folder)
{
    if (!url.isEmpty())
        m_url = QUrl(url, QUrl::TolerantMode);
    m_fileName = m_url.fileName(QUrl::FullyDecoded);
    // Checked before anything is made on the disk.
    if (!isFetchable(m_url) || !usableName(m_fileName)) {
        fail();
        return;
    }
    if (!folder.isEmpty()) {
        m_saveFolder = QDir::toNativeSeparators(folder);
        if (!m_saveFolder.endsWith(QDir::separator()))
            m_saveFolder += QDir::separator();
        if (!makeDirIfMissing(folder)) {
            fail();
            return;
        }
    }
    if (!openTempFile()) {
        fail();
        return;
    }
    m_redirects = 0;
    startRequest(m_url);
}

void CDownloader::startRequest(const QUrl &url)
{
    QNetworkRequest request(url);
    request.setRawHeader("User-Agent", QByteArray(kUserAgent));
    m_timer->start(m_timeoutMs);
    m_reply = m_network.get(request);
    connect(m_reply, &QNetworkReply::finished, this, &CDownloader::slotHttpFinished);
    connect(m_reply, &QNetworkReply::readyRead, this, &CDownloader::slotReadyRead);
    connect(m_reply, &QNetworkReply::downloadProgress, this, &CDownloader::signalProgress);
}

void CDownloader::slotReadyRead()
{
    if (m_file && m_reply)
        m_file->write(m_reply->readAll());
    m_timer->start(m_timeoutMs);
}

void CDownloader::slotTimeOut()
{
    m_timer->stop();
    if (m_reply)
        m_reply->abort();
}

void CDownloader::slotHttpFinished()
{
    QNetworkReply *reply = m_reply;
    if (!reply)
        return;
    if (m_file) {
        m_file->flush();
        m_file->close();
    }
    m_timer->stop();
    const QVariant target = reply->attribute(QNetworkRequest::RedirectionTargetAttribute);
    const QString temp = m_saveFolder + m_fileName + m_tempSuffix;

    bool failed = reply->error() != QNetworkReply::NoError;
    if (!failed && target.isValid()) {
        const QUrl next = m_url.resolved(target.toUrl());
        const QString nextName = next.fileName(QUrl::FullyDecoded);
        // A loop or an endless chain ends as a failed download, and so does
        // a redirect away from http and https.
        if (++m_redirects <= kMaxRedirects && usableName(nextName) && isFetchable(next)) {
            delete m_file;
            m_file = nullptr;
            QFile::remove(temp);
            m_url = next;
            m_fileName = nextName;
            QTimer::singleShot(10000, reply, &QObject::deleteLater);
            m_reply = nullptr;
            if (openTempFile()) {
                startRequest(m_url);
                return;
            }
            m_error = true;
            emit signalFinished();
            return;
        }
        failed = true;
    }
    if (failed) {
        m_error = true;
        QFile::remove(temp);
    } else {
        m_error = false;
        const QString target = m_saveFolder + m_fileName;
        QFile::remove(target);
        if (QFile::rename(temp, target))
            m_finished.append(target);
        else
            m_error = true;
    }
    m_reply = nullptr;
    emit signalFinished();
    QTimer::singleShot(10000, reply, &QObject::deleteLater);
    delete m_file;
    m_file = nullptr;
}
