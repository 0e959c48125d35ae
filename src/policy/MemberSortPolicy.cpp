#include "policy/MemberSortPolicy.h"

namespace MemberSortPolicy {

bool tieLessThan(const QString& leftName, const QString& leftAccount, int leftDevice, const QString& rightName,
    const QString& rightAccount, int rightDevice)
{
    // One pass over each text: QString::compare is the code-unit comparison of operator<.
    if (const int byName = QString::compare(leftName, rightName))
        return byName < 0;
    if (const int byAccount = QString::compare(leftAccount, rightAccount))
        return byAccount < 0;
    return leftDevice < rightDevice;
}

} // namespace MemberSortPolicy
