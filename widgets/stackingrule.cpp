#include "stackingrule.h"

#include "desktopoverlay.h"
#include "platform/windowstacking.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QHash>
#include <QPointer>
#include <QScreen>
#include <QSet>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <algorithm>

namespace stacking {

namespace {

// Set on a dialog this rule placed.
constexpr char kPlaced[] = "_mirelo_placed_beside";

// A window that covers an overlay kept above again this soon after the
// overlay was raised over it raises itself (a screen locker, another
// program kept on top): after a few such rounds the overlay waits before
// it goes back up, twice as long each round, so the two do not take turns
// as fast as the X server lets them.
constexpr qint64 kCoveredSoonMs = 250;
constexpr int kFreeRounds = 2;
constexpr int kFirstWaitMs = 125;
constexpr int kLongestWaitMs = 2000;

bool isDialog(const QWidget *w)
{
    const Qt::WindowType type = w->windowType();
    return type == Qt::Dialog || type == Qt::Sheet || w->isModal();
}

QWidget *openerOf(const QWidget *w)
{
    QWidget *parent = w->parentWidget();
    return parent ? parent->window() : nullptr;
}

bool openedBy(const QWidget *dialog, const QWidget *overlay)
{
    for (QWidget *w = openerOf(dialog); w; w = openerOf(w)) {
        if (w == overlay)
            return true;
    }
    return false;
}

class Rule : public QObject
{
public:
    static Rule &instance()
    {
        // Made anew should a test make a second application.
        static QPointer<Rule> rule;
        if (!rule)
            rule = new Rule;
        return *rule;
    }

    void keep(QWidget *overlay)
    {
        if (m_kept.contains(overlay))
            return;
        m_kept.append(overlay);
        if (overlay->isVisible())
            schedule();
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        const QEvent::Type type = event->type();
        // A dialog sets its own size while it shows (a message box fits
        // its text): it is placed again before it maps.
        if (m_placing && watched == m_placing) {
            if (type == QEvent::Resize && m_placingBeside)
                placeBeside(m_placing, m_placingBeside);
            else if (type == QEvent::ShowToParent)
                m_placing = nullptr;
        }
        if ((type != QEvent::Show && type != QEvent::Hide) || !watched->isWidgetType())
            return false;
        auto *w = static_cast<QWidget *>(watched);
        if (!w->isWindow())
            return false;
        const bool overlay = DesktopOverlay::isOverlay(w);
        if (type == QEvent::Show && isDialog(w) && !overlay) {
            m_placing = w;
            m_placingBeside = placeDialog(w);
        }
        if (m_watch || overlay || isDialog(w))
            schedule();
        return false;
    }

private:
    Rule()
    {
        // Lives as long as the application, whose events it watches.
        setParent(QCoreApplication::instance());
        QCoreApplication::instance()->installEventFilter(this);
    }

    // The window manager stacks a dialog above its WM_TRANSIENT_FOR, which
    // Qt sets to the window that opened it. An overlay is none of its
    // windows, and a hidden window is none it shows: the dialog then
    // belongs to the nearest opener that shows as a managed window, or to
    // the whole program (Qt's client leader, for no transient parent).
    // Answers the overlay the dialog opens beside, if it does.
    static QWidget *placeDialog(QWidget *dialog)
    {
        QWindow *handle = dialog->windowHandle();
        QWidget *opener = openerOf(dialog);
        if (!handle || !opener)
            return nullptr;
        QWidget *owner = opener;
        while (owner && (DesktopOverlay::isOverlay(owner) || !owner->isVisible()))
            owner = openerOf(owner);
        if (owner == opener)
            return nullptr;
        handle->setTransientParent(owner ? owner->windowHandle() : nullptr);
        // Unless the program put it somewhere itself.
        const bool movedElsewhere = dialog->testAttribute(Qt::WA_Moved) && !dialog->property(kPlaced).toBool();
        if (!DesktopOverlay::isOverlay(opener) || !opener->isVisible() || movedElsewhere)
            return nullptr;
        placeBeside(dialog, opener);
        return opener;
    }

    // Beside the overlay rather than over it, where the screen has room:
    // a compositing manager that paints the windows no window manager
    // manages above all others (KWin) would paint the overlay over the
    // dialog, wherever the X server stacks them. On the side of the nearer
    // screen edge first, away from what the overlay lies beside (the
    // control bar: the recorded region).
    static void placeBeside(QWidget *dialog, QWidget *overlay)
    {
        constexpr int kGap = 8;
        // A dialog with a title bar gets it from the window manager, above
        // the place asked for.
        const int titleBar = dialog->windowFlags().testFlag(Qt::FramelessWindowHint) ? 0 : 32;
        QScreen *screen = overlay->screen();
        if (!screen)
            return;
        const QRect room = screen->availableGeometry();
        const QRect beside = overlay->frameGeometry();
        const QSize size = dialog->size();
        const int above = beside.top() - kGap - size.height();
        const int below = beside.bottom() + 1 + kGap + titleBar;
        const auto fits = [&](int y) { return y - titleBar >= room.top() && y + size.height() - 1 <= room.bottom(); };
        const bool belowFirst = room.bottom() - beside.bottom() <= beside.top() - room.top();
        int y = 0;
        if (fits(belowFirst ? below : above))
            y = belowFirst ? below : above;
        else if (fits(belowFirst ? above : below))
            y = belowFirst ? above : below;
        else
            return; // no room on either side: where Qt put it
        const int x = beside.center().x() - size.width() / 2;
        dialog->move(qBound(room.left(), x, qMax(room.left(), room.right() + 1 - size.width())), y);
        dialog->setProperty(kPlaced, true);
    }

    void schedule()
    {
        if (m_pending)
            return;
        m_pending = true;
        // Once for all the events of one pass of the event loop.
        QTimer::singleShot(0, this, [this] {
            m_pending = false;
            restack();
        });
    }

    void restack()
    {
        m_kept.removeAll(QPointer<QWidget>());
        m_restore.removeAll(QPointer<QWidget>());
        const QList<QWidget *> windows = QApplication::topLevelWidgets();
        QList<QWidget *> overlays, dialogs;
        bool keptShows = false;
        for (QWidget *w : windows) {
            if (!w->isVisible() || !w->windowHandle())
                continue;
            if (DesktopOverlay::isOverlay(w)) {
                overlays.append(w);
                keptShows = keptShows || m_kept.contains(w);
            } else if (isDialog(w)) {
                dialogs.append(w);
            }
        }
        // The desktop's stacking is heard only while something may need
        // restacking.
        const bool watch = keptShows || (!overlays.isEmpty() && !dialogs.isEmpty());
        WindowStacking *stacking = WindowStacking::instance();
        if (watch && !m_watch)
            m_watch = stacking->watchStacking(this, [this] { schedule(); });
        else if (!watch && m_watch) {
            delete m_watch;
            m_watch = nullptr;
        }
        // An overlay that hid starts afresh.
        for (auto it = m_fights.begin(); it != m_fights.end();) {
            if (overlays.contains(it.key()) && m_kept.contains(it.key()))
                ++it;
            else
                it = m_fights.erase(it);
        }
        if (overlays.isEmpty())
            return;
        const QVector<quint32> order = stacking->stackingOrder();

        // The program's windows an overlay kept above leaves above itself.
        QSet<quint32> ours;
        for (QWidget *w : windows) {
            const Qt::WindowType type = w->windowType();
            const bool free = m_kept.contains(w) || type == Qt::Popup || type == Qt::ToolTip;
            if (free && w->isVisible() && w->windowHandle())
                ours.insert(stacking->topLevelOf(w->windowHandle()));
        }
        // The topmost window over position `at` that is not left above, 0
        // for none.
        const auto covererOf = [&](int at) -> quint32 {
            for (int i = order.size() - 1; i > at; --i) {
                if (!ours.contains(order.at(i)))
                    return order.at(i);
            }
            return 0;
        };
        const auto coveredAt = [&](int at) { return covererOf(at) != 0; };

        // The lowest first: overlays that step below the same dialog keep
        // their order among themselves.
        QVector<QPair<int, QWidget *>> placed;
        for (QWidget *overlay : qAsConst(overlays)) {
            const int at = order.indexOf(stacking->topLevelOf(overlay->windowHandle()));
            if (at >= 0) // else not mapped yet: its map is a change heard
                placed.append({at, overlay});
        }
        std::sort(placed.begin(), placed.end(), [](const auto &a, const auto &b) { return a.first < b.first; });
        for (const auto &[at, overlay] : qAsConst(placed)) {
            // Its dialogs that show, the lowest first.
            QWidget *lowest = nullptr, *highest = nullptr;
            int lowestAt = -1, highestAt = -1;
            bool dialogShows = false;
            for (QWidget *dialog : qAsConst(dialogs)) {
                if (dialog->windowModality() != Qt::ApplicationModal && !openedBy(dialog, overlay))
                    continue;
                dialogShows = true;
                const int i = order.indexOf(stacking->topLevelOf(dialog->windowHandle()));
                if (i >= 0 && (lowestAt < 0 || i < lowestAt)) {
                    lowest = dialog;
                    lowestAt = i;
                }
                if (i > highestAt) {
                    highest = dialog;
                    highestAt = i;
                }
            }
            const bool kept = m_kept.contains(overlay);
            if (dialogShows) {
                if (lowest && lowestAt < at) {
                    // One that lay on top goes back there afterwards.
                    if (!kept && !m_restore.contains(overlay) && !coveredAt(at))
                        m_restore.append(overlay);
                    stacking->stackNextTo(overlay->windowHandle(), lowest->windowHandle(), false);
                    // Drawn again: a compositing manager repaints only where
                    // the overlay no longer lies under other windows
                    // (xfwm4), which the dialog now covers as it was.
                    lowest->update();
                }
                // A window manager that takes the dialog for the active
                // window may not get the keyboard from an overlay that took
                // it later than the last event the manager saw (i3): the
                // dialog takes it from the overlay itself.
                if (highest && stacking->keyboardFocus() == quint32(overlay->winId()))
                    stacking->setKeyboardFocus(quint32(highest->winId()));
                continue;
            }
            const bool restore = m_restore.removeAll(overlay) > 0;
            if (kept && coveredAt(at))
                raiseKept(overlay, covererOf(at));
            else if (restore && coveredAt(at))
                overlay->raise();
        }
        for (Fight &fight : m_fights)
            fight.due = false;
    }

    // Raises an overlay kept above over `coverer`, the topmost window over
    // it, unless the two have been taking turns (see kCoveredSoonMs).
    void raiseKept(QWidget *overlay, quint32 coverer)
    {
        Fight &fight = m_fights[overlay];
        if (fight.held) {
            if (coverer == fight.coverer)
                return; // its wait ends it
            // Another window came over it: raised over that one at once,
            // and the wait for the last one is void.
            fight.held = false;
            ++fight.holds;
        }
        if (!fight.due) {
            const bool again = coverer == fight.coverer && fight.raised.isValid()
                               && fight.raised.elapsed() < kCoveredSoonMs;
            fight.rounds = again ? fight.rounds + 1 : 0;
            fight.coverer = coverer;
            if (fight.rounds >= kFreeRounds) {
                fight.held = true;
                const int wait = qMin(kLongestWaitMs, kFirstWaitMs << qMin(fight.rounds - kFreeRounds, 8));
                QTimer::singleShot(wait, this, [this, guard = QPointer<QWidget>(overlay), hold = ++fight.holds] {
                    const auto it = guard ? m_fights.find(guard) : m_fights.end();
                    if (it == m_fights.end() || it->holds != hold)
                        return;
                    it->held = false;
                    it->due = true;
                    schedule();
                });
                return;
            }
        }
        fight.due = false;
        overlay->raise();
        fight.raised.start();
    }

    QList<QPointer<QWidget>> m_kept;
    // The dialog being shown beside an overlay, until it maps.
    QPointer<QWidget> m_placing;
    QPointer<QWidget> m_placingBeside;
    // Overlays that lay on top and stepped below a dialog.
    QList<QPointer<QWidget>> m_restore;
    // Overlays kept above that lie covered, or lay covered lately.
    struct Fight {
        quint32 coverer = 0;   // the window that covered it last
        int rounds = 0;        // it covered it again soon after a raise
        QElapsedTimer raised;  // since the overlay was raised over it
        bool held = false;     // a wait runs before the next raise
        bool due = false;      // the wait has run: raised if still covered
        int holds = 0;         // which wait is the one that counts
    };
    QHash<QWidget *, Fight> m_fights;
    // Hears the desktop's stacking while something may need restacking.
    QObject *m_watch = nullptr;
    bool m_pending = false;
};

} // namespace

void keepAbove(QWidget *overlay)
{
    if (overlay && QCoreApplication::instance())
        Rule::instance().keep(overlay);
}

void install()
{
    if (QCoreApplication::instance())
        Rule::instance();
}

} // namespace stacking
