#pragma once

#include <QRect>
#include <QStringList>
#include <QWidget>

#include <memory>

namespace Ui {
class ConfRightWgt;
}

class ConfMembersControlWidget;

// The side panel docked at the right of the conference window: a title strip
// with a close button over two pages, the attendee page (the member list) and
// the chat page. It relays the member list's signals and gives the conference
// window a few operations on it; showing and hiding it is the window's choice.
class ConfRightWgt : public QWidget
{
    Q_OBJECT
public:
    explicit ConfRightWgt(QWidget* parent = nullptr);
    ~ConfRightWgt() override;

    void setConfId(QString confId);
    void setIsHost(bool isHost);
    // Invites every member not enrolled again, each as a row's call button
    // does; returns how many were invited.
    int callOfflineMembers();
    QStringList joinedAccounts() const;

    ConfMembersControlWidget* attendeePage() const { return m_attendee; }
    bool isChatPage() const;

signals:
    void sig_invite_clicked(QRect rect);
    void sig_member_control_clicked(QRect rect);
    void sig_conf_right_close_clicked();
    void sig_onConferenceCountChange(int inConf, int willin, int AllCount);

public slots:
    void on_btn_member_clicked();
    void on_btn_chat_clicked();

private slots:
    void on_btn_close_clicked();

private:
    std::unique_ptr<Ui::ConfRightWgt> ui;
    ConfMembersControlWidget* m_attendee;
    bool m_chatAsked = false;
};
