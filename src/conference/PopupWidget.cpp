#include "conference/PopupWidget.h"

#include "ui_PopupWidget.h"

#include "business/KP_BusinessView.h"
#include "common/AreaLog.h"
#include "common/AreaStyle.h"
#include "conference/ConferenceQuestion.h"
#include "customui/KP_CustomStyle.h"
#include "customui/KP_UI_UTIL.h"
#include "members/PPC_Member.h"
#include "panels/MoreMenuChild.h"
#include "panels/NewPPC_Info.h"
#include "panels/PPC_Invite.h"
#include "panels/PPC_Chat.h"
#include "panels/PPC_Material.h"
#include "panels/PPC_Minutes.h"
#include "panels/PPC_ScreenLayout.h"

#include <QVBoxLayout>

namespace {
// The settings page has no form of its own to size it.
const QSize kSettingPageSize(313, 200);
} // namespace

PopupWidget::PopupWidget(QWidget* parent)
    : QDialog(parent)
    , ui(new Ui::PopupWidget)
{
    ui->setupUi(this);
    setWindowFlags(Qt::Tool | Qt::FramelessWindowHint);
    setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_DeleteOnClose);
    setFont(KP_UI_UTIL::getFontScale(14, false));

    const bool macTitle = KP_CustomStyle::getTitleStyle() == KP_CustomStyle::MacTitle;
    ui->minWinBtn->hide();
    ui->minMacBtn->hide();
    ui->closeWinBtn->setVisible(!macTitle);
    ui->closeMacBtn->setVisible(macTitle);
    for (QPushButton* minimise : { ui->minWinBtn, ui->minMacBtn })
        connect(minimise, &QPushButton::clicked, this, &PopupWidget::slot_hidePopupWgt);
    for (QPushButton* close : { ui->closeWinBtn, ui->closeMacBtn })
        connect(close, &QPushButton::clicked, this, &PopupWidget::slot_closePopupWgt);

    m_layoutPage = host<PPC_ScreenLayout>(ui->ScreenLayoutPage);
    connect(m_layoutPage, &PPC_ScreenLayout::sig_setScreenLayout, this, &PopupWidget::sig_setScreenLayout);
    m_materialPage = host<PPC_Material>(ui->MaterialPage);
    m_infoPage = host<NewPPC_Info>(ui->ConfInfoPage);
    m_minutesPage = host<PPC_Minutes>(ui->MinutesPage);
    m_memberPage = host<PPC_Member>(ui->MemberPage);
    m_chatPage = host<PPC_Chat>(ui->ChatPage);
    // The invite page hides itself as a window would; hosted, it shows with its page.
    m_invitePage = host<PPC_Invite>(ui->InvitePage);
    m_invitePage->show();
    ui->SettingPage->setFixedSize(kSettingPageSize);
    connect(
        ui->btn_audio_setting, &QPushButton::clicked, this, [this] { showDeviceSettings(MoreMenuChild::Page_Audio); });
    connect(
        ui->btn_video_setting, &QPushButton::clicked, this, [this] { showDeviceSettings(MoreMenuChild::Page_Video); });

    AreaStyle::finish(this, QStringLiteral("conference.qss"));
}

PopupWidget::~PopupWidget() = default;

template<typename Panel> Panel* PopupWidget::host(QWidget* page)
{
    auto* panel = new Panel(page);
    panel->setWindowFlags(Qt::Widget);
    panel->setAttribute(Qt::WA_DeleteOnClose, false);
    page->layout()->addWidget(panel);
    connect(panel, &Panel::sig_closePopupWgt, this, &PopupWidget::slot_closePopupWgt);
    return panel;
}

QString PopupWidget::title() const
{
    return ui->label_title->text();
}

void PopupWidget::setShowType(int type)
{
    const QString title = ConferencePopupPolicy::popupWidgetTitle(type);
    if (title.isEmpty()) {
        AreaLog::conference().LogDebug(
            QStringLiteral("PopupWidget::setShowType") + QStringLiteral(" PopupWidgetType = ") + QString::number(type));
        return;
    }
    m_type = type;
    ui->label_title->setText(title);
    const bool large = type == ConferencePopupPolicy::ScreenLayout || type == ConferencePopupPolicy::ConfInfo;
    ui->label_title->setFont(KP_UI_UTIL::getFontScale(large ? 16 : 14, false));
    ui->label_title->setStyleSheet(
        type == ConferencePopupPolicy::ScreenLayout ? ConferenceQuestion::titleStyle() : QString());

    const QString pageName = ConferencePopupPolicy::popupWidgetPage(type);
    if (pageName.isEmpty())
        return;
    auto* page = ui->stackedWidget->findChild<QWidget*>(pageName);
    if (type == ConferencePopupPolicy::Member)
        m_memberPage->slot_onGetConferenceMemberInfoList(
            KP_BusinessView::instance()->getUnifiedConferenceView()->getAllConferenceInfo());
    ui->stackedWidget->setCurrentWidget(page);
    // Only the page shown counts for the size: a hosted panel's own, or the page's.
    ui->stackedWidget->setFixedSize(page->minimumSize().isEmpty() ? page->minimumSizeHint() : page->minimumSize());
    adjustSize();
}

void PopupWidget::setConferenceInfo(const ConferenceBriefInfo& info)
{
    m_info = info;
    m_infoPage->slot_updateConferenceInfo(info);
}

void PopupWidget::setHost(bool host)
{
    m_isHost = host;
    m_infoPage->setHost(host);
    m_materialPage->setHost(host);
    m_memberPage->setIsHost(host);
}

void PopupWidget::setLayoutType(int type)
{
    if (m_type == ConferencePopupPolicy::ScreenLayout)
        m_layoutPage->setScreenLayout(type);
}

void PopupWidget::setSharing(bool) { }

void PopupWidget::slot_hidePopupWgt()
{
    hide();
}

void PopupWidget::slot_closePopupWgt()
{
    hide();
}

void PopupWidget::showDeviceSettings(int devicePage)
{
    hide();
    // The dialog outlives this pop-up: its opener deletes the pop-up once it is hidden.
    if (!m_deviceSettings) {
        m_deviceSettings = new MoreMenuChild(parentWidget(), MoreMenuChild::Mode_AllDevices);
        m_deviceSettings->setAttribute(Qt::WA_DeleteOnClose);
    }
    m_deviceSettings->showPage(devicePage);
    m_deviceSettings->show();
    m_deviceSettings->raise();
}
