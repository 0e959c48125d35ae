#pragma once

#include "business/AddressBookRecords.h"
#include "business/CallRecords.h"
#include "business/ConferenceRecords.h"

#include <QPoint>
#include <QPointer>
#include <QRect>
#include <QStringList>
#include <QWidget>

#include <memory>

// Invitation and sharing.
class CallPhoneDlg;
class ComConfirmDlg;
class ConfShareWidget;
class InviteChoiceWgt;
class PPC_QuickInvite;
class PPC_ShareScreen;
class ShareConfInfoWgt;
class ShareScreenControl;

class ConfRightWgt;
class ConfSmartVideoPlayMainWdg;
class ConferenceLayoutControl;
class ConferenceTitleBar;
class ConferenceToolBar;
class DebugForStatisticsWdg;
class ExtendDurationWidget;
class KpMsgBox;
class KpMsgTip;
class MemberControlPopupWgt;
class MoreMenuChild;
class PPC_Polling;
class PopupWidget;
class Popup_Common_Widget;
class Popup_Small_Widget;
class QAction;
class QMenu;
class QProcess;
class QTimer;
class RecordPopupWgt;
class RectangeTip;
class SafeWgt;
class StopConfConfirmWgt;
class StopConfPopupWgt;
class WifiWgt;
class WorkbenchWgt;
namespace Ui {
class ConferenceMainUi;
}

// The window a person spends a unified conference in: the title strip, the
// conference title bar, the video area, the side panel with the members and
// the toolbar. It turns every click into a call on UnifiedConferenceView and
// every business signal into a change of its children; joining, leaving,
// media, locks, recording, sharing and the roster live in the business
// library. The facade creates it without parent, shows it (or starts a
// mirroring share instead) and deletes it later when the business library
// closes the conference window.
class ConferenceMainUi : public QWidget
{
    Q_OBJECT

public:
    // The conference clock, and the end-of-conference countdown strip.
    static constexpr int kClockIntervalMs = 1000;
    static constexpr int kCountdownSeconds = 180;
    // A media time-out leaves the conference after this.
    static constexpr int kMediaTimeoutLeaveMs = 2000;

    explicit ConferenceMainUi(QWidget* parent = nullptr);
    ~ConferenceMainUi() override;

    // A conference that only shares the screen: the desktop goes out at once
    // and the window stays hidden.
    void startMirroringShare();

    // The conference shown; empty once it is left or dismissed.
    QString confId() const { return m_confId; }
    const ConferenceBriefInfo& conferenceInfo() const { return m_confInfo; }

    // For the owner's tests and the demo.
    ConferenceLayoutControl* layoutControl() const { return m_layout; }
    ConferenceTitleBar* titleBar() const { return m_titleBar; }
    ConferenceToolBar* toolBar() const { return m_toolBar; }
    ConfRightWgt* rightPanel() const { return m_rightWgt; }
    ConfSmartVideoPlayMainWdg* videoArea() const { return m_videoArea; }
    PPC_Polling* pollingPanel() const { return m_polling; }
    // Invitation and sharing; null until first opened (the share bar and the
    // share window: while none is open).
    PPC_QuickInvite* quickInvite() const { return m_quickInvite; }
    InviteChoiceWgt* inviteChoice() const;
    CallPhoneDlg* callPhoneDialog() const;
    ShareConfInfoWgt* detailCard() const;
    ConfShareWidget* confShareWidget() const;
    PPC_ShareScreen* shareChooser() const;
    ShareScreenControl* shareControl() const;
    QTimer* conferenceTimer() const { return m_confTimer; }
    RectangeTip* countdownStrip() const;
    ExtendDurationWidget* extendOffer() const;
    bool isRightPanelShown() const { return m_rightPanelShown; }
    bool isMaximisedByButtons() const { return m_maximised; }
    int lockStatus() const { return m_lockStatus; }
    // The tip every conference window shows its short messages in; null when none is on screen.
    static KpMsgTip* messageTip();

    // The pop-ups; those made on first use are null until then.
    Popup_Common_Widget* commonPopup() const { return m_commonPopup; }
    Popup_Small_Widget* smallPopup() const { return m_smallPopup; }
    WifiWgt* wifiPopup() const { return m_wifi; }
    StopConfPopupWgt* stopPopup() const { return m_stopPopup; }
    StopConfConfirmWgt* stopConfirm() const { return m_stopConfirm; }
    WorkbenchWgt* workbench() const { return m_workbench; }
    SafeWgt* safePopup() const { return m_safe; }
    RecordPopupWgt* recordPopup() const { return m_record; }
    MemberControlPopupWgt* memberControlPopup() const { return m_memberControl; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private slots:
    // Toolbar, title bar and the window's own buttons.
    void on_btn_moremenu_clicked();
    void on_btn_micphone_clicked(bool checked);
    void on_btn_chat_clicked();
    void on_btn_camera_clicked(bool checked);
    void slot_toggleRightPanel();
    void on_btn_fullscreen_clicked(bool checked);
    void on_btn_screenLayout_clicked();
    void on_btn_sharescreen_clicked();
    void on_btn_polling_clicked();
    void slot_on_stop_conf_clicked(QRect rect);
    void slot_on_workbench_clicked(QRect rect);
    void slot_showDetailInfo(QRect rect);
    void slot_safe_clicked(QRect rect);
    void slot_wifi_clicked(QRect rect);
    void slot_record_tip_clicked(QRect rect);
    void slot_layout_mode_clicked(QRect rect);
    void slot_min_clicked();
    void slot_max_clicked();
    void slot_close_clicked();
    void on_btn_exit_clicked();

    // Side panel and the member-control pop-up.
    void slot_invite_clicked(QRect rect);
    void slot_member_control_clicked(QRect rect);
    void slot_conf_right_close_clicked();
    void slot_onConferenceCountChange(int inConf, int willin, int AllCount);
    void slot_allMuteMic(bool on);
    void slot_allMuteCamera(bool on);
    void slot_callOffline();

    // Answers of the pop-ups.
    void slot_OpenConfLock(bool on);
    void slot_Host_invite(bool on);
    void slot_onAccept(int type);
    void slot_onOther(int type);
    void slot_stopConfConfirmed();
    void slot_setScreenLayout(int type);
    void slot_openPolling(QString time);
    void slot_closePolling();
    void slot_selectMinute(int min);
    void slot_selectMinute_close();
    void slot_startWhiteBoard(QStringList listAccount, int whiteBoardType);
    void slot_closeShareScreenWgt();

    // Business signals.
    void slot_updateConferenceInfo(ConferenceBriefInfo info);
    void slot_updateConferenceInfo(bool status, ConferenceBriefInfo info);
    void slot_onJoinConference(bool isSuccess, QString errorMsg, QString confId);
    void slot_onLeaveConference(bool isSuccess, QString errorMsg, QString confId);
    void slot_onDismissConference(bool isSuccess, QString errorMsg, QString confId);
    void slot_onBeginShareDesktop(bool isSuccess, QString errorMsg);
    void slot_onStopShareDesktop(bool isSuccess, QString errorMsg);
    void slot_onNotifyCancelDesktopShare(bool cancelled);
    void slot_onNotifyConferenceLockStatus(int state);
    void slot_onControlSelfCamera(QString account, bool on);
    void slot_onControlSelfMicphone(QString account, bool on);
    void slot_onControlSelfMicphone(bool isSuccess, bool on);
    void slot_onRequestOpenCamera();
    void slot_onNetworkSignalStrength(CS_StatReports report);
    void slot_onStartWhiteBorad(QString roomId, QString pwd, QString host, QString confId);
    void slot_onStopWhiteBorad(int ret);
    void slot_handleMsgReserveRemindBeforeEnd(Agent_ConfNtyMsg& msg, QString& text);
    void slot_onCountdownTip(QString confId, int seconds);
    void slot_onShowMsgTip(QString text, PopUpHandleType type);
    void slot_onUpdateMsgNotice(QString sessionId, QList<ChatMsgData> messages);
    void slot_confTimeout();
    void slot_showConfShareWidget();

    // Roster, speakers, main venue and sharing: the layout control decides.
    void slot_onConferenceParticipant(QString confId, QList<Agent_ConferenceParticipantMemberInfo> speakers);
    void slot_onGetConferenceMemberInfoList(QList<ConferenceMemberInfo> members);
    void slot_onInviteMemberList(QList<ConferenceMemberInfo> members, bool started);
    void slot_onJoinConferenceNotify(ConferenceMemberInfo member, QString confId);
    void slot_onConfMsgMemberQuit(QString memberId, ENUM_CONFMEMBER_DEVICETYPE deviceType);
    void slot_onConfMsgKickMember(QString memberId, ENUM_CONFMEMBER_DEVICETYPE deviceType);
    void slot_updateMemberInfo(ConferenceMemberInfo member, int action);
    void slot_updateMainConfLayout(ConferenceMemberInfo member);
    void slot_onBeginShareDesktopNotify(QString inviter, ENUM_CONFMEMBER_DEVICETYPE deviceType);
    void slot_onStopShareDesktopNotify(QString account);

    // Slots no control of this window drives.
    void on_btn_monitor_clicked();
    void on_btn_material_clicked();
    void on_btn_minutes_clicked();
    void on_btn_member_clicked();
    void on_btn_lecturemodel_clicked(bool checked);
    void on_btn_invite_clicked(QRect rect);
    void on_btn_InviteMenuAction_trigger(QAction* action);

private:
    void buildChildren();
    void connectBars();
    void connectBusiness();
    void createMenus();
    void fillMoreMenu();
    void showTip(const QString& text);
    void inviteMembers();
    void leaveConference(bool host);
    void endConferenceForAll();
    void closeWindowOfConference();
    void showPopupWidget(int type, const QPoint& localPos = QPoint());
    void showDeviceSettings(int page);
    void centreOnWindow(QWidget* popup) const;
    void createPopups();
    void showCommonPopup(int type);
    void showSmallPopup(int type);
    // Global origin of the widget that invoked the slot, else of the toolbar.
    QPoint senderOrigin() const;
    bool isHost() const;
    void showCallPhoneDialog();
    // The user's own share ends through its bar, when the bar is open.
    void stopOwnShare();
    void stopShareBar();

    std::unique_ptr<Ui::ConferenceMainUi> ui;
    ConferenceTitleBar* m_titleBar = nullptr;
    ConferenceToolBar* m_toolBar = nullptr;
    ConfSmartVideoPlayMainWdg* m_videoArea = nullptr;
    ConfRightWgt* m_rightWgt = nullptr;
    ConferenceLayoutControl* m_layout = nullptr;

    ConferenceBriefInfo m_confInfo;
    QString m_confId;
    QTimer* m_confTimer = nullptr;
    quint64 m_tickCount = 0;
    int m_lockStatus = 0;
    bool m_allMicrophonesOn = false;
    bool m_allCamerasOn = false;
    bool m_rightPanelShown = false;
    bool m_firstToggle = true;
    bool m_maximised = false;
    QRect m_normalGeometry;
    bool m_dragging = false;
    QPoint m_dragOffset;
    bool m_cursorConfined = false;
    bool m_oleInitialised = false;

    QMenu* m_moreMenu = nullptr;
    QMenu* m_inviteMenu = nullptr;
    // Invitation and sharing (the quick invite and the share bar have no parent).
    PPC_QuickInvite* m_quickInvite = nullptr;
    QPointer<InviteChoiceWgt> m_inviteChoice;
    QPointer<CallPhoneDlg> m_callPhone;
    QPointer<ShareConfInfoWgt> m_detailCard;
    QPointer<ConfShareWidget> m_confShare;
    QPointer<PPC_ShareScreen> m_shareScreen;
    QPointer<ShareScreenControl> m_shareControl;
    QPointer<ComConfirmDlg> m_kickOutNotice;
    PPC_Polling* m_polling = nullptr;
    QPointer<RectangeTip> m_countdown;
    QPointer<ExtendDurationWidget> m_extendOffer;
    QPointer<MoreMenuChild> m_deviceSettings;
    QPointer<DebugForStatisticsWdg> m_statistics;
    QPointer<KpMsgBox> m_cameraRequest;
    QProcess* m_monitor = nullptr;

    // The pop-ups: made at construction, or on first use and kept.
    Popup_Common_Widget* m_commonPopup = nullptr;
    Popup_Small_Widget* m_smallPopup = nullptr;
    WifiWgt* m_wifi = nullptr;
    StopConfPopupWgt* m_stopPopup = nullptr;
    StopConfConfirmWgt* m_stopConfirm = nullptr;
    WorkbenchWgt* m_workbench = nullptr;
    SafeWgt* m_safe = nullptr;
    RecordPopupWgt* m_record = nullptr;
    MemberControlPopupWgt* m_memberControl = nullptr;
};
