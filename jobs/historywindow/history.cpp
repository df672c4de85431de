#include "history.h"
#include "ui_history.h"

#include "commondialog.h"
#include "core/edition.h"
#include "core/fileutils.h"
#include "filemanager.h"
#include "framelessdrag.h"
#include "historydelegate.h"
#include "historylist.h"
#include "historymodel.h"
#include "skinmanager.h"
#include "windowchrome.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHeaderView>
#include <QListView>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QProcess>
#include <QSet>
#include <QStandardPaths>
#include <QToolTip>

History *g_history = nullptr;

namespace {
QString missingFileText()
{
    return History::tr(
        "The local file has been renamed, moved, or deleted. Do you want remove it from recording history?");
}

QString pictureButton(const char *normal, const char *hover, const char *pressed)
{
    return QStringLiteral("QPushButton{border-image: url(%1%2)}\n"
                          "QPushButton:hover{border-image: url(%1%3)}\n"
                          "QPushButton:pressed{border-image: url(%1%4)}")
        .arg(chrome::skinImageFolder(), QLatin1String(normal), QLatin1String(hover), QLatin1String(pressed));
}
} // namespace

History::History(QWidget *parent, HistoryList *list)
    : QDialog(parent), ui(new Ui::HistoryClass), m_model(new HistoryModel), m_list(list ? list : g_historyList)
{
    ui->setupUi(this);
    applyStyle();
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint | Qt::WindowMinimizeButtonHint
                   | Qt::WindowMaximizeButtonHint);
    setWindowTitle(QApplication::applicationName());
    setAttribute(Qt::WA_DeleteOnClose, false);

    connect(ui->btnClose, &QPushButton::clicked, this, &QDialog::reject);
    connect(ui->btnRecordMore, &QPushButton::clicked, this, &QDialog::accept);
    connect(ui->btnMinimize, &QPushButton::clicked, this, &QWidget::showMinimized);
    connect(ui->btnMaximize, &QPushButton::clicked, this, &QWidget::showMaximized);
    connect(ui->btnNormal, &QPushButton::clicked, this, &QWidget::showNormal);
    installEventFilter(this);
    ui->wdtCaption->installEventFilter(this);
    ui->wdtBurnTool->installEventFilter(this);
    m_drag = new FramelessDrag(this);
    m_resize = new FramelessResize(this);
    for (QWidget *edge : {ui->centralWidget, ui->wdtCaption, ui->wdtFilter, ui->wdtBottom, ui->wdtRecommend})
        m_resize->addHandle(edge);

    m_model->setParent(this);
    m_model->setList(m_list);
    QTableView *table = ui->tableView;
    table->setModel(m_model);
    table->setItemDelegate(new HistoryDelegate(table));
    auto *style = new HistoryStyle;
    style->setParent(table);
    table->setStyle(style);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::ExtendedSelection);
    table->setShowGrid(false);
    table->horizontalHeader()->hide();
    table->verticalHeader()->hide();
    table->horizontalHeader()->setHighlightSections(false);
    table->horizontalHeader()->setStretchLastSection(false);
    for (int c : {HistoryModel::Size, HistoryModel::Duration, HistoryModel::FileSize})
        table->horizontalHeader()->setSectionResizeMode(c, QHeaderView::Stretch);
    // Rows as high as their contents: the table sizes those in view itself,
    // as the header's own sizing would measure every entry of a long history.
    table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table->setMouseTracking(true);
    selectFirstRow();
    connect(table, &QAbstractItemView::clicked, this, &History::itemClicked);
    connect(table, &QAbstractItemView::entered, this, &History::hideToolTip);
    if (m_list) {
        // A screenshot taken by hotkey while the window is open shows at once.
        connect(m_list, &HistoryList::itemAdded, this, [this] {
            if (isVisible()) {
                m_model->refresh();
                selectFirstRow();
            }
        });
    }

    ui->cbxHistoryType->setView(new QListView(ui->cbxHistoryType));
    fillTypeBox();
    connect(ui->cbxHistoryType, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &History::cbxHistoryTypeChanged);
    connect(ui->edtSearch, &QLineEdit::textChanged, this, &History::edtSearchChanged);
    connect(ui->btnRemoveAll, &QPushButton::clicked, this, &History::removeAll);
    ui->edtSearch->setPlaceholderText(tr("Search"));

    applyScale();
    const QString sheet = chrome::iconStyleSheet();
    if (!sheet.isNull())
        setStyleSheet(sheet);
    const int icon = scaled(38);
    const QString images = chrome::skinImageFolder();
    ui->lblConverterIcon->setPixmap(QPixmap(images + QStringLiteral("converter.PNG"))
                                        .scaled(icon, icon, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    ui->lblBurnIcon->setPixmap(QPixmap(images + QStringLiteral("burn.PNG"))
                                   .scaled(icon, icon, Qt::KeepAspectRatio, Qt::SmoothTransformation));
}

History::~History()
{
    if (g_history == this)
        g_history = nullptr;
    delete ui;
}

void History::applyStyle()
{
    const struct {
        QWidget *widget;
        const char *key;
    } keys[] = {{ui->centralWidget, "HISTROY_PAGE"},       {ui->wdtCaption, "HISTROY_DARK_WIDGET"},
                {ui->lblTitle, "TITLE"},                   {ui->lblHistory, "HISTROY_LABEL"},
                {ui->cbxHistoryType, "DARK_COMBOBOX"},     {ui->tableView, "HISTROY_TABELVIEW"},
                {ui->btnRecordMore, "BLUE_BTN"},           {ui->btnRemoveAll, "HISTROY_REMOVEBTN"},
                {ui->wdtRecommend, "HISTROY_WDTRECOMMEND"}, {ui->lblOtherTools, "HISTROY_HUGE_LABEL"},
                {ui->lblConverter, "HISTROY_LABEL"},       {ui->lblBurn, "HISTROY_LABEL"}};
    for (const auto &k : keys)
        k.widget->setProperty("STYLE_KEY", QLatin1String(k.key));
    ui->wdtCaption->setStyleSheet(chrome::captionStyleSheet(QStringLiteral("wdtCaption")));
    ui->btnClose->setStyleSheet(chrome::closeButtonStyleSheet());
    ui->btnMinimize->setStyleSheet(pictureButton("minwindow-normal_free.png", "minwindow-hover_free.png",
                                                 "minwindow-hover_free.png"));
    ui->btnNormal->setStyleSheet(pictureButton("restore-default.png", "restore-on.png", "restore-click.png"));
    ui->btnMaximize->setStyleSheet(pictureButton("maximize-default.png", "maximize-on.png", "maximize-click.png"));
    ui->wdtBurnTool->setStyleSheet(QStringLiteral("QWidget#wdtBurnTool{border:1px solid #5D72A8; border-radius:15px}\n"
                                                  "QWidget#wdtBurnTool:hover{border:1px solid #3834CA}"));
    ui->wdtBurnTool->setAttribute(Qt::WA_StyledBackground);
    ui->wdtBurnTool->setAttribute(Qt::WA_Hover);
}

void History::applyScale()
{
    setMinimumSize(scaled(1050), scaled(612));
    ui->wdtCaption->setFixedHeight(scaled(36));
    ui->lblTitle->setFixedHeight(scaled(22));
    // The window buttons keep their picture size.
    ui->btnMinimize->setFixedSize(16, 16);
    for (QPushButton *b : {ui->btnMaximize, ui->btnNormal, ui->btnClose})
        b->setFixedSize(16, 16);
    ui->wdtFilter->setMinimumHeight(scaled(62));
    ui->cbxHistoryType->setMinimumSize(scaled(135), scaled(24));
    ui->cbxHistoryType->setFixedHeight(scaled(26));
    ui->edtSearch->setFixedSize(scaled(184), scaled(26));
    ui->wdtBottom->setFixedHeight(scaled(60));
    ui->btnRecordMore->setFixedSize(scaled(230), scaled(40));
    ui->btnRemoveAll->setFixedSize(scaled(80), scaled(36));
    ui->wdtRecommend->setFixedWidth(scaled(220));
    ui->lblOtherTools->setFixedHeight(scaled(30));
    ui->wdtBurnTool->setMinimumHeight(scaled(140));
    for (QLabel *l : {ui->lblConverterIcon, ui->lblBurnIcon})
        l->setFixedSize(scaled(38), scaled(38));
    QTableView *table = ui->tableView;
    table->setIconSize(QSize(scaled(19), scaled(15)));
    table->setColumnWidth(HistoryModel::Name, scaled(290));
    for (int c = HistoryModel::Play; c <= HistoryModel::Delete; ++c)
        table->setColumnWidth(c, scaled(28));
    table->setColumnWidth(HistoryModel::Spacer, scaled(20));
}

void History::fillTypeBox()
{
    QComboBox *box = ui->cbxHistoryType;
    box->clear();
    box->addItem(tr("Show all"), -1);
    box->addItem(tr("Video"), 0);
    box->addItem(tr("Audio"), 1);
    box->addItem(tr("Screen capture"), 2);
}

void History::retranslate()
{
    ui->retranslateUi(this);
    setWindowTitle(QApplication::applicationName());
    ui->edtSearch->setPlaceholderText(tr("Search"));
    disconnect(ui->cbxHistoryType, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
               &History::cbxHistoryTypeChanged);
    fillTypeBox();
    connect(ui->cbxHistoryType, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &History::cbxHistoryTypeChanged);
}

void History::selectFirstRow()
{
    ui->tableView->selectRow(0);
}

QString History::renamedPath(const QString &path, const QString &answer)
{
    const QFileInfo info(path);
    const QString name = info.fileName();
    const int dot = name.indexOf(QLatin1Char('.'));
    const QString suffix = dot < 0 ? QString() : name.mid(dot + 1);
    QString result = info.absolutePath() + QLatin1Char('/') + answer;
    if (!suffix.isEmpty())
        result += QLatin1Char('.') + suffix;
    return QDir::toNativeSeparators(result);
}

void History::itemClicked(const QModelIndex &index)
{
    HistoryItem *item = HistoryModel::itemOf(index);
    if (!item)
        return;
    const int column = index.column();
    if (column == HistoryModel::Delete) {
        deleteAction();
        return;
    }
    if (column < HistoryModel::Play || column > HistoryModel::OpenFolder)
        return;
    if (!QFileInfo::exists(item->fileName())) {
        if (CommonDialog::confirmRemove(this, missingFileText())) {
            m_list->removeItem(item);
            m_model->refresh();
        }
        return;
    }
    if (column == HistoryModel::Play)
        itemPlay(item);
    else if (column == HistoryModel::Rename)
        itemEdit(item);
    else
        itemOpenFolder(item);
}

void History::hideToolTip(const QModelIndex &)
{
    if (QToolTip::isVisible())
        QToolTip::hideText();
}

void History::itemPlay(HistoryItem *item)
{
    const QString path = item->fileName();
    FileManager::openFile(path, this, [this, path](bool opened) {
        if (!opened)
            CommonDialog::showWarning(this, tr("No application could open \"%1\". Please install a media player, "
                                               "or choose one for this kind of file in the desktop's settings.")
                                                .arg(QFileInfo(path).fileName()));
    });
}

void History::itemEdit(HistoryItem *item)
{
    const QString path = item->fileName();
    const QString name = QFileInfo(path).fileName();
    const QString base = name.left(name.indexOf(QLatin1Char('.')) < 0 ? name.size() : name.indexOf(QLatin1Char('.')));
    const QString answer = CommonDialog::inputFileName(this, base);
    if (answer.isEmpty())
        return;
    const QString target = renamedPath(path, answer);
    // QFile::rename never replaces a file that is already there.
    if (!QFile::rename(path, target))
        return;
    item->setFileName(target);
    m_list->save();
    ui->tableView->viewport()->update();
}

void History::itemOpenFolder(HistoryItem *item)
{
    revealInExplorer(item->fileName());
}

void History::itemShare(HistoryItem *) {}

void History::itemDelete(HistoryItem *item)
{
    bool deleteFile = false;
    if (CommonDialog::confirmRemoveHistory(this, &deleteFile))
        itemDelete(item, deleteFile);
}

void History::itemDelete(HistoryItem *item, bool deleteFile)
{
    removeEntries({item}, deleteFile);
}

void History::removeEntries(const QList<HistoryItem *> &items, bool deleteFiles)
{
    QStringList kept;
    QList<HistoryItem *> removed;
    for (HistoryItem *item : items) {
        const QString path = item->fileName();
        if (deleteFiles && QFileInfo::exists(path) && !QFile::remove(path)) {
            kept << QDir::toNativeSeparators(path);
            continue;
        }
        removed.append(item);
    }
    m_list->removeItems(removed);
    m_model->refresh();
    if (!kept.isEmpty())
        CommonDialog::showWarning(this, tr("These files could not be deleted and stay in the list:\n%1")
                                            .arg(kept.join(QLatin1Char('\n'))));
}

bool History::askMissingRemoval()
{
    return CommonDialog::confirmRemove(this, missingFileText());
}

void History::deleteAction()
{
    // Entries, not indexes: the first removal resets the model.
    const QList<HistoryItem *> items = static_cast<MyTableView *>(ui->tableView)->selectedItems();
    if (items.isEmpty())
        return;
    bool anyExists = false;
    for (const HistoryItem *item : items)
        anyExists = anyExists || QFileInfo::exists(item->fileName());
    if (!anyExists && askMissingRemoval()) {
        removeEntries(items, false);
        ui->tableView->UpdateSelectItemList();
        return;
    }
    bool deleteFiles = false;
    if (!CommonDialog::confirmRemoveHistory(this, &deleteFiles))
        return;
    removeEntries(items, deleteFiles);
    ui->tableView->UpdateSelectItemList();
}

void History::cbxHistoryTypeChanged(int index)
{
    m_list->filterByType(ui->cbxHistoryType->itemData(index).toInt());
    m_model->refresh();
    ui->tableView->reset();
    selectFirstRow();
}

void History::edtSearchChanged(const QString &text)
{
    m_list->filterByName(text);
    m_model->refresh();
    selectFirstRow();
}

void History::removeAll()
{
    bool deleteFiles = false;
    if (!CommonDialog::confirmRemoveHistory(this, &deleteFiles))
        return;
    QStringList kept;
    if (deleteFiles) {
        for (int i = 0; i < m_list->count(); ++i) {
            const QString path = m_list->itemAt(i)->fileName();
            if (QFileInfo::exists(path) && !QFile::remove(path))
                kept << QDir::toNativeSeparators(path);
        }
    }
    if (kept.isEmpty()) {
        m_list->clear();
    } else {
        // Keep the entries whose files are still there.
        const QSet<QString> stay(kept.cbegin(), kept.cend());
        QList<HistoryItem *> removed;
        for (HistoryItem *item : m_list->items()) {
            if (!stay.contains(QDir::toNativeSeparators(item->fileName())))
                removed.append(item);
        }
        m_list->removeItems(removed);
    }
    m_model->refresh();
    if (!kept.isEmpty())
        CommonDialog::showWarning(this, tr("These files could not be deleted and stay in the list:\n%1")
                                            .arg(kept.join(QLatin1Char('\n'))));
}

void History::openCompanionTool()
{
    const QString tool = g_mireloData ? g_mireloData->companionTool() : QString();
    const QString program = tool.isEmpty() ? QString() : QStandardPaths::findExecutable(tool);
    if (!program.isEmpty()) {
        m_launcher = new QProcess(this);
        m_launcher->setProgram(program);
        m_launcher->start();
        return;
    }
    if (g_mireloData && !g_mireloData->companionLink().isEmpty())
        openWebLink(g_mireloData->companionLink());
}

bool History::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == ui->wdtCaption) {
        if (m_drag->handleEvent(event))
            return true;
    } else if (watched == ui->wdtBurnTool) {
        if (event->type() == QEvent::MouseButtonPress
            && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton)
            openCompanionTool();
    } else if (watched == this) {
        if (event->type() == QEvent::WindowActivate)
            ui->lblTitle->setStyleSheet(QStringLiteral("color:white"));
        else if (event->type() == QEvent::WindowDeactivate)
            ui->lblTitle->setStyleSheet(QStringLiteral("color:gray"));
    }
    return QDialog::eventFilter(watched, event);
}

void History::changeEvent(QEvent *event)
{
    // A new language reaches the window itself, so it does not depend on
    // its owner to pass it on.
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QDialog::changeEvent(event);
}

void History::paintEvent(QPaintEvent *event)
{
    setMask(CommonDialog::roundedShape(size(), 18));
    QDialog::paintEvent(event);
}

void History::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    const bool maximized = isMaximized();
    ui->btnMaximize->setVisible(!maximized);
    ui->btnNormal->setVisible(maximized);
}

void History::showEvent(QShowEvent *event)
{
    if (!m_hiddenByMinimize) {
        m_model->refresh();
        selectFirstRow();
        emit visibleChanged(true);
    }
    QDialog::showEvent(event);
}

void History::hideEvent(QHideEvent *event)
{
    if (!isMinimized()) {
        emit visibleChanged(false);
        m_hiddenByMinimize = false;
    } else {
        m_hiddenByMinimize = true;
    }
    QDialog::hideEvent(event);
}
