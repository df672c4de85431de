// The main window's source toggles: webcam, system sound and microphone with
// their lists and the camera window, the privacy reactions, and the record
// length's popup and page.
#include "mirelo.h"

#include "core/enginebinding.h"
#include "core/enviroment.h"
#include "core/logfile.h"
#include "areaselected.h"
#include "audiodevicelist.h"
#include "cameralist.h"
#include "camerawindow.h"
#include "commondialog.h"
#include "pagerules.h"
#include "pagewidgets.h"
#include "privacyprompts.h"
#include "recordlength.h"
#include "recordlengthrules.h"
#include "skinmanager.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCursor>
#include <QGuiApplication>
#include <QRadioButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QSlider>
#include <QStackedWidget>
#include <QTimeEdit>
#include <QTimer>

namespace {

DataGroupPrivate *privateData()
{
    return g_enviroment ? g_enviroment->privateData : nullptr;
}

void runLogLine(const QString &text)
{
    if (g_runLog)
        g_runLog->write(0, text, true);
}

// A list opens with its top-left at the drop button's left edge, one pixel
// below it.
void dropListAt(QWidget *list, QWidget *frame, QWidget *button)
{
    if (!list)
        return;
    list->move(frame->mapToGlobal(QPoint(button->geometry().left(), button->geometry().bottom() + 1)));
    list->show();
}

} // namespace

// ---- camera ----

void Mirelo::chxCameraToggled(bool on)
{
    PageWidgets *w = m_pageWidgets;
    if (!w)
        return;
    if (on) {
        privacyprompts::setCamera(true);
        if (g_cameraList)
            g_cameraList->scanDevice();
        // The scan ran into a camera the user may not open.
        if (!privacyprompts::camera())
            return;
    } else if (m_recordMode == RecordModeCamera) {
        DataGroupOthers *others = g_enviroment ? g_enviroment->others() : nullptr;
        if (others && others->IsShowToAudioTips) {
            bool showAgain = true;
            const bool accepted = CommonDialog::showTip(
                this, tr("Record without Webcam will change to Record Audio mode, are you sure?"), &showAgain);
            if (accepted)
                others->setIsShowToAudioTips(showAgain);
            if (!accepted) {
                {
                    const QSignalBlocker block(w->chxCamera);
                    w->chxCamera->setChecked(true);
                }
                if (g_cameraList)
                    g_cameraList->checkCurrentDevice();
                return;
            }
        }
        enterAudioOnlyLayout();
        setRecConfigSilently(3);
        m_previousRecConfig = 3;
        if (hasCamera() && g_cameraWindow)
            g_cameraWindow->slotWidgetHide();
        updateRecordButton();
        return;
    }
    updateRecordButton();
    if (privateData())
        privateData()->CameraEnabled = on;
    if (on) {
        QTimer::singleShot(1, this, &Mirelo::showCameraWindow);
        setCameraButtonImages(1);
        if (g_cameraList)
            g_cameraList->checkCurrentDevice();
    } else {
        if (!m_cameraInternalChange && g_cameraWindow)
            g_cameraWindow->slotWidgetHide();
        setCameraButtonImages(2);
        if (g_cameraList)
            g_cameraList->setCheckedButton(CameraList::kWithoutId);
    }
}

void Mirelo::btnCameraClicked()
{
    if (m_pageWidgets)
        m_pageWidgets->chxCamera->toggle();
}

void Mirelo::btnCameraDropClicked()
{
    if (m_pageWidgets)
        dropListAt(g_cameraList, m_pageWidgets->fraCamera, m_pageWidgets->btnCameraDrop);
}

void Mirelo::showCameraWindow()
{
    // The camera may have been switched off again meanwhile.
    if (g_cameraWindow && m_pageWidgets && m_pageWidgets->chxCamera->isChecked())
        g_cameraWindow->show();
}

void Mirelo::hideCameraWindow()
{
    if (g_cameraWindow)
        g_cameraWindow->slotWidgetHide();
}

void Mirelo::slotCameraIndexChanged(int id)
{
    if (m_pageWidgets)
        m_pageWidgets->chxCamera->setChecked(id != CameraList::kWithoutId);
    if (g_cameraList)
        g_cameraList->hide();
}

void Mirelo::slotCameraDeviceChanged(bool)
{
    if (!m_pageWidgets)
        return;
    const bool any = hasCamera();
    m_pageWidgets->fraCamera->setEnabled(any);
    if (!any)
        hideCameraWindow();
}

void Mirelo::cameraWindowVisibleChanged(bool visible)
{
    PageWidgets *w = m_pageWidgets;
    if (!w || m_windowState != StateIdle)
        return;
    {
        const QSignalBlocker blockBox(w->chxCamera);
        const QSignalBlocker blockButton(w->btnCamera);
        w->chxCamera->setChecked(visible);
    }
    // The button's picture says what the box says.
    setCameraButtonImages(visible ? 1 : 2);
    updateRecordButton();
}

void Mirelo::cameraWindowRectChanged(const QRect &rect)
{
    if (m_windowState == StateIdle && privateData())
        privateData()->CameraRect = rect;
}

void Mirelo::switchCameraOff()
{
    m_cameraInternalChange = true;
    chxCameraToggled(false);
    m_cameraInternalChange = false;
    if (m_recordMode == RecordModeScreen && privateData())
        privateData()->CameraEnabled = false;
}

void Mirelo::closeCamera()
{
    switchCameraOff();
}

void Mirelo::privacyCloseCamera()
{
    if (!m_pageWidgets)
        return;
    if (m_recordMode != RecordModeScreen && m_recordMode != RecordModeCamera)
        return;
    // The camera window hid when the notice came, which unticked the box
    // already: the camera is switched off whether or not the box changes,
    // so that it stays off when the page is entered again.
    {
        const QSignalBlocker block(m_pageWidgets->chxCamera);
        m_pageWidgets->chxCamera->setChecked(false);
    }
    setCameraButtonImages(2);
    if (privateData())
        privateData()->CameraEnabled = false;
    if (g_cameraList)
        g_cameraList->setCheckedButton(CameraList::kWithoutId);
    if (g_cameraWindow && g_cameraWindow->isVisible())
        g_cameraWindow->slotWidgetHide();
    if (m_recordMode == RecordModeCamera)
        enterHomePage();
    else
        updateRecordButton();
}

// ---- sound ----

void Mirelo::chxSystemSoundToggled(bool on)
{
    PageWidgets *w = m_pageWidgets;
    if (!w)
        return;
    w->sldSystemSound->setEnabled(on);
    if (g_systemSoundList)
        g_systemSoundList->setDeviceEnabled(on);
    updateRecordButton();
    const QSignalBlocker block(w->btnSystemSound);
    setSystemSoundButtonImages(on ? 1 : 2);
    if (g_systemSoundList)
        g_systemSoundList->clickButton(on ? g_systemSoundList->currentIndex() : AudioDeviceList::kWithoutId);
}

void Mirelo::chxMicrophoneToggled(bool on)
{
    PageWidgets *w = m_pageWidgets;
    if (!w)
        return;
    if (!privacyprompts::microphone()) {
        if (m_microphoneInternalChange)
            m_microphoneInternalChange = false;
        else if (on)
            emit SigActiveMicro();
    }
    w->sldMicrophone->setEnabled(on);
    if (g_microphoneList)
        g_microphoneList->setDeviceEnabled(on);
    updateRecordButton();
    setMicrophoneButtonImages(on ? 1 : 2);
    emit SigClickAudioListBtn(on && g_microphoneList ? g_microphoneList->currentIndex() : AudioDeviceList::kWithoutId);
}

void Mirelo::btnSystemSoundClicked()
{
    if (m_pageWidgets)
        m_pageWidgets->chxSystemSound->toggle();
}

void Mirelo::btnMicrophoneClicked()
{
    if (m_pageWidgets)
        m_pageWidgets->chxMicrophone->toggle();
}

void Mirelo::btnSystemSoundDropClicked()
{
    if (m_pageWidgets)
        dropListAt(g_systemSoundList, m_pageWidgets->fraSystemSound, m_pageWidgets->btnSystemSoundDrop);
}

void Mirelo::btnMicrophoneDropClicked()
{
    if (m_pageWidgets)
        dropListAt(g_microphoneList, m_pageWidgets->fraMicrophone, m_pageWidgets->btnMicrophoneDrop);
}

void Mirelo::slotSystemSoundIndexChanged()
{
    PageWidgets *w = m_pageWidgets;
    if (w && !w->chxSystemSound->isChecked()) {
        w->chxSystemSound->setChecked(true);
        setSystemSoundButtonImages(1);
    }
    if (g_systemSoundList)
        g_systemSoundList->hide();
}

void Mirelo::slotMicrophoneIndexChanged()
{
    PageWidgets *w = m_pageWidgets;
    if (w && !w->chxMicrophone->isChecked()) {
        if (privacyprompts::microphone()) {
            w->chxMicrophone->setChecked(true);
            setMicrophoneButtonImages(1);
        } else if (g_microphoneList) {
            g_microphoneList->setCheckedButton(AudioDeviceList::kWithoutId);
            setMicrophoneButtonImages(2);
        }
    }
    if (g_microphoneList)
        g_microphoneList->hide();
}

void Mirelo::slotSystemSoundDeviceChanged(bool)
{
    if (m_pageWidgets)
        m_pageWidgets->fraSystemSound->setEnabled(g_systemSoundList && g_systemSoundList->deviceCount() > 0);
}

void Mirelo::slotMicrophoneDeviceChanged(bool)
{
    if (m_pageWidgets)
        m_pageWidgets->fraMicrophone->setEnabled(g_microphoneList && g_microphoneList->deviceCount() > 0);
}

void Mirelo::recordWithoutSystemSound()
{
    if (m_pageWidgets)
        m_pageWidgets->btnSystemSound->click();
    if (g_systemSoundList)
        g_systemSoundList->hide();
}

void Mirelo::recordWithoutMicrophone()
{
    if (m_pageWidgets)
        m_pageWidgets->btnMicrophone->click();
    if (g_microphoneList)
        g_microphoneList->hide();
}

void Mirelo::privacyCloseMicrophone()
{
    PageWidgets *w = m_pageWidgets;
    if (!w)
        return;
    m_microphoneInternalChange = true;
    if (w->chxMicrophone->isChecked()) {
        // The toggle reaches the same state as the steps below.
        w->chxMicrophone->setChecked(false);
    } else {
        if (!privacyprompts::microphone())
            m_microphoneInternalChange = false;
        w->sldMicrophone->setEnabled(false);
        if (g_microphoneList)
            g_microphoneList->setDeviceEnabled(false);
        updateRecordButton();
        setMicrophoneButtonImages(2);
        emit SigClickAudioListBtn(AudioDeviceList::kWithoutId);
    }
    if (w->chxCamera->isChecked() && !privacyprompts::camera()) {
        runLogLine(QStringLiteral("PrivacyCloseMicroDevice to close camera begin"));
        privacyCloseCamera();
        runLogLine(QStringLiteral("PrivacyCloseMicroDevice to close camera finish"));
    }
}

// ---- record length ----

bool Mirelo::isCursorOverRecordLengthButton() const
{
    if (!m_pageWidgets)
        return false;
    const QWidget *button = m_pageWidgets->btnRecLength;
    const QRect area(button->mapToGlobal(QPoint(0, 0)), QSize(int(180 * g_dscale), int(24 * g_dscale)));
    return area.contains(QCursor::pos());
}

void Mirelo::showRecordLength()
{
    if (!m_pageWidgets || !m_recordLength)
        return;
    if (m_recordLength->isOpen()) {
        m_recordLength->setOpen(false);
        m_recordLength->hide();
        return;
    }
    m_recordLength->setOpen(true);
    QWidget *button = m_pageWidgets->btnRecLength;
    const QScreen *screen = QGuiApplication::primaryScreen();
    const int available = screen ? screen->availableVirtualGeometry().height() : INT_MAX;
    m_recordLength->move(pages::popupPosition(button->mapToGlobal(button->pos()), button->size(),
                                              m_recordLength->height(), available));
    m_recordLength->show();
    m_recordLength->raise();
}

void Mirelo::chxRecordLengthToggled(bool on)
{
    PageWidgets *w = m_pageWidgets;
    if (!w)
        return;
    for (QWidget *c : {static_cast<QWidget *>(w->edtRecordLength), static_cast<QWidget *>(w->chxShutdown),
                       static_cast<QWidget *>(w->rdoThisTime), static_cast<QWidget *>(w->rdoEachTime)})
        c->setEnabled(on);
}

void Mirelo::loadRecLengthPage()
{
    PageWidgets *w = m_pageWidgets;
    if (privateData())
        recordlength::loadControls(privateData(), w->chxRecordLength, w->edtRecordLength, w->chxShutdown,
                                   w->rdoThisTime, w->rdoEachTime);
}

void Mirelo::storeRecLengthPage()
{
    PageWidgets *w = m_pageWidgets;
    if (privateData())
        recordlength::storeControls(privateData(), w->chxRecordLength, w->edtRecordLength, w->chxShutdown,
                                    w->rdoEachTime, this, m_exiting);
}

// Stores the record-length page and brings the button's "ON"/"OFF" in line.
void Mirelo::applyRecLengthPage()
{
    storeRecLengthPage();
    const bool enabled = privateData() && privateData()->RecordLengthEnabled;
    if (enabled != m_recordLengthShown) {
        m_recordLengthShown = enabled;
        recordLengthStateChanged(enabled);
    }
}

// OK on the record-length page: store, and back to the record page with the
// button's text up to date.
void Mirelo::saveRecLengthData()
{
    if (!m_pageWidgets)
        return;
    applyRecLengthPage();
    // Stored already: leaving the page must not store again.
    m_pageWidgets->staStatusWidget->setCurrentIndex(0);
    m_pageWidgets->stackedWidget->setCurrentIndex(1);
    frameSetMainFunMode();
}
