#include "taskscheduledetail.h"
#include "ui_taskscheduledetail.h"

#include "areaselecting.h"
#include "regionscreens.h"
#include "audiodevicelist.h"
#include "cameradevice.h"
#include "cameralist.h"
#include "camerawindow.h"
#include "commondialog.h"
#include "core/enviroment.h"
#include "core/logfile.h"
#include "core/datagroupprivate.h"
#include "framelessdrag.h"
#include "taskoverlap.h"
#include "taskschedulelist.h"
#include "skinmanager.h"
#include "windowchrome.h"

#include <QApplication>
#include <QButtonGroup>
#include <QGuiApplication>
#include <QScreen>
#include <QSignalBlocker>

namespace {
const char kOnceFormat[] = "MM-dd-yyyy HH:mm:ss";
const char kTimeFormat[] = "HH:mm:ss";

int screenCount()
{
    if (g_enviroment && g_enviroment->privateData)
        return g_enviroment->privateData->screenCount();
    return QGuiApplication::screens().size();
}

QRect screenGeometry(int index)
{
    if (g_enviroment && g_enviroment->privateData)
        return g_enviroment->privateData->screenGeometry(index);
    const QList<QScreen *> screens = QGuiApplication::screens();
    if (index == -1 && !screens.isEmpty())
        return screens.first()->virtualGeometry();
    return index >= 0 && index < screens.size() ? screens.at(index)->geometry() : QRect();
}

QString areaText(const QRect &r)
{
    return QStringLiteral("X:%1,Y:%2;%3x%4").arg(r.left()).arg(r.top()).arg(r.width()).arg(r.height());
}

void log(const char *text)
{
    if (g_runLog)
        g_runLog->writeMs(0, text, true);
}

// Fills an audio box with the list's devices and "OFF"; selects the index
// when it names a device, else the first entry, or "OFF" when off.
void fillDevices(QComboBox *box, AudioDeviceList *devices, bool enabled, int index)
{
    box->clear();
    const int count = devices ? devices->deviceCount() : 0;
    for (int i = 0; i < count; ++i)
        box->addItem(devices->device(i)->name(), i);
    box->addItem(QStringLiteral("OFF"), -1);
    if (!enabled)
        box->setCurrentIndex(box->count() - 1);
    else
        box->setCurrentIndex(index >= 0 && index < count ? index : 0);
}
} // namespace

TaskScheduleDetail::TaskScheduleDetail(QWidget *parent)
    : QDialog(parent), ui(new Ui::TaskScheduleDetailClass), m_stopGroup(new QButtonGroup(this))
{
    ui->setupUi(this);
    m_stopGroup->setObjectName(QStringLiteral("btnGrpStopType"));
    m_stopGroup->addButton(ui->rdoStopLength);
    m_stopGroup->addButton(ui->rdoStopTime);
    applyStyle();
    applyScale();
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint | Qt::WindowMinimizeButtonHint);
    setWindowTitle(QApplication::applicationName());
    setAttribute(Qt::WA_DeleteOnClose);

    connect(ui->btnClose, &QPushButton::clicked, this, &QWidget::close);
    connect(ui->btnCancel, &QPushButton::clicked, this, &QWidget::close);
    connect(ui->btnOk, &QPushButton::clicked, this, &TaskScheduleDetail::save);
    m_drag = new FramelessDrag(this);
    ui->wdtCaption->installEventFilter(this);
    connect(m_stopGroup, QOverload<QAbstractButton *>::of(&QButtonGroup::buttonClicked), this,
            &TaskScheduleDetail::btnGrpStopTypeClicked);
    connect(ui->chxRepeat, &QCheckBox::toggled, this, &TaskScheduleDetail::chxRepeatToggled);
    connect(ui->chxLoop, &QCheckBox::toggled, this, &TaskScheduleDetail::chxLoopToggled);
    connect(ui->cbxAreaSelected, QOverload<int>::of(&QComboBox::activated), this,
            &TaskScheduleDetail::cbxAreaSelectedActivated);
    connect(ui->cbxWebcam, QOverload<int>::of(&QComboBox::activated), this,
            &TaskScheduleDetail::cbxWebcamActivated);
    connect(ui->cbxSystemsound, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &TaskScheduleDetail::cbxSystemsoundCurrentIndexChanged);
    connect(ui->cbxMicrophone, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &TaskScheduleDetail::cbxMicrophoneCurrentIndexChanged);
    connect(ui->edtStartTime, &QDateTimeEdit::dateTimeChanged, this,
            &TaskScheduleDetail::edtStartTimeDateTimeChanged);
    for (QCheckBox *box : dayBoxes())
        connect(box, &QCheckBox::stateChanged, this, &TaskScheduleDetail::UpdatechxRepeatState);
    ui->edtLoop->setEnabled(ui->chxLoop->isChecked());
}

TaskScheduleDetail::~TaskScheduleDetail()
{
    delete ui;
}

void TaskScheduleDetail::applyStyle()
{
    ui->btnOk->setProperty("STYLE_KEY", QStringLiteral("BLUE_BTN"));
    ui->btnCancel->setProperty("STYLE_KEY", QStringLiteral("BORDER_BTN"));
    ui->lblCaption->setProperty("STYLE_KEY", QStringLiteral("TITLE"));
    for (QComboBox *box : {ui->cbxAreaSelected, ui->cbxScreen, ui->cbxSystemsound, ui->cbxMicrophone, ui->cbxWebcam})
        box->setProperty("STYLE_KEY", QStringLiteral("DARK_COMBOBOX"));
    ui->label_3->setProperty("STYLE_KEY", QStringLiteral("TIPS_LABEL"));
    QList<QCheckBox *> checks = dayBoxes();
    checks << ui->chxRepeat << ui->chxLoop << ui->chxShutdown;
    for (QCheckBox *box : checks)
        box->setProperty("STYLE_KEY", QStringLiteral("GRAY_CHECKBOX"));
    ui->widgetCentral->setProperty("STYLE_KEY", QStringLiteral("HISTROY_PAGE"));
    for (QLabel *label : {ui->lblTaskName, ui->lblStartTime, ui->lblRecordArea, ui->lblDisplay, ui->lblSystemsound,
                          ui->lblMicrophone, ui->lblWebcam, ui->lblSystemsoundVolume, ui->lblMicrophoneVolume,
                          ui->lblWebcamArea, ui->lblWebcamAreaValue})
        label->setProperty("STYLE_KEY", QStringLiteral("MAINFUN_LABEL"));
    ui->wdtBottom->setProperty("STYLE_KEY", QStringLiteral("TASKBOTTO_MWIDGET"));
    ui->sldSystemsoundVolume->setProperty("STYLE_KEY", QStringLiteral("TASKSCHEDULE_SLIDER"));
    ui->sldMicrophoneVolume->setProperty("STYLE_KEY", QStringLiteral("TASKSCHEDULE_SLIDER"));
    const QString sheet = chrome::iconStyleSheet();
    if (!sheet.isNull())
        setStyleSheet(sheet);
    ui->wdtCaption->setStyleSheet(chrome::captionStyleSheet(QStringLiteral("wdtCaption")));
    ui->btnClose->setStyleSheet(chrome::closeButtonStyleSheet());
}

void TaskScheduleDetail::applyScale()
{
    setFixedSize(scaled(650), scaled(550));
    ui->wdtCaption->setFixedHeight(scaled(36));
    ui->lblCaption->setFixedHeight(scaled(22));
    ui->btnClose->setFixedSize(16, 16);
    ui->wdtBottom->setFixedHeight(scaled(50));
    ui->btnOk->setFixedSize(scaled(80), scaled(36));
    ui->btnCancel->setFixedSize(scaled(80), scaled(36));
    QList<QWidget *> rows{ui->edtDescription, ui->edtStartTime, ui->edtStopLength, ui->edtStopTime,
                          ui->cbxAreaSelected, ui->cbxScreen, ui->cbxSystemsound, ui->cbxMicrophone,
                          ui->cbxWebcam, ui->edtLoop};
    for (QWidget *w : rows)
        w->setFixedHeight(scaled(26));
    // The editors share one width; the rows that hold more than one control
    // (start time with Repeat, the week days, length with loop) span both
    // right columns, so no translation pushes a control past the edge.
    // An editor is never narrower than its text in the language's font.
    auto atLeastItsText = [](QWidget *w, int width) {
        w->ensurePolished();
        w->setFixedWidth(qMax(width, w->minimumSizeHint().width()));
    };
    for (QWidget *w : {ui->cbxScreen, ui->cbxSystemsound, ui->cbxMicrophone, ui->cbxWebcam})
        w->setFixedWidth(scaled(205));
    atLeastItsText(ui->edtStartTime, scaled(205));
    atLeastItsText(ui->edtStopTime, scaled(205));
    ui->cbxAreaSelected->setFixedWidth(scaled(300));
    atLeastItsText(ui->edtStopLength, scaled(96));
    atLeastItsText(ui->edtLoop, scaled(52));
    // The label stands beside the start editor, not beside the week days.
    ui->lblStartTime->setFixedHeight(scaled(26));
    ui->layoutGrid->setColumnStretch(2, 1);
    QList<QCheckBox *> small = dayBoxes();
    small << ui->chxRepeat;
    for (QCheckBox *box : small)
        box->setFixedHeight(scaled(14) < 16 ? 16 : scaled(14));
}

QList<QCheckBox *> TaskScheduleDetail::dayBoxes() const
{
    return {ui->chxSunday,   ui->chxMonday, ui->chxTuesday, ui->chxWednesday,
            ui->chxThursday, ui->chxFriday, ui->chxSaturday};
}

quint16 TaskScheduleDetail::weekdayMask() const
{
    quint16 mask = 0;
    const QList<QCheckBox *> boxes = dayBoxes();
    for (int i = 0; i < boxes.size(); ++i) {
        if (boxes.at(i)->isChecked())
            mask |= quint16(1 << i);
    }
    return mask;
}

void TaskScheduleDetail::setWeekdayBoxes(quint16 mask)
{
    const QList<QCheckBox *> boxes = dayBoxes();
    for (int i = 0; i < boxes.size(); ++i)
        boxes.at(i)->setChecked(mask & (1 << i));
}

TaskScheduleList *TaskScheduleDetail::list() const
{
    if (m_taskItem && m_taskItem->owner())
        return m_taskItem->owner();
    return g_taskScheduleList;
}

void TaskScheduleDetail::load(TaskScheduleItem *task)
{
    m_taskItem = task;
    if (!task)
        return;
    keep();
    ui->edtDescription->setText(task->description());
    ui->edtStartTime->setDateTime(task->startTime());
    if (task->repeat() == 1) {
        ui->edtStartTime->setDisplayFormat(QLatin1String(kTimeFormat));
        ui->chxRepeat->setChecked(true);
        chxRepeatToggled(true);
        setWeekdayBoxes(task->weekdayMask());
    } else {
        ui->edtStartTime->setDisplayFormat(QLatin1String(kOnceFormat));
        ui->chxRepeat->setChecked(false);
        chxRepeatToggled(false);
    }
    ui->edtStopTime->setDateTime(task->stopTime());
    ui->chxLoop->setChecked(task->loop() >= 1);
    ui->edtLoop->setValue(task->loop());
    if (task->stopType() == TaskScheduleItem::StopByLength) {
        ui->rdoStopLength->click();
        if (task->length() >= 0 && task->length() < 24 * 3600)
            ui->edtStopLength->setTime(QTime(0, 0).addSecs(task->length()));
        ui->edtLoop->setEnabled(task->loop() >= 1);
    } else if (task->stopType() == TaskScheduleItem::StopAtTime) {
        ui->rdoStopTime->click();
    }
    ui->chxShutdown->setChecked(task->shutdown());
    loadRecordSource();
}

void TaskScheduleDetail::keep()
{
    const TaskScheduleItem *t = m_taskItem;
    m_kept.description = t->description();
    m_kept.startTime = t->startTime();
    m_kept.repeat = t->repeat();
    m_kept.weekdayMask = t->weekdayMask();
    m_kept.stopTime = t->stopTime();
    m_kept.stopType = t->stopType();
    m_kept.length = t->length();
    m_kept.loop = t->loop();
    m_kept.shutdown = t->shutdown();
    m_kept.source = *t->recordSource();
}

void TaskScheduleDetail::putBack()
{
    if (!m_taskItem)
        return;
    TaskScheduleItem *t = m_taskItem;
    t->setDescription(m_kept.description);
    t->setStartTime(m_kept.startTime);
    t->setRepeat(m_kept.repeat);
    t->setWeekdayMask(m_kept.weekdayMask);
    t->setStopTime(m_kept.stopTime);
    t->setStopType(m_kept.stopType);
    t->setLength(m_kept.length);
    t->setLoop(m_kept.loop);
    t->setShutdown(m_kept.shutdown);
    *t->recordSource() = m_kept.source;
}

void TaskScheduleDetail::loadRecordSource()
{
    const RecordSource *src = m_taskItem->recordSource();
    const QSignalBlocker areaBlock(ui->cbxAreaSelected);
    const QSignalBlocker camBlock(ui->cbxWebcam);

    ui->cbxScreen->clear();
    const int screens = screenCount();
    if (screens > 1)
        ui->cbxScreen->addItem(tr("All DISPLAY"), -1);
    for (int i = 0; i < screens; ++i)
        ui->cbxScreen->addItem(tr("DISPLAY %1").arg(i + 1), i);
    const int screenEntry = ui->cbxScreen->findData(src->screenIndex);
    ui->cbxScreen->setCurrentIndex(screenEntry < 0 ? 0 : screenEntry);

    const QRect r = src->screenRect;
    ui->cbxAreaSelected->clear();
    ui->cbxAreaSelected->addItem(tr("Full Screen"));
    ui->cbxAreaSelected->addItem(tr("Custom(X:%1,Y:%2;%3x%4)").arg(r.left()).arg(r.top()).arg(r.width()).arg(r.height()));
    ui->cbxAreaSelected->addItem(QStringLiteral("OFF"));
    // A job made before the region frame has a rectangle has none of its
    // own: it records the full screen rather than an empty area.
    if (!src->screenEnabled)
        ui->cbxAreaSelected->setCurrentIndex(2);
    else
        ui->cbxAreaSelected->setCurrentIndex(!r.isValid() || r == screenGeometry(src->screenIndex) ? 0 : 1);

    ui->cbxWebcam->clear();
    const int cameras = g_cameraList ? g_cameraList->deviceCount() : 0;
    for (int i = 0; i < cameras; ++i)
        ui->cbxWebcam->addItem(g_cameraList->device(i)->name(), i);
    ui->cbxWebcam->addItem(QStringLiteral("OFF"), -1);
    if (!src->cameraEnabled)
        ui->cbxWebcam->setCurrentIndex(ui->cbxWebcam->count() - 1);
    else
        ui->cbxWebcam->setCurrentIndex(src->cameraIndex >= 1 && src->cameraIndex < cameras ? src->cameraIndex : 0);
    showWebcamArea(ui->cbxWebcam->currentData().toInt() >= 0, src->cameraRect);

    fillDevices(ui->cbxSystemsound, g_systemSoundList, src->systemsoundEnabled, src->systemsoundIndex);
    ui->sldSystemsoundVolume->setValue(src->systemsoundVolume);
    cbxSystemsoundCurrentIndexChanged(ui->cbxSystemsound->currentIndex());
    fillDevices(ui->cbxMicrophone, g_microphoneList, src->microphoneEnabled, src->microphoneIndex);
    ui->sldMicrophoneVolume->setValue(src->microphoneVolume);
    cbxMicrophoneCurrentIndexChanged(ui->cbxMicrophone->currentIndex());
}

void TaskScheduleDetail::saveRecordSource()
{
    RecordSource *src = m_taskItem->recordSource();
    src->screenEnabled = ui->cbxAreaSelected->currentIndex() != 2;
    src->screenIndex = ui->cbxScreen->currentData().toInt();
    if (ui->cbxAreaSelected->currentIndex() == 0)
        src->screenRect = screenGeometry(src->screenIndex);
    const int camera = ui->cbxWebcam->currentData().toInt();
    src->cameraEnabled = camera > -1;
    if (camera > -1)
        src->cameraIndex = camera;
    const int sound = ui->cbxSystemsound->currentData().toInt();
    src->systemsoundEnabled = sound > -1;
    if (sound > -1)
        src->systemsoundIndex = sound;
    src->systemsoundVolume = ui->sldSystemsoundVolume->value();
    const int mic = ui->cbxMicrophone->currentData().toInt();
    src->microphoneEnabled = mic > -1;
    if (mic > -1)
        src->microphoneIndex = mic;
    src->microphoneVolume = ui->sldMicrophoneVolume->value();
}

void TaskScheduleDetail::showWebcamArea(bool visible, const QRect &rect)
{
    ui->lblWebcamArea->setVisible(visible);
    ui->lblWebcamAreaValue->setVisible(visible);
    if (visible)
        ui->lblWebcamAreaValue->setText(areaText(rect));
}

void TaskScheduleDetail::btnGrpStopTypeClicked(QAbstractButton *button)
{
    const bool byLength = button == ui->rdoStopLength;
    const bool atTime = button == ui->rdoStopTime;
    ui->edtStopLength->setEnabled(byLength);
    ui->wdtLoop->setEnabled(byLength);
    ui->edtStopTime->setEnabled(atTime);
}

void TaskScheduleDetail::chxRepeatToggled(bool on)
{
    for (QCheckBox *box : dayBoxes())
        box->setEnabled(on);
    for (QDateTimeEdit *edit : {ui->edtStartTime, ui->edtStopTime}) {
        edit->setDisplayFormat(QLatin1String(on ? kTimeFormat : kOnceFormat));
        if (!on)
            edit->clearMaximumDate();
    }
    // A weekly job may stop after midnight, so its stop keeps no minimum.
    edtStartTimeDateTimeChanged(ui->edtStartTime->dateTime());
    setWeekdayBoxes(on ? 127 : 0);
}

void TaskScheduleDetail::UpdatechxRepeatState(int)
{
    if (weekdayMask() == 0)
        ui->chxRepeat->setChecked(false);
}

void TaskScheduleDetail::chxLoopToggled(bool on)
{
    ui->edtLoop->setEnabled(on);
}

void TaskScheduleDetail::edtStartTimeDateTimeChanged(const QDateTime &time)
{
    if (ui->chxRepeat->isChecked())
        ui->edtStopTime->clearMinimumDateTime();
    else
        ui->edtStopTime->setMinimumDateTime(time.addSecs(30));
}

void TaskScheduleDetail::cbxAreaSelectedActivated(int index)
{
    if (index != 1 || !m_taskItem || !region::screenReadable(this))
        return;
    blockSignals(true);
    AreaSelecting::hideForPicture({this});
    DataGroupPrivate *p = g_enviroment ? g_enviroment->privateData : nullptr;
    const int previous = p ? p->ScreenIndex : -1;
    if (p)
        p->ScreenIndex = ui->cbxScreen->currentData().toInt();
    AreaSelecting picker(this);
    if (picker.exec() == QDialog::Accepted) {
        const QRect r = picker.selectedRect();
        m_taskItem->recordSource()->screenRect = r;
        ui->cbxAreaSelected->setItemText(
            1, QStringLiteral("Custom(X:%1,Y:%2;%3x%4)").arg(r.left()).arg(r.top()).arg(r.width()).arg(r.height()));
    }
    if (p)
        p->ScreenIndex = previous;
    show();
    blockSignals(false);
}

void TaskScheduleDetail::cbxWebcamActivated(int index)
{
    if (ui->cbxWebcam->itemData(index).toInt() < 0) {
        showWebcamArea(false, QRect());
        if (g_cameraWindow)
            g_cameraWindow->hide();
        return;
    }
    if (!g_cameraWindow) {
        showWebcamArea(true, m_taskItem ? m_taskItem->recordSource()->cameraRect : QRect());
        return;
    }
    g_cameraWindow->show();
    showWebcamArea(true, g_cameraWindow->geometry());
    connect(g_cameraWindow, &CameraWindow::rectChanged, this, &TaskScheduleDetail::cameraWindowRectChanged,
            Qt::UniqueConnection);
}

void TaskScheduleDetail::cameraWindowRectChanged(const QRect &rect)
{
    if (m_taskItem)
        m_taskItem->recordSource()->cameraRect = rect;
    ui->lblWebcamAreaValue->setText(areaText(rect));
}

void TaskScheduleDetail::cbxSystemsoundCurrentIndexChanged(int index)
{
    const bool on = ui->cbxSystemsound->itemData(index).toInt() >= 0;
    ui->lblSystemsoundVolume->setVisible(on);
    ui->sldSystemsoundVolume->setVisible(on);
}

void TaskScheduleDetail::cbxMicrophoneCurrentIndexChanged(int index)
{
    const bool on = ui->cbxMicrophone->itemData(index).toInt() >= 0;
    ui->lblMicrophoneVolume->setVisible(on);
    ui->sldMicrophoneVolume->setVisible(on);
}

void TaskScheduleDetail::fail(int number, const QString &message)
{
    const QByteArray line = "taskschedule save fail ," + QByteArray::number(number);
    if (number == 3) {
        log(line.constData()); // the overlap check has shown its warning
    } else {
        log(line.constData());
        if (number == 5)
            CommonDialog::showResult(this, false);
        else
            CommonDialog::showWarning(this, message);
    }
    putBack();
}

void TaskScheduleDetail::save()
{
    TaskScheduleItem *t = m_taskItem;
    if (!t)
        return;
    t->setDescription(ui->edtDescription->text());
    t->setStartTime(ui->edtStartTime->dateTime());
    const quint16 mask = weekdayMask();
    if (ui->chxRepeat->isChecked() && mask > 0) {
        t->setRepeat(1);
        t->setWeekdayMask(mask);
    } else if (ui->edtStartTime->dateTime() < QDateTime::currentDateTime()) {
        fail(1, tr("Please set a future time as start time."));
        return;
    } else {
        t->setRepeat(0);
        t->setWeekdayMask(0);
    }
    t->setStopTime(ui->edtStopTime->dateTime());
    if (ui->rdoStopLength->isChecked()) {
        const QTime length = ui->edtStopLength->time();
        const int seconds = length.isValid() ? QTime(0, 0).msecsTo(length) / 1000 : 0;
        if (seconds < 1) {
            fail(2, tr("The Record length should be not less than 1 second."));
            return;
        }
        t->setStopType(TaskScheduleItem::StopByLength);
        t->setLength(seconds);
        t->setLoop(ui->chxLoop->isChecked() ? ui->edtLoop->value() : 0);
    } else if (ui->rdoStopTime->isChecked()) {
        t->setStopType(TaskScheduleItem::StopAtTime);
        t->setLength(ui->edtStartTime->time().secsTo(ui->edtStopTime->time()));
        t->setLoop(0);
    } else {
        t->setStopType(TaskScheduleItem::StopByHand);
        t->setLoop(0);
    }
    if (checkOverlap()) {
        fail(3, QString());
        return;
    }
    t->setShutdown(ui->chxShutdown->isChecked());
    saveRecordSource();
    if (t->recordSource()->recordType() == RecordTypeNone) {
        fail(4, tr("You must select at least one of Screen, Camera, Audio or Microphone."));
        return;
    }
    if (!t->registerTask()) {
        fail(5, QString());
        return;
    }
    CommonDialog::showResult(this, true);
    m_saved = true;
    log("taskschedule save success");
    accept();
}

bool TaskScheduleDetail::checkOverlap()
{
    TaskScheduleList *tasks = list();
    if (!tasks || !m_taskItem)
        return false;
    const taskoverlap::Job edited = taskoverlap::jobOf(m_taskItem);
    const QDate today = QDate::currentDate();
    for (int i = 0; i < tasks->count(); ++i) {
        TaskScheduleItem *other = tasks->itemAt(i);
        if (!other || other == m_taskItem || !other->isEnabled())
            continue;
        if (taskoverlap::overlaps(edited, taskoverlap::jobOf(other), today)) {
            CommonDialog::showWarning(this, tr("This task overlapped in time with Task %1").arg(other->description()));
            return true;
        }
    }
    return false;
}

void TaskScheduleDetail::done(int result)
{
    if (result != QDialog::Accepted || !m_saved)
        putBack();
    QDialog::done(m_saved ? result : QDialog::Rejected);
}

bool TaskScheduleDetail::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == ui->wdtCaption && m_drag->handleEvent(event))
        return true;
    return QDialog::eventFilter(watched, event);
}

void TaskScheduleDetail::paintEvent(QPaintEvent *event)
{
    setMask(CommonDialog::roundedShape(size(), 18));
    QDialog::paintEvent(event);
}

void TaskScheduleDetail::showEvent(QShowEvent *event)
{
    emit visibleChanged(true);
    QDialog::showEvent(event);
}

void TaskScheduleDetail::hideEvent(QHideEvent *event)
{
    if (!isMinimized())
        emit visibleChanged(false);
    QDialog::hideEvent(event);
}
