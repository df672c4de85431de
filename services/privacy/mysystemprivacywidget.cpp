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
    setFixedSize(scaled(600), scaled(380));
    ui->gridLayout->setContentsMargins(scaled(20), scaled(30), scaled(20), 0);
    ui->gridLayout->setHorizontalSpacing(scaled(30));
    ui->gridLayout->setVerticalSpacing(scaled(15));
    ui->lblIcon->setFixedSize(scaled(38), scaled(38));
    ui->btnOpenPrivacy->setFixedHeight(scaled(32));
    ui->btnOK->setFixedSize(scaled(80), scaled(32));
    ui->rowBottom->setContentsMargins(0, scaled(10), scaled(15), scaled(10));
    ui->rowBottom->setSpacing(scaled(30));
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
