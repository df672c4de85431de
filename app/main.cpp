// The program's start: edition data, the installers' count mode, one
// instance per user, options file, translations, skin, splash, and the main
// window in its frame.
#include "edition.h"
#include "enginebinding.h"
#include "filenamecodec.h"
#include "fileutils.h"
#include "languages.h"
#include "screenaccess.h"
#include "myapplication.h"
#include "myconfig.h"
#include "controller.h"
#include "countmode.h"
#include "filenotices.h"
#include "startup.h"
#include "userfolders.h"
#include "vocabulary.h"

#include "mainwindow/mirelo.h"
#include "mainwindow/myframe.h"
#include "widgets/mysplashscreen.h"
#include "widgets/skinmanager.h"

#include "displayprobe.h"
#include "endrequests.h"

#include <QDir>
#include <QIcon>
#include <QMessageBox>

#include <cstdio>
#include <optional>
#include <malloc.h>

namespace {

// A start-up message: there is no skinned window yet. It also goes to the
// error output, for whoever started the program from a script.
void startupMessage(const char *text)
{
    const QString translated = QCoreApplication::translate("MyApplication", text);
    std::fprintf(stderr, "mirelo: %s\n", qPrintable(translated));
    QMessageBox::information(nullptr, QString(), translated, QMessageBox::Ok);
}

void showStartupError(const QString &text)
{
    std::fprintf(stderr, "mirelo: %s\n", qPrintable(text));
    QMessageBox::information(nullptr, QString(), text, QMessageBox::Ok);
}

bool initApplication(MyApplication &app)
{
    const QString appId = app.id();
    if (appId.isEmpty()) {
        startupMessage(QT_TRANSLATE_NOOP("MyApplication", "Initiating failed!"));
        return false;
    }
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/Olvex/Resources/Edition/win/exe_logo/mirelo.png")));
    createNamedMutex(appId);
    QDir::setCurrent(QCoreApplication::applicationDirPath());

    g_myConfig = new MyConfig;
    g_mireloData->setLanguage(g_myConfig->language());
    const QString language = g_mireloData->language();
    loadTranslators(language, g_myConfig->applicationPath() + QStringLiteral("Language"), QStringLiteral("Mirelo"));

    SkinManager *skin = SkinManager::instance();
    const QString logoLanguage = g_mireloData->languages().size() < 2 ? language : QStringLiteral("ml");
    const int status = skin->init(0, skinNames(), platformName(), g_mireloData->company(), logoLanguage,
                                  productName());
    if (status == SkinManager::StatusNoSkin) {
        startupMessage(QT_TRANSLATE_NOOP("MyApplication", "Skin initialization failed!"));
        return false;
    }
    if (status & 4)
        startupMessage(QT_TRANSLATE_NOOP("MyApplication", "Partial skin files initialing failed!"));

    skin->setBaseWidth(2560.0);
    skin->detectDpiScale(&g_dscale);
    skin->setHalfSize(true);
    skin->loadStyleSheet();
    applyLanguageFont(skin->styleSheet(), language);

    // Without its engine the program can record nothing.
    QString engineError;
    if (!engineLoad(&engineError)) {
        showStartupError(engineError);
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    // A logout may come at any moment of a start, also before there is
    // anything to finish: from the first instant an end signal is a request
    // the start hears, never the default end (exit code 143). The installers'
    // count mode keeps the default: a signal ends its visit at once.
    if (countModeEvent(argc, argv) < 0)
        SignalEndRequests::catchEarly();
    // Two allocator arenas, not one per core's worth of threads: each
    // recording's stage and encoder threads would otherwise leave arenas
    // behind that stay fragmented by the long-lived threads that take them
    // up next, so the program grew with every recording.
    mallopt(M_ARENA_MAX, 2);
    // Before any path is decoded: a home whose name is not UTF-8 stays itself.
    installFileNameCodec();
    createApplicationData();
    if (runCountMode(argc, argv))
        return 0;
    // An X11 program also in a Wayland session (there on Xwayland): its
    // hotkeys, overlays and window placement are X11's, and Qt's Wayland
    // plugin would leave them without effect.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "xcb");
    // Qt would abort without its display; this says why and ends cleanly.
    DisplayProbe display(argc, argv);
    if (!display.canOpen()) {
        std::fprintf(stderr, "mirelo: %s\n",
                     qPrintable(QCoreApplication::translate("MyApplication", "cannot open the display")));
        return 1;
    }
    screenaccess::setWaylandSession(!display.screenReadable());

    // The skin's display scale sizes every window; Qt scaling them as well
    // (asked for by the desktop's environment) would do it twice.
    SkinManager::keepQtScalingOff();
    // A widget given a native window of its own (a webcam preview, an
    // overlay reparented below the main window) would otherwise make every
    // sibling native too: Qt then shows again any such child hidden only by
    // a change of parent (a service view handed back after its dialog
    // closed, drawn inside the main window), and a view moved on into a
    // dialog of another depth is no longer painted.
    QCoreApplication::setAttribute(Qt::AA_DontCreateNativeWidgetSiblings);
    MyApplication app(g_mireloData ? g_mireloData->regName() : QString(), argc, argv);
    // Qt has its own connection now: a server with no other client cannot
    // reset between the probe's and Qt's.
    display.release();
    // Until the main window shows, an end asked for ends the start: there
    // is nothing to lose yet. A start-up message does not wait for its
    // answer then.
    SignalEndRequests ends;
    bool endAsked = false;
    const QMetaObject::Connection duringStart =
        QObject::connect(&ends, &EndRequests::endRequested, [&endAsked] {
            endAsked = true;
            if (QWidget *message = QApplication::activeModalWidget())
                message->close();
        });
    // Looked at between the steps of the start, which has no event loop.
    auto endRequested = [&] {
        ends.deliverPending();
        return endAsked;
    };
    // The data folder and the settings store live below the home; a missing
    // one (or the root) would put them at the file-system root.
    if (usableHomeFolder().isEmpty()) {
        startupMessage(QT_TRANSLATE_NOOP("MyApplication",
                                         "There is no usable home folder (HOME is not set, is the file-system "
                                         "root or does not exist), so the program has nowhere to keep its "
                                         "settings."));
        return 1;
    }
    if (app.isRunning()) {
        // A scheduled start leaves the running program alone: its own timer
        // fires the job, and a frame hidden for a recording stays hidden.
        // Any other start brings the running instance to the front.
        if (taskArgument(argc, argv).isEmpty())
            app.sendMessage(QString(), 5000);
        return 0;
    }
    // A failed start tells its caller so (a scheduled start, a script).
    if (!initApplication(app))
        return 1;
    if (endRequested())
        return 0;
    // Closing the frame may only hide it to the tray; leaving is explicit.
    app.setQuitOnLastWindowClosed(false);

    Controller::install();
    const QString task = taskArgument(argc, argv);

    MySplashScreen splash(nullptr, Qt::FramelessWindowHint);
    splash.move(MySplashScreen::centeredPosition(splash.size()));
    splash.show();
    QCoreApplication::processEvents();
    if (endRequested())
        return 0;

    auto *mirelo = new Mirelo(nullptr, task);
    const QPixmap logo = MyFrame::logoPixmap();
    int exitCode = 0;
    {
        MyFrame frame(mirelo, nullptr, CAbstractFrame::MinimizeButton | CAbstractFrame::CloseButton
                                           | CAbstractFrame::MainFrame, logo, 0, 0);
        frame.setMainTitle(1);
        mirelo->setTitleBar(frame.titleBar());
        SkinManager::instance()->notifyImagesChanged();

        app.setActivationWindow(&frame, true);
        QObject::connect(&app, &QtSingleApplication::messageReceived, mirelo, &Mirelo::newInstanceMessage);
        mirelo->setFrame(&frame);
        // Asked to end while the window was being made: it leaves as by its
        // Exit (the settings kept) without showing.
        const bool endedEarly = endRequested();
        if (!endedEarly)
            frame.show();
        splash.finish();
        // What could not be read or saved so far (options, history, skin,
        // settings store) is told now, and later failures as they come.
        std::optional<FileNotices> notices;
        if (!endedEarly) {
            notices.emplace(&frame);
            mirelo->startDeferredTasks();
        }

        // A logout or shutdown asks the program to leave; a lost display
        // ends the process under it, with one last call first. After the
        // event loop the signals stay caught and change nothing: the
        // frame's end below still waits for a recording's rewrite, which a
        // further signal must not cut.
        QObject::disconnect(duringStart);
        QObject::connect(&ends, &EndRequests::endRequested, mirelo, &Mirelo::endOnRequest);
        if (endedEarly)
            mirelo->endOnRequest();
        setDisplayLostCall([](void *window) { static_cast<Mirelo *>(window)->finishBeforeExit(); }, mirelo);

        exitCode = QApplication::exec();
        QObject::disconnect(&ends, nullptr, mirelo, nullptr);
        setDisplayLostCall(nullptr, nullptr);
        app.setActivationWindow(nullptr, false);
    } // the frame takes the main window with it
    return exitCode;
}
