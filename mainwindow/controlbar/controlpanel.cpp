// The window half of the control bar: its form, button images, tool pages,
// screenshot and placement.
#include "controlpanel.h"
#include "ui_controlpanel.h"

#include "areaselected.h"
#include "audiodevicelist.h"
#include "cameralist.h"
#include "camerawindow.h"
#include "commondialog.h"
#include "enviroment.h"
#include "formatting.h"
#include "framelessdrag.h"
#include "graphiceditor.h"
#include "historylist.h"
#include "picturefile.h"
#include "desktopoverlay.h"
#include "stackingrule.h"
#include "regiongeometry.h"
#include "regionscreens.h"
#include "skinmanager.h"

#include <QBitmap>
#include <QButtonGroup>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPropertyAnimation>
#include <QRegularExpression>

namespace {

constexpr int BAR_WIDTH = 710;
constexpr int BAR_HEIGHT = 50;
constexpr int OPEN_HEIGHT = 172;
constexpr int CORNER_RADIUS = 10; // not scaled

QPixmap skinImage(const QString &name, int size)
{
    const QPixmap pixmap(SkinManager::instance()->skinPath() + QStringLiteral("image/") + name + QStringLiteral(".png"));
    if (pixmap.isNull())
        return pixmap;
    const int side = scaled(size);
    return pixmap.scaled(side, side, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

QBitmap roundedMask(const QSize &size)
{
    QBitmap mask(size);
    mask.fill(Qt::color0);
    QPainter painter(&mask);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath path;
    path.addRoundedRect(QRectF(QPointF(0, 0), QSizeF(size)), CORNER_RADIUS, CORNER_RADIUS);
    painter.fillPath(path, Qt::color1);
    return mask;
}

} // namespace

ControlPanel::ControlPanel(QWidget *parent, TaskScheduleItem *item)
    : QDialog(parent)
    , ui(new Ui::ControlPanelClass)
    , m_item(item)
{
    ui->setupUi(this);
    // The main window gives the bar its own title; this stands until then.
    setWindowTitle(QCoreApplication::applicationName());
    loadButtonImages();
    setScaledSizes();
    setStyleKeys();

    // The job's sources, copied: what the recording does no longer depends
    // on later changes to the job.
    if (item) {
        m_recordSource = *item->recordSource();
        // A device gone since the job was made: its kind's default records.
        QVector<RecordSource::DeviceChange> changes;
        m_recordSource.useDefaultDevices(&changes);
        // A scheduled job is told what it recorded instead (a recording by
        // hand shows its sources in the main window); where nothing can be
        // recorded the failed start says so instead.
        if (!item->name().isEmpty() && m_recordSource.recordType() != RecordTypeNone)
            m_sourcesChanged = sourcesChangedText(changes);
        m_recordLength = item->recordLengthMsecs();
        if (item->stopType() == TaskScheduleItem::StopByLength && item->loop() > 0)
            m_loopCount = item->loop();
    }
    m_recordType = m_recordSource.recordType();

    m_graphicEditor = new GraphicEditor(ui->pageGraphicEditor, g_areaSelected);
    m_graphicEditor->setScreenshotMode(false);
    ui->pageGraphicEditor->layout()->addWidget(m_graphicEditor);

    // Over the desktop, above its panels: it shows without taking the
    // keyboard from the program being recorded, and takes it once clicked.
    DesktopOverlay::make(this, DesktopOverlay::FocusOnClick);
    stacking::keepAbove(this);
    setAttribute(Qt::WA_DeleteOnClose);
    m_drag = new FramelessDrag(this);
    m_drag->addHandle(this);

    updateToolPageHeight();
    fillLengthFields(true);
    chxRecordLengthToggled(ui->chxRecordLength->isChecked());
    ui->chxShutdownWhenEnds->setChecked(item && item->shutdown());
    ui->btnCamera->setEnabled(g_cameraList && g_cameraList->deviceCount() > 0 && g_enviroment
                              && g_enviroment->privateData->CameraEnabled);
    ui->btnCamera->setChecked(g_cameraWindow && g_cameraWindow->isVisible());
    connectButtons();
    ui->btnResume->hide();
    setCameraButtonStyle(false); // startRecord() sets the one of the recording's kind

    applyRecordSource();
    applyAudioControls();
    if (m_recordType == RecordTypeScreen && g_areaSelected && g_enviroment) {
        g_areaSelected->setRecordingMode(true);
        g_areaSelected->show();
        g_areaSelected->setShowBoundary(g_enviroment->recording()->ShowBoundary);
        g_areaSelected->setAllowMoveRegion(g_enviroment->recording()->AllowMoveRegion);
    }
    if (g_cameraWindow && g_cameraWindow->isVisible())
        g_cameraWindow->setStickyOnTop(true);
    if (g_areaSelected)
        connect(g_areaSelected, &AreaSelected::selectedRectChanged, this, &ControlPanel::AreaSelectedRectChanged);
    retranslate();
    ui->btnClose->hide();
}

ControlPanel::~ControlPanel()
{
    delete ui;
}

void ControlPanel::connectButtons()
{
    connect(ui->chxRecordLength, &QCheckBox::toggled, this, &ControlPanel::chxRecordLengthToggled);
    connect(ui->chxShutdownWhenEnds, &QCheckBox::toggled, this, &ControlPanel::chxShutdownWhenEndsToggled);
    connect(ui->btnModify, &QPushButton::clicked, this, [this] { editRecordLength(); });
    connect(ui->btnGrpTools, QOverload<QAbstractButton *>::of(&QButtonGroup::buttonClicked), this,
            &ControlPanel::btnGrpToolsClicked);
    connect(ui->btnCamera, &QToolButton::clicked, this, &ControlPanel::btnCameraClicked);
    connect(ui->btnPause, &QPushButton::clicked, this, &ControlPanel::pauseRecord);
    connect(ui->btnResume, &QPushButton::clicked, this, &ControlPanel::pauseRecord);
    connect(ui->btnStop, &QPushButton::clicked, this, &ControlPanel::stopRecord);
    connect(ui->btnMinimize, &QPushButton::clicked, this, &QWidget::hide);
    connect(ui->btnClose, &QPushButton::clicked, this, &ControlPanel::stopRecord);
    connect(ui->btnCapture, &QPushButton::clicked, this, &ControlPanel::screenshot);
    connect(ui->chxSystemSound, &QCheckBox::stateChanged, this, &ControlPanel::chxSystemSoundStateChanged);
    connect(ui->chxMicrophone, &QCheckBox::stateChanged, this, &ControlPanel::chxMicrophoneStateChanged);
    if (g_systemSoundList)
        connect(ui->sldSystemSound, &QSlider::valueChanged, g_systemSoundList, &AudioDeviceList::setAudioVolume);
    if (g_microphoneList)
        connect(ui->sldMicrophone, &QSlider::valueChanged, g_microphoneList, &AudioDeviceList::setAudioVolume);
    connect(this, &ControlPanel::sigUpdateWidget, this, &ControlPanel::SlotUpdateWidget);
}

void ControlPanel::applyAudioControls()
{
    const struct {
        AudioDeviceList *list;
        QCheckBox *check;
        QSlider *slider;
    } rows[] = {{g_systemSoundList, ui->chxSystemSound, ui->sldSystemSound},
                {g_microphoneList, ui->chxMicrophone, ui->sldMicrophone}};
    for (const auto &row : rows) {
        const bool on = row.list && row.list->isDeviceEnabled();
        row.check->setEnabled(on);
        row.check->blockSignals(true);
        row.check->setChecked(on);
        row.check->blockSignals(false);
        row.slider->setEnabled(on);
        row.slider->blockSignals(true);
        row.slider->setValue(row.list ? row.list->volume() : 0);
        row.slider->blockSignals(false);
    }
}

void ControlPanel::loadButtonImages()
{
    struct Images {
        CPushButton *button;
        const char *normal, *on, *down, *disable;
        int size;
    };
    const Images table[] = {
        {ui->btnResume, "recordstart-normal", "recordstart-hover", "recordstart-press", nullptr, 24},
        {ui->btnPause, "pauserecord-normal", "pauserecord-hover", "pauserecord-press", nullptr, 24},
        {ui->btnStop, "stoprecord-normal", "stoprecord-hover", "stoprecord-press", nullptr, 24},
        {ui->btnOption, "recordsetting-normal", "recordsetting-press", "recordsetting-press", nullptr, 20},
        {ui->btnRecordLength, "taskschedule-normal", "taskschedule-hover", "taskschedule-hover", nullptr, 20},
        {ui->btnCapture, "recordshotcut-normal", "recordshotcut-press", "recordshotcut-press", "recordshotcut-disable", 20},
        {ui->btnEdit, "recordpaint-normal", "recordpaint-press", "recordpaint-press", "recordpaint-disable", 20},
        {ui->btnMinimize, "minwindow-hover_free", "btnmin_press", "btnmin_press", nullptr, 16},
        {ui->btnClose, "closewindow-normal_free", "closewindow-on_free", "closewindow-on_free", nullptr, 16},
    };
    for (const Images &t : table) {
        ImageStateMap map;
        map.insert(IMAGE_NORMAL, skinImage(QLatin1String(t.normal), t.size));
        map.insert(IMAGE_ON, skinImage(QLatin1String(t.on), t.size));
        map.insert(IMAGE_DOWN, skinImage(QLatin1String(t.down), t.size));
        if (t.disable)
            map.insert(IMAGE_DISABLE, skinImage(QLatin1String(t.disable), t.size));
        t.button->setImageMap(map);
    }
}

void ControlPanel::setScaledSizes()
{
    for (QWidget *w : {static_cast<QWidget *>(ui->btnResume), static_cast<QWidget *>(ui->btnPause),
                       static_cast<QWidget *>(ui->btnStop), static_cast<QWidget *>(ui->btnMinimize),
                       static_cast<QWidget *>(ui->btnClose), static_cast<QWidget *>(ui->btnCamera)})
        w->setFixedSize(scaled(36), scaled(36));
    for (QWidget *w : {ui->btnOption, ui->btnRecordLength, ui->btnCapture, ui->btnEdit})
        w->setFixedSize(scaled(36), scaled(42));
    ui->btnResume->setIconSize(QSize(scaled(16), scaled(16)));
    ui->btnPause->setIconSize(QSize(scaled(16), scaled(16)));
    ui->btnCamera->setIconSize(QSize(scaled(54), scaled(42)));
    ui->chxSystemSound->setIconSize(QSize(scaled(54), scaled(42)));
    ui->chxMicrophone->setIconSize(QSize(scaled(54), scaled(42)));
    ui->widget->setFixedHeight(scaled(47));
    for (QLineEdit *w : {ui->edtHours, ui->edtMinutes, ui->edtSeconds}) {
        w->setFixedWidth(scaled(30));
        w->setStyleSheet(QStringLiteral("QLineEdit{padding:0px;}")); // two digits fit
    }
    ui->line_5->setFixedWidth(1);
    ui->line_6->setFixedWidth(1);
    ui->btnModify->setFixedSize(scaled(80), scaled(26));
    ui->prgSystemSound->setFixedHeight(scaled(8));
    ui->prgMicrophone->setFixedHeight(scaled(8));
    for (QLayout *l : {ui->grdBar->layout(), static_cast<QLayout *>(ui->grdRecLength), static_cast<QLayout *>(ui->grdSetting)}) {
        const QMargins m = l->contentsMargins();
        l->setContentsMargins(scaled(m.left()), scaled(m.top()), scaled(m.right()), scaled(m.bottom()));
    }
    ui->grdInfo->setContentsMargins(scaled(15), 0, scaled(20), 0);
    ui->grdPlay->setHorizontalSpacing(scaled(6));
    ui->grdTools->setHorizontalSpacing(scaled(6));
    ui->laySetting->setSpacing(scaled(30));
    QFont duration = ui->lblDuration->font();
    duration.setPixelSize(scaled(21)); // 16 pt
    ui->lblDuration->setFont(duration);
    QFont size = ui->lblOutputSize->font();
    size.setPixelSize(scaled(13)); // 10 pt
    ui->lblOutputSize->setFont(size);
    for (QWidget *w : {static_cast<QWidget *>(ui->chxRecordLength), static_cast<QWidget *>(ui->chxShutdownWhenEnds)}) {
        QFont f = w->font();
        f.setPixelSize(scaled(12)); // 9 pt
        w->setFont(f);
    }
    setFixedSize(scaled(BAR_WIDTH), scaled(BAR_HEIGHT));
}

void ControlPanel::setStyleKeys()
{
    const std::pair<QWidget *, const char *> keys[] = {
        {ui->btnOption, "RECORDCONFIG_BTN"},
        {ui->btnRecordLength, "RECORDTIMER_BTN"},
        {ui->btnCapture, "SCREENCUT_BTN"},
        {ui->btnEdit, "SCREENPAINT_BTN"},
        {ui->chxSystemSound, "CBX_SYSTEMSOUND"},
        {ui->chxMicrophone, "CBX_MICROPHONE"},
        {ui->btnCamera, "TOOLBTN_CAMERA"},
        {ui->chxRecordLength, "MAINFUN_CHECKBOX"},
        {ui->chxShutdownWhenEnds, "MAINFUN_CHECKBOX"},
        {ui->widget, "CONTROL_DARK_WIDGET"},
        {ui->btnModify, "BLUE_BTN"},
        {ui->sldSystemSound, "MAINFUN_SLIDER"},
        {ui->sldMicrophone, "MAINFUN_SLIDER"},
        {ui->widgetCentral, "CONTROL_COMMONDIALOG_WIDGET"},
        {ui->btnResume, "CONTROLPANEL_RESUME"},
        {ui->btnPause, "CONTROLPANEL_PAUSE"},
        {ui->btnStop, "CONTROLPANEL_STOP"},
        {ui->btnMinimize, "CONTROLPANEL_MINIMIZE"},
        {ui->btnClose, "CONTROLPANEL_CLOSE"},
    };
    for (const auto &k : keys)
        k.first->setProperty("STYLE_KEY", QString::fromLatin1(k.second));
}

void ControlPanel::setCameraButtonStyle(bool webcam)
{
    const QString folder = SkinManager::instance()->skinPath() + QStringLiteral("image/");
    const QString style = QStringLiteral(
        "QToolButton{image:url(%1mainfuncamera-off-normal.png);background-color:transparent;}\t\t\t"
        "QToolButton:hover{image:url(%1mainfuncamera-on-hover.png);background-color:transparent;}\t\t\t"
        "QToolButton:checked{image:url(%1mainfuncamera-on-normal.png);}\t\t\t"
        "QToolButton:disabled{image:url(%1%2);}");
    ui->btnCamera->setStyleSheet(style.arg(folder, webcam ? QStringLiteral("mainfuncamera-on-normal.png")
                                                          : QStringLiteral("mainfuncamera-off-normal.png")));
}

void ControlPanel::retranslate()
{
    ui->retranslateUi(this);
    ui->btnResume->setToolTip(tr("Resume"));
    ui->btnPause->setToolTip(tr("Pause"));
    ui->btnStop->setToolTip(tr("Stop"));
    ui->btnOption->setToolTip(tr("Record option"));
    ui->btnRecordLength->setToolTip(tr("Record Length"));
    ui->btnCapture->setToolTip(tr("Screen capture"));
    ui->btnEdit->setToolTip(tr("Paint"));
    ui->btnMinimize->setToolTip(tr("Minimize"));
    ui->btnClose->setToolTip(tr("Close"));
}

void ControlPanel::btnGrpToolsClicked(QAbstractButton *button)
{
    const bool open = button->isChecked();
    if (open) {
        for (QAbstractButton *other : {static_cast<QAbstractButton *>(ui->btnRecordLength),
                                       static_cast<QAbstractButton *>(ui->btnEdit),
                                       static_cast<QAbstractButton *>(ui->btnOption)}) {
            if (other != button)
                other->setChecked(false);
        }
    }
    updateToolPageHeight();
    if (button == ui->btnRecordLength)
        ui->stackedWidget->setCurrentIndex(0);
    else if (button == ui->btnEdit)
        ui->stackedWidget->setCurrentIndex(1);
    else
        ui->stackedWidget->setCurrentIndex(2);
    // Closing or leaving the drawing page switches the drawing tool off.
    if (!(button == ui->btnEdit && open) && g_areaSelected && g_areaSelected->graphicType() != 0)
        g_areaSelected->setGraphicType(0);
    emit sigUpdateWidget(open);
}

void ControlPanel::updateToolPageHeight()
{
    const bool open = ui->btnRecordLength->isChecked() || ui->btnEdit->isChecked() || ui->btnOption->isChecked();
    if (!open) {
        setFixedHeight(scaled(BAR_HEIGHT));
        ui->stackedWidget->hide();
        return;
    }
    setFixedHeight(scaled(OPEN_HEIGHT));
    ui->stackedWidget->show();
    if (g_enviroment) {
        const QRect screen = g_enviroment->privateData->selectedScreenGeometry();
        const int overhang = geometry().bottom() - screen.bottom();
        if (overhang > 0)
            move(x(), y() - overhang);
    }
}

void ControlPanel::SlotUpdateWidget(bool open)
{
    const QString radius = open ? QStringLiteral("border-bottom-left-radius:0px;border-bottom-right-radius:0px;")
                                : QStringLiteral("border-bottom-left-radius:8px;border-bottom-right-radius:8px;");
    ui->widget->setStyleSheet(QStringLiteral("QWidget[STYLE_KEY=\"CONTROL_DARK_WIDGET\"]{%1"
                                             "border-top-left-radius:8px; border-top-right-radius:8px;}")
                                  .arg(radius));
}

void ControlPanel::fillLengthFields(bool syncCheckBox)
{
    if (m_recordLength != -1) {
        int h = 0, m = 0, s = 0;
        splitDuration(quint64(qMax<qint64>(0, m_recordLength)), h, m, s);
        ui->edtHours->setText(QStringLiteral("%1").arg(h, 2, 10, QLatin1Char('0')));
        ui->edtMinutes->setText(QStringLiteral("%1").arg(m, 2, 10, QLatin1Char('0')));
        ui->edtSeconds->setText(QStringLiteral("%1").arg(s, 2, 10, QLatin1Char('0')));
    }
    if (syncCheckBox) {
        ui->chxRecordLength->blockSignals(true);
        ui->chxRecordLength->setChecked(m_recordLength != -1);
        ui->chxRecordLength->blockSignals(false);
    }
}

void ControlPanel::chxRecordLengthToggled(bool on)
{
    ui->btnModify->setEnabled(on);
    ui->wdtRecordLength->setEnabled(on);
    ui->chxShutdownWhenEnds->setEnabled(on);
    if (!sender())
        return;
    if (on) {
        if (!editRecordLength()) {
            ui->chxRecordLength->blockSignals(true);
            ui->chxRecordLength->setChecked(false);
            ui->chxRecordLength->blockSignals(false);
            chxRecordLengthToggled(false);
        } else {
            fillLengthFields(true);
        }
    } else {
        m_recordLength = -1; // no limit for the rest of this recording
    }
}

bool ControlPanel::editRecordLength()
{
    qint64 start = m_recordLength;
    if (start == -1 && m_item)
        start = m_item->recordLengthMsecs();
    if (start == -1)
        start = 180000;
    QTime initial = QTime::fromMSecsSinceStartOfDay(int(qBound<qint64>(0, start, 86400000)));
    if (start < 0 || start >= 86400000)
        initial = QTime(23, 59, 59);
    QTime answer = CommonDialog::inputTime(this, initial);
    if (!answer.isValid())
        return false;
    if (answer.msecsSinceStartOfDay() < 1000) {
        CommonDialog::showWarning(this, tr("The Record length should be not less than 1 second."));
        answer = QTime(0, 3, 0);
    }
    m_recordLength = answer.msecsSinceStartOfDay();
    fillLengthFields(false);
    return true;
}

void ControlPanel::chxShutdownWhenEndsToggled(bool on)
{
    if (m_item)
        m_item->setShutdown(on);
}

void ControlPanel::chxSystemSoundStateChanged(int state)
{
    const bool on = state == Qt::Checked;
    if (g_systemSoundList)
        g_systemSoundList->setAudioVolume(on ? ui->sldSystemSound->value() : 0);
    ui->sldSystemSound->setEnabled(on);
}

void ControlPanel::chxMicrophoneStateChanged(int state)
{
    const bool on = state == Qt::Checked;
    if (g_microphoneList)
        g_microphoneList->setAudioVolume(on ? ui->sldMicrophone->value() : 0);
    ui->sldMicrophone->setEnabled(on);
}

void ControlPanel::btnCameraClicked()
{
    if (!g_cameraWindow)
        return;
    if (ui->btnCamera->isChecked())
        g_cameraWindow->show();
    else
        g_cameraWindow->hide();
}

void ControlPanel::setSystemSoundLevel(int level)
{
    ui->prgSystemSound->setValue(level);
}

void ControlPanel::setMicrophoneLevel(int level)
{
    ui->prgMicrophone->setValue(level);
}

QString ControlPanel::pngFallbackPath(const QString &jpgPath)
{
    QString png = jpgPath;
    png.replace(QRegularExpression(QStringLiteral("jpg$")), QStringLiteral("png"));
    if (!QFileInfo::exists(png))
        return png;
    const QFileInfo info(jpgPath);
    return DataGroupOutput::newFilePath(info.absolutePath(), QStringLiteral("Snapshot"), QStringLiteral("png"));
}

void ControlPanel::screenshot()
{
    if (!g_enviroment || !g_areaSelected)
        return;
    DataGroupOutput *output = g_enviroment->output();
    // The hotkey brings this too: its messages do not wait. They stand
    // above the bar, as its dialogs do.
    if (!QDir().mkpath(output->ScreenshotsFolder)) {
        CommonDialog::tell(this,
                           tr("The location of screenshot files is not valid, please reselect it in settings."));
        return;
    }
    const QPixmap screen = g_enviroment->privateData->grabSelectedScreen();
    const QPixmap picture = screen.copy(g_areaSelected->localSelectedRect());
    QString path = output->newSnapshotFilePath();
    if (!PictureFile::write(picture, path, "jpg")) {
        path = pngFallbackPath(path);
        if (!PictureFile::write(picture, path, "png")) {
            CommonDialog::tell(this, tr("The screenshot could not be saved."));
            return;
        }
    }
    startFlyAway(picture);
    if (g_historyList) {
        g_historyList->addItem(HistoryItem::Screenshot, path, g_areaSelected->selectedRect().size(), 0,
                               QFileInfo(path).size());
    }
}

void ControlPanel::startFlyAway(const QPixmap &picture)
{
    if (!g_areaSelected)
        return;
    m_flyLabel = new QLabel(g_areaSelected);
    m_flyLabel->setScaledContents(true);
    m_flyLabel->setPixmap(picture);
    const QRect from = g_areaSelected->rect();
    m_flyLabel->setGeometry(from);
    m_flyLabel->show();
    const QPoint centre(from.left() + (from.right() - from.left() + 1) / 2,
                        from.top() + (from.bottom() - from.top() + 1) / 2);
    auto *animation = new QPropertyAnimation(m_flyLabel, "geometry", m_flyLabel);
    animation->setDuration(300);
    animation->setStartValue(from);
    animation->setEndValue(QRect(centre, QSize(1, 1)));
    connect(animation, &QPropertyAnimation::finished, this, &ControlPanel::animationFinished);
    animation->start();
}

void ControlPanel::animationFinished()
{
    auto *animation = qobject_cast<QPropertyAnimation *>(sender());
    if (animation && animation->targetObject())
        animation->targetObject()->deleteLater();
    else if (m_flyLabel)
        m_flyLabel->deleteLater();
    m_flyLabel = nullptr;
}

QRect ControlPanel::placeBeside(const QRect &bar, const QRect &region, const QRect &screen)
{
    // The same rule places the custom size panel beside the region.
    return region::panelRect(bar.size(), region, screen);
}

void ControlPanel::placeBesideRegion()
{
    QRect region;
    if (m_recordType == RecordTypeScreen && g_areaSelected)
        region = g_areaSelected->selectedRect();
    else if (m_recordType == RecordTypeCamera && g_cameraWindow)
        region = g_cameraWindow->geometry();
    if (!region.isValid() || !g_enviroment)
        return;
    // Off the desktop's panels, so that none of them is covered (a top
    // panel's tray, which stops the recording too), as the custom size
    // panel keeps beside the region.
    setGeometry(placeBeside(geometry(), region,
                            region::roomBeside(region, g_enviroment->privateData->selectedScreenGeometry())));
}

void ControlPanel::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    setMask(roundedMask(size()));
}

void ControlPanel::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape)
        return; // the bar closes only when the recording ends
    QDialog::keyPressEvent(event);
}

void ControlPanel::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (m_firstShow && (m_recordType == RecordTypeScreen || m_recordType == RecordTypeCamera)) {
        m_firstShow = false;
        placeBesideRegion();
    }
    emit visibleChanged(true);
}

void ControlPanel::hideEvent(QHideEvent *event)
{
    QDialog::hideEvent(event);
    if (!isMinimized())
        emit visibleChanged(false);
}
