#include "myaboutview.h"

#include <QBitmap>
#include <QPixmap>
#include <QPushButton>

#include "core/edition.h"
#include "core/myconfig.h"
#include "skinmanager.h"
#include "ui_AboutView.h"
#include "widgets/serviceshape.h"

namespace {
// The address as the button's text, shortened in the middle only when it
// is wider than the button; the tool tip keeps it whole.
void setLinkText(QPushButton *button, const QString &link)
{
    button->ensurePolished();
    const int room = button->width() - scaled(10);
    button->setText(button->fontMetrics().elidedText(link, Qt::ElideMiddle, room));
    button->setToolTip(link);
}
} // namespace

MyAboutView::MyAboutView(QWidget *parent, Qt::WindowFlags flags) : QWidget(parent, flags), ui(new Ui::AboutView)
{
    ui->setupUi(this);
    ui->wdtContent->setProperty("STYLE_KEY", "HOME_PAGE");
    ui->wdtContent->setAttribute(Qt::WA_StyledBackground);
    ui->lblLogo->setProperty("STYLE_KEY", "ABOUTVIEW_ICON");
    ui->lblProductName->setProperty("STYLE_KEY", "ABOUTVIEW_BIG_TITLE");
    ui->lblVersionCaption->setProperty("STYLE_KEY", "CUSTOM_LABEL");
    ui->lblVersion->setProperty("STYLE_KEY", "CUSTOM_LABEL");
    ui->lblSupportCaption->setProperty("STYLE_KEY", "ABOUTVIEW_LABEL");
    ui->btnSupport->setProperty("STYLE_KEY", "ABOUTVIEW_URLBTN");
    ui->lblWebsiteCaption->setProperty("STYLE_KEY", "ABOUTVIEW_LABEL");
    ui->btnWebsite->setProperty("STYLE_KEY", "ABOUTVIEW_URLBTN");
    ui->lblNotice->setProperty("STYLE_KEY", "ABOUTVIEW_LABEL");
    // The three text blocks share the height; the spacer between keeps its own.
    ui->gridText->setRowStretch(0, 1);
    ui->gridText->setRowStretch(2, 1);
    ui->gridText->setRowStretch(3, 1);
    applySizes();

    const QString image = SkinManager::instance()->skinPath() + QStringLiteral("image/logo180.png");
    const QPixmap logo(image);
    if (!logo.isNull())
        ui->lblLogo->setPixmap(logo.scaled(ui->lblLogo->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));

    connect(ui->btnSupport, &QPushButton::clicked, this, &MyAboutView::slotShowSupport);
    connect(ui->btnWebsite, &QPushButton::clicked, this, &MyAboutView::slotShowOfficialWeb);
    retranslate();
}

MyAboutView::~MyAboutView()
{
    delete ui;
}

void MyAboutView::applySizes()
{
    setFixedSize(scaled(600), scaled(350));
    ui->gridLayout->setContentsMargins(scaled(50), 0, scaled(60), scaled(20));
    ui->rowMain->setSpacing(scaled(25));
    ui->rowVersion->setSpacing(scaled(15));
    ui->lblLogo->setFixedSize(scaled(200), scaled(165));
    // Both links take the text column's width: the addresses of every
    // language fit there whole.
    const int column = scaled(600) - scaled(50) - scaled(60) - scaled(200) - scaled(25);
    ui->btnSupport->setFixedWidth(column);
    ui->btnWebsite->setFixedWidth(column);
}

QString MyAboutView::legalNotice()
{
    const QString years = g_mireloData ? g_mireloData->copyrightTime() : QString();
    const QString maker = g_mireloData ? g_mireloData->company() : QString();
    return tr("Copyright © %1 %2. All rights reserved.").arg(years, maker);
}

void MyAboutView::retranslate()
{
    ui->retranslateUi(this);
    if (!g_mireloData)
        return;
    ui->lblProductName->setText(g_mireloData->fullProductName());
    ui->lblVersion->setText(g_mireloData->version());
    // The links follow the language: each language may have its own pages.
    setLinkText(ui->btnSupport, g_mireloData->supportLink());
    setLinkText(ui->btnWebsite, g_mireloData->homeLink());
    ui->lblNotice->setText(legalNotice());
}

void MyAboutView::slotShowSupport()
{
    if (g_mireloData)
        openWebLink(g_mireloData->supportLink());
}

void MyAboutView::slotShowOfficialWeb()
{
    if (g_mireloData)
        openWebLink(g_mireloData->homeLink());
}

void MyAboutView::paintEvent(QPaintEvent *event)
{
    setMask(bottomRoundedShape(size()));
    QWidget::paintEvent(event);
}
