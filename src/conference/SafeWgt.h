#pragma once

#include "conference/ConferenceBubble.h"

#include <memory>

class QTimer;
namespace Ui {
class SafeWgt;
}

// The dark bubble under the title bar's safety mark: the conference is
// encrypted. It goes by itself a few seconds after each showing.
class SafeWgt : public ConferenceBubble
{
    Q_OBJECT

public:
    static constexpr int kShownMs = 3000;

    explicit SafeWgt(QWidget* parent = nullptr);
    ~SafeWgt() override;

    // Called before each showing: the bubble stays for kShownMs from now.
    void refresh();
    QTimer* hideTimer() const { return m_hideTimer; }

private:
    std::unique_ptr<Ui::SafeWgt> ui;
    QTimer* m_hideTimer = nullptr;
};
