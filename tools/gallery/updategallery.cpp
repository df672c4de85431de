// Gallery pictures of the update view in its service frame: checking,
// latest version, update available with notes, and a failed check.

#include "gallery.h"

#include "core/edition.h"
#include "mainwindow/myframe.h"
#include "myupdateview.h"
#include "ui_UpdateView.h"

#include <QApplication>
#include <QLabel>
#include <QTextEdit>

namespace gallery {
namespace {

QWidget *framed(const std::function<void(MyUpdateView *)> &setUp)
{
    // The running version comes from the edition.
    if (!g_mireloData)
        createApplicationData();
    auto *view = new MyUpdateView(nullptr, Qt::FramelessWindowHint);
    setUp(view);
    return framedPicture(view, CAbstractFrame::CloseButton);
}

const char kNotes[] =
    "<h3>What's new in 1.2.0.0</h3><ul>"
    "<li>Recordings of a region start faster.</li>"
    "<li>The control bar remembers its place on each screen.</li>"
    "<li>Scheduled recordings survive a restart of the computer.</li>"
    "<li>Fixed: the microphone level could stay at zero after a device change.</li></ul>";

} // namespace

QList<GalleryEntry> updateEntries()
{
    return {
        {"update-checking", [] { return framed([](MyUpdateView *v) { v->setState(MyUpdateView::Checking); }); }},
        {"update-latest", [] { return framed([](MyUpdateView *v) { v->setState(MyUpdateView::Latest); }); }},
        {"update-available", [] {
             return framed([](MyUpdateView *v) {
                 v->setNewVersion(QStringLiteral("1.2.0.0"));
                 v->setState(MyUpdateView::Available);
                 v->form()->NewInfoBrowser->setHtml(QString::fromLatin1(kNotes));
             });
         }},
        {"update-failed", [] {
             return framed([](MyUpdateView *v) {
                 v->setLabelText(QStringLiteral("Program can't connect to the Internet. Please check your "
                                                "Interent connection. (1)"));
                 v->setState(MyUpdateView::Failed);
             });
         }},
    };
}

} // namespace gallery
