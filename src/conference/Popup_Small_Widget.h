#pragma once

#include "customui/MoveWidget.h"
#include "policy/ConferencePopupPolicy.h"

#include <memory>

namespace Ui {
class Popup_Small_Widget;
}

using Popup_Small_Widget_Type = ConferencePopupPolicy::Popup_Small_Widget_Type;

// The conference window's notices about the meeting lock, one page per type:
// lock the meeting (0), joining refused (1), inviting refused with the offer
// to unlock (2) or without (3), and the end of polling (5). Created once by the
// window and set again before each showing.
class Popup_Small_Widget : public MoveWidget
{
    Q_OBJECT

public:
    explicit Popup_Small_Widget(QWidget* parent = nullptr);
    ~Popup_Small_Widget() override;

    // Shows the type's page; a type without one is logged and changes nothing.
    void setShowType(Popup_Small_Widget_Type type);
    int showType() const { return m_type; }
    // The user locked the meeting here / unlocked it to invite.
    bool lockedByMe() const { return m_lockedByMe; }
    bool unlockedForInvite() const { return m_unlockedForInvite; }

signals:
    void sig_conflock(bool conflock);
    void sig_stoppolling();
    void sig_Host_invite(bool hostinvite);

private slots:
    void on_btnOk_clicked();
    void on_btnOk_3_clicked();
    void on_btnOk_2_clicked();
    void on_btnClose_clicked();
    void on_btnCancel_clicked();
    void on_btnOk_NoConf_clicked();
    void on_btnCancel_3_clicked();
    void on_btnOk_4_clicked();
    void on_btnCancel_2_clicked();

private:
    std::unique_ptr<Ui::Popup_Small_Widget> ui;
    int m_type = -1;
    bool m_lockedByMe = false;
    bool m_unlockedForInvite = false;
};
