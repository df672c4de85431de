#pragma once
// One file the program produced: a video or audio recording or a screen
// capture, with its picture size, length and file size.
#include <QSize>
#include <QString>

class HistoryItem
{
public:
    // Kinds of entry, as History.xml stores them.
    enum { Video = 0, Audio = 1, Screenshot = 2 };

    HistoryItem() = default;
    // duration in milliseconds (a negative one is kept as 0), fileSize in bytes.
    HistoryItem(int type, const QString &fileName, const QSize &size, qint64 duration, qint64 fileSize);

    int type() const { return m_type; }
    QString fileName() const { return m_fileName; }
    QSize size() const { return m_size; }
    qint64 duration() const { return m_duration; }
    quint64 fileSize() const { return m_fileSize; }

    void setType(int type) { m_type = type; }
    void setFileName(const QString &fileName) { m_fileName = fileName; }
    void setDuration(qint64 duration) { m_duration = qMax<qint64>(0, duration); }
    void setFileSize(quint64 bytes) { m_fileSize = bytes; }
    // "WxH": exactly two parts, each a base-10 number (else 0); any other
    // text leaves the size as it was.
    void setSizeText(const QString &text);

private:
    int m_type = Video;
    QString m_fileName;
    QSize m_size{-1, -1};
    qint64 m_duration = 0;
    quint64 m_fileSize = 0;
};
