#pragma once
// The start-up patch check: fetches the update description, lists the
// program files that need replacing and writes the external updater's task
// file.

#include <QList>
#include <QNetworkProxy>
#include <QObject>

#include "cdownloader.h"
#include "cpatchparser.h"

struct PatchUpdateParam {
    QString updateUrl;
    QString groupName;
    QString productName;
    QString productVersion;
    QString appPath;
    // Where the check makes its private download folder (removed when done).
    QString downloadDir;
    QString dataPath;
    QNetworkProxy proxy;
};

class CPatchUpdate : public QObject
{
    Q_OBJECT
public:
    explicit CPatchUpdate(const PatchUpdateParam &param, QObject *parent = nullptr);

    // True only when files need replacing and the task file was written.
    bool check();
    bool showMessage() const { return m_showMessage; }
    QString taskFilePath() const { return m_taskFilePath; }
    QString logFilePath() const { return m_logFilePath; }
    QList<PatchFileInfo> updateList() const { return m_updateList; }
    CDownloader *downloader() { return &m_downloader; }

    // How long check() waits for the description (5 s); tests shorten it.
    static void setWaitMs(int ms);

private:
    void parseUpdateFile(const QString &path);
    bool writeTaskFile(const QString &path);

    CDownloader m_downloader;
    PatchUpdateParam m_param;
    QList<PatchFileInfo> m_updateList;
    QString m_taskFilePath;
    QString m_logFilePath;
    bool m_showMessage = false;
};
