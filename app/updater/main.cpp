// The external updater ("Launch.exe" in the program folder). Given the task
// file and the product's registry name, it replaces the listed program
// files: each is downloaded beside its target, checked against its rule
// (MD5 digest or version marker), and only then renamed over the target.
// Nothing downloaded is ever run. It prints one code, last:
// u0 something was replaced, u1 nothing needed replacing, u2 downloads or
// checks failed and nothing was replaced, u3 the task file is unreadable.
#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QDomDocument>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QNetworkAccessManager>
#include <QNetworkProxy>
#include <QNetworkReply>
#include <QTemporaryFile>
#include <QTimer>

#include <cstdio>
#include <cstdlib>

#include "core/logfile.h"
#include "versionmarker.h"
#include "xmlfile.h"

namespace {

struct Task {
    QString workDir;
    QString logFile;
    QNetworkProxy proxy;
    struct File {
        QString url, path, type, value;
    };
    QList<File> files;
};

bool readTask(const QString &path, Task *task)
{
    QDomDocument document;
    if (XmlFile::load(path, &document) != KeptFile::Read)
        return false;
    const QDomElement root = document.documentElement();
    if (root.tagName() != QLatin1String("update"))
        return false;
    task->workDir = root.firstChildElement(QStringLiteral("WorkDir")).attribute(QStringLiteral("value"));
    task->logFile = root.firstChildElement(QStringLiteral("LogFile")).attribute(QStringLiteral("value"));
    const QDomElement proxy = root.firstChildElement(QStringLiteral("Proxy"));
    const int type = proxy.attribute(QStringLiteral("type"), QStringLiteral("2")).toInt();
    task->proxy = QNetworkProxy(QNetworkProxy::ProxyType(type >= 0 && type <= 5 ? type : 2),
                                proxy.attribute(QStringLiteral("hostName")),
                                quint16(proxy.attribute(QStringLiteral("port")).toUInt()),
                                proxy.attribute(QStringLiteral("user")), proxy.attribute(QStringLiteral("password")));
    const QDomElement patch = root.firstChildElement(QStringLiteral("Patch"));
    for (QDomElement e = patch.firstChildElement(QStringLiteral("File")); !e.isNull();
         e = e.nextSiblingElement(QStringLiteral("File")))
        task->files.append({e.attribute(QStringLiteral("url")), e.attribute(QStringLiteral("path")),
                            e.attribute(QStringLiteral("type")), e.attribute(QStringLiteral("value"))});
    return !task->workDir.isEmpty();
}

// The target with its folder's symbolic links resolved; empty when it does
// not lie inside the work folder.
QString containedTarget(const QString &path, const QString &workDir)
{
    const QString base = QFileInfo(workDir).canonicalFilePath();
    const QFileInfo target(QDir::cleanPath(path));
    const QString folder = QFileInfo(target.absolutePath()).canonicalFilePath();
    const QString name = target.fileName();
    if (base.isEmpty() || folder.isEmpty() || name.isEmpty() || name == QLatin1String("..")
        || name == QLatin1String("."))
        return QString();
    if (folder != base && !folder.startsWith(base + QLatin1Char('/')))
        return QString();
    return folder + QLatin1Char('/') + name;
}

bool satisfies(const QString &file, const Task::File &rule)
{
    if (rule.type.compare(QLatin1String("MD5"), Qt::CaseInsensitive) == 0) {
        QFile f(file);
        if (!f.open(QIODevice::ReadOnly))
            return false;
        QCryptographicHash hash(QCryptographicHash::Md5);
        hash.addData(&f);
        return QString::fromLatin1(hash.result().toHex()) == rule.value;
    }
    if (rule.type.compare(QLatin1String("Version"), Qt::CaseInsensitive) == 0)
        return !rule.value.isEmpty() && VersionMarker::read(file) == rule.value;
    return false;
}

// The body of url into out; false on any failure or after 60 s of silence.
bool download(QNetworkAccessManager &network, const QUrl &url, QFile *out)
{
    QNetworkRequest request(url);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setMaximumRedirectsAllowed(10);
    request.setTransferTimeout(60000);
    QNetworkReply *reply = network.get(request);
    QEventLoop loop;
    bool writeFailed = false;
    QObject::connect(reply, &QNetworkReply::readyRead, &loop, [&] {
        const QByteArray data = reply->readAll();
        if (out->write(data) != data.size())
            writeFailed = true;
    });
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    loop.exec();
    const QByteArray rest = reply->readAll();
    if (out->write(rest) != rest.size())
        writeFailed = true;
    const bool ok = reply->error() == QNetworkReply::NoError && !writeFailed && out->flush();
    delete reply;
    return ok;
}

enum class Outcome { Replaced, Unneeded, Failed };

Outcome replaceFile(QNetworkAccessManager &network, const Task &task, const Task::File &rule, LogFile &log)
{
    const QString target = containedTarget(rule.path, task.workDir);
    const QUrl url(rule.url, QUrl::StrictMode);
    if (target.isEmpty()) {
        log.write(2, QStringLiteral("\"%1\" is outside the program folder, refused.").arg(rule.path), true);
        return Outcome::Failed;
    }
    if (!url.isValid() || (url.scheme() != QLatin1String("http") && url.scheme() != QLatin1String("https"))) {
        log.write(2, QStringLiteral("\"%1\": the address \"%2\" is refused.").arg(target, rule.url), true);
        return Outcome::Failed;
    }
    if (QFileInfo::exists(target) && satisfies(target, rule)) {
        log.write(0, QStringLiteral("\"%1\" is up to date.").arg(target), true);
        return Outcome::Unneeded;
    }
    QTemporaryFile temp(QFileInfo(target).absolutePath() + QStringLiteral("/.") + QFileInfo(target).fileName()
                        + QStringLiteral(".XXXXXX"));
    if (!temp.open()) {
        log.write(2, QStringLiteral("\"%1\": no room for the download.").arg(target), true);
        return Outcome::Failed;
    }
    if (!download(network, url, &temp)) {
        log.write(2, QStringLiteral("\"%1\": the download from \"%2\" failed.").arg(target, rule.url), true);
        return Outcome::Failed;
    }
    temp.close();
    if (!satisfies(temp.fileName(), rule)) {
        log.write(2, QStringLiteral("\"%1\": the download does not match its %2 \"%3\", kept the old file.")
                         .arg(target, rule.type, rule.value),
                  true);
        return Outcome::Failed;
    }
    const QFileDevice::Permissions permissions = QFileInfo::exists(target)
        ? QFile::permissions(target)
        : QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther;
    QFile::setPermissions(temp.fileName(), permissions);
    if (std::rename(QFile::encodeName(temp.fileName()).constData(), QFile::encodeName(target).constData()) != 0) {
        log.write(2, QStringLiteral("\"%1\" could not be replaced.").arg(target), true);
        return Outcome::Failed;
    }
    temp.setAutoRemove(false);
    log.write(0, QStringLiteral("\"%1\" replaced.").arg(target), true);
    return Outcome::Replaced;
}

void finish(const char *code)
{
    std::fputs(code, stdout);
    std::fflush(stdout);
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    Task task;
    if (args.size() < 2 || !readTask(args.at(1), &task)) {
        finish("u3");
        return 0;
    }
    LogFile log(task.logFile);
    if (!task.logFile.isEmpty())
        log.open();
    QNetworkAccessManager network;
    network.setProxy(task.proxy);
    int replaced = 0;
    int failed = 0;
    for (const Task::File &rule : task.files) {
        switch (replaceFile(network, task, rule, log)) {
        case Outcome::Replaced: ++replaced; break;
        case Outcome::Failed: ++failed; break;
        case Outcome::Unneeded: break;
        }
    }
    finish(replaced > 0 ? "u0" : failed > 0 ? "u2" : "u1");
    return 0;
}
