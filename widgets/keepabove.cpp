#include "keepabove.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace keepabove {

namespace {

// Often enough that a window raised over the overlay is not noticed long.
constexpr int kIntervalMs = 300;

class Raiser : public QTimer
{
public:
    explicit Raiser(QWidget *overlay) : QTimer(overlay), m_overlay(overlay)
    {
        setInterval(kIntervalMs);
        connect(this, &QTimer::timeout, this, [this] { m_overlay->raise(); });
        overlay->installEventFilter(this);
        if (overlay->isVisible())
            start();
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == m_overlay) {
            if (event->type() == QEvent::Show)
                start();
            else if (event->type() == QEvent::Hide)
                stop();
        }
        return QTimer::eventFilter(watched, event);
    }

private:
    QWidget *m_overlay;
};

} // namespace

void install(QWidget *overlay)
{
    if (overlay)
        new Raiser(overlay);
}

} // namespace keepabove
