#pragma once

#include "business/AddressBookRecords.h"

#include <QSharedPointer>
#include <QWidget>

#include <memory>

class QAction;
class QMenu;

namespace Ui {
class AttendeesOneWidget;
}

// One person of the Vidyo meeting's attendee list: picture, name, state, a
// mute button, and a context menu with the profile and, for whoever may
// remove people, the removal.
class AttendeesOneWidget : public QWidget
{
    Q_OBJECT
public:
    explicit AttendeesOneWidget(QWidget* parent = nullptr);
    ~AttendeesOneWidget() override;

    // Fills the row. `removable`: the user may remove this person from the meeting.
    void setPerson(const QSharedPointer<AddressBookPerson>& person, bool removable, bool muted);
    QSharedPointer<AddressBookPerson> person() const { return m_person; }
    QString account() const;
    bool isMuted() const { return m_muted; }
    bool isRemovable() const { return m_removable; }
    // The context menu, once it was asked for.
    QMenu* contextMenu() const { return m_menu; }

public slots:
    void slot_onOperateBtn();
    void slot_PersonInfo();
    void slot_RemoveOut();
    void slot_setMemberSilenced(QString memberAccount, bool isSilenced);

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    bool isCurrentUser() const;
    void showMuted(bool muted);

    std::unique_ptr<Ui::AttendeesOneWidget> ui;
    QSharedPointer<AddressBookPerson> m_person;
    bool m_muted = false;
    bool m_removable = false;
    QMenu* m_menu = nullptr;
    QAction* m_removeAction = nullptr;
};
