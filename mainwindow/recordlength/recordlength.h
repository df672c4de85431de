#pragma once
// The small popup under the main window's record-length button: whether a
// length limit applies to recordings started by hand, how long, for the next
// recording only or for each one, and whether the computer shuts down at the
// end. It keeps nothing itself: the private settings are loaded each time it
// shows and written back each time it hides.
#include <QWidget>

namespace Ui {
class RecordLengthClass;
}

class RecordLength : public QWidget
{
    Q_OBJECT
public:
    // A shorter length is replaced by this many seconds.
    static constexpr int kDefaultSeconds = 180;

    explicit RecordLength(QWidget *parent);
    ~RecordLength() override;

    // The popup counts as open (the main window's button toggles by it).
    bool isOpen() const { return m_openFlag; }
    void setOpen(bool open) { m_openFlag = open; }
    void retranslate();
    // The settings into the controls, and back.
    void load();
    void save();

    Ui::RecordLengthClass *form() const { return ui; }

signals:
    // The limit was switched on or off while the popup was open.
    void stateChanged(bool on);

public slots:
    void chxRecordLengthToggled(bool on);
    void SetProper();

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    Ui::RecordLengthClass *ui;
    bool m_enabledAtOpen = false;
    bool m_openFlag = false;
};

// The main window's one popup; null outside its life.
extern RecordLength *g_recordLength;
