#pragma once

#include "members/MemberListViewBase.h"

class ConferenceMembersDelegate;
class ConferenceMembersSortFilter;

// A list of the older member panel: rows painted by ConferenceMembersDelegate
// (device icon, role word, row buttons), the conference creator first.
class ConferenceMembersListView : public MemberListViewBase
{
    Q_OBJECT
public:
    explicit ConferenceMembersListView(QWidget* parent = nullptr);
    ~ConferenceMembersListView() override;

    ConferenceMembersDelegate* delegate() const { return m_delegate; }

protected:
    void refreshOrder() override;
    void confirmationAnswered(bool accepted, int type, const QString& account) override;

private:
    ConferenceMembersDelegate* m_delegate;
    ConferenceMembersSortFilter* m_sortFilter;
};
