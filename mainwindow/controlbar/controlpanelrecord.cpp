// The recording half of the control bar: what it hands the engine, the
// poll, pause, resume, stop, segments and the history entries.
#include "controlpanel.h"
#include "ui_controlpanel.h"

#include "core/levelmeters.h"

#include "areaselected.h"
#include "audiodevicelist.h"
#include "cameradevice.h"
#include "cameralist.h"
#include "camerawindow.h"
#include "clicklistener.h"
#include "commondialog.h"
#include "enginebinding.h"
#include "enviroment.h"
#include "formatting.h"
#include "historylist.h"
#include "logfile.h"
#include "taskschedulelist.h"
#include "watermarkitemimage.h"
#include "watermarkitemtext.h"

#include <QDir>
#include <QFileInfo>
#include <QStorageInfo>
#include <QTimer>

#include <cerrno>
#include <memory>

namespace {

bool valid(const QRect &r)
{
    return r.left() <= r.right() && r.top() <= r.bottom();
}

void step(const char *name, const char *phase)
{
    runLog(QStringLiteral("-----%1 %2-----").arg(QLatin1String(name), QLatin1String(phase)));
}

// A volume of a job, which a hand-edited task may carry out of range.
int volume(int value)
{
    return qBound(0, value, 200);
}

void applyAudioSource(AudioDeviceList *list, bool enabled, int index, int value)
{
    if (!list)
        return;
    if (enabled && index >= 0 && index < list->deviceCount()) {
        list->setDeviceEnabled(true);
        list->setCurrentIndex(index);
        list->setAudioVolume(volume(value));
    } else {
        list->setDeviceEnabled(false);
    }
}

bool listEnabled(const AudioDeviceList *list)
{
    return list && list->isDeviceEnabled();
}

} // namespace

void ControlPanel::applyRecordSource()
{
    const RecordSource &s = m_recordSource;
    if (s.screenEnabled && g_areaSelected)
        g_areaSelected->setSelectedRect(s.screenRect);
    if (s.cameraEnabled && g_cameraWindow && g_cameraList && s.cameraIndex >= 0
        && s.cameraIndex < g_cameraList->deviceCount()) {
        g_cameraWindow->setCloseButtonVisible(false);
        g_cameraWindow->show();
        if (valid(s.cameraRect))
            g_cameraWindow->setGeometry(s.cameraRect);
    }
    applyAudioSource(g_systemSoundList, s.systemsoundEnabled, s.systemsoundIndex, s.systemsoundVolume);
    applyAudioSource(g_microphoneList, s.microphoneEnabled, s.microphoneIndex, s.microphoneVolume);
}

void ControlPanel::computeCaptureRect()
{
    const QRect source = m_recordType == RecordTypeScreen ? m_recordSource.screenRect : m_recordSource.cameraRect;
    if (!valid(source))
        return;
    m_captureRect = source;
    const int w = source.width();
    const int h = source.height();
    m_captureRect.setRight(source.left() + (w / 2) * 2 - 1);
    m_captureRect.setBottom(source.top() + (h / 2) * 2 - 1);
    runLog(QStringLiteral("Record Rect x: %1,y: %2, width: %3, height: %4")
               .arg(m_captureRect.left())
               .arg(m_captureRect.top())
               .arg(m_captureRect.width())
               .arg(m_captureRect.height()));
}

void ControlPanel::startRecord()
{
    step("startRecord", "begin");
    if (m_state != Created) {
        step("startRecord", "finish");
        return;
    }
    if (m_recordType == RecordTypeNone) {
        // Nothing the job names can be recorded (devices gone, no region).
        failStart(MIRELO_E_NO_DEVICE, tr("Failed to start recording: none of the sources it records (screen "
                                         "region, webcam, system sound, microphone) is there."));
        step("startRecord", "finish");
        return;
    }
    if (m_recordType == RecordTypeCamera || m_recordType == RecordTypeAudio) {
        ui->btnCapture->setEnabled(false);
        ui->btnEdit->setEnabled(false);
        ui->btnCamera->setEnabled(false);
        setCameraButtonStyle(m_recordType == RecordTypeCamera);
    }
    if (m_recordType == RecordTypeScreen || m_recordType == RecordTypeCamera) {
        computeCaptureRect();
        const MireloCaptureRect rect = engineCaptureRect(m_captureRect, false);
        engineSetCaptureRect(&rect);
        if (m_recordType == RecordTypeScreen)
            setCameraButtonStyle(false);
    }
    step("initWatermark", "begin");
    initWatermark();
    step("initRecordParam", "begin");
    initRecordParam();
    if (listEnabled(g_systemSoundList)) {
        step("playback_audio", "begin");
        LevelMeters::setRecording(DEVICE_SYSTEM_SOUND, true);
    }
    if (listEnabled(g_microphoneList)) {
        step("mic_audio", "begin");
        LevelMeters::setRecording(DEVICE_MICROPHONE, true);
    }
    step("start_record", "begin");
    int result = engineStartRecording(m_recordParams.params());
    if (result == MIRELO_E_ENCODER && m_recordSettings.hardwareEncoder != 0) {
        runLog(QStringLiteral("-----open encoder fail,software encode instead-----"));
        if (g_enviroment)
            g_enviroment->output()->setVideoEncoderIndex(0);
        m_recordSettings.hardwareEncoder = 0;
        m_recordParams.fill(m_recordSettings);
        result = engineStartRecording(m_recordParams.params());
    }
    if (result < 0) {
        failStart(result);
        step("startRecord", "finish");
        return;
    }
    m_durationTimer = new QTimer(this);
    m_durationTimer->setInterval(500);
    connect(m_durationTimer, &QTimer::timeout, this, &ControlPanel::updateDuration);
    m_durationTimer->start();
    m_state = Recording;
    step("startRecord", "finish");
}

void ControlPanel::failStart(int result, const QString &why)
{
    runLog(QStringLiteral("-----start_record fail %1-----").arg(result));
    // Ended before the message: a stop asked for while it shows (hotkey,
    // tray) then finds nothing left to end.
    m_state = Stopped;
    endRecording(QDialog::Rejected);
    report(why.isEmpty() ? tr("Failed to start recording.") : why);
}

void ControlPanel::report(const QString &text)
{
    // The program is ending: nobody is left to read a message.
    if (m_unattended) {
        runLog(text);
        return;
    }
    // A job with a name runs unattended: its message waits for the user
    // among the program's notices (and the log keeps it).
    if (m_item && !m_item->name().isEmpty()) {
        TaskScheduleList::tellJob(m_item, text);
        return;
    }
    // Never a modal message: the stop may come from the engine, a timer or
    // a hotkey, whose caller must go on.
    CommonDialog::tell(parentWidget(), text);
}

QString ControlPanel::writeFailureText(int error) const
{
    const QString name = QDir::toNativeSeparators(m_fileName);
    if (!QFileInfo(m_fileName).isFile())
        return tr("The recording was stopped: its file %1 was removed while it was being written. "
                  "The recording is lost.")
            .arg(name);
    if (error == ENOSPC || error == EDQUOT)
        return tr("The recording was stopped: the disk is full. What was recorded until then is kept in %1.")
            .arg(name);
    return tr("The recording was stopped: its file %1 could not be written. What was recorded until then is kept.")
        .arg(name);
}

void ControlPanel::initWatermark()
{
    m_watermarkParams.clear();
    m_hasImageWatermark = m_hasTextWatermark = false;
    // The engine stamps the watermark of its last call: without one it gets
    // the zeroed block, so a former recording's watermark does not stay.
    std::unique_ptr<WatermarkItem> item;
    if (const DataGroupPrivate *p = g_enviroment ? g_enviroment->privateData : nullptr) {
        if (p->WatermarkType == WATERMARK_IMAGE && !p->ImageWatermark.isNull())
            item.reset(WatermarkItemImage::fromVariant(p->ImageWatermark));
        else if (p->WatermarkType == WATERMARK_TEXT && !p->TextWatermark.isNull())
            item.reset(WatermarkItemText::fromVariant(p->TextWatermark));
    }
    if (item && !item->isEmpty()) {
        const QRect area(QPoint(0, 0), QPoint(m_captureRect.right() - m_captureRect.left(),
                                              m_captureRect.bottom() - m_captureRect.top()));
        item->fitToBounds(area);
        WatermarkSettings w;
        w.kind = item->watermarkType();
        w.rect = item->rect();
        w.alpha = item->transparency();
        if (auto *text = dynamic_cast<WatermarkItemText *>(item.get())) {
            w.kind = WATERMARK_TEXT;
            w.font = text->font();
            w.color = text->color();
            w.text = text->text();
            m_hasTextWatermark = true;
        } else if (auto *image = dynamic_cast<WatermarkItemImage *>(item.get())) {
            w.kind = WATERMARK_IMAGE;
            w.imagePath = image->path();
            m_hasImageWatermark = true;
        }
        m_watermarkParams.fill(w);
    }
    engineSetWatermark(m_watermarkParams.params());
}

void ControlPanel::initRecordParam()
{
    runLog(QStringLiteral("recordType: %1").arg(m_recordType));
    RecordSettings &s = m_recordSettings;
    s = RecordSettings();
    if (g_enviroment) {
        fillRecordSettings(&s, g_enviroment->output(), g_enviroment->mouse());
        m_fileName = m_recordType == RecordTypeAudio ? g_enviroment->output()->newAudioFilePath()
                                       : g_enviroment->output()->newVideoFilePath();
    }
    runLog(QStringLiteral("file_name: %1").arg(m_fileName));
    s.filePath = m_fileName;
    s.audioOnly = m_recordType == RecordTypeAudio;
    s.captureSize = QSize(m_captureRect.right() - m_captureRect.left() + 1,
                          m_captureRect.bottom() - m_captureRect.top() + 1);
    s.sourceKind = m_recordType == RecordTypeCamera ? 2 : 1;
    s.systemSound = listEnabled(g_systemSoundList);
    s.microphone = listEnabled(g_microphoneList);
    s.imageWatermark = m_hasImageWatermark;
    s.textWatermark = m_hasTextWatermark;
    if (s.audioOnly) {
        s.hardwareEncoder = 0;
        s.recordClicks = false;
    }
    m_recordParams.fill(s);
    if (s.recordClicks && !m_clickListener) {
        // Presses anywhere on the desktop become click marks; the listener
        // lives with this bar only.
        m_clickListener = ClickListener::create(this);
        connect(m_clickListener, &ClickListener::leftButtonPressed, this, &ControlPanel::sendMouseClick);
    }
}

void ControlPanel::sendMouseClick(const QPoint &position)
{
    engineAddMouseClick(position.x(), position.y());
}

bool ControlPanel::isPolling() const
{
    return m_durationTimer && m_durationTimer->isActive();
}

void ControlPanel::updateDuration()
{
    int64_t time = 0;
    if (engineGetRecordedTime(&time) == 0) {
        m_recordedTime = time;
        ui->lblDuration->setText(formatDuration(quint64(qMax<qint64>(0, m_recordedTime / 1000))));
    }
    int64_t size = 0;
    if (engineGetRecordedSize(&size) == 0) {
        m_recordedSize = qMax<qint64>(0, size);
        qint64 free = 0;
        if (g_enviroment) {
            const QStorageInfo storage(g_enviroment->output()->VideoFolder);
            if (storage.isValid())
                free = qMax<qint64>(0, storage.bytesAvailable());
        }
        ui->lblOutputSize->setText(QStringLiteral("%1/%2").arg(formatByteSize(quint64(m_recordedSize), 2),
                                                               formatByteSize(quint64(free), 2)));
    }
    if (m_recordLength != -1 && m_recordedTime / 1000 >= m_recordLength) {
        stop(true);
        runLog(QStringLiteral("-----stopRecord by recordLength-----"));
    }
}

void ControlPanel::pauseRecord()
{
    if (m_state == Recording) {
        enginePauseRecording();
        ui->btnResume->show();
        ui->btnPause->hide();
        m_durationTimer->stop();
        m_state = Paused;
    } else if (m_state == Paused) {
        engineResumeRecording();
        ui->btnPause->show();
        ui->btnResume->hide();
        m_durationTimer->start();
        m_state = Recording;
    }
}

void ControlPanel::stopRecord()
{
    stop(false);
}

void ControlPanel::stopUnattended()
{
    m_unattended = true;
    stop(false);
}

void ControlPanel::recordingFailed(int error)
{
    if (m_state != Recording && m_state != Paused)
        return;
    runLog(QStringLiteral("-----record failed %1-----").arg(error));
    m_writeError = error ? error : EIO;
    stop(false);
}

void ControlPanel::soundLost()
{
    if (m_state != Recording && m_state != Paused)
        return;
    runLog(QStringLiteral("-----record sound lost-----"));
    m_soundLost = true;
    stop(false);
}

void ControlPanel::stop(bool byLengthLimit)
{
    step("stopRecord", "begin");
    QString problem;
    if (m_state == Created) {
        reject();
    } else if (m_state == Recording || m_state == Paused) {
        problem = finishFile();
        if (m_loopCount > 0) {
            runLog(QStringLiteral("loop: %1").arg(m_loopCount));
            if (byLengthLimit) {
                --m_loopCount;
                if (!loopRecord())
                    problem = tr("Failed to start recording.");
            } else {
                m_loopCount = 0;
            }
        }
        if (m_state == Stopped)
            endRecording();
    }
    step("stopRecord", "finish");
    if (!problem.isEmpty())
        report(problem);
}

QString ControlPanel::finishFile()
{
    QString problem;
    int64_t time = m_recordedTime;
    if (engineGetRecordedTime(&time) == 0)
        m_recordedTime = time;
    int64_t size = m_recordedSize;
    if (engineGetRecordedSize(&size) == 0)
        m_recordedSize = qMax<qint64>(0, size);
    const int stopped = engineStopRecording();
    // After the stop the engine answers the length of what its file holds:
    // up to the moment it stopped, or, when the clock ran past what reached
    // the disk, what did.
    if (engineGetRecordedTime(&time) == 0)
        m_recordedTime = time;
    if (stopped == MIRELO_E_IO || m_writeError) {
        problem = writeFailureText(m_writeError);
        m_loopCount = 0;
    } else if (m_soundLost) {
        problem = tr("The recording was stopped: the sound it was recording is gone (its device was removed, "
                     "or the sound server ended). What was recorded until then is kept in %1.")
                      .arg(QDir::toNativeSeparators(m_fileName));
    }
    addToHistory();
    if (m_durationTimer)
        m_durationTimer->stop();
    m_state = Stopped;
    return problem;
}

void ControlPanel::finishForExit()
{
    if (m_state != Recording && m_state != Paused)
        return;
    step("finishForExit", "begin");
    const QString problem = finishFile();
    if (!problem.isEmpty())
        runLog(problem);
    step("finishForExit", "finish");
}

QString ControlPanel::sourcesChangedText(const QVector<RecordSource::DeviceChange> &changes) const
{
    auto name = [](RecordSource::DeviceKind kind, int index) {
        QString text;
        if (kind == RecordSource::Webcam && g_cameraList && g_cameraList->device(index))
            text = g_cameraList->device(index)->name();
        const AudioDeviceList *list = kind == RecordSource::SystemSound ? g_systemSoundList
                                      : kind == RecordSource::Microphone ? g_microphoneList
                                                                         : nullptr;
        if (list && list->device(index))
            text = list->device(index)->name();
        return text.isEmpty() ? tr("device %1").arg(index + 1) : text;
    };
    QStringList lines;
    for (const RecordSource::DeviceChange &change : changes) {
        if (change.taken >= 0) {
            const QString taken = name(change.kind, change.taken);
            if (change.kind == RecordSource::Webcam)
                lines << tr("The webcam chosen for this recording was not there: \"%1\" recorded instead.").arg(taken);
            else if (change.kind == RecordSource::SystemSound)
                lines << tr("The system sound device chosen for this recording was not there: \"%1\" recorded "
                            "instead.")
                             .arg(taken);
            else
                lines << tr("The microphone chosen for this recording was not there: \"%1\" recorded instead.")
                             .arg(taken);
        } else if (change.kind == RecordSource::Webcam) {
            lines << tr("There was no webcam: the recording was made without it.");
        } else if (change.kind == RecordSource::SystemSound) {
            lines << tr("There was no system sound device: the recording was made without system sound.");
        } else {
            lines << tr("There was no microphone: the recording was made without it.");
        }
    }
    return lines.join(QLatin1Char('\n'));
}

void ControlPanel::endRecording(int result)
{
    // Told once it has ended: a message on the screen would be recorded.
    if (!m_sourcesChanged.isEmpty()) {
        report(m_sourcesChanged);
        m_sourcesChanged.clear();
    }
    if (g_areaSelected) {
        g_areaSelected->setRecordingMode(false);
        g_areaSelected->hide();
    }
    if (g_cameraWindow && g_cameraWindow->isVisible()) {
        g_cameraWindow->hide();
        g_cameraWindow->setCloseButtonVisible(true);
    }
    done(result);
}

bool ControlPanel::loopRecord()
{
    step("loopRecord", "begin");
    if (g_enviroment) {
        m_fileName = m_recordType == RecordTypeAudio ? g_enviroment->output()->newAudioFilePath()
                                       : g_enviroment->output()->newVideoFilePath();
    }
    m_recordSettings.filePath = m_fileName;
    m_recordParams.fill(m_recordSettings);
    m_recordedTime = 0;
    m_recordedSize = 0;
    const int result = engineStartRecording(m_recordParams.params());
    if (result < 0) {
        // Nothing records: the bar ends instead of polling an idle engine.
        runLog(QStringLiteral("-----start_record fail %1-----").arg(result));
        m_loopCount = 0;
        step("loopRecord", "finish");
        return false;
    }
    m_durationTimer->start();
    m_state = Recording;
    step("loopRecord", "finish");
    return true;
}

void ControlPanel::addToHistory()
{
    if (!g_historyList)
        return;
    // The file as the stopped engine left it: a file that is gone is not
    // listed, and the size is what is on the disk, the last bytes included.
    const QFileInfo file(m_fileName);
    if (!file.isFile()) {
        runLog(QStringLiteral("-----%1 is missing: not listed-----").arg(m_fileName));
        return;
    }
    m_recordedSize = file.size();
    const bool audio = m_recordType == RecordTypeAudio;
    const QSize size = audio ? QSize(-1, -1)
                             : QSize(m_captureRect.right() - m_captureRect.left() + 1,
                                     m_captureRect.bottom() - m_captureRect.top() + 1);
    g_historyList->addItem(audio ? HistoryItem::Audio : HistoryItem::Video, m_fileName, size,
                           m_recordedTime / 1000, m_recordedSize);
}

void ControlPanel::AreaSelectedRectChanged(const QRect &rect)
{
    const MireloCaptureRect r = engineCaptureRect(rect, false);
    engineSetCaptureRect(&r);
}
