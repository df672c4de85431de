// The main window's part of the patch road: the check runs once, shortly
// after the frame first shows.
#include "mirelo.h"

#include <QCoreApplication>

#include "patchlauncher.h"

void Mirelo::CheckPatchUpdate()
{
    if (!m_patchLauncher)
        m_patchLauncher = new PatchLauncher(this);
    m_patchLauncher->run(QCoreApplication::applicationDirPath(), QCoreApplication::arguments());
}
