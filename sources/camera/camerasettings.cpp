#include "camerasettings.h"

#include "ui_camerasettings.h"

#include "cameralist.h"
#include "commondialog.h"
#include "core/myconfig.h"
#include "framelessdrag.h"
#include "skinmanager.h"

#include <QMouseEvent>
#include <QTimer>

namespace {
constexpr int kPositionCount = 5;
constexpr int kAfterShowDelayMs = 100;
} // namespace

// A dialog, not a window of its own: the window manager is told whose it is
// and keeps it above the main window, which it blocks while it shows.
CameraSettings::CameraSettings(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint | Qt::CustomizeWindowHint), ui(new Ui::CarmeraSettingsClass)
{
    ui->setupUi(this);
    const double s = g_dscale;
    ui->widgetCentral->setProperty("STYLE_KEY", QStringLiteral("COMMONDIALOG_WIDGET"));
    ui->wdtCaption->setProperty("STYLE_KEY", QStringLiteral("CAMERASETTING_DARK_WIDGET"));
    ui->lblCaption->setProperty("STYLE_KEY", QStringLiteral("TITLE"));
    for (QWidget *w : {static_cast<QWidget *>(ui->lblCamera), static_cast<QWidget *>(ui->lblFormat),
                       static_cast<QWidget *>(ui->lblPosition)})
        w->setProperty("STYLE_KEY", QStringLiteral("HISTROY_LABEL"));
    for (QWidget *w : {static_cast<QWidget *>(ui->cbxCamera), static_cast<QWidget *>(ui->cbxFormat),
                       static_cast<QWidget *>(ui->cbxPosition)})
        w->setProperty("STYLE_KEY", QStringLiteral("DARK_COMBOBOX"));
    ui->chxFlipHorz->setProperty("STYLE_KEY", QStringLiteral("GRAY_CHECKBOX"));
    ui->btnOK->setProperty("STYLE_KEY", QStringLiteral("BLUE_BTN"));
    ui->btnCancel->setProperty("STYLE_KEY", QStringLiteral("BORDER_BTN"));
    ui->gridLayout->setHorizontalSpacing(int(6 * s));
    ui->gridLayout->setVerticalSpacing(int(6 * s));
    ui->wdtCaption->setFixedHeight(int(36 * s));
    ui->cameraWidget->setFixedSize(int(400 * s), int(300 * s));
    // The engine draws the preview into this widget's own window.
    ui->cameraWidget->setAttribute(Qt::WA_NativeWindow);
    ui->btnOK->setFixedSize(int(80 * s), int(32 * s));
    ui->btnCancel->setFixedSize(int(80 * s), int(32 * s));
    setFixedSize(int(550 * s), int(530 * s));
    fillPositions();

    // Until something is loaded, the destructor writes back what the
    // options file already holds.
    if (g_myConfig) {
        m_rememberedName = g_myConfig->lastCameraName();
        m_rememberedFormat = g_myConfig->lastCameraFormatIndex();
        m_rememberedPosition = g_myConfig->lastCameraPosition();
    }

    m_drag = new FramelessDrag(this);
    installEventFilter(this);
    ui->wdtCaption->installEventFilter(this);

    connect(ui->btnOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(ui->btnCancel, &QPushButton::clicked, this, &CameraSettings::btnCancelClicked);
    connect(ui->cbxPosition, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &CameraSettings::cbxPositionCurrentIndexChanged);
    connect(ui->chxFlipHorz, &QCheckBox::clicked, this, &CameraSettings::chxFlipHorzClicked);
    if (g_cameraList)
        connect(g_cameraList, &CameraList::deviceChanged, this, &CameraSettings::slotDeviceChanged);
    ui->btnClose->hide();
}

CameraSettings::~CameraSettings()
{
    if (g_myConfig) {
        g_myConfig->setLastCameraName(m_rememberedName);
        g_myConfig->setLastCameraFormatIndex(m_rememberedFormat);
        g_myConfig->setLastCameraPosition(m_rememberedPosition);
    }
    delete ui;
}

QWidget *CameraSettings::cameraWidget() const
{
    return ui->cameraWidget;
}

void CameraSettings::fillPositions()
{
    const QSignalBlocker block(ui->cbxPosition);
    const int index = ui->cbxPosition->currentIndex();
    ui->cbxPosition->clear();
    ui->cbxPosition->addItems({QCoreApplication::translate("CarmeraSettingsClass", "Center"),
                               QCoreApplication::translate("CarmeraSettingsClass", "Lower Right "),
                               QCoreApplication::translate("CarmeraSettingsClass", "Top Right"),
                               QCoreApplication::translate("CarmeraSettingsClass", "Lower Left"),
                               QCoreApplication::translate("CarmeraSettingsClass", "Top Left")});
    ui->cbxPosition->setCurrentIndex(index);
}

void CameraSettings::retranslateUi()
{
    ui->retranslateUi(this);
    fillPositions();
}

void CameraSettings::connectBoxes(bool on)
{
    if (on) {
        connect(ui->cbxCamera, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
                &CameraSettings::cbxCameraCurrentIndexChanged, Qt::UniqueConnection);
        connect(ui->cbxFormat, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
                &CameraSettings::cbxFormatCurrentIndexChanged, Qt::UniqueConnection);
    } else {
        disconnect(ui->cbxCamera, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
                   &CameraSettings::cbxCameraCurrentIndexChanged);
        disconnect(ui->cbxFormat, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
                   &CameraSettings::cbxFormatCurrentIndexChanged);
    }
}

void CameraSettings::load()
{
    CameraList *list = g_cameraList;
    connectBoxes(false);
    ui->cbxCamera->clear();
    if (!list)
        return;
    for (int i = 0; i < list->deviceCount(); ++i)
        ui->cbxCamera->addItem(list->device(i)->name());
    connectBoxes(true);
    ui->cbxFormat->clear();

    if (CameraDevice *d = list->device(list->currentIndex())) {
        connectBoxes(false);
        ui->cbxCamera->setCurrentIndex(list->currentIndex());
        ui->cbxFormat->addItems(d->formatNames());
        m_rememberedName = d->name();
        connectBoxes(true);

        // Stored values count only when they name a format of this camera
        // and a position of the table.
        int format = d->currentFormat();
        int position = list->position();
        if (g_myConfig && d->name() == g_myConfig->lastCameraName()) {
            if (d->hasFormat(g_myConfig->lastCameraFormatIndex()))
                format = g_myConfig->lastCameraFormatIndex();
            const int stored = g_myConfig->lastCameraPosition();
            if (stored >= 0 && stored < kPositionCount)
                position = stored;
        }
        ui->cbxFormat->setCurrentIndex(format);
        ui->cbxPosition->setCurrentIndex(position);
        m_rememberedFormat = format;
        m_rememberedPosition = position;
        if (g_myConfig)
            g_myConfig->setLastCameraName(d->name());
    }
    ui->chxFlipHorz->setChecked(list->currentFlip() >= 1);
    list->saveState();
}

void CameraSettings::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    load();
    QTimer::singleShot(kAfterShowDelayMs, this, &CameraSettings::afterShowEvent);
}

void CameraSettings::afterShowEvent()
{
    if (g_cameraList && isVisible())
        g_cameraList->openCurrentPreview(ui->cameraWidget);
}

void CameraSettings::hideEvent(QHideEvent *event)
{
    QDialog::hideEvent(event);
    if (g_cameraList)
        g_cameraList->closeCamera();
}

void CameraSettings::cbxCameraCurrentIndexChanged(int index)
{
    CameraList *list = g_cameraList;
    if (index < 0 || !list)
        return;
    list->selectCamera(index);
    CameraDevice *d = list->device(index);
    if (!d)
        return;
    disconnect(ui->cbxFormat, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
               &CameraSettings::cbxFormatCurrentIndexChanged);
    ui->cbxFormat->clear();
    ui->cbxFormat->addItems(d->formatNames());
    ui->cbxFormat->setCurrentIndex(d->currentFormat());
    connect(ui->cbxFormat, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &CameraSettings::cbxFormatCurrentIndexChanged, Qt::UniqueConnection);
    ui->chxFlipHorz->setChecked(list->currentFlip() >= 1);
    m_rememberedName = d->name();
    if (g_myConfig)
        g_myConfig->setLastCameraName(d->name());
}

void CameraSettings::cbxFormatCurrentIndexChanged(int index)
{
    if (index < 0)
        return;
    if (g_cameraList)
        g_cameraList->setFormat(index);
    if (g_myConfig)
        g_myConfig->setLastCameraFormatIndex(index);
    m_rememberedFormat = index;
}

void CameraSettings::cbxPositionCurrentIndexChanged(int index)
{
    if (index < 0)
        return;
    if (g_cameraList)
        g_cameraList->setPosition(index);
    m_rememberedPosition = index;
    if (g_myConfig)
        g_myConfig->setLastCameraPosition(index);
}

void CameraSettings::chxFlipHorzClicked()
{
    if (g_cameraList)
        g_cameraList->setFlip(ui->chxFlipHorz->isChecked());
}

void CameraSettings::btnCancelClicked()
{
    if (g_cameraList)
        g_cameraList->restoreState();
    reject();
}

void CameraSettings::slotDeviceChanged(bool)
{
    if (g_cameraList)
        g_cameraList->closeCamera();
    load();
}

bool CameraSettings::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == ui->wdtCaption && m_drag->handleEvent(event))
        return true;
    return QDialog::eventFilter(watched, event);
}

void CameraSettings::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    setMask(CommonDialog::roundedShape(size()));
}
