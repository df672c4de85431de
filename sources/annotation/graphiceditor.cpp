#include "graphiceditor.h"

#include "core/formatting.h"
#include "core/logfile.h"
#include "igraphiceditable.h"
#include "ui_graphiceditor.h"
#include "widgets/skinmanager.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QKeySequence>
#include <QSignalBlocker>

namespace {

// Where a swatch keeps the colour it shows, so it is known before the
// widget is first polished (a style sheet sets the palette only then).
const char kSwatchColor[] = "swatchColor";

QColor swatchColor(const QAbstractButton *button)
{
    return button->property(kSwatchColor).value<QColor>();
}

} // namespace

GraphicEditor::GraphicEditor(QWidget *parent, IGraphicEditable *host)
    : QWidget(parent), ui(new Ui::GraphicEditorClass), m_host(host)
{
    ui->setupUi(this);
    ui->btnGrpDrawingTools->setExclusive(false);

    const QList<QPair<QAbstractButton *, int>> tools = {
        {ui->btnRectangle, 1}, {ui->btnEllipse, 2}, {ui->btnLine, 3},     {ui->btnArrow, 4},
        {ui->btnBrush, 5},     {ui->btnAirBrush, 6}, {ui->btnText, 7},    {ui->btnCallout, 8},
        {ui->btnEraser, 9},    {ui->btnBlur, 10}};
    for (const auto &t : tools)
        ui->btnGrpDrawingTools->setId(t.first, t.second);
    const QList<QPair<QAbstractButton *, int>> sizes = {
        {ui->btnSize1, 1}, {ui->btnSize2, 2}, {ui->btnSize3, 4}, {ui->btnSize4, 8}};
    for (const auto &s : sizes)
        ui->btnGrpSizes->setId(s.first, s.second);

    // The colours the swatches' style sheets give them.
    const QStringList presets = {
        QStringLiteral("black"),   QStringLiteral("white"),   QStringLiteral("#808080"), QStringLiteral("#A0A0A0"),
        QStringLiteral("#C0C0C0"), QStringLiteral("#FF0000"), QStringLiteral("#00FF00"), QStringLiteral("#0000FF"),
        QStringLiteral("#00FFFF"), QStringLiteral("#FF00FF"), QStringLiteral("#FFFF00"), QStringLiteral("#800000"),
        QStringLiteral("#008000"), QStringLiteral("#000080"), QStringLiteral("#008080"), QStringLiteral("#800080")};
    const QList<QAbstractButton *> swatches = {
        ui->btnColor1,  ui->btnColor2,  ui->btnColor3,  ui->btnColor4,  ui->btnColor5,  ui->btnColor6,
        ui->btnColor7,  ui->btnColor8,  ui->btnColor9,  ui->btnColor10, ui->btnColor11, ui->btnColor12,
        ui->btnColor13, ui->btnColor14, ui->btnColor15, ui->btnColor16};
    for (int i = 0; i < swatches.size(); ++i)
        swatches.at(i)->setProperty(kSwatchColor, QColor(presets.at(i)));
    ui->btnSelectedColor->setProperty(kSwatchColor, QColor(Qt::red));
    ui->btnSelectedColor1->setProperty(kSwatchColor, QColor(Qt::red));
    ui->btnSelectedColor2->setProperty(kSwatchColor, QColor(Qt::white));

    connect(ui->btnGrpDrawingTools, QOverload<QAbstractButton *>::of(&QButtonGroup::buttonClicked), this,
            &GraphicEditor::btnGrpDrawingToolsClicked);
    connect(ui->btnGrpSizes, QOverload<QAbstractButton *>::of(&QButtonGroup::buttonClicked), this,
            &GraphicEditor::btnGrpSizesClicked);
    connect(ui->btnGrpColors, QOverload<QAbstractButton *>::of(&QButtonGroup::buttonClicked), this,
            &GraphicEditor::btnGrpColorsClicked);
    connect(ui->btnGrpFillColorOrFontColor, QOverload<QAbstractButton *>::of(&QButtonGroup::buttonClicked), this,
            &GraphicEditor::btnGrpFillColorOrFontColorClicked);
    connect(ui->btnCustomColor, &QToolButton::clicked, this, &GraphicEditor::btnCustomColorClicked);
    connect(ui->btnPresetColor, &QToolButton::clicked, this, &GraphicEditor::btnPresetColorClicked);
    connect(ui->edtRValue, &QSpinBox::textChanged, this, &GraphicEditor::setColorFromEditor);
    connect(ui->edtGValue, &QSpinBox::textChanged, this, &GraphicEditor::setColorFromEditor);
    connect(ui->edtBValue, &QSpinBox::textChanged, this, &GraphicEditor::setColorFromEditor);
    connect(ui->edtRGBValue, &QLineEdit::textChanged, this, &GraphicEditor::setColorFromEditor);

    ui->btnUndo->setShortcut(QKeySequence(QStringLiteral("Ctrl+Z")));
    ui->btnRedo->setShortcut(QKeySequence(QStringLiteral("Ctrl+Y")));
    QObject *hostObject = m_host ? dynamic_cast<QObject *>(m_host) : nullptr;
    if (hostObject) {
        IGraphicEditable *host = m_host;
        connect(ui->btnUndo, &QAbstractButton::clicked, hostObject, [host] { host->undo(); });
        connect(ui->btnRedo, &QAbstractButton::clicked, hostObject, [host] { host->redo(); });
        connect(ui->btnClear, &QAbstractButton::clicked, hostObject, [host] { host->clear(); });
    }

    connect(ui->cbxFontSize, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &GraphicEditor::cbxFontSizeCurrentIndexChanged);
    connect(ui->edtCallout, QOverload<int>::of(&QSpinBox::valueChanged), this,
            &GraphicEditor::edtCalloutValueChanged);
    connect(ui->btnSelectRectangle, &QToolButton::clicked, this, &GraphicEditor::btnSelectRectangleClicked);
    connect(ui->sldBlur, &QSlider::valueChanged, this, &GraphicEditor::sldBlurValueChanged);
    connect(ui->btnExitDrawing, &QToolButton::clicked, this, &GraphicEditor::btnExitDrawingClicked);

    ui->stackedToolCheckedOrNot->setCurrentIndex(0);
    ui->stackedColorPresetOrCustom->setCurrentIndex(0);
    ui->stackedSelectedColor->setCurrentIndex(0);
    ui->btnSize2->setChecked(true);

    if (m_host) {
        m_host->setPenSize(2);
        m_host->setBlurRadius(ui->sldBlur->value());
    }

    ui->btnSelectedColor1->click();
    ui->edtCallout->hide();

    if (m_host)
        m_host->watchOrderNumber(this, [this](int next) { doOrderNumberChanged(next); });

    ui->lblFontSize->setFixedSize(int(18 * g_dscale), int(20 * g_dscale));
    // The size row's label grows with the display scale; its page must not
    // be squeezed below what it holds.
    ui->statckedColorOrText->setMinimumWidth(
        qMax(ui->statckedColorOrText->minimumWidth(),
             qMax(ui->page_6->minimumSizeHint().width(), ui->page_7->minimumSizeHint().width())));

    // Without a host there is nothing to draw on.
    if (!m_host) {
        for (QAbstractButton *button : ui->btnGrpDrawingTools->buttons())
            button->setEnabled(false);
        ui->btnUndo->setEnabled(false);
        ui->btnRedo->setEnabled(false);
        ui->btnClear->setEnabled(false);
    }
}

GraphicEditor::~GraphicEditor()
{
    delete ui;
}

void GraphicEditor::setScreenshotMode(bool on)
{
    ui->btnBlur->setVisible(on);
    // Lets the application style sheet keep the light panel's texts dark.
    setProperty("screenshotMode", on);
    if (!on)
        return;
    ui->CentralWidget->setStyleSheet(
        QStringLiteral("QWidget#CentralWidget{background-color: #F5F5FB;border-radius:8px;}"));
    ui->page_4->setStyleSheet(QStringLiteral("QWidget#page_4{background-color: #ffffff;border-radius:8px;}"));
    ui->page_5->setStyleSheet(QStringLiteral("QWidget#page_5{background-color: #ffffff;border-radius:8px;}"));
}

void GraphicEditor::btnGrpDrawingToolsClicked(QAbstractButton *button)
{
    chooseTool(button);
}

void GraphicEditor::btnExitDrawingClicked()
{
    chooseTool(nullptr);
}

void GraphicEditor::chooseTool(QAbstractButton *button)
{
    // The group is not exclusive, so a second click can turn drawing off.
    for (QAbstractButton *other : ui->btnGrpDrawingTools->buttons())
        if (other != button)
            other->setChecked(false);
    const int tool = button && button->isChecked() ? ui->btnGrpDrawingTools->id(button) : 0;
    if (m_host)
        m_host->setGraphicType(tool);
    runLog(QStringLiteral("Current graphicType: %1").arg(tool), true);

    ui->stackedToolCheckedOrNot->setCurrentIndex(tool != 0 ? 1 : 0);
    ui->statckedColorOrText->setCurrentIndex(tool == 7 ? 1 : 0);
    const bool eraseOrBlur = tool == 9 || tool == 10;
    ui->stackedColorOrRectangle->setCurrentIndex(eraseOrBlur ? 1 : 0);
    if (eraseOrBlur)
        ui->sldBlur->setVisible(tool == 10);
    ui->stackedSelectedColor->setCurrentIndex(tool == 8 ? 1 : 0);
    ui->edtCallout->setVisible(tool == 8);
}

void GraphicEditor::btnGrpSizesClicked(QAbstractButton *button)
{
    const int size = ui->btnGrpSizes->id(button);
    if (m_host && size > 0)
        m_host->setPenSize(size);
    // Choosing a width switches the eraser back to strokes.
    if (ui->stackedColorOrRectangle->currentIndex() == 1) {
        ui->btnSelectRectangle->setChecked(false);
        if (m_host)
            m_host->setRectangleMode(false);
    }
}

void GraphicEditor::btnSelectRectangleClicked()
{
    if (m_host)
        m_host->setRectangleMode(ui->btnSelectRectangle->isChecked());
}

void GraphicEditor::sldBlurValueChanged(int value)
{
    if (m_host)
        m_host->setBlurRadius(value);
}

void GraphicEditor::cbxFontSizeCurrentIndexChanged(int)
{
    if (m_host)
        m_host->setFontSize(ui->cbxFontSize->currentText().toInt());
}

void GraphicEditor::edtCalloutValueChanged(int value)
{
    if (m_host)
        m_host->setOrderNumber(value);
}

void GraphicEditor::doOrderNumberChanged(int number)
{
    // The host already knows: showing the number must not send it back.
    const QSignalBlocker blocker(ui->edtCallout);
    ui->edtCallout->setValue(number);
}

void GraphicEditor::btnCustomColorClicked()
{
    ui->stackedColorPresetOrCustom->setCurrentIndex(1);
}

void GraphicEditor::btnPresetColorClicked()
{
    ui->stackedColorPresetOrCustom->setCurrentIndex(0);
}

void GraphicEditor::btnGrpColorsClicked(QAbstractButton *button)
{
    const QColor color = swatchColor(button);
    applyColor(color);
    showColorInEditors(color, nullptr);
}

void GraphicEditor::btnGrpFillColorOrFontColorClicked(QAbstractButton *button)
{
    const bool fill = button == ui->btnSelectedColor1;
    ui->btnSelectedColor1->setEnabled(!fill);
    ui->btnSelectedColor2->setEnabled(fill);
    showColorInEditors(swatchColor(button), nullptr);
}

void GraphicEditor::setColorFromEditor(const QString &)
{
    QObject *from = sender();
    QColor color;
    if (from == ui->edtRValue || from == ui->edtGValue || from == ui->edtBValue) {
        color = QColor(ui->edtRValue->value(), ui->edtGValue->value(), ui->edtBValue->value(), 255);
    } else if (from == ui->edtRGBValue) {
        // A partial text names no colour and is sent as such; the colour of
        // the full six digits is the one that stays.
        color.setNamedColor(QLatin1Char('#') + ui->edtRGBValue->text());
    } else {
        return;
    }
    applyColor(color);
    showColorInEditors(color, from);
}

void GraphicEditor::applyColor(const QColor &color)
{
    const QString hex = colorToHex(color);
    if (ui->stackedSelectedColor->currentIndex() == 1) {
        const bool fill = ui->btnSelectedColor1->isChecked();
        QAbstractButton *target = fill ? ui->btnSelectedColor1 : ui->btnSelectedColor2;
        target->setStyleSheet(QStringLiteral("QToolButton{ border: 1 solid black; background-color: #%1 } "
                                             "QToolButton:hover{ border: 1px solid white } "
                                             "QToolButton:pressed{ border: 2px solid black } "
                                             "QToolButton:disabled{ border: none }")
                                  .arg(hex));
        target->setProperty(kSwatchColor, color);
        if (m_host) {
            if (fill)
                m_host->setFillColor(color);
            else
                m_host->setFontColor(color);
        }
        return;
    }
    ui->btnSelectedColor->setStyleSheet(QStringLiteral("QToolButton{border: none; background-color: #%1}").arg(hex));
    ui->btnSelectedColor->setProperty(kSwatchColor, color);
    if (m_host)
        m_host->setPenColor(color);
}

void GraphicEditor::showColorInEditors(const QColor &color, QObject *skip)
{
    if (skip != ui->edtRValue) {
        const QSignalBlocker blocker(ui->edtRValue);
        ui->edtRValue->setValue(color.red());
    }
    if (skip != ui->edtGValue) {
        const QSignalBlocker blocker(ui->edtGValue);
        ui->edtGValue->setValue(color.green());
    }
    if (skip != ui->edtBValue) {
        const QSignalBlocker blocker(ui->edtBValue);
        ui->edtBValue->setValue(color.blue());
    }
    if (skip != ui->edtRGBValue) {
        const QSignalBlocker blocker(ui->edtRGBValue);
        ui->edtRGBValue->setText(colorToHex(color));
    }
}
