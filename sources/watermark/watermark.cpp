#include "watermark.h"

#include "desktopoverlay.h"
#include "ui_watermark.h"

#include "commondialog.h"
#include "sourcerequests.h"
#include "core/enviroment.h"
#include "framelessdrag.h"
#include "skinmanager.h"
#include "watermarkeditor.h"
#include "watermarkitemimage.h"
#include "watermarkitemtext.h"
#include "watermarkpickers.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>
#include <QSignalBlocker>
#include <QTimer>

namespace {

constexpr int kPromptMs = 3000;

// The private settings group; without a settings holder (the gallery) a
// group of defaults stands in.
DataGroupPrivate *privateGroup()
{
    if (g_enviroment)
        return g_enviroment->privateData;
    static DataGroupPrivate *defaults = [] {
        auto *d = new DataGroupPrivate;
        d->resetDefaults();
        return d;
    }();
    return defaults;
}

bool isKeypadEnter(QEvent *event)
{
    return event->type() == QEvent::KeyPress && static_cast<QKeyEvent *>(event)->key() == Qt::Key_Enter;
}

} // namespace

Watermark::Watermark(QWidget *parent) : QDialog(parent), ui(new Ui::WatermarkClass)
{
    ui->setupUi(this);
    setWindowTitle(QCoreApplication::applicationName());
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint | Qt::WindowMinimizeButtonHint);
    setAttribute(Qt::WA_DeleteOnClose);
    setStyleKeys();
    setFixedSizes();
    // White caption text needs the skin's title band behind it, as on the
    // common dialog.
    const QColor band = SkinManager::instance()->color(QStringLiteral("Frame"), QStringLiteral("TitleBand"));
    if (band.isValid())
        ui->wdtCaption->setStyleSheet(QStringLiteral("QWidget#wdtCaption{background-color: %1;}").arg(band.name()));

    connect(ui->btnClose, &QPushButton::clicked, this, &QDialog::reject);
    connect(ui->btnCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(ui->btnOK, &QPushButton::clicked, this, &Watermark::save);
    connect(ui->btnGrpWatermarkType, QOverload<QAbstractButton *>::of(&QButtonGroup::buttonClicked), this,
            &Watermark::btnGrpWatermarkTypeClicked);
    connect(ui->edtText, &QLineEdit::textChanged, this, &Watermark::edtTextTextChanged);
    connect(ui->btnSelectImage, &QPushButton::clicked, this, &Watermark::btnSelectImageClicked);
    connect(ui->btnSelectFont, &QPushButton::clicked, this, &Watermark::btnSelectFontClicked);
    connect(ui->btnSelectColor, &QPushButton::clicked, this, &Watermark::btnSelectColorClicked);
    connect(ui->chxKeepDesignedSize, &QCheckBox::toggled, this, &Watermark::chxKeepDesignedSizeToggled);
    connect(ui->chxKeepAspectRatio, &QCheckBox::toggled, this, &Watermark::chxKeepAspectRatioToggled);
    connect(ui->edtLeft, QOverload<int>::of(&QSpinBox::valueChanged), this, &Watermark::edtLeftValueChanged);
    connect(ui->edtTop, QOverload<int>::of(&QSpinBox::valueChanged), this, &Watermark::edtTopValueChanged);
    connect(ui->edtWidth, QOverload<int>::of(&QSpinBox::valueChanged), this, &Watermark::edtWidthValueChanged);
    connect(ui->edtHeight, QOverload<int>::of(&QSpinBox::valueChanged), this, &Watermark::edtHeightValueChanged);
    connect(ui->sldTransparency, &QSlider::valueChanged, this, &Watermark::sldTransparencyValueChanged);
    connect(ui->btnPreview, &QPushButton::clicked, this, &Watermark::btnPreviewClicked);

    installEventFilter(this);
    m_drag = new FramelessDrag(this);
    m_drag->addHandle(ui->wdtCaption);

    m_editor = new WatermarkEditor(ui->wdtWatermarkClient);
    m_editor->resize(ui->wdtWatermarkClient->size());
    ui->wdtWatermarkClient->layout()->addWidget(m_editor);
    const QSize canvas = ui->wdtWatermarkClient->size();
    ui->edtLeft->setRange(0, canvas.width());
    ui->edtWidth->setRange(0, canvas.width());
    ui->edtTop->setRange(0, canvas.height());
    ui->edtHeight->setRange(0, canvas.height());
    connect(m_editor, &WatermarkEditor::currentItemChanged, this, &Watermark::WatermarkCurrentItemChanged);
    connect(m_editor, &WatermarkEditor::currentRectChanged, this, &Watermark::WatermarkCurrentRectChanged);
    WatermarkCurrentItemChanged(nullptr);
}

Watermark::~Watermark()
{
    delete ui;
}

void Watermark::setStyleKeys()
{
    const QList<QPair<QWidget *, const char *>> keys{
        {ui->btnSelectFont, "BLUE_BTN"},       {ui->btnSelectColor, "BLUE_BTN"},
        {ui->btnSelectImage, "BLUE_BTN"},      {ui->btnPreview, "BLUE_BTN"},
        {ui->btnOK, "BLUE_BTN"},               {ui->CentralWidget, "HISTROY_PAGE"},
        {ui->chxKeepAspectRatio, "DARK_CHECKBOX"}, {ui->chxKeepDesignedSize, "DARK_CHECKBOX"},
        {ui->btnCancel, "BORDER_BTN"},         {ui->wdtCaption, "HISTROY_DARK_WIDGET"},
        {ui->lblCaption, "TITLE"},
    };
    for (const auto &k : keys)
        k.first->setProperty("STYLE_KEY", QString::fromLatin1(k.second));
    // The skin's own spin boxes, readable in the dark skin too.
    for (QSpinBox *box : {ui->edtWidth, ui->edtHeight, ui->edtLeft, ui->edtTop})
        box->setProperty("STYLE_KEY", QStringLiteral("CUSTOM_SPINBOX"));
}

void Watermark::setFixedSizes()
{
    ui->wdtWatermarkClient->setFixedSize(scaled(480), scaled(290));
    ui->widget->setFixedWidth(scaled(265));
    ui->grpSize->setFixedHeight(scaled(100));
    ui->grpPosition->setFixedHeight(scaled(100));
    // At least its designed width: a bold label may need more.
    ui->btnPreview->setMinimumWidth(scaled(150));
    ui->btnPreview->setFixedHeight(scaled(32));
    ui->btnSelectImage->setFixedSize(scaled(140), scaled(32));
    for (QPushButton *b : {ui->btnSelectFont, ui->btnSelectColor, ui->btnOK, ui->btnCancel})
        b->setFixedSize(scaled(80), scaled(32));
    for (QRadioButton *r : {ui->rdoNoWatermark, ui->rdoTextWatermark, ui->rdoImageWatermark})
        r->setFixedHeight(scaled(32));
    ui->wdtCaption->setFixedHeight(scaled(36));
    ui->lblCaption->setFixedHeight(scaled(22));
    ui->wdtBottom->setFixedHeight(scaled(70));
}

int Watermark::shownKind() const
{
    if (ui->rdoImageWatermark->isChecked())
        return WATERMARK_IMAGE;
    if (ui->rdoTextWatermark->isChecked())
        return WATERMARK_TEXT;
    return WATERMARK_NONE;
}

void Watermark::updateOkButton()
{
    const int kind = shownKind();
    ui->btnOK->setEnabled(kind == WATERMARK_NONE || m_editor->itemCount(kind) > 0);
}

void Watermark::pickCurrentItem(WatermarkEditor *editor)
{
    if (!editor->currentItem())
        editor->setCurrentItem(editor->item(editor->watermarkType(), 0));
}

// Load and save ---------------------------------------------------------

void Watermark::load()
{
    DataGroupPrivate *stored = privateGroup();
    const QRect canvas(QPoint(0, 0), m_editor->size());
    const auto place = [this, &canvas](WatermarkItem *item) {
        // Stored at another display scale: put it into this canvas, where
        // it can still be reached.
        if (item->boundsRect() != canvas)
            item->fitToBounds(canvas);
        m_editor->appendItem(item);
        if (item->isSelected())
            m_editor->setCurrentItem(item);
    };
    if (stored->ImageWatermark.isValid())
        place(WatermarkItemImage::fromVariant(stored->ImageWatermark));
    if (stored->TextWatermark.isValid())
        place(WatermarkItemText::fromVariant(stored->TextWatermark));

    QAbstractButton *button = ui->rdoNoWatermark;
    if (stored->WatermarkType == WATERMARK_IMAGE)
        button = ui->rdoImageWatermark;
    else if (stored->WatermarkType == WATERMARK_TEXT)
        button = ui->rdoTextWatermark;
    button->setChecked(true);
    btnGrpWatermarkTypeClicked(button);
}

void Watermark::save()
{
    DataGroupPrivate *stored = privateGroup();
    stored->WatermarkType = uint(shownKind());
    WatermarkItem *image = m_editor->item(WATERMARK_IMAGE, 0);
    WatermarkItem *text = m_editor->item(WATERMARK_TEXT, 0);
    stored->ImageWatermark = image ? image->toVariant() : QVariant();
    stored->TextWatermark = text ? text->toVariant() : QVariant();
    if (g_enviroment)
        g_enviroment->savePrivate();
    if (sender() == ui->btnOK)
        accept();
}

// Controls --------------------------------------------------------------

void Watermark::btnGrpWatermarkTypeClicked(QAbstractButton *button)
{
    if (button == ui->rdoNoWatermark) {
        ui->wdtClient->hide();
        ui->edtText->setEnabled(false);
        ui->btnSelectFont->setEnabled(false);
        ui->btnSelectColor->setEnabled(false);
        ui->btnSelectImage->setEnabled(false);
        m_editor->setWatermarkType(WATERMARK_NONE);
        m_editor->setCurrentItem(nullptr);
        ui->btnOK->setEnabled(true);
        return;
    }
    const bool image = button == ui->rdoImageWatermark;
    const int kind = image ? WATERMARK_IMAGE : WATERMARK_TEXT;
    ui->wdtClient->show();
    ui->chxKeepAspectRatio->setVisible(image);
    ui->chxKeepDesignedSize->setVisible(image);
    m_editor->setWatermarkType(kind);
    m_editor->setCurrentItem(m_editor->item(kind, 0));
    m_editor->update();
    ui->btnSelectImage->setEnabled(image);
    ui->edtText->setEnabled(!image);
    ui->btnSelectFont->setEnabled(!image);
    ui->btnSelectColor->setEnabled(!image);
    updateOkButton();
}

void Watermark::WatermarkCurrentItemChanged(WatermarkItem *item)
{
    const bool has = item != nullptr;
    const bool image = has && item->watermarkType() == WATERMARK_IMAGE;
    const bool text = has && item->watermarkType() == WATERMARK_TEXT;
    ui->grpSize->setEnabled(has);
    ui->grpPosition->setEnabled(has);
    ui->chxKeepAspectRatio->setEnabled(image);
    ui->chxKeepDesignedSize->setEnabled(image);
    ui->sldTransparency->setEnabled(has);
    ui->lblTransparency->setEnabled(has);
    {
        const QSignalBlocker b1(ui->chxKeepAspectRatio), b2(ui->chxKeepDesignedSize), b3(ui->sldTransparency),
            b4(ui->edtText);
        auto *imageItem = image ? static_cast<WatermarkItemImage *>(item) : nullptr;
        ui->chxKeepAspectRatio->setChecked(imageItem && imageItem->keepAspectRatio());
        ui->chxKeepDesignedSize->setChecked(imageItem && imageItem->keepDesignedSize());
        if (has)
            ui->sldTransparency->setValue(item->transparency());
        if (has)
            ui->edtText->setText(text ? static_cast<WatermarkItemText *>(item)->text() : QString());
    }
    if (has) {
        ui->btnSelectFont->setEnabled(text);
        ui->btnSelectColor->setEnabled(text);
        WatermarkCurrentRectChanged(item->rect());
    } else {
        ui->btnSelectFont->setEnabled(false);
        ui->btnSelectColor->setEnabled(false);
        WatermarkCurrentRectChanged(QRect(0, 0, 0, 0));
    }
    updateOkButton();
}

void Watermark::WatermarkCurrentRectChanged(const QRect &rect)
{
    const QSignalBlocker b1(ui->edtLeft), b2(ui->edtTop), b3(ui->edtWidth), b4(ui->edtHeight);
    ui->edtLeft->setValue(rect.left());
    ui->edtTop->setValue(rect.top());
    ui->edtWidth->setValue(rect.right() - rect.left() + 1);
    ui->edtHeight->setValue(rect.bottom() - rect.top() + 1);
}

void Watermark::showCurrentRect()
{
    if (WatermarkItem *item = m_editor->currentItem())
        WatermarkCurrentRectChanged(item->rect());
}

bool Watermark::currentIsEditable() const
{
    return m_editor->currentItem() && m_editor->currentItem()->rect().isValid();
}

void Watermark::edtLeftValueChanged(int value)
{
    if (!currentIsEditable())
        return;
    const QRect r = m_editor->currentItem()->rect();
    m_editor->setItemRect(r.translated(value - r.left(), 0));
}

void Watermark::edtTopValueChanged(int value)
{
    if (!currentIsEditable())
        return;
    const QRect r = m_editor->currentItem()->rect();
    m_editor->setItemRect(r.translated(0, value - r.top()));
}

void Watermark::edtWidthValueChanged(int value)
{
    if (!currentIsEditable())
        return;
    QRect r = m_editor->currentItem()->rect();
    r.setRight(r.left() + value - 1);
    m_editor->setItemRect(r);
}

void Watermark::edtHeightValueChanged(int value)
{
    if (!currentIsEditable())
        return;
    QRect r = m_editor->currentItem()->rect();
    r.setBottom(r.top() + value - 1);
    m_editor->setItemRect(r);
}

void Watermark::edtTextTextChanged(const QString &text)
{
    m_editor->setText(text);
    showCurrentRect();
}

void Watermark::btnSelectFontClicked()
{
    QFont font;
    if (!WatermarkPickers::instance()->pickFont(this, m_editor->currentFont(), &font))
        return;
    WatermarkItem *item = m_editor->currentItem();
    if (!item || item->watermarkType() != WATERMARK_TEXT)
        return;
    auto *text = static_cast<WatermarkItemText *>(item);
    text->setFont(font);
    text->updateRect();
    m_editor->update();
    showCurrentRect();
}

void Watermark::btnSelectColorClicked()
{
    WatermarkItem *item = m_editor->currentItem();
    const bool isText = item && item->watermarkType() == WATERMARK_TEXT;
    const QColor initial = isText ? static_cast<WatermarkItemText *>(item)->color() : QColor();
    const QColor color = WatermarkPickers::instance()->pickColor(this, initial, QStringLiteral("Select color"));
    item = m_editor->currentItem();
    if (!color.isValid() || !item || item->watermarkType() != WATERMARK_TEXT)
        return;
    static_cast<WatermarkItemText *>(item)->setColor(color);
    m_editor->update();
}

void Watermark::btnSelectImageClicked()
{
    const QString path = WatermarkPickers::instance()->pickImageFile(this, tr("Open image file"),
                                                                     tr("Images (*.png *.jpeg *.jpg *.bmp)"));
    if (path.isEmpty())
        return;
    QString why;
    if (!m_editor->setImageFile(path, &why)) {
        // Say why: a picture refused as too large reads as any other.
        CommonDialog::showWarning(this, why.isEmpty() ? tr("The image file cannot be read.")
                                                      : tr("The image file cannot be used: %1.").arg(why));
        return;
    }
    showCurrentRect();
    updateOkButton();
}

void Watermark::chxKeepDesignedSizeToggled(bool on)
{
    WatermarkItem *item = m_editor->currentItem();
    if (item && item->watermarkType() == WATERMARK_IMAGE)
        static_cast<WatermarkItemImage *>(item)->setKeepDesignedSize(on);
}

void Watermark::chxKeepAspectRatioToggled(bool on)
{
    m_editor->setKeepAspectRatio(on);
}

void Watermark::sldTransparencyValueChanged(int value)
{
    if (WatermarkItem *item = m_editor->currentItem()) {
        item->setTransparency(qint16(value));
        m_editor->update();
    }
}

// Full-screen preview ---------------------------------------------------

void Watermark::btnPreviewClicked()
{
    finishPreview(openPreview()->exec());
}

QDialog *Watermark::openPreview()
{
    // Over the whole screen, panels too, where the mark lands in the
    // recording; it holds the keyboard while it shows (Escape, Enter, the
    // arrows).
    m_preview = new QDialog(this);
    DesktopOverlay::make(m_preview, DesktopOverlay::GrabKeyboard);
    m_preview->setObjectName(QStringLiteral("watermarkPreview"));
    m_preview->installEventFilter(this);
    m_previewEditor = new WatermarkEditor(m_preview);
    m_previewEditor->setWatermarkType(m_editor->watermarkType());
    m_previewEditor->setPromptShown(true);
    QTimer::singleShot(kPromptMs, m_previewEditor, &WatermarkEditor::hidePrompt);
    auto *layout = new QHBoxLayout(m_preview);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_previewEditor);

    QRect screen = privateGroup()->selectedScreenGeometry();
    if (screen.isEmpty() && QGuiApplication::primaryScreen())
        screen = QGuiApplication::primaryScreen()->geometry();
    m_preview->setGeometry(screen);
    m_previewEditor->resize(screen.size());

    const QRect full(QPoint(0, 0), screen.size());
    for (WatermarkItem *item : m_editor->items()) {
        WatermarkItem *copy = item->clone();
        copy->fitToBounds(full);
        m_previewEditor->appendItem(copy);
        if (copy->isSelected())
            m_previewEditor->setCurrentItem(copy);
    }
    // Without a current item the keys and the mouse would do nothing.
    pickCurrentItem(m_previewEditor);
    return m_preview;
}

void Watermark::finishPreview(int result)
{
    if (result == QDialog::Accepted) {
        m_editor->clear();
        const QRect canvas(QPoint(0, 0), m_editor->size());
        const QVector<WatermarkItem *> items = m_previewEditor->takeItems();
        for (WatermarkItem *item : items) {
            item->fitToBounds(canvas);
            m_editor->appendItem(item);
            if (item->isSelected())
                m_editor->setCurrentItem(item);
        }
        pickCurrentItem(m_editor);
        m_editor->update();
        showCurrentRect();
    }
    QDialog *preview = m_preview;
    m_preview = nullptr;
    m_previewEditor = nullptr;
    delete preview;
}

// Window behaviour ------------------------------------------------------

bool Watermark::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == this) {
        if (event->type() == QEvent::WindowActivate)
            ui->lblCaption->setStyleSheet(QStringLiteral("color:white"));
        else if (event->type() == QEvent::WindowDeactivate)
            ui->lblCaption->setStyleSheet(QStringLiteral("color:gray"));
    } else if (m_preview && watched == m_preview && isKeypadEnter(event)) {
        m_preview->accept();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void Watermark::showEvent(QShowEvent *event)
{
    // Only the first show loads: a restore after minimising must not add
    // the stored items a second time.
    if (!m_loaded) {
        m_loaded = true;
        load();
    }
    emit visibleChanged(true);
    QDialog::showEvent(event);
}

void Watermark::hideEvent(QHideEvent *event)
{
    if (!event->spontaneous() && !isMinimized()) {
        emit visibleChanged(false);
        SourceRequests::instance()->refreshWatermarkState();
    }
    QDialog::hideEvent(event);
}

void Watermark::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Enter) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void Watermark::resizeEvent(QResizeEvent *event)
{
    setMask(CommonDialog::roundedShape(size(), CornerRadius));
    QDialog::resizeEvent(event);
}
