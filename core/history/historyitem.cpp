#include "historyitem.h"

#include <QStringList>

HistoryItem::HistoryItem(int type, const QString &fileName, const QSize &size, qint64 duration, qint64 fileSize)
    : m_type(type)
    , m_fileName(fileName)
    , m_size(size)
    , m_duration(qMax<qint64>(0, duration))
    , m_fileSize(quint64(qMax<qint64>(0, fileSize)))
{
}

void HistoryItem::setSizeText(const QString &text)
{
    const QStringList parts = text.split(QLatin1Char('x'), Qt::KeepEmptyParts);
    if (parts.size() != 2)
        return;
    m_size = QSize(parts[0].toInt(nullptr, 10), parts[1].toInt(nullptr, 10));
}
