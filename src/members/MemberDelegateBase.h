#pragma once

#include "business/ConferenceRecords.h"
#include "policy/MemberRosterPolicy.h"

#include <QFont>
#include <QStyledItemDelegate>

class QMouseEvent;

// What both member delegates share: the screen scale and the fonts, the row's
// record read without a copy, the avatar and the name, the confirmation request.
class MemberDelegateBase : public QStyledItemDelegate
{
    Q_OBJECT
public:
    // Paints nothing for a row whose value is no member record; else the avatar
    // and the name, then the rest of the row (paintRow).
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const final;
    // The member of a row left the list (an empty key: every row did): whatever
    // is open for it closes.
    virtual void memberGone(const QString& key) = 0;

signals:
    void sig_showMsgBox(
        QString sTitle, QString sMessage, QString sAccount, ENUM_CONFMEMBER_DEVICETYPE deviceType, MessageType type);

protected:
    explicit MemberDelegateBase(QObject* parent);
    virtual void paintRow(
        QPainter* painter, const QStyleOptionViewItem& option, const ConferenceMemberInfo& m) const = 0;
    // The record of the row when the event is a press of the left button on it;
    // false for any other event or a row of another value.
    static bool leftPressOn(QEvent* event, const QModelIndex& index, ConferenceMemberInfo* memberInfo);

    double m_scale = 1.0;
    QFont m_nameFont;
    QFont m_labelFont;
};
