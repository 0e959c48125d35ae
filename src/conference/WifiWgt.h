#pragma once

#include "conference/ConferenceBubble.h"

#include <memory>

namespace Ui {
class WifiWgt;
}

// The network bubble under the title bar's network mark: the delay, the two
// loss rates and the quality they make.
class WifiWgt : public ConferenceBubble
{
    Q_OBJECT

public:
    explicit WifiWgt(QWidget* parent = nullptr);
    ~WifiWgt() override;

    // Negative figures are shown and judged as 0.
    void setDelay(int ms);
    void setSendLoss(double percent);
    void setRecvLoss(double percent);
    // The quality text and icon from the stored figures.
    void refresh();

    int delay() const { return m_delay; }
    int sendLoss() const { return m_sendLoss; }
    int recvLoss() const { return m_recvLoss; }

private:
    std::unique_ptr<Ui::WifiWgt> ui;
    int m_delay = 0;
    int m_sendLoss = 0;
    int m_recvLoss = 0;
};
