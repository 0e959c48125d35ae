#include "conference/Popup_Common_Widget.h"

#include "ui_Popup_Common_Widget.h"

#include "common/AreaLog.h"
#include "common/AreaStyle.h"
#include "conference/ConferenceQuestion.h"
#include "customui/KP_UI_UTIL.h"

Popup_Common_Widget::Popup_Common_Widget(QWidget* parent)
    : MoveWidget(parent, false)
    , ui(new Ui::Popup_Common_Widget)
{
    qRegisterMetaType<Popup_Common_Widget_Type>("Popup_Common_Widget_Type");
    ui->setupUi(this);
    ConferenceQuestion::setUpWindow(this, ui->widget_title, ui->label_title);
    ui->label_first->setFont(KP_UI_UTIL::getFontScale(16, false));
    ui->label_second->setFont(KP_UI_UTIL::getFontScale(14, false));
    for (QWidget* button : { ui->btn_ok, ui->btn_ignore, ui->btn_other })
        button->setFont(KP_UI_UTIL::getFontScale(16, false));

    AreaStyle::finish(this, QStringLiteral("conference.qss"));
}

Popup_Common_Widget::~Popup_Common_Widget() = default;

void Popup_Common_Widget::setType(Popup_Common_Widget_Type type)
{
    m_type = type;
    const ConferencePopupPolicy::CommonPopupTexts texts = ConferencePopupPolicy::commonPopupTexts(type);
    if (!texts.known) {
        AreaLog::conference().LogDebug(QStringLiteral("Popup_Common_Widget::setType unknown type %1").arg(type));
        return;
    }
    // Modality takes effect on the next showing only while hidden.
    const bool shown = isVisible();
    if (shown)
        hide();
    setWindowModality(texts.applicationModal ? Qt::ApplicationModal : Qt::WindowModal);
    if (shown)
        show();
    ui->label_first->setText(texts.first);
    ui->label_second->setText(texts.second);
    ui->label_second->setVisible(!texts.second.isEmpty());
    ui->btn_ok->setText(texts.ok);
    ui->btn_ignore->setText(texts.ignore);
    ui->btn_other->setText(texts.other);
    ui->btn_other->setVisible(!texts.other.isEmpty());
    adjustSize();
}

void Popup_Common_Widget::on_btn_ok_clicked()
{
    emit sig_onAccept(Popup_Common_Widget_Type(ConferencePopupPolicy::acceptedCommonType(m_type)));
    close();
}

void Popup_Common_Widget::on_btn_ignore_clicked()
{
    emit sig_onIgnore(Popup_Common_Widget_Type(m_type));
    close();
}

void Popup_Common_Widget::on_btn_other_clicked()
{
    emit sig_onOther(Popup_Common_Widget_Type(m_type));
    close();
}

void Popup_Common_Widget::on_btnClose_clicked()
{
    close();
}
