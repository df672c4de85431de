#include "cameralist.h"

#include "ui_cameralist.h"

#include "core/enginebinding.h"
#include "core/enviroment.h"
#include "core/myconfig.h"
#include "core/vocabulary.h"
#include "skinmanager.h"

#include <QButtonGroup>
#include <QCoreApplication>
#include <QRadioButton>
#include <QTimer>

CameraList *g_cameraList = nullptr;

namespace {
constexpr int kRowHeight = 30;
constexpr int kRescanDelayMs = 1000;

QString withoutWebcamText()
{
    return QCoreApplication::translate("CarmeraListClass", "Record without Webcam");
}
} // namespace

CameraList::CameraList(QWidget *parent)
    : QWidget(parent, Qt::Popup | Qt::FramelessWindowHint | Qt::CustomizeWindowHint), ui(new Ui::CarmeraListClass)
{
    if (g_enviroment)
        m_currentIndex = g_enviroment->privateData->CameraIndex;
    m_rescanTimer = new QTimer(this);
    m_rescanTimer->setSingleShot(true);
    m_rescanTimer->setInterval(kRescanDelayMs);
    connect(m_rescanTimer, &QTimer::timeout, this, &CameraList::rescanDevice);

    scanDevice();
    ui->setupUi(this);
    setAttribute(Qt::WA_StyledBackground);
    m_group = new QButtonGroup(this);
    buildButtons();
    connect(m_group, &QButtonGroup::idClicked, this, &CameraList::buttonGroupClicked);
    connect(ui->btnManager, &QPushButton::clicked, this, &CameraList::sigShowCameraSettings);
    fixSizes();
}

CameraList::~CameraList()
{
    qDeleteAll(m_devices);
    delete ui;
}

CameraDevice *CameraList::device(int i) const
{
    return i >= 0 && i < m_devices.size() ? m_devices.at(i) : nullptr;
}

QString CameraList::formatText(int width, int height, double fps, int pixelFormat)
{
    // A pixel format the table does not know reads as its first entry.
    if (pixelFormat < 0 || pixelFormat >= CAMERA_PIXEL_FORMAT_COUNT)
        pixelFormat = 0;
    return QStringLiteral("%1X%2    %3FPS    %4")
        .arg(width)
        .arg(height)
        .arg(fps, 0, 'f', 1)
        .arg(QLatin1String(g_cameraPixelFormats[pixelFormat]));
}

void CameraList::scanDevice()
{
    // The engine may call back on this thread while it scans (a camera it
    // may not open); a scan started from there would replace the records
    // under this one.
    if (m_scanning)
        return;
    m_scanning = true;
    const int oldIndex = m_currentIndex;
    const CameraDevice *old = device(m_currentIndex);
    const QString oldId = old ? old->id() : QString();

    QVector<CameraDevice *> fresh;
    engineRefreshDevices(MIRELO_DEVICE_WEBCAM);
    const int n = engineGetCameraCount();
    for (int i = 0; i < n; ++i) {
        auto *d = new CameraDevice(i);
        engineSelectCamera(i);
        QString name;
        if (engineGetCameraName(i, &name) >= 0) {
            d->m_name = name;
            const CameraFormat *list = nullptr;
            const int count = engineGetCameraFormats(&list);
            for (int f = 0; list && f < count; ++f) {
                d->m_formatNames << formatText(list[f].width, list[f].height, list[f].framesPerSecond, list[f].pixelFormat);
                d->m_formatSizes << QSize(list[f].width, list[f].height);
            }
            d->m_currentFormat = engineGetCameraFormat();
            QString id;
            if (engineGetCameraId(i, &id) >= 0)
                d->m_id = id;
        }
        fresh.append(d);
    }

    bool same = fresh.size() == m_devices.size();
    for (int i = 0; same && i < fresh.size(); ++i)
        same = !fresh.at(i)->m_id.isEmpty() && fresh.at(i)->m_id == m_devices.at(i)->m_id;

    qDeleteAll(m_devices);
    m_devices = fresh;

    if (!oldId.isEmpty()) {
        m_currentIndex = -1;
        for (int i = 0; i < m_devices.size(); ++i) {
            if (m_devices.at(i)->m_id == oldId)
                m_currentIndex = i;
        }
    }
    if (m_currentIndex == -1 && !m_devices.isEmpty())
        m_currentIndex = 0;

    closeCamera();
    if (device(m_currentIndex))
        openCurrentPreview(m_previewWidget);
    storeIndex();
    m_scanning = false;
    if (!same)
        emit deviceChanged(m_currentIndex != oldIndex);
}

void CameraList::delayRescanDevice()
{
    m_rescanTimer->start();
}

void CameraList::rescanDevice()
{
    if (m_busy || m_scanning)
        return;
    m_busy = true;
    scanDevice();
    for (QAbstractButton *b : m_group->buttons()) {
        m_group->removeButton(b);
        delete b;
    }
    buildButtons();
    fixSizes();
    m_busy = false;
}

void CameraList::buildButtons()
{
    for (int i = m_devices.size() - 1; i >= 0; --i) {
        auto *button = new QRadioButton(m_devices.at(i)->m_name, this);
        ui->verticalLayout->insertWidget(0, button);
        m_group->addButton(button, i);
        if (i == m_currentIndex)
            button->setChecked(true);
    }
    auto *without = new QRadioButton(withoutWebcamText(), this);
    without->setObjectName(QStringLiteral("btnWithoutWebcam"));
    ui->verticalLayout->insertWidget(m_devices.size(), without);
    m_group->addButton(without, kWithoutId);
    updateManager();
}

void CameraList::updateManager()
{
    ui->btnManager->setEnabled(m_group->checkedButton() != nullptr);
}

void CameraList::fixSizes()
{
    const double s = g_dscale;
    setFixedHeight(int((m_devices.size() + 2) * kRowHeight * s + kRowHeight * s));
    for (QAbstractButton *b : m_group->buttons())
        b->setFixedHeight(int(kRowHeight * s));
    ui->btnManager->setFixedHeight(int(kRowHeight * s));
}

void CameraList::storeIndex()
{
    if (g_enviroment)
        g_enviroment->privateData->CameraIndex = m_currentIndex;
}

void CameraList::buttonGroupClicked(int id)
{
    if (id == kWithoutId) {
        emit cameraIndexChanged(kWithoutId);
        ui->btnManager->setEnabled(false);
        return;
    }
    closeCamera();
    m_currentIndex = id;
    if (device(id))
        openCurrentPreview(m_previewWidget);
    storeIndex();
    emit cameraIndexChanged(id);
    ui->btnManager->setEnabled(true);
}

void CameraList::openDevice(CameraDevice *d, QWidget *widget)
{
    closeCamera();
    if (!widget)
        widget = d->m_previewWidget;
    if (!widget || !widget->isVisible())
        return;
    engineSelectCamera(d->m_index);
    engineSetCameraFormat(d->m_currentFormat);
    d->m_currentFormat = engineGetCameraFormat();
    engineOpenCamera(uint64_t(widget->winId()));
    engineSetCameraFlip(d->m_flip);
    d->m_previewWidget = widget;
}

void CameraList::openCurrentPreview(QWidget *widget)
{
    CameraDevice *d = device(m_currentIndex);
    if (!d)
        return;
    openDevice(d, widget);
    m_previewWidget = widget;
    // The options file's format applies only when it is one of this camera's.
    if (g_myConfig && d->m_name == g_myConfig->lastCameraName() && d->hasFormat(g_myConfig->lastCameraFormatIndex())) {
        engineSetCameraFormat(g_myConfig->lastCameraFormatIndex());
        d->m_currentFormat = engineGetCameraFormat();
    }
}

void CameraList::closeCamera()
{
    engineCloseCamera();
}

QSize CameraList::currentFormatSize() const
{
    const CameraDevice *d = device(m_currentIndex);
    if (!d || !d->hasFormat(d->m_currentFormat))
        return QSize(-1, -1);
    return d->m_formatSizes.at(d->m_currentFormat);
}

int CameraList::currentFlip() const
{
    const CameraDevice *d = device(m_currentIndex);
    return d ? d->m_flip : 0;
}

void CameraList::setFlip(bool on)
{
    CameraDevice *d = device(m_currentIndex);
    if (!d)
        return;
    // The engine's flip acts on its selected camera, which a scan or another
    // camera's preview may have moved.
    engineSelectCamera(d->m_index);
    const int flip = on ? 1 : 0;
    engineSetCameraFlip(flip);
    d->m_flip = flip;
}

void CameraList::selectCamera(int index)
{
    closeCamera();
    m_currentIndex = index;
    if (device(index))
        openCurrentPreview(m_previewWidget);
    storeIndex();
}

void CameraList::setFormat(int format)
{
    CameraDevice *d = device(m_currentIndex);
    if (!d || !d->hasFormat(format))
        return;
    engineSelectCamera(d->m_index);
    engineSetCameraFormat(format);
    d->m_currentFormat = engineGetCameraFormat();
    closeCamera();
    QWidget *w = d->m_previewWidget;
    if (w && w->isVisible()) {
        engineSelectCamera(d->m_index);
        engineSetCameraFormat(d->m_currentFormat);
        d->m_currentFormat = engineGetCameraFormat();
        engineOpenCamera(uint64_t(w->winId()));
        engineSetCameraFlip(d->m_flip);
    }
}

void CameraList::saveState()
{
    m_savedIndex = m_currentIndex;
    m_savedPosition = m_position;
    for (CameraDevice *d : qAsConst(m_devices)) {
        d->m_savedFormat = d->m_currentFormat;
        d->m_savedFlip = d->m_flip;
    }
}

void CameraList::restoreState()
{
    if (m_savedIndex != m_currentIndex) {
        m_currentIndex = m_savedIndex;
        closeCamera();
        if (device(m_currentIndex))
            openCurrentPreview(m_previewWidget);
        storeIndex();
    }
    m_position = m_savedPosition;

    bool touched = false;
    for (CameraDevice *d : qAsConst(m_devices)) {
        const bool format = d->m_savedFormat != d->m_currentFormat;
        const bool flip = d->m_savedFlip != d->m_flip;
        if (!format && !flip)
            continue;
        // Each camera's own values go back onto that camera.
        engineSelectCamera(d->m_index);
        touched = true;
        if (format) {
            d->m_currentFormat = d->m_savedFormat;
            engineSetCameraFormat(d->m_currentFormat);
            d->m_currentFormat = engineGetCameraFormat();
        }
        if (flip) {
            engineSetCameraFlip(d->m_savedFlip);
            d->m_flip = d->m_savedFlip;
        }
    }
    // End on the current camera, its preview running again where it was.
    CameraDevice *current = device(m_currentIndex);
    if (touched && current) {
        QWidget *w = current->m_previewWidget ? current->m_previewWidget.data() : m_previewWidget.data();
        if (w && w->isVisible())
            openDevice(current, w);
        else
            engineSelectCamera(current->m_index);
    }
}

void CameraList::setCheckedButton(int id)
{
    if (id < 0)
        return;
    QAbstractButton *b = m_group->button(id);
    if (!b)
        return;
    {
        const QSignalBlocker block(m_group);
        b->setChecked(true);
    }
    ui->btnManager->setEnabled(id != kWithoutId);
}

void CameraList::checkCurrentDevice()
{
    if (QAbstractButton *b = m_group->button(m_currentIndex)) {
        const QSignalBlocker block(m_group);
        b->setChecked(true);
    }
    ui->btnManager->setEnabled(true);
}

void CameraList::retranslateUi()
{
    ui->retranslateUi(this);
    if (QAbstractButton *b = m_group->button(kWithoutId))
        b->setText(withoutWebcamText());
}
