#include "enginerecords.h"

#include "datagroupmouse.h"
#include "datagroupoutput.h"
#include "globaldefs.h"

#include <cstring>

MireloCaptureRect engineCaptureRect(const QRect &rect, bool cutToEven)
{
    int width = rect.width();
    int height = rect.height();
    if (cutToEven) {
        width &= ~1;
        height &= ~1;
    }
    return MireloCaptureRect{rect.left(), rect.top(), rect.left() + width, rect.top() + height};
}

int engineColor(qlonglong rgb)
{
    const int r = int((rgb >> 16) & 0xff);
    const int g = int((rgb >> 8) & 0xff);
    const int b = int(rgb & 0xff);
    return (b << 16) | (g << 8) | r;
}

int engineColor(const QColor &color)
{
    return engineColor(qlonglong(color.rgb() & 0xffffff));
}

void fillRecordSettings(RecordSettings *s, const DataGroupOutput *output, const DataGroupMouse *mouse)
{
    s->videoFormat = output->VideoFormat;
    s->hardwareEncoder = output->videoEncoderFlag();
    s->frameRate = output->frameRateValue();
    s->videoQuality = output->VideoQuality;
    s->sampleRate = output->sampleRateValue();
    s->audioQuality = output->AudioQuality;
    s->captureCursor = mouse->CaptureMouseCursor;
    s->recordClicks = mouse->RecordMouseClicks;
    s->clickColor = mouse->MouseClickColor;
    s->clickRadius = mouse->MouseAreaRadius;
}

RecordParamsBlock::RecordParamsBlock()
{
    std::memset(&m_params, 0, sizeof m_params);
}

void RecordParamsBlock::fill(const RecordSettings &s)
{
    std::memset(&m_params, 0, sizeof m_params);
    m_path = s.filePath.toUtf8();
    m_params.filePath = m_path.data();
    m_params.audioSources = (s.systemSound ? DEVICE_SYSTEM_SOUND : 0) | (s.microphone ? DEVICE_MICROPHONE : 0);
    m_params.fixedCode = 2;
    m_params.sampleRate = s.sampleRate;
    m_params.audioQuality = s.audioQuality;
    m_params.textWatermark = s.textWatermark ? 1 : 0;
    m_params.imageWatermark = s.imageWatermark ? 1 : 0;
    if (s.audioOnly) {
        // The video fields, the stream code and the mouse fields stay 0.
        m_params.audioOnly = 1;
        return;
    }
    const bool alternative = s.videoFormat == 8 || s.videoFormat == 9;
    m_params.formatCode = alternative ? 2 : 0;
    m_params.streamCode = alternative ? 5 : 3;
    m_params.hardwareEncoder = s.hardwareEncoder;
    m_params.width = s.captureSize.width();
    m_params.height = s.captureSize.height();
    m_params.frameRate = s.frameRate;
    m_params.videoQuality = s.videoQuality;
    m_params.captureCursor = s.captureCursor ? 1 : 0;
    m_params.recordClicks = s.recordClicks ? 1 : 0;
    m_params.clickColor = engineColor(s.clickColor);
    m_params.clickRadius = s.clickRadius;
    m_params.sourceKind = s.sourceKind;
}

WatermarkParamsBlock::WatermarkParamsBlock()
{
    clear();
}

void WatermarkParamsBlock::clear()
{
    std::memset(&m_params, 0, sizeof m_params);
    m_imagePath.clear();
    m_fontFamily.clear();
    m_text.clear();
}

void WatermarkParamsBlock::fill(const WatermarkSettings &s)
{
    clear();
    if (s.kind != WATERMARK_IMAGE && s.kind != WATERMARK_TEXT)
        return;
    m_params.left = s.rect.left();
    m_params.top = s.rect.top();
    m_params.right = s.rect.right() + 1;
    m_params.bottom = s.rect.bottom() + 1;
    if (s.kind == WATERMARK_IMAGE) {
        m_params.kind = MIRELO_WATERMARK_IMAGE;
        m_imagePath = s.imagePath.toStdU16String();
        m_params.imagePath = m_imagePath.data();
    } else {
        m_params.kind = MIRELO_WATERMARK_TEXT;
        m_params.fontPointSize = s.font.pointSize();
        m_fontFamily = s.font.family().toStdU16String();
        m_params.fontFamily = m_fontFamily.data();
        m_params.bold = s.font.weight() >= 58 ? 1 : 0;
        m_params.italic = s.font.style() != QFont::StyleNormal ? 1 : 0;
        m_params.underline = s.font.underline() ? 1 : 0;
        m_params.strikeOut = s.font.strikeOut() ? 1 : 0;
        m_params.textColor = engineColor(s.color);
        m_text = s.text.toStdU16String();
        m_params.text = m_text.data();
    }
    m_params.transparency = float(255 - qBound(0, s.alpha, 255)) / 255.0f;
}
