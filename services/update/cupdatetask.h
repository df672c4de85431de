#pragma once
// The task file for the external updater: "update" with "WorkDir",
// "LogFile", "Proxy" and "Patch" (one "File" per file to replace).

#include <QDomDocument>
#include <QNetworkProxy>
#include <QString>

#include "cpatchparser.h"

class CUpdateTask
{
public:
    explicit CUpdateTask(const QString &path);

    void setWorkDir(const QString &appPath);
    void setLogFile(const QString &logPath);
    void setProxy(const QNetworkProxy &proxy);
    void addFile(const PatchFileInfo &file);
    // UTF-8, 4-space indent, no declaration, owner-only (it carries the
    // proxy password); false when the file cannot be written.
    bool finish();

    QDomDocument document() const { return m_document; }

private:
    QDomElement child(const QString &name);

    QString m_path;
    QDomDocument m_document;
    QDomElement m_root;
    QDomElement m_patch;
};
