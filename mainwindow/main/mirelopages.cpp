// The main window's pages: home and record page with their slide, the record
// mode and the record-configuration box, the region menus and actions, the
// two screen boxes and the record button's rule.
#include "mirelo.h"

#include "core/enviroment.h"
#include "areaselected.h"
#include "areaselecting.h"
#include "cameralist.h"
#include "camerawindow.h"
#include "commondialog.h"
#include "myframe.h"
#include "pagerules.h"
#include "pagewidgets.h"
#include "privacyprompts.h"
#include "recordlength.h"
#include "regionscreens.h"
#include "skinmanager.h"
#include "taskschedulelist.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QListView>
#include <QMenu>
#include <QParallelAnimationGroup>
#include <QPropertyAnimation>
#include <QScreen>
#include <QSignalBlocker>
#include <QStackedWidget>
#include <QTimer>

namespace {

constexpr int kSlideMs = 300;

DataGroupPrivate *privateData()
{
    return g_enviroment ? g_enviroment->privateData : nullptr;
}

// The selected screen of the private settings (the whole desktop for -1).
QRect selectedScreen()
{
    const DataGroupPrivate *data = privateData();
    const QRect r = data ? data->selectedScreenGeometry() : QRect();
    return r.isValid() ? r : region::desktop();
}

int screenCount()
{
    return QGuiApplication::screens().size();
}

} // namespace

// ---- pages ----

void Mirelo::updateRecordButton()
{
    PageWidgets *w = m_pageWidgets;
    if (!w)
        return;
    w->btnRecord->setEnabled(pages::recordButtonEnabled(m_recordMode, w->chxScreen->isChecked(),
                                                        w->chxCamera->isChecked(), w->chxSystemSound->isChecked(),
                                                        w->chxMicrophone->isChecked()));
}

// Sound alone: no region, no recording configuration, no camera controls.
void Mirelo::enterAudioOnlyLayout()
{
    m_recordMode = RecordModeAudio;
    if (g_areaSelected)
        g_areaSelected->hide();
    m_pageWidgets->staRecConfigWidget->hide();
    m_pageWidgets->fraCamera->hide();
    m_pageWidgets->line_7->hide();
}

void Mirelo::enterHomePage()
{
    PageWidgets *w = m_pageWidgets;
    if (!w)
        return;
    QWidget *leaving = w->stackedWidget->currentWidget();
    m_recordMode = RecordModeNone;
    if (g_areaSelected && privateData()) {
        g_areaSelected->setSelectedRect(privateData()->SelectedRect);
        g_areaSelected->hide();
    }
    w->staStatusWidget->setCurrentIndex(0);
    if (g_cameraWindow)
        g_cameraWindow->slotWidgetHide();
    slidePages(true, leaving);
    if (m_frame)
        m_frame->setMainTitle(1);
    recordLengthStateChanged(privateData() && privateData()->RecordLengthEnabled);
    if (g_taskScheduleList)
        taskScheduleStateChanged(g_taskScheduleList->anyEnabled());
    waterMarkStateChanged(privateData() && privateData()->WatermarkType != 0);
    updateRecordButton();
}

void Mirelo::enterVideoPage()
{
    PageWidgets *w = m_pageWidgets;
    if (!w)
        return;
    QWidget *leaving = w->stackedWidget->currentWidget();
    m_recordMode = RecordModeScreen;
    w->fraCamera->show();
    w->line_7->show();
    reapplyAudioToggles();
    frameSetMainFunMode();
    w->staStatusWidget->setCurrentIndex(0);
    w->chxScreen->setEnabled(true);
    setScreenChecked(true);
    setCameraBoxFromSettings();
    updateRecordButton();
    if (g_cameraWindow)
        g_cameraWindow->setCloseButtonVisible(true);
    slidePages(false, leaving);
    if (m_frame)
        m_frame->setMainTitle(1);
    frameScreenCaptureEnabled(true);
}

void Mirelo::enterCameraPage()
{
    PageWidgets *w = m_pageWidgets;
    if (!w)
        return;
    if (!hasCamera()) {
        CommonDialog::showWarning(this, tr("No webcam detected."));
        return;
    }
    QWidget *leaving = w->stackedWidget->currentWidget();
    if (g_cameraList->deviceCount() > 1) {
        g_cameraList->move(pages::menuPoint(w->btnRecCamera->mapToGlobal(w->btnRecCamera->pos()),
                                            w->btnRecCamera->size()));
        g_cameraList->show();
    }
    privacyprompts::setCamera(true);
    g_cameraList->scanDevice();
    if (privacyprompts::camera()) {
        updateRecordButton();
        if (privateData())
            privateData()->CameraEnabled = true;
        QTimer::singleShot(1, this, &Mirelo::showCameraWindow);
        setCameraButtonImages(1);
        g_cameraList->checkCurrentDevice();
    }
    slotRecConfigChange(2);
    setRecConfigSilently(2);
    w->fraCamera->show();
    w->line_7->show();
    reapplyAudioToggles();
    w->chxScreen->setChecked(false);
    w->chxScreen->setEnabled(false);
    chxScreenToggled(false);
    slidePages(false, leaving);
    frameSetMainFunMode();
    if (m_frame)
        m_frame->setMainTitle(1);
    if (g_cameraWindow) {
        g_cameraWindow->setCloseButtonVisible(false);
        g_cameraWindow->show();
    }
    frameScreenCaptureEnabled(false);
}

void Mirelo::enterAudioPage()
{
    PageWidgets *w = m_pageWidgets;
    if (!w)
        return;
    QWidget *leaving = w->stackedWidget->currentWidget();
    m_recordMode = RecordModeAudio;
    reapplyAudioToggles();
    slidePages(false, leaving);
    frameSetMainFunMode();
    frameScreenCaptureEnabled(false);
    w->chxScreen->setChecked(false);
    chxScreenToggled(false);
    w->chxCamera->setChecked(false);
    chxCameraToggled(false);
    if (m_frame)
        m_frame->setMainTitle(1);
    updateRecordButton();
    w->fraCamera->hide();
    w->line_7->hide();
    setRecConfigSilently(3);
    m_previousRecConfig = 3;
}

// The picture of the page being left slides out while the new page slides
// in; nothing moves when the target page already shows.
void Mirelo::slidePages(bool toHome, QWidget *leaving)
{
    PageWidgets *w = m_pageWidgets;
    const int target = toHome ? 0 : 1;
    QWidget *targetPage = w->stackedWidget->widget(target);
    if (!leaving || leaving == targetPage || !isVisible()) {
        w->stackedWidget->setCurrentIndex(target);
        return;
    }
    delete m_slideLabel;
    m_slideLabel = new QLabel(this);
    const QRect r(leaving->mapTo(this, QPoint(0, 0)), leaving->size());
    m_slideLabel->setPixmap(leaving->grab());
    m_slideLabel->setGeometry(r);
    m_slideLabel->show();
    m_slideLabel->raise();
    w->stackedWidget->setCurrentIndex(target);

    const int dx = toHome ? r.width() : -r.width();
    auto *group = new QParallelAnimationGroup(this);
    auto *out = new QPropertyAnimation(m_slideLabel, "geometry", group);
    out->setDuration(kSlideMs);
    out->setStartValue(r);
    out->setEndValue(r.translated(dx, 0));
    const QRect page = targetPage->geometry();
    auto *in = new QPropertyAnimation(targetPage, "geometry", group);
    in->setDuration(kSlideMs);
    in->setStartValue(page.translated(-dx, 0));
    in->setEndValue(page);
    group->addAnimation(out);
    group->addAnimation(in);
    connect(out, &QPropertyAnimation::finished, this, &Mirelo::animationFinished);
    connect(group, &QParallelAnimationGroup::finished, this, &Mirelo::animationGroupFinished);
    group->start();
}

void Mirelo::animationFinished()
{
    delete m_slideLabel;
    m_slideLabel = nullptr;
}

void Mirelo::animationGroupFinished()
{
    if (QObject *group = sender())
        group->deleteLater();
}

void Mirelo::setMainFunMode(int page)
{
    PageWidgets *w = m_pageWidgets;
    if (!w)
        return;
    const int current = w->stackedWidget->currentIndex();
    if (page == 2) {
        if (current == 2)
            return;
        loadRecLengthPage();
        m_recordLengthShown = privateData() && privateData()->RecordLengthEnabled;
        w->staStatusWidget->setCurrentIndex(1);
        w->stackedWidget->setCurrentIndex(2);
        return;
    }
    if (current != 2) {
        w->stackedWidget->setCurrentIndex(page);
        return;
    }
    applyRecLengthPage();
    w->staStatusWidget->setCurrentIndex(0);
    w->stackedWidget->setCurrentIndex(page);
}

// ---- record configuration ----

void Mirelo::setRecConfigSilently(int index)
{
    const QSignalBlocker block(m_pageWidgets->cbxRecConfig);
    m_pageWidgets->cbxRecConfig->setCurrentIndex(index);
}

bool Mirelo::hasCamera() const
{
    return g_cameraList && g_cameraList->deviceCount() > 0;
}

void Mirelo::setScreenChecked(bool on)
{
    {
        const QSignalBlocker block(m_pageWidgets->chxScreen);
        m_pageWidgets->chxScreen->setChecked(on);
    }
    chxScreenToggled(on);
}

void Mirelo::setCameraBoxFromSettings()
{
    PageWidgets *w = m_pageWidgets;
    w->chxCamera->setEnabled(privateData() && privateData()->CameraEnabled && hasCamera());
    chxCameraToggled(w->chxCamera->isChecked());
}

void Mirelo::reapplyAudioToggles()
{
    chxSystemSoundToggled(m_pageWidgets->chxSystemSound->isChecked());
    chxMicrophoneToggled(m_pageWidgets->chxMicrophone->isChecked());
}

// The full-screen region picker, modal; false when cancelled.
bool Mirelo::pickRegion(QRect *picked)
{
    if (!region::screenReadable(this))
        return false;
    m_windowState = StatePicking;
    AreaSelecting::hideForPicture({g_areaSelected, m_frame});
    AreaSelecting picker(nullptr);
    const bool ok = picker.exec() == QDialog::Accepted && picker.selectedRect().width() >= 1
                    && picker.selectedRect().height() >= 1;
    *picked = picker.selectedRect();
    m_windowState = StateIdle;
    if (m_frame)
        m_frame->showNormal();
    return ok;
}

void Mirelo::slotRecConfigChange(int index)
{
    PageWidgets *w = m_pageWidgets;
    if (!w)
        return;
    switch (index) {
    case 0:
    case 1: {
        m_recordMode = RecordModeScreen;
        if (index == 0) {
            w->staRecConfigWidget->setCurrentIndex(0);
            w->staRecConfigWidget->setVisible(screenCount() > 1);
        } else {
            w->staRecConfigWidget->setCurrentIndex(1);
            w->staRecConfigWidget->show();
        }
        w->fraCamera->show();
        if (index == 0)
            slotSelectScreenChange(0);
        w->line_7->show();
        reapplyAudioToggles();
        w->staStatusWidget->setCurrentIndex(0);
        w->chxScreen->setEnabled(true);
        setScreenChecked(true);
        w->chxCamera->setEnabled(privateData() && privateData()->CameraEnabled && hasCamera());
        if (g_cameraWindow)
            g_cameraWindow->setCloseButtonVisible(true);
        chxCameraToggled(w->chxCamera->isChecked());
        updateRecordButton();
        frameScreenCaptureEnabled(true);
        if (index == 0) {
            if (g_areaSelected) {
                g_areaSelected->setFullScreenMode(true);
                g_areaSelected->show();
            }
            break;
        }
        if (g_areaSelected)
            g_areaSelected->show();
        if (w->stackedWidget->currentIndex() != 1)
            break;
        QRect picked;
        if (!pickRegion(&picked)) {
            setRecConfigSilently(m_previousRecConfig);
            return;
        }
        if (g_areaSelected) {
            g_areaSelected->setSelectedRect(picked);
            g_areaSelected->show();
        }
        slotSelectedRectChanged(picked);
        if (g_areaSelected)
            g_areaSelected->setFullScreenMode(false);
        break;
    }
    case 2:
        if (!hasCamera()) {
            CommonDialog::showWarning(this, tr("No webcam detected."));
            setRecConfigSilently(m_previousRecConfig);
            return;
        }
        if (g_cameraWindow)
            g_cameraWindow->setCloseButtonVisible(false);
        w->chxCamera->setChecked(true);
        w->staRecConfigWidget->hide();
        w->fraCamera->show();
        w->line_7->show();
        if (g_areaSelected)
            g_areaSelected->hide();
        reapplyAudioToggles();
        w->chxScreen->setChecked(false);
        w->chxScreen->setEnabled(false);
        chxScreenToggled(false);
        // The mode first: the engine may refuse the camera while the window
        // shows, and the privacy notice is for the webcam modes only.
        m_recordMode = RecordModeCamera;
        if (g_cameraWindow)
            g_cameraWindow->show();
        frameScreenCaptureEnabled(false);
        updateRecordButton();
        break;
    case 3:
        if (m_recordMode != RecordModeAudio)
            reapplyAudioToggles();
        enterAudioOnlyLayout();
        w->chxScreen->setChecked(false);
        chxScreenToggled(false);
        w->chxCamera->setChecked(false);
        if (hasCamera() && g_cameraWindow)
            g_cameraWindow->slotWidgetHide();
        frameScreenCaptureEnabled(false);
        updateRecordButton();
        break;
    default:
        return;
    }
    m_previousRecConfig = w->cbxRecConfig->currentIndex();
}

// ---- region menus ----

void Mirelo::createAreaMenus()
{
    m_areaMenu = new QMenu(this);
    m_fullScreenMenu = new QMenu(m_areaMenu);
    m_fixedMenu = new QMenu(m_areaMenu);
    connect(m_fullScreenMenu, &QMenu::triggered, this, &Mirelo::slotFullScreenMenu);
    m_actFullScreen = new QAction(this);
    connect(m_actFullScreen, &QAction::triggered, this, &Mirelo::actFullScreenTriggered);
    m_actSelectArea = new QAction(this);
    connect(m_actSelectArea, &QAction::triggered, this, &Mirelo::actSelectAreaTriggered);
    m_actScreenSize = new QAction(this);
    connect(m_actScreenSize, &QAction::triggered, this, &Mirelo::actFullScreenTriggered);
    m_actCustomize = new QAction(this);
    connect(m_actCustomize, &QAction::triggered, this, &Mirelo::actShowCustomSelectArea);
    m_actLastRect = new QAction(this);
    connect(m_actLastRect, &QAction::triggered, this, &Mirelo::actLastRectTriggered);
    retranslateAreaMenus();
}

// Builds (or rebuilds after a language change or a new screen) the menus in
// their fixed order; every entry keeps its handler.
void Mirelo::retranslateAreaMenus()
{
    if (!m_areaMenu)
        return;
    m_areaMenu->clear();
    m_fullScreenMenu->clear();
    const int count = screenCount();
    if (count == 1) {
        m_actFullScreen->setText(tr("Full Screen"));
        m_areaMenu->addAction(m_actFullScreen);
    } else if (count > 1) {
        m_fullScreenMenu->setTitle(tr("Full Screen"));
        // Each entry carries its screen index: the text may be anything.
        for (int index : pages::screenChoices(count)) {
            QAction *a = m_fullScreenMenu->addAction(index < 0 ? tr("All Display") : tr("Display %1").arg(index + 1));
            a->setData(index);
        }
        m_areaMenu->addMenu(m_fullScreenMenu);
    }
    m_actSelectArea->setText(tr("Select region/window"));
    m_areaMenu->addAction(m_actSelectArea);

    m_fixedMenu->clear();
    qDeleteAll(m_presetActions);
    m_presetActions.clear();
    m_fixedMenu->setTitle(tr("Fixed region"));
    const QRect screen = selectedScreen();
    m_actScreenSize->setText(tr("%1x%2 (FullScreen)").arg(screen.width()).arg(screen.height()));
    m_fixedMenu->addAction(m_actScreenSize);
    for (const pages::Preset &p : pages::fixedPresets(screen.size())) {
        if (p.separated)
            m_fixedMenu->addSeparator();
        auto *a = new QAction(p.text, this);
        const QSize size = p.size;
        connect(a, &QAction::triggered, this, [this, size] { fixedSizeChosen(size.width(), size.height()); });
        m_presetActions.append(a);
        m_fixedMenu->addAction(a);
    }
    m_actCustomize->setText(tr("Customize"));
    m_fixedMenu->addAction(m_actCustomize);
    m_areaMenu->addMenu(m_fixedMenu);
    m_actLastRect->setText(tr("Recently used size"));
    m_areaMenu->addAction(m_actLastRect);
}

void Mirelo::slotShowRecVideoMenu()
{
    PageWidgets *w = m_pageWidgets;
    if (!w || !m_areaMenu)
        return;
    // The fixed sizes follow the screen chosen now.
    retranslateAreaMenus();
    m_areaMenu->popup(pages::menuPoint(w->btnRecVideo->mapToGlobal(w->btnRecVideo->pos()), w->btnRecVideo->size()));
}

// ---- region actions ----

void Mirelo::actFullScreenTriggered()
{
    if (!m_pageWidgets)
        return;
    enterVideoPage();
    if (g_areaSelected) {
        g_areaSelected->setFullScreen();
        g_areaSelected->show();
    }
    m_pageWidgets->cbxRecConfig->setCurrentIndex(0);
    if (g_areaSelected)
        g_areaSelected->setFullScreenMode(true);
}

void Mirelo::setAreaSize(int width, int height)
{
    if (g_areaSelected)
        g_areaSelected->setSelectedRect(pages::centredArea(QSize(width, height), selectedScreen()));
}

void Mirelo::fixedSizeChosen(int width, int height)
{
    PageWidgets *w = m_pageWidgets;
    if (!w)
        return;
    enterVideoPage();
    setAreaSize(width, height);
    if (g_areaSelected) {
        g_areaSelected->show();
        g_areaSelected->setFullScreenMode(false);
    }
    w->staRecConfigWidget->setCurrentIndex(1);
    w->staRecConfigWidget->show();
    setRecConfigSilently(1);
    m_previousRecConfig = 1;
}

void Mirelo::act1920_1080Triggered() { fixedSizeChosen(1920, 1080); }
void Mirelo::act1280_720Triggered() { fixedSizeChosen(1280, 720); }
void Mirelo::act854_480Triggered() { fixedSizeChosen(854, 480); }
void Mirelo::act1024_768Triggered() { fixedSizeChosen(1024, 768); }
void Mirelo::act640_480Triggered() { fixedSizeChosen(640, 480); }

void Mirelo::actLastRectTriggered()
{
    PageWidgets *w = m_pageWidgets;
    if (!w)
        return;
    enterVideoPage();
    if (g_areaSelected && privateData()) {
        g_areaSelected->setSelectedRect(privateData()->SelectedRect);
        g_areaSelected->show();
    }
    w->staRecConfigWidget->setCurrentIndex(1);
    w->staRecConfigWidget->show();
    setRecConfigSilently(1);
    m_previousRecConfig = 1;
    if (g_areaSelected)
        g_areaSelected->setFullScreenMode(false);
}

void Mirelo::actSelectAreaTriggered()
{
    PageWidgets *w = m_pageWidgets;
    if (!w)
        return;
    QRect picked;
    if (!pickRegion(&picked))
        return;
    if (g_areaSelected) {
        g_areaSelected->setSelectedRect(picked);
        g_areaSelected->show();
    }
    slotSelectedRectChanged(picked);
    w->staRecConfigWidget->setCurrentIndex(1);
    w->staRecConfigWidget->show();
    setRecConfigSilently(1);
    m_previousRecConfig = 1;
    if (g_areaSelected)
        g_areaSelected->setFullScreenMode(false);
    enterVideoPage();
}

// A display choice by its screen index (-1: all of them).
void Mirelo::applyScreenChoice(int screenIndex)
{
    DataGroupPrivate *data = privateData();
    if (!data)
        return;
    if (screenIndex >= 0 && screenIndex < screenCount()) {
        data->ScreenIndex = screenIndex;
        if (g_areaSelected) {
            g_areaSelected->setScreenRect(region::desktop());
            g_areaSelected->setSelectedRect(data->selectedScreenGeometry());
        }
    } else {
        data->ScreenIndex = -1;
        if (g_areaSelected)
            g_areaSelected->setFullScreen();
    }
}

void Mirelo::slotFullScreenMenu(QAction *action)
{
    PageWidgets *w = m_pageWidgets;
    if (!w || !action)
        return;
    enterVideoPage();
    if (g_areaSelected)
        g_areaSelected->setFullScreenMode(true);
    const int index = action->data().toInt();
    applyScreenChoice(index);
    {
        const QSignalBlocker block(w->cbxSelectScreen);
        w->cbxSelectScreen->setCurrentIndex(qMax(0, w->cbxSelectScreen->findData(index)));
    }
    if (g_areaSelected)
        slotSelectedRectChanged(g_areaSelected->selectedRect());
    w->staRecConfigWidget->setCurrentIndex(0);
    w->staRecConfigWidget->setVisible(screenCount() != 1);
    w->cbxRecConfig->setCurrentIndex(0);
}

void Mirelo::slotSelectScreenChange(int)
{
    PageWidgets *w = m_pageWidgets;
    if (!w)
        return;
    const QVariant data = w->cbxSelectScreen->currentData();
    applyScreenChoice(data.isValid() ? data.toInt() : -1);
}

// ---- screen boxes ----

void Mirelo::fillRecConfigBoxes()
{
    PageWidgets *w = m_pageWidgets;
    {
        const QSignalBlocker block(w->cbxRecConfig);
        if (!qobject_cast<QListView *>(w->cbxRecConfig->view()))
            w->cbxRecConfig->setView(new QListView(w->cbxRecConfig));
        w->cbxRecConfig->clear();
        w->cbxRecConfig->addItems({tr("Record Full Screen"), tr("Record Area"), tr("Record Camera"), tr("Record Audio")});
        w->cbxRecConfig->setCurrentIndex(0);
    }
    const QSignalBlocker block(w->cbxSelectScreen);
    w->cbxSelectScreen->clear();
    for (int index : pages::screenChoices(screenCount()))
        w->cbxSelectScreen->addItem(index < 0 ? tr("All Display") : tr("Display %1").arg(index + 1), index);
}

void Mirelo::doScreenCountChanged(int)
{
    PageWidgets *w = m_pageWidgets;
    if (!w)
        return;
    const int count = screenCount();
    const int stored = privateData() ? privateData()->ScreenIndex : -1;
    {
        const QSignalBlocker block(w->cbxScreen);
        w->cbxScreen->clear();
        for (int index : pages::screenChoices(count))
            w->cbxScreen->addItem(index < 0 ? QStringLiteral("All DISPLAY") : tr("DISPLAY %1").arg(index + 1), index);
        w->cbxScreen->setCurrentIndex(qMax(0, w->cbxScreen->findData(stored)));
    }
    fillRecConfigBoxes();
    setRecConfigSilently(m_previousRecConfig);
    retranslateAreaMenus();
}

void Mirelo::cbxScreenCurrentIndexChanged(int index)
{
    PageWidgets *w = m_pageWidgets;
    DataGroupPrivate *data = privateData();
    if (!w || index < 0 || !data)
        return;
    const int screenIndex = w->cbxScreen->itemData(index).toInt();
    data->ScreenIndex = screenIndex;
    if (!g_areaSelected)
        return;
    if (w->btnFullSize->isChecked()) {
        g_areaSelected->setFullScreen();
        return;
    }
    if (screenIndex == -1) {
        g_areaSelected->setScreenRect(region::desktop());
        return;
    }
    g_areaSelected->setSelectedRect(
        pages::moveOntoScreen(g_areaSelected->localSelectedRect(), data->screenGeometry(screenIndex)));
}

void Mirelo::slotSelectedRectChanged(const QRect &rect)
{
    PageWidgets *w = m_pageWidgets;
    if (!w || m_windowState != StateIdle)
        return;
    w->lblSelectedWidth->setText(QString::number(rect.width()));
    w->lblSelectedHeight->setText(QString::number(rect.height()));
    if (g_areaSelected && g_areaSelected->isFullScreen())
        w->btnFullSize->setChecked(true);
    else
        w->btnCustomSize->setChecked(true);
    if (privateData())
        privateData()->SelectedRect = rect;
}

void Mirelo::chxScreenToggled(bool on)
{
    PageWidgets *w = m_pageWidgets;
    if (!w)
        return;
    if (g_areaSelected)
        g_areaSelected->setVisible(on);
    for (QWidget *child : w->fraScreen->findChildren<QWidget *>()) {
        if (child != w->chxScreen)
            child->setEnabled(on);
    }
    updateRecordButton();
    if (privateData())
        privateData()->ScreenEnabled = on;
}

void Mirelo::btnCustomSizeClicked()
{
    // The custom-size button's own menu: the frame's size presets.
    if (g_areaSelected && g_areaSelected->sizeMenu() && m_pageWidgets)
        g_areaSelected->sizeMenu()->popup(
            m_pageWidgets->btnCustomSize->mapToGlobal(QPoint(0, m_pageWidgets->btnCustomSize->height())));
}

void Mirelo::enterCustomSizeRegion()
{
    if (!m_pageWidgets)
        return;
    enterVideoPage();
    setRecConfigSilently(1);
    m_previousRecConfig = 1;
}
