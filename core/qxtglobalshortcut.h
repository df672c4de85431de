#pragma once
// A system-wide hotkey: emits activated() when its key sequence is pressed,
// whichever program has the focus.
#include <QKeySequence>
#include <QObject>

class QxtGlobalShortcutPrivate;

class QxtGlobalShortcut : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool enabled READ isEnabled WRITE setEnabled)
    Q_PROPERTY(QKeySequence shortcut READ shortcut WRITE setShortcut)
public:
    explicit QxtGlobalShortcut(QObject *parent = nullptr);
    ~QxtGlobalShortcut() override;

    QKeySequence shortcut() const;
    // Registers the first chord of the sequence (after releasing the one
    // held before); false when the system refused it. The key stays set
    // either way.
    bool setShortcut(const QKeySequence &shortcut);
    bool isEnabled() const;
    // Releases the registered key, if any, so another shortcut can take it;
    // false when a set key could not be released (it is cleared anyway).
    bool unsetShortcut();

public slots:
    void setEnabled(bool enabled = true);
    void setDisabled(bool disabled = true);

signals:
    void activated();

private:
    friend class QxtGlobalShortcutPrivate;
    QxtGlobalShortcutPrivate *d;
};
