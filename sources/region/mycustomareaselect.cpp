#include "mycustomareaselect.h"
#include "ui_customselectarea.h"

#include "areaselected.h"
#include "core/logfile.h"
#include "framelessdrag.h"
#include "keepplace.h"
#include "regiongeometry.h"
#include "regionowner.h"
#include "regionscreens.h"
#include "skinmanager.h"
#include "windowchrome.h"

#include <QPainterPath>
#include <QSignalBlocker>
#include <QSpinBox>

namespace {
QString imageFolder()
{
    return SkinManager::instance()->skinPath() + QStringLiteral("image/");
}
} // namespace

MyCustomAreaSelect::MyCustomAreaSelect(RegionOwner *owner, QWidget *parent, Qt::WindowFlags flags)
    : QWidget(parent, flags), ui(new Ui::CustomSelectArea), m_owner(owner)
{
    ui->setupUi(this);
    // Set-up: the boxes start from the region.
    if (g_areaSelected) {
        const QRect r = g_areaSelected->selectedRect();
        ui->spinBoxWidth->setValue(r.width());
        ui->spinBoxHeight->setValue(r.height());
    }
    m_ratioLocked = false;
    // Beside the region, where it is put, whatever the window manager's
    // own placement.
    KeepPlace::watch(this);
    setUpSizes();
    applyStyle();
    fitNumbers();
    connect(ui->btnLockScale, &QPushButton::clicked, this, &MyCustomAreaSelect::slotLockScale);
    connect(ui->btnOK, &QPushButton::clicked, this, &MyCustomAreaSelect::slotSetScale);
    connect(ui->btnClose, &QPushButton::clicked, this, &MyCustomAreaSelect::slotClose);
    connect(ui->spinBoxWidth, QOverload<int>::of(&QSpinBox::valueChanged), this,
            &MyCustomAreaSelect::slotWidthChanged);
    connect(ui->spinBoxHeight, QOverload<int>::of(&QSpinBox::valueChanged), this,
            &MyCustomAreaSelect::slotHeightChanged);
    if (g_areaSelected)
        connect(g_areaSelected, &AreaSelected::selectedRectChanged, this, &MyCustomAreaSelect::slotSelectedRectChanged);
    auto *drag = new FramelessDrag(this);
    drag->addHandle(ui->wdtCaption);
    ui->retranslateUi(this);
}

MyCustomAreaSelect::~MyCustomAreaSelect()
{
    delete ui;
}

void MyCustomAreaSelect::setUpSizes()
{
    setFixedSize(scaled(500), scaled(136));
    ui->wdtCaption->setFixedHeight(scaled(40));
    ui->lblCaption->setFixedHeight(scaled(30));
    ui->btnClose->setFixedSize(16, 16);
    ui->spinBoxWidth->setFixedSize(scaled(68), scaled(26));
    ui->spinBoxHeight->setFixedSize(scaled(68), scaled(26));
    ui->btnLockScale->setFixedSize(scaled(24), scaled(24));
    ui->btnOK->setFixedSize(scaled(80), scaled(32));
}

// The boxes show the largest size they take in full, in the style they now
// have; the panel grows with them rather than squeezing them.
void MyCustomAreaSelect::fitNumbers()
{
    for (QSpinBox *box : {ui->spinBoxWidth, ui->spinBoxHeight}) {
        box->ensurePolished();
        box->setFixedWidth(qMax(scaled(68), box->sizeHint().width()));
    }
    setFixedWidth(qMax(scaled(500), layout()->minimumSize().width()));
}

QString MyCustomAreaSelect::iconStyleSheet(const QString &path, const QString &folder, double scale)
{
    return chrome::iconStyleSheet(path, folder, scale);
}

void MyCustomAreaSelect::applyStyle()
{
    ui->btnClose->setStyleSheet(QStringLiteral("QPushButton{border-image: url(%1closewindow-on_free.png)}\n"
                                               "QPushButton:hover{border-image: url(%1closewindow-normal_free.png)}\n"
                                               "QPushButton:pressed{border-image: url(%1closewindow-normal_free.png)}")
                                    .arg(imageFolder()));
    SkinManager *skin = SkinManager::instance();
    setStyleSheet(iconStyleSheet(skin->iconStyleSheetPath(), imageFolder(), skin->scale()));
    applyLockLook();
}

void MyCustomAreaSelect::applyLockLook()
{
    const QString name = m_ratioLocked ? QStringLiteral("lock") : QStringLiteral("unlock");
    ui->btnLockScale->setStyleSheet(QStringLiteral("QPushButton{background: transparent; border-image: url(%1%2-normal.png)}\n"
                                                   "QPushButton:hover{border-image: url(%1%2-hover.png)}\n"
                                                   "QPushButton:pressed{border-image: url(%1%2-press.png)}")
                                        .arg(imageFolder(), name));
}

void MyCustomAreaSelect::placeBesideArea()
{
    if (!g_areaSelected)
        return;
    // Within what the desktop's panels leave free of the screen, so that no
    // panel covers its caption and close button.
    const QRect region = g_areaSelected->selectedRect();
    move(region::panelRect(size(), region, region::roomBeside(region, region::selectedScreen())).topLeft());
}

void MyCustomAreaSelect::slotLockScale()
{
    m_ratioLocked = !m_ratioLocked;
    if (m_ratioLocked) {
        ui->btnLockScale->setToolTip(tr("Lock aspect ratio is on"));
        m_ratio = region::safeRatio(ui->spinBoxWidth->value(), ui->spinBoxHeight->value());
    } else {
        ui->btnLockScale->setToolTip(tr("Lock aspect ratio is off"));
        m_ratio = -1.0;
    }
    applyLockLook();
}

void MyCustomAreaSelect::sizeTyped()
{
    m_selfChange = true;
    if (m_owner)
        m_owner->setCustomAreaSize(QSize(ui->spinBoxWidth->value(), ui->spinBoxHeight->value()), false);
    m_selfChange = false;
    // The region may have been cut to the desktop (a side typed with the
    // ratio locked): the boxes show what it became.
    if (g_areaSelected) {
        const QSignalBlocker blockWidth(ui->spinBoxWidth);
        const QSignalBlocker blockHeight(ui->spinBoxHeight);
        ui->spinBoxWidth->setValue(g_areaSelected->selectedRect().width());
        ui->spinBoxHeight->setValue(g_areaSelected->selectedRect().height());
    }
}

void MyCustomAreaSelect::slotWidthChanged(int width)
{
    const int most = region::desktop().width();
    if (width > most) {
        ui->spinBoxWidth->setValue(most); // comes back here with the allowed width
        return;
    }
    if (m_ratioLocked) {
        const QSignalBlocker blocker(ui->spinBoxHeight);
        ui->spinBoxHeight->setValue(int(width / m_ratio));
    }
    sizeTyped();
}

void MyCustomAreaSelect::slotHeightChanged(int height)
{
    const int most = region::desktop().height();
    if (height > most) {
        ui->spinBoxHeight->setValue(most);
        return;
    }
    if (m_ratioLocked) {
        const QSignalBlocker blocker(ui->spinBoxWidth);
        ui->spinBoxWidth->setValue(int(height * m_ratio));
    }
    sizeTyped();
}

void MyCustomAreaSelect::slotSelectedRectChanged(const QRect &rect)
{
    if (m_selfChange)
        return;
    const QSignalBlocker blockWidth(ui->spinBoxWidth);
    const QSignalBlocker blockHeight(ui->spinBoxHeight);
    // A change of both sides elsewhere breaks the ratio.
    if (m_ratioLocked && rect.width() != ui->spinBoxWidth->value() && rect.height() != ui->spinBoxHeight->value())
        ui->btnLockScale->click();
    ui->spinBoxWidth->setValue(rect.width());
    ui->spinBoxHeight->setValue(rect.height());
}

void MyCustomAreaSelect::slotSetScale()
{
    if (m_owner)
        m_owner->setCustomAreaSize(QSize(ui->spinBoxWidth->value(), ui->spinBoxHeight->value()), true);
    if (g_areaSelected)
        g_areaSelected->setParentVisible(true);
    close();
}

void MyCustomAreaSelect::slotClose()
{
    if (g_areaSelected) {
        g_areaSelected->hide();
        g_areaSelected->setParentVisible(true);
    }
    if (g_runLog)
        g_runLog->write(0, QStringLiteral("g_areaSelected->setParentVisible(true);"), true);
    close();
}

void MyCustomAreaSelect::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    // Rounded corners: the window itself is cut (an X shape), so the
    // corners show the desktop without a compositor too.
    QPainterPath path;
    path.addRoundedRect(QRectF(rect()), 10, 10);
    setMask(QRegion(path.toFillPolygon().toPolygon()));
}
