// The main frame's settings menu: language, settings, user guide, bug
// report, about and the update check.
#include "myframe.h"

#include "core/edition.h"
#include "core/languages.h"
#include "core/logfile.h"
#include "core/myconfig.h"
#include "languageswitch.h"
#include "serviceviews.h"
#include "mybutton.h"
#include "skinmanager.h"

#include <QActionGroup>
#include <QMenu>

void MyFrame::createSettingsMenu()
{
    m_menuButton = new MyButton;
    m_menuButton->setObjectName(QStringLiteral("btnSettingsMenu"));
    m_menuButton->setToolTip(tr("Menu"));
    insertRightTitleWidget(m_menuButton, scaled(5));

    m_settingsMenu = new QMenu(this);
    m_settingsMenu->setObjectName(QStringLiteral("settingsMenu"));
    m_languageMenu = m_settingsMenu->addMenu(tr("Language"));
    m_languageMenu->setObjectName(QStringLiteral("languageMenu"));
    m_languageMenu->setProperty("STYLE_KEY", QStringLiteral("QMENU"));
    createLanguageMenu();
    m_actSettings = m_settingsMenu->addAction(tr("Settings"));
    m_settingsMenu->addSeparator();
    m_actUserGuide = m_settingsMenu->addAction(tr("User Guide"));
    m_actBugReport = m_settingsMenu->addAction(tr("Bug Report"));
    m_actAbout = m_settingsMenu->addAction(tr("About"));
    m_actUpdate = m_settingsMenu->addAction(tr("Check for update"));
}

void MyFrame::createLanguageMenu()
{
    const QString current = g_myConfig ? g_myConfig->language() : QString();
    m_languageGroup = new QActionGroup(m_languageMenu);
    m_languageGroup->setExclusive(true);
    for (const auto &entry : languageDisplayNames(supportedLanguages())) {
        QAction *action = m_languageMenu->addAction(entry.first);
        action->setCheckable(true);
        action->setData(entry.second);
        m_languageGroup->addAction(action);
        // A stored "EN" still names English.
        if (entry.second.compare(current, Qt::CaseInsensitive) == 0)
            action->setChecked(true);
    }
}

void MyFrame::SltShowSettingsMenu()
{
    auto *button = qobject_cast<QWidget *>(sender());
    if (!button)
        button = m_menuButton;
    if (!m_settingsMenu || !button)
        return;
    m_settingsMenu->setWindowFlags(Qt::Popup | Qt::FramelessWindowHint);
    m_settingsMenu->setAttribute(Qt::WA_TranslucentBackground);
    m_settingsMenu->exec(button->mapToGlobal(QPoint(0, button->height())));
}

void MyFrame::SltLanguageChose(QAction *action)
{
    if (!action)
        return;
    const QString code = action->data().toString();
    // The same code again leaves config.xml untouched.
    if (g_myConfig && code != g_myConfig->language())
        g_myConfig->setLanguage(code, true);
    LanguageSwitch *controller = LanguageSwitch::instance();
    controller->switchLanguage(code);
    controller->setLanguage(code);
}

void MyFrame::SltOpenUserGuideURL()
{
    if (g_mireloData)
        openWebLink(g_mireloData->tutorialLink());
}

void MyFrame::SltShowBugreport()
{
    ServiceViews::instance()->showBugReportView();
}

void MyFrame::SltShowAbout()
{
    ServiceViews::instance()->showAboutView();
}

void MyFrame::SltShowUpdate()
{
    ServiceViews::instance()->showUpdateView();
}
