#include "members/MemberDelegateBase.h"

#include "customui/KP_UI_UTIL.h"
#include "members/MemberListViewBase.h"
#include "members/MemberRowPainter.h"

#include <QMouseEvent>
#include <QPainter>

MemberDelegateBase::MemberDelegateBase(QObject* parent)
    : QStyledItemDelegate(parent)
    , m_scale(KP_UI_UTIL::getScreenScale())
    , m_nameFont(MemberRowPainter::nameFont(m_scale))
    , m_labelFont(MemberRowPainter::labelFont(m_scale))
{ }

void MemberDelegateBase::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    const QVariant value = index.data(MemberListViewBase::RecordRole);
    const ConferenceMemberInfo* m = MemberListViewBase::recordIn(value);
    if (!m)
        return;
    painter->save();
    painter->setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    if (option.state & QStyle::State_MouseOver)
        painter->fillRect(option.rect, QColor(QStringLiteral("#F5F7FA")));
    MemberRowPainter::paintAvatarAndName(painter, option.rect, m_scale, *m, m_nameFont);
    paintRow(painter, option, *m);
    painter->restore();
}

bool MemberDelegateBase::leftPressOn(QEvent* event, const QModelIndex& index, ConferenceMemberInfo* memberInfo)
{
    if (event->type() != QEvent::MouseButtonPress || static_cast<QMouseEvent*>(event)->button() != Qt::LeftButton)
        return false;
    const QVariant value = index.data(MemberListViewBase::RecordRole);
    const ConferenceMemberInfo* m = MemberListViewBase::recordIn(value);
    if (!m)
        return false;
    *memberInfo = *m;
    return true;
}
