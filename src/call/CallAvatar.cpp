#include "call/CallAvatar.h"

#include "business/AddressBookRecords.h"
#include "customui/KP_UI_UTIL.h"

namespace CallAvatar {

QPixmap picture(const QSharedPointer<AddressBookPerson>& person, const QString& account, const QSize& label)
{
    QPixmap loaded;
    if (person && loaded.load(person->headImagePath()))
        return KP_UI_UTIL::PixmapToRound(loaded, label.width(), label.height(), 4);
    const QString name = person ? person->displayName() : account;
    // Drawn height by width, the pane's own order; only a label that is not square shows it.
    return KP_UI_UTIL::getSelfDrawPicHead(name, account, label.height(), label.width(), true, 4, 12);
}

} // namespace CallAvatar
