#include "controller.h"

#include "core/levelmeters.h"
#include <mirelo/engine_api.h>

#include <QApplication>
#include <QDebug>
#include <QEvent>
#include <QTimer>
#include <QNetworkProxyFactory>

#include "commondialog.h"
#include "core/edition.h"
#include "core/enginebinding.h"
#include "core/enviroment.h"
#include "core/languages.h"
#include "core/myconfig.h"
#include "mirelo.h"
#include "myaboutview.h"
#include "myframe.h"
#include "mysystemprivacywidget.h"
#include "myupdateview.h"
#include "mybugreportview.h"
#include "privacypages.h"
#include "skinmanager.h"
#include "taskschedulelist.h"

Controller *Controller::instance()
{
    // Never destroyed while the program runs: windows may still call it from
    // their destructors at exit.
    static Controller *controller = new Controller;
    return controller;
}

void Controller::install()
{
    ControllerApi::setFactory([]() -> ControllerApi * { return Controller::instance(); });
}
// Whatever links the controller (the program, a test) has it installed
// before its first window.
static void installAtStart()
{
    Controller::install();
}
Q_COREAPP_STARTUP_FUNCTION(installAtStart)

Controller::Controller(QObject *parent) : ControllerApi(parent)
{
    if (g_mireloData)
        m_language = g_mireloData->language();
    init();
}

void Controller::init()
{
    static bool firstRun = true;
    if (!firstRun)
        return;
    firstRun = false;
    m_bugreportThread = nullptr;
    m_aboutView = nullptr;
    m_bugReportView = nullptr;
    m_updateView = nullptr;
    m_privacyView = nullptr;
    // The account is a deployment setting; nothing of it is compiled in.
    m_mailAccount = readMailAccount();
    m_customAreaRequested = false;
    m_privacyWidgetShown = false;
    m_canShowCameraPrivacy = true;
    m_canShowMicrophonePrivacy = true;
    connectSignals();
    QNetworkProxyFactory::setUseSystemConfiguration(true);
    initUpdateRoad();

    // The notice's "ms-settings:" pages open the desktop's own privacy page,
    // or tell the user there is none.
    m_privacyUrlHandler = new PrivacyUrlHandler(this);
    PrivacyUrlHandler::install(m_privacyUrlHandler);
    connect(m_privacyUrlHandler, &PrivacyUrlHandler::noPrivacyPage, this, [this](int device) {
        CommonDialog::showWarning(mainWidget(),
                                  device == PrivacyPages::Camera
                                      ? tr("This desktop has no privacy page for the webcam. Make sure your user "
                                           "may use the video device and that no other program holds it.")
                                      : tr("This desktop has no privacy page for the microphone. Make sure the "
                                           "sound server lets programs record and the input is not muted."));
    });
}

void Controller::connectSignals()
{
    // The update road connects its own view slots (initUpdateRoad).
}

Mirelo *Controller::mainWindow() const
{
    return Mirelo::current();
}

MainWindowCalls *Controller::mainReceiver() const
{
    return m_mainReceiver ? m_mainReceiver : Mirelo::current();
}

QWidget *Controller::mainWidget() const
{
    return Mirelo::current();
}

void Controller::runInFrame(QWidget *view, quint32 frameTypes)
{
    QWidget *owner = mainWidget();
    {
        MyFrame frame(view, owner, frameTypes, QPixmap(), 0, 0);
        frame.exec();
        // The view outlives its passing frame, however the frame ended.
        if (view->parentWidget() == &frame)
            CAbstractFrame::handBack(view, owner);
    }
}

namespace {

// Calls `ended` once, when the frame it watches hides (done(), a close of
// its own or of its view, or the program closing its windows).
class FrameEnd : public QObject
{
public:
    FrameEnd(QWidget *frame, std::function<void()> ended) : QObject(frame), m_ended(std::move(ended))
    {
        frame->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Hide && watched == parent() && m_ended) {
            auto ended = std::move(m_ended);
            m_ended = nullptr;
            ended();
        }
        return false;
    }

private:
    std::function<void()> m_ended;
};

} // namespace

void Controller::showInFrame(QWidget *view, quint32 frameTypes, std::function<void()> ended)
{
    const QPointer<QWidget> owner = mainWidget();
    const QPointer<MyFrame> frame = new MyFrame(view, owner, frameTypes, QPixmap(), 0, 0);
    const QPointer<QWidget> kept(view);
    new FrameEnd(frame, [this, frame, kept, owner, ended = std::move(ended)] {
        // After the hide, from the event loop: the frame may be hiding as
        // its owner goes, and then goes with it (and the view with it).
        QTimer::singleShot(0, this, [frame, kept, owner, ended] {
            if (frame) {
                // The view outlives its passing frame, however the frame ended.
                if (kept && kept->parentWidget() == frame)
                    CAbstractFrame::handBack(kept, owner);
                frame->deleteLater();
            }
            if (ended)
                ended();
        });
    });
    frame->show();
}

// Region frame and custom size panel.
void Controller::showCustomSelectArea()
{
    if (Mirelo *main = Mirelo::current())
        main->actShowCustomSelectArea();
}

void Controller::refreshWatermarkState()
{
    const bool on = g_enviroment && g_enviroment->privateData->WatermarkType != 0;
    if (Mirelo *main = Mirelo::current())
        main->waterMarkStateChanged(on);
    emit watermarkStateChanged(on);
}

void Controller::closeCamera()
{
    emit closeCameraRequested();
    if (Mirelo *main = Mirelo::current())
        main->closeCamera();
}

void Controller::rescanCameras()
{
    Mirelo::rescanCameraDevices();
}

void Controller::clickSystemSoundButton()
{
    emit systemSoundButtonClicked();
    if (Mirelo *main = Mirelo::current())
        main->recordWithoutSystemSound();
}

void Controller::clickMicrophoneButton()
{
    emit microphoneButtonClicked();
    if (Mirelo *main = Mirelo::current())
        main->recordWithoutMicrophone();
}

bool Controller::refreshTaskScheduleState()
{
    const bool on = g_taskScheduleList && g_taskScheduleList->anyEnabled();
    if (Mirelo *main = Mirelo::current())
        main->taskScheduleStateChanged(on);
    emit taskScheduleStateRefreshed(on);
    return on;
}

void Controller::RetryOpenMicroPrivacy()
{
    LevelMeters::reopen(MIRELO_DEVICE_MICROPHONE);
}

void Controller::SlotPrivacyCloseDevice(int kind)
{
    if (kind != 1 && kind != 2)
        return;
    MainWindowCalls *receiver = mainReceiver();
    if (!receiver)
        return;
    // Later, from the event loop, and only to the window that was asked.
    QMetaObject::invokeMethod(
        this,
        [this, receiver, kind] {
            if (mainReceiver() != receiver)
                return;
            if (kind == 1)
                receiver->privacyCloseCamera();
            else
                receiver->privacyCloseMicrophone();
        },
        Qt::QueuedConnection);
}

void Controller::showSystemPrivacyWidget(int kind)
{
    // One notice at a time: the engine may ask again while it is open.
    if (m_privacyWidgetShown.exchange(true))
        return;
    if (!m_privacyView) {
        m_privacyView = new MySystemPrivacyWidget(mainWidget(), Qt::FramelessWindowHint);
        connect(m_privacyView, &MySystemPrivacyWidget::SigPrivacyCloseDevice, this,
                &Controller::SlotPrivacyCloseDevice, Qt::QueuedConnection);
    }
    m_privacyView->setDeviceKind(kind);
    // The engine's event brings it: shown, not waited for.
    showInFrame(m_privacyView, 0, [this] { m_privacyWidgetShown = false; });
}

MySystemPrivacyWidget *Controller::privacyView() const
{
    return m_privacyView;
}

void Controller::showAboutView()
{
    if (!m_aboutView)
        m_aboutView = new MyAboutView(mainWidget(), Qt::FramelessWindowHint);
    runInFrame(m_aboutView, CAbstractFrame::CloseButton);
}

MyAboutView *Controller::aboutView() const
{
    return m_aboutView;
}

void Controller::switchLanguage(const QString &language)
{
    if (g_myConfig)
        g_myConfig->setLanguage(language, false);
    if (g_mireloData)
        g_mireloData->setLanguage(language);
    const QString folder = (g_myConfig ? g_myConfig->applicationPath() : QString()) + QStringLiteral("Language");
    loadTranslators(language, folder, QStringLiteral("Mirelo"));
    applyLanguageFont(SkinManager::instance()->styleSheet(), language);
    retranslateViews();
}

void Controller::retranslateViews()
{
    if (MainWindowCalls *receiver = mainReceiver())
        receiver->retranslate();
    if (m_aboutView)
        m_aboutView->retranslate();
    if (m_updateView)
        m_updateView->retranslate();
    if (m_bugReportView)
        m_bugReportView->retranslate();
    if (m_privacyView)
        m_privacyView->retranslate();
    // A view open in its passing frame: the frame's title follows.
    for (QWidget *view : {static_cast<QWidget *>(m_aboutView), static_cast<QWidget *>(m_bugReportView),
                          static_cast<QWidget *>(m_privacyView)}) {
        if (auto *frame = view ? qobject_cast<CAbstractFrame *>(view->window()) : nullptr)
            frame->retranslateTitle();
    }
}
