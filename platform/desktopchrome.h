#pragma once
// Keeps the desktop's icons and panels out of a recording, never its
// wallpaper. Panels and taskbars (windows of type dock) are unmapped while
// it runs, and exactly those are mapped back afterwards, so a panel the
// user had hidden stays hidden. The icons are drawn on the wallpaper's own
// window (type desktop), which is therefore never unmapped: where the
// desktop offers a switch for its icons (xfdesktop's setting in xfconf)
// that is turned off and back, elsewhere they cannot be hidden.
//
// A compositing manager keeps showing an unmapped window until it repaints:
// setVisible() returns once the screen shows the change, hide() tells then
// and waits with no loop of its own.
//
// A dock comes back as it was: on every desktop it was on, out of the task
// bar and pager if it was, keeping its strip free on each desktop (what a
// window manager deletes from a window it lets go is set back before the
// dock is mapped).
//
// While something is hidden it is kept in a file in the user's runtime
// folder: a program that dies mid-recording leaves the desktop without its
// panels or icons, and the next start brings them back.
#include "withdrawnproperties.h"

#include <QHash>
#include <QImage>
#include <QList>
#include <QRect>
#include <QVector>
#include <QString>
#include <QStringList>

#include <functional>

#include "screenrepaint.h"

class QObject;

class DesktopChrome
{
public:
    enum Kind { DesktopIcons = 0, Taskbar = 1 };

    virtual ~DesktopChrome();

    // Hides (false) or shows again (true) what one kind holds. Best
    // effort: with no such window, or one that cannot be hidden, nothing
    // happens (canHide() tells beforehand).
    virtual void setVisible(Kind kind, bool visible) = 0;
    // Hides one kind as setVisible(kind, false) does, but calls `done` from
    // the event loop once the screen shows it, and handles no event before
    // it returns: the recording's road goes on from `done`, and a stop
    // meanwhile is an ordinary event. Deleting `context` drops the call.
    virtual void hide(Kind kind, QObject *context, std::function<void()> done);
    // False when this kind shows but this desktop offers no way to hide it:
    // icons of a desktop without a switch for them, a bar that is no window
    // of type dock (one a desktop shell draws itself).
    virtual bool canHide(Kind) { return true; }
    // Where the desktop's panels and docks show now, in desktop
    // coordinates: what the region frame's tool bar keeps clear of.
    virtual QList<QRect> panels() { return {}; }
    // Maps back whatever is still hidden (exit paths).
    void restoreAll();
    // Maps back what a previous run left hidden.
    virtual void recoverLeftovers() {}

    // The program's layer: the X server's on the xcb platform, else one
    // that does nothing.
    static DesktopChrome *instance();
    // Replaces it (tests); the caller keeps ownership, null restores.
    static void setInstance(DesktopChrome *chrome);
};

// The recording road's two calls.
void setDesktopIconsVisible(bool show);
void setTaskbarVisible(bool show);

// The X server's windows, through the program's own connection.
class X11DesktopChrome : public DesktopChrome
{
public:
    // stateFile: where hidden ids are kept; empty = the private folder's.
    explicit X11DesktopChrome(const QString &stateFile = QString());

    void setVisible(Kind kind, bool visible) override;
    void hide(Kind kind, QObject *context, std::function<void()> done) override;
    bool canHide(Kind kind) override;
    QList<QRect> panels() override;
    void recoverLeftovers() override;

    // The unmapped windows of a kind.
    QList<quint32> hidden(Kind kind) const { return m_hidden[kind]; }
    // The desktop's icons are switched off.
    bool iconsHidden() const { return m_iconStyleSaved; }
    QString stateFile() const { return m_stateFile; }
    static QString defaultStateFile();

private:
    // What a hide leaves to wait for: the areas it uncovered, what each
    // showed before, and how long the screen may take.
    struct HideWait {
        QVector<screenrepaint::Covered> covered;
        QVector<QImage> shown;
        int timeoutMs = 0;
    };
    void showIcons();
    HideWait hideIcons();
    void showDocks();
    HideWait hideDocks();
    void writeState() const;

    QString m_stateFile;
    QList<quint32> m_hidden[2];
    // What the window manager takes from each unmapped dock, to be set back
    // before it is mapped; and which ones a window manager managed.
    QHash<quint32, WithdrawnProperties> m_kept;
    QList<quint32> m_managed;
    // The icon setting as it was: set to `m_iconStyle` or not set at all.
    bool m_iconStyleSaved = false;
    bool m_iconStyleWasSet = false;
    int m_iconStyle = 0;
};

class NullDesktopChrome : public DesktopChrome
{
public:
    void setVisible(Kind, bool) override {}
};
