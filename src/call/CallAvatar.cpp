#include "call/CallAvatar.h"

#include "business/AddressBookRecords.h"
#include "customui/KP_UI_UTIL.h"

namespace CallAvatar {

QPixmap picture(
    const QSharedPointer<AddressBookPerson>& person, const QString& account, int width, int height, int radius)
{
    QPixmap loaded;
    if (person && loaded.load(person->headImagePath()))
        return KP_UI_UTIL::PixmapToRound(loaded, width, height, radius);
    const QString name = person ? person->displayName() : account;
    return KP_UI_UTIL::getSelfDrawPicHead(name, account, width, height, true, radius, 12);
}

} // namespace CallAvatar
