#pragma once

// What the region frame asks of the application: the custom size panel.
class RegionRequests
{
public:
    static RegionRequests *instance();

    // One-shot flag: the region frame asked for the custom size panel.
    virtual void setCustomAreaRequested(bool) {}
    virtual bool customAreaRequested() const { return false; }
    // Opens the main window's custom size panel.
    virtual void showCustomSelectArea() {}

protected:
    ~RegionRequests() = default;
};
