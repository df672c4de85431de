#include "config.h"

#include "fileutils.h"
#include "keptfile.h"
#include "logfile.h"
#include "userfolders.h"
#include "xmlfile.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTextStream>

static const char SECTION[] = "Options";

static QString withSeparator(QString folder)
{
    folder = nativePath(folder);
    if (!folder.endsWith(QDir::separator()))
        folder += QDir::separator();
    return folder;
}

Config::Config(QObject *parent)
    : QObject(parent)
{
    // Without a usable home there is no data folder: it stays empty rather
    // than falling to the file-system root.
    const QString base = userDataBase();
    m_userDataPath = base.isEmpty() ? QString() : withSeparator(base);
    const QString program = QCoreApplication::instance() ? QCoreApplication::applicationDirPath()
                                                         : QDir::currentPath();
    m_applicationDirPath = withSeparator(QDir(program).absolutePath());
}

void Config::setFilePath(const QString &path)
{
    m_filePath = nativePath(path);
}

QString Config::getValue(const QString &key) const
{
    return getValues({key}).value(key);
}

QHash<QString, QString> Config::getValues(const QStringList &keys) const
{
    // Only a regular file, and none nested deeper than any options file is:
    // the writer keeps such a file aside as unreadable.
    QByteArray bytes;
    if (KeptFile::read(m_filePath, &bytes) != KeptFile::Read || !XmlFile::shallow(bytes))
        return {};
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    CXmlReader reader(&buffer, QString::fromLatin1(SECTION));
    return reader.readValues(keys);
}

bool Config::setValue(const QString &key, const QString &value)
{
    CXmlWriter writer(m_filePath);
    return writer.setValue(key, value);
}

bool Config::setValues(const QVector<QPair<QString, QString>> &values)
{
    CXmlWriter writer(m_filePath);
    return writer.setValues(values);
}

// --- reading ---------------------------------------------------------------

CXmlReader::CXmlReader(QIODevice *device, const QString &sectionPath)
    : QXmlStreamReader(device)
    , m_parts(sectionPath.split(QLatin1Char('/'), Qt::SkipEmptyParts))
{
}

static bool sameName(const QStringRef &a, const QString &b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

bool CXmlReader::searchInside(const QString &endName)
{
    while (!atEnd()) {
        readNext();
        if (isEndElement() && name() == endName)
            return false;
        if (isStartElement() && sameName(name(), m_parts.first())) {
            const QString part = m_parts.takeFirst();
            if (m_parts.isEmpty())
                return true;
            if (searchInside(name().toString()))
                return true;
            m_parts.prepend(part);
        }
    }
    return false;
}

bool CXmlReader::findSection()
{
    // No element is named "", so this searches to the end of the document.
    return searchInside(QString());
}

QString CXmlReader::readValue(const QString &key)
{
    return readValues({key}).value(key);
}

// One pass over the section for every key, however large the file.
QHash<QString, QString> CXmlReader::readValues(const QStringList &keys)
{
    QHash<QString, QString> found;
    QStringList missing;
    for (const QString &key : keys) {
        if (!key.isEmpty())
            missing << key;
    }
    if (m_parts.isEmpty() || missing.isEmpty() || !findSection())
        return found;
    int depth = 0;
    QString key;      // the element whose text is being read
    int keyDepth = 0; // and its depth
    QString text;
    while (!atEnd() && (!missing.isEmpty() || !key.isEmpty())) {
        readNext();
        if (isStartElement()) {
            if (!key.isEmpty()) { // a key's text stops at a nested element
                found.insert(key, text);
                key.clear();
            }
            ++depth;
            for (int i = 0; i < missing.size(); ++i) {
                if (sameName(name(), missing[i])) {
                    key = missing.takeAt(i);
                    keyDepth = depth;
                    text.clear();
                    break;
                }
            }
        } else if (isEndElement()) {
            if (!key.isEmpty() && depth == keyDepth) {
                found.insert(key, text);
                key.clear();
            }
            if (depth == 0)
                break; // the section ended
            --depth;
        } else if (isCharacters() && !key.isEmpty()) {
            text += this->text();
        }
    }
    // A text cut off by a reading error is not taken.
    return found;
}

// --- writing ---------------------------------------------------------------

static int s_rewriteCount = 0;

int CXmlWriter::rewriteCount()
{
    return s_rewriteCount;
}

// Write failures reach the run log when there is one, else the error
// output; the user hears of them from the writer.
static bool writeFailed(const QString &path, const QString &why)
{
    const QString text = QStringLiteral("Options file %1 not written: %2").arg(path, why);
    if (g_runLog)
        runLog(text);
    else
        qWarning("%s", qUtf8Printable(text));
    return false;
}

CXmlWriter::CXmlWriter(const QString &filePath)
    : m_filePath(filePath)
    , m_baseName(QFileInfo(filePath).completeBaseName())
{
}

bool CXmlWriter::parse()
{
    // The reader is strict, like the one that reads the keys: a file it
    // would stop in (a control character, "&#1;") is unreadable, not quietly
    // rewritten without the values it could not read. So is anything but a
    // regular file, and a file nested deeper than any options file.
    m_valid = XmlFile::load(m_filePath, &m_document) == KeptFile::Read
              && m_document.documentElement().tagName().compare(m_baseName, Qt::CaseInsensitive) == 0;
    return m_valid;
}

void CXmlWriter::startNewDocument()
{
    m_document = QDomDocument();
    m_document.appendChild(m_document.createProcessingInstruction(
        QStringLiteral("xml"), QStringLiteral("version=\"1.0\" encoding=\"UTF-8\"")));
    m_document.appendChild(m_document.createElement(m_baseName));
    m_valid = true;
}

// The first element below the parent whose name matches without regard to
// case, as the reader finds it: in document order, walked without recursion.
static QDomElement findElement(const QDomElement &parent, const QString &name)
{
    QDomElement element = parent.firstChildElement();
    while (!element.isNull()) {
        if (element.tagName().compare(name, Qt::CaseInsensitive) == 0)
            return element;
        // Its first child, else the next sibling of it or of its nearest
        // ancestor that has one, up to the parent.
        QDomElement next = element.firstChildElement();
        for (QDomElement up = element; next.isNull() && up != parent; up = up.parentNode().toElement())
            next = up.nextSiblingElement();
        element = next;
    }
    return QDomElement();
}

bool CXmlWriter::write()
{
    QByteArray bytes;
    {
        QTextStream stream(&bytes, QIODevice::WriteOnly);
        stream.setCodec("UTF-8");
        m_document.save(stream, 4);
    }
    // A crash or a full disk leaves the old file whole.
    QString why;
    if (!KeptFile::write(m_filePath, bytes, &why))
        return writeFailed(m_filePath, why);
    ++s_rewriteCount;
    return true;
}

// Moves an unreadable file aside for the user or a later repair; false when
// it could not be moved.
bool CXmlWriter::keepUnreadableFile()
{
    QString backup;
    if (!KeptFile::keepAside(m_filePath, &backup))
        return false;
    if (!backup.isEmpty())
        KeptFile::tellKeptAside(m_filePath, backup);
    return true;
}

// The value without the characters XML 1.0 cannot hold (control characters
// other than tab and line ends, U+FFFE, U+FFFF): written as they are, they
// make the reader stop there, and every later key of the file reads empty.
static QString xmlText(const QString &value)
{
    QString text;
    text.reserve(value.size());
    for (const QChar c : value) {
        const ushort u = c.unicode();
        if ((u < 0x20 && u != 0x09 && u != 0x0a && u != 0x0d) || u == 0xfffe || u == 0xffff)
            continue;
        text += c;
    }
    return text;
}

bool CXmlWriter::setValue(const QString &key, const QString &value)
{
    return setValues({{key, value}});
}

bool CXmlWriter::setValues(const QVector<QPair<QString, QString>> &values)
{
    if (m_baseName.isEmpty() || values.isEmpty())
        return false;
    for (const auto &value : values) {
        if (value.first.isEmpty())
            return false;
    }
    if (!QFile::exists(m_filePath)) {
        startNewDocument();
    } else if (!parse()) {
        // The user's file is never lost: unless it can be kept, nothing is
        // written over it.
        if (!keepUnreadableFile())
            return writeFailed(m_filePath, QStringLiteral("the unreadable file could not be kept"));
        startNewDocument();
    }
    QDomElement root = m_document.documentElement();
    QDomElement section = findElement(root, QString::fromLatin1(SECTION));
    if (section.isNull())
        section = root.appendChild(m_document.createElement(QString::fromLatin1(SECTION))).toElement();
    for (const auto &pair : values) {
        const QString &key = pair.first;
        const QString value = xmlText(pair.second);
        QDomElement element = findElement(section, key);
        if (element.isNull())
            element = section.appendChild(m_document.createElement(key)).toElement();
        QDomNode first = element.firstChild();
        if (first.isText())
            first.setNodeValue(value);
        else
            element.insertBefore(m_document.createTextNode(value), first);
    }
    return write();
}
