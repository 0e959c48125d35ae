#include "panels/InviteChoiceWgt.h"

#include "ui_InviteChoiceWgt.h"

#include "common/AreaStyle.h"
#include "customui/KP_UI_UTIL.h"
#include "panels/PanelShadow.h"

#include <QEvent>

InviteChoiceWgt::InviteChoiceWgt(QWidget* parent)
    : QWidget(parent)
    , ui(new Ui::InviteChoiceWgt)
{
    ui->setupUi(this);
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    setAttribute(Qt::WA_TranslucentBackground);
    addPanelShadow(ui->wgt_bg);
    const QFont font = KP_UI_UTIL::getFontScale(14, false);
    ui->btn_invite_phone->setFont(font);
    ui->btn_choice_members->setFont(font);
    AreaStyle::finish(this, QStringLiteral("conference.qss"));
}

InviteChoiceWgt::~InviteChoiceWgt() = default;

void InviteChoiceWgt::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    // Clicking anywhere else dismisses the choice, as a menu would.
    if (event->type() == QEvent::ActivationChange && isVisible() && !isActiveWindow())
        hide();
}

void InviteChoiceWgt::on_btn_invite_phone_clicked()
{
    hide();
    emit sig_invite_phone();
}

void InviteChoiceWgt::on_btn_choice_members_clicked()
{
    hide();
    emit sig_choice_members();
}
