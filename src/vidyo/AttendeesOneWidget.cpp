#include "vidyo/AttendeesOneWidget.h"

#include "ui_AttendeesOneWidget.h"

#include "business/KP_BusinessView.h"
#include "common/AreaLog.h"
#include "customui/KP_UI_UTIL.h"
#include "customui/ScreenScale.h"
#include "policy/VidyoPolicy.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <QPixmap>

namespace {
// Where the profile is opened from, for the directory.
constexpr int kProfileFromMeeting = 2;

VidyoView* vidyoView()
{
    return KP_BusinessView::instance()->getVidyoView();
}
} // namespace

AttendeesOneWidget::AttendeesOneWidget(QWidget* parent)
    : QWidget(parent)
    , ui(new Ui::AttendeesOneWidget)
{
    ui->setupUi(this);
    ui->nameLabel->setFont(KP_UI_UTIL::getFontScale(14, false));
    ui->stateLabel->setFont(KP_UI_UTIL::getFontScale(12, false));
    connect(vidyoView(), &VidyoView::signal_setMemberSilenced, this, &AttendeesOneWidget::slot_setMemberSilenced);
    connect(ui->operateBtn, &QPushButton::clicked, this, &AttendeesOneWidget::slot_onOperateBtn);
    showMuted(false);
    ScreenScale::beginScale(this);
}

AttendeesOneWidget::~AttendeesOneWidget() = default;

QString AttendeesOneWidget::account() const
{
    return m_person ? m_person->account() : QString();
}

bool AttendeesOneWidget::isCurrentUser() const
{
    return m_person && m_person->account() == KP_BusinessView::instance()->getUserInfoView()->getCurUserAccount();
}

void AttendeesOneWidget::setPerson(const QSharedPointer<AddressBookPerson>& person, bool removable, bool muted)
{
    if (!person) {
        AreaLog::vidyo().LogInfo(QStringLiteral("AttendeesOneWidget::setPerson no person"));
        return;
    }
    m_person = person;
    const bool self = isCurrentUser();
    m_removable = removable && !self;
    ui->nameLabel->setText(person->displayName().isEmpty() ? person->account() : person->displayName());
    QPixmap head(person->headImagePath());
    const int side = ui->headLabel->minimumWidth();
    head = head.isNull()
        ? KP_UI_UTIL::getSelfDrawPicHead(person->displayName(), person->account(), side, side, false, 0, side / 3)
        : KP_UI_UTIL::PixmapToRound(head, side, side, side / 2);
    ui->headLabel->setPixmap(head);
    // Only whoever runs the meeting mutes others; nobody mutes themselves here.
    ui->operateBtn->setVisible(m_removable);
    showMuted(muted);
}

void AttendeesOneWidget::showMuted(bool muted)
{
    m_muted = muted;
    ui->operateBtn->setStyleSheet(VidyoPolicy::muteButtonStyle(muted));
    ui->stateLabel->setText(muted ? tr("Muted") : tr("In the meeting"));
}

void AttendeesOneWidget::slot_onOperateBtn()
{
    if (!m_person)
        return;
    vidyoView()->muteOnePersonOnMuteOrOff(m_person);
    showMuted(!m_muted);
}

void AttendeesOneWidget::slot_PersonInfo()
{
    if (m_person)
        KP_BusinessView::instance()->getAddressBookView()->showPersonInfo(m_person->account(), kProfileFromMeeting);
}

void AttendeesOneWidget::slot_RemoveOut()
{
    if (m_person)
        emit vidyoView()->signal_RemovedOutPerson(m_person);
}

void AttendeesOneWidget::slot_setMemberSilenced(QString memberAccount, bool isSilenced)
{
    if (m_person && memberAccount == m_person->account())
        showMuted(isSilenced);
}

void AttendeesOneWidget::contextMenuEvent(QContextMenuEvent* event)
{
    if (!m_person || isCurrentUser())
        return;
    if (!m_menu) {
        m_menu = new QMenu(this);
        m_menu->setFont(KP_UI_UTIL::getFontScale(14, false));
        m_menu->addAction(tr("Profile"), this, &AttendeesOneWidget::slot_PersonInfo);
        m_removeAction = m_menu->addAction(tr("Delete members"), this, &AttendeesOneWidget::slot_RemoveOut);
    }
    m_removeAction->setVisible(m_removable);
    m_menu->popup(event->globalPos());
    event->accept();
}
