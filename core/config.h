#pragma once
// A small XML options file: text values, one element per key, under the
// section element "Options" inside a root named after the file.

#include <QDomDocument>
#include <QHash>
#include <QObject>
#include <QPair>
#include <QVector>
#include <QStringList>
#include <QXmlStreamReader>

class Config : public QObject
{
public:
    explicit Config(QObject *parent = nullptr);

    void setFilePath(const QString &path);
    QString filePath() const { return m_filePath; }
    // The key's text under "Options"; empty when missing or unreadable.
    // Section and key are matched without regard to case.
    QString getValue(const QString &key) const;
    // Sets the key and rewrites the file at once; false when the file could
    // not be written (it is then left as it was).
    bool setValue(const QString &key, const QString &value);
    // Several keys in one pass: the texts by key (empty when missing), and
    // one rewrite of the file for all the values, set in list order.
    QHash<QString, QString> getValues(const QStringList &keys) const;
    bool setValues(const QVector<QPair<QString, QString>> &values);

    // The program folder, ending with a separator.
    QString applicationDirPath() const { return m_applicationDirPath; }
    // The per-user data folder, ending with a separator (with the edition's
    // sub-folder once MyConfig has loaded); empty without a usable home.
    QString userDataPath() const { return m_userDataPath; }
    QString dataPath() const { return m_userDataPath; }

protected:
    QString m_applicationDirPath;
    QString m_userDataPath;
    QString m_filePath;
};

// Streams the file to the first key below a "/"-separated section path.
class CXmlReader : public QXmlStreamReader
{
public:
    CXmlReader(QIODevice *device, const QString &sectionPath);
    QString readValue(const QString &key);
    // The first element of each key, by the key as given; keys not found
    // are missing from the result.
    QHash<QString, QString> readValues(const QStringList &keys);

private:
    bool findSection();
    bool searchInside(const QString &endName);

    QStringList m_parts;
};

// Updates keys of the options file through its document object model.
class CXmlWriter
{
public:
    explicit CXmlWriter(const QString &filePath);
    // Finds or makes "Options" and the key, sets the value and writes the
    // file. A file that does not parse (XmlFile), whose root is not named
    // after the file, or that is no regular file, is kept as "<file>.bak" (or
    // the first free "<file>.bak.N"), the user is told, and a new document is
    // started; an empty one holds nothing to keep. A write that fails
    // commits nothing: the old file stays whole.
    bool setValue(const QString &key, const QString &value);
    // All of them, then one write.
    bool setValues(const QVector<QPair<QString, QString>> &values);

    // How many times this process has replaced a file, for tests.
    static int rewriteCount();

private:
    bool parse();
    bool keepUnreadableFile();
    void startNewDocument();
    bool write();

    QString m_filePath;
    QString m_baseName;
    QDomDocument m_document;
    bool m_valid = false;
};
