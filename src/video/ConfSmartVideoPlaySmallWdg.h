#pragma once

#include "video/ConfSmartBaseVideoPlayWgt.h"

// A tile of the conference grid (pool of 25): dark grey surface and avatar panel.
class ConfSmartVideoPlaySmallWdg : public ConfSmartBaseVideoPlayWgt
{
    Q_OBJECT

public:
    explicit ConfSmartVideoPlaySmallWdg(QWidget* parent = nullptr);
};
