#include "qmyweb.h"

#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QRandomGenerator>
#include <QTimer>
#include <QUrl>

#include "core/startup.h"

namespace {
int s_timeoutMs = 30000;
} // namespace

QMyWeb::QMyWeb(const QString &address, int event, QObject *parent)
    : QObject(parent), m_network(new QNetworkAccessManager), m_timer(new QTimer), m_address(address),
      m_event(event)
{
    m_timer->setSingleShot(true);
    connect(m_timer, &QTimer::timeout, this, &QMyWeb::ConnectTimeOut);
    connect(this, &QMyWeb::sglStart, this, &QMyWeb::sltStart, Qt::QueuedConnection);
}

QMyWeb::~QMyWeb()
{
    m_closing = true;
    delete m_timer;
    stopLoad();
    delete m_network;
}

void QMyWeb::setDefaultTimeout(int ms)
{
    s_timeoutMs = ms;
}

int QMyWeb::accessDelay(int random)
{
    return (qAbs(random) % 5 + 2) * 1000;
}

void QMyWeb::start()
{
    emit sglStart();
}

void QMyWeb::stopLoad()
{
    if (!m_reply)
        return;
    QNetworkReply *reply = m_reply;
    m_reply = nullptr;
    reply->disconnect(this);
    // Closes the connection of a load still under way.
    reply->abort();
    reply->deleteLater();
}

void QMyWeb::sltStart()
{
    stopLoad();
    QNetworkRequest request(QUrl(statisticsAddress(m_address, m_event), QUrl::StrictMode));
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setMaximumRedirectsAllowed(kMaxRedirects);
    m_closing = false;
    m_timer->start(s_timeoutMs);
    m_reply = m_network->get(request);
    QNetworkReply *reply = m_reply;
    // Nothing of the page is used.
    connect(reply, &QNetworkReply::readyRead, this, [reply] { reply->readAll(); });
    connect(reply, &QNetworkReply::finished, this, [this, reply] {
        if (reply != m_reply)
            return;
        const bool ok = reply->error() == QNetworkReply::NoError;
        m_reply = nullptr;
        reply->deleteLater();
        LoadWebFinished(ok);
    });
}

void QMyWeb::LoadWebFinished(bool ok)
{
    Q_UNUSED(ok)
    if (m_closing)
        return;
    m_timer->stop();
    QTimer::singleShot(accessDelay(int(QRandomGenerator::global()->bounded(1 << 30))), this, &QMyWeb::AccessTime);
}

void QMyWeb::AccessTime()
{
    emit sglFreeWebView(QStringLiteral("AccessTime"));
}

void QMyWeb::ConnectTimeOut()
{
    m_timer->stop();
    emit sglFreeWebView(QStringLiteral("ConnectTimeOut"));
}

QString runStatisticsVisit(const QString &link, int event)
{
    QString reason;
    QMyWeb web(link, event);
    QEventLoop loop;
    QObject::connect(&web, &QMyWeb::sglFreeWebView, &loop, [&](const QString &r) {
        reason = r;
        loop.quit();
    });
    web.start();
    loop.exec();
    return reason;
}
