#include "titlebar.h"

#include "mybutton.h"
#include "skinmanager.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMovie>
#include <QStyle>
#include <QVariant>

namespace {
constexpr int kButtonWidth = 32;
constexpr int kButtonHeight = 28;
constexpr int kBarHeight = 30;
constexpr int kSeparatorHeight = 23;
constexpr int kIconTitleSpacing = 5; // not scaled

QString movieFile() { return SkinManager::instance()->skinPath() + QStringLiteral("image/titlebar_bugreport.gif"); }
} // namespace

TitleBar::TitleBar(int titlePosition, QWidget *parent) : QWidget(parent), m_titlePosition(titlePosition)
{
    setAutoFillBackground(true);
    createWidgets();
    setupLayout();
    loadSkin();
    m_titleLabel->setProperty("STYLE_KEY", QStringLiteral("TITLE_LABEL"));
    m_separator1->setProperty("STYLE_KEY", QStringLiteral("LINE_LABEL"));
    m_separator2->setProperty("STYLE_KEY", QStringLiteral("LINE_LABEL"));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

MyButton *TitleBar::makeButton(const char *styleKey, bool animation)
{
    auto *button = new MyButton(this);
    button->setProperty("STYLE_KEY", QString::fromLatin1(styleKey));
    if (animation)
        button->setProperty("Animation", true);
    button->setAutoDefault(false);
    button->setDefault(false);
    return button;
}

void TitleBar::createWidgets()
{
    m_settings = makeButton("SETTING_BTN", true);
    m_help = makeButton("HELP_BTN", true);
    m_feedback = makeButton("FEEDBACK_BTN", false);
    m_minimize = makeButton("MINIMIZE_BTN", true);
    m_maximize = makeButton("MAXIMIZE_BTN", true);
    m_restore = makeButton("RESTORE_BTN", true);
    m_close = makeButton("CLOSE_BTN", true);
    m_intel = makeButton("INTEL_BTN", true);
    m_amd = makeButton("AMD_BTN", true);
    m_nvidia = makeButton("NVIDIA_BTN", true);
    const std::pair<MyButton *, int> typed[] = {
        {m_settings, SettingsType}, {m_help, HelpType}, {m_feedback, FeedbackType}};
    for (const auto &t : typed) {
        t.first->setButtonType(t.second);
        t.first->setProperty("BUTTON_TYPE", t.second);
    }
    m_settings->setToolTip(tr("Settings"));
    m_help->setToolTip(tr("Help center"));
    m_feedback->setToolTip(tr("Feedback"));
    m_close->setFocusPolicy(Qt::NoFocus);
    m_nvidia->hide();
    m_amd->hide();
    m_intel->hide();

    m_titleLabel = new QLabel(this);
    m_iconLabel = new QLabel(this);
    m_separator1 = new QLabel(this);
    m_separator2 = new QLabel(this);
    m_animationLabel = new QLabel(m_help);

    m_movie = new QMovie(movieFile(), "GIF", m_animationLabel);

    m_buttonWidth = kButtonWidth;
    m_buttonHeight = kButtonHeight;
    m_barHeight = kBarHeight;
    applyScale();

    m_restore->hide();

    m_animationLabel->setMovie(m_movie);
    m_animationLabel->hide();
    m_movie->stop();

    // The animation plays over the help button when the frame turns it on.
    auto *helpLayout = new QHBoxLayout(m_help);
    helpLayout->setContentsMargins(0, scaled(2), 0, 0);
    helpLayout->setSpacing(0);
    helpLayout->addWidget(m_animationLabel, 0, Qt::AlignCenter);
}

void TitleBar::setupLayout()
{
    const int margin = scaled(5);
    auto group = [margin] {
        auto *box = new QHBoxLayout;
        box->setContentsMargins(margin, 0, 0, 0);
        box->setSpacing(1);
        return box;
    };
    m_leftGroup = group();
    m_leftGroup->addWidget(m_iconLabel);
    m_leftGroup->addSpacing(kIconTitleSpacing);
    m_leftGroup->addWidget(m_titleLabel);

    m_buttonGroup = group();
    m_buttonGroup->addWidget(m_intel);
    m_buttonGroup->addWidget(m_amd);
    m_buttonGroup->addWidget(m_nvidia);
    m_buttonGroup->addWidget(m_feedback);
    m_buttonGroup->addWidget(m_separator1, 0, Qt::AlignTop);
    m_buttonGroup->addWidget(m_settings);
    m_buttonGroup->addWidget(m_help);
    m_buttonGroup->addWidget(m_separator2, 0, Qt::AlignTop);
    m_buttonGroup->addWidget(m_minimize);
    m_buttonGroup->addWidget(m_maximize);
    m_buttonGroup->addWidget(m_restore);
    m_buttonGroup->addWidget(m_close);

    m_middleGroup = group();

    m_background = new QWidget(this);
    m_background->setObjectName(QStringLiteral("titleBackground"));
    m_leftArea = new QWidget(m_background);
    m_middleArea = new QWidget(m_background);
    m_rightArea = new QWidget(m_background);
    if (m_titlePosition == TitleCentered) {
        m_leftArea->setLayout(m_middleGroup);
        m_middleArea->setLayout(m_leftGroup);
    } else {
        // Only 0 and 1 are used; anything else is laid out like 0.
        m_leftArea->setLayout(m_leftGroup);
        m_middleArea->setLayout(m_middleGroup);
    }
    m_rightArea->setLayout(m_buttonGroup);

    auto *grid = new QGridLayout(m_background);
    grid->setContentsMargins(margin, 0, 0, 0);
    grid->addWidget(m_leftArea, 0, 0, Qt::AlignLeft);
    grid->addWidget(m_middleArea, 0, 1, Qt::AlignHCenter);
    grid->addWidget(m_rightArea, 0, 2, Qt::AlignRight);
    for (int c = 0; c < 3; ++c)
        grid->setColumnStretch(c, 1);

    auto *outer = new QHBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);
    outer->addWidget(m_background);
}

void TitleBar::applyScale()
{
    setFixedHeight(scaled(m_barHeight));
    for (MyButton *b : {m_settings, m_help, m_feedback, m_minimize, m_maximize, m_restore, m_close,
                        m_intel, m_amd, m_nvidia})
        b->setFixedSize(scaled(m_buttonWidth), scaled(m_buttonHeight));
    m_separator1->setFixedHeight(scaled(kSeparatorHeight));
    m_separator2->setFixedHeight(scaled(kSeparatorHeight));
    SkinManager::instance()->scaledMovie(m_movie, false);
}

void TitleBar::loadSkin()
{
    const bool running = m_movie->state() == QMovie::Running;
    m_movie->stop();
    m_movie->setFileName(movieFile());
    if (running)
        m_movie->start();

    SkinManager *skin = SkinManager::instance();
    skin->ChangePart(QStringLiteral("Common"));
    m_minimize->changeIcon(QStringLiteral("min"));
    m_maximize->changeIcon(QStringLiteral("max"));
    m_close->changeIcon(QStringLiteral("exit"));
    m_restore->changeIcon(QStringLiteral("restore"));

    skin->ChangePart(QStringLiteral("title"));
    m_settings->changeIcon(QStringLiteral("settings"));
    m_help->changeIcon(QStringLiteral("help"));
    m_feedback->changeIcon(QStringLiteral("feedback"));
    m_nvidia->changeIcon(QStringLiteral("nvidia"));
    m_amd->changeIcon(QStringLiteral("amd"));
    m_intel->changeIcon(QStringLiteral("intel"));

    const QPixmap line = skin->pixmap(QStringLiteral("line"));
    m_separator1->setPixmap(line);
    m_separator2->setPixmap(line);
}

void TitleBar::setBackgroundName(const QString &name)
{
    m_background->setObjectName(name);
    m_background->style()->unpolish(m_background);
    m_background->style()->polish(m_background);
    m_background->update();
}

void TitleBar::addLeftWidget(QWidget *widget, int spacing)
{
    if (!widget)
        return;
    m_leftGroup->addSpacing(spacing);
    m_leftGroup->addWidget(widget);
}

void TitleBar::addMiddleWidget(QWidget *widget, int spacing)
{
    if (!widget)
        return;
    m_middleGroup->addWidget(widget);
    m_middleGroup->addSpacing(spacing);
}

void TitleBar::addRightWidget(QWidget *widget, int spacing)
{
    if (!widget)
        return;
    const int at = m_buttonGroup->indexOf(m_minimize);
    m_buttonGroup->insertSpacing(at, spacing);
    m_buttonGroup->insertWidget(at, widget);
}

void TitleBar::setTitleText(const QString &text)
{
    QFont font = m_titleLabel->font();
    font.setPixelSize(16);
    m_titleLabel->setFont(font);
    m_titleLabel->setText(text);
}

void TitleBar::setTitleIcon(const QPixmap &icon)
{
    if (icon.isNull()) {
        m_iconLabel->hide();
        return;
    }
    m_iconLabel->setPixmap(icon);
    m_iconLabel->show();
}
