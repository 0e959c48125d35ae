#pragma once

#include <QWidget>

#include <memory>

namespace Ui {
class InviteChoiceWgt;
}

// The two ways of the side panel's invite button: a telephone number or
// members from the directory. Created once by the conference window; it hides
// after a choice and whenever another window becomes active.
class InviteChoiceWgt : public QWidget
{
    Q_OBJECT

public:
    explicit InviteChoiceWgt(QWidget* parent = nullptr);
    ~InviteChoiceWgt() override;

signals:
    void sig_invite_phone();
    void sig_choice_members();

protected:
    void changeEvent(QEvent* event) override;

private slots:
    void on_btn_invite_phone_clicked();
    void on_btn_choice_members_clicked();

private:
    std::unique_ptr<Ui::InviteChoiceWgt> ui;
};
