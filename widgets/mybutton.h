#pragma once
// The skinned push button that forms place; style sheets select on its class.

#include "cpushbutton.h"

class MyButton : public CPushButton
{
    Q_OBJECT
public:
    using CPushButton::CPushButton;
};
