#pragma once

#include "common/kp_mediaconfui_global.h"

#include <QTimer>
#include <QWidget>
#include <memory>

namespace Ui {
class MessageNotice;
}

// A translucent, always-on-top toast that shows one line of text for two seconds.
class KP_MEDIACONFUI_EXPORT MessageNotice : public QWidget
{
    Q_OBJECT

public:
    explicit MessageNotice(QWidget* parent = nullptr);
    ~MessageNotice() override;

    void SetMessageNotice(QString text);

protected:
    void closeEvent(QCloseEvent* event) override;

private slots:
    void slot_TimeOut();

private:
    void InitConnect();

    std::unique_ptr<Ui::MessageNotice> ui;
    QTimer m_timer;
};
