#pragma once

#include "business/ConferenceRecords.h"

#include <QWidget>
#include <memory>

namespace Ui {
class PPC_Chat;
}

// The conference's activity log: one time-stamped line for every member who
// joins, refuses, quits or is kicked, starts or stops sharing, raises a hand
// or switches microphone or camera, and the lines its owner hands it. It
// keeps every line for its lifetime. The input box sends nothing.
class PPC_Chat : public QWidget
{
    Q_OBJECT

public:
    explicit PPC_Chat(QWidget* parent = nullptr);
    ~PPC_Chat() override;

    QStringList lines() const;

signals:
    void sig_closePopupWgt();

public slots:
    void slot_onJoinConferenceNotify(ConferenceMemberInfo memberInfo, QString confId);
    void slot_onInviteConfNotify(QString memberId, int cause);
    void slot_onConfMsgMemberQuit(QString memberId, ENUM_CONFMEMBER_DEVICETYPE deviceType);
    void slot_onConfMsgKickMember(QString memberId, ENUM_CONFMEMBER_DEVICETYPE deviceType);
    void slot_onBeginShareDesktopNotify(QString memberId, ENUM_CONFMEMBER_DEVICETYPE deviceType);
    void slot_onStopShareDesktopNotify(QString memberId);
    void slot_onHandUp(
        bool isSuccess, QString errorMsg, bool on, QString account, ENUM_CONFMEMBER_DEVICETYPE deviceType);
    void slot_updateMemberInfo(ConferenceMemberInfo memberInfo, int action);
    // A line of the owner's, shown as it is (no time stamp).
    void slot_updateMemberOperLog(QString sOper);

private slots:
    void on_SendMsgBtn_clicked();

private:
    // The directory's name for the account, else the text itself.
    static QString nameOf(const QString& account);
    void appendLine(const QString& name, const QString& what);

    std::unique_ptr<Ui::PPC_Chat> ui;
};
