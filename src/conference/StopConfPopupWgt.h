#pragma once

#include "conference/ConferenceBubble.h"

#include <memory>

namespace Ui {
class StopConfPopupWgt;
}

// The toolbar's stop menu: end the conference (the host only) or leave it.
class StopConfPopupWgt : public ConferenceBubble
{
    Q_OBJECT

public:
    explicit StopConfPopupWgt(QWidget* parent = nullptr);
    ~StopConfPopupWgt() override;

    void setHost(bool host);

signals:
    void sig_stopConf();
    void sig_leaveConf();

private slots:
    void on_btn_stop_conf_clicked();
    void on_btn_leave_conf_clicked();

private:
    std::unique_ptr<Ui::StopConfPopupWgt> ui;
};
