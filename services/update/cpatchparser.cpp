#include "cpatchparser.h"

#include <QDir>
#include <QDomDocument>
#include <QFile>

#include "core/fileutils.h"
#include "core/logfile.h"
#include "core/md5.h"
#include "platform/xmlfile.h"

namespace {
bool same(const QString &a, const QString &b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// Element names match in any case.
QDomElement firstChildNamed(const QDomNode &parent, const QString &name)
{
    for (QDomElement e = parent.firstChildElement(); !e.isNull(); e = e.nextSiblingElement())
        if (same(e.tagName(), name))
            return e;
    return QDomElement();
}

bool insideFolder(const QString &path, const QString &folder)
{
    const QString base = QDir::cleanPath(folder) + QLatin1Char('/');
    return QDir::cleanPath(path).startsWith(base);
}
} // namespace

CPatchParser::CPatchParser(const QString &groupName, const QString &productName, const QString &productVersion,
                           const QString &logPath, const QString &appPath)
    : m_groupName(groupName), m_productName(productName), m_productVersion(productVersion), m_logPath(logPath),
      m_appPath(appPath), m_log(new LogFile(logPath))
{
    m_log->open();
}

CPatchParser::~CPatchParser()
{
    delete m_log;
}

void CPatchParser::parse(const QString &filePath, QList<PatchFileInfo> *list)
{
    // Downloaded: only a regular file, nested no deeper than a patch
    // description could be (the document model recurses per level).
    QDomDocument document;
    XmlFile::load(filePath, &document, true);
    const QDomElement root = document.documentElement();
    if (root.isNull() || !same(root.tagName(), QStringLiteral("update")))
        return;
    if (same(root.attribute(QStringLiteral("switch"), QStringLiteral("on")), QStringLiteral("off")))
        return;
    m_showMessage = same(root.attribute(QStringLiteral("msg"), QStringLiteral("off")), QStringLiteral("on"));

    const QDomElement patchList = firstChildNamed(root, QStringLiteral("windows"));
    QDomElement productPatch;
    for (QDomElement e = patchList.firstChildElement(); !e.isNull(); e = e.nextSiblingElement()) {
        if (m_commonPatch.isNull() && same(e.tagName(), QStringLiteral("Patch"))
            && same(e.attribute(QStringLiteral("product")), QStringLiteral("common")))
            m_commonPatch = e;
        if (!productPatch.isNull() || !same(e.tagName(), m_groupName))
            continue;
        for (QDomElement c = e.firstChildElement(); !c.isNull(); c = c.nextSiblingElement()) {
            if (same(c.tagName(), QStringLiteral("Patch")) && same(c.attribute(QStringLiteral("product")), m_productName)
                && same(c.attribute(QStringLiteral("version")), m_productVersion)) {
                productPatch = c;
                break;
            }
        }
    }
    if (productPatch.isNull())
        return;
    const QString msg = productPatch.attribute(QStringLiteral("msg"));
    if (!msg.isEmpty())
        m_showMessage = same(msg, QStringLiteral("on"));
    if (!same(productPatch.attribute(QStringLiteral("switch"), QStringLiteral("on")), QStringLiteral("on")))
        return;

    if (same(productPatch.attribute(QStringLiteral("private"), QStringLiteral("true")), QStringLiteral("true"))) {
        for (QDomNode n = productPatch.firstChild(); !n.isNull(); n = n.nextSibling()) {
            QDomElement rule = n.toElement();
            if (rule.isNull())
                continue;
            if (!same(rule.attribute(QStringLiteral("private"), QStringLiteral("true")), QStringLiteral("true"))) {
                const QString path = rule.attribute(QStringLiteral("path"));
                QDomElement shared;
                for (QDomElement c = m_commonPatch.firstChildElement(); !c.isNull(); c = c.nextSiblingElement())
                    if (c.attribute(QStringLiteral("path")) == path) {
                        shared = c;
                        break;
                    }
                rule = shared;
            }
            applyRule(rule, list);
        }
    } else {
        for (QDomElement c = m_commonPatch.firstChildElement(); !c.isNull(); c = c.nextSiblingElement())
            applyRule(c, list);
    }
}

void CPatchParser::applyRule(const QDomElement &rule, QList<PatchFileInfo> *list)
{
    if (rule.isNull())
        return;
    PatchFileInfo info;
    info.type = QStringLiteral("Version");
    info.value = rule.attribute(QStringLiteral("version"));
    if (info.value.isEmpty()) {
        info.type = QStringLiteral("MD5");
        info.value = rule.attribute(QStringLiteral("MD5"));
        if (info.value.isEmpty())
            return;
    }
    QString path = rule.attribute(QStringLiteral("path"));
    if (m_appPath.endsWith(QDir::separator()))
        path.replace(QStringLiteral("%APPPATH%/"), m_appPath);
    else
        path.replace(QStringLiteral("%APPPATH%"), m_appPath);
    path = QDir::toNativeSeparators(path);
    // Only files of the program folder are ever replaced.
    if (m_appPath.isEmpty() || !insideFolder(path, m_appPath)) {
        m_log->write(0, QStringLiteral("\"%1\" lies outside the program folder, rule dropped.").arg(path), true);
        return;
    }
    info.path = QDir::toNativeSeparators(QDir::cleanPath(path));
    info.url = rule.attribute(QStringLiteral("url"));
    if (!QFile::exists(info.path)) {
        list->append(info);
        m_log->write(0, QStringLiteral("\"%1\" not found, add to update list.").arg(info.path), true);
    } else if (compareRule(info.type, info.value, info.path) == 0) {
        list->append(info);
        m_log->write(0, QStringLiteral("\"%1\" conform to the update rules, add to update list.").arg(info.path),
                     true);
    }
}

int CPatchParser::compareRule(const QString &type, const QString &value, const QString &path) const
{
    if (same(type, QStringLiteral("Version"))) {
        const QString installed = fileVersion(path);
        return installed.isEmpty() ? 0 : compareFileVersion(installed, value);
    }
    if (same(type, QStringLiteral("MD5")))
        return fileMd5(path) == value ? 1 : 0;
    return 2;
}

int CPatchParser::compareFileVersion(const QString &installed, const QString &wanted)
{
    const QStringList have = installed.split(QLatin1Char('.'));
    const QStringList want = wanted.split(QLatin1Char('.'));
    for (int i = 0; i < have.size(); ++i) {
        if (i >= want.size())
            return 1;
        const int h = have.at(i).toInt();
        const int w = want.at(i).toInt();
        if (w > h)
            return 0;
        if (h > w)
            return 2;
    }
    return 1;
}

QString CPatchParser::fileMd5(const QString &path)
{
    // The raw bytes, so the digest equals md5sum's.
    return ::fileMd5(path);
}
