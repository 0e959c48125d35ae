#include "business/KP_BusinessView.h"

KP_BusinessView* KP_BusinessView::instance()
{
    // Never deleted: the views outlive every window that talks to them.
    static KP_BusinessView* root = new KP_BusinessView;
    return root;
}

KP_BusinessView::KP_BusinessView(QObject* parent)
    : QObject(parent)
    , m_conference(new UnifiedConferenceView(this))
    , m_voip(new VoipView(this))
    , m_vidyo(new VidyoView(this))
    , m_meeting(new MeetingView(this))
    , m_addressBook(new AddressBookView(this))
    , m_userInfo(new UserInfoView(this))
    , m_groupMgr(new GroupMgrView(this))
    , m_whiteBoard(new WhiteBoardView(this))
    , m_multimedia(new MultimediaMgrView(this))
    , m_login(new LoginView(this))
    , m_msgCtrl(new ChatMsgControl(QStringLiteral("ChatMsgControl"), this))
    , m_msgCtrlCb(new ChatMsgControl(QStringLiteral("ChatMsgControlCb"), this))
{
    setObjectName(QStringLiteral("KP_BusinessView"));
    registerBusinessMetaTypes();
}

void KP_BusinessView::resetAll()
{
    for (BusinessViewBase* view : findChildren<BusinessViewBase*>(QString(), Qt::FindDirectChildrenOnly))
        view->resetState();
    CommandJournal::instance()->clear();
}
