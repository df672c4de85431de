// The toolkit's own gallery pictures: the skinned controls in every state,
// and a contact sheet of the skin's loose images.

#include "gallery.h"

#include "ccombobox.h"
#include "mybutton.h"
#include "mytoolbutton.h"
#include "skinmanager.h"

#include <QCheckBox>
#include <QDirIterator>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QRadioButton>
#include <QRegularExpression>

#include <algorithm>

namespace gallery {
namespace {


// A title-bar style button with its sprite images.
std::function<QWidget *()> spriteButton(const QString &part, const QString &key, const char *styleKey)
{
    return [=] {
        SkinManager::instance()->ChangePart(part);
        auto *b = new MyButton;
        b->setProperty("STYLE_KEY", styleKey);
        b->changeIcon(key);
        b->setFixedSize(scaled(32), scaled(28));
        return b;
    };
}

std::function<QWidget *()> textButton(const QString &text, const char *styleKey, int w, int h)
{
    return [=] {
        auto *b = new QPushButton(text);
        b->setProperty("STYLE_KEY", styleKey);
        b->setFixedSize(scaled(w), scaled(h));
        return b;
    };
}

} // namespace

QWidget *makeSkinnedControls()
{
    QList<StateRow> rows;
    rows << StateRow{"Minimise  (Common/min)", spriteButton("Common", "min", "MINIMIZE_BTN")};
    rows << StateRow{"Maximise  (Common/max)", spriteButton("Common", "max", "MAXIMIZE_BTN")};
    rows << StateRow{"Restore  (Common/restore)", spriteButton("Common", "restore", "RESTORE_BTN")};
    rows << StateRow{"Close  (Common/exit)", spriteButton("Common", "exit", "CLOSE_BTN")};
    rows << StateRow{"Settings  (title/settings)", spriteButton("title", "settings", "SETTING_BTN")};
    rows << StateRow{"Help  (title/help)", spriteButton("title", "help", "HELP_BTN")};
    rows << StateRow{"Feedback  (title/feedback)", spriteButton("title", "feedback", "FEEDBACK_BTN")};
    rows << StateRow{"Intel  (title/intel)", spriteButton("title", "intel", "INTEL_BTN")};
    rows << StateRow{"AMD  (title/amd)", spriteButton("title", "amd", "AMD_BTN")};
    rows << StateRow{"NVIDIA  (title/nvidia)", spriteButton("title", "nvidia", "NVIDIA_BTN")};
    rows << StateRow{"Image left of text (type 0)", [] {
                         SkinManager::instance()->ChangePart("title");
                         auto *b = new MyButton(QStringLiteral("Settings and more"));
                         b->changeIcon("settings");
                         b->setButtonType(0);
                         b->setIconMargin(scaled(4));
                         b->setTextMargin(scaled(4));
                         b->setProperty("STYLE_KEY", "BTN_STATUS");
                         b->setFixedSize(scaled(150), scaled(28));
                         return b;
                     }};
    rows << StateRow{"BLUE_BTN", textButton("OK", "BLUE_BTN", 80, 32)};
    rows << StateRow{"BORDER_BTN", textButton("Cancel", "BORDER_BTN", 80, 32)};
    rows << StateRow{"SETTING_DEFAULTBTN", textButton("Restore defaults", "SETTING_DEFAULTBTN", 130, 32)};
    rows << StateRow{"Tool button (text under)", [] {
                         SkinManager::instance()->ChangePart("title");
                         auto *t = new MyToolButton;
                         t->changeIcon("help");
                         t->setText(QStringLiteral("Help"));
                         t->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
                         t->setProperty("STYLE_KEY", "CAPTURE_PANEL_MENUBTN");
                         t->setFixedSize(scaled(64), scaled(56));
                         return t;
                     }};
    rows << StateRow{"DARK_COMBOBOX", [] {
                         auto *c = new CComBobox;
                         c->setProperty("STYLE_KEY", "DARK_COMBOBOX");
                         c->addItems({QStringLiteral("MP4"), QStringLiteral("MP3")});
                         c->setFixedSize(scaled(150), scaled(26));
                         return c;
                     }, {CellState::Normal, CellState::Hover, CellState::Disabled}};
    rows << StateRow{"DARK_CHECKBOX", [] {
                         auto *c = new QCheckBox(QStringLiteral("Show cursor"));
                         c->setProperty("STYLE_KEY", "DARK_CHECKBOX");
                         return c;
                     }};
    rows << StateRow{"MAINFUN_CHECKBOX (radio)", [] {
                         auto *r = new QRadioButton(QStringLiteral("Each time"));
                         r->setProperty("STYLE_KEY", "MAINFUN_CHECKBOX");
                         return r;
                     }};
    rows << StateRow{"Line edit", [] {
                         auto *e = new QLineEdit(QStringLiteral("Video_26-12-08"));
                         e->setFixedSize(scaled(150), scaled(26));
                         return e;
                     }, {CellState::Normal, CellState::Hover, CellState::Disabled}};
    return stateSheet(QStringLiteral("Skinned controls"), rows);
}

namespace {

// A contact sheet: each picture with its name, on the skin's background.
QWidget *contactSheet(const QString &title, const QString &base, const QStringList &files)
{
    SkinManager *skin = SkinManager::instance();
    const int cell = scaled(120), thumb = scaled(72), cols = 8;
    const int rows = (files.size() + cols - 1) / cols;
    QPixmap sheet(cols * cell, qMax(1, rows) * (cell + scaled(10)) + scaled(50));
    sheet.fill(skin->color("Common", "Background", Qt::white));
    QPainter p(&sheet);
    p.setPen(skin->color("Common", "Text", Qt::black));
    p.setFont(skin->scaledFont(18, true));
    p.drawText(QRect(scaled(12), 0, sheet.width(), scaled(40)), Qt::AlignVCenter,
               QStringLiteral("%1 - %2, scale %3")
                   .arg(title, skin->knownSkins().value(skin->currentSkinIndex()))
                   .arg(g_dscale, 0, 'f', 1));
    p.setFont(skin->scaledFont(9, false));
    for (int i = 0; i < files.size(); ++i) {
        const QRect r((i % cols) * cell, scaled(50) + (i / cols) * (cell + scaled(10)), cell, cell + scaled(10));
        QPixmap img(base + files[i]);
        if (img.width() > thumb || img.height() > thumb)
            img = img.scaled(thumb, thumb, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        p.drawPixmap(r.x() + (cell - img.width()) / 2, r.y() + (thumb - img.height()) / 2 + scaled(4), img);
        // Long names break after a "_" or "-" rather than before their last letters.
        QString name = files[i].section(QLatin1Char('/'), -1);
        if (p.fontMetrics().horizontalAdvance(name) > cell - scaled(10)) {
            const int cut = qMax(name.lastIndexOf(QLatin1Char('_')), name.lastIndexOf(QLatin1Char('-')));
            if (cut > 0)
                name.insert(cut + 1, QLatin1Char('\n'));
        }
        p.drawText(QRect(r.x() + 2, r.y() + thumb + scaled(8), cell - 4, scaled(34)),
                   Qt::AlignHCenter | Qt::AlignTop | Qt::TextWrapAnywhere, name);
    }
    p.end();
    auto *label = new QLabel;
    label->setPixmap(sheet);
    label->setFixedSize(sheet.size());
    return label;
}

QStringList picturesUnder(const QString &base)
{
    QStringList files;
    QDirIterator it(base, {"*.png", "*.PNG", "*.gif", "*.jpg", "*.ico"}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        files << it.next().mid(base.size());
    files.sort(Qt::CaseInsensitive);
    return files;
}

} // namespace

QWidget *makeSkinImages()
{
    SkinManager *skin = SkinManager::instance();
    QStringList files = picturesUnder(skin->skinPath());
    files.removeAll(QStringLiteral("AllImage.png"));
    // A few countdown frames stand for the whole sequence.
    static const QRegularExpression countdown(QStringLiteral("^image/countdown/(\\d+)\\.png$"));
    files.erase(std::remove_if(files.begin(), files.end(),
                               [](const QString &f) {
                                   const QRegularExpressionMatch m = countdown.match(f);
                                   return m.hasMatch() && !QStringList{"2", "30", "60"}.contains(m.captured(1));
                               }),
                files.end());
    return contactSheet(QStringLiteral("Loose images"), skin->skinPath(), files);
}

QWidget *makeEmbeddedImages()
{
    QStringList files;
    for (const char *root : {"Mirelon", "ControlPanel", "Olvex"}) {
        for (const QString &f : picturesUnder(QStringLiteral(":/")))
            if (f.startsWith(QLatin1String(root)))
                files << f;
    }
    files.removeDuplicates();
    return contactSheet(QStringLiteral("Embedded pictures"), QStringLiteral(":/"), files);
}

} // namespace gallery
