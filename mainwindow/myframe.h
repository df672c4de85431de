#pragma once
// The skinned outer frame around the main window and around the service
// views: rounded background with the title band, the title bar's own close
// and minimise images. The main frame alone also has the settings menu (with
// the language menu), the mode buttons, the camera rescans when video
// devices come and go, and the stored window size.

#include "ccommonframe.h"

#include <QPointer>

class MyButton;
class QAction;
class QActionGroup;
class QButtonGroup;
class QLabel;
class QMenu;
class QPushButton;
class VideoDeviceWatch;

class MyFrame : public CCommonFrame
{
    Q_OBJECT
public:
    MyFrame(QWidget *content, QWidget *parent, FrameTypes types, const QPixmap &icon, int screenIndex = 0,
            int titlePosition = 0);
    ~MyFrame() override;

    bool isMainFrame() const { return hasType(MainFrame); }

    // The product title and logo in the title bar (the argument is unused).
    void setMainTitle(int unused);

    void retranslateTitle() override;
    void reloadTitleSkin() override;
    void fitToContent() override;

    // The 31-pixel logo of the current skin.
    static QPixmap logoPixmap();

    void setScreenCaptureEnabled(bool enabled);

    // Main frame only (null elsewhere).
    MyButton *menuButton() const { return m_menuButton; }
    QMenu *settingsMenu() const { return m_settingsMenu; }
    QMenu *languageMenu() const { return m_languageMenu; }
    QActionGroup *languageGroup() const { return m_languageGroup; }
    QAction *settingsAction() const { return m_actSettings; }
    QAction *userGuideAction() const { return m_actUserGuide; }
    QAction *bugReportAction() const { return m_actBugReport; }
    QAction *aboutAction() const { return m_actAbout; }
    QAction *updateAction() const { return m_actUpdate; }
    QPushButton *recordOptionButton() const { return m_recordOptionButton; }
    QPushButton *screenCaptureButton() const { return m_screenCaptureButton; }
    QPushButton *drawButton() const { return m_drawButton; }
    QLabel *separator(int index) const { return index == 0 ? m_separator1 : m_separator2; }
    QWidget *modeButtonContainer() const { return m_modeContainer; }
    QLabel *flyingScreenshot() const;
    VideoDeviceWatch *deviceWatch() const { return m_deviceWatch; }

public slots:
    void SltShowSettingsMenu();
    void SltLanguageChose(QAction *action);
    void SltOpenUserGuideURL();
    void SltShowBugreport();
    void SltShowAbout();
    void SltShowUpdate();
    void SetMainFunMode(int id);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void createTitleWidgets();
    void createModeButtons();
    void createSettingsMenu();
    void createLanguageMenu();
    void connectSignals();
    void setStyleKeys();
    void clipContentCorners();
    void shapeCorners();
    // The screen-capture mode: a picture of the selected region.
    void saveRegionScreenshot();
    void flyAwayScreenshot(const QPixmap &pixmap);

    MyButton *m_menuButton = nullptr;
    QPushButton *m_recordOptionButton = nullptr;
    QPushButton *m_screenCaptureButton = nullptr;
    QPushButton *m_drawButton = nullptr;
    QButtonGroup *m_modeGroup = nullptr;
    QLabel *m_separator1 = nullptr;
    QLabel *m_separator2 = nullptr;
    QWidget *m_modeContainer = nullptr;
    QPointer<QLabel> m_flyingLabel;
    QMenu *m_settingsMenu = nullptr;
    QMenu *m_languageMenu = nullptr;
    QAction *m_actSettings = nullptr;
    QAction *m_actUserGuide = nullptr;
    QAction *m_actBugReport = nullptr;
    QAction *m_actAbout = nullptr;
    QAction *m_actUpdate = nullptr;
    QActionGroup *m_languageGroup = nullptr;
    VideoDeviceWatch *m_deviceWatch = nullptr;
};
