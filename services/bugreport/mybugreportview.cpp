#include "mybugreportview.h"

#include "widgets/serviceshape.h"

#include <QBitmap>
#include <QPainter>
#include <QPainterPath>

#include "serviceviews.h"
#include "core/myconfig.h"
#include "skinmanager.h"
#include "ui_BugReportView.h"

namespace {
// A red border on the skin's own field.
const char kEmailErrorStyle[] = "border: 1px solid #ff0000;";
} // namespace

MyBugReportView::MyBugReportView(QWidget *parent, Qt::WindowFlags flags)
    : QWidget(parent, flags), ui(new Ui::BugReportView)
{
    ui->setupUi(this);
    ui->lblEmailError->hide();
    if (g_myConfig && !g_myConfig->customEmail().isEmpty())
        ui->edtEmail->setText(g_myConfig->customEmail());
    if (g_myConfig && !g_myConfig->customName().isEmpty())
        ui->edtName->setText(g_myConfig->customName());
    ui->btnReport->setFocusPolicy(Qt::NoFocus);
    m_sending = false;
    ui->prgProgress->hide();
    ui->lblResult->hide();
    ui->edtDescription->setPlaceholderText(tr("Description is required."));

    ui->wdtContent->setProperty("STYLE_KEY", "HOME_PAGE");
    ui->wdtContent->setAttribute(Qt::WA_StyledBackground);
    ui->lblIntro->setProperty("STYLE_KEY", "BUGREPORT_LABEL");
    ui->lblEmail->setProperty("STYLE_KEY", "CUSTOM_LABEL");
    ui->lblName->setProperty("STYLE_KEY", "CUSTOM_LABEL");
    ui->lblEmailError->setProperty("STYLE_KEY", "BUGREPORT_ERRORLABEL");
    ui->btnReport->setProperty("STYLE_KEY", "BLUE_BTN");
    ui->edtDescription->setProperty("STYLE_KEY", "BUGREPORT_TEXT");
    // The description takes the height the other rows leave.
    ui->gridLayout->setRowStretch(2, 1);
    applySizes();
    connect(ui->btnReport, &QPushButton::clicked, this, &MyBugReportView::SltReport);
    retranslate();
}

MyBugReportView::~MyBugReportView()
{
    delete ui;
}

void MyBugReportView::applySizes()
{
    setFixedSize(scaled(584), scaled(562));
    ui->gridLayout->setContentsMargins(scaled(33), scaled(30), scaled(33), scaled(30));
    ui->gridLayout->setVerticalSpacing(scaled(24));
    ui->rowFields->setSpacing(scaled(20));
    ui->blockEmail->setSpacing(scaled(12));
    ui->blockName->setSpacing(scaled(12));
    ui->rowBottom->setSpacing(scaled(12));
    // Two fields and their gap fill the description's width exactly.
    ui->edtEmail->setFixedSize(scaled(249), scaled(32));
    ui->edtName->setFixedSize(scaled(249), scaled(32));
    ui->edtDescription->setFixedWidth(scaled(518));
    ui->prgProgress->setFixedSize(scaled(240), scaled(8));
    ui->btnReport->setFixedSize(scaled(80), scaled(32));
}

void MyBugReportView::retranslate()
{
    ui->retranslateUi(this);
    ui->edtDescription->setPlaceholderText(tr("Description is required."));
}

QString MyBugReportView::email() const
{
    return ui->edtEmail->text();
}

QString MyBugReportView::name() const
{
    return ui->edtName->text();
}

QString MyBugReportView::description() const
{
    return ui->edtDescription->toPlainText();
}

void MyBugReportView::showEmailError()
{
    ui->edtEmail->setStyleSheet(QString::fromLatin1(kEmailErrorStyle));
    ui->lblEmailError->setText(tr("Email Format is Incorrect!"));
    ui->lblEmailError->show();
}

void MyBugReportView::clearEmailError()
{
    ui->edtEmail->setStyleSheet(QString());
    ui->lblEmailError->hide();
}

void MyBugReportView::setErrorText(const QString &text)
{
    ui->lblEmailError->setText(text);
    ui->lblEmailError->show();
}

void MyBugReportView::setProgress(int percent)
{
    ui->prgProgress->setValue(percent);
}

void MyBugReportView::setResultText(const QString &text)
{
    ui->lblResult->setText(text);
}

void MyBugReportView::setState(int state)
{
    switch (state) {
    case 0:
        m_sending = true;
        ui->prgProgress->show();
        ui->lblResult->hide();
        break;
    case 1:
        m_sending = false;
        ui->prgProgress->show();
        break;
    case 2:
        m_sending = false;
        ui->prgProgress->hide();
        ui->lblResult->show();
        break;
    default:
        break;
    }
}

void MyBugReportView::SltReport()
{
    ServiceViews::instance()->sendBugReport(this);
}

QBitmap MyBugReportView::bottomRoundedMask(const QSize &size)
{
    return bottomRoundedShape(size);
}

void MyBugReportView::paintEvent(QPaintEvent *event)
{
    setMask(bottomRoundedMask(size()));
    QWidget::paintEvent(event);
}
