#pragma once
// The one store of produced files, newest first, kept in "History.xml" in
// the data folder. Loaded when made (the program's own store beside the
// start, so that a long history does not hold the main window: whatever
// asks for it first waits for the reading); saved after every change and
// when it goes. The History window shows a filtered view of it.
#include "historyitem.h"

#include <QList>
#include <QObject>
#include <QVector>

#include <future>

class HistoryList : public QObject
{
    Q_OBJECT
public:
    // Reads the file at DataGroupPrivate::historyFilePath (none without a
    // settings holder, as in tests that give a path of their own) on a
    // thread of its own; the entries and any notice come once it is read.
    explicit HistoryList(QObject *parent = nullptr);
    // As above, on the given file.
    HistoryList(const QString &path, QObject *parent);
    ~HistoryList() override;

    // A new entry at the top of the list and of the view; the file is
    // written at once.
    void addItem(int type, const QString &fileName, const QSize &size, qint64 duration, qint64 fileSize);
    // Takes ownership; nothing happens for an entry already in the list
    // (entries are compared, not file names).
    void insertItem(HistoryItem *item);
    // Removes and deletes an entry of the list, then writes the file.
    void removeItem(HistoryItem *item);
    // The same for several entries at once, written once; entries not in
    // the list are passed over.
    void removeItems(const QList<HistoryItem *> &items);
    // Deletes every entry, also those the view hides, then writes the file.
    void clear();

    // The view.
    int count() const;
    HistoryItem *itemAt(int index) const;
    // -1: every kind.
    void filterByType(int type);
    // Entries whose file name (not the folder) holds the text, in any case;
    // an empty text takes them all.
    void filterByName(const QString &text);
    // Every entry, newest first.
    const QVector<HistoryItem *> &items() const;

    // Replaces the list with the file's entries; a missing or unreadable
    // file gives an empty list. An existing file that cannot be read as a
    // history (no regular file, too large or too deep, malformed) is told
    // to the user at once, and moved to "<name>.bak" (or the first free
    // "<name>.bak.N") before the next save replaces it.
    void load(const QString &path);
    // Writes the whole list; false (and a line in the run log) when the
    // file could not be written, which leaves the old file as it was and
    // tells the user once.
    bool save(const QString &path);
    // save() to the file the list was loaded from.
    bool save();
    QString path() const { return m_path; }

signals:
    // A new entry came in (a recording or a screenshot), so that an open
    // History window lists it at once.
    void itemAdded();

private:
    // What reading a history file found (on any thread).
    struct Reading {
        QVector<HistoryItem *> items;
        bool unreadable = false; // a file there that is no history
        QString why;
    };
    static Reading read(const QString &path);
    // The entries of a history's text, appended; false with the reason
    // when the text is no history.
    static bool readItems(const QByteArray &bytes, QVector<HistoryItem *> *items, QString *why);
    // Replaces the list with what was read, and tells of a file that is no
    // history.
    void take(Reading reading);
    // Waits for a reading under way and takes it.
    void finishReading() const;
    void deleteAll();

    QVector<HistoryItem *> m_items;
    QVector<HistoryItem *> m_view;
    QString m_path;
    QString m_unreadablePath; // to be kept aside before it is replaced
    std::future<Reading> m_reading;
};

// The program's history, null outside the main window's lifetime.
extern HistoryList *g_historyList;
