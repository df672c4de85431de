// Desktop icons and panels kept out of a recording, as the Recording
// settings ask; whatever was hidden comes back at its end or at exit.
#include "mirelo.h"

#include "core/datagrouprecording.h"
#include "core/enviroment.h"
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
