#pragma once

#include <QString>
#include <QWidget>

#include <memory>

namespace Ui {
class PPC_Invite;
}

// The older invitation page: members from the directory, a telephone number on
// the keypad, or the conference's share card. Deleted when it closes.
class PPC_Invite : public QWidget
{
    Q_OBJECT

public:
    // The ways Confirm reports.
    enum InviteWay : int { Way_None = -1, Way_Members = 0, Way_Telephone = 1, Way_Share = 2 };

    explicit PPC_Invite(QWidget* parent = nullptr);
    ~PPC_Invite() override;

signals:
    void sig_selectInviteWay(int nType);
    void sig_closePopupWgt();

public slots:
    void on_YesBtn_clicked();
    void on_NoBtn_clicked();
    void on_VoipInviteBtn_clicked();
    void on_CallInviteBtn_clicked();
    void on_ConfShareBtn_clicked();
    void slot_makeCall(QString number);

private:
    std::unique_ptr<Ui::PPC_Invite> ui;
};
