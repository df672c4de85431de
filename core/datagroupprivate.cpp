#include "datagroupprivate.h"

#include "fileutils.h"
#include "logfile.h"
#include "settingsrange.h"
#include "userfolders.h"

#include <QDir>
#include <QGuiApplication>
#include <QScreen>
#include <QSettings>
#include <QStandardPaths>

namespace {

// Device indexes: -1 none, 233 the lists' "none" entry.
const RangedKey kCameraIndex{"CameraIndex", 0, -1, 233};
const RangedKey kSystemsoundIndex{"SystemsoundIndex", 0, -1, 233};
const RangedKey kSystemsoundVolume{"SystemsoundVolume", 100, 0, 200};
const RangedKey kMicrophoneIndex{"MicrophoneIndex", 0, -1, 233};
const RangedKey kMicrophoneVolume{"MicrophoneVolume", 100, 0, 200};
// Seconds, as the record-length editor shows them: below a day.
const RangedKey kRecordLength{"RecordLength", 180, 1, 86399};
const RangedKey kWatermarkType{"WatermarkType", 0, 0, 2}; // none, image, text

} // namespace

DataGroupPrivate::DataGroupPrivate(QObject *parent)
    : QObject(parent)
{
    const QList<QScreen *> list = QGuiApplication::screens();
    screens = list.size();
    if (auto *app = qobject_cast<QGuiApplication *>(QCoreApplication::instance())) {
        connect(app, &QGuiApplication::screenAdded, this,
                [this] { doScreenCountChanged(QGuiApplication::screens().size()); });
        connect(app, &QGuiApplication::screenRemoved, this, &DataGroupPrivate::screenRemoved);
    }
    resetDefaults();
    runLog(QStringLiteral("Screen count: %1").arg(screens));
    for (int i = 0; i < list.size(); ++i) {
        const QRect g = list[i]->geometry();
        runLog(QStringLiteral("Screen %1 rect:\n width: %2, height: %3, x: %4, y: %5")
                   .arg(i)
                   .arg(g.width())
                   .arg(g.height())
                   .arg(g.left())
                   .arg(g.top()));
    }
}

void DataGroupPrivate::resetDefaults()
{
    SelectedRect = QRect();
    CameraEnabled = false;
    CameraIndex = int(kCameraIndex.defaultValue);
    CameraRect = QRect();
    SystemsoundEnabled = true;
    SystemsoundIndex = int(kSystemsoundIndex.defaultValue);
    SystemsoundVolume = int(kSystemsoundVolume.defaultValue);
    MicrophoneEnabled = true;
    MicrophoneIndex = int(kMicrophoneIndex.defaultValue);
    MicrophoneVolume = int(kMicrophoneVolume.defaultValue);
    RecordLengthEnabled = false;
    RecordLength = quint64(kRecordLength.defaultValue); // three minutes: every reader takes it as seconds
    ShutdownWhenEnds = false;
    RecordLengthForEachTime = false;
    ImageWatermark = QVariant();
    TextWatermark = QVariant();
    // Built from the generic data folder, never from the application's
    // names, which the main window changes.
    const QString base = userDataBase();
    historyFolder = base.isEmpty() ? QString() : nativePath(base + QStringLiteral("/Olvex/Free Mirelo/"));
    historyFile = historyFolder.isEmpty() ? QString() : nativePath(historyFolder + QStringLiteral("History.xml"));
}

void DataGroupPrivate::load(QSettings *s)
{
    s->beginGroup(QStringLiteral("Private"));
    ScreenEnabled = s->value(QStringLiteral("ScreenEnabled"), ScreenEnabled).toBool();
    ScreenIndex = s->value(QStringLiteral("ScreenIndex"), ScreenIndex).toInt();
    if (ScreenIndex < -1 || ScreenIndex >= screens)
        ScreenIndex = -1;
    SelectedRect = readRect(s, "SelectedRect", SelectedRect);
    CameraEnabled = s->value(QStringLiteral("CameraEnabled"), CameraEnabled).toBool();
    CameraIndex = int(readRanged(s, kCameraIndex, CameraIndex));
    CameraRect = readRect(s, "CameraRect", CameraRect);
    SystemsoundEnabled = s->value(QStringLiteral("SystemsoundEnabled"), SystemsoundEnabled).toBool();
    SystemsoundIndex = int(readRanged(s, kSystemsoundIndex, SystemsoundIndex));
    SystemsoundVolume = int(readRanged(s, kSystemsoundVolume, SystemsoundVolume));
    MicrophoneEnabled = s->value(QStringLiteral("MicrophoneEnabled"), MicrophoneEnabled).toBool();
    MicrophoneIndex = int(readRanged(s, kMicrophoneIndex, MicrophoneIndex));
    MicrophoneVolume = int(readRanged(s, kMicrophoneVolume, MicrophoneVolume));
    RecordLengthEnabled = s->value(QStringLiteral("RecordLengthEnabled"), RecordLengthEnabled).toBool();
    RecordLength = quint64(readRanged(s, kRecordLength, qint64(RecordLength)));
    ShutdownWhenEnds = s->value(QStringLiteral("ShutdownWhenEnds"), ShutdownWhenEnds).toBool();
    RecordLengthForEachTime = s->value(QStringLiteral("RecordLengthForEachTime"), RecordLengthForEachTime).toBool();
    WatermarkType = uint(readRanged(s, kWatermarkType, WatermarkType));
    ImageWatermark = s->value(QStringLiteral("ImageWatermark"), ImageWatermark);
    TextWatermark = s->value(QStringLiteral("TextWatermark"), TextWatermark);
    s->endGroup();
}

void DataGroupPrivate::save(QSettings *s) const
{
    s->beginGroup(QStringLiteral("Private"));
    s->setValue(QStringLiteral("ScreenEnabled"), ScreenEnabled);
    s->setValue(QStringLiteral("ScreenIndex"), ScreenIndex);
    s->setValue(QStringLiteral("SelectedRect"), SelectedRect);
    s->setValue(QStringLiteral("CameraEnabled"), CameraEnabled);
    s->setValue(QStringLiteral("CameraIndex"), CameraIndex);
    s->setValue(QStringLiteral("CameraRect"), CameraRect);
    s->setValue(QStringLiteral("SystemsoundEnabled"), SystemsoundEnabled);
    s->setValue(QStringLiteral("SystemsoundIndex"), SystemsoundIndex);
    s->setValue(QStringLiteral("SystemsoundVolume"), SystemsoundVolume);
    s->setValue(QStringLiteral("MicrophoneEnabled"), MicrophoneEnabled);
    s->setValue(QStringLiteral("MicrophoneIndex"), MicrophoneIndex);
    s->setValue(QStringLiteral("MicrophoneVolume"), MicrophoneVolume);
    s->setValue(QStringLiteral("RecordLengthEnabled"), RecordLengthEnabled);
    s->setValue(QStringLiteral("RecordLength"), RecordLength);
    s->setValue(QStringLiteral("ShutdownWhenEnds"), ShutdownWhenEnds);
    s->setValue(QStringLiteral("RecordLengthForEachTime"), RecordLengthForEachTime);
    s->setValue(QStringLiteral("WatermarkType"), WatermarkType);
    s->setValue(QStringLiteral("ImageWatermark"), ImageWatermark);
    s->setValue(QStringLiteral("TextWatermark"), TextWatermark);
    s->endGroup();
}

QRect DataGroupPrivate::screenGeometry(int index) const
{
    const QList<QScreen *> list = QGuiApplication::screens();
    if (index == -1)
        return list.isEmpty() ? QRect() : list.first()->virtualGeometry();
    if (index >= 0 && index < screens && index < list.size())
        return list[index]->geometry();
    return QRect();
}

QRect DataGroupPrivate::selectedScreenGeometry() const
{
    return screenGeometry(ScreenIndex);
}

QPixmap DataGroupPrivate::grabSelectedScreen() const
{
    const QRect rect = selectedScreenGeometry();
    const QList<QScreen *> list = QGuiApplication::screens();
    QScreen *screen = ScreenIndex == -1 ? QGuiApplication::primaryScreen()
                                        : (ScreenIndex >= 0 && ScreenIndex < list.size() ? list[ScreenIndex] : nullptr);
    if (rect.isNull() || !screen)
        return QPixmap();
    // Without a window the grab's position is taken from the screen's own
    // top-left corner (X adds the screen's origin).
    const QRect local = rect.translated(-screen->geometry().topLeft());
    return screen->grabWindow(0, local.left(), local.top(), local.width(), local.height());
}

void DataGroupPrivate::doScreenCountChanged(int count)
{
    screens = count;
    if (ScreenIndex < -1 || ScreenIndex >= count)
        ScreenIndex = -1;
    emit screenCountChanged(count);
}

void DataGroupPrivate::screenRemoved(QScreen *screen)
{
    // The list may still hold the screen that is going.
    const QList<QScreen *> list = QGuiApplication::screens();
    doScreenCountChanged(list.size() - (list.contains(screen) ? 1 : 0));
}
