// The main window's form as the window dresses it: fixed sizes at the
// display scale, style keys, the window's style sheet and the buttons' skin
// images.
#include "mirelo.h"
#include "ui_mirelo.h"

#include "mycustomareaselect.h"
#include "skinmanager.h"

#include <utility>

namespace {

struct StateFile {
    IMAGE_TYPE state;
    const char *file;
};

QString imageFolder()
{
    return SkinManager::instance()->skinPath();
}

// The skin's pictures for the states, each scaled into a square of `side`
// at the display scale.
ImageStateMap stateImages(int side, std::initializer_list<StateFile> files)
{
    const QString folder = imageFolder();
    const int px = scaled(side);
    ImageStateMap map;
    for (const StateFile &f : files) {
        QPixmap picture(folder + QLatin1String(f.file));
        if (!picture.isNull())
            picture = picture.scaled(px, px, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        map.insert(f.state, picture);
    }
    return map;
}

void setKey(const std::initializer_list<QWidget *> &widgets, const char *key)
{
    for (QWidget *w : widgets)
        w->setProperty("STYLE_KEY", QString::fromLatin1(key));
}

} // namespace

Ui::MirelonClass *Mirelo::form() const
{
    return ui;
}

void Mirelo::setStyleKeys()
{
    setKey({ui->pagestatus}, "WIDGET_STATUS");
    setKey({ui->pagenull}, "WIGDET_NULL");
    setKey({ui->btnHistory, ui->btnRecLength, ui->btnTaskSchedule, ui->btnWatermark}, "BTN_STATUS");
    setKey({ui->pageMain, ui->pageRecord, ui->pageRecordLength}, "HOME_PAGE");
    setKey({ui->btnRecLengthOK}, "BLUE_BTN");
    setKey({ui->btnRecord}, "MAIN_RECORD_BTN");
    setKey({ui->btnRecVideo, ui->btnRecCamera, ui->btnRecAudio, ui->btnRecPhoto}, "TOOLBTN_HOME");
    setKey({ui->btnCapture, ui->btnHome}, "MAINFUN_BTN");
    setKey({ui->btnSystemSound}, "MAINFUN_SYSTEMSOUND");
    setKey({ui->btnMicrophone}, "MAINFUN_MICROPHONE");
    setKey({ui->btnCamera}, "MAINFUN_CAMERA");
    setKey({ui->btnSystemSoundDrop, ui->btnMicrophoneDrop, ui->btnCameraDrop}, "MAINFUN_ARROW");
    setKey({ui->label, ui->label_2, ui->label_3}, "MAINFUN_LABEL");
    setKey({ui->sldSystemSound, ui->sldMicrophone}, "MAINFUN_SLIDER");
    setKey({ui->cbxRecConfig, ui->cbxSelectScreen}, "DARK_COMBOBOX");
    setKey({ui->checkMouseAround, ui->chxRecordLength}, "MAINFUN_CHECKBOX");
    setKey({ui->label_4, ui->label_5, ui->label_6, ui->label_7, ui->label_21, ui->label_22}, "MAIN_SLIDERLBL");
}

void Mirelo::applyScale()
{
    setFixedSize(scaled(855), scaled(240));
    ui->staStatusWidget->setFixedHeight(scaled(40));
    for (QWidget *w : {ui->btnSystemSound, ui->btnMicrophone, ui->btnCamera})
        w->setFixedSize(scaled(36), scaled(36));
    // At least the designed width: a longer translation widens the box
    // rather than being cut.
    ui->cbxRecConfig->setMinimumWidth(scaled(150));
    ui->cbxRecConfig->setFixedHeight(scaled(26));
    for (QWidget *w : std::initializer_list<QWidget *>{ui->staRecConfigWidget, ui->cbxSelectScreen, ui->checkMouseAround})
        w->setFixedSize(scaled(120), scaled(26));
    for (QWidget *w : {ui->btnHistory, ui->btnRecLength, ui->btnTaskSchedule, ui->btnWatermark})
        w->setFixedHeight(scaled(24));
    fitStatusButtons();
    for (QWidget *w : {ui->btnRecVideo, ui->btnRecCamera, ui->btnRecAudio, ui->btnRecPhoto})
        w->setFixedSize(scaled(170), scaled(130));
    ui->btnHome->setFixedSize(scaled(20), scaled(20));
    ui->btnCapture->setFixedSize(scaled(20), scaled(20));
    ui->btnRecLengthOK->setFixedSize(scaled(80), scaled(36));
    ui->btnRecord->setFixedSize(scaled(80), scaled(80));
    ui->sldSystemSound->setFixedSize(scaled(100), scaled(32));
    ui->sldMicrophone->setFixedSize(scaled(100), scaled(32));
    for (QWidget *w : std::initializer_list<QWidget *>{ui->prgSystemSound, ui->prgMicrophone, ui->fraCamera,
                                                       ui->staSystemSoundWidget, ui->staMicrophoneWidget, ui->widget,
                                                       ui->widget_2, ui->label_8, ui->label_20})
        w->setFixedWidth(scaled(100));
    // The "-" and "+" over the sliders take the height their font needs.
    for (QLabel *sign : {ui->label_5, ui->label_6, ui->label_21, ui->label_22})
        sign->setMinimumHeight(scaled(14));
    // The tick marks under the sliders span the slider's width.
    for (QLabel *ticks : {ui->label_8, ui->label_20}) {
        QFont font = ticks->font();
        font.setPixelSize(qMax(1, scaled(5)));
        ticks->setFont(font);
        ticks->setFixedHeight(scaled(4));
    }
    for (QWidget *w : {ui->line_6, ui->line_7, ui->line_8})
        w->setFixedHeight(scaled(110));
    for (QWidget *w : std::initializer_list<QWidget *>{ui->chxRecordLength, ui->edtRecordLength, ui->chxShutdown,
                                                       ui->rdoThisTime, ui->rdoEachTime})
        w->setFixedHeight(scaled(24));

    // The window's own sheet: the skin's pictures for check boxes, radio
    // buttons and arrows, at the display scale.
    SkinManager *skin = SkinManager::instance();
    setStyleSheet(MyCustomAreaSelect::iconStyleSheet(skin->iconStyleSheetPath(),
                                                     skin->skinPath() + QStringLiteral("image/"), g_dscale));
}

// The bottom bar's buttons keep their designed widths while their texts
// fit; a longer text (another language, a state word) widens its button,
// first into the gap before the watermark button, then into the room the
// others do not need. Only texts that cannot all fit are cut.
void Mirelo::fitStatusButtons()
{
    MyButton *const buttons[] = {ui->btnHistory, ui->btnRecLength, ui->btnTaskSchedule, ui->btnWatermark};
    const int designed[] = {scaled(180), scaled(180), scaled(180), scaled(150)};
    constexpr int count = 4;
    int need[count], widths[count];
    int total = 0, needed = 0;
    for (int i = 0; i < count; ++i) {
        MyButton *b = buttons[i];
        b->ensurePolished();
        const int text = QFontMetrics(b->font()).horizontalAdvance(b->text());
        need[i] = b->imageMap().value(IMAGE_NORMAL).width() + b->iconMargin() + b->textMargin() + text + scaled(4);
        widths[i] = qMax(designed[i], need[i]);
        total += widths[i];
        needed += need[i];
    }
    const QMargins margins = ui->horizontalLayout_7->contentsMargins();
    const int lines = ui->line->maximumWidth() + ui->line_2->maximumWidth();
    // Six widgets with a spacing between each, and a gap before the watermark.
    const int fixedRoom = margins.left() + margins.right() + lines + 5 * ui->horizontalLayout_7->spacing() + scaled(12);
    const int available = width() - fixedRoom;
    if (total > available) {
        const int slack = total - needed;
        const int excess = total - available;
        for (int i = 0; i < count; ++i) {
            if (excess >= slack)
                widths[i] = needed > 0 ? int(qint64(need[i]) * qMax(0, available) / needed) : 0;
            else // each gives up its share of the spare room, rounded up
                widths[i] -= int((qint64(widths[i] - need[i]) * excess + slack - 1) / slack);
        }
    }
    for (int i = 0; i < count; ++i)
        buttons[i]->setFixedWidth(widths[i]);
}

void Mirelo::loadButtonImages()
{
    struct StripButton {
        MyButton *button;
        const char *normal, *hover, *press;
    };
    const StripButton strip[] = {
        {ui->btnHistory, "image/history-normal_free.png", "image/histroy-hover_free.png", "image/histroy-press_free.png"},
        {ui->btnRecLength, "image/taskschedule-normal_free.png", "image/taskschedule-hover_free.png",
         "image/taskshcedule-press_free.png"},
        {ui->btnTaskSchedule, "image/main-taskschedule_normal_free.png", "image/main-taskschedule_hover_free.png",
         "image/main-taskschedule_press_free.png"},
        {ui->btnWatermark, "image/logo/watermark-normal.png", "image/logo/watermark-hover.png",
         "image/watermark-pressed.png"},
    };
    for (const StripButton &b : strip) {
        b.button->setImageMap(stateImages(20, {{IMAGE_NORMAL, b.normal}, {IMAGE_ON, b.hover}, {IMAGE_DOWN, b.press}}));
        b.button->setIconMargin(0);
        b.button->setButtonType(0);
    }
    // The watermark button stays shown: it is the way to the watermark page.

    struct HomeButton {
        MyToolButton *button;
        const char *normal, *hover, *press;
    };
    const HomeButton home[] = {
        {ui->btnRecVideo, "image/recvideo-normal_free.png", "image/recvideo-hover_free.png", "image/recvideo-press_free.png"},
        {ui->btnRecCamera, "image/reccamera-normal_free.png", "image/reccamera-hover_free.png",
         "image/reccamera-press_free.png"},
        {ui->btnRecAudio, "image/recaudio-normal_free.png", "image/recaudio-hover_free.png", "image/recaudio-press_free.png"},
        {ui->btnRecPhoto, "image/shotcut-normal_free.png", "image/shotcut-hover_free.png", "image/shotcut-press_free.png"},
    };
    for (const HomeButton &b : home) {
        b.button->setImageMap(stateImages(72, {{IMAGE_NORMAL, b.normal}, {IMAGE_ON, b.hover}, {IMAGE_DOWN, b.press}}));
        b.button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    }

    ui->btnHome->setImageMap(stateImages(20, {{IMAGE_NORMAL, "image/backhome-normal.png"},
                                              {IMAGE_ON, "image/backhome-press.png"},
                                              {IMAGE_DOWN, "image/backhome-press.png"}}));
    ui->btnCapture->setImageMap(stateImages(20, {{IMAGE_NORMAL, "image/camerashotcut-normal.png"},
                                                 {IMAGE_ON, "image/camerashotcut-hover.png"},
                                                 {IMAGE_DOWN, "image/camerashotcut-press.png"}}));
    ui->btnRecord->setImageMap(stateImages(80, {{IMAGE_NORMAL, "image/rec.png"},
                                                {IMAGE_ON, "image/rec-on.png"},
                                                {IMAGE_DISABLE, "image/rec-disable.png"}}));
}

void Mirelo::setMicrophoneButtonImages(int state)
{
    const bool on = state == 1;
    const char *normal = on ? "image/mainfunmicrophone-on-normal.png" : "image/mainfunmicrophone-off-normal.png";
    const char *hover = on ? "image/mainfunmicrophone-on-hover.png" : "image/mainfunmicrophone-off-hover.png";
    ui->btnMicrophone->setImageMap(stateImages(36, {{IMAGE_NORMAL, normal}, {IMAGE_ON, hover}, {IMAGE_DISABLE, normal}}));
}

void Mirelo::setSystemSoundButtonImages(int state)
{
    const bool on = state == 1;
    const char *normal = on ? "image/mainfunrecvideo-on-normal.png" : "image/mainfunrecvideo-off-normal.png";
    const char *hover = on ? "image/mainfunrecvideo-on-hover.png" : "image/mainfunrecvideo-off-hover.png";
    ui->btnSystemSound->setImageMap(stateImages(36, {{IMAGE_NORMAL, normal}, {IMAGE_ON, hover}}));
}

void Mirelo::setCameraButtonImages(int state)
{
    const bool on = state == 1;
    const char *normal = on ? "image/mainfuncamera-on-normal.png" : "image/mainfuncamera-off-normal.png";
    const char *hover = on ? "image/mainfuncamera-on-hover.png" : "image/mainfuncamera-off-hover.png";
    ui->btnCamera->setImageMap(stateImages(36, {{IMAGE_NORMAL, normal}, {IMAGE_ON, hover}, {IMAGE_DISABLE, normal}}));
}
