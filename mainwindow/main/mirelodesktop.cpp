// Desktop icons and panels kept out of a recording, as the Recording
// settings ask; whatever was hidden comes back at its end or at exit.
#include "mirelo.h"

#include "core/datagrouprecording.h"
#include "core/enviroment.h"
#include "core/logfile.h"
#include "commondialog.h"
#include "platform/desktopchrome.h"

void Mirelo::hideDesktopChrome()
{
    if (!g_enviroment)
        return;
    const DataGroupRecording *recording = g_enviroment->recording();
    if (recording->HideDesktopIcons)
        setDesktopIconsVisible(false);
    if (recording->HideTaskbar)
        setTaskbarVisible(false);
}

// Only what was hidden is mapped back, so this is safe whatever the
// settings say now.
// And what an earlier run that died mid-recording left hidden.
void Mirelo::restoreDesktopChrome()
{
    setDesktopIconsVisible(true);
    setTaskbarVisible(true);
    DesktopChrome::instance()->recoverLeftovers();
}

void Mirelo::tellUnhideableChrome()
{
    if (!g_enviroment)
        return;
    const DataGroupRecording *recording = g_enviroment->recording();
    DesktopChrome *chrome = DesktopChrome::instance();
    const bool icons = !m_toldUnhideableIcons && recording->HideDesktopIcons
                       && !chrome->canHide(DesktopChrome::DesktopIcons);
    const bool taskbar = !m_toldUnhideableTaskbar && recording->HideTaskbar
                         && !chrome->canHide(DesktopChrome::Taskbar);
    if (!icons && !taskbar)
        return;
    // Said, not pretended: the recording shows them.
    m_toldUnhideableIcons = m_toldUnhideableIcons || icons;
    m_toldUnhideableTaskbar = m_toldUnhideableTaskbar || taskbar;
    QString text;
    if (icons && taskbar)
        text = tr("The desktop icons and the taskbar cannot be hidden on this desktop: they stay in the recording.");
    else if (icons)
        text = tr("The desktop icons cannot be hidden on this desktop: they stay in the recording.");
    else
        text = tr("The taskbar cannot be hidden on this desktop: it stays in the recording.");
    if (g_runLog)
        g_runLog->write(0, QStringLiteral("Cannot be hidden on this desktop:%1%2")
                               .arg(icons ? QStringLiteral(" desktop icons") : QString(),
                                    taskbar ? QStringLiteral(" taskbar") : QString()),
                        true);
    CommonDialog::showWarning(nullptr, text);
}
