#pragma once
// The short countdown before a recording started by hand: about three
// seconds of the skin's animation with the stop and pause hotkeys below it.
// It accepts itself when the animation ends; Escape rejects it early. It is
// shown, never run modally (Qt gives a modal window the keyboard focus when
// it maps, and a loop of its own would hold its caller): its end comes as
// finished().
#include <QDialog>

class QTimer;
class QxtGlobalShortcut;

namespace Ui {
class CountDownClass;
}

class CountDownWindow : public QDialog
{
    Q_OBJECT
public:
    // The frames shown are 2 .. kLastFrame, one per tick.
    static constexpr int kLastFrame = 77;
    static constexpr int kTickMs = 40;

    explicit CountDownWindow(QWidget *parent = nullptr);
    ~CountDownWindow() override;

    int frameCounter() const { return m_frameCounter; }
    Ui::CountDownClass *form() const { return ui; }

public slots:
    // One step of the animation.
    void timerTimeout();

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    void updateMask();

    Ui::CountDownClass *ui;
    QTimer *m_timer;
    QxtGlobalShortcut *m_escape;
    bool m_escapeHeld = false;
    int m_frameCounter = 1;
};
