#pragma once

#include "customui/MoveWidget.h"

#include <memory>

class QTimer;

namespace Ui {
class ConferenceTipWidget;
}

// The short notice "Pay attention to the phone call" with three animated dots,
// shown after the conference was moved to the user's mobile phone. Created
// without parent; it closes (and deletes) itself after five seconds.
class ConferenceTipWidget : public MoveWidget
{
    Q_OBJECT

public:
    explicit ConferenceTipWidget(QWidget* parent = nullptr);
    ~ConferenceTipWidget() override;

    QTimer* animationTimer() const { return m_animationTimer; }
    QTimer* lifetimeTimer() const { return m_lifetimeTimer; }

public slots:
    void slot_closeBtn_clicked();
    void slot_Animation_timeout();

private:
    std::unique_ptr<Ui::ConferenceTipWidget> ui;
    QTimer* m_animationTimer = nullptr;
    QTimer* m_lifetimeTimer = nullptr;
    int m_frameCounter = 0;
};
