#include "datagroupoutput.h"

#include "enginebinding.h"
#include "fileutils.h"
#include "settingsrange.h"
#include "userfolders.h"
#include "vocabulary.h"

#include <QDateTime>
#include <QDir>
#include <QSettings>
#include <QStandardPaths>

namespace {

int g_hardwareEncoderMask = 0;

// The name at `index` of a format table, the first name when that one is
// empty, so no file is ever named without an extension.
QString formatName(const char *const *table, int count, int index)
{
    const char *name = index >= 0 && index < count ? table[index] : "";
    return QString::fromLatin1(*name ? name : table[0]);
}

// The indexes of the group: key, default and 0..count-1.
const RangedKey kImageFormat{"ImageFormat", 0, 0, IMAGE_FORMAT_COUNT - 1};
const RangedKey kVideoFormat{"VideoFormat", 0, 0, VIDEO_FORMAT_COUNT - 1};
const RangedKey kVideoQuality{"VideoQuality", 1, 0, QUALITY_COUNT - 1};
const RangedKey kVideoFrameRate{"VideoFrameRate", 6, 0, FRAME_RATE_COUNT - 1};
const RangedKey kAudioFormat{"AudioFormat", 0, 0, AUDIO_FORMAT_COUNT - 1};
const RangedKey kAudioQuality{"AudioQuality", 1, 0, QUALITY_COUNT - 1};
const RangedKey kAudioSampleRate{"AutioSampleRate", 1, 0, SAMPLE_RATE_COUNT - 1};

int readIndex(QSettings *s, const RangedKey &key, int current)
{
    return int(readRanged(s, key, current));
}

} // namespace

int hardwareEncoderMask()
{
    // Each probe starts afresh, so a family that went away is not kept.
    g_hardwareEncoderMask = 0;
    const MireloEncoderAdapter *list = nullptr;
    int count = 0;
    if (engineGetEncoderAdapters(&list, &count) < 0 || !list)
        count = 0;
    for (int i = 0; i < count; ++i) {
        const int family = list[i].family;
        if (family == MIRELO_ENCODER_INTEL || family == MIRELO_ENCODER_NVIDIA || family == MIRELO_ENCODER_AMD)
            g_hardwareEncoderMask |= family;
    }
    for (int family : {MIRELO_ENCODER_INTEL, MIRELO_ENCODER_NVIDIA, MIRELO_ENCODER_AMD}) {
        if ((g_hardwareEncoderMask & family) && engineTestHardwareEncoder(family, 0) != 0)
            g_hardwareEncoderMask &= ~family;
    }
    return g_hardwareEncoderMask;
}

DataGroupOutput::DataGroupOutput(QObject *parent, bool isCopy, int mask)
    : QObject(parent)
    , copy(isCopy)
    , hardwareMask(mask)
{
    resetDefaults();
}

// Without a usable home the defaults are empty: the program does not start
// then, and no folder is ever made at the file-system root.
QString DataGroupOutput::defaultVideoFolder()
{
    const QString documents = userDocumentsFolder();
    if (documents.isEmpty())
        return QString();
    return nativePath(documents + QStringLiteral("/Olvex/Free Mirelo") + QStringLiteral("/Video"));
}

QString DataGroupOutput::defaultScreenshotsFolder()
{
    const QString documents = userDocumentsFolder();
    if (documents.isEmpty())
        return QString();
    return nativePath(documents + QStringLiteral("/Olvex/Free Mirelo")) + QDir::separator()
        + QStringLiteral("Snapshot");
}

void DataGroupOutput::resetDefaults()
{
    VideoFolder = defaultVideoFolder();
    ScreenshotsFolder = defaultScreenshotsFolder();
    ImageFormat = int(kImageFormat.defaultValue);
    VideoFormat = int(kVideoFormat.defaultValue);
    VideoQuality = int(kVideoQuality.defaultValue);
    VideoFrameRate = int(kVideoFrameRate.defaultValue);
    AudioFormat = int(kAudioFormat.defaultValue);
    AudioQuality = int(kAudioQuality.defaultValue);
    AudioSampleRate = int(kAudioSampleRate.defaultValue);
    if (!copy)
        hardwareMask = hardwareEncoderMask();
    buildEncoderList();
}

void DataGroupOutput::buildEncoderList()
{
    VideoEncoderIndex = 0;
    VideoEncoder = EncoderSoftware;
    availableEncoders = {EncoderSoftware};
    if (hardwareMask & MIRELO_ENCODER_INTEL)
        availableEncoders << EncoderIntel;
    if (hardwareMask & MIRELO_ENCODER_NVIDIA)
        availableEncoders << EncoderNvidia;
    if (hardwareMask & MIRELO_ENCODER_AMD)
        availableEncoders << EncoderAmd;
    // A usable hardware encoder is the default: the first in the list.
    if (availableEncoders.size() > 1) {
        VideoEncoderIndex = 1;
        VideoEncoder = availableEncoders[1];
    }
}

void DataGroupOutput::load(QSettings *s)
{
    s->beginGroup(QStringLiteral("Output"));
    // An emptied folder (or the root, or a relative name) would put every new
    // file at the file-system root or in the program folder.
    VideoFolder = readFolder(s, "VideoFolder", VideoFolder, defaultVideoFolder());

    // The built-in screenshots folder is made at every start, also when the
    // store names another one; a chosen folder is taken as it is.
    const QString stored = readFolder(s, "ScreenshotsFolder", ScreenshotsFolder, defaultScreenshotsFolder());
    if (!QFileInfo::exists(ScreenshotsFolder) && ScreenshotsFolder.contains(QLatin1String("Free Mirelo"), Qt::CaseInsensitive)
        && ScreenshotsFolder.contains(QLatin1String("Snapshot"), Qt::CaseInsensitive))
        makeDirIfMissing(ScreenshotsFolder);
    ScreenshotsFolder = stored;

    ImageFormat = readIndex(s, kImageFormat, ImageFormat);
    VideoFormat = readIndex(s, kVideoFormat, VideoFormat);
    VideoEncoder = s->value(QStringLiteral("VideoEncoder"), VideoEncoder).toInt();
    if (!availableEncoders.contains(VideoEncoder))
        VideoEncoder = EncoderSoftware;
    VideoEncoderIndex = availableEncoders.indexOf(VideoEncoder);
    VideoQuality = readIndex(s, kVideoQuality, VideoQuality);
    VideoFrameRate = readIndex(s, kVideoFrameRate, VideoFrameRate);
    AudioFormat = readIndex(s, kAudioFormat, AudioFormat);
    AudioQuality = readIndex(s, kAudioQuality, AudioQuality);
    AudioSampleRate = readIndex(s, kAudioSampleRate, AudioSampleRate);
    s->endGroup();
}

void DataGroupOutput::save(QSettings *s) const
{
    s->beginGroup(QStringLiteral("Output"));
    s->setValue(QStringLiteral("VideoFolder"), VideoFolder);
    s->setValue(QStringLiteral("ScreenshotsFolder"), ScreenshotsFolder);
    s->setValue(QStringLiteral("ImageFormat"), ImageFormat);
    s->setValue(QStringLiteral("VideoFormat"), VideoFormat);
    s->setValue(QStringLiteral("VideoEncoder"), VideoEncoder);
    s->setValue(QStringLiteral("VideoQuality"), VideoQuality);
    s->setValue(QStringLiteral("VideoFrameRate"), VideoFrameRate);
    s->setValue(QStringLiteral("AudioFormat"), AudioFormat);
    s->setValue(QStringLiteral("AudioQuality"), AudioQuality);
    s->setValue(QStringLiteral("AutioSampleRate"), AudioSampleRate);
    s->endGroup();
}

bool DataGroupOutput::equals(const DataGroupOutput *o) const
{
    // Folder names are case-sensitive on Linux.
    return VideoFolder == o->VideoFolder && ScreenshotsFolder == o->ScreenshotsFolder
        && ImageFormat == o->ImageFormat && VideoFormat == o->VideoFormat && VideoEncoder == o->VideoEncoder
        && VideoQuality == o->VideoQuality && VideoFrameRate == o->VideoFrameRate
        && AudioFormat == o->AudioFormat && AudioQuality == o->AudioQuality
        && AudioSampleRate == o->AudioSampleRate;
}

void DataGroupOutput::copyFrom(const DataGroupOutput *o)
{
    VideoFolder = o->VideoFolder;
    ScreenshotsFolder = o->ScreenshotsFolder;
    ImageFormat = o->ImageFormat;
    VideoFormat = o->VideoFormat;
    VideoEncoder = o->VideoEncoder;
    VideoEncoderIndex = o->VideoEncoderIndex;
    VideoQuality = o->VideoQuality;
    VideoFrameRate = o->VideoFrameRate;
    AudioFormat = o->AudioFormat;
    AudioQuality = o->AudioQuality;
    AudioSampleRate = o->AudioSampleRate;
}

int DataGroupOutput::videoEncoderFlag() const
{
    switch (VideoEncoder) {
    case EncoderIntel: return MIRELO_ENCODER_INTEL;
    case EncoderNvidia: return MIRELO_ENCODER_NVIDIA;
    case EncoderAmd: return MIRELO_ENCODER_AMD;
    default: return MIRELO_ENCODER_SOFTWARE;
    }
}

bool DataGroupOutput::isEncoderAvailable(int type) const
{
    return availableEncoders.contains(type);
}

QStringList DataGroupOutput::videoEncoders() const
{
    QStringList names;
    for (int type : availableEncoders) {
        if (type < 0 || type >= VIDEO_ENCODER_COUNT)
            continue;
        const QString name = QString::fromLatin1(g_videoEncoderNames[type]);
        if (name.contains(QLatin1String("Software")))
            names << tr("Software Encoder");
        else if (name.contains(QLatin1String("Intel")))
            names << tr("Intel Hardware Encoder");
        else if (name.contains(QLatin1String("Nvidia")))
            names << tr("Nvidia Hardware Encoder");
        else if (name.contains(QLatin1String("AMD")))
            names << tr("AMD Hardware Encoder");
    }
    return names;
}

QStringList DataGroupOutput::videoFormats() const
{
    return {QString::fromLatin1(g_videoFormats[0])};
}

QStringList DataGroupOutput::audioFormats() const
{
    return {QString::fromLatin1(g_audioFormats[0])};
}

QStringList DataGroupOutput::imageFormats() const
{
    return {QString::fromLatin1(g_imageFormats[0])};
}

QStringList DataGroupOutput::videoQualities() const
{
    QStringList names;
    for (const char *quality : g_qualityNames) {
        const QString name = QString::fromLatin1(quality);
        if (name.contains(QLatin1String("High")))
            names << tr("High");
        else if (name.contains(QLatin1String("Medium")))
            names << tr("Medium");
        else if (name.contains(QLatin1String("Low")))
            names << tr("Low");
    }
    return names;
}

QStringList DataGroupOutput::audioQualities() const
{
    return videoQualities();
}

QStringList DataGroupOutput::videoFrameRates() const
{
    QStringList rates;
    for (const char *rate : g_frameRates)
        rates << QString::fromLatin1(rate);
    return rates;
}

QStringList DataGroupOutput::audioSampleRates() const
{
    QStringList rates;
    for (const char *rate : g_sampleRates)
        rates << QString::fromLatin1(rate);
    return rates;
}

float DataGroupOutput::frameRateValue() const
{
    const int index = unsigned(VideoFrameRate) < unsigned(FRAME_RATE_COUNT) ? VideoFrameRate : 6;
    return QString::fromLatin1(g_frameRates[index]).toFloat();
}

int DataGroupOutput::sampleRateValue() const
{
    const int index = unsigned(AudioSampleRate) < unsigned(SAMPLE_RATE_COUNT) ? AudioSampleRate : 1;
    return QString::fromLatin1(g_sampleRates[index]).toInt();
}

QString DataGroupOutput::newFilePath(const QString &folder, const QString &prefix, const QString &extension)
{
    for (int n = 1;; ++n) {
        const QString name = QStringLiteral("%1_%2-%3.%4")
                                 .arg(prefix,
                                      QDateTime::currentDateTime().toString(QStringLiteral("yy-MM-dd_hh-mm")),
                                      QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0')), extension);
        const QString path = nativePath(QStringLiteral("%1%2%3").arg(folder, QString(QDir::separator()), name));
        if (!fileExists(path))
            return path;
    }
}

QString DataGroupOutput::newVideoFilePath() const
{
    return newFilePath(VideoFolder, QStringLiteral("Video"),
                       formatName(g_videoFormats, VIDEO_FORMAT_COUNT, VideoFormat).toLower());
}

QString DataGroupOutput::newAudioFilePath() const
{
    return newFilePath(VideoFolder, QStringLiteral("Audio"),
                       formatName(g_audioFormats, AUDIO_FORMAT_COUNT, AudioFormat).toLower());
}

QString DataGroupOutput::newSnapshotFilePath() const
{
    return newFilePath(ScreenshotsFolder, QStringLiteral("Snapshot"),
                       formatName(g_imageFormats, IMAGE_FORMAT_COUNT, ImageFormat).toLower());
}

// ---- setters ----

void DataGroupOutput::setIndex(int *field, int value, int count)
{
    if (value < 0 || value >= count)
        return;
    *field = value;
    emit valueChanged();
}

void DataGroupOutput::setOutputFolder(const QString &folder)
{
    if (folder.trimmed().isEmpty())
        return;
    VideoFolder = folder;
    emit valueChanged();
}

void DataGroupOutput::setScreenshotsFolder(const QString &folder)
{
    if (folder.trimmed().isEmpty())
        return;
    ScreenshotsFolder = nativePath(folder);
    emit valueChanged();
}

void DataGroupOutput::setImageFormat(int index) { setIndex(&ImageFormat, index, IMAGE_FORMAT_COUNT); }
void DataGroupOutput::setVideoFormat(int index) { setIndex(&VideoFormat, index, VIDEO_FORMAT_COUNT); }
void DataGroupOutput::setVideoQuality(int index) { setIndex(&VideoQuality, index, QUALITY_COUNT); }
void DataGroupOutput::setVideoFrameRate(int index) { setIndex(&VideoFrameRate, index, FRAME_RATE_COUNT); }
void DataGroupOutput::setAudioFormat(int index) { setIndex(&AudioFormat, index, AUDIO_FORMAT_COUNT); }
void DataGroupOutput::setAudioQuality(int index) { setIndex(&AudioQuality, index, QUALITY_COUNT); }
void DataGroupOutput::setAudioSampleRate(int index) { setIndex(&AudioSampleRate, index, SAMPLE_RATE_COUNT); }

void DataGroupOutput::setVideoEncoderIndex(int index)
{
    if (index < 0 || index >= availableEncoders.size())
        return;
    VideoEncoderIndex = index;
    VideoEncoder = availableEncoders[index];
    emit valueChanged();
}
