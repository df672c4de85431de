// The settings dialog's look and its input: skin keys, sizes, the window
// mask, caption dragging and the hotkey capture.
#include "settings.h"

#include "commondialog.h"
#include "core/enviroment.h"
#include "core/formatting.h"
#include "framelessdrag.h"
#include "mybutton.h"
#include "skinmanager.h"
#include "ui_settings.h"
#include "windowchrome.h"
#include "x11keymap.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPainter>
#include <QRegularExpression>
#include <QWindow>

namespace {

QString imageFolder()
{
    return SkinManager::instance()->skinPath() + QStringLiteral("image/");
}

// The form's margins and spacings are those of scale 1.0.
void scaleLayouts(QWidget *root)
{
    if (g_dscale == 1.0)
        return;
    const QList<QLayout *> layouts = root->findChildren<QLayout *>();
    for (QLayout *layout : layouts) {
        const QMargins m = layout->contentsMargins();
        layout->setContentsMargins(scaled(m.left()), scaled(m.top()), scaled(m.right()), scaled(m.bottom()));
        if (auto *grid = qobject_cast<QGridLayout *>(layout)) {
            grid->setHorizontalSpacing(scaled(grid->horizontalSpacing()));
            grid->setVerticalSpacing(scaled(grid->verticalSpacing()));
        } else {
            layout->setSpacing(scaled(layout->spacing()));
        }
    }
}

void setKey(QWidget *widget, const char *key)
{
    widget->setProperty("STYLE_KEY", QLatin1String(key));
}

} // namespace

void Settings::applySkin()
{
    for (QCheckBox *box : {ui->chxShowCountdown, ui->chxBeep, ui->chxShowBoundary, ui->chxHideFloatBar,
                           ui->chxAllowMoveRegion, ui->chxHideDesktopIcons, ui->chxHideTaskbar,
                           ui->chxHideMainWhenScreenshot, ui->chxAutoOpenHistory, ui->chxCaptureMouseCursor,
                           ui->chxRecordMouseClicks, ui->chxAutoCheckUpdate, ui->chxAutoRun})
        setKey(box, "DARK_CHECKBOX");
    setKey(ui->widget_2, "WIDGET_SETTINGMENU");
    for (QPushButton *button : {ui->btnRecording, ui->btnOutput, ui->btnMouse, ui->btnHotkeys, ui->btnOthers})
        setKey(button, "SETTING_MENUBTN");
    for (QLabel *title : {ui->lblRecording, ui->lblOutput, ui->lblMouse, ui->lblHotkeys, ui->lblOthers})
        setKey(title, "UPDATEVIEW_WHITEBOLD");
    for (QLabel *label : {ui->label_11, ui->label_12, ui->label_13, ui->label_14, ui->label_15, ui->label_16,
                          ui->label_17, ui->label_18, ui->label_19, ui->label_20, ui->label_21, ui->label_23,
                          ui->label_25, ui->label_26, ui->label_27, ui->label_28, ui->label_29, ui->label_3,
                          ui->label_31})
        setKey(label, "HISTROY_LABEL");
    // The skin's own field look for the eight lists.
    for (QComboBox *box : {ui->cbxImageFormat, ui->cbxVideoFormat, ui->cbxVideoEncoder, ui->cbxVideoQuality,
                           ui->cbxVideoFrameRate, ui->cbxAudioFormat, ui->cbxAudioQuality, ui->cbxAudioSampleRate})
        setKey(box, "DARK_COMBOBOX");
    setKey(ui->btnOpenVideoFolder, "SETTINGS_OPENFOLDERBTN");
    setKey(ui->btnOpenScreenshotFolder, "SETTINGS_OPENFOLDERBTN");
    setKey(ui->btnMouseSettings, "SETTINGS_MOUSEBTN");
    setKey(ui->label_7, "TITLE");
    setKey(ui->wdtCaption, "SETTING_DARK_WIDGET");
    setKey(ui->widget_3, "WIDGET_STATUS_SETTING");
    setKey(ui->btnDefault, "SETTING_DEFAULTBTN");
    setKey(ui->btnCancel, "BORDER_BTN");
    setKey(ui->btnOK, "BLUE_BTN");
    setKey(ui->btnRestoreHotkeys, "SETTING_NOBORDERBTN");
    setKey(ui->label_56, "SETTING_HOTKEYTIP");
    ui->label_56->setPixmap(QPixmap(imageFolder() + QStringLiteral("hotkeytip.png"))
                                .scaled(scaled(28), scaled(28), Qt::KeepAspectRatio, Qt::SmoothTransformation));
    setKey(ui->widget, "SETTING_FRAME");

    SkinManager *skin = SkinManager::instance();
    // The caption takes the skin's own title band (the light skin's is
    // #BAACF2), so the dark skin keeps a dark caption.
    const QColor band = skin->color(QStringLiteral("Frame"), QStringLiteral("TitleBand"), QColor(0xBA, 0xAC, 0xF2));
    ui->wdtCaption->setStyleSheet(QStringLiteral("QWidget#wdtCaption{background-color: %1;}").arg(band.name()));
    ui->btnClose->setStyleSheet(QStringLiteral("QPushButton{border-image: url(%1closewindow-normal_free.png)}\n"
                                               "QPushButton:hover{border-image: url(%1closewindow-on_free.png)}\n"
                                               "QPushButton:pressed{border-image: url(%1closewindow-on_free.png)}")
                                    .arg(imageFolder()));
    ui->widget->setStyleSheet(QStringLiteral("QWidget#widget{border: 1px solid #E5E5E5;border-bottom-right-radius: "
                                             "20px;border-bottom-left-radius: 20px;}"));
    ui->widget_3->setStyleSheet(
        QStringLiteral("QWidget#widget_3{border-bottom-right-radius: 20px;border-bottom-left-radius: 20px;}"));
    setStyleSheet(iconStyleSheet());
}

QString Settings::iconStyleSheet()
{
    SkinManager *skin = SkinManager::instance();
    return chrome::iconStyleSheet(skin->iconStyleSheetPath(), imageFolder(), skin->scale());
}

void Settings::applySizes()
{
    setFixedSize(scaled(742), scaled(580));
    ui->label_7->setFixedHeight(scaled(30));
    ui->wdtCaption->setFixedHeight(scaled(40));
    for (QPushButton *button : {ui->btnRecording, ui->btnOutput, ui->btnMouse, ui->btnHotkeys, ui->btnOthers})
        button->setFixedHeight(scaled(40));
    for (QWidget *field : std::initializer_list<QWidget *>{
             ui->edtOutputFolder, ui->edtScreenshotFolder, ui->cbxImageFormat, ui->cbxVideoFormat,
             ui->cbxVideoEncoder, ui->cbxVideoQuality, ui->cbxVideoFrameRate, ui->cbxAudioFormat,
             ui->cbxAudioQuality, ui->cbxAudioSampleRate, ui->edtHotkeyStop, ui->edtHotkeyPause, ui->edtHotkeyShot,
             ui->edtHotkeyWebcam, ui->edtHotkeyPanel})
        field->setFixedHeight(scaled(26));
    ui->label_56->setFixedSize(scaled(28), scaled(28));
    for (QToolButton *button : {ui->btnColorA, ui->btnColorB, ui->btnColorC, ui->btnSelectColor})
        button->setMinimumSize(scaled(28), scaled(28));
    ui->btnMouseSettings->setMinimumSize(scaled(19), scaled(19));
    ui->widget_2->setMinimumWidth(scaled(160));
    ui->widget_3->setMinimumHeight(scaled(60));
    scaleLayouts(this);
    ui->btnDefault->setFixedSize(scaled(120), scaled(24));
    ui->btnCancel->setFixedSize(scaled(94), scaled(24));
    ui->btnOK->setFixedSize(scaled(94), scaled(24));
}

void Settings::attachFolderButton(QLineEdit *edit)
{
    auto *button = new MyButton(edit->parentWidget());
    const int side = scaled(20);
    auto image = [&](const char *name) {
        return QPixmap(imageFolder() + QLatin1String(name))
            .scaled(side, side, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    };
    ImageStateMap images;
    images[IMAGE_NORMAL] = image("selectfile-normal.png");
    images[IMAGE_ON] = image("selectfile-hover.png");
    images[IMAGE_DOWN] = image("selectfile-hover.png");
    button->setImageMap(images);
    button->setStyleSheet(QStringLiteral("MyButton{border: none;}"));
    button->setCursor(Qt::PointingHandCursor);
    button->setFixedSize(scaled(26), scaled(26));
    button->setToolTip(tr("Select folder"));
    edit->setTextMargins(0, 0, button->width(), 0);
    auto *layout = new QHBoxLayout;
    layout->setSpacing(0);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addStretch();
    layout->addWidget(button);
    edit->setLayout(layout);
    edit->setProperty("ButtonData", QVariant::fromValue<QObject *>(button));
}

void Settings::setButtonColor(QWidget *button, const QColor &color)
{
    if (!button)
        return;
    static const QRegularExpression background(QStringLiteral("background-color: #[0-9a-fA-F]+"));
    QString sheet = button->styleSheet();
    sheet.replace(background, QStringLiteral("background-color: #%1").arg(colorToHex(color)));
    button->setStyleSheet(sheet);
}

void Settings::paintEvent(QPaintEvent *)
{
    setMask(CommonDialog::roundedShape(size(), 20));
}

void Settings::showEvent(QShowEvent *event)
{
    // Room below the last category, so that it too can be scrolled to the
    // top of the visible area.
    if (QLayout *layout = ui->scrollAreaWidgetContents->layout())
        layout->activate();
    ui->scrollAreaWidgetContents->setMinimumHeight(ui->scrollArea->height() + ui->lblOthers->y());
    emit visibleChanged(true);
    QDialog::showEvent(event);
}

void Settings::hideEvent(QHideEvent *event)
{
    if (!isMinimized())
        emit visibleChanged(false);
    QDialog::hideEvent(event);
}

bool Settings::eventFilter(QObject *watched, QEvent *event)
{
    auto *edit = qobject_cast<QLineEdit *>(watched);
    if (edit && hotkeyEdits.contains(edit)) {
        if (event->type() == QEvent::KeyPress && captureHotkey(edit, static_cast<QKeyEvent *>(event)))
            return true;
        if (event->type() == QEvent::FocusOut && !isHotkeyUnique(edit)) {
            // After the focus change, which goes on.
            QMetaObject::invokeMethod(this, [this] { warnHotkeyInUse(); }, Qt::QueuedConnection);
        }
    } else if (watched == ui->wdtCaption && m_drag->handleEvent(event)) {
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

QString Settings::hotkeyText(int key, Qt::KeyboardModifiers modifiers, quint32 nativeScanCode)
{
    auto captured = [](int k) { return (k >= Qt::Key_1 && k <= Qt::Key_9) || (k >= Qt::Key_A && k <= Qt::Key_Z); };
    if (!captured(key) && (modifiers & Qt::ShiftModifier)) {
        // Shift turns the digit into its symbol; the key itself is what
        // the hotkey grab reads.
        const int base = unshiftedKey(nativeScanCode);
        if (base >= Qt::Key_1 && base <= Qt::Key_9)
            key = base;
    }
    if (!captured(key))
        return QString();
    QString text;
    if (modifiers & Qt::ControlModifier)
        text += QLatin1String("Ctrl+");
    if (modifiers & Qt::AltModifier)
        text += QLatin1String("Alt+");
    if (modifiers & Qt::ShiftModifier)
        text += QLatin1String("Shift+");
    return text + QChar(key).toUpper();
}

bool Settings::captureHotkey(QLineEdit *edit, QKeyEvent *event)
{
    const QString text = hotkeyText(event->key(), event->modifiers(), event->nativeScanCode());
    if (text.isEmpty())
        return false;
    edit->setText(text);
    return true;
}

bool Settings::isHotkeyUnique(QLineEdit *edit)
{
    const int which = hotkeyEdits.indexOf(edit);
    if (which < 0)
        return true;
    for (QLineEdit *other : qAsConst(hotkeyEdits)) {
        if (other != edit && other->text() == edit->text()) {
            if (m_env)
                edit->setText(m_env->hotkeys()->text(which));
            return false;
        }
    }
    return true;
}

void Settings::warnHotkeyInUse()
{
    // The focus may have left for Cancel or OK, which closed the dialog.
    if (!isVisible())
        return;
    CommonDialog::showWarning(this, tr("The hotkey is alreay in use, please change it."));
}
