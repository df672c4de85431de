// The main window's pages put together once after the form: the widgets,
// the region menus, the record-length popup, the connections; and the
// countdown before a recording by hand.
#include "mirelo.h"

#include "core/enginebinding.h"
#include "core/enviroment.h"
#include "core/levelmeters.h"
#include "areaselected.h"
#include "audiodevicelist.h"
#include "cameralist.h"
#include "camerawindow.h"
#include "countdownwindow.h"
#include "myframe.h"
#include "pagewidgets.h"
#include "recordlength.h"
#include "skinmanager.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QStackedWidget>
#include <QTimeEdit>

namespace {

// Hides the record-length popup when the user clicks anywhere else in the
// main window or the program loses the focus.
class PopupCloser : public QObject
{
public:
    PopupCloser(QWidget *mainWindow, RecordLength *popup) : QObject(popup), m_main(mainWindow), m_popup(popup) {}

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (!m_popup->isVisible())
            return false;
        if (event->type() == QEvent::ApplicationStateChange) {
            if (QGuiApplication::applicationState() != Qt::ApplicationActive)
                m_popup->hide();
        } else if (event->type() == QEvent::MouseButtonPress && watched->isWidgetType()) {
            QWidget *widget = static_cast<QWidget *>(watched);
            QWidget *top = widget->window();
            const bool inMain = top == m_main || top->isAncestorOf(m_main) || m_main->isAncestorOf(widget);
            if (inMain && !m_popup->isAncestorOf(widget) && widget != m_popup)
                m_popup->hide();
        }
        return false;
    }

private:
    QWidget *m_main;
    RecordLength *m_popup;
};

} // namespace

void Mirelo::initPages()
{
    if (m_pageWidgets)
        return;
    auto *w = new PageWidgets;
    if (!w->resolve(this)) {
        // No form: the pages stay inert.
        delete w;
        return;
    }
    m_pageWidgets = w;

    m_recordLength = new RecordLength(this);
    m_recordLength->hide();
    g_recordLength = m_recordLength;
    qApp->installEventFilter(new PopupCloser(this, m_recordLength));
    connect(m_recordLength, &RecordLength::stateChanged, this, &Mirelo::recordLengthStateChanged);
    recordLengthStateChanged(g_enviroment && g_enviroment->privateData->RecordLengthEnabled);

    // The sources as the lists kept them.
    if (g_systemSoundList) {
        w->sldSystemSound->setValue(g_systemSoundList->volume());
        w->chxSystemSound->setChecked(g_systemSoundList->isDeviceEnabled());
        setSystemSoundButtonImages(w->chxSystemSound->isChecked() ? 1 : 2);
    }
    if (g_microphoneList) {
        w->sldMicrophone->setValue(g_microphoneList->volume());
        w->chxMicrophone->setChecked(g_microphoneList->isDeviceEnabled());
        setMicrophoneButtonImages(w->chxMicrophone->isChecked() ? 1 : 2);
    }
    if (g_areaSelected && g_enviroment)
        g_areaSelected->setSelectedRect(g_enviroment->privateData->SelectedRect);
    createAreaMenus();
    fillRecConfigBoxes();
    doScreenCountChanged(0);
    connectPages();

    if (g_systemSoundList)
        slotSystemSoundDeviceChanged(false);
    if (g_microphoneList)
        slotMicrophoneDeviceChanged(false);
    slotCameraDeviceChanged(false);
    updateRecordButton();
}

void Mirelo::connectPages()
{
    PageWidgets *w = m_pageWidgets;
    if (g_enviroment)
        connect(g_enviroment->privateData, &DataGroupPrivate::screenCountChanged, this, &Mirelo::doScreenCountChanged);
    connect(w->btnRecVideo, &QAbstractButton::clicked, this, &Mirelo::slotShowRecVideoMenu);
    connect(w->btnRecLength, &QAbstractButton::clicked, this, &Mirelo::showRecordLength);
    connect(w->btnRecCamera, &QAbstractButton::clicked, this, &Mirelo::enterCameraPage);
    connect(w->btnRecAudio, &QAbstractButton::clicked, this, &Mirelo::enterAudioPage);
    connect(w->btnHome, &QAbstractButton::clicked, this, &Mirelo::enterHomePage);
    connect(w->chxSystemSound, &QCheckBox::toggled, this, &Mirelo::chxSystemSoundToggled);
    connect(w->chxMicrophone, &QCheckBox::toggled, this, &Mirelo::chxMicrophoneToggled);
    connect(w->chxCamera, &QCheckBox::toggled, this, &Mirelo::chxCameraToggled);
    connect(w->chxScreen, &QCheckBox::toggled, this, &Mirelo::chxScreenToggled);
    connect(w->chxRecordLength, &QCheckBox::toggled, this, &Mirelo::chxRecordLengthToggled);
    connect(w->btnSystemSound, &QAbstractButton::clicked, this, &Mirelo::btnSystemSoundClicked);
    connect(w->btnSystemSoundDrop, &QAbstractButton::clicked, this, &Mirelo::btnSystemSoundDropClicked);
    connect(w->btnMicrophone, &QAbstractButton::clicked, this, &Mirelo::btnMicrophoneClicked);
    connect(w->btnMicrophoneDrop, &QAbstractButton::clicked, this, &Mirelo::btnMicrophoneDropClicked);
    connect(w->btnCamera, &QAbstractButton::clicked, this, &Mirelo::btnCameraClicked);
    connect(w->btnCameraDrop, &QAbstractButton::clicked, this, &Mirelo::btnCameraDropClicked);
    if (g_areaSelected) {
        connect(g_areaSelected, &AreaSelected::selectedRectChanged, this, &Mirelo::slotSelectedRectChanged);
        connect(w->btnFullSize, &QAbstractButton::clicked, g_areaSelected, &AreaSelected::setFullScreen);
        connect(w->btnLockRatio, &QAbstractButton::clicked, g_areaSelected, &AreaSelected::setRatioLocked);
    }
    connect(w->btnCustomSize, &QAbstractButton::pressed, this, &Mirelo::btnCustomSizeClicked);
    if (g_cameraList) {
        connect(g_cameraList, &CameraList::cameraIndexChanged, this, &Mirelo::slotCameraIndexChanged,
                Qt::QueuedConnection);
        connect(g_cameraList, &CameraList::deviceChanged, this, &Mirelo::slotCameraDeviceChanged);
    }
    if (g_cameraWindow) {
        connect(g_cameraWindow, &CameraWindow::visibleChanged, this, &Mirelo::cameraWindowVisibleChanged);
        connect(g_cameraWindow, &CameraWindow::rectChanged, this, &Mirelo::cameraWindowRectChanged);
    }
    if (g_systemSoundList) {
        connect(g_systemSoundList, &AudioDeviceList::deviceChanged, this, &Mirelo::slotSystemSoundDeviceChanged);
        connect(g_systemSoundList, &AudioDeviceList::deviceIndexChanged, this, &Mirelo::slotSystemSoundIndexChanged);
        connect(w->sldSystemSound, &QSlider::valueChanged, g_systemSoundList, &AudioDeviceList::setAudioVolume);
    }
    if (g_microphoneList) {
        connect(g_microphoneList, &AudioDeviceList::deviceChanged, this, &Mirelo::slotMicrophoneDeviceChanged);
        connect(g_microphoneList, &AudioDeviceList::deviceIndexChanged, this, &Mirelo::slotMicrophoneIndexChanged);
        connect(w->sldMicrophone, &QSlider::valueChanged, g_microphoneList, &AudioDeviceList::setAudioVolume);
        // The list takes the toggle's choice after the toggle has finished.
        connect(this, &Mirelo::SigClickAudioListBtn, g_microphoneList, &AudioDeviceList::clickButton,
                Qt::QueuedConnection);
    }
    connect(this, &Mirelo::SigActiveMicro, this, [] { LevelMeters::reopen(MIRELO_DEVICE_MICROPHONE); },
            Qt::QueuedConnection);
    connect(w->cbxScreen, qOverload<int>(&QComboBox::currentIndexChanged), this, &Mirelo::cbxScreenCurrentIndexChanged);
    connect(w->cbxRecConfig, qOverload<int>(&QComboBox::currentIndexChanged), this, &Mirelo::slotRecConfigChange);
    connect(w->cbxSelectScreen, qOverload<int>(&QComboBox::currentIndexChanged), this,
            &Mirelo::slotSelectScreenChange);
    connect(w->btnRecLengthOK, &QAbstractButton::clicked, this, &Mirelo::saveRecLengthData);
}

// The outer frame's mode buttons follow the record page.
void Mirelo::frameSetMainFunMode()
{
    if (m_frame)
        m_frame->SetMainFunMode(1);
}

void Mirelo::frameScreenCaptureEnabled(bool enabled)
{
    if (m_frame)
        m_frame->setScreenCaptureEnabled(enabled);
}

bool Mirelo::runCountdown()
{
    if (!g_enviroment || !g_enviroment->recording()->ShowCountdown)
        return false;
    auto *countdown = new CountDownWindow(nullptr);
    countdown->setAttribute(Qt::WA_DeleteOnClose);
    countdown->setWindowTitle(windowTitle());
    m_countdown = countdown;
    // Escape ends it early; the recording starts all the same.
    connect(countdown, &QDialog::finished, this, &Mirelo::countdownEnded);
    countdown->show();
    if (countdown->isVisible())
        return true;
    // Nowhere to show it: the start goes on without.
    disconnect(countdown, nullptr, this, nullptr);
    m_countdown.clear();
    delete countdown;
    return false;
}
