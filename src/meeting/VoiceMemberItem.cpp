#include "meeting/VoiceMemberItem.h"

#include "ui_VoiceMemberItem.h"

#include "customui/KP_UI_UTIL.h"

VoiceMemberItem::VoiceMemberItem(QWidget* parent)
    : MeetingMemberItem(parent)
    , ui(new Ui::VoiceMemberItem)
{
    ui->setupUi(this);
    ui->label_name->setFont(KP_UI_UTIL::getFontScale(14, false));
    bindControls(ui->label_name, ui->btn_mute, ui->btn_kickoff);
}

VoiceMemberItem::~VoiceMemberItem() = default;

QString VoiceMemberItem::kickText() const
{
    return tr("Kicked out");
}
