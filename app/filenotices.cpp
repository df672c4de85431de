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
    // One message at a time: another notice may come while one is open.
    if (m_showing)
        return;
    m_showing = true;
    QPointer<FileNotices> alive(this);
    while (alive && !m_waiting.isEmpty())
        CommonDialog::showWarning(m_parent, m_waiting.takeFirst());
    if (alive)
        m_showing = false;
}
