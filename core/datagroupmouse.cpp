#include "datagroupmouse.h"

#include "settingsrange.h"

#include <QSettings>

namespace {

// Red. The settings dialog stores 0xAARRGGBB with alpha 255; a plain
// 0xRRGGBB (the default, older files) is the same colour.
const RangedKey kClickColor{"MouseClickColor", 0xff0000, 0, 0xffffffff};
const RangedKey kButtonIndex{"MouseButtonIndex", 0, 0, 3};            // four colour buttons
const RangedKey kAreaRadius{"MouseAreaRadius", 15, 3, 50};            // the dialog's slider

} // namespace

DataGroupMouse::DataGroupMouse(QObject *parent)
    : QObject(parent)
{
    resetDefaults();
}

void DataGroupMouse::resetDefaults()
{
    CaptureMouseCursor = false;
    RecordMouseClicks = false;
    MouseClickColor = kClickColor.defaultValue;
    MouseButtonIndex = int(kButtonIndex.defaultValue);
    MouseAreaRadius = int(kAreaRadius.defaultValue);
}

void DataGroupMouse::load(QSettings *s)
{
    s->beginGroup(QStringLiteral("Mouse"));
    CaptureMouseCursor = s->value(QStringLiteral("CaptureMouseCursor"), CaptureMouseCursor).toBool();
    RecordMouseClicks = s->value(QStringLiteral("RecordMouseClicks"), RecordMouseClicks).toBool();
    MouseClickColor = readRanged(s, kClickColor, MouseClickColor);
    MouseButtonIndex = int(readRanged(s, kButtonIndex, MouseButtonIndex));
    MouseAreaRadius = int(readRanged(s, kAreaRadius, MouseAreaRadius));
    s->endGroup();
}

void DataGroupMouse::save(QSettings *s) const
{
    s->beginGroup(QStringLiteral("Mouse"));
    s->setValue(QStringLiteral("CaptureMouseCursor"), CaptureMouseCursor);
    s->setValue(QStringLiteral("RecordMouseClicks"), RecordMouseClicks);
    s->setValue(QStringLiteral("MouseClickColor"), MouseClickColor);
    s->setValue(QStringLiteral("MouseButtonIndex"), MouseButtonIndex);
    s->setValue(QStringLiteral("MouseAreaRadius"), MouseAreaRadius);
    s->endGroup();
}

bool DataGroupMouse::equals(const DataGroupMouse *o) const
{
    return CaptureMouseCursor == o->CaptureMouseCursor && RecordMouseClicks == o->RecordMouseClicks
        && (MouseClickColor & 0xffffff) == (o->MouseClickColor & 0xffffff) && MouseButtonIndex == o->MouseButtonIndex
        && MouseAreaRadius == o->MouseAreaRadius;
}

void DataGroupMouse::copyFrom(const DataGroupMouse *o)
{
    CaptureMouseCursor = o->CaptureMouseCursor;
    RecordMouseClicks = o->RecordMouseClicks;
    MouseClickColor = o->MouseClickColor;
    MouseButtonIndex = o->MouseButtonIndex;
    MouseAreaRadius = o->MouseAreaRadius;
}

void DataGroupMouse::setCaptureMouseCursor(bool value)
{
    CaptureMouseCursor = value;
    emit valueChanged();
}

void DataGroupMouse::setRecordMouseClicks(bool value)
{
    RecordMouseClicks = value;
    emit valueChanged();
}

void DataGroupMouse::setMouseClickColor(long long value)
{
    MouseClickColor = value;
    emit valueChanged();
}

void DataGroupMouse::setColorButtonIndex(int value)
{
    MouseButtonIndex = value;
    emit valueChanged();
}

void DataGroupMouse::setMouseAreaRadius(int value)
{
    MouseAreaRadius = value;
    emit valueChanged();
}
