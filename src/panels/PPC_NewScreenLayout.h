#pragma once

#include "customui/MoveWidget.h"

#include <memory>

namespace Ui {
class PPC_NewScreenLayout;
}

// A bare layout sheet: it shows the six layouts and every button only closes it.
class PPC_NewScreenLayout : public MoveWidget
{
    Q_OBJECT

public:
    explicit PPC_NewScreenLayout(QWidget* parent = nullptr);
    ~PPC_NewScreenLayout() override;

private slots:
    void on_btnCancel_clicked();
    void on_btnClose_clicked();
    void on_btnOk_clicked();

private:
    std::unique_ptr<Ui::PPC_NewScreenLayout> ui;
};
