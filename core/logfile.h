#pragma once
// Appends tagged lines to one log file, each flushed at once.

#include <QString>
#include <QVector>

class QFile;
class QTextStream;

class LogFile
{
public:
    // Tags by level: 0 "[Info]", 1 "[Waring]", 2 "[Error]", 3 "[Failed]".
    // The program writes level 0 only.
    explicit LogFile(const QString &path);
    ~LogFile();

    LogFile(const LogFile &) = delete;
    LogFile &operator=(const LogFile &) = delete;

    void open();
    // Lines written while closed are dropped.
    void close();
    // "<tag><text>[ <date time=M-d-yyyy  h:m:s>]"
    void write(int level, const QString &text, bool withTime);
    // As write, with milliseconds in the time; the text is UTF-8.
    void writeMs(int level, const char *text, bool withTime);

    // A file larger than this is started anew when a writer is made for it.
    static constexpr qint64 MAX_SIZE = 0x100000;

private:
    void writeLine(int level, const QString &text, bool withTime, const QString &timeFormat);

    QFile *m_file;
    QTextStream *m_stream;
    QVector<QString> m_tags;
};

// The run log ("myrun.log") and the run-state log ("Runstate.log"); null
// until the main window makes them, and the run log null again after exit.
extern LogFile *g_runLog;
extern LogFile *g_runStateLog;

// Level-0 writes to the run log that are dropped while it does not exist
// (before the main window, in count mode, in tests and during tear-down).
void runLog(const QString &text, bool withTime = true);
void runLogMs(const char *text, bool withTime = true);
