#include "settings.h"

#include "autostart.h"
#include "ccombobox.h"
#include "commondialog.h"
#include "core/edition.h"
#include "core/enviroment.h"
#include "core/fileutils.h"
#include "core/logfile.h"
#include "framelessdrag.h"
#include "mousesettings.h"
#include "ui_settings.h"

#include <QColorDialog>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QScrollBar>
#include <QUrl>

namespace {

// The preset click colours, as the buttons' style sheets paint them.
const QRgb kPresetColors[3] = {0xFF0000, 0xFFB517, 0x3788E4};

void fill(QComboBox *box, const QStringList &items, int index)
{
    box->clear();
    if (auto *skinned = qobject_cast<CComBobox *>(box))
        skinned->addItems(items);
    else
        box->addItems(items);
    box->setCurrentIndex(index);
}

} // namespace

Settings::Settings(QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::SettingsClass)
    , m_env(g_enviroment)
    , m_drag(new FramelessDrag(this))
{
    ui->setupUi(this);
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint | Qt::WindowMinimizeButtonHint);
    setWindowTitle(QCoreApplication::applicationName());
    setAttribute(Qt::WA_DeleteOnClose);

    loadValues();
    applySkin();
    applySizes();

    hotkeyEdits = {ui->edtHotkeyStop, ui->edtHotkeyPause, ui->edtHotkeyShot, ui->edtHotkeyWebcam, ui->edtHotkeyPanel};

    connect(ui->btnClose, &QPushButton::clicked, this, &QDialog::reject);
    connect(ui->btnCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(ui->btnOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(ui->btnDefault, &QPushButton::clicked, this, &Settings::loadDefault);
    connect(ui->btnRestoreHotkeys, &QPushButton::clicked, this, &Settings::loadDefaultHotkeys);

    ui->wdtCaption->installEventFilter(this);
    for (QLineEdit *edit : qAsConst(hotkeyEdits))
        edit->installEventFilter(this);

    connect(ui->btnGrpCategories, QOverload<QAbstractButton *>::of(&QButtonGroup::buttonClicked), this,
            &Settings::btnGrpCategoriesClicked);
    connect(ui->scrollArea->verticalScrollBar(), &QScrollBar::valueChanged, this,
            &Settings::scrollAreaVertScrollBarValueChanged);
    ui->btnRecording->setChecked(true);

    attachFolderButton(ui->edtOutputFolder);
    if (auto *select = qobject_cast<QPushButton *>(ui->edtOutputFolder->property("ButtonData").value<QObject *>()))
        connect(select, &QPushButton::clicked, this, &Settings::edtOutputFolderSelect);
    connect(ui->btnOpenVideoFolder, &QToolButton::clicked, this, &Settings::edtOutputFolderOpen);
    ui->edtOutputFolder->setCursorPosition(0);
    attachFolderButton(ui->edtScreenshotFolder);
    if (auto *select = qobject_cast<QPushButton *>(ui->edtScreenshotFolder->property("ButtonData").value<QObject *>()))
        connect(select, &QPushButton::clicked, this, &Settings::edtScreenshotFolderSelect);
    connect(ui->btnOpenScreenshotFolder, &QToolButton::clicked, this, &Settings::edtScreenshotFolderOpen);
    ui->edtScreenshotFolder->setCursorPosition(0);
    connect(ui->btnMouseSettings, &QToolButton::clicked, this, &Settings::btnMouseSettingsClicked);

    if (m_env) {
        connect(m_env, &Enviroment::defaultStateChanged, ui->btnDefault, &QPushButton::setEnabled);
        connect(m_env, &Enviroment::valueStateChanged, ui->btnOK, &QPushButton::setEnabled);
        connectControls();
    }
}

Settings::~Settings()
{
    applyResult();
    delete ui;
}

void Settings::connectControls()
{
    DataGroupRecording *rec = m_env->recording();
    const std::pair<QCheckBox *, void (DataGroupRecording::*)(bool)> flags[] = {
        {ui->chxShowCountdown, &DataGroupRecording::setShowCountdown},
        {ui->chxBeep, &DataGroupRecording::setBeep},
        {ui->chxShowBoundary, &DataGroupRecording::setShowBoundary},
        {ui->chxHideFloatBar, &DataGroupRecording::setHideFloatBar},
        {ui->chxAllowMoveRegion, &DataGroupRecording::setAllowMoveRegion},
        {ui->chxHideDesktopIcons, &DataGroupRecording::setHideDesktopIcons},
        {ui->chxHideTaskbar, &DataGroupRecording::setHideTaskbar},
        {ui->chxHideMainWhenScreenshot, &DataGroupRecording::setHideMainWhenScreenshot},
        {ui->chxAutoOpenHistory, &DataGroupRecording::setAutoOpenHistory},
    };
    for (const auto &flag : flags)
        connect(flag.first, &QCheckBox::toggled, rec, flag.second);

    DataGroupOutput *out = m_env->output();
    connect(ui->edtOutputFolder, &QLineEdit::textChanged, out, &DataGroupOutput::setOutputFolder);
    connect(ui->edtScreenshotFolder, &QLineEdit::textChanged, out, &DataGroupOutput::setScreenshotsFolder);
    const auto indexChanged = QOverload<int>::of(&QComboBox::currentIndexChanged);
    connect(ui->cbxImageFormat, indexChanged, out, &DataGroupOutput::setImageFormat);
    connect(ui->cbxVideoFormat, indexChanged, out, &DataGroupOutput::setVideoFormat);
    connect(ui->cbxVideoEncoder, indexChanged, out, &DataGroupOutput::setVideoEncoderIndex);
    connect(ui->cbxVideoQuality, indexChanged, out, &DataGroupOutput::setVideoQuality);
    connect(ui->cbxVideoFrameRate, indexChanged, out, &DataGroupOutput::setVideoFrameRate);
    connect(ui->cbxAudioFormat, indexChanged, out, &DataGroupOutput::setAudioFormat);
    connect(ui->cbxAudioFormat, indexChanged, this, &Settings::slotUpdateRate);
    connect(ui->cbxAudioQuality, indexChanged, out, &DataGroupOutput::setAudioQuality);
    connect(ui->cbxAudioSampleRate, indexChanged, out, &DataGroupOutput::setAudioSampleRate);

    DataGroupMouse *mouse = m_env->mouse();
    connect(ui->chxCaptureMouseCursor, &QCheckBox::toggled, mouse, &DataGroupMouse::setCaptureMouseCursor);
    connect(ui->chxRecordMouseClicks, &QCheckBox::toggled, mouse, &DataGroupMouse::setRecordMouseClicks);
    connect(ui->btnGrpMouseClickColor, QOverload<QAbstractButton *>::of(&QButtonGroup::buttonClicked), this,
            &Settings::btnGrpMouseClickColorClicked);
    connect(ui->sldMouseAreaRadius, &QSlider::valueChanged, mouse, &DataGroupMouse::setMouseAreaRadius);

    DataGroupHotkeys *keys = m_env->hotkeys();
    connect(ui->edtHotkeyStop, &QLineEdit::textChanged, keys, &DataGroupHotkeys::setHotkeyStop);
    connect(ui->edtHotkeyPause, &QLineEdit::textChanged, keys, &DataGroupHotkeys::setHotkeyPause);
    connect(ui->edtHotkeyShot, &QLineEdit::textChanged, keys, &DataGroupHotkeys::setHotkeyShot);
    connect(ui->edtHotkeyWebcam, &QLineEdit::textChanged, keys, &DataGroupHotkeys::setHotkeyWebcam);
    connect(ui->edtHotkeyPanel, &QLineEdit::textChanged, keys, &DataGroupHotkeys::setHotkeyPanel);

    DataGroupOthers *others = m_env->others();
    connect(ui->chxAutoCheckUpdate, &QCheckBox::toggled, others, &DataGroupOthers::setAutoCheckUpdate);
    connect(ui->chxAutoRun, &QCheckBox::toggled, others, &DataGroupOthers::setAutoRun);
    connect(ui->rdoExitProgram, &QRadioButton::toggled, others, &DataGroupOthers::setExitWhenClose);
}

void Settings::loadValues()
{
    if (!m_env)
        return;
    blockSignalsRecursive(ui->scrollAreaWidgetContents, true);

    const DataGroupRecording *rec = m_env->recording();
    ui->chxShowCountdown->setChecked(rec->ShowCountdown);
    ui->chxBeep->setChecked(rec->Beep);
    ui->chxShowBoundary->setChecked(rec->ShowBoundary);
    ui->chxHideFloatBar->setChecked(rec->HideFlatBar);
    ui->chxAllowMoveRegion->setChecked(rec->AllowMoveRegion);
    ui->chxHideDesktopIcons->setChecked(rec->HideDesktopIcons);
    ui->chxHideTaskbar->setChecked(rec->HideTaskbar);
    ui->chxHideMainWhenScreenshot->setChecked(rec->HideMainWhenScreenshot);
    ui->chxAutoOpenHistory->setChecked(rec->AutoOpenHistory);

    const DataGroupOutput *out = m_env->output();
    ui->edtOutputFolder->setText(out->VideoFolder);
    ui->edtScreenshotFolder->setText(out->ScreenshotsFolder);
    fill(ui->cbxImageFormat, out->imageFormats(), out->ImageFormat);
    fill(ui->cbxVideoFormat, out->videoFormats(), out->VideoFormat);
    fill(ui->cbxVideoEncoder, out->videoEncoders(), out->VideoEncoderIndex);
    fill(ui->cbxVideoQuality, out->videoQualities(), out->VideoQuality);
    fill(ui->cbxVideoFrameRate, out->videoFrameRates(), out->VideoFrameRate);
    fill(ui->cbxAudioFormat, out->audioFormats(), out->AudioFormat);
    slotUpdateRate(ui->cbxAudioFormat->currentIndex());
    fill(ui->cbxAudioQuality, out->audioQualities(), out->AudioQuality);

    const DataGroupMouse *mouse = m_env->mouse();
    ui->chxCaptureMouseCursor->setChecked(mouse->CaptureMouseCursor);
    ui->chxRecordMouseClicks->setChecked(mouse->RecordMouseClicks);
    selectColorButton();
    ui->sldMouseAreaRadius->setValue(mouse->MouseAreaRadius);

    showHotkeys();

    const DataGroupOthers *others = m_env->others();
    ui->chxAutoCheckUpdate->setChecked(others->AutoCheckUpdate);
    ui->chxAutoRun->setChecked(others->AutoRun);
    if (others->ExitWhenClose)
        ui->rdoExitProgram->setChecked(true);
    else
        ui->rdoMinimize->setChecked(true);

    ui->btnOK->setEnabled(m_env->isModified());
    ui->btnDefault->setEnabled(!m_env->isDefault());
    blockSignalsRecursive(ui->scrollAreaWidgetContents, false);
}

void Settings::showHotkeys()
{
    if (!m_env)
        return;
    const DataGroupHotkeys *keys = m_env->hotkeys();
    ui->edtHotkeyStop->setText(keys->HotkeyStop);
    ui->edtHotkeyPause->setText(keys->HotkeyPause);
    ui->edtHotkeyShot->setText(keys->HotkeyShot);
    ui->edtHotkeyWebcam->setText(keys->HotkeyWebcam);
    ui->edtHotkeyPanel->setText(keys->HotkeyPanel);
}

void Settings::blockSignalsRecursive(QObject *object, bool block)
{
    if (!object)
        return;
    const QObjectList children = object->children();
    for (QObject *child : children) {
        child->blockSignals(block);
        blockSignalsRecursive(child, block);
        if (!block && child->isWidgetType())
            static_cast<QWidget *>(child)->update();
    }
}

void Settings::done(int result)
{
    // The holder is saved or reverted before the dialog hides, so whoever
    // learns of the hiding already reads the final values.
    setResult(result);
    applyResult();
    QDialog::done(result);
}

void Settings::applyResult()
{
    if (m_applied)
        return;
    m_applied = true;
    if (!m_env)
        return;
    if (result() == QDialog::Accepted) {
        m_env->save();
        const QString name = g_mireloData ? g_mireloData->fullProductName() : QString();
        Autostart::apply(m_env->others()->AutoRun, name.isEmpty() ? QCoreApplication::applicationName() : name,
                         QCoreApplication::applicationFilePath());
    } else {
        m_env->revert();
    }
}

void Settings::btnGrpCategoriesClicked(QAbstractButton *button)
{
    QLabel *title = nullptr;
    if (button == ui->btnRecording)
        title = ui->lblRecording;
    else if (button == ui->btnOutput)
        title = ui->lblOutput;
    else if (button == ui->btnMouse)
        title = ui->lblMouse;
    else if (button == ui->btnHotkeys)
        title = ui->lblHotkeys;
    else if (button == ui->btnOthers)
        title = ui->lblOthers;
    if (!title)
        return;
    QScrollBar *bar = ui->scrollArea->verticalScrollBar();
    disconnect(bar, &QScrollBar::valueChanged, this, &Settings::scrollAreaVertScrollBarValueChanged);
    bar->setValue(title->y() - 20);
    connect(bar, &QScrollBar::valueChanged, this, &Settings::scrollAreaVertScrollBarValueChanged);
}

void Settings::scrollAreaVertScrollBarValueChanged(int value)
{
    if (value - ui->lblOthers->y() > -30)
        ui->btnOthers->setChecked(true);
    else if (value - ui->lblHotkeys->y() > -30)
        ui->btnHotkeys->setChecked(true);
    else if (value - ui->lblMouse->y() > -30)
        ui->btnMouse->setChecked(true);
    else if (value - ui->lblOutput->y() <= -30)
        ui->btnRecording->setChecked(true);
    else
        ui->btnOutput->setChecked(true);
}

void Settings::edtOutputFolderSelect()
{
    const QString folder = QFileDialog::getExistingDirectory(
        this, tr("Select output folder"), ui->edtOutputFolder->text(),
        QFileDialog::ShowDirsOnly | QFileDialog::DontResolveSymlinks);
    if (!folder.isNull())
        ui->edtOutputFolder->setText(folder);
}

void Settings::edtOutputFolderOpen()
{
    QDesktopServices::openUrl(QUrl::fromLocalFile(ui->edtOutputFolder->text()));
}

void Settings::edtScreenshotFolderSelect()
{
    const QString folder = QFileDialog::getExistingDirectory(
        this, tr("Select screenshot folder"), ui->edtScreenshotFolder->text(),
        QFileDialog::ShowDirsOnly | QFileDialog::DontResolveSymlinks);
    if (!folder.isNull())
        ui->edtScreenshotFolder->setText(nativePath(folder));
}

void Settings::edtScreenshotFolderOpen()
{
    QDesktopServices::openUrl(QUrl::fromLocalFile(ui->edtScreenshotFolder->text()));
}

void Settings::btnMouseSettingsClicked()
{
    if (!MouseSettings::open())
        CommonDialog::showWarning(this, tr("The mouse settings of this desktop could not be opened."));
}

void Settings::btnGrpMouseClickColorClicked(QAbstractButton *button)
{
    if (!m_env)
        return;
    DataGroupMouse *mouse = m_env->mouse();
    const QAbstractButton *presets[3] = {ui->btnColorA, ui->btnColorB, ui->btnColorC};
    for (int i = 0; i < 3; ++i) {
        if (button == presets[i]) {
            // 32-bit ARGB, alpha 255.
            mouse->setMouseClickColor(qlonglong(QColor(kPresetColors[i]).rgb()));
            mouse->setColorButtonIndex(i);
            return;
        }
    }
    if (button != ui->btnSelectColor)
        return;
    const QColor color = QColorDialog::getColor(QColor(QRgb(mouse->MouseClickColor)), this, tr("Select color"));
    if (!color.isValid()) {
        selectColorButton();
        return;
    }
    setButtonColor(ui->btnSelectColor, color);
    mouse->setMouseClickColor(qlonglong(color.rgb()));
    mouse->setColorButtonIndex(3);
}

void Settings::selectColorButton()
{
    if (!m_env)
        return;
    const DataGroupMouse *mouse = m_env->mouse();
    switch (mouse->MouseButtonIndex) {
    case 0: ui->btnColorA->setChecked(true); break;
    case 1: ui->btnColorB->setChecked(true); break;
    case 2: ui->btnColorC->setChecked(true); break;
    default:
        ui->btnSelectColor->setChecked(true);
        setButtonColor(ui->btnSelectColor, QColor(QRgb(mouse->MouseClickColor)));
        break;
    }
}

void Settings::loadDefault()
{
    if (!m_env)
        return;
    m_env->restoreDefaults();
    loadValues();
}

void Settings::loadDefaultHotkeys()
{
    if (!m_env)
        return;
    m_env->hotkeys()->resetDefaults();
    showHotkeys();
    // The reset itself is silent: OK and Restore Default follow it here.
    m_env->dataGroupValueChanged();
}

void Settings::slotUpdateRate(int)
{
    if (!m_env)
        return;
    runLogMs("slotUpdateRate begin");
    QComboBox *box = ui->cbxAudioSampleRate;
    DataGroupOutput *out = m_env->output();
    if (ui->cbxAudioFormat->currentText().contains(QLatin1String("opus"), Qt::CaseInsensitive)) {
        runLogMs("slotUpdateRate opus");
        {
            const QSignalBlocker blocker(box);
            fill(box, {QStringLiteral("48000")}, 0);
        }
        // The only rate this format takes is stored on purpose.
        out->setAudioSampleRate(0);
    } else {
        runLogMs("slotUpdateRate other");
        // Filling the emptied box selects its first item: with the box's
        // signals on, that would overwrite the stored rate before it is read.
        const QSignalBlocker blocker(box);
        fill(box, out->audioSampleRates(), out->AudioSampleRate);
    }
    runLogMs("slotUpdateRate finish");
}
