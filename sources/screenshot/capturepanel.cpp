#include "capturepanel.h"
#include "ui_capturepanel.h"

#include "framelessdrag.h"
#include "graphiceditor.h"
#include "screencapturing.h"
#include "skinmanager.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QKeyEvent>

namespace {

ImageStateMap buttonImages(const QString &normal, const QString &down)
{
    const QString folder = SkinManager::instance()->skinPath() + QStringLiteral("image/");
    const int side = scaled(20);
    auto load = [&](const QString &name) {
        QPixmap p(folder + name);
        return p.isNull() ? p : p.scaled(side, side, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    };
    ImageStateMap map;
    map[IMAGE_NORMAL] = load(normal);
    map[IMAGE_ON] = map[IMAGE_NORMAL];
    map[IMAGE_DOWN] = load(down);
    return map;
}

} // namespace

CapturePanel::CapturePanel(ScreenCapturing *tool) : QWidget(tool), ui(new Ui::CapturePanelClass)
{
    ui->setupUi(this);

    m_editor = new GraphicEditor(ui->wdtGraphicEditor, tool);
    m_editor->setScreenshotMode(true);
    auto *editorLayout = new QHBoxLayout(ui->wdtGraphicEditor);
    editorLayout->setSpacing(0);
    editorLayout->setContentsMargins(0, 0, 0, 0);
    editorLayout->addWidget(m_editor);

    // A part of the tool's own window, not a window of its own: it stays
    // above the picture, on the tool's exact place, and shares its keyboard.
    setAttribute(Qt::WA_TranslucentBackground);

    connect(ui->btnCopy, &QToolButton::clicked, tool, &ScreenCapturing::copy);
    connect(ui->btnSave, &QToolButton::clicked, tool, &ScreenCapturing::save);
    connect(ui->btnFullScreen, &QToolButton::clicked, tool, &ScreenCapturing::fullScreen);
    connect(ui->btnPinToScreen, &QToolButton::clicked, tool, &ScreenCapturing::pinToScreen);
    connect(ui->btnClose, &QToolButton::clicked, this, &QWidget::close);

    const struct {
        MyToolButton *button;
        const char *normal;
        const char *down;
    } buttons[] = {
        {ui->btnClose, "quit-normal.png", "quit-press.png"},
        {ui->btnFullScreen, "fullscreen-normal.png", "fullscreen-pressed.png"},
        {ui->btnPinToScreen, "pintoscreen-normal.png", "pintoscreen-pressed.png"},
        {ui->btnCopy, "copy-normal.png", "copy-press.png"},
        {ui->btnSave, "save-normal.png", "save-press.png"},
    };
    for (const auto &b : buttons) {
        b.button->setImageMap(buttonImages(QLatin1String(b.normal), QLatin1String(b.down)));
        b.button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        b.button->setProperty("STYLE_KEY", QStringLiteral("CAPTURE_PANEL_MENUBTN"));
        b.button->setFixedSize(scaled(175), scaled(32));
    }
    ui->wdtGraphicEditor->setProperty("STYLE_KEY", QStringLiteral("CAPTURE_PANEL_EDITOR"));
    // The panel's background is see-through: the buttons sit on the same
    // plate as the palette, or their texts would vanish on a dark desktop.
    ui->wdtControl->setProperty("STYLE_KEY", QStringLiteral("CAPTURE_PANEL_EDITOR"));
    ui->wdtControl->setFixedWidth(scaled(175));
    adjustSize();

    // Pressing anywhere on the panel outside its controls drags it.
    m_drag = new FramelessDrag(this);
    m_drag->addHandle(this);
    m_drag->addHandle(ui->wdtControl);
}

CapturePanel::~CapturePanel()
{
    delete ui;
}

void CapturePanel::keyPressEvent(QKeyEvent *event)
{
    // Keys stop here: none reaches the tool, whose Escape would reject it.
    if (event->key() == Qt::Key_Escape)
        close();
    event->accept();
}

void CapturePanel::closeEvent(QCloseEvent *event)
{
    event->accept();
    emit closed();
}

void CapturePanel::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        ui->retranslateUi(this);
    QWidget::changeEvent(event);
}
