#pragma once

#include <QWidget>
#include <memory>

namespace Ui {
class PPC_Minutes;
}

// The conference minutes page: a title, the "open for others" switch and the
// text of the minutes. Its owner keeps or sends nothing of it yet.
class PPC_Minutes : public QWidget
{
    Q_OBJECT

public:
    explicit PPC_Minutes(QWidget* parent = nullptr);
    ~PPC_Minutes() override;

signals:
    void sig_closePopupWgt();

private:
    std::unique_ptr<Ui::PPC_Minutes> ui;
};
