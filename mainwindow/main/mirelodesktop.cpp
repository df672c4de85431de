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
    if (m_toldUnhideableChrome || !g_enviroment || !g_enviroment->recording()->HideDesktopIcons
        || DesktopChrome::instance()->canHide(DesktopChrome::DesktopIcons))
        return;
    // Said, not pretended: the recording shows them.
    m_toldUnhideableChrome = true;
    if (g_runLog)
        g_runLog->write(0, QStringLiteral("The desktop icons cannot be hidden on this desktop"), true);
    CommonDialog::showWarning(nullptr, tr("The desktop icons cannot be hidden on this desktop: "
                                          "they stay in the recording."));
}
