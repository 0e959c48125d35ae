#pragma once

#include "meeting/MeetingMemberItem.h"

#include <memory>

namespace Ui {
class VideoMemberItem;
}

// One member row of the video meeting's member list: the voice row with the
// person's picture.
class VideoMemberItem : public MeetingMemberItem
{
    Q_OBJECT

public:
    explicit VideoMemberItem(QWidget* parent = nullptr);
    ~VideoMemberItem() override;

protected:
    void showAvatar(const QSharedPointer<AddressBookPerson>& person) override;
    QString kickText() const override;

private:
    std::unique_ptr<Ui::VideoMemberItem> ui;
};
