#include "historylist.h"

#include "enviroment.h"
#include "keptfile.h"
#include "logfile.h"
#include "xmlfile.h"

#include <QBuffer>
#include <QDir>
#include <QDomDocument>
#include <QFileInfo>
#include <QXmlStreamWriter>

HistoryList *g_historyList = nullptr;

namespace {

QString settingsPath()
{
    if (g_enviroment && g_enviroment->privateData)
        return g_enviroment->privateData->historyFilePath();
    return QString();
}

quint64 unsignedNumber(const QString &text)
{
    bool ok = false;
    const quint64 value = text.toULongLong(&ok, 10);
    return ok ? value : 0;
}

} // namespace

HistoryList::HistoryList(QObject *parent)
    : HistoryList(settingsPath(), parent)
{
}

HistoryList::HistoryList(const QString &path, QObject *parent)
    : QObject(parent)
{
    load(path);
}

HistoryList::~HistoryList()
{
    const QString path = settingsPath();
    save(path.isEmpty() ? m_path : path);
    deleteAll();
}

void HistoryList::deleteAll()
{
    qDeleteAll(m_items);
    m_items.clear();
    m_view.clear();
}

void HistoryList::addItem(int type, const QString &fileName, const QSize &size, qint64 duration, qint64 fileSize)
{
    insertItem(new HistoryItem(type, fileName, size, duration, fileSize));
    save();
}

void HistoryList::insertItem(HistoryItem *item)
{
    if (!item || m_items.contains(item))
        return;
    m_items.prepend(item);
    m_view.prepend(item);
    emit itemAdded();
}

void HistoryList::removeItem(HistoryItem *item)
{
    const int index = m_items.indexOf(item);
    if (index < 0)
        return;
    m_items.remove(index);
    m_view.removeOne(item);
    delete item;
    save();
}

void HistoryList::clear()
{
    deleteAll();
    save();
}

HistoryItem *HistoryList::itemAt(int index) const
{
    return index >= 0 && index < m_view.size() ? m_view[index] : nullptr;
}

void HistoryList::filterByType(int type)
{
    m_view.clear();
    for (HistoryItem *item : qAsConst(m_items)) {
        if (type == -1 || item->type() == type)
            m_view.append(item);
    }
}

void HistoryList::filterByName(const QString &text)
{
    m_view.clear();
    for (HistoryItem *item : qAsConst(m_items)) {
        if (QFileInfo(item->fileName()).fileName().contains(text, Qt::CaseInsensitive))
            m_view.append(item);
    }
}

void HistoryList::load(const QString &path)
{
    deleteAll();
    m_path = path;
    m_unreadablePath.clear();
    // Only a regular file, and none nested deeper than a history is: the
    // document model would overflow the stack on it.
    QByteArray bytes;
    QString why;
    const KeptFile::ReadStatus status = KeptFile::read(path, &bytes, &why);
    if (status == KeptFile::Missing || (status == KeptFile::Read && bytes.isEmpty()))
        return;
    QDomDocument document;
    const bool parsed = status == KeptFile::Read && XmlFile::parse(bytes, &document, false, &why);
    const QDomElement root = document.documentElement();
    if (!parsed || root.tagName() != QLatin1String("History")) {
        if (parsed)
            why = tr("it holds no history");
        m_unreadablePath = path;
        runLog(QStringLiteral("History: %1 could not be read: %2").arg(path, why));
        KeptFile::notice(QStringLiteral("history:") + path,
                         tr("The history could not be read from %1 (%2). It starts empty; the file is kept "
                            "beside it as a backup.")
                             .arg(QDir::toNativeSeparators(path), why));
        filterByType(-1);
        return;
    }
    for (QDomNode node = root.firstChild(); !node.isNull(); node = node.nextSibling()) {
        const QDomElement element = node.toElement();
        if (element.isNull() || element.tagName() != QLatin1String("Item"))
            continue;
        const int type = element.attribute(QStringLiteral("Type")).toInt(nullptr, 10);
        if (uint(type) > 2)
            continue;
        auto *item = new HistoryItem;
        item->setType(type);
        item->setFileName(element.attribute(QStringLiteral("FileName")));
        item->setFileSize(unsignedNumber(element.attribute(QStringLiteral("FileSize"))));
        if (type != HistoryItem::Audio)
            item->setSizeText(element.attribute(QStringLiteral("Size")));
        if (type != HistoryItem::Screenshot)
            item->setDuration(qint64(unsignedNumber(element.attribute(QStringLiteral("Duration")))));
        m_items.append(item);
    }
    filterByType(-1);
}

bool HistoryList::save()
{
    return save(m_path);
}

bool HistoryList::save(const QString &path)
{
    if (path.isEmpty())
        return false;
    if (!m_unreadablePath.isEmpty() && QFileInfo(m_unreadablePath) == QFileInfo(path)) {
        // The file could not be read as a history: keep it beside the new
        // one, under a name no earlier backup holds.
        QString backup;
        if (!KeptFile::keepAside(path, &backup)) {
            runLog(QStringLiteral("History: %1 could not be kept aside; not replaced").arg(path));
            return false;
        }
        if (!backup.isEmpty())
            runLog(QStringLiteral("History: the unreadable %1 is kept as %2").arg(path, backup));
        m_unreadablePath.clear();
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QXmlStreamWriter xml(&buffer);
    xml.setCodec("UTF-8");
    xml.setAutoFormatting(true);
    xml.setAutoFormattingIndent(4);
    xml.writeStartDocument(QStringLiteral("1.0"));
    xml.writeStartElement(QStringLiteral("History"));
    for (const HistoryItem *item : qAsConst(m_items)) {
        xml.writeEmptyElement(QStringLiteral("Item"));
        xml.writeAttribute(QStringLiteral("FileName"), item->fileName());
        xml.writeAttribute(QStringLiteral("Type"), QString::number(item->type()));
        xml.writeAttribute(QStringLiteral("FileSize"), QString::number(item->fileSize()));
        if (item->type() != HistoryItem::Audio) {
            xml.writeAttribute(QStringLiteral("Size"),
                               QStringLiteral("%1x%2").arg(item->size().width()).arg(item->size().height()));
        }
        if (item->type() != HistoryItem::Screenshot)
            xml.writeAttribute(QStringLiteral("Duration"), QString::number(quint64(qMax<qint64>(0, item->duration()))));
    }
    xml.writeEndElement();
    xml.writeEndDocument();
    QString why;
    if (!KeptFile::write(path, bytes, &why)) {
        runLog(QStringLiteral("History: %1 could not be written: %2").arg(path, why));
        return false;
    }
    return true;
}
