#pragma once

#include <QDialog>
#include <QString>

#include <memory>

namespace Ui {
class ComConfirmDlg;
}

// A notice with a warning sign and one button, sized by its caller.
class ComConfirmDlg : public QDialog
{
    Q_OBJECT

public:
    ComConfirmDlg(const QString& title, const QString& content, int width, int height, QWidget* parent = nullptr);
    ~ComConfirmDlg() override;

private slots:
    void on_btn_confirm_clicked();

private:
    std::unique_ptr<Ui::ComConfirmDlg> ui;
};
