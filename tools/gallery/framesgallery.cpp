// Gallery pictures of the frames (each frame type with its title bar), the
// splash screen and every kind of common dialog.

#include "gallery.h"

#include "ccommonframe.h"
#include "commondialog.h"
#include "core/edition.h"
#include "mainwindow/myframe.h"
#include "mysplashscreen.h"
#include "skinmanager.h"

#include <QApplication>
#include <QBitmap>
#include <QLabel>
#include <QPainter>
#include <QTime>
#include <QVariant>
#include <QVBoxLayout>

namespace gallery {
namespace {


// A stand-in content of a given design size, on the skin's page background.
QWidget *content(const QString &title, int width, int height, const char *styleKey)
{
    auto *w = new QWidget;
    w->setWindowTitle(title);
    w->setProperty("STYLE_KEY", styleKey);
    w->setAttribute(Qt::WA_StyledBackground);
    w->resize(scaled(width), scaled(height));
    return w;
}


QWidget *framePicture(QWidget *frame)
{
    frame->show();
    QApplication::processEvents();
    const QPixmap shot = frame->grab();
    delete frame;
    return picture(shot);
}

QWidget *frameOfType(CAbstractFrame::FrameTypes types, bool outer)
{
    const bool main = types & CAbstractFrame::MainFrame;
    if (outer) {
        // The main frame around the main window; a service view's frame
        // has no icon and takes the view's title.
        QWidget *c = main ? content(QStringLiteral("Olvex Free Mirelo"), 1179, 262, "HOME_PAGE")
                          : content(QStringLiteral("About"), 520, 320, "HOME_PAGE");
        auto *f = new MyFrame(c, nullptr, types, main ? MyFrame::logoPixmap() : QPixmap(), 0, 0);
        if (main)
            f->setMainTitle(1);
        return framePicture(f);
    }
    QWidget *c = content(QStringLiteral("Olvex Free Mirelo"), 640, 360, "HOME_PAGE");
    return framePicture(new CCommonFrame(c, nullptr, types, MyFrame::logoPixmap()));
}

} // namespace

QWidget *dialogPicture(const std::function<void()> &factory)
{
    // The main window names the application; message captions show it.
    QCoreApplication::setApplicationName(QStringLiteral("Olvex Free Mirelo"));
    QPixmap shot;
    CommonDialog::setRunHook([&shot](CommonDialog *d) {
        d->show();
        QApplication::processEvents();
        const QPixmap plain = d->grab();
        shot = QPixmap(plain.size());
        shot.fill(Qt::transparent);
        QPainter p(&shot);
        p.setClipRegion(QRegion(CommonDialog::roundedShape(plain.size())));
        p.drawPixmap(0, 0, plain);
        return int(QDialog::Rejected);
    });
    factory();
    CommonDialog::setRunHook({});
    return picture(shot);
}

QWidget *makeMainFrame()
{
    return frameOfType(CAbstractFrame::MinimizeButton | CAbstractFrame::CloseButton | CAbstractFrame::MainFrame, true);
}
QWidget *makeServiceFrame() { return frameOfType(CAbstractFrame::CloseButton, true); }
QWidget *makeCommonFrameAllButtons()
{
    return frameOfType(CAbstractFrame::MinimizeButton | CAbstractFrame::MaximizeButton | CAbstractFrame::CloseButton
                           | CAbstractFrame::SettingsButton | CAbstractFrame::HelpButton
                           | CAbstractFrame::FeedbackButton | CAbstractFrame::IntelButton
                           | CAbstractFrame::AmdButton | CAbstractFrame::NvidiaButton,
                       false);
}
QWidget *makeCommonFrameClose() { return frameOfType(CAbstractFrame::CloseButton, false); }
QWidget *makeCommonFrameNoTitle() { return frameOfType(CAbstractFrame::NoTitleBar, false); }

QWidget *makeSplash()
{
    if (!g_mireloData)
        createApplicationData();
    auto *splash = new MySplashScreen(nullptr, Qt::FramelessWindowHint);
    return splash;
}

QList<GalleryEntry> dialogEntries()
{
    const QString longText = QStringLiteral("The folder for recordings cannot be created. Please choose another one "
                                            "in the settings.");
    return {
        {"dialog-warning", [=] { return dialogPicture([=] { CommonDialog::showWarning(nullptr, longText); }); }},
        {"dialog-tip", [] {
             return dialogPicture([] {
                 bool again = true;
                 CommonDialog::showTip(nullptr,
                                       QStringLiteral("Record without Webcam will change to Record Audio mode, "
                                                      "are you sure?"),
                                       &again);
             });
         }},
        {"dialog-close-question", [] {
             return dialogPicture([] {
                 bool again = true;
                 CommonDialog::askCloseAction(nullptr, &again);
             });
         }},
        {"dialog-remove", [] {
             return dialogPicture([] { CommonDialog::confirmRemove(nullptr, QStringLiteral("Remove this file?")); });
         }},
        {"dialog-remove-history", [] {
             return dialogPicture([] {
                 bool deleteLocal = false;
                 CommonDialog::confirmRemoveHistory(nullptr, &deleteLocal);
             });
         }},
        {"dialog-delete-task", [] { return dialogPicture([] { CommonDialog::confirmDeleteTask(nullptr); }); }},
        {"dialog-rename", [] {
             return dialogPicture([] { CommonDialog::inputFileName(nullptr, QStringLiteral("Video_26-12-08_21-16-01")); });
         }},
        {"dialog-task-name", [] {
             return dialogPicture([] { CommonDialog::inputTaskName(nullptr, QStringLiteral("Morning meeting")); });
         }},
        {"dialog-time", [] { return dialogPicture([] { CommonDialog::inputTime(nullptr, QTime(9, 30, 0)); }); }},
        {"dialog-result", [] { return dialogPicture([] { CommonDialog::showResult(nullptr, true); }); }},
    };
}

} // namespace gallery
