#pragma once

#include <QPixmap>
#include <QSharedPointer>
#include <QSize>
#include <QString>

class AddressBookPerson;

// The picture a video pane shows for a person instead of video: the
// directory's picture file rounded to the label, or, when it does not load,
// one drawn from the name and account.
namespace CallAvatar {

// person may be null (not in the directory): the picture is drawn from the account.
QPixmap picture(const QSharedPointer<AddressBookPerson>& person, const QString& account, const QSize& label);

} // namespace CallAvatar
