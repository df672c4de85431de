#pragma once
// Tells the maker's statistics page about an event ("open", "first",
// "install", "uninstall") by loading the page's address with that item.
// The load is a plain GET whose body is thrown away; the object reports
// when the visit is over.

#include <QObject>
#include <QString>

class QNetworkAccessManager;
class QNetworkReply;
class QTimer;

class QMyWeb : public QObject
{
    Q_OBJECT
public:
    // event: 0 "open", 1 "first", 2 "install", 3 "uninstall".
    QMyWeb(const QString &address, int event, QObject *parent = nullptr);
    ~QMyWeb() override;

    // The load begins when control returns to this thread's event loop.
    void start();

    // The load's time limit (30 s); tests shorten it.
    static void setDefaultTimeout(int ms);
    // The wait after a finished load: 2 to 6 s from a random number.
    static int accessDelay(int random);
    // Redirects followed at most (never from https to http).
    static constexpr int kMaxRedirects = 10;

signals:
    // "AccessTime" after a finished load and the wait, "ConnectTimeOut"
    // when the load did not finish in time.
    void sglFreeWebView(QString reason);
    void sglStart();

public slots:
    void sltStart();
    void ConnectTimeOut();
    void AccessTime();
    void LoadWebFinished(bool ok);

private:
    void stopLoad();

    QNetworkAccessManager *m_network;
    QNetworkReply *m_reply = nullptr;
    QTimer *m_timer;
    QString m_address;
    int m_event;
    bool m_closing = false;
};

// The count mode's visit: loads the link with the event's item in a local
// event loop until the visit is over; returns its reason.
QString runStatisticsVisit(const QString &link, int event);
