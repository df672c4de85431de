#pragma once
// Downloads one address into a folder: the body goes to "<name>.tmp" and is
// renamed to the address's last path component once complete. Redirects
// are followed by hand, at most ten. Only http and https are fetched (a
// file: address would copy a local file); the folder is made only for an
// address that is fetched.

#include <QNetworkAccessManager>
#include <QNetworkProxy>
#include <QObject>
#include <QStringList>
#include <QUrl>

class QFile;
class QNetworkReply;
class QTimer;

class CDownloader : public QObject
{
    Q_OBJECT
public:
    explicit CDownloader(QObject *parent = nullptr);
    ~CDownloader() override;

    void setProxy(const QNetworkProxy &proxy) { m_network.setProxy(proxy); }
    // Starts the download; its end is told by signalFinished().
    void download(const QString &url, const QString &folder);
    // An address the downloader fetches: http or https, with a host.
    static bool isFetchable(const QUrl &url);
    void startRequest(const QUrl &url);

    bool hasError() const { return m_error; }
    QStringList finishedFiles() const { return m_finished; }
    bool isBusy() const { return m_reply != nullptr; }

    static constexpr int kMaxRedirects = 10;
    static const char kUserAgent[];

signals:
    void signalProgress(qlonglong received, qlonglong total);
    void signalErrorString();
    void signalFinished();

public slots:
    void slotHttpFinished();
    void slotReadyRead();
    void slotTimeOut();

private:
    bool openTempFile();
    void fail();

    QUrl m_url;
    QNetworkAccessManager m_network;
    QNetworkReply *m_reply = nullptr;
    QFile *m_file = nullptr;
    QString m_saveFolder;
    QString m_fileName;
    QString m_tempSuffix = QStringLiteral(".tmp");
    QStringList m_finished;
    bool m_error = false;
    int m_timeoutMs = 30000;
    QTimer *m_timer;
    int m_redirects = 0;
};
