#pragma once
// What went wrong with the files the program keeps or reads (KeptFile
// notices: a file that could not be saved or read, a job that could not
// record), told in the program's own message, one at a time, once the main
// frame is up. The message waits for the user without holding the program.
// Notices given before wait for the frame; notices given after this object
// is gone wait unseen.

#include <QObject>
#include <QPointer>
#include <QStringList>

class QWidget;

class FileNotices : public QObject
{
    Q_OBJECT
public:
    explicit FileNotices(QWidget *parent);
    ~FileNotices() override;

private:
    void showWaiting();

    QWidget *m_parent;
    QStringList m_waiting;
    QPointer<QWidget> m_open; // the message showing now
};
