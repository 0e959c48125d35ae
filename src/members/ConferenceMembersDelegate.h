#pragma once

#include "members/MemberDelegateBase.h"

#include <QPointer>
#include <QStringList>

class KpMenu;
class QAction;
class QLineEdit;
class QPushButton;

// Paints a row of the older member list (avatar, name, device icon, the
// moderator's role word, the row buttons) and handles presses on it: the
// raised-hand and kick-out confirmations, camera and microphone control, the
// training menu, calling an absent member back, and renaming in place.
//
// Which of the four button areas shows what is MemberRosterPolicy::olderRowButtons:
// k = 3 the raised hand, 2 the camera, 1 the microphone, 0 remove or add.
class ConferenceMembersDelegate : public MemberDelegateBase
{
    Q_OBJECT
public:
    explicit ConferenceMembersDelegate(QObject* parent = nullptr);
    ~ConferenceMembersDelegate() override;

    bool editorEvent(QEvent* event, QAbstractItemModel* model, const QStyleOptionViewItem& option,
        const QModelIndex& index) override;
    void updateEditorGeometry(
        QWidget* editor, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    bool helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
        const QModelIndex& index) override;

    // The open rename editor, if any; the training menu.
    QLineEdit* renameEditor() const;
    KpMenu* trainingMenu() const;
    // The member of a row left the list (an empty key: every row did).
    void memberGone(const QString& key);

public slots:
    void slot_MenuAction_trigger(QAction* pAction);
    void slot_EditFinished();

protected:
    void paintRow(QPainter* painter, const QStyleOptionViewItem& option, const ConferenceMemberInfo& m) const override;

private:
    // What the buttons depend on, read from the business view at each press and paint.
    struct Viewer
    {
        bool isHost = false;
        QString creator;
        QString account;
        ENUM_CONFERENCE_TYPE confType = CONFERENCE_TYPE_UNKNOWN;
    };
    static Viewer viewer();
    MemberRosterPolicy::OlderRowButtons buttonsFor(const Viewer& v, const ConferenceMemberInfo& m) const;
    void pressButton(
        MemberRosterPolicy::RowButton button, const ConferenceMemberInfo& m, const Viewer& v, const QPoint& globalPos);
    void openEditor(const QStyleOptionViewItem& option, const QModelIndex& index, const ConferenceMemberInfo& m);
    QPushButton* flatButton(MemberRosterPolicy::RowButton button) const;
    QString stateImage(MemberRosterPolicy::RowButton button, const ConferenceMemberInfo& m) const;

    const QString m_imagePath;
    // The hand, camera, microphone and remove buttons: their style sheets give the pressed look.
    // They and the menu have no parent, so a client that closes stray windows may delete them first.
    QPointer<QPushButton> m_handBtn;
    QPointer<QPushButton> m_cameraBtn;
    QPointer<QPushButton> m_micBtn;
    QPointer<QPushButton> m_removeBtn;
    QStringList m_texts; // "Kick out", "Microphone", "Camera", "Hands up": the areas' tool tips
    QPointer<KpMenu> m_menu;
    ConferenceMemberInfo m_menuMember;
    QPointer<QLineEdit> m_editor;
    QString m_pressedKey; // the row and area held down, painted pressed
    int m_pressedArea = -1;
};
