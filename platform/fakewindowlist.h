#pragma once
// The window list of tests.
#include "windowlist.h"

// A list set by the test.
class FakeWindowList : public WindowList
{
public:
    FakeWindowList();  // installs itself
    ~FakeWindowList() override;
    QVector<WindowListEntry> windows(const QVector<quint32> &) override { return entries; }
    QVector<WindowListEntry> entries;
};
