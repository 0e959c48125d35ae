#include "conference/Popup_Small_Widget.h"

#include "ui_Popup_Small_Widget.h"

#include "common/AreaLog.h"
#include "common/AreaStyle.h"
#include "customui/KP_UI_UTIL.h"
#include "customui/ScreenScale.h"

#include <QLabel>
#include <QPushButton>

namespace {
const char* const kTitleStyle = "font-weight:500;color:rgba(51,51,51,1);line-height:22px";
} // namespace

Popup_Small_Widget::Popup_Small_Widget(QWidget* parent)
    : MoveWidget(parent, false)
    , ui(new Ui::Popup_Small_Widget)
{
    ui->setupUi(this);
    setWindowFlags(Qt::Tool | Qt::FramelessWindowHint);
    setAttribute(Qt::WA_TranslucentBackground);
    setWindowModality(Qt::WindowModal);
    setFramePainted(false);
    setMovableHeight(ui->wgt_title->height());

    ui->TitleLbl->setFont(KP_UI_UTIL::getFontScale(18, false));
    ui->TitleLbl->setStyleSheet(QLatin1String(kTitleStyle));
    for (QLabel* text : ui->stackedWidget_3->findChildren<QLabel*>())
        text->setFont(KP_UI_UTIL::getFontScale(16, false));
    for (QPushButton* button : ui->stackedWidget_3->findChildren<QPushButton*>())
        button->setFont(KP_UI_UTIL::getFontScale(14, false));

    ensurePolished();
    AreaStyle::apply(this, QStringLiteral("conference.qss"));
    ScreenScale::beginScale(this);
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
