#include "filenotices.h"

#include "keptfile.h"
#include "widgets/commondialog.h"

#include <QPointer>
#include <QWidget>

FileNotices::FileNotices(QWidget *parent)
    : m_parent(parent)
{
    // Notices may come from any thread and in the middle of anything (a
    // save in a destructor): each is shown later, from the event loop.
    KeptFile::setNoticeHandler([this](const QString &text) {
        QMetaObject::invokeMethod(
            this,
            [this, text] {
                m_waiting << text;
                showWaiting();
            },
            Qt::QueuedConnection);
    });
}

FileNotices::~FileNotices()
{
    KeptFile::setNoticeHandler({});
}

void FileNotices::showWaiting()
{
    // One message at a time, the next once the user has closed it; none
    // holds the code that gave it.
    while (!m_open && !m_waiting.isEmpty()) {
        m_open = CommonDialog::tell(m_parent, m_waiting.takeFirst());
        if (m_open)
            connect(m_open, &QObject::destroyed, this, &FileNotices::showWaiting, Qt::QueuedConnection);
    }
}
