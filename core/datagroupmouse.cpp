#include "datagroupmouse.h"

#include <QSettings>

DataGroupMouse::DataGroupMouse(QObject *parent)
    : QObject(parent)
{
    resetDefaults();
}

void DataGroupMouse::resetDefaults()
{
    CaptureMouseCursor = false;
    RecordMouseClicks = false;
    MouseClickColor = 0xff0000;
    MouseButtonIndex = 0;
    MouseAreaRadius = 15;
}

void DataGroupMouse::load(QSettings *s)
{
    s->beginGroup(QStringLiteral("Mouse"));
    CaptureMouseCursor = s->value(QStringLiteral("CaptureMouseCursor"), CaptureMouseCursor).toBool();
    RecordMouseClicks = s->value(QStringLiteral("RecordMouseClicks"), RecordMouseClicks).toBool();
    MouseClickColor = s->value(QStringLiteral("MouseClickColor"), MouseClickColor).toLongLong();
    MouseButtonIndex = s->value(QStringLiteral("MouseButtonIndex"), MouseButtonIndex).toInt();
    MouseAreaRadius = s->value(QStringLiteral("MouseAreaRadius"), MouseAreaRadius).toInt();
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
        && MouseClickColor == o->MouseClickColor && MouseButtonIndex == o->MouseButtonIndex
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
