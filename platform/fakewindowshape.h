#pragma once
// The window shapes of tests.
#include "windowshape.h"

#include <QRegion>

// Remembers the last regions per window; compositing as the test says.
class FakeWindowShape : public WindowShape
{
public:
    FakeWindowShape();  // installs itself
    ~FakeWindowShape() override;
    void setInputRegion(QWindow *window, const QRegion &region) override;
    void setBoundingRegion(QWindow *window, const QRegion &region) override;
    void clearBoundingRegion(QWindow *window) override;
    bool compositingManagerRunning() override { return compositing; }
    void sync() override { ++syncs; }

    bool compositing = true;
    int syncs = 0;
    int inputCalls = 0;
    QWindow *lastWindow = nullptr;
    QRegion input;
    QRegion bounding; // empty: not shaped
    bool boundingSet = false;
};
