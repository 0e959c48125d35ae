#pragma once

#include "meeting/MeetingMemberItem.h"

#include <memory>

namespace Ui {
class VoiceMemberItem;
}

// One member row of the voice meeting's member list.
class VoiceMemberItem : public MeetingMemberItem
{
    Q_OBJECT

public:
    explicit VoiceMemberItem(QWidget* parent = nullptr);
    ~VoiceMemberItem() override;

protected:
    // The row keeps the form's default picture.
    void showAvatar(const QSharedPointer<AddressBookPerson>&) override { }
    QString kickText() const override;

private:
    std::unique_ptr<Ui::VoiceMemberItem> ui;
};
