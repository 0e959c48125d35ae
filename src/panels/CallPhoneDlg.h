#pragma once

#include <QDialog>
#include <QString>

#include <memory>

namespace Ui {
class CallPhoneDlg;
}

// The number dialog of the conference window's telephone invitation: digits
// only, confirmable from 10 digits. Every button hides it; the conference
// window keeps it for the next invitation.
class CallPhoneDlg : public QDialog
{
    Q_OBJECT

public:
    explicit CallPhoneDlg(QWidget* parent = nullptr);
    ~CallPhoneDlg() override;

    void setTexts(const QString& title, const QString& placeholder, const QString& okText, const QString& cancelText);
    void clearNumber();

signals:
    void sig_okClicked(QString sPhoneNum);
    void sig_closeClicked();
    void sig_cancelClicked();

private slots:
    void on_btn_ok_clicked();
    void on_btn_close_clicked();
    void on_btn_cancel_clicked();
    void slot_textChanged(const QString& text);

private:
    std::unique_ptr<Ui::CallPhoneDlg> ui;
};
