#include "countdownwindow.h"

#include "ui_countdown.h"

#include "core/enviroment.h"
#include "core/qxtglobalshortcut.h"
#include "desktopoverlay.h"
#include "skinmanager.h"
#include "stackingrule.h"
#include "platform/windowshape.h"

#include <QBitmap>
#include <QCoreApplication>
#include <QPixmap>
#include <QTimer>

CountDownWindow::CountDownWindow(QWidget *parent) : QDialog(parent), ui(new Ui::CountDownClass)
{
    ui->setupUi(this);
    // The main window gives it its own title; this stands until then.
    setWindowTitle(QCoreApplication::applicationName());
    const double s = g_dscale;
    ui->frame->setFixedSize(int(487 * s), int(91 * s));
    ui->lblAnimation->setFixedSize(int(220 * s), int(220 * s));
    ui->frame->setProperty("STYLE_KEY", QStringLiteral("COUNTDOWN_FRAME"));
    for (QLabel *label : {ui->lblControl, ui->lblState})
        label->setProperty("STYLE_KEY", QStringLiteral("COUNTDOWN_GRAYLABEL"));
    for (QLabel *label : {ui->lblHotKey, ui->lblStopRecording, ui->lblStopRecordingHostkey,
                          ui->lblStartStopRecordingState, ui->lblPauseRecording, ui->lblPauseRecordingHotkey,
                          ui->lblPauseResumeRecordingState})
        label->setProperty("STYLE_KEY", QStringLiteral("COUNTDOWN_WHITELABEL"));

    // Over the desktop, not a window of the user's: the keyboard stays with
    // the program the user is about to record, also when the countdown is
    // clicked. Escape ends it all the same, through a grab of that key
    // alone while it shows.
    DesktopOverlay::make(this);
    stacking::keepAbove(this);
    m_escape = new QxtGlobalShortcut(this);
    connect(m_escape, &QxtGlobalShortcut::activated, this, &QDialog::reject);
    setAttribute(Qt::WA_TranslucentBackground);

    // The form's texts are only placeholders: the user's hotkeys always show.
    const DataGroupHotkeys *hotkeys = g_enviroment ? g_enviroment->hotkeys() : nullptr;
    ui->lblStopRecordingHostkey->setText(hotkeys ? hotkeys->HotkeyStop : QString());
    ui->lblPauseRecordingHotkey->setText(hotkeys ? hotkeys->HotkeyPause : QString());

    m_timer = new QTimer(this);
    m_timer->setInterval(kTickMs);
    connect(m_timer, &QTimer::timeout, this, &CountDownWindow::timerTimeout);
    m_frameCounter = 1;
    m_timer->start();
}

CountDownWindow::~CountDownWindow()
{
    delete ui;
}

void CountDownWindow::timerTimeout()
{
    if (m_frameCounter >= kLastFrame) {
        m_timer->stop();
        accept();
        return;
    }
    ++m_frameCounter;
    const QString path = SkinManager::instance()->skinPath() + QStringLiteral("image/")
                         + QStringLiteral("countdown/%1.png").arg(m_frameCounter);
    const int side = int(220 * g_dscale);
    QPixmap frame(path);
    if (frame.isNull())
        ui->lblAnimation->clear();
    else
        ui->lblAnimation->setPixmap(frame.scaled(side, side, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    updateMask();
}

void CountDownWindow::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    // Refused when another program holds the key: the countdown then ends
    // by itself only.
    if (!m_escapeHeld)
        m_escapeHeld = m_escape->setShortcut(QKeySequence(Qt::Key_Escape));
    updateMask();
}

void CountDownWindow::hideEvent(QHideEvent *event)
{
    if (m_escapeHeld)
        m_escape->unsetShortcut();
    m_escapeHeld = false;
    QDialog::hideEvent(event);
}

// Without a compositing manager the transparent parts would show black:
// the window is cut to the picture and the hotkey frame.
void CountDownWindow::updateMask()
{
    if (WindowShape::instance()->compositingManagerRunning()) {
        if (!mask().isEmpty())
            clearMask();
        return;
    }
    QRegion region(ui->frame->geometry());
    const QPixmap picture = ui->lblAnimation->pixmap(Qt::ReturnByValue);
    if (!picture.isNull()) {
        const QRect label = ui->lblAnimation->geometry();
        // The label centres its picture.
        const QPoint at(label.x() + (label.width() - picture.width()) / 2,
                        label.y() + (label.height() - picture.height()) / 2);
        const QBitmap alpha = picture.hasAlphaChannel() ? picture.mask() : QBitmap();
        region += alpha.isNull() ? QRegion(QRect(at, picture.size())) : QRegion(alpha).translated(at);
    }
    setMask(region);
}
