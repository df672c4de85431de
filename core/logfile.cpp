#include "logfile.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>

LogFile *g_runLog = nullptr;
LogFile *g_runStateLog = nullptr;

LogFile::LogFile(const QString &path)
    : m_tags{QStringLiteral("[Info]"), QStringLiteral("[Waring]"), QStringLiteral("[Error]"),
             QStringLiteral("[Failed]")}
{
    // The size is checked only here: a log that grows during a run is
    // trimmed at the next start.
    QFileInfo info(path);
    if (info.exists() && info.size() > MAX_SIZE)
        QFile::remove(path);
    m_file = new QFile(path);
    m_file->open(QIODevice::Append | QIODevice::Text);
    m_stream = new QTextStream(m_file);
    m_stream->setCodec("UTF-8");
}

LogFile::~LogFile()
{
    m_file->close();
    delete m_stream;
    delete m_file;
}

void LogFile::open()
{
    if (!m_file->isOpen())
        m_file->open(QIODevice::Append | QIODevice::Text);
}

void LogFile::close()
{
    m_stream->flush();
    m_file->close();
}

void LogFile::write(int level, const QString &text, bool withTime)
{
    writeLine(level, text, withTime, QStringLiteral("M-d-yyyy  h:m:s"));
}

void LogFile::writeMs(int level, const char *text, bool withTime)
{
    writeLine(level, QString::fromUtf8(text ? text : ""), withTime,
              QStringLiteral("M-d-yyyy  h:m:s:z"));
}

void LogFile::writeLine(int level, const QString &text, bool withTime, const QString &timeFormat)
{
    if (!m_file->isOpen())
        return;
    const QString &tag = m_tags.value(level < 0 || level >= m_tags.size() ? 0 : level);
    *m_stream << tag << text;
    if (withTime)
        *m_stream << " <date time=" << QDateTime::currentDateTime().toString(timeFormat) << '>';
    *m_stream << '\n';
    m_stream->flush();
}

void runLog(const QString &text, bool withTime)
{
    if (g_runLog)
        g_runLog->write(0, text, withTime);
}

void runLogMs(const char *text, bool withTime)
{
    if (g_runLog)
        g_runLog->writeMs(0, text, withTime);
}
