#include "updatequery.h"

#include "platform/xmlfile.h"

#include <QCoreApplication>
#include <QDomDocument>
#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QSettings>
#include <QThread>
#include <QTimer>
#include <QUrl>

#include <atomic>
#include <cstdlib>

namespace {
std::atomic<int> s_defaultTimeout{10000};

// How often a waiting query looks whether its worker was asked to stop.
const int kStopPollMs = 50;

const char kServicePath[] = "/update-product-info/update.php?action=getinfo";

QByteArray childText(const QDomElement &parent, const char *name)
{
    return parent.firstChildElement(QString::fromLatin1(name)).text().toUtf8();
}
} // namespace

UpdateQuery::UpdateQuery() : m_service(configuredService()), m_timeoutMs(s_defaultTimeout) {}

QString UpdateQuery::configuredService()
{
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Olvex"),
                       QStringLiteral("Free Mirelo"));
    settings.beginGroup(QStringLiteral("Services"));
    return settings.value(QStringLiteral("UpdateService")).toString().trimmed();
}

void UpdateQuery::setDefaultTimeout(int ms)
{
    s_defaultTimeout = ms;
}

int UpdateQuery::defaultTimeout()
{
    return s_defaultTimeout;
}

QByteArray UpdateQuery::queryAddress(const QByteArray &product, const QByteArray &versioncur,
                                     const QByteArray &lang) const
{
    QByteArray base = m_service.toUtf8();
    while (base.endsWith('/'))
        base.chop(1);
    // Growable: neither the address nor any value is ever cut short.
    return base + kServicePath + "&product=" + ansiToUtf8(product).toPercentEncoding()
           + "&versioncur=" + ansiToUtf8(versioncur).toPercentEncoding()
           + "&lang=" + ansiToUtf8(lang).toPercentEncoding();
}

void UpdateQuery::reset()
{
    m_state = NotRun;
    m_info = UpdateInfo();
}

int UpdateQuery::run(const QByteArray &product, const QByteArray &versioncur, const QByteArray &lang)
{
    // A run never reports an earlier run's result.
    reset();
    m_versioncur = versioncur;
    if (m_service.isEmpty()) {
        // Nothing configured: nothing is sent.
        m_state = QNetworkReply::HostNotFoundError;
        return m_state;
    }
    // A worker asked to stop (the program is leaving) sends nothing more.
    QThread *thread = QThread::currentThread();
    if (thread->isInterruptionRequested()) {
        m_state = QNetworkReply::OperationCanceledError;
        return m_state;
    }
    QNetworkAccessManager network;
    QNetworkRequest request(QUrl::fromEncoded(queryAddress(product, versioncur, lang)));
    QNetworkReply *reply = network.get(request);
    QEventLoop loop;
    QTimer timer;
    timer.setSingleShot(true);
    QObject::connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    // The wait looks for a stop request often, so leaving the program never
    // sits out the whole time limit.
    QTimer stopPoll;
    QObject::connect(&stopPoll, &QTimer::timeout, &loop, [thread, &loop] {
        if (thread->isInterruptionRequested())
            loop.quit();
    });
    stopPoll.start(kStopPollMs);
    timer.start(m_timeoutMs);
    if (!reply->isFinished())
        loop.exec();
    if (!reply->isFinished()) {
        reply->abort();
        m_state = thread->isInterruptionRequested() ? int(QNetworkReply::OperationCanceledError) : int(TimedOut);
    } else {
        const QNetworkReply::NetworkError error = reply->error();
        const bool httpAnswer = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).isValid();
        if (error == QNetworkReply::TimeoutError)
            m_state = TimedOut;
        else if (error != QNetworkReply::NoError && !httpAnswer)
            m_state = int(error);
        else
            // An error page is a body like any other.
            HandleUpdateData(reply->readAll());
    }
    delete reply;
    return m_state;
}

void UpdateQuery::HandleUpdateData(const QByteArray &reply)
{
    if (reply.isEmpty()) {
        m_state = XmlError;
        return;
    }
    // From the network: nested no deeper than an answer could be.
    QDomDocument document;
    if (!XmlFile::parse(reply, &document)) {
        m_state = XmlError;
        return;
    }
    const QDomElement root = document.documentElement();
    if (root.isNull()) {
        m_state = XmlError;
        return;
    }
    const QByteArray productCode = childText(root, "upd:ProductCode");
    m_info.displayName = childText(root, "upd:ProductDisplayName");
    m_info.newestVersion = childText(root, "upd:ProductVer");
    const QByteArray downloadUrl = childText(root, "upd:DownloadURL");
    const QByteArray onlineUrl = childText(root, "upd:OnlineDownURL");
    const QDomElement whatsNew = root.firstChildElement(QStringLiteral("upd:WhatsNew"));
    m_info.releaseNotes = QByteArray::fromBase64(childText(whatsNew, "upd:Description"));
    if (productCode.isEmpty()) {
        m_state = NoProduct;
        return;
    }
    if (compareDottedVersion(m_info.newestVersion, m_versioncur) > 0) {
        m_info.downloadPage = downloadUrl + "?product=" + productCode;
        m_info.onlineDownload = onlineUrl;
        m_state = NewerVersion;
    } else {
        m_state = LatestVersion;
    }
}

QString UpdateQuery::stateMessage(int state)
{
    const QString pair = QStringLiteral("%1 (%2)");
    switch (state) {
    case NewerVersion:
    case LatestVersion:
        return QString();
    case NoProduct:
        return QCoreApplication::translate("Controller", "Update: failed to find product record.");
    case XmlError:
        return pair.arg(QCoreApplication::translate("Controller", "Update:xml data error.")).arg(state);
    case TimedOut:
        return pair.arg(QCoreApplication::translate("Controller", "Time out in requesting background data."))
            .arg(state);
    default:
        break;
    }
    if (state > 0)
        return pair
            .arg(QCoreApplication::translate(
                "Controller", "Program can't connect to the Internet. Please check your Interent connection."))
            .arg(state);
    return pair.arg(QCoreApplication::translate("Controller", "Other errors. Please contact our Customer Service Center."))
        .arg(state);
}

int compareDottedVersion(const QByteArray &a, const QByteArray &b)
{
    if (a == b)
        return 0;
    const QList<QByteArray> left = a.split('.');
    const QList<QByteArray> right = b.split('.');
    const int count = qMin(left.size(), right.size());
    for (int i = 0; i < count; ++i) {
        const int l = std::atoi(left.at(i).constData());
        const int r = std::atoi(right.at(i).constData());
        if (l != r)
            return l > r ? 1 : -1;
    }
    return left.size() < right.size() ? -1 : 1;
}

QList<QByteArray> splitString(const QByteArray &text, char separator, bool skipEmpty)
{
    QList<QByteArray> parts;
    int start = 0;
    for (int i = 0; i < text.size(); ++i) {
        if (text.at(i) != separator)
            continue;
        const QByteArray part = text.mid(start, i - start);
        if (!part.isEmpty() || !skipEmpty)
            parts.append(part);
        start = i + 1;
    }
    if (start < text.size())
        parts.append(text.mid(start));
    return parts;
}

QByteArray replaceAll(const QByteArray &text, const QByteArray &from, const QByteArray &to)
{
    if (from.isEmpty())
        return text;
    QByteArray result;
    int pos = 0;
    for (int hit = text.indexOf(from); hit >= 0; hit = text.indexOf(from, pos)) {
        result += text.mid(pos, hit - pos);
        result += to;
        pos = hit + from.size();
    }
    return result + text.mid(pos);
}

std::wstring utf8ToWide(const QByteArray &text)
{
    return QString::fromUtf8(text).toStdWString();
}

QByteArray wideToUtf8(const std::wstring &text)
{
    return QString::fromStdWString(text).toUtf8();
}

std::wstring ansiToWide(const QByteArray &text)
{
    return QString::fromLocal8Bit(text).toStdWString();
}

QByteArray wideToAnsi(const std::wstring &text)
{
    return QString::fromStdWString(text).toLocal8Bit();
}

QByteArray utf8ToAnsi(const QByteArray &text)
{
    return wideToAnsi(utf8ToWide(text));
}

QByteArray ansiToUtf8(const QByteArray &text)
{
    return wideToUtf8(ansiToWide(text));
}
