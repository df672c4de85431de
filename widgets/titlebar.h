#pragma once
// The caption row of every frame: icon and title at one side, and the
// skinned buttons (encoder buttons, feedback, settings, help, minimise,
// maximise, restore, close) with their separators at the other. The frame
// decides which buttons show and wires them; the bar builds, lays out,
// skins and sizes them.

#include <QPixmap>
#include <QWidget>

class MyButton;
class QHBoxLayout;
class QLabel;
class QMovie;

class TitleBar : public QWidget
{
    Q_OBJECT
public:
    // Title positions: the title at the left, or centred.
    enum { TitleLeft = 0, TitleCentered = 1 };
    // Identities of the buttons that the frame reports through its Option signal.
    enum { SettingsType = 16, HelpType = 32, FeedbackType = 128 };

    explicit TitleBar(int titlePosition, QWidget *parent = nullptr);

    // (Re)loads every image from the current skin.
    void loadSkin();
    // Fixes every size by the display scale.
    void applyScale();
    // Names the background widget so style sheets selecting on it apply.
    void setBackgroundName(const QString &name);

    // Widgets the frame adds: after the title, in the middle, or just before
    // the minimise button. A null widget is ignored.
    void addLeftWidget(QWidget *widget, int spacing);
    void addMiddleWidget(QWidget *widget, int spacing);
    void addRightWidget(QWidget *widget, int spacing);

    int titlePosition() const { return m_titlePosition; }
    int buttonWidth() const { return m_buttonWidth; }
    int buttonHeight() const { return m_buttonHeight; }
    int barHeight() const { return m_barHeight; }

    MyButton *settingsButton() const { return m_settings; }
    MyButton *helpButton() const { return m_help; }
    MyButton *feedbackButton() const { return m_feedback; }
    MyButton *minimizeButton() const { return m_minimize; }
    MyButton *maximizeButton() const { return m_maximize; }
    MyButton *restoreButton() const { return m_restore; }
    MyButton *closeButton() const { return m_close; }
    MyButton *intelButton() const { return m_intel; }
    MyButton *amdButton() const { return m_amd; }
    MyButton *nvidiaButton() const { return m_nvidia; }
    QLabel *firstSeparator() const { return m_separator1; }
    QLabel *secondSeparator() const { return m_separator2; }
    QLabel *animationLabel() const { return m_animationLabel; }
    QMovie *movie() const { return m_movie; }
    QLabel *titleLabel() const { return m_titleLabel; }
    QLabel *iconLabel() const { return m_iconLabel; }
    QWidget *leftArea() const { return m_leftArea; }
    QWidget *middleArea() const { return m_middleArea; }
    QWidget *rightArea() const { return m_rightArea; }
    QWidget *background() const { return m_background; }

public slots:
    void setTitleText(const QString &text);
    void setTitleIcon(const QPixmap &icon);

private:
    void createWidgets();
    void setupLayout();
    MyButton *makeButton(const char *styleKey, bool animation);

    MyButton *m_settings = nullptr;
    MyButton *m_help = nullptr;
    MyButton *m_feedback = nullptr;
    MyButton *m_minimize = nullptr;
    MyButton *m_maximize = nullptr;
    MyButton *m_restore = nullptr;
    MyButton *m_close = nullptr;
    MyButton *m_intel = nullptr;
    MyButton *m_amd = nullptr;
    MyButton *m_nvidia = nullptr;
    QLabel *m_separator1 = nullptr;
    QLabel *m_separator2 = nullptr;
    QLabel *m_animationLabel = nullptr;
    QMovie *m_movie = nullptr;
    QLabel *m_titleLabel = nullptr;
    QLabel *m_iconLabel = nullptr;
    int m_titlePosition;
    int m_buttonWidth = -1;
    int m_buttonHeight = -1;
    int m_barHeight = -1;
    QWidget *m_leftArea = nullptr;
    QWidget *m_middleArea = nullptr;
    QWidget *m_rightArea = nullptr;
    QWidget *m_background = nullptr;
    QHBoxLayout *m_leftGroup = nullptr;
    QHBoxLayout *m_middleGroup = nullptr;
    QHBoxLayout *m_buttonGroup = nullptr;
};
