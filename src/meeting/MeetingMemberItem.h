#pragma once

#include "business/CallRecords.h"

#include <QPointer>
#include <QString>
#include <QWidget>

class AddressBookPerson;
class QLabel;
class QMenu;
class QPushButton;

// What the member rows of the voice and the video meeting share: the record's
// account, the master's mute and kick-out controls (buttons and a context
// menu), and the commands they send to MeetingView. A subclass builds its
// form, hands its controls to bindControls() and draws the avatar.
class MeetingMemberItem : public QWidget
{
    Q_OBJECT

public:
    ~MeetingMemberItem() override;

    // Fills the row from a member record (name, the controls the user may use).
    void setMemberInfo(const Agent_MeetingMemberInfo& info);
    // The member's two-character mute status ("11" and "01" open, "10" and "00"
    // muted); any other text leaves the row as it is.
    void setMuteStatus(const QString& status);

    QString account() const { return m_account; }
    bool isMuted() const { return m_muted; }
    // The context menu last shown; null before the first right click.
    QMenu* contextMenu() const;

public slots:
    // The master mutes the member, or lets him speak again.
    void slot_setMute();
    // The master removes the member from the meeting.
    void slot_deleteMember();

protected:
    explicit MeetingMemberItem(QWidget* parent);

    void bindControls(QLabel* name, QPushButton* mute, QPushButton* kick);
    // The picture of the directory's person (null when the directory does not know the account).
    virtual void showAvatar(const QSharedPointer<AddressBookPerson>& person) = 0;
    virtual QString kickText() const = 0;

    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    // The master sees controls on every row but his own.
    bool controlsOffered() const;

    QLabel* m_name = nullptr;
    QPushButton* m_mute = nullptr;
    QPushButton* m_kick = nullptr;
    QString m_account;
    bool m_muted = false;
    bool m_isMaster = false;
    bool m_isOwnRow = false;
    QPointer<QMenu> m_menu;
};
