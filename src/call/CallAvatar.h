#pragma once

#include <QPixmap>
#include <QSharedPointer>
#include <QString>

class AddressBookPerson;

// The picture the call windows show for a person: the directory's picture
// file, or one drawn from the name when there is none, rounded to `radius`.
namespace CallAvatar {

// person may be null (not in the directory): the picture is drawn from the account.
QPixmap picture(const QSharedPointer<AddressBookPerson>& person, const QString& account, int width, int height,
    int radius);

} // namespace CallAvatar
