#pragma once
// Reads an update description and lists the program files that need
// replacing, by version marker or MD5 digest.

#include <QDomElement>
#include <QList>
#include <QString>

class LogFile;

struct PatchFileInfo {
    QString url;
    QString path;
    QString value;
    QString type; // "Version" or "MD5"
};

class CPatchParser
{
public:
    CPatchParser(const QString &groupName, const QString &productName, const QString &productVersion,
                 const QString &logPath, const QString &appPath);
    ~CPatchParser();
    CPatchParser(const CPatchParser &) = delete;
    CPatchParser &operator=(const CPatchParser &) = delete;

    // Reads the description file and appends what needs replacing.
    void parse(const QString &filePath, QList<PatchFileInfo> *list);
    bool showMessage() const { return m_showMessage; }

    void applyRule(const QDomElement &rule, QList<PatchFileInfo> *list);
    // 0: replace, 1: keep (equal), 2: keep (newer or unknown type).
    int compareRule(const QString &type, const QString &value, const QString &path) const;
    static int compareFileVersion(const QString &installed, const QString &wanted);
    static QString fileMd5(const QString &path);

private:
    QString m_groupName;
    QString m_productName;
    QString m_productVersion;
    QString m_logPath;
    QString m_appPath;
    QDomElement m_commonPatch;
    LogFile *m_log;
    bool m_showMessage = false;
};
