#pragma once
// What went wrong with the files the program keeps or reads (KeptFile
// notices: a file that could not be saved or read), told in the program's
// own message, one at a time, once the main frame is up. Notices given
// before wait for it; notices given after this object is gone wait unseen.

#include <QObject>
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
    bool m_showing = false;
};
