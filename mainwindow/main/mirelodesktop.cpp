// Desktop icons and panels kept out of a recording, as the Recording
// settings ask; whatever was hidden comes back at its end or at exit.
#include "mirelo.h"

#include "core/datagrouprecording.h"
#include "core/enviroment.h"
#include "core/logfile.h"
#include "commondialog.h"
#include "platform/desktopchrome.h"

void Mirelo::hideDesktopChrome(std::function<void()> then)
{
    QList<int> kinds;
    if (g_enviroment) {
        const DataGroupRecording *recording = g_enviroment->recording();
        if (recording->HideDesktopIcons)
            kinds << DesktopChrome::DesktopIcons;
        if (recording->HideTaskbar)
            kinds << DesktopChrome::Taskbar;
    }
    delete m_chromeHiding;
    if (kinds.isEmpty()) {
        then();
        return;
    }
    // The waits for the screen hang on this: a restore drops them.
    m_chromeHiding = new QObject(this);
    hideNextChrome(kinds, std::move(then));
}

void Mirelo::hideNextChrome(QList<int> kinds, std::function<void()> then)
{
    if (kinds.isEmpty()) {
        // Its last wait is still on the way out.
        if (m_chromeHiding)
            m_chromeHiding->deleteLater();
        m_chromeHiding = nullptr;
        then();
        return;
    }
    const auto kind = DesktopChrome::Kind(kinds.takeFirst());
    DesktopChrome::instance()->hide(kind, m_chromeHiding,
                                    [this, kinds, then] { hideNextChrome(kinds, then); });
}

// Only what was hidden is mapped back, so this is safe whatever the
// settings say now.
// And what an earlier run that died mid-recording left hidden.
void Mirelo::restoreDesktopChrome()
{
    // A hide under way goes no further.
    delete m_chromeHiding;
    setDesktopIconsVisible(true);
    setTaskbarVisible(true);
    DesktopChrome::instance()->recoverLeftovers();
}

QWidget *Mirelo::tellUnhideableChrome()
{
    if (!g_enviroment)
        return nullptr;
    const DataGroupRecording *recording = g_enviroment->recording();
    DesktopChrome *chrome = DesktopChrome::instance();
    const bool icons = !m_toldUnhideableIcons && recording->HideDesktopIcons
                       && !chrome->canHide(DesktopChrome::DesktopIcons);
    const bool taskbar = !m_toldUnhideableTaskbar && recording->HideTaskbar
                         && !chrome->canHide(DesktopChrome::Taskbar);
    if (!icons && !taskbar)
        return nullptr;
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
    // Told, not asked: nothing waits in a loop of its own for the answer.
    return CommonDialog::tell(nullptr, text);
}
