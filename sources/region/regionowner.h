#pragma once
// What the region frame and the custom size panel ask of their owner, the
// main window. Mirelo implements it; tests put a recorder in its place.
#include <QSize>

class RegionOwner
{
public:
    virtual ~RegionOwner() = default;
    // Shows or hides the main window's outer frame.
    virtual void setFrameVisible(bool visible) = 0;
    // A size typed in the custom size panel; commit is its OK.
    virtual void setCustomAreaSize(const QSize &size, bool commit) = 0;
};
