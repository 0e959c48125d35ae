#include "facade/ControllerSupport.h"

namespace ControllerSupport {

QString displayName(const QString& account)
{
    const QSharedPointer<AddressBookPerson> person
        = business()->getAddressBookView()->getAddressBookOnePerson_Account(account, false);
    return person ? person->displayName() : QString();
}

} // namespace ControllerSupport
