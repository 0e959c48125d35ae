#pragma once

#include "business/ConferenceRecords.h"
#include "customui/MoveWidget.h"

#include <memory>

namespace Ui {
class PPC_QuickInvite;
}

// The dial pad that invites one telephone number into the conference. The
// conference window creates it without parent and shows it again for every
// invitation; it closes after each one.
class PPC_QuickInvite : public MoveWidget
{
    Q_OBJECT

public:
    explicit PPC_QuickInvite(QWidget* parent = nullptr);
    ~PPC_QuickInvite() override;

    // The invitation sent last.
    const LandingCallMemberMap& invitation() const { return m_invitation; }

public slots:
    void on_btn_Close_clicked();
    void slot_ClickNumber();
    void slot_ClickDeleteNum();
    void slot_ClickNumberInvite();
    void slot_TextChanged(QString text);

private:
    std::unique_ptr<Ui::PPC_QuickInvite> ui;
    LandingCallMemberMap m_invitation;
};
