// Gallery pictures of the bug-report form in its service frame, in the
// states a user sees.

#include "gallery.h"

#include "controller.h"
#include "mainwindow/myframe.h"
#include "mybugreportview.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTextEdit>

namespace gallery {
namespace {

QWidget *framed(const std::function<void(MyBugReportView *)> &setUp)
{
    auto *view = new MyBugReportView(nullptr, Qt::FramelessWindowHint);
    setUp(view);
    return framedPicture(view, CAbstractFrame::CloseButton);
}

void setEmail(MyBugReportView *v, const QString &text)
{
    v->findChild<QLineEdit *>(QStringLiteral("edtEmail"))->setText(text);
}

void fill(MyBugReportView *v)
{
    setEmail(v, QStringLiteral("ann.lee@example.org"));
    v->findChild<QLineEdit *>(QStringLiteral("edtName"))->setText(QStringLiteral("Ann Lee"));
    v->findChild<QTextEdit *>(QStringLiteral("edtDescription"))->setPlainText(
        QStringLiteral("The recording stops after a few seconds when the microphone is on.\n\n"
                       "Steps: choose full screen, switch the microphone on, press Record."));
}

} // namespace

QList<GalleryEntry> bugReportEntries()
{
    return {
        {"bugreport-empty", [] { return framed([](MyBugReportView *) {}); }},
        {"bugreport-email-error", [] {
             return framed([](MyBugReportView *v) {
                 fill(v);
                 setEmail(v, QStringLiteral("ann.lee@example"));
                 v->showEmailError();
             });
         }},
        {"bugreport-sending", [] {
             return framed([](MyBugReportView *v) {
                 fill(v);
                 v->setState(0);
                 v->setProgress(40);
             });
         }},
        {"bugreport-sent", [] {
             return framed([](MyBugReportView *v) {
                 fill(v);
                 v->setState(0);
                 v->setState(2);
                 v->setResultText(Controller::bugReportResultText(true));
             });
         }},
        {"bugreport-failed", [] {
             return framed([](MyBugReportView *v) {
                 fill(v);
                 v->setState(0);
                 v->setProgress(40);
                 v->setErrorText(Controller::bugReportResultText(false));
             });
         }},
    };
}

} // namespace gallery
