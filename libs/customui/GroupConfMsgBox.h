#pragma once

#include "customui/kp_customui_global.h"

#include "business/BusinessEnums.h"
#include "customui/MoveWidget.h"

#include <memory>

class QSound;
class QTimer;

namespace Ui {
class GroupConfMsgBox;
}

// The invitation to a group conference, shown inside the client's mask of
// the main window. It rings while shown and answers the business library
// itself:
// - Accept: leaves a running conference, joins this one as a group
//   conference, emits sig_accept(confId);
// - No: refuses the invitation (reason 107603), emits sig_reject(confId);
// - the close button or TimeOutMs without an answer: the invitation lapses
//   (resetInviteConfId), emits sig_lapsed(confId).
// Each ends by hiding the mask and closing; the box deletes itself. When
// the client hides the mask (the inviter cancelled), the box closes without
// an answer.
class KP_CUSTOMUI_EXPORT GroupConfMsgBox : public MoveWidget
{
    Q_OBJECT
public:
    static constexpr int TimeOutMs = 59000;
    static constexpr int RefuseReason = 107603;

    explicit GroupConfMsgBox(QWidget* parent = nullptr);
    ~GroupConfMsgBox() override;

    // extensionJson is the conference's extension text: "groupId" and,
    // when present, "groupName" are shown; "inviter" names the inviting
    // account that a refusal is sent to.
    void setConferenceInfo(const QString& confId, const QString& extensionJson);
    void setInviteMessage(const QString& text);

    QString getConfId() const { return m_confId; }
    QString inviteMessage() const;

    QTimer* timeOutTimer() const { return m_timer; }

signals:
    void sig_accept(QString confId);
    void sig_reject(QString confId);
    void sig_lapsed(QString confId);

public slots:
    void slot_onAccept();
    void slot_onReject();
    void slot_onTimeOut();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    enum class Outcome { Accept, Reject, Lapse, Dismiss };
    void slot_onHideMask(PopUpHandleType type);
    void showGroup(const QString& name, const QString& groupId);
    void finish(Outcome outcome);

    std::unique_ptr<Ui::GroupConfMsgBox> ui;
    QTimer* m_timer = nullptr;
    QSound* m_ring = nullptr;
    QString m_confId;
    QString m_fromAccount;
    bool m_finished = false;
};
