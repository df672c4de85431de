#include "mysystemprivacywidget.h"

#include <QBitmap>
#include <QDesktopServices>
#include <QPixmap>
#include <QUrl>

#include "serviceviews.h"
#include "core/edition.h"
#include "privacypages.h"
#include "skinmanager.h"
#include "ui_SystemPrivacyWidget.h"
#include "widgets/serviceshape.h"

namespace {
int px(int n)
{
    return int(n * g_dscale);
}
} // namespace

MySystemPrivacyWidget::MySystemPrivacyWidget(QWidget *parent, Qt::WindowFlags flags)
    : QWidget(parent, flags), ui(new Ui::SystemPrivacyWidget)
{
    ui->setupUi(this);
    ui->wdtContent->setProperty("STYLE_KEY", "HOME_PAGE");
    ui->wdtContent->setAttribute(Qt::WA_StyledBackground);
    ui->lblMessage->setProperty("STYLE_KEY", "HISTROY_LABEL");
    ui->btnOpenPrivacy->setProperty("STYLE_KEY", "BORDER_BTN");
    ui->lblRetry->setProperty("STYLE_KEY", "HISTROY_LABEL");
    ui->btnOK->setProperty("STYLE_KEY", "SETTING_DEFAULTBTN");
    ui->gridLayout->setRowStretch(1, 1);
    ui->gridLayout->setRowStretch(2, 1);
    applySizes();

    const QPixmap icon(QStringLiteral(":/Mirelon/Resources/logo/remove-warning.png"));
    ui->lblIcon->setPixmap(icon.scaled(ui->lblIcon->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));

    connect(ui->btnOpenPrivacy, &QPushButton::clicked, this, &MySystemPrivacyWidget::slotbtnOpenPrivacyClicked);
    connect(ui->lblMoreInfo, &QLabel::linkActivated, this, &MySystemPrivacyWidget::slotMoreInfo);
    connect(ui->lblRetry, &QLabel::linkActivated, this, &MySystemPrivacyWidget::slotContactUs);
    connect(ui->btnOK, &QPushButton::clicked, this, &MySystemPrivacyWidget::SlotClose);
}

MySystemPrivacyWidget::~MySystemPrivacyWidget()
{
    delete ui;
}

void MySystemPrivacyWidget::applySizes()
{
    setFixedSize(px(600), px(380));
    ui->gridLayout->setContentsMargins(px(20), px(30), px(20), 0);
    ui->gridLayout->setHorizontalSpacing(px(30));
    ui->gridLayout->setVerticalSpacing(px(15));
    ui->lblIcon->setFixedSize(px(38), px(38));
    ui->btnOpenPrivacy->setFixedHeight(px(32));
    ui->btnOK->setFixedSize(px(80), px(32));
    ui->rowBottom->setContentsMargins(0, px(10), px(15), px(10));
    ui->rowBottom->setSpacing(px(30));
}

void MySystemPrivacyWidget::setDeviceKind(int kind)
{
    m_kind = kind;
    const bool device = kind == PrivacyPages::Camera || kind == PrivacyPages::Microphone;
    const bool page = device && PrivacyPages::available(PrivacyPages::Device(kind));
    ui->btnOpenPrivacy->setVisible(page);
    // Without the button the link takes its place under the message.
    ui->gridLayout->removeWidget(ui->lblMoreInfo);
    ui->gridLayout->addWidget(ui->lblMoreInfo, 1, page ? 2 : 1);
}

void MySystemPrivacyWidget::retranslate()
{
    ui->retranslateUi(this);
}

void MySystemPrivacyWidget::slotbtnOpenPrivacyClicked()
{
    if (m_kind == 1)
        QDesktopServices::openUrl(QUrl(QStringLiteral("ms-settings:privacy-webcam")));
    else if (m_kind == 2)
        QDesktopServices::openUrl(QUrl(QStringLiteral("ms-settings:privacy-microphone")));
}

void MySystemPrivacyWidget::slotMoreInfo(const QString &link)
{
    Q_UNUSED(link)
    if (g_mireloData)
        openWebLink(g_mireloData->supportLink());
}

void MySystemPrivacyWidget::slotContactUs(const QString &link)
{
    Q_UNUSED(link)
    ServiceViews::instance()->showBugReportView();
}

void MySystemPrivacyWidget::SlotClose()
{
    close();
    if (m_kind == 1 || m_kind == 2)
        emit SigPrivacyCloseDevice(m_kind);
}

void MySystemPrivacyWidget::paintEvent(QPaintEvent *event)
{
    setMask(bottomRoundedShape(size()));
    QWidget::paintEvent(event);
}
