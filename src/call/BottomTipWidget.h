#pragma once

#include "common/BottomTipKind.h"
#include "common/kp_mediaconfui_global.h"

#include "business/ConferenceRecords.h"
#include "customui/MoveWidget.h"

#include <QMap>
#include <QString>
#include <memory>

class QSound;
class QTimer;

namespace Ui {
class BottomTipWidget;
}

// The single invitation notification in the desktop's bottom-right corner.
// It keeps the invitation's type and conference id, rings for conference
// invitations, times out on its own and reports the user's answer.
class KP_MEDIACONFUI_EXPORT BottomTipWidget : public MoveWidget
{
    Q_OBJECT

public:
    // A fixed underlying type keeps values the client invents well-defined.
    enum BottomTipType : int {
        BottomTip_None = BottomTipKind::None,
        BottomTip_VidyoCall = BottomTipKind::VidyoCall,
        BottomTip_VidyoMeeting = BottomTipKind::VidyoMeeting,
        BottomTip_VoiceMeeting = BottomTipKind::VoiceMeeting,
        BottomTip_VideoMeeting = BottomTipKind::VideoMeeting,
        BottomTip_Conference = BottomTipKind::Conference,
        BottomTip_OtherDeviceAnswered = BottomTipKind::OtherDeviceAnswered,
    };
    Q_ENUM(BottomTipType)

    static constexpr int kInvitationTimeOutMs = 59000;
    static constexpr int kNoticeTimeOutMs = 3500;
    static constexpr int kConfIdKey = 256;

    static BottomTipWidget* instance();
    ~BottomTipWidget() override;

    void setMessageTitle(const QString& title);
    void setMessageText(const QString& text);
    void setMessageType(const BottomTipType& type);
    BottomTipType getMessageType();
    void setBtnText(const QString& okText, const QString& cancelText);
    void setVariant(QString value, int key);
    QString variant(int key);
    void setFromAccount(const QString& account);
    QString getFromAccount() const;
    void setConferenceInfo(ConferenceBriefInfo info);

    void BottomTipShow();
    void closeBottomTip();
    void closeWidget();
    void clearData();

signals:
    void signal_Accept(const BottomTipWidget::BottomTipType& type);
    void signal_Reject(const BottomTipWidget::BottomTipType& type);
    void signal_Close(const BottomTipWidget::BottomTipType& type);

public slots:
    void slot_onOkBtn();
    void slot_onCancelBtn();
    void slot_onCloseBtn();
    void slot_onTimeOut();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    BottomTipWidget(QWidget* parent = nullptr);

    void StartBellRing();
    void StopBellRing();
    void handleTimeOutOrClose();
    void initConnect();
    void initWidget();
    void initWidgetsStyle();
    void modifyTitleBar();
    // Shared ending of both buttons: the window closes and the answer is reported.
    void answer(bool accepted);

    static BottomTipWidget* ins;

    BottomTipType m_type = BottomTip_None;
    QTimer* m_timeOutTimer = nullptr;
    QSound* m_ringTone = nullptr;
    std::unique_ptr<Ui::BottomTipWidget> ui;
    QMap<int, QString> m_variants;
    QString m_fromAccount;
};

Q_DECLARE_METATYPE(BottomTipWidget::BottomTipType)
