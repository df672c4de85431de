#include "commondialog.h"
#include "ui_commondialog.h"

#include "core/enviroment.h"
#include "framelessdrag.h"
#include "skinmanager.h"

#include <QBitmap>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPointer>
#include <QScreen>
#include <QScrollArea>
#include <QValidator>

namespace {

// The "Others" settings the dialog reads. Without a settings holder (before
// the main window, in tests) the built-in defaults stand.
const DataGroupOthers *others()
{
    if (g_enviroment)
        return g_enviroment->others();
    static DataGroupOthers *defaults = [] {
        auto *d = new DataGroupOthers;
        d->resetDefaults();
        return d;
    }();
    return defaults;
}
bool settingExitWhenClose() { return others()->ExitWhenClose; }
bool settingExitWhenCloseTip() { return others()->ExitWhenCloseTip; }
bool settingIsShowToAudioTips() { return others()->IsShowToAudioTips; }
void setSettingExitWhenClose(bool on)
{
    if (g_enviroment)
        g_enviroment->others()->setExitWhenClose(on);
}

} // namespace

namespace {

const char *const kRemoveWarning = "border-image: url(:/Mirelon/Resources/logo/remove-warning.png);";
const char *const kDeleteWarning = "border-image: url(:/Mirelon/Resources/logo/delete-warning.png);";
const char *const kDialogWarning = "border-image: url(:/Mirelon/images/dialogwarning.png);";

constexpr int kMessageWidth = 483;
constexpr int kMessageHeight = 184;
constexpr int kRenameWidth = 382;
constexpr int kRenameHeight = 223;
constexpr int kCornerRadius = 10;
const char *const kNoticeProperty = "mireloNotice";

CommonDialog::RunHook &runHook()
{
    static CommonDialog::RunHook hook;
    return hook;
}

// Refuses what a file name cannot hold, also when it is pasted or comes from
// an input method; "." and ".." are names of folders, not of a file.
class FileNameValidator : public QValidator
{
public:
    using QValidator::QValidator;
    State validate(QString &input, int &) const override
    {
        for (const QChar c : input) {
            if (CommonDialog::isForbiddenInFileName(c))
                return Invalid;
        }
        if (input == QLatin1String(".") || input == QLatin1String(".."))
            return Intermediate;
        return Acceptable;
    }
};

} // namespace

CommonDialog::CommonDialog(QWidget *parent, int kind)
    : QDialog(parent), ui(new Ui::CommonDialogClass), m_kind(kind), m_drag(new FramelessDrag(this))
{
    ui->setupUi(this);
    // Taskbars and window switchers list the question under the program's name.
    setWindowTitle(QCoreApplication::applicationName());
    setStyleKeys();
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint | Qt::CustomizeWindowHint);

    ui->wdtCaption->installEventFilter(this);
    ui->lineEdit->installEventFilter(this);
    installEventFilter(this);

    ui->timeEdit->hide();
    ui->rdoMinimize->hide();
    ui->rdoExitProgram->hide();

    connect(ui->btnClose, &QPushButton::clicked, this, &QDialog::reject);
    connect(ui->btnCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(ui->btnOK, &QPushButton::clicked, this, &QDialog::accept);

    ui->lineEdit->setFocus();
    ui->lblIcon->setStyleSheet(QString::fromLatin1(kRemoveWarning));
    ui->lblCaption->setText(QStringLiteral("Olvex Free Mirelo"));

    ui->lblCaption->setFixedHeight(scaled(22));
    ui->wdtCaption->setFixedHeight(scaled(36));
    ui->wdtBottom->setFixedHeight(scaled(42));

    // The caption takes the skin's title colour where the skin has one.
    const QColor band = SkinManager::instance()->color(QStringLiteral("Frame"), QStringLiteral("TitleBand"));
    if (band.isValid())
        ui->wdtCaption->setStyleSheet(QStringLiteral("QWidget#wdtCaption{background-color: %1;}").arg(band.name()));

    const QString images = SkinManager::instance()->skinPath() + QStringLiteral("image/");
    ui->btnClose->setStyleSheet(
        QStringLiteral("QPushButton{border-image: url(%1closewindow-normal_free.png)}\n"
                       "QPushButton:hover{border-image: url(%1closewindow-on_free.png)}\n"
                       "QPushButton:pressed{border-image: url(%1closewindow-on_free.png)}")
            .arg(images));

    if (m_kind == FileName) {
        ui->lineEdit->setValidator(new FileNameValidator(ui->lineEdit));
        connect(ui->lineEdit, &QLineEdit::textChanged, this,
                [this] { ui->btnOK->setEnabled(ui->lineEdit->hasAcceptableInput()); });
    }
}

CommonDialog::~CommonDialog() { delete ui; }

void CommonDialog::setStyleKeys()
{
    const std::pair<QWidget *, const char *> keys[] = {
        {ui->widgetCentral, "COMMONDIALOG_WIDGET"}, {ui->wdtCaption, "CAMERASETTING_DARK_WIDGET"},
        {ui->lblCaption, "TITLE"},                  {ui->widgetContext, "WIGDET_NULL"},
        {ui->lblPrompt, "MAINFUN_LABEL"},           {ui->rdoMinimize, "MAINFUN_CHECKBOX"},
        {ui->rdoExitProgram, "MAINFUN_CHECKBOX"},   {ui->wdtBottom, "DIALOG_STATUS"},
        {ui->chxDeleteLocalFile, "MAINFUN_CHECKBOX"}, {ui->btnOK, "BLUE_BTN"},
        {ui->btnCancel, "BORDER_BTN"},
    };
    for (const auto &k : keys)
        k.first->setProperty("STYLE_KEY", QString::fromLatin1(k.second));
}

bool CommonDialog::isForbiddenInFileName(QChar c)
{
    return QStringLiteral("\\/:*?\"<>|").contains(c);
}

void CommonDialog::setRunHook(RunHook hook) { runHook() = std::move(hook); }

void CommonDialog::fitHeightToText()
{
    // A long message (a list of files, a long path) makes the box higher,
    // so that all of it shows, up to most of the screen's free height.
    ensurePolished();
    const int needed = layout()->totalHeightForWidth(width());
    if (needed <= height())
        return;
    const QScreen *screen = parentWidget() ? parentWidget()->screen() : QGuiApplication::primaryScreen();
    const int most = screen ? screen->availableGeometry().height() * 9 / 10 : needed;
    setFixedHeight(qMax(height(), qMin(needed, most)));
    if (needed <= height())
        return;
    // Longer still: the text scrolls in the space there is.
    auto *scroll = new QScrollArea;
    scroll->setObjectName(QStringLiteral("scrollPrompt"));
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->setWidgetResizable(true);
    scroll->setStyleSheet(QStringLiteral("QScrollArea#scrollPrompt, QWidget#qt_scrollarea_viewport "
                                         "{ background: transparent; }"));
    delete ui->verticalLayout->replaceWidget(ui->lblPrompt, scroll);
    scroll->setWidget(ui->lblPrompt);
}

int CommonDialog::run()
{
    if (m_kind == Message)
        fitHeightToText();
    if (runHook())
        return runHook()(this);
    return exec();
}

void CommonDialog::setupMessage(const QString &iconStyle)
{
    setFixedSize(scaled(kMessageWidth), scaled(kMessageHeight));
    ui->lineEdit->hide();
    ui->lblIcon->setStyleSheet(iconStyle);
    ui->lblIcon->show();
    ui->lblCaption->setText(QCoreApplication::applicationName());
    ui->lblCaption->show();
}

void CommonDialog::setupInput(int width, int height)
{
    setFixedSize(scaled(width), scaled(height));
    ui->lblIcon->hide();
    ui->lblCaption->hide();
    ui->chxDeleteLocalFile->hide();
}

bool CommonDialog::showWarning(QWidget *parent, const QString &text)
{
    QPointer<CommonDialog> d = new CommonDialog(parent, Message);
    d->setupMessage(QString::fromLatin1(kRemoveWarning));
    d->ui->lblPrompt->setText(text);
    d->ui->btnOK->setText(tr("Ok"));
    d->ui->btnCancel->hide();
    d->ui->chxDeleteLocalFile->hide();
    const bool accepted = d->run() == QDialog::Accepted;
    delete d;
    return accepted;
}

CommonDialog *CommonDialog::tell(QWidget *parent, const QString &text)
{
    auto *d = new CommonDialog(parent, Message);
    d->setupMessage(QString::fromLatin1(kRemoveWarning));
    d->ui->lblPrompt->setText(text);
    d->ui->btnOK->setText(tr("Ok"));
    d->ui->btnCancel->hide();
    d->ui->chxDeleteLocalFile->hide();
    d->setProperty(kNoticeProperty, true);
    d->fitHeightToText();
    if (runHook()) {
        runHook()(d);
        delete d;
        return nullptr;
    }
    d->setAttribute(Qt::WA_DeleteOnClose);
    d->setModal(false);
    d->show();
    return d;
}

bool CommonDialog::isNotice(const QWidget *window)
{
    return window && window->property(kNoticeProperty).toBool();
}

bool CommonDialog::showTip(QWidget *parent, const QString &text, bool *showAgain)
{
    QPointer<CommonDialog> d = new CommonDialog(parent, Message);
    d->setupMessage(QString::fromLatin1(kRemoveWarning));
    d->ui->lblPrompt->setText(text);
    d->ui->btnOK->setText(tr("Ok"));
    d->ui->btnCancel->show();
    d->ui->chxDeleteLocalFile->show();
    d->ui->chxDeleteLocalFile->setText(tr("No longer tips"));
    d->ui->chxDeleteLocalFile->setChecked(!settingIsShowToAudioTips());
    const bool accepted = d->run() == QDialog::Accepted;
    if (accepted && showAgain)
        *showAgain = !d->ui->chxDeleteLocalFile->isChecked();
    delete d;
    return accepted;
}

int CommonDialog::askCloseAction(QWidget *parent, bool *askAgain)
{
    QPointer<CommonDialog> d = new CommonDialog(parent, Message);
    d->setupMessage(QString());
    d->ui->lblPrompt->hide();
    d->ui->rdoMinimize->show();
    d->ui->rdoExitProgram->show();
    const bool exitBefore = settingExitWhenClose();
    if (exitBefore)
        d->ui->rdoExitProgram->setChecked(true);
    else
        d->ui->rdoMinimize->setChecked(true);
    d->ui->chxDeleteLocalFile->setText(tr("No longer tips"));
    d->ui->chxDeleteLocalFile->setChecked(!settingExitWhenCloseTip());
    d->ui->btnCancel->hide();
    // The choice is stored as it changes (connected after the preset, so
    // opening the dialog stores nothing) ...
    connect(d->ui->rdoExitProgram, &QRadioButton::toggled, d, [](bool on) { setSettingExitWhenClose(on); });
    int answer = -1;
    if (d->run() == QDialog::Accepted) {
        answer = d->ui->rdoExitProgram->isChecked() ? 1 : 0;
        if (askAgain)
            *askAgain = !d->ui->chxDeleteLocalFile->isChecked();
    } else if (settingExitWhenClose() != exitBefore) {
        // ... and a cancelled question leaves it as it was.
        setSettingExitWhenClose(exitBefore);
    }
    delete d;
    return answer;
}

bool CommonDialog::confirmRemove(QWidget *parent, const QString &text)
{
    QPointer<CommonDialog> d = new CommonDialog(parent, Message);
    d->setupMessage(QString::fromLatin1(kRemoveWarning));
    d->ui->lblPrompt->setText(text);
    d->ui->btnOK->setText(tr("Remove"));
    d->ui->btnCancel->hide();
    d->ui->chxDeleteLocalFile->hide();
    const bool accepted = d->run() == QDialog::Accepted;
    delete d;
    return accepted;
}

bool CommonDialog::confirmRemoveHistory(QWidget *parent, bool *deleteLocal)
{
    QPointer<CommonDialog> d = new CommonDialog(parent, Message);
    d->setupMessage(QString::fromLatin1(kDeleteWarning));
    d->ui->lblPrompt->setText(tr("Are you sure to remove the history recording from the list?"));
    d->ui->chxDeleteLocalFile->setText(tr("Delete local file"));
    d->ui->chxDeleteLocalFile->show();
    const bool accepted = d->run() == QDialog::Accepted;
    if (accepted && deleteLocal)
        *deleteLocal = d->ui->chxDeleteLocalFile->isChecked();
    delete d;
    return accepted;
}

bool CommonDialog::confirmDeleteTask(QWidget *parent)
{
    QPointer<CommonDialog> d = new CommonDialog(parent, Message);
    d->setupMessage(QString::fromLatin1(kRemoveWarning));
    d->ui->lblPrompt->setText(tr("Are you sure to delete this task schedule?"));
    d->ui->btnOK->setText(tr("Ok"));
    d->ui->btnCancel->setText(tr("No"));
    d->ui->chxDeleteLocalFile->hide();
    const bool accepted = d->run() == QDialog::Accepted;
    delete d;
    return accepted;
}

QString CommonDialog::inputFileName(QWidget *parent, const QString &oldName)
{
    QPointer<CommonDialog> d = new CommonDialog(parent, FileName);
    d->setupInput(kRenameWidth, kRenameHeight);
    d->ui->lineEdit->setText(oldName);
    QString answer;
    if (d->run() == QDialog::Accepted && d->ui->lineEdit->hasAcceptableInput())
        answer = d->ui->lineEdit->text();
    delete d;
    return answer;
}

QString CommonDialog::inputTaskName(QWidget *parent, const QString &oldName)
{
    QPointer<CommonDialog> d = new CommonDialog(parent, TextInput);
    d->setupInput(kMessageWidth, kMessageHeight);
    d->ui->lblPrompt->setText(tr("Please enter the new task schedule name:"));
    d->ui->lineEdit->setText(oldName);
    QString answer;
    if (d->run() == QDialog::Accepted)
        answer = d->ui->lineEdit->text();
    delete d;
    return answer;
}

QTime CommonDialog::inputTime(QWidget *parent, const QTime &time)
{
    QPointer<CommonDialog> d = new CommonDialog(parent, TextInput);
    d->setupInput(kMessageWidth, kMessageHeight);
    d->ui->lblPrompt->setText(tr("Please enter the time:"));
    d->ui->lineEdit->hide();
    d->ui->timeEdit->show();
    d->ui->timeEdit->setTime(time);
    QTime answer;
    if (d->run() == QDialog::Accepted)
        answer = d->ui->timeEdit->time();
    delete d;
    return answer;
}

void CommonDialog::showResult(QWidget *parent, bool success)
{
    QPointer<CommonDialog> d = new CommonDialog(parent, Message);
    d->setupMessage(QString::fromLatin1(kDialogWarning));
    d->ui->lblPrompt->setText(success ? tr("Operation successfully done.") : tr("Operation failed."));
    d->ui->btnCancel->hide();
    d->ui->chxDeleteLocalFile->hide();
    d->run();
    delete d;
}

bool CommonDialog::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == ui->wdtCaption) {
        if (m_drag->handleEvent(event))
            return true;
    } else if (watched == ui->lineEdit && event->type() == QEvent::KeyPress) {
        const QString text = static_cast<QKeyEvent *>(event)->text();
        if (m_kind == FileName && !text.isEmpty()) {
            for (const QChar c : text) {
                if (isForbiddenInFileName(c))
                    return true;
            }
        }
    } else if (watched == this) {
        if (event->type() == QEvent::WindowActivate)
            ui->lblCaption->setStyleSheet(QStringLiteral("color:white"));
        else if (event->type() == QEvent::WindowDeactivate)
            ui->lblCaption->setStyleSheet(QStringLiteral("color:gray"));
    }
    return QDialog::eventFilter(watched, event);
}

QBitmap CommonDialog::roundedShape(const QSize &size, int radius)
{
    const int r = radius < 0 ? kCornerRadius : radius;
    const int w = size.width(), h = size.height(), d = 2 * r;
    QBitmap shape(size);
    shape.fill(Qt::color0);
    QPainter painter(&shape);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath path;
    path.moveTo(r, 0);
    path.arcTo(0, 0, d, d, 90, 90);
    path.lineTo(0, h - r);
    path.arcTo(0, h - d, d, d, 180, 90);
    path.lineTo(w - r, h);
    path.arcTo(w - d, h - d, d, d, 270, 90);
    path.lineTo(w, r);
    path.arcTo(w - d, 0, d, d, 0, 90);
    path.lineTo(r, 0);
    painter.setPen(Qt::color1);
    painter.setBrush(Qt::color1);
    painter.drawPath(path);
    return shape;
}

void CommonDialog::paintEvent(QPaintEvent *)
{
    // The window takes the shape of a rectangle with rounded corners.
    setMask(roundedShape(size()));
}
