#include "conference/Popup_Small_Widget.h"

#include "ui_Popup_Small_Widget.h"

#include "common/AreaLog.h"
#include "common/AreaStyle.h"
#include "conference/ConferenceQuestion.h"
#include "customui/KP_UI_UTIL.h"

#include <QLabel>
#include <QPushButton>

Popup_Small_Widget::Popup_Small_Widget(QWidget* parent)
    : MoveWidget(parent, false)
    , ui(new Ui::Popup_Small_Widget)
{
    ui->setupUi(this);
    ConferenceQuestion::setUpWindow(this, ui->wgt_title, ui->TitleLbl);
    for (QLabel* text : ui->stackedWidget_3->findChildren<QLabel*>())
        text->setFont(KP_UI_UTIL::getFontScale(16, false));
    for (QPushButton* button : ui->stackedWidget_3->findChildren<QPushButton*>())
        button->setFont(KP_UI_UTIL::getFontScale(14, false));

    AreaStyle::finish(this, QStringLiteral("conference.qss"));
}

Popup_Small_Widget::~Popup_Small_Widget() = default;

void Popup_Small_Widget::setShowType(Popup_Small_Widget_Type type)
{
    const QString pageName = ConferencePopupPolicy::smallPopupPage(type);
    QWidget* page = pageName.isEmpty() ? nullptr : ui->stackedWidget_3->findChild<QWidget*>(pageName);
    if (!page) {
        AreaLog::conference().LogInfo(QStringLiteral("Popup_Small_Widget::setShowType")
            + QStringLiteral(" Popup_Small_Widget_Type = ") + QString::number(type));
        return;
    }
    m_type = type;
    ui->stackedWidget_3->setCurrentWidget(page);
}

void Popup_Small_Widget::on_btnOk_clicked()
{
    m_lockedByMe = true;
    emit sig_conflock(true);
    close();
}

void Popup_Small_Widget::on_btnOk_3_clicked()
{
    m_unlockedForInvite = true;
    emit sig_Host_invite(true);
    close();
}

void Popup_Small_Widget::on_btnOk_2_clicked()
{
    emit sig_stoppolling();
    close();
}

void Popup_Small_Widget::on_btnClose_clicked()
{
    close();
}

void Popup_Small_Widget::on_btnCancel_clicked()
{
    close();
}

void Popup_Small_Widget::on_btnOk_NoConf_clicked()
{
    close();
}

void Popup_Small_Widget::on_btnCancel_3_clicked()
{
    close();
}

void Popup_Small_Widget::on_btnOk_4_clicked()
{
    close();
}

void Popup_Small_Widget::on_btnCancel_2_clicked()
{
    close();
}
