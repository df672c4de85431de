#pragma once
// Keeps the desktop's icons and panels out of a recording: the windows of
// type desktop (icons) and dock (panels, taskbars) are unmapped while it
// runs, and exactly those are mapped back afterwards, so a panel the user
// had hidden stays hidden.
//
// While windows are hidden their ids are kept in a file in the user's
// runtime folder: a program that dies mid-recording leaves the desktop
// without its panels, and the next start maps them back.
#include <QList>
#include <QString>
#include <QStringList>

class DesktopChrome
{
public:
    enum Kind { DesktopIcons = 0, Taskbar = 1 };

    virtual ~DesktopChrome();

    // Hides (false) or maps back (true) the windows of one kind. Best
    // effort: nothing is reported, and with no such window nothing happens.
    virtual void setVisible(Kind kind, bool visible) = 0;
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
    void recoverLeftovers() override;

    QList<quint32> hidden(Kind kind) const { return m_hidden[kind]; }
    QString stateFile() const { return m_stateFile; }
    static QString defaultStateFile();

private:
    void writeState() const;

    QString m_stateFile;
    QList<quint32> m_hidden[2];
};

class NullDesktopChrome : public DesktopChrome
{
public:
    void setVisible(Kind, bool) override {}
};
