#include "recordlength.h"

#include "ui_recordlength.h"

#include "core/enviroment.h"
#include "commondialog.h"
#include "mainwindow/mirelo.h"
#include "recordlengthrules.h"
#include "skinmanager.h"

#include <QCoreApplication>
#include <QPointer>
#include <QTimer>

RecordLength *g_recordLength = nullptr;

RecordLength::RecordLength(QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint | Qt::WindowMinimizeButtonHint),
      ui(new Ui::RecordLengthClass)
{
    ui->setupUi(this);
    setWindowTitle(QCoreApplication::applicationName());
    // Its skin background and border: it floats over other windows.
    ui->widget_RecordLength->setAttribute(Qt::WA_StyledBackground);
    SetProper();
    resize(int(424 * g_dscale), int(127 * g_dscale));
    connect(ui->chxRecordLength, &QCheckBox::toggled, this, &RecordLength::chxRecordLengthToggled);
    m_openFlag = false;
}

RecordLength::~RecordLength()
{
    if (g_recordLength == this)
        g_recordLength = nullptr;
    delete ui;
}

void RecordLength::SetProper()
{
    ui->rdoThisTime->setProperty("STYLE_KEY", QStringLiteral("MAINFUN_CHECKBOX"));
    ui->rdoEachTime->setProperty("STYLE_KEY", QStringLiteral("MAINFUN_CHECKBOX"));
}

void RecordLength::retranslate()
{
    ui->retranslateUi(this);
}

void RecordLength::chxRecordLengthToggled(bool on)
{
    for (QWidget *w : {static_cast<QWidget *>(ui->edtRecordLength), static_cast<QWidget *>(ui->chxShutdown),
                       static_cast<QWidget *>(ui->rdoThisTime), static_cast<QWidget *>(ui->rdoEachTime)})
        w->setEnabled(on);
}

void RecordLength::load()
{
    if (!g_enviroment)
        return;
    const DataGroupPrivate *data = g_enviroment->privateData;
    recordlength::loadControls(data, ui->chxRecordLength, ui->edtRecordLength, ui->chxShutdown, ui->rdoThisTime,
                               ui->rdoEachTime);
}

void RecordLength::save()
{
    if (!g_enviroment)
        return;
    Mirelo *main = Mirelo::current();
    // While the program ends a modal warning would run inside its teardown:
    // it comes afterwards instead, the value is corrected at once.
    const bool defer = main && main->isExiting();
    recordlength::storeControls(g_enviroment->privateData, ui->chxRecordLength, ui->edtRecordLength,
                                ui->chxShutdown, ui->rdoEachTime, parentWidget(), defer);
}

void RecordLength::showEvent(QShowEvent *event)
{
    m_openFlag = true;
    load();
    m_enabledAtOpen = g_enviroment && g_enviroment->privateData->RecordLengthEnabled;
    QWidget::showEvent(event);
}

void RecordLength::hideEvent(QHideEvent *event)
{
    QWidget::hideEvent(event);
    // A click on the button that hid the popup leaves the flag set, so the
    // button's own handler closes instead of opening it again.
    bool overButton = false;
    if (Mirelo *main = Mirelo::current())
        overButton = main->isCursorOverRecordLengthButton();
    if (!overButton)
        m_openFlag = false;
    save();
    const bool enabled = g_enviroment && g_enviroment->privateData->RecordLengthEnabled;
    if (enabled != m_enabledAtOpen) {
        m_enabledAtOpen = enabled;
        emit stateChanged(enabled);
    }
}
