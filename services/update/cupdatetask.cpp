#include "cupdatetask.h"

#include "keptfile.h"

#include <QTextStream>

CUpdateTask::CUpdateTask(const QString &path) : m_path(path)
{
    m_root = m_document.createElement(QStringLiteral("update"));
    m_document.appendChild(m_root);
}

QDomElement CUpdateTask::child(const QString &name)
{
    QDomElement e = m_document.createElement(name);
    m_root.appendChild(e);
    return e;
}

void CUpdateTask::setWorkDir(const QString &appPath)
{
    child(QStringLiteral("WorkDir")).setAttribute(QStringLiteral("value"), appPath);
}

void CUpdateTask::setLogFile(const QString &logPath)
{
    child(QStringLiteral("LogFile")).setAttribute(QStringLiteral("value"), logPath);
}

void CUpdateTask::setProxy(const QNetworkProxy &proxy)
{
    QDomElement e = child(QStringLiteral("Proxy"));
    e.setAttribute(QStringLiteral("hostName"), proxy.hostName());
    e.setAttribute(QStringLiteral("port"), QString::number(proxy.port()));
    e.setAttribute(QStringLiteral("user"), proxy.user());
    e.setAttribute(QStringLiteral("password"), proxy.password());
    e.setAttribute(QStringLiteral("type"), QString::number(int(proxy.type())));
}

void CUpdateTask::addFile(const PatchFileInfo &file)
{
    if (m_patch.isNull())
        m_patch = child(QStringLiteral("Patch"));
    QDomElement e = m_document.createElement(QStringLiteral("File"));
    e.setAttribute(QStringLiteral("url"), file.url);
    e.setAttribute(QStringLiteral("path"), file.path);
    e.setAttribute(QStringLiteral("type"), file.type);
    e.setAttribute(QStringLiteral("value"), file.value);
    m_patch.appendChild(e);
}

bool CUpdateTask::finish()
{
    if (m_path.isEmpty())
        return false;
    if (m_patch.isNull())
        m_patch = child(QStringLiteral("Patch"));
    QByteArray bytes;
    {
        QTextStream stream(&bytes, QIODevice::WriteOnly);
        stream.setCodec("UTF-8");
        m_document.save(stream, 4);
    }
    // Private: it names what the updater replaces.
    KeptFile::WriteOptions options;
    options.permissions = 0600;
    return KeptFile::write(m_path, bytes, nullptr, options);
}
