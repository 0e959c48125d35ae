#include "meeting/VideoMemberItem.h"

#include "ui_VideoMemberItem.h"

#include "business/AddressBookRecords.h"
#include "call/CallAvatar.h"
#include "customui/KP_UI_UTIL.h"

VideoMemberItem::VideoMemberItem(QWidget* parent)
    : MeetingMemberItem(parent)
    , ui(new Ui::VideoMemberItem)
{
    ui->setupUi(this);
    ui->label_name->setFont(KP_UI_UTIL::getFontScale(14, false));
    bindControls(ui->label_name, ui->btn_mute, ui->btn_kickoff);
}

VideoMemberItem::~VideoMemberItem() = default;

void VideoMemberItem::showAvatar(const QSharedPointer<AddressBookPerson>& person)
{
    if (!person)
        return;
    // The picture replaces the default one the style draws behind the label.
    ui->label_headPic->setStyleSheet(QStringLiteral("border-image: none;"));
    ui->label_headPic->setPixmap(CallAvatar::picture(person, person->account(), ui->label_headPic->size()));
}

QString VideoMemberItem::kickText() const
{
    return tr("Kicked out of the meeting");
}
