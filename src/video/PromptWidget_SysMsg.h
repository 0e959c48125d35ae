#pragma once

#include <QStringList>
#include <QWidget>

#include <memory>

class QTimer;
namespace Ui {
class PromptWidget_SysMsg;
}

// The strip over the bottom-left of the video area that shows the
// conference's system messages one after another, each for two seconds.
class PromptWidget_SysMsg : public QWidget
{
    Q_OBJECT

public:
    explicit PromptWidget_SysMsg(QWidget* parent = nullptr);
    ~PromptWidget_SysMsg() override;

    // Immediate: shown at once. Otherwise queued behind the messages waiting.
    void addMessage(const QString& text, bool immediate);

    QString currentText() const;
    QStringList queuedMessages() const { return m_queue; }
    QTimer* timer() const { return m_timer; }

    static constexpr int kShowMs = 2000;
    // A queue longer than this is stale: it is dropped before the next append.
    static constexpr int kMaxQueued = 500;

public slots:
    void slot_timeout();

private:
    void showNext();

    std::unique_ptr<Ui::PromptWidget_SysMsg> ui;
    QTimer* m_timer;
    QStringList m_queue;
};
