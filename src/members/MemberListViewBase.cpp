#include "members/MemberListViewBase.h"

#include "business/KP_BusinessView.h"
#include "business/UI_ControlView.h"
#include "common/AreaLog.h"
#include "customui/KP_UI_UTIL.h"
#include "customui/KpMsgBox.h"
#include "members/MemberDelegateBase.h"
#include "policy/MemberRowGeometry.h"

#include <QSortFilterProxyModel>
#include <QStandardItemModel>

MemberListViewBase::MemberListViewBase(QWidget* parent)
    : QListView(parent)
    , m_model(new QStandardItemModel(0, 1, this))
    , m_rowHeight(MemberRowGeometry::rowHeight(KP_UI_UTIL::getScreenScale()))
{
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setFocusPolicy(Qt::NoFocus);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setMouseTracking(true);
    // Every row has the same height: the view lays out thousands of rows without asking each.
    setUniformItemSizes(true);
    setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    setFrameShape(QFrame::NoFrame);
    connect(this, &QListView::clicked, this, &MemberListViewBase::slot_itemClicked);
}

MemberListViewBase::~MemberListViewBase()
{
    // The boxes have no parent; one asking about a member of this list goes with it.
    for (const QPointer<KpMsgBox>& box : qAsConst(m_boxes)) {
        if (!box)
            continue;
        box->disconnect(this);
        if (box == m_answering)
            box->deleteLater();
        else
            delete box.data();
    }
}

void MemberListViewBase::setUpList(QSortFilterProxyModel* proxy, MemberDelegateBase* delegate)
{
    m_proxy = proxy;
    m_delegate = delegate;
    connect(delegate, &MemberDelegateBase::sig_showMsgBox, this, &MemberListViewBase::slot_showMsgBox);
    m_proxy->setSourceModel(m_model);
    m_proxy->setSortRole(OrderRole);
    m_proxy->setDynamicSortFilter(true);
    m_proxy->sort(0, Qt::DescendingOrder);
    setModel(m_proxy);
    setItemDelegateForColumn(0, delegate);
}

void MemberListViewBase::dataChanged(
    const QModelIndex& topLeft, const QModelIndex& bottomRight, const QVector<int>& roles)
{
    QAbstractItemView::dataChanged(topLeft, bottomRight, roles);
}

const ConferenceMemberInfo* MemberListViewBase::recordIn(const QVariant& value)
{
    if (value.userType() != qMetaTypeId<ConferenceMemberInfo>())
        return nullptr;
    return static_cast<const ConferenceMemberInfo*>(value.constData());
}

QStandardItem* MemberListViewBase::makeItem(const ConferenceMemberInfo& memberInfo)
{
    auto* item = new QStandardItem;
    item->setSizeHint(QSize(0, m_rowHeight));
    item->setData(QVariant::fromValue(memberInfo), RecordRole);
    item->setData(++m_orderVersion, OrderRole);
    item->setData(1, CreatedRole);
    return item;
}

template<typename Change> bool MemberListViewBase::modify(const QString& key, Change change)
{
    QStandardItem* item = m_items.value(key);
    if (!item)
        return false;
    const QVariant value = item->data(RecordRole);
    const ConferenceMemberInfo* current = recordIn(value);
    if (!current)
        return false;
    ConferenceMemberInfo changed = *current;
    change(changed);
    if (changed == *current)
        return true;
    const bool reorder = changed.isHost != current->isHost || changed.name != current->name;
    item->setData(QVariant::fromValue(changed), RecordRole);
    // The record first, then the sort role: the proxy moves this row alone, by the new record.
    if (reorder)
        item->setData(++m_orderVersion, OrderRole);
    return true;
}

bool MemberListViewBase::takeRecord(const ConferenceMemberInfo& memberInfo)
{
    return modify(memberInfo.key(), [&](ConferenceMemberInfo& row) {
        const bool handUp = row.isHandUp;
        row = memberInfo;
        row.isHandUp = handUp;
    });
}

void MemberListViewBase::addOrUpdate(const ConferenceMemberInfo& memberInfo)
{
    addAll({ memberInfo });
}

void MemberListViewBase::addAll(const QList<ConferenceMemberInfo>& members)
{
    QList<QStandardItem*> fresh;
    int ignored = 0;
    for (const ConferenceMemberInfo& m : members) {
        if (m.account.isEmpty()) {
            ++ignored;
            continue;
        }
        const QString key = m.key();
        if (m_items.contains(key)) {
            takeRecord(m);
            continue;
        }
        QStandardItem* item = makeItem(m);
        m_items.insert(key, item);
        fresh << item;
    }
    if (ignored) {
        AreaLog::members().LogInfo(
            QStringLiteral("MemberListViewBase::addAll ignored %1 record(s) without account").arg(ignored));
    }
    if (fresh.isEmpty())
        return;
    m_model->invisibleRootItem()->appendRows(fresh);
    emit sig_updateMemberCount(m_items.size());
}

bool MemberListViewBase::updateMember(const ConferenceMemberInfo& memberInfo)
{
    return takeRecord(memberInfo);
}

bool MemberListViewBase::setHandUp(const QString& account, bool on, ENUM_CONFMEMBER_DEVICETYPE deviceType)
{
    return modify(memberKey(account, deviceType), [on](ConferenceMemberInfo& row) { row.isHandUp = on; });
}

bool MemberListViewBase::applyMediaAction(const ConferenceMemberInfo& memberInfo, int action)
{
    switch (MemberRosterPolicy::mediaFieldOf(action)) {
    case MemberRosterPolicy::MediaField::Microphone:
        return modify(memberInfo.key(), [&](ConferenceMemberInfo& row) { row.isMicOpen = memberInfo.isMicOpen; });
    case MemberRosterPolicy::MediaField::Camera:
        return modify(memberInfo.key(), [&](ConferenceMemberInfo& row) { row.isCameraOpen = memberInfo.isCameraOpen; });
    case MemberRosterPolicy::MediaField::None:
        break;
    }
    return false;
}

bool MemberListViewBase::rename(const QString& account, ENUM_CONFMEMBER_DEVICETYPE deviceType, const QString& name)
{
    return modify(memberKey(account, deviceType), [&](ConferenceMemberInfo& row) { row.name = name; });
}

bool MemberListViewBase::setMainVenue(const QString& account, ENUM_CONFMEMBER_DEVICETYPE deviceType, bool on)
{
    return modify(memberKey(account, deviceType), [on](ConferenceMemberInfo& row) { row.isMainVenue = on; });
}

ConferenceMemberInfo MemberListViewBase::find(const QString& account, ENUM_CONFMEMBER_DEVICETYPE deviceType) const
{
    if (QStandardItem* item = m_items.value(memberKey(account, deviceType))) {
        const QVariant value = item->data(RecordRole);
        if (const ConferenceMemberInfo* m = recordIn(value))
            return *m;
    }
    return ConferenceMemberInfo();
}

void MemberListViewBase::removeKey(const QString& key)
{
    QStandardItem* item = m_items.take(key);
    if (!item)
        return;
    m_model->removeRow(item->row());
    memberRemoved(key);
}

bool MemberListViewBase::remove(const QString& account, ENUM_CONFMEMBER_DEVICETYPE deviceType)
{
    const QString key = memberKey(account, deviceType);
    if (!m_items.contains(key))
        return false;
    removeKey(key);
    emit sig_updateMemberCount(m_items.size());
    return true;
}

int MemberListViewBase::removeByAccount(const QString& account)
{
    const QStringList keys = MemberRosterPolicy::keysContaining(m_items.keyBegin(), m_items.keyEnd(), account);
    for (const QString& key : keys)
        removeKey(key);
    if (!keys.isEmpty())
        emit sig_updateMemberCount(m_items.size());
    return keys.size();
}

void MemberListViewBase::clear()
{
    m_model->removeRows(0, m_model->rowCount());
    m_items.clear();
    memberRemoved(QString());
    refreshOrder();
    emit sig_updateMemberCount(0);
}

void MemberListViewBase::fill(
    MemberListViewBase* joined, MemberListViewBase* notJoined, const QList<ConferenceMemberInfo>& members)
{
    QList<ConferenceMemberInfo> in;
    QList<ConferenceMemberInfo> out;
    for (const ConferenceMemberInfo& m : members)
        (m.isInConf ? in : out) << m;
    joined->addAll(in);
    notJoined->addAll(out);
}

void MemberListViewBase::reload(
    MemberListViewBase* joined, MemberListViewBase* notJoined, const QList<ConferenceMemberInfo>& members)
{
    QList<ConferenceMemberInfo> lowered = members;
    for (ConferenceMemberInfo& m : lowered)
        m.isHandUp = false;
    joined->clear();
    notJoined->clear();
    fill(joined, notJoined, lowered);
}

void MemberListViewBase::slot_itemClicked(const QModelIndex& index)
{
    const QVariant value = index.data(RecordRole);
    if (const ConferenceMemberInfo* m = recordIn(value))
        emit sig_callClicked(*m);
}

// --- confirmations ---

void MemberListViewBase::slot_showMsgBox(
    QString title, QString message, QString account, ENUM_CONFMEMBER_DEVICETYPE deivceType, MessageType type)
{
    m_msgType = type;
    auto* box = new KpMsgBox(nullptr);
    box->setMessageType(type);
    connect(box, qOverload<const QString&, const QMap<int, QVariant>&>(&KpMsgBox::signal_Accept), this,
        &MemberListViewBase::slot_onMsgAccept);
    connect(box, &KpMsgBox::signal_AcceptData, this, &MemberListViewBase::slot_onMsgAccept);
    connect(box, qOverload<const QString&, const QMap<int, QVariant>&>(&KpMsgBox::signal_Reject), this,
        &MemberListViewBase::slot_onMsgReject);
    connect(box, &KpMsgBox::signal_RejectData, this, &MemberListViewBase::slot_onMsgReject);
    box->setMessageTitle(title);
    box->setMessageText(message);
    box->setMessageInfo(account);
    box->setUserData(DeviceTypeDataKey, int(deivceType));
    box->show();
    // Accepting a raised hand opens the member's microphone, so the accepting button reads
    // "Connect" and the other "Ignore"; the reverse labelling would open it on "Ignore".
    if (type == MessageType_HandsUp)
        box->setBtnText(tr("Connect"), tr("Ignore"));
    m_boxes.insert(memberKey(account, deivceType), box);
    emit UI_ControlView::instance()->sig_showMaskWgt(box, POPUP_HANDLE_CONFERENCE);
}

void MemberListViewBase::slot_onMsgAccept(QString info, QMap<int, QVariant> mapUserData)
{
    onAnswer(true, info, mapUserData);
}

void MemberListViewBase::slot_onMsgReject(QString info, QMap<int, QVariant> mapUserData)
{
    onAnswer(false, info, mapUserData);
}

void MemberListViewBase::confirmationAnswered(bool accepted, int type, const QString& account)
{
    AreaLog::members().LogDebug(QStringLiteral("MemberListViewBase::confirmationAnswered type=%1 accepted=%2 account=%3")
                                   .arg(type)
                                   .arg(accepted)
                                   .arg(account));
}

void MemberListViewBase::onAnswer(bool accepted, const QString& info, const QMap<int, QVariant>& data)
{
    // Each box carries its own type; the last type shown serves a caller that is no box.
    auto* box = qobject_cast<KpMsgBox*>(sender());
    const int type = box ? box->messageType() : m_msgType;
    const auto deviceType = ENUM_CONFMEMBER_DEVICETYPE(data.value(DeviceTypeDataKey).toInt());
    m_answering = box;
    confirmationAnswered(accepted, type, info);
    UnifiedConferenceView* conf = KP_BusinessView::instance()->getUnifiedConferenceView();
    if (type == MessageType_KickOut && accepted) {
        conf->memberOperate(CONF_MEMBER_OP_KICK, info, deviceType, 0);
    } else if (type == MessageType_HandsUp) {
        conf->controlMemberHand(info, deviceType, false);
        if (accepted)
            conf->controlMemberMicphone(info, deviceType, true);
    }
    if (box)
        dismissBox(box);
    m_answering.clear();
}

void MemberListViewBase::dismissBox(KpMsgBox* box)
{
    for (auto it = m_boxes.begin(); it != m_boxes.end();) {
        if (it.value() == box || it.value().isNull())
            it = m_boxes.erase(it);
        else
            ++it;
    }
    box->disconnect(this);
    box->hide();
    box->deleteLater();
    emit UI_ControlView::instance()->sig_hideMaskWgt(POPUP_HANDLE_CONFERENCE);
}

void MemberListViewBase::memberRemoved(const QString& key)
{
    // A question about a member who left has no answer any more: it closes unanswered.
    const QList<QPointer<KpMsgBox>> boxes = key.isEmpty() ? m_boxes.values() : m_boxes.values(key);
    for (const QPointer<KpMsgBox>& box : boxes) {
        if (box)
            dismissBox(box);
    }
    if (m_delegate)
        m_delegate->memberGone(key);
}
