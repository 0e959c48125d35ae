#pragma once

#include "business/ConferenceRecords.h"
#include "policy/MemberRosterPolicy.h"

#include <QHash>
#include <QListView>
#include <QMap>
#include <QMultiHash>
#include <QPointer>
#include <QVariant>

class KpMsgBox;
class MemberDelegateBase;
class QSortFilterProxyModel;
class QStandardItem;
class QStandardItemModel;

// What both member lists share: a one-column QStandardItemModel behind a sorting
// proxy, the index from member key to item, the count signal, and the kick-out
// and raised-hand confirmations.
//
// Work is done once per event. A batch of new rows enters the model in one
// insertion, which the proxy sorts once; a changed row is moved by the proxy's
// dynamic sort, which takes it out and puts it back at the place a binary
// search with the same order rule finds, instead of sorting the whole list.
class MemberListViewBase : public QListView
{
    Q_OBJECT
public:
    static constexpr int RecordRole = Qt::UserRole + 1; // the ConferenceMemberInfo
    // Changes when a field the order reads changes: the proxy's sort role, so that a
    // microphone, camera or hand report repaints its row without moving anything.
    static constexpr int OrderRole = Qt::UserRole + 2;
    static constexpr int CreatedRole = Qt::UserRole + 3; // 1 once the row is created
    static constexpr int DeviceTypeDataKey = 256; // user data of a confirmation box

    ~MemberListViewBase() override;

    // The row of the record's key takes the record but keeps its hand-raised
    // flag; without such a row one is created. Records without account are ignored.
    void addOrUpdate(const ConferenceMemberInfo& memberInfo);
    // addOrUpdate for each record in order: one insertion, one count signal.
    void addAll(const QList<ConferenceMemberInfo>& members);
    // Like addOrUpdate, but a key without row changes nothing (false).
    bool updateMember(const ConferenceMemberInfo& memberInfo);
    bool setHandUp(const QString& account, bool on, ENUM_CONFMEMBER_DEVICETYPE deviceType);
    // The microphone or camera flag of a media report (sig_updateMemberInfo's action).
    bool applyMediaAction(const ConferenceMemberInfo& memberInfo, int action);
    bool rename(const QString& account, ENUM_CONFMEMBER_DEVICETYPE deviceType, const QString& name);
    bool setMainVenue(const QString& account, ENUM_CONFMEMBER_DEVICETYPE deviceType, bool on);
    // The row's record; an empty record (empty account) when there is none.
    ConferenceMemberInfo find(const QString& account, ENUM_CONFMEMBER_DEVICETYPE deviceType) const;
    bool remove(const QString& account, ENUM_CONFMEMBER_DEVICETYPE deviceType);
    // Removes every row whose key contains the account; returns how many went.
    int removeByAccount(const QString& account);
    void clear();
    int memberCount() const { return m_items.size(); }

    // Members into the joined or the not-joined list by their in-conference flag.
    static void fill(
        MemberListViewBase* joined, MemberListViewBase* notJoined, const QList<ConferenceMemberInfo>& members);
    // A full member list: both lists emptied and filled, every hand lowered.
    static void reload(
        MemberListViewBase* joined, MemberListViewBase* notJoined, const QList<ConferenceMemberInfo>& members);

    QStandardItemModel* memberModel() const { return m_model; }
    QSortFilterProxyModel* sortModel() const { return m_proxy; }
    // The record inside a row's value, without copying it; null when the value
    // holds no ConferenceMemberInfo. Valid while the value lives.
    static const ConferenceMemberInfo* recordIn(const QVariant& value);

signals:
    void sig_callClicked(ConferenceMemberInfo memberInfo);
    void sig_updateMemberCount(int nCount);

public slots:
    void slot_itemClicked(const QModelIndex& index);
    void slot_showMsgBox(
        QString title, QString message, QString account, ENUM_CONFMEMBER_DEVICETYPE deivceType, MessageType type);
    void slot_onMsgAccept(QString info, QMap<int, QVariant> mapUserData);
    void slot_onMsgReject(QString info, QMap<int, QVariant> mapUserData);

protected:
    explicit MemberListViewBase(QWidget* parent);
    // Repaints the changed rows only. QListView would lay every row out again,
    // for sizes that may have changed; here every row has the same fixed height.
    void dataChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight,
        const QVector<int>& roles = QVector<int>()) override;
    // Called once by the subclass's constructor: the proxy sorts, the delegate paints
    // and asks for confirmations.
    void setUpList(QSortFilterProxyModel* proxy, MemberDelegateBase* delegate);
    // The order may depend on who the user is (and who created the conference):
    // read again before every full reload.
    virtual void refreshOrder() { }
    // A row left the list (an empty key: every row did): whatever is open for it closes.
    void memberRemoved(const QString& key);
    // An answer to a confirmation box, before it is acted on.
    virtual void confirmationAnswered(bool accepted, int type, const QString& account);

private:
    template<typename Change> bool modify(const QString& key, Change change);
    QStandardItem* makeItem(const ConferenceMemberInfo& memberInfo);
    // The row of the record's key takes it, keeping its hand-raised flag; false without such a row.
    bool takeRecord(const ConferenceMemberInfo& memberInfo);
    void removeKey(const QString& key);
    void onAnswer(bool accepted, const QString& info, const QMap<int, QVariant>& data);
    void dismissBox(KpMsgBox* box);

    QStandardItemModel* m_model;
    QSortFilterProxyModel* m_proxy = nullptr;
    MemberDelegateBase* m_delegate = nullptr;
    QHash<QString, QStandardItem*> m_items; // member key -> item
    int m_rowHeight;
    int m_orderVersion = 0;
    int m_msgType = 0; // type of the last box shown
    QMultiHash<QString, QPointer<KpMsgBox>> m_boxes; // open confirmations by member key
    QPointer<KpMsgBox> m_answering; // the box whose answer is being handled
};
