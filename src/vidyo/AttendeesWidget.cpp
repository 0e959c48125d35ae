#include "vidyo/AttendeesWidget.h"

#include "ui_AttendeesWidget.h"

#include "business/KP_BusinessView.h"
#include "common/AreaLog.h"
#include "customui/KP_UI_UTIL.h"
#include "policy/VidyoPolicy.h"
#include "vidyo/AttendeesOneWidget.h"

#include <QHash>
#include <QTimer>

namespace {
VidyoView* vidyoView()
{
    return KP_BusinessView::instance()->getVidyoView();
}
} // namespace

AttendeesWidget::AttendeesWidget(QWidget* parent)
    : QWidget(parent)
    , ui(new Ui::AttendeesWidget)
{
    ui->setupUi(this);
    ui->personCountLabel->setFont(KP_UI_UTIL::getFontScale(14, false));
    ui->inviteLabel->setFont(KP_UI_UTIL::getFontScale(14, false));
    ui->muteAllBtn->setFont(KP_UI_UTIL::getFontScale(12, false));
    ui->attendeesListWidget->setSelectionMode(QAbstractItemView::NoSelection);
    ui->personCountLabel->setText(tr("Members:(0/20)"));
    hideAllRows();

    m_muteAllTimer = new QTimer(this);
    m_muteAllTimer->setObjectName(QStringLiteral("muteAllTimer"));
    m_muteAllTimer->setSingleShot(true);
    m_muteAllTimer->setInterval(VidyoPolicy::kMuteAllPauseMs);
    connect(m_muteAllTimer, &QTimer::timeout, this, &AttendeesWidget::slot_onSingleShot);

    connect(ui->inviteBtn, &QPushButton::clicked, this, &AttendeesWidget::slot_onInvite);
    connect(
        vidyoView(), &VidyoView::signal_RoomPersonCountChanged, this, &AttendeesWidget::slot_onRoomPersonCountChanged);
    connect(ui->muteAllBtn, &QPushButton::clicked, this, &AttendeesWidget::slot_onMuteAllBtn);
    // The white of the list is drawn from the area's style sheet.
    setAttribute(Qt::WA_StyledBackground);
}

AttendeesWidget::~AttendeesWidget() = default;

void AttendeesWidget::setAttendeesWidget(int mode)
{
    AreaLog::vidyo().LogDebug(QStringLiteral("AttendeesWidget::setAttendeesWidget %1").arg(mode));
    m_mode = mode == 1 ? 1 : 0;
    const bool ownMeeting = m_mode == 0;
    ui->attendeesTitle->show();
    ui->personCountLabel->show();
    ui->muteAllBtn->show();
    ui->attendeesListWidget->show();
    ui->inviteWidget->setVisible(ownMeeting);
    ui->inviteBtn->setVisible(ownMeeting);
    ui->inviteLabel->setVisible(ownMeeting);
}

AttendeesWidget::Row AttendeesWidget::rowAt(int index)
{
    while (m_rows.size() <= index) {
        auto* item = new QListWidgetItem(ui->attendeesListWidget);
        auto* widget = new AttendeesOneWidget(ui->attendeesListWidget);
        item->setSizeHint(widget->sizeHint());
        ui->attendeesListWidget->setItemWidget(item, widget);
        m_rows.append({ widget, item });
    }
    return m_rows.at(index);
}

void AttendeesWidget::fillFromInvitedPersons()
{
    const auto persons = vidyoView()->getInvitedPerson();
    // A person keeps the mute state the list knew, whichever row shows them now.
    QHash<QString, bool> muted;
    for (const Row& row : qAsConst(m_rows)) {
        if (!row.item->isHidden())
            muted.insert(row.widget->account(), row.widget->isMuted());
    }
    int shown = 0;
    for (auto it = persons.cbegin(); it != persons.cend(); ++it) {
        if (!it.value()) {
            AreaLog::vidyo().LogInfo(
                QStringLiteral("AttendeesWidget::fillFromInvitedPersons no person for %1").arg(it.key()));
            continue;
        }
        const Row row = rowAt(shown++);
        row.widget->setPerson(it.value(), m_mode == 0, muted.value(it.value()->account(), false));
        row.item->setHidden(false);
        row.widget->show();
    }
    for (int i = shown; i < m_rows.size(); ++i) {
        m_rows.at(i).item->setHidden(true);
        m_rows.at(i).widget->hide();
    }
    ui->personCountLabel->setText(VidyoPolicy::attendeeCountText(shown));
}

void AttendeesWidget::hideAllRows()
{
    for (const Row& row : qAsConst(m_rows)) {
        row.item->setHidden(true);
        row.widget->hide();
    }
}

QList<AttendeesOneWidget*> AttendeesWidget::shownRows() const
{
    QList<AttendeesOneWidget*> rows;
    for (const Row& row : m_rows) {
        if (!row.item->isHidden())
            rows.append(row.widget);
    }
    return rows;
}

void AttendeesWidget::slot_onInvite()
{
    vidyoView()->showInvitePersonWidget();
}

void AttendeesWidget::slot_onRoomPersonCountChanged()
{
    fillFromInvitedPersons();
}

void AttendeesWidget::slot_onMuteAllBtn()
{
    if (m_allMuted) {
        ui->muteAllBtn->setText(tr("Speaking banned"));
        vidyoView()->unmuteAll();
    } else {
        ui->muteAllBtn->setText(tr("un-mute"));
        vidyoView()->muteAll();
    }
    m_allMuted = !m_allMuted;
    ui->muteAllBtn->setEnabled(false);
    m_muteAllTimer->start();
    const QString self = KP_BusinessView::instance()->getUserInfoView()->getCurUserAccount();
    const auto persons = vidyoView()->getInvitedPerson();
    for (auto it = persons.cbegin(); it != persons.cend(); ++it) {
        if (it.key() != self)
            emit vidyoView()->signal_setMemberSilenced(it.key(), m_allMuted);
    }
}

void AttendeesWidget::slot_onSingleShot()
{
    ui->muteAllBtn->setEnabled(true);
}
