#pragma once

#include "video/ConfSmartBaseVideoPlayWgt.h"

// A tile of the voice-conference nine-grid (pool of 9): transparent, with an
// avatar that fills the tile.
class ConfSmartVideoPlay9Wgt : public ConfSmartBaseVideoPlayWgt
{
    Q_OBJECT

public:
    explicit ConfSmartVideoPlay9Wgt(QWidget* parent = nullptr);
};
