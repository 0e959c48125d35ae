#include "video/ConfSmartBaseVideoPlayWgt.h"

#include "ui_ConfSmartBaseVideoPlayWgt.h"
#include "video/ConfSmartBaseVideoPlayWgt_p.h"
#include "video/ConfSmartVideoPlaySmallInfoWdg.h"

#include "business/AddressBookView.h"
#include "business/KP_BusinessView.h"
#include "business/UnifiedConferenceView.h"
#include "business/UserInfoView.h"
#include "common/AreaLog.h"
#include "customui/KP_UI_UTIL.h"

#include <QEvent>
#include <QPainter>
#include <QPointer>
#include <QTimer>

#include <algorithm>

namespace {

constexpr int kHeadRefreshMs = 16;
constexpr int kReconnectDelayMs = 1000;
constexpr int kInfoBarHeight = 20;
constexpr int kInfoBarExtraWidth = 34;

QList<ConfSmartBaseVideoPlayWgt*>& tileRegistry()
{
    static QList<ConfSmartBaseVideoPlayWgt*> tiles;
    return tiles;
}

UnifiedConferenceView* conferenceView()
{
    return KP_BusinessView::instance()->getUnifiedConferenceView();
}

} // namespace

// ---------------------------------------------------------------------------
// Private part

ConfSmartBaseVideoPlayWgtPrivate::ConfSmartBaseVideoPlayWgtPrivate(ConfSmartBaseVideoPlayWgt* tile)
    : q(tile)
{ }

bool ConfSmartBaseVideoPlayWgtPrivate::isBoundTo(const QString& account, int deviceType) const
{
    return !member.account.isEmpty() && member.deviceType == deviceType && member.account == account;
}

void ConfSmartBaseVideoPlayWgtPrivate::slot_updateMemberInfo(ConferenceMemberInfo info, int action)
{
    if (!isBoundTo(info.account, info.deviceType))
        return;
    switch (action) {
    case CONF_MEMBER_ACTION_MIC_OFF:
        q->ensureInfoWidget()->setMicState(true);
        break;
    case CONF_MEMBER_ACTION_MIC_ON:
        q->ensureInfoWidget()->setMicState(false);
        break;
    case CONF_MEMBER_ACTION_CAMERA_OFF:
        if (!isShare)
            q->setVideoStatus(false);
        break;
    case CONF_MEMBER_ACTION_CAMERA_ON:
        if (!isShare)
            q->setVideoStatus(true);
        break;
    case CONF_MEMBER_ACTION_RENAME:
        cachedName = info.name;
        q->setInfoWgt(cachedAccount, cachedName);
        break;
    default:
        break;
    }
}

void ConfSmartBaseVideoPlayWgtPrivate::slot_reconnect(ConferenceMemberInfo info)
{
    if (isShare || !isBoundTo(info.account, info.deviceType))
        return;
    q->clearMember();
    // The member's media comes back after a moment; bind again then, unless the
    // layout has moved on in the meantime.
    ConfSmartBaseVideoPlayWgt* tile = q;
    QTimer::singleShot(kReconnectDelayMs, tile, [tile, info] {
        bool found = false;
        const ConferenceMemberInfo current
            = conferenceView()->findConferenceMemberInfo(info.account, info.deviceType, found);
        if (!found || tile->isBound())
            return;
        // The tile was cleared, so it waits for the member's camera.
        for (ConfSmartBaseVideoPlayWgt* other : qAsConst(tileRegistry())) {
            if (other->isShowing(info.account, info.deviceType, false))
                return;
        }
        tile->setMemberInfo(current, false);
    });
}

void ConfSmartBaseVideoPlayWgtPrivate::slot_onConferenceParticipant(
    QString /*confId*/, QList<Agent_ConferenceParticipantMemberInfo> participants)
{
    const bool speaking = std::any_of(participants.cbegin(), participants.cend(),
        [this](const Agent_ConferenceParticipantMemberInfo& p) { return isBoundTo(p.account, p.deviceType); });
    if (q->m_infoWgt)
        q->m_infoWgt->setSpeaking(speaking);
}

// ---------------------------------------------------------------------------
// Tile

ConfSmartBaseVideoPlayWgt::ConfSmartBaseVideoPlayWgt(QWidget* parent)
    : QWidget(parent)
    , d(new ConfSmartBaseVideoPlayWgtPrivate(this))
    , ui(new Ui::ConfSmartBaseVideoPlayWgt)
{
    UnifiedConferenceView* view = conferenceView();
    // The view has three sig_updateMemberInfo overloads: pick this one by its signature.
    connect(view, SIGNAL(sig_updateMemberInfo(ConferenceMemberInfo, int)), d.data(),
        SLOT(slot_updateMemberInfo(ConferenceMemberInfo, int)));
    connect(view, &UnifiedConferenceView::sig_onConfMsgMemberReConnect, d.data(),
        &ConfSmartBaseVideoPlayWgtPrivate::slot_reconnect);
    connect(view, &UnifiedConferenceView::sig_onConferenceParticipant, d.data(),
        &ConfSmartBaseVideoPlayWgtPrivate::slot_onConferenceParticipant);

    ui->setupUi(this);
    setAttribute(Qt::WA_StyledBackground);
    m_headRefreshTimer = new QTimer(this);
    m_headRefreshTimer->setSingleShot(true);
    m_headRefreshTimer->setInterval(kHeadRefreshMs);
    connect(m_headRefreshTimer, &QTimer::timeout, this, [this] {
        setUpdatesEnabled(true);
        update();
    });
    m_playCorePaintTimer = new QTimer(this);
    m_playCorePaintTimer->setSingleShot(true);
    m_playCorePaintTimer->setInterval(0);
    connect(m_playCorePaintTimer, &QTimer::timeout, this, [this] {
        ui->widget_playCore->setUpdatesEnabled(m_playCorePainting);
        ui->widget_playCore->update();
    });
    // The bars around the render surface are unused: the picture fills the tile.
    ui->widget_playCore_left->setFixedWidth(0);
    ui->widget_playCore_right->setFixedWidth(0);
    ui->widget_playCore_top->setFixedHeight(0);
    ui->widget_playCore_bottom->setFixedHeight(0);
    // The avatar panel floats over the whole tile rather than sharing its height.
    ui->verticalLayout->removeWidget(ui->widget_head);
    ui->label_head->installEventFilter(this);
    ui->widget_head->hide();

    tileRegistry().append(this);
}

ConfSmartBaseVideoPlayWgt::~ConfSmartBaseVideoPlayWgt()
{
    // Pending deferred steps are bound to the tile and die with it; a running
    // stream is the owner's to stop (owners clear tiles before discarding them).
    tileRegistry().removeOne(this);
    // The form is deleted before the child widgets: events the label gets
    // while it is torn down must not reach the filter, which reads the form.
    ui->label_head->removeEventFilter(this);
}

const QString& ConfSmartBaseVideoPlayWgt::defaultHeadPath()
{
    static const QString path = QStringLiteral(":/main/Resource/Main/default_big_man.png");
    return path;
}

void ConfSmartBaseVideoPlayWgt::setMemberInfo(ConferenceMemberInfo info, bool isShare)
{
    if (info.account == d->member.account && info.deviceType == d->member.deviceType)
        return;
    if (info.account.isEmpty()) {
        // Nobody to bind: a record without account would start a stream for nobody.
        AreaLog::video().LogDebug(QStringLiteral("ConfSmartBaseVideoPlayWgt::setMemberInfo empty account ignored"));
        return;
    }
    d->member = info;
    d->isShare = isShare;
    setInfoWgt(info.account, info.name); // creates, places and shows the bar
    m_infoWgt->setMicState(!info.isMicOpen);
    if (isShare)
        setShareStatus(true);
    else
        setVideoStatus(info.isCameraOpen);
}

void ConfSmartBaseVideoPlayWgt::clearMember()
{
    if (!isBound())
        return;
    setPlayCorePaintingLater(true);
    setInfoWgt(QString(), QString());
    m_infoWgt->setMicState(false);
    // Only the stream this tile started is stopped. A desktop tile never
    // started the sharer's camera, and the camera stream is the member's, not
    // the tile's: stopping it here would black out the tile that shows it.
    if (d->isShare)
        conferenceView()->stopDesktopShareView(d->member.account, d->member.deviceType);
    else
        switchCameraStream(false);
    m_infoWgt->hide();
    // No avatar is drawn for a tile that is being emptied.
    d->headPath.clear();
    d->cachedName.clear();
    d->cachedAccount.clear();
    d->avatar = QPixmap();
    d->avatarSide = -1;
    setHeadInfo(QString(), QString(), QString(), true);
    d->member = ConferenceMemberInfo();
    d->isShare = false;
}

ConferenceMemberInfo ConfSmartBaseVideoPlayWgt::memberInfo() const
{
    return d->member;
}

bool ConfSmartBaseVideoPlayWgt::isBound() const
{
    return !d->member.account.isEmpty();
}

bool ConfSmartBaseVideoPlayWgt::isShowing(
    const QString& account, ENUM_CONFMEMBER_DEVICETYPE deviceType, bool isShare) const
{
    return d->member.deviceType == deviceType && d->isShare == isShare && d->member.account == account;
}

bool ConfSmartBaseVideoPlayWgt::isLocalCamera() const
{
    if (d->member.account != KP_BusinessView::instance()->getUserInfoView()->getCurUserAccount())
        return false;
    return d->member.deviceType == CONFMEMBER_DEVICE_PC || conferenceView()->getConfAppSettting().multiDeviceMode == 0;
}

void ConfSmartBaseVideoPlayWgt::switchCameraStream(bool on)
{
    void* handle = renderHandle();
    // Logged under the name the system has always used for the camera switch.
    if (AreaLog::video().category().isInfoEnabled())
        AreaLog::video().LogInfo(QStringLiteral("%1 state:%2 winid:%3")
                                     .arg(QStringLiteral("ConfSmartBaseVideoPlayWgt::setVideoStatus"))
                                     .arg(on ? 1 : 0)
                                     .arg(quintptr(handle)));
    const bool local = isLocalCamera();
    UnifiedConferenceView* view = conferenceView();
    if (on) {
        if (local)
            view->resetSelfVideoView(handle);
        else
            view->requestStartMemberVideo(d->member.account, d->member.deviceType, handle);
    } else {
        if (local)
            view->resetSelfVideoView(nullptr);
        else
            view->requestStopMemberVideo(d->member.account, d->member.deviceType);
    }
}

void ConfSmartBaseVideoPlayWgt::setVideoStatus(bool on)
{
    switchCameraStream(on);
    if (!on)
        setPlayCorePaintingLater(true);
    const QString& account = d->member.account;
    const QSharedPointer<AddressBookPerson> person
        = KP_BusinessView::instance()->getAddressBookView()->getAddressBookOnePerson_Account(account, false);
    d->headPath = person ? person->headImagePath() : QString();
    d->cachedAccount = account;
    d->cachedName = d->member.name;
    setHeadInfo(account, d->member.name, d->headPath, on);
    // The toolkit must never paint over the native picture.
    if (on)
        setPlayCorePaintingLater(false);
}

void ConfSmartBaseVideoPlayWgt::setShareStatus(bool on)
{
    if (on)
        conferenceView()->requestDesktopShareView(d->member.account, d->member.deviceType, renderHandle());
    else
        conferenceView()->stopDesktopShareView(d->member.account, d->member.deviceType);
}

void ConfSmartBaseVideoPlayWgt::setHeadInfo(
    const QString& account, const QString& name, const QString& headPath, bool videoOn)
{
    // Swapping the two panels in one repaint avoids a flash of both.
    setUpdatesEnabled(false);
    d->videoOn = videoOn;
    if (videoOn) {
        ui->widget_playVideo->show();
        ui->widget_head->hide();
    } else {
        ui->widget_playVideo->hide();
        ui->widget_head->show();
        const int side = avatarSide();
        // Drawn in device pixels, so that a dense screen shows it sharp.
        const qreal dpr = devicePixelRatioF();
        const int pixels = qRound(side * dpr);
        QPixmap picture;
        if (!headPath.isEmpty() && headPath != defaultHeadPath())
            picture.load(headPath);
        // Account first: the tile's drawn avatar takes its initials from the account.
        if (picture.isNull())
            picture = KP_UI_UTIL::getSelfDrawPicHead(
                account, name, pixels, pixels, true, qRound(4 * dpr), qRound(12 * dpr));
        else
            picture = picture.scaled(pixels, pixels, Qt::IgnoreAspectRatio, Qt::FastTransformation);
        picture.setDevicePixelRatio(dpr);
        d->avatar = picture;
        d->avatarSide = side;
    }
    if (!m_headRefreshTimer->isActive())
        m_headRefreshTimer->start();
}

void ConfSmartBaseVideoPlayWgt::setHeadFill(bool fill)
{
    d->headFill = fill;
    if (!fill)
        return;
    for (QSpacerItem** spacer : { &ui->horizontalSpacer, &ui->horizontalSpacer_2 }) {
        if (*spacer) {
            ui->horizontalLayout->removeItem(*spacer);
            delete *spacer;
            *spacer = nullptr;
        }
    }
    ui->label_head->setMaximumSize(166666, 1666666);
    setHeadInfo(d->cachedAccount, d->cachedName, d->headPath, d->videoOn);
}

void ConfSmartBaseVideoPlayWgt::setPlayCoreStyle(const QString& css)
{
    replaceStyleSheet(QStringLiteral("QWidget#widget_playCore{") + css + QStringLiteral("}"));
}

void ConfSmartBaseVideoPlayWgt::setHeadStyle(const QString& css)
{
    replaceStyleSheet(QStringLiteral("QWidget#widget_head{") + css + QStringLiteral("}"));
}

void ConfSmartBaseVideoPlayWgt::replaceStyleSheet(const QString& sheet)
{
    // Qt only re-reads a changed sheet of a widget that is already polished; a
    // tile restyled twice before it is first shown would keep the first sheet.
    // An unchanged sheet is left alone: re-polishing the tile's children is
    // the dearest part of a rebind.
    if (sheet == styleSheet())
        return;
    ensurePolished();
    setStyleSheet(sheet);
}

void ConfSmartBaseVideoPlayWgt::setInfoWgt(const QString& account, const QString& name)
{
    // Every bind and clear passes here: build the line only when it is wanted.
    if (AreaLog::video().category().isDebugEnabled())
        AreaLog::video().LogDebug(QStringLiteral("%1,account:%2,name:%3")
                                      .arg(QStringLiteral("ConfSmartBaseVideoPlayWgt::setInfoWgt"), account, name));
    ConfSmartVideoPlaySmallInfoWdg* bar = ensureInfoWidget();
    bar->setInfo(account, name);
    // Resized, not fixed: the bar floats over the tile, and a fixed width would
    // send a long name's width up through every layout of the window.
    m_infoBarWidth = bar->nameWidth(name) + bar->scaled(kInfoBarExtraWidth);
    updateMemberInfoWidgetPos();
}

void ConfSmartBaseVideoPlayWgt::updateMemberInfoWidgetPos()
{
    if (!m_infoWgt || height() == 0)
        return;
    // As wide as the name, but never past the tile, so that a long name elides.
    const int barHeight = m_infoWgt->scaled(kInfoBarHeight);
    m_infoWgt->resize(m_infoBarWidth > 0 ? qMin(m_infoBarWidth, width() - 2) : width(), barHeight);
    m_infoWgt->move(1, height() - barHeight - 1);
    m_infoWgt->update();
    if (AreaLog::video().category().isDebugEnabled())
        AreaLog::video().LogDebug(
            QStringLiteral("ConfSmartBaseVideoPlayWgt::updateMemberInfoWidgetPos height:%1").arg(height()));
}

bool ConfSmartBaseVideoPlayWgt::isShare() const
{
    return d->isShare;
}

bool ConfSmartBaseVideoPlayWgt::isVideoOn() const
{
    return d->videoOn;
}

QPixmap ConfSmartBaseVideoPlayWgt::avatar() const
{
    return d->avatar;
}

QWidget* ConfSmartBaseVideoPlayWgt::renderSurface() const
{
    return ui->widget_playCore;
}

void* ConfSmartBaseVideoPlayWgt::renderHandle() const
{
    return reinterpret_cast<void*>(ui->widget_playCore->winId());
}

ConfSmartVideoPlaySmallInfoWdg* ConfSmartBaseVideoPlayWgt::infoWidget() const
{
    return m_infoWgt;
}

ConfSmartVideoPlaySmallInfoWdg* ConfSmartBaseVideoPlayWgt::ensureInfoWidget()
{
    if (!m_infoWgt)
        m_infoWgt = new ConfSmartVideoPlaySmallInfoWdg(this);
    updateMemberInfoWidgetPos();
    m_infoWgt->show();
    return m_infoWgt;
}

int ConfSmartBaseVideoPlayWgt::avatarSide() const
{
    return std::min(ui->label_head->width(), ui->label_head->height());
}

void ConfSmartBaseVideoPlayWgt::setPlayCorePaintingLater(bool enabled)
{
    if (!isBound())
        return;
    // The latest request wins; it is applied on the next turn of the event loop.
    m_playCorePainting = enabled;
    if (!m_playCorePaintTimer->isActive())
        m_playCorePaintTimer->start();
}

bool ConfSmartBaseVideoPlayWgt::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == ui->label_head) {
        if (event->type() == QEvent::Paint && ui->label_head->isVisible() && !d->videoOn) {
            QPainter painter(ui->label_head);
            if (!d->avatar.isNull())
                painter.drawPixmap(ui->label_head->rect(), d->avatar);
            return true;
        }
        // The label gets its size from the avatar panel's layout, which may
        // run after the tile's own resize (a tile laid out while hidden).
        if (event->type() == QEvent::Resize)
            redrawAvatarIfResized();
    }
    return QWidget::eventFilter(watched, event);
}

void ConfSmartBaseVideoPlayWgt::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (m_infoWgt)
        updateMemberInfoWidgetPos();
    ui->widget_head->move(0, 0);
    ui->widget_head->resize(size());
    redrawAvatarIfResized();
}

void ConfSmartBaseVideoPlayWgt::redrawAvatarIfResized()
{
    // Only an avatar whose box changed size is drawn again: drawing may load
    // the picture file, and a window being resized sends many resizes.
    if (!d->videoOn && avatarSide() != d->avatarSide)
        setHeadInfo(d->cachedAccount, d->cachedName, d->headPath, d->videoOn);
}
