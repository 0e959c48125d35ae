#pragma once

#include "members/MemberDelegateBase.h"

#include <QList>
#include <QPointer>

class QAction;
class QMenu;

// Paints a row of the member list (avatar, name, role label, camera and
// microphone or the call button, the "more" button) and handles presses on it:
// the per-member menu by menu kind, and calling an absent member back.
class ConfMembersControlDelegate : public MemberDelegateBase
{
    Q_OBJECT
public:
    explicit ConfMembersControlDelegate(QObject* parent = nullptr);
    ~ConfMembersControlDelegate() override;

    bool editorEvent(QEvent* event, QAbstractItemModel* model, const QStyleOptionViewItem& option,
        const QModelIndex& index) override;

    // Members now speaking, as the business view reports them.
    void setSpeakingList(const QList<Agent_ConferenceParticipantMemberInfo>& speakers);
    QList<Agent_ConferenceParticipantMemberInfo> speakingList() const { return m_speakers; }

    // The menu kind of a record (1 to 6) for the user as host or not.
    static int menuKindOf(const ConferenceMemberInfo& memberInfo);
    // Makes the menu member and fills the menu for its kind; false for an
    // empty menu (kinds 5 and 6).
    bool rebuildMenu(const ConferenceMemberInfo& memberInfo);
    QMenu* moreMenu() const;
    ConferenceMemberInfo menuMember() const { return m_menuMember; }
    bool isMenuShown() const { return m_menuShown; }
    // The member of the menu left the list: the menu closes and acts no more.
    void memberGone(const QString& key) override;

    // Calls an absent member back: the telephone invitation for a telephone
    // participant (display name equal to the account), the member invitation
    // for anyone else.
    static void inviteAgain(const QString& account, const QString& displayName);

public slots:
    void slot_moreMenu_aboutToHide();
    void slot_MenuAction_trigger(QAction* pAction);

protected:
    void paintRow(QPainter* painter, const QStyleOptionViewItem& option, const ConferenceMemberInfo& m) const override;

private:
    void onPress(const QPoint& pos, const QPoint& globalPos, const QRect& row, const ConferenceMemberInfo& m);
    bool isSpeaking(const ConferenceMemberInfo& m) const;

    const QString m_imagePath;
    QList<Agent_ConferenceParticipantMemberInfo> m_speakers;
    ConferenceMemberInfo m_menuMember;
    bool m_menuShown = false;
    // Parentless, so a client that closes stray windows may delete it first.
    QPointer<QMenu> m_menu;
};
