#pragma once
// Asks the update service whether a newer version of the product exists.
// One object per query: run() blocks the calling thread (a worker thread in
// the program) until the reply is read or the time is up.

#include <QByteArray>
#include <QList>
#include <QString>
#include <string>

// The fields of the last good reply, as the reply's bytes.
struct UpdateInfo {
    QByteArray displayName;
    QByteArray newestVersion;
    QByteArray releaseNotes;
    QByteArray downloadPage;
    QByteArray onlineDownload;
};

class UpdateQuery
{
public:
    // The states of a query besides the positive transport codes.
    enum State {
        NotRun = 0,
        NoProduct = -11,
        NewerVersion = -12,
        LatestVersion = -13,
        XmlError = -14,
        TimedOut = 28,
    };

    UpdateQuery();

    // "UpdateService" in the group "Services" of the settings store (the
    // user's file, else a system-wide one); the program never writes it.
    static QString configuredService();
    void setServiceAddress(const QString &address) { m_service = address; }
    QString serviceAddress() const { return m_service; }

    // The whole query's time limit; tests shorten it.
    static void setDefaultTimeout(int ms);
    static int defaultTimeout();
    void setTimeout(int ms) { m_timeoutMs = ms; }

    // The service address, its fixed path and "action=getinfo", then the
    // three values as percent-encoded UTF-8.
    QByteArray queryAddress(const QByteArray &product, const QByteArray &versioncur,
                            const QByteArray &lang) const;

    // GET of the query address on the calling thread; returns the state.
    // When the calling thread is asked to stop (QThread::requestInterruption)
    // the request is aborted within moments and the state is
    // QNetworkReply::OperationCanceledError.
    int run(const QByteArray &product, const QByteArray &versioncur, const QByteArray &lang);
    // Reads a reply body into the state and the fields.
    void HandleUpdateData(const QByteArray &reply);

    int state() const { return m_state; }
    const UpdateInfo &info() const { return m_info; }
    QByteArray newestVersion() const { return m_info.newestVersion; }
    QByteArray releaseNotes() const { return m_info.releaseNotes; }
    QByteArray downloadPage() const { return m_info.downloadPage; }
    QByteArray onlineDownload() const { return m_info.onlineDownload; }

    // The failed page's text for a state (translated), empty for -12/-13.
    static QString stateMessage(int state);

private:
    void reset();

    QString m_service;
    int m_timeoutMs;
    QByteArray m_versioncur;
    int m_state = NotRun;
    UpdateInfo m_info;
};

// -1, 0 or 1; the fields are read as atoi reads them.
int compareDottedVersion(const QByteArray &a, const QByteArray &b);
// The parts between the separators; a trailing empty part is never one.
QList<QByteArray> splitString(const QByteArray &text, char separator, bool skipEmpty);
// Every occurrence of from replaced by to, left to right, never rescanning
// inserted text.
QByteArray replaceAll(const QByteArray &text, const QByteArray &from, const QByteArray &to);

// Code-page conversions; the system code page is the locale's (UTF-8).
std::wstring utf8ToWide(const QByteArray &text);
QByteArray wideToUtf8(const std::wstring &text);
std::wstring ansiToWide(const QByteArray &text);
QByteArray wideToAnsi(const std::wstring &text);
QByteArray utf8ToAnsi(const QByteArray &text);
QByteArray ansiToUtf8(const QByteArray &text);
