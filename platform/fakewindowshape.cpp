#include "fakewindowshape.h"

FakeWindowShape::FakeWindowShape()
{
    WindowShape::setInstance(this);
}

FakeWindowShape::~FakeWindowShape()
{
    if (WindowShape::instance() == this)
        WindowShape::setInstance(nullptr);
}

void FakeWindowShape::setInputRegion(QWindow *window, const QRegion &region)
{
    lastWindow = window;
    input = region;
    ++inputCalls;
}

void FakeWindowShape::setBoundingRegion(QWindow *window, const QRegion &region)
{
    lastWindow = window;
    bounding = region;
    boundingSet = true;
}

void FakeWindowShape::clearBoundingRegion(QWindow *window)
{
    lastWindow = window;
    bounding = QRegion();
    boundingSet = false;
}
