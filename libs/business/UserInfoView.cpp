#include "business/UserInfoView.h"

UserInfoView::UserInfoView(QObject* parent)
    : BusinessViewBase(QStringLiteral("UserInfoView"), parent)
{ }

void UserInfoView::resetState()
{
    m_state = State();
}

QString UserInfoView::getCurUserAccount() const
{
    query(QStringLiteral("getCurUserAccount"));
    return m_state.account;
}

QString UserInfoView::getCurUserName() const
{
    query(QStringLiteral("getCurUserName"));
    return m_state.name;
}

bool UserInfoView::getUserAuthority(int authority) const
{
    query(QStringLiteral("getUserAuthority"), authority);
    return m_state.authorities.contains(authority);
}
