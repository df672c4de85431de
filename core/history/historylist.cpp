#include "historylist.h"

#include "enviroment.h"
#include "keptfile.h"
#include "logfile.h"
#include "xmlfile.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSet>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

#include <algorithm>

HistoryList *g_historyList = nullptr;

namespace {

QString settingsPath()
{
    if (g_enviroment && g_enviroment->privateData)
        return g_enviroment->privateData->historyFilePath();
    return QString();
}

quint64 unsignedNumber(const QStringRef &text)
{
    bool ok = false;
    const quint64 value = text.toULongLong(&ok, 10);
    return ok ? value : 0;
}

} // namespace

HistoryList::HistoryList(QObject *parent)
    : QObject(parent)
{
    m_path = settingsPath();
    m_reading = std::async(std::launch::async, [this, path = m_path] {
        Reading reading = read(path);
        // Taken as soon as the event loop runs, so that an unreadable file
        // is told at start even when nothing asks for the history.
        QMetaObject::invokeMethod(this, [this] { finishReading(); }, Qt::QueuedConnection);
        return reading;
    });
}

HistoryList::HistoryList(const QString &path, QObject *parent)
    : QObject(parent)
{
    load(path);
}

HistoryList::~HistoryList()
{
    finishReading();
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
    finishReading();
    if (!item || m_items.contains(item))
        return;
    m_items.prepend(item);
    m_view.prepend(item);
    emit itemAdded();
}

void HistoryList::removeItem(HistoryItem *item)
{
    removeItems({item});
}

void HistoryList::removeItems(const QList<HistoryItem *> &items)
{
    finishReading();
    // One pass and one save for any number: a long history rewritten once
    // per entry would take minutes.
    QSet<HistoryItem *> gone;
    for (HistoryItem *item : items) {
        if (item)
            gone.insert(item);
    }
    const auto isGone = [&gone](HistoryItem *item) { return gone.contains(item); };
    QVector<HistoryItem *> removed;
    for (HistoryItem *item : qAsConst(m_items)) {
        if (isGone(item))
            removed.append(item);
    }
    if (removed.isEmpty())
        return;
    m_items.erase(std::remove_if(m_items.begin(), m_items.end(), isGone), m_items.end());
    m_view.erase(std::remove_if(m_view.begin(), m_view.end(), isGone), m_view.end());
    qDeleteAll(removed);
    save();
}

void HistoryList::clear()
{
    finishReading();
    deleteAll();
    save();
}

int HistoryList::count() const
{
    finishReading();
    return m_view.size();
}

const QVector<HistoryItem *> &HistoryList::items() const
{
    finishReading();
    return m_items;
}

HistoryItem *HistoryList::itemAt(int index) const
{
    finishReading();
    return index >= 0 && index < m_view.size() ? m_view[index] : nullptr;
}

void HistoryList::filterByType(int type)
{
    finishReading();
    m_view.clear();
    for (HistoryItem *item : qAsConst(m_items)) {
        if (type == -1 || item->type() == type)
            m_view.append(item);
    }
}

void HistoryList::filterByName(const QString &text)
{
    finishReading();
    m_view.clear();
    for (HistoryItem *item : qAsConst(m_items)) {
        const QString path = item->fileName();
        const QStringRef name = path.midRef(path.lastIndexOf(QLatin1Char('/')) + 1);
        if (name.contains(text, Qt::CaseInsensitive))
            m_view.append(item);
    }
}

void HistoryList::load(const QString &path)
{
    finishReading();
    m_path = path;
    take(read(path));
}

HistoryList::Reading HistoryList::read(const QString &path)
{
    // Only a regular file; read in one pass of a stream reader, as a long
    // history (a hundred thousand entries) would take seconds and hundreds
    // of megabytes as a document model.
    Reading reading;
    QByteArray bytes;
    const KeptFile::ReadStatus status = KeptFile::read(path, &bytes, &reading.why);
    if (status == KeptFile::Missing || (status == KeptFile::Read && bytes.isEmpty()))
        return reading;
    if (status != KeptFile::Read || !readItems(bytes, &reading.items, &reading.why)) {
        qDeleteAll(reading.items);
        reading.items.clear();
        reading.unreadable = true;
    }
    return reading;
}

void HistoryList::take(Reading reading)
{
    deleteAll();
    m_unreadablePath.clear();
    m_items = reading.items;
    if (reading.unreadable) {
        m_unreadablePath = m_path;
        runLog(QStringLiteral("History: %1 could not be read: %2").arg(m_path, reading.why));
        KeptFile::notice(QStringLiteral("history:") + m_path,
                         tr("The history could not be read from %1 (%2). It starts empty; the file is kept "
                            "beside it as a backup.")
                             .arg(QDir::toNativeSeparators(m_path), reading.why));
    }
    filterByType(-1);
}

void HistoryList::finishReading() const
{
    if (!m_reading.valid())
        return;
    auto *self = const_cast<HistoryList *>(this);
    self->take(self->m_reading.get());
}

bool HistoryList::readItems(const QByteArray &bytes, QVector<HistoryItem *> *items, QString *why)
{
    QXmlStreamReader xml(bytes);
    xml.setNamespaceProcessing(false);
    const QString itemTag = QStringLiteral("Item");
    int depth = 0;
    bool sawRoot = false;
    while (!xml.atEnd()) {
        const QXmlStreamReader::TokenType token = xml.readNext();
        if (token == QXmlStreamReader::EndElement) {
            --depth;
            continue;
        }
        if (token != QXmlStreamReader::StartElement)
            continue;
        // As deep as any other kept file may be; a history is two levels.
        if (++depth > XmlFile::kMaxDepth) {
            *why = QCoreApplication::translate("KeptFile", "its elements are nested more than %1 levels deep")
                       .arg(XmlFile::kMaxDepth);
            return false;
        }
        if (depth == 1) {
            sawRoot = true;
            if (xml.qualifiedName() != QLatin1String("History")) {
                *why = tr("it holds no history");
                return false;
            }
            continue;
        }
        // The root's own Item children; anything else, and anything inside
        // an entry, is passed over.
        if (depth != 2 || xml.qualifiedName() != itemTag)
            continue;
        const QXmlStreamAttributes attributes = xml.attributes();
        const int type = attributes.value(QLatin1String("Type")).toInt(nullptr, 10);
        if (uint(type) > 2)
            continue;
        auto *item = new HistoryItem;
        item->setType(type);
        item->setFileName(attributes.value(QLatin1String("FileName")).toString());
        item->setFileSize(unsignedNumber(attributes.value(QLatin1String("FileSize"))));
        if (type != HistoryItem::Audio)
            item->setSizeText(attributes.value(QLatin1String("Size")).toString());
        if (type != HistoryItem::Screenshot)
            item->setDuration(qint64(unsignedNumber(attributes.value(QLatin1String("Duration")))));
        items->append(item);
    }
    if (xml.hasError()) {
        *why = QCoreApplication::translate("KeptFile", "it is not well-formed XML (line %1: %2)")
                   .arg(xml.lineNumber())
                   .arg(xml.errorString());
        return false;
    }
    if (!sawRoot) {
        *why = tr("it holds no history");
        return false;
    }
    return true;
}

bool HistoryList::save()
{
    return save(m_path);
}

bool HistoryList::save(const QString &path)
{
    finishReading();
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
