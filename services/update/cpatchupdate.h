#pragma once
// The start-up patch check: fetches the update description, lists the
// program files that need replacing and writes the external updater's task
// file.

#include <QList>
#include <QNetworkProxy>
#include <QObject>
#include <QTemporaryDir>
#include <QTimer>

#include <functional>
#include <memory>

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

    // Starts the check and returns at once: `done` gets true only when
    // files need replacing and the task file was written. It is called
    // once, from the event loop once the description came (or its time
    // was up), or before this returns when there is nothing to fetch. The
    // start-up timer begins it: it has no loop of its own to wait in.
    void start(std::function<void(bool)> done);
    bool showMessage() const { return m_showMessage; }
    QString taskFilePath() const { return m_taskFilePath; }
    QString logFilePath() const { return m_logFilePath; }
    QList<PatchFileInfo> updateList() const { return m_updateList; }
    CDownloader *downloader() { return &m_downloader; }

    // How long the check waits for the description (5 s); tests shorten it.
    static void setWaitMs(int ms);

private:
    void finish();
    void parseUpdateFile(const QString &path);
    bool writeTaskFile(const QString &path);

    CDownloader m_downloader;
    // While a check waits: its private download folder, its time limit and
    // whom to tell.
    std::unique_ptr<QTemporaryDir> m_folder;
    QTimer m_timer;
    std::function<void(bool)> m_done;
    PatchUpdateParam m_param;
    QList<PatchFileInfo> m_updateList;
    QString m_taskFilePath;
    QString m_logFilePath;
    bool m_showMessage = false;
};
