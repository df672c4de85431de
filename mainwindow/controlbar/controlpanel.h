#pragma once
// The floating recording control bar. The main window makes one for each
// recording, hands it the record job and calls startRecord(); from then on
// the bar alone drives the engine: capture rectangle, watermark, parameter
// block, audio devices, start, a 500 ms poll of time and size with the
// length limit, pause and resume, stop, further segments, click marks and
// the history entries. When the recording is over it closes itself with
// accept() (reject() when stopped before it started or when it did not
// start) and is deleted.
//
// Its window: a frameless, always-on-top bar with Resume/Pause/Stop, the
// elapsed time and size, and tool buttons opening three pages below it
// (record length, drawing tools on the region frame, sources).
#include "controlbarlink.h"
#include "enginerecords.h"
#include "recordsource.h"
#include "taskscheduleitem.h"

#include <QDialog>
#include <QPointer>
#include <QRect>

namespace Ui {
class ControlPanelClass;
}
class ClickListener;
class FramelessDrag;
class GraphicEditor;
class QAbstractButton;
class QLabel;
class QTimer;

class ControlPanel : public QDialog, public ControlBar
{
    Q_OBJECT
public:
    // States of a recording.
    enum { Created = 0, Recording = 1, Paused = 2, Stopped = 3 };

    ControlPanel(QWidget *parent, TaskScheduleItem *item);
    ~ControlPanel() override;

    int recordState() const override { return m_state; }
    int recordType() const { return m_recordType; }
    qint64 recordLength() const { return m_recordLength; }
    int loopCount() const { return m_loopCount; }
    QRect captureRect() const { return m_captureRect; }
    QString fileName() const { return m_fileName; }
    const RecordParams *recordParams() const { return m_recordParams.params(); }
    bool isPolling() const;
    ClickListener *clickListener() const { return m_clickListener; }
    Ui::ControlPanelClass *form() const { return ui; }

    void setSystemSoundLevel(int level) override;
    void setMicrophoneLevel(int level) override;
    void retranslate() override;

    // Where the bar goes beside a region: below its bottom-right corner, or
    // above it when there is no room below, kept on the screen.
    static QRect placeBeside(const QRect &bar, const QRect &region, const QRect &screen);
    // The name a screenshot takes when it cannot be saved as JPEG: the same
    // name ending in "png", or the next free "png" name of the folder.
    static QString pngFallbackPath(const QString &jpgPath);

signals:
    void visibleChanged(bool visible);
    void sigUpdateWidget(bool open);

public slots:
    void startRecord() override;
    void pauseRecord() override;
    void stopRecord() override;
    void stopUnattended() override;
    void finishForExit() override;
    // The engine ended the recording by itself: its file could not be
    // written (error: the errno the engine gave, 0 when none). The bar ends
    // it and tells why.
    void recordingFailed(int error) override;
    void soundLost() override;
    void screenshot() override;
    void updateDuration();

private slots:
    void chxRecordLengthToggled(bool on);
    void chxShutdownWhenEndsToggled(bool on);
    bool editRecordLength();
    void btnGrpToolsClicked(QAbstractButton *button);
    void btnCameraClicked();
    void chxSystemSoundStateChanged(int state);
    void chxMicrophoneStateChanged(int state);
    void SlotUpdateWidget(bool open);
    void AreaSelectedRectChanged(const QRect &rect);
    void animationFinished();

protected:
    void resizeEvent(QResizeEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    // window (controlpanel.cpp)
    void loadButtonImages();
    void setScaledSizes();
    void setStyleKeys();
    void setCameraButtonStyle(bool webcam);
    void updateToolPageHeight();
    void fillLengthFields(bool syncCheckBox);
    void placeBesideRegion();
    void startFlyAway(const QPixmap &picture);
    void connectButtons();
    void applyAudioControls();

    // recording (controlpanelrecord.cpp)
    void applyRecordSource();
    void computeCaptureRect();
    void initWatermark();
    void initRecordParam();
    void stop(bool byLengthLimit);
    // The engine stopped, its file listed; what went wrong, or empty.
    QString finishFile();
    bool loopRecord();
    void addToHistory();
    // Ends with `result`: Rejected when nothing was recorded.
    void endRecording(int result = QDialog::Accepted);
    // Ends a start that failed and says so (`why`, else that it failed).
    void failStart(int result, const QString &why = QString());
    QString writeFailureText(int error) const;
    // Shows a failure once the recording has ended; the last thing a road
    // does, as the closed bar may be deleted while the message shows.
    void report(const QString &text);
    // What the recording takes other than its job names (a device taken
    // instead of one that is gone, a source with no device at all), for
    // the user; empty when it takes what the job names.
    QString sourcesChangedText(const QVector<RecordSource::DeviceChange> &changes) const;
    void sendMouseClick(const QPoint &position);

    Ui::ControlPanelClass *ui;
    RecordParamsBlock m_recordParams;
    RecordSettings m_recordSettings;
    WatermarkParamsBlock m_watermarkParams;
    QString m_fileName;
    QTimer *m_durationTimer = nullptr;
    QPointer<TaskScheduleItem> m_item;
    RecordSource m_recordSource;
    int m_recordType = 0;
    qint64 m_recordLength = -1;
    int m_loopCount = 0;
    QRect m_captureRect;
    qint64 m_recordedTime = 0;
    qint64 m_recordedSize = 0;
    int m_state = Created;
    int m_writeError = 0; // the engine's errno once it reported a failed write
    bool m_soundLost = false; // the sound it recorded went away
    QString m_sourcesChanged; // told once the recording has ended
    bool m_unattended = false; // failures go to the log only
    QLabel *m_flyLabel = nullptr;
    bool m_firstShow = true;
    bool m_hasImageWatermark = false;
    bool m_hasTextWatermark = false;
    ClickListener *m_clickListener = nullptr;
    GraphicEditor *m_graphicEditor = nullptr;
    FramelessDrag *m_drag = nullptr;
};
