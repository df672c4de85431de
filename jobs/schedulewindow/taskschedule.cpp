#include "taskschedule.h"
#include "ui_taskschedule.h"

#include "commondialog.h"
#include "sourcerequests.h"
#include "framelessdrag.h"
#include "taskscheduledetail.h"
#include "taskschedulelist.h"
#include "taskschedulemodel.h"
#include "skinmanager.h"
#include "windowchrome.h"

#include <QApplication>
#include <QHeaderView>
#include <QMouseEvent>

TaskSchedule *g_taskSchedule = nullptr;

namespace {
QPixmap picture(const QString &name, int size)
{
    const int side = scaled(size);
    return QPixmap(chrome::skinImageFolder() + name).scaled(side, side, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}
} // namespace

TaskSchedule::TaskSchedule(QWidget *parent, TaskScheduleList *list)
    : QDialog(parent), ui(new Ui::TaskScheduleClass), m_list(list ? list : g_taskScheduleList),
      m_model(new TaskScheduleModel(this))
{
    ui->setupUi(this);
    setStyleKeys();
    loadButtonImages();
    applyScale();
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint | Qt::WindowMinimizeButtonHint);
    setWindowTitle(QApplication::applicationName());
    setAttribute(Qt::WA_DeleteOnClose, false);
    connect(ui->btnClose, &QPushButton::clicked, this, &QDialog::reject);
    connect(ui->btnAdd, &QPushButton::clicked, this, &TaskSchedule::btnAddClicked);
    connect(ui->btnDelete, &QPushButton::clicked, this, &TaskSchedule::btnDeleteClicked);
    connect(ui->btnPlay, &QPushButton::clicked, this, &TaskSchedule::btnPlayClicked);
    connect(ui->btnPause, &QPushButton::clicked, this, &TaskSchedule::btnPauseClicked);
    connect(ui->btnEdit, &QPushButton::clicked, this, &TaskSchedule::btnEditClicked);
    retranslate();
    installEventFilter(this);
    ui->wdtCaption->installEventFilter(this);
    m_drag = new FramelessDrag(this);

    m_model->setList(m_list);
    QTableView *table = ui->tableView;
    table->setModel(m_model);
    table->setItemDelegate(new TaskScheduleDelegate(table));
    auto *style = new TaskScheduleStyle;
    style->setParent(table);
    table->setStyle(style);
    table->setMouseTracking(true);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setShowGrid(false);
    QHeaderView *header = table->horizontalHeader();
    header->setSectionsClickable(false);
    header->setHighlightSections(false);
    header->setSectionResizeMode(QHeaderView::Fixed);
    header->setSectionResizeMode(TaskScheduleModel::Name, QHeaderView::Stretch);
    header->setFixedHeight(70);
    header->setStretchLastSection(false);
    const int widths[] = {120, 180, 120, 80, 80};
    for (int c = 0; c < TaskScheduleModel::ColumnCount; ++c)
        table->setColumnWidth(c, scaled(widths[c]));
    table->verticalHeader()->hide();
    table->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table->verticalHeader()->setDefaultSectionSize(scaled(34));
    table->selectRow(0);
    connect(table, &QAbstractItemView::clicked, this, &TaskSchedule::SlotClickItem);
    // Keyboard moves of the current row move the buttons too.
    connect(table->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex &index) {
                if (index.isValid())
                    SlotClickItem(index);
            });
    connect(m_model, &QAbstractItemModel::modelReset, this, &TaskSchedule::setIndexWidgets);
    setIndexWidgets();
    setButtons(false, false, false, false);
}

TaskSchedule::~TaskSchedule()
{
    if (g_taskSchedule == this)
        g_taskSchedule = nullptr;
    delete ui;
}

void TaskSchedule::setStyleKeys()
{
    const struct {
        QWidget *widget;
        const char *key;
    } keys[] = {{ui->wdtCaption, "HISTROY_DARK_WIDGET"}, {ui->widgetCentral, "HISTROY_PAGE"},
                {ui->btnAdd, "TASKADD_BTN"},             {ui->btnPlay, "TASKPLAY_BTN"},
                {ui->btnPause, "TASKPAUSE_BTN"},         {ui->btnEdit, "TASKEDIT_BTN"},
                {ui->btnDelete, "TASKDELECT_BTN"},       {ui->lblCaption, "TITLE"},
                {ui->label_2, "MAINFUN_LABEL"},          {ui->label, "TIPS_LABEL"},
                {ui->tableView, "HISTROY_TABELVIEW"},    {ui->widget, "TASKPAGE"}};
    for (const auto &k : keys)
        k.widget->setProperty("STYLE_KEY", QLatin1String(k.key));
    ui->wdtCaption->setStyleSheet(chrome::captionStyleSheet(QStringLiteral("wdtCaption")));
    ui->btnClose->setStyleSheet(chrome::closeButtonStyleSheet());
    const QString sheet = chrome::iconStyleSheet();
    if (!sheet.isNull())
        setStyleSheet(sheet);
}

void TaskSchedule::loadButtonImages()
{
    const struct {
        CPushButton *button;
        const char *name;
    } buttons[] = {{ui->btnPlay, "taskplay"}, {ui->btnPause, "taskpause"}, {ui->btnEdit, "taskedit"},
                   {ui->btnDelete, "taskdelect"}};
    for (const auto &b : buttons) {
        const QString name = QLatin1String(b.name);
        ImageStateMap map;
        map.insert(IMAGE_NORMAL, picture(name + QStringLiteral("-normal.png"), 22));
        map.insert(IMAGE_ON, picture(name + QStringLiteral("-hover.png"), 22));
        map.insert(IMAGE_DOWN, picture(name + QStringLiteral("-press.png"), 22));
        map.insert(IMAGE_DISABLE, picture(name + QStringLiteral("-disable.png"), 22));
        b.button->setImageMap(map);
    }
    ImageStateMap add;
    add.insert(IMAGE_NORMAL, picture(QStringLiteral("taskadd.png"), 20));
    ui->btnAdd->setImageMap(add);
    ui->btnAdd->setIconMargin(0);
    ui->btnAdd->setButtonType(0);
}

void TaskSchedule::applyScale()
{
    setFixedSize(scaled(700), scaled(600));
    for (QPushButton *b : {ui->btnPlay, ui->btnPause, ui->btnEdit, ui->btnDelete})
        b->setFixedSize(scaled(28), scaled(28));
    ui->btnAdd->setFixedSize(scaled(110), scaled(28));
    ui->wdtCaption->setFixedHeight(scaled(36));
    ui->lblCaption->setFixedHeight(scaled(22));
    ui->btnClose->setFixedSize(16, 16);
}

void TaskSchedule::retranslate()
{
    ui->retranslateUi(this);
    setWindowTitle(QApplication::applicationName());
    ui->btnPlay->setToolTip(tr("Enable"));
    ui->btnPause->setToolTip(tr("Disable"));
    ui->btnEdit->setToolTip(tr("Edit"));
    ui->btnDelete->setToolTip(tr("Delete"));
}

void TaskSchedule::setButtons(bool play, bool pause, bool edit, bool remove)
{
    ui->btnPlay->setEnabled(play);
    ui->btnPause->setEnabled(pause);
    ui->btnEdit->setEnabled(edit);
    ui->btnDelete->setEnabled(remove);
}

void TaskSchedule::followJob(const TaskScheduleItem *job)
{
    if (!job) {
        setButtons(false, false, false, false);
        return;
    }
    if (job->isEnabled())
        setButtons(false, true, true, true);
    else
        setButtons(!job->isExpired(), false, true, true);
}

void TaskSchedule::setIndexWidgets()
{
    ui->stackedWidget->setCurrentIndex(m_model->rowCount() > 0 ? 1 : 0);
}

void TaskSchedule::SlotClickItem(const QModelIndex &index)
{
    TaskScheduleItem *job = TaskScheduleModel::itemOf(index);
    if (!job)
        return;
    m_current = job;
    // Reading the status marks a past once job expired first.
    m_model->data(index.sibling(index.row(), TaskScheduleModel::Status));
    followJob(job);
}

void TaskSchedule::setStatus(bool enabled)
{
    const QModelIndex current = ui->tableView->currentIndex();
    if (!current.isValid())
        return;
    const QModelIndex status = m_model->index(current.row(), TaskScheduleModel::Status);
    if (!m_model->setData(status, enabled, Qt::EditRole))
        CommonDialog::showResult(this, false);
    followJob(TaskScheduleModel::itemOf(status));
}

void TaskSchedule::btnPlayClicked()
{
    setStatus(true);
}

void TaskSchedule::btnPauseClicked()
{
    setStatus(false);
}

void TaskSchedule::btnAddClicked()
{
    const QString name = CommonDialog::inputTaskName(this, tr("New task"));
    if (name.isEmpty() || !m_list)
        return;
    TaskScheduleItem *job = m_list->createItem();
    // A new job starts three minutes ahead and records three minutes.
    const QDateTime start = QDateTime::currentDateTime().addSecs(180);
    job->setIsNew(true);
    job->setStartTime(start);
    job->setStopType(TaskScheduleItem::StopByLength);
    job->setLength(180);
    job->setStopTime(start.addSecs(180));
    job->setDescription(name);
    m_current = job;
    openDetail();
}

void TaskSchedule::btnEditClicked()
{
    TaskScheduleItem *job = TaskScheduleModel::itemOf(ui->tableView->currentIndex());
    if (!job)
        return;
    m_current = job;
    openDetail();
}

void TaskSchedule::buttonClicked()
{
    auto *button = qobject_cast<QWidget *>(sender());
    if (!button || !button->parentWidget())
        return;
    const QPoint at = button->mapTo(ui->tableView->viewport(), QPoint(0, 0));
    m_current = TaskScheduleModel::itemOf(ui->tableView->indexAt(at));
    if (m_current)
        openDetail();
}

void TaskSchedule::openDetail()
{
    auto *form = new TaskScheduleDetail;
    m_detail = form;
    connect(form, &TaskScheduleDetail::visibleChanged, this, &TaskSchedule::detailVisibleChanged);
    form->load(m_current);
    form->show();
}

void TaskSchedule::btnDeleteClicked()
{
    const QModelIndex current = ui->tableView->currentIndex();
    if (!current.isValid() || !CommonDialog::confirmDeleteTask(this))
        return;
    int row = current.row();
    const bool removed = m_model->removeRows(row, 1);
    if (!removed)
        CommonDialog::showResult(this, false);
    const int count = m_model->rowCount();
    row = qMax(0, qMin(row, count - 1));
    if (count == 0) {
        m_current = nullptr;
        setButtons(false, false, false, false);
        return;
    }
    ui->tableView->selectRow(row);
    const QModelIndex index = m_model->index(row, TaskScheduleModel::Status);
    m_model->data(index);
    m_current = TaskScheduleModel::itemOf(index);
    followJob(m_current);
}

void TaskSchedule::detailVisibleChanged(bool visible)
{
    // The main window keeps the firing timer stopped while the form is open,
    // so this window hides and shows without telling it.
    const QSignalBlocker blocker(this);
    if (visible) {
        hide();
        return;
    }
    TaskScheduleDetail *form = m_detail;
    if (form && m_current && m_current->isNew()) {
        if (form->result() == QDialog::Accepted) {
            m_current->setIsNew(false);
            m_list->appendItem(m_current);
            m_model->reset();
            const int last = m_model->rowCount() - 1;
            ui->tableView->selectRow(last);
            const QModelIndex index = m_model->index(last, TaskScheduleModel::Status);
            m_model->data(index);
            followJob(m_current);
        } else {
            delete m_current.data();
            m_current = nullptr;
        }
    } else {
        ui->tableView->viewport()->update();
        followJob(TaskScheduleModel::itemOf(ui->tableView->currentIndex()));
    }
    show();
}

bool TaskSchedule::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == ui->wdtCaption && m_drag->handleEvent(event))
        return true;
    return QDialog::eventFilter(watched, event);
}

void TaskSchedule::changeEvent(QEvent *event)
{
    // A new language reaches the window itself, so it does not depend on
    // its owner to pass it on.
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QDialog::changeEvent(event);
}

void TaskSchedule::paintEvent(QPaintEvent *event)
{
    setMask(CommonDialog::roundedShape(size(), 18));
    QDialog::paintEvent(event);
}

void TaskSchedule::showEvent(QShowEvent *event)
{
    // The window is kept while hidden: a once job may have run or passed
    // meanwhile, so the buttons follow the current row as it now reads.
    const QModelIndex current = ui->tableView->currentIndex();
    if (current.isValid() && ui->btnEdit->isEnabled())
        SlotClickItem(current);
    emit visibleChanged(true);
    QDialog::showEvent(event);
}

void TaskSchedule::hideEvent(QHideEvent *event)
{
    if (!isMinimized()) {
        emit visibleChanged(false);
        SourceRequests::instance()->refreshTaskScheduleState();
    }
    QDialog::hideEvent(event);
}
