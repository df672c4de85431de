#include "config.h"

#include "fileutils.h"
#include "logfile.h"
#include "userfolders.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <QTextStream>

#include <unistd.h>

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
    QFile file(m_filePath);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    CXmlReader reader(&file, QString::fromLatin1(SECTION));
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

static qint64 s_diskRoomForTest = -1;
static int s_rewriteCount = 0;

int CXmlWriter::rewriteCount()
{
    return s_rewriteCount;
}

void CXmlWriter::setDiskRoomForTest(qint64 bytes)
{
    s_diskRoomForTest = bytes;
}

// Write failures reach the run log when there is one, else the error output.
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
    QFile file(m_filePath);
    if (!file.open(QIODevice::ReadOnly))
        return m_valid = false;
    // The stream reader is strict, like the one that reads the keys: a file
    // it would stop in (a control character, "&#1;") is unreadable, not
    // quietly rewritten without the values it could not read.
    QXmlStreamReader reader(&file);
    m_valid = m_document.setContent(&reader, false)
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
// case, as the reader finds it.
static QDomElement findElement(const QDomElement &parent, const QString &name)
{
    for (QDomElement child = parent.firstChildElement(); !child.isNull();
         child = child.nextSiblingElement()) {
        if (child.tagName().compare(name, Qt::CaseInsensitive) == 0)
            return child;
        const QDomElement inner = findElement(child, name);
        if (!inner.isNull())
            return inner;
    }
    return QDomElement();
}

bool CXmlWriter::write()
{
    if (!makeDirIfMissing(QFileInfo(m_filePath).absolutePath()))
        return writeFailed(m_filePath, QStringLiteral("no folder"));
    QByteArray bytes;
    {
        QTextStream stream(&bytes, QIODevice::WriteOnly);
        stream.setCodec("UTF-8");
        m_document.save(stream, 4);
    }
    // Through a temporary file that replaces the old one only once every
    // byte is on the disk: a crash or a full disk leaves the old file whole.
    QSaveFile file(m_filePath);
    if (!file.open(QIODevice::WriteOnly))
        return writeFailed(m_filePath, file.errorString());
    const bool fits = s_diskRoomForTest < 0 || bytes.size() <= s_diskRoomForTest;
    const QByteArray written = fits ? bytes : bytes.left(int(s_diskRoomForTest));
    // QSaveFile::commit misses an error of the flush it does itself, so the
    // flush and the sync are checked here; without a commit the temporary
    // file goes away with the object.
    if (file.write(written) != written.size() || !fits || !file.flush() || file.error() != QFileDevice::NoError
        || ::fsync(file.handle()) != 0) {
        const QString why = fits ? file.errorString() : QStringLiteral("no space left on the disk");
        file.cancelWriting();
        return writeFailed(m_filePath, why);
    }
    if (!file.commit())
        return writeFailed(m_filePath, file.errorString());
    ++s_rewriteCount;
    return true;
}

// Moves an unreadable file aside for the user or a later repair: to the
// first backup name that is free, so an earlier backup is never replaced.
// An empty file holds nothing to keep. False when it could not be moved.
bool CXmlWriter::keepUnreadableFile()
{
    const QFileInfo info(m_filePath);
    if (info.isFile() && !info.isSymLink() && info.size() == 0)
        return QFile::remove(m_filePath);
    const QString base = m_filePath + QStringLiteral(".bak");
    for (int n = 0; n < 1000; ++n) {
        const QString backup = n == 0 ? base : base + QLatin1Char('.') + QString::number(n);
        const QFileInfo taken(backup);
        if (taken.exists() || taken.isSymLink())
            continue;
        return QFile::rename(m_filePath, backup);
    }
    return false;
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
