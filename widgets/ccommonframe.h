#pragma once
// The frame class the program builds on (its outer frame derives from it).

#include "cwindowsframe.h"

class CCommonFrame : public CWindowsFrame
{
    Q_OBJECT
public:
    CCommonFrame(QWidget *content, QWidget *parent, FrameTypes types, const QPixmap &icon,
                 int screenIndex = 0, int titlePosition = 0)
        : CWindowsFrame(content, parent, types, icon, titlePosition, screenIndex)
    {
    }
};
