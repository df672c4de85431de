#include "fakewindowlist.h"

FakeWindowList::FakeWindowList()
{
    WindowList::setInstance(this);
}

FakeWindowList::~FakeWindowList()
{
    if (WindowList::instance() == this)
        WindowList::setInstance(nullptr);
}
