#pragma once

#include "customui/kp_customui_global.h"

#include <QQueue>
#include <QWidget>

#include <memory>

class QTimer;

namespace Ui {
class KpMsgTip;
}

// A transient tip: a dark rounded strip with white text that shows for
// ShowMs and goes away by itself. Tips given while one is on screen wait in
// a queue and follow one after another. When the queue is empty the tip
// closes (so a tip made with Qt::WA_DeleteOnClose deletes itself).
class KP_CUSTOMUI_EXPORT KpMsgTip : public QWidget
{
    Q_OBJECT
public:
    static constexpr int ShowMs = 2000;
    static constexpr int MaxQueued = 20;

    explicit KpMsgTip(QWidget* parent = nullptr);
    ~KpMsgTip() override;

    // Shows the text now when no tip is on screen, else queues it. Empty
    // texts and a repeat of the text on screen or last queued are dropped.
    void addMsgTip(const QString& text);

    // True while a tip is on screen.
    bool getTimerIsActive() const;

    QString currentText() const;
    int pendingCount() const { return m_queue.size(); }
    QTimer* showTimer() const { return m_timer; }

public slots:
    void slot_onTimeOut();

private:
    void showNext();

    std::unique_ptr<Ui::KpMsgTip> ui;
    QTimer* m_timer = nullptr;
    QQueue<QString> m_queue;
    bool m_placed = false;
};
