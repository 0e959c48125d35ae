#pragma once

// Umbrella header of the business library: the root and every view.
// Widgets that need one view should include that view's header instead.

#include "business/AddressBookView.h"
#include "business/BusinessMetaTypes.h"
#include "business/ChatMsgControl.h"
#include "business/CommandJournal.h"
#include "business/GroupMgrView.h"
#include "business/LoginView.h"
#include "business/MeetingView.h"
#include "business/MsgUtil.h"
#include "business/MultimediaMgrView.h"
#include "business/UI_ControlView.h"
#include "business/UnifiedConferenceView.h"
#include "business/UserInfoView.h"
#include "business/VidyoView.h"
#include "business/VoipView.h"
#include "business/WhiteBoardView.h"

#include <QObject>

// The process-wide root. Its views live as long as the process.
class KP_BUSINESS_EXPORT KP_BusinessView : public QObject
{
    Q_OBJECT
public:
    static KP_BusinessView* instance();

    UnifiedConferenceView* getUnifiedConferenceView() const { return m_conference; }
    VoipView* getVoipView() const { return m_voip; }
    VidyoView* getVidyoView() const { return m_vidyo; }
    MeetingView* getMeetingView() const { return m_meeting; }
    AddressBookView* getAddressBookView() const { return m_addressBook; }
    UserInfoView* getUserInfoView() const { return m_userInfo; }
    GroupMgrView* getGroupMgrView() const { return m_groupMgr; }
    WhiteBoardView* getWhiteBoardView() const { return m_whiteBoard; }
    MultimediaMgrView* getMultimediaMgrView() const { return m_multimedia; }
    LoginView* getLoginView() const { return m_login; }
    ChatMsgControl* getMsgCtrl() const { return m_msgCtrl; }
    ChatMsgControl* getMsgCtrlCb() const { return m_msgCtrlCb; }

    // Every view back to its fresh state and the journal emptied. Connections
    // to the views' signals are kept. Used by tests between test functions.
    void resetAll();

private:
    explicit KP_BusinessView(QObject* parent = nullptr);

    UnifiedConferenceView* m_conference;
    VoipView* m_voip;
    VidyoView* m_vidyo;
    MeetingView* m_meeting;
    AddressBookView* m_addressBook;
    UserInfoView* m_userInfo;
    GroupMgrView* m_groupMgr;
    WhiteBoardView* m_whiteBoard;
    MultimediaMgrView* m_multimedia;
    LoginView* m_login;
    ChatMsgControl* m_msgCtrl;
    ChatMsgControl* m_msgCtrlCb;
};
