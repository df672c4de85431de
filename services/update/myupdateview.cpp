#include "myupdateview.h"

#include <QPainter>
#include <QPixmap>

#include "cabstractframe.h"
#include "serviceviews.h"
#include "core/edition.h"
#include "core/myconfig.h"
#include "skinmanager.h"
#include "ui_UpdateView.h"
#include "widgets/serviceshape.h"

namespace {
constexpr int kWidth = 500;
constexpr int kShortHeight = 213;
constexpr int kTallHeight = 436;

QString runningVersion()
{
    return g_mireloData ? g_mireloData->version() : QString();
}
} // namespace

MyUpdateView::MyUpdateView(QWidget *parent, Qt::WindowFlags flags)
    : QWidget(parent, flags), ui(new Ui::UpdateView)
{
    ui->setupUi(this);
    applySizes();

    ui->label->setProperty("STYLE_KEY", "UPDATEVIEW_LABEL");
    for (QWidget *page : {ui->checkPage, ui->latestPage, ui->updatePage}) {
        page->setProperty("STYLE_KEY", "HOME_PAGE");
        page->setAttribute(Qt::WA_StyledBackground);
    }
    ui->btnRetry->setProperty("STYLE_KEY", "BLUE_BTN");
    ui->btnOK->setProperty("STYLE_KEY", "BLUE_BTN");
    ui->UpdateButton->setProperty("STYLE_KEY", "BLUE_BTN");
    ui->SkipButton->setProperty("STYLE_KEY", "BORDER_BTN");
    ui->FoundVersionLabel->setProperty("STYLE_KEY", "UPDATEVIEW_WHITEBOLD");
    ui->label_3->setProperty("STYLE_KEY", "UPDATEVIEW_WHITEBOLD");
    ui->CurrentVersionLabel_2->setProperty("STYLE_KEY", "ABOUTVIEW_LABEL");
    ui->CurrentVersionLabel->setProperty("STYLE_KEY", "ABOUTVIEW_LABEL");
    ui->checkFailedLabel->setProperty("STYLE_KEY", "UPDATEVIEW_FAILLABEL");
    // The notes take the skin's text-field colours, like the bug report's.
    ui->NewInfoBrowser->setProperty("STYLE_KEY", "BUGREPORT_TEXT");

    ui->NewInfoBrowser->setReadOnly(true);
    ui->progressBar->setRange(0, 0);
    ui->progressBar->setValue(-1);
    ui->progressBar->setTextVisible(false);
    ui->btnRetry->hide();
    ui->stackedWidget->setCurrentIndex(0);
    ui->checkStackWidget->setCurrentIndex(0);
    setViewSize(kShortHeight);

    connect(ui->btnOK, &QPushButton::clicked, this, &MyUpdateView::SltClose);
    connect(ui->SkipButton, &QPushButton::clicked, this, &MyUpdateView::SltSkipVersion);
    connect(ui->UpdateButton, &QPushButton::clicked, this, &MyUpdateView::SltUpdate);
    connect(ui->btnRetry, &QPushButton::clicked, this, &MyUpdateView::SltRetry);
    retranslate();

    const QString skin = SkinManager::instance() ? SkinManager::instance()->skinPath() : QString();
    QPixmap logo(skin + QStringLiteral("image/logo48.png"));
    // Fitted to the label's height at every display scale.
    if (!logo.isNull())
        logo = logo.scaled(scaled(45), scaled(45), Qt::KeepAspectRatio, Qt::SmoothTransformation);
    for (QLabel *label : {ui->IconLabel, ui->IconLabel_2, ui->IconLabel_3})
        label->setPixmap(logo);
}

MyUpdateView::~MyUpdateView()
{
    delete ui;
}

void MyUpdateView::applySizes()
{
    for (QLabel *label : {ui->IconLabel, ui->IconLabel_2, ui->IconLabel_3})
        label->setFixedSize(scaled(54), scaled(45));
    // The logo stands beside the first line of text.
    ui->checkRow->setAlignment(ui->IconLabel, Qt::AlignTop);
    ui->latestRow->setAlignment(ui->IconLabel_2, Qt::AlignTop);
    ui->updateRow->setAlignment(ui->IconLabel_3, Qt::AlignTop);
    ui->progressBar->setFixedSize(scaled(320), scaled(6));
    for (QPushButton *button : {ui->btnRetry, ui->btnOK, ui->UpdateButton, ui->SkipButton})
        button->setFixedSize(scaled(100), scaled(30));
    ui->NewInfoBrowser->setFixedHeight(scaled(250));
    for (QLayout *layout : {ui->checkLayout, ui->latestLayout})
        layout->setContentsMargins(scaled(40), scaled(40), scaled(20), scaled(30));
    ui->updateLayout->setContentsMargins(scaled(40), scaled(30), scaled(20), scaled(30));
    ui->checkRow->setSpacing(scaled(20));
    ui->latestRow->setSpacing(scaled(20));
    ui->updateRow->setSpacing(scaled(20));
    ui->latestColumn->setSpacing(scaled(10));
    ui->updateColumn->setSpacing(scaled(10));
    ui->updateButtons->setSpacing(scaled(15));
}

void MyUpdateView::setViewSize(int height)
{
    setFixedSize(scaled(kWidth), scaled(height));
}

void MyUpdateView::setState(int state)
{
    const QString current = tr("Current version:");
    switch (state) {
    case Checking:
        ui->btnRetry->hide();
        ui->stackedWidget->setCurrentIndex(0);
        ui->checkStackWidget->setCurrentIndex(0);
        setViewSize(kShortHeight);
        break;
    case Latest:
        ui->stackedWidget->setCurrentIndex(1);
        ui->CurrentVersionLabel->setText(QStringLiteral("%1 %2").arg(current, runningVersion()));
        setViewSize(kShortHeight);
        break;
    case Available:
        ui->stackedWidget->setCurrentIndex(2);
        ui->CurrentVersionLabel_2->setText(QStringLiteral("%1 %2").arg(current, runningVersion()));
        ui->FoundVersionLabel->setText(QStringLiteral("%1 %2").arg(tr("Update available:"), m_newVersion));
        ui->NewInfoBrowser->setText(ServiceViews::instance()->releaseNotes());
        setViewSize(kTallHeight);
        break;
    case Failed:
        ui->btnRetry->show();
        ui->stackedWidget->setCurrentIndex(0);
        ui->checkStackWidget->setCurrentIndex(1);
        ui->checkFailedLabel->setText(m_labelText);
        setViewSize(kShortHeight);
        break;
    default:
        ui->stackedWidget->setCurrentIndex(0);
        ui->checkStackWidget->setCurrentIndex(0);
        break;
    }
}

void MyUpdateView::showCheckPage(int page)
{
    if (page == 0) {
        ui->checkStackWidget->setCurrentIndex(0);
        ui->btnRetry->hide();
    } else if (page == 1) {
        ui->checkStackWidget->setCurrentIndex(1);
        ui->checkFailedLabel->setText(m_labelText);
        ui->btnRetry->show();
    }
}

void MyUpdateView::startCheck()
{
    ui->btnRetry->hide();
    ui->stackedWidget->setCurrentIndex(0);
    ui->checkStackWidget->setCurrentIndex(0);
    setViewSize(kShortHeight);
    ServiceViews::instance()->execUpdateView(false);
}

void MyUpdateView::retranslate()
{
    // The failure text and the version lines are ours, not the form's.
    const QString failed = ui->checkFailedLabel->text();
    const QString current = ui->CurrentVersionLabel->text();
    const QString current2 = ui->CurrentVersionLabel_2->text();
    const QString found = ui->FoundVersionLabel->text();
    ui->retranslateUi(this);
    if (!m_labelText.isEmpty())
        ui->checkFailedLabel->setText(failed);
    ui->CurrentVersionLabel->setText(current);
    ui->CurrentVersionLabel_2->setText(current2);
    ui->FoundVersionLabel->setText(found);
}

void MyUpdateView::SltClose()
{
    // The frame around the view closes with it.
    if (auto *frame = qobject_cast<CAbstractFrame *>(parentWidget()))
        frame->closeFrame();
    else
        close();
}

void MyUpdateView::SltSkipVersion()
{
    if (g_myConfig)
        g_myConfig->setSkipVersion(m_newVersion, false);
    SltClose();
}

void MyUpdateView::SltUpdate()
{
    openWebLink(ServiceViews::instance()->updateDownloadAddress());
    SltClose();
}

void MyUpdateView::SltRetry()
{
    ServiceViews::instance()->retryUpdateCheck();
}

void MyUpdateView::paintEvent(QPaintEvent *event)
{
    setMask(bottomRoundedShape(size()));
    QWidget::paintEvent(event);
}
