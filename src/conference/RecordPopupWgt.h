#pragma once

#include "conference/ConferenceBubble.h"

#include <memory>

namespace Ui {
class RecordPopupWgt;
}

// The dark bubble under the recording mark: where the recording can be found.
class RecordPopupWgt : public ConferenceBubble
{
    Q_OBJECT

public:
    explicit RecordPopupWgt(QWidget* parent = nullptr);
    ~RecordPopupWgt() override;

private:
    std::unique_ptr<Ui::RecordPopupWgt> ui;
};
