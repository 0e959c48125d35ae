#include "members/MemberRowPainter.h"

#include "business/KP_BusinessView.h"
#include "customui/KP_UI_UTIL.h"
#include "customui/KpElideLabel.h"
#include "policy/MemberRowGeometry.h"

#include <QFile>
#include <QFontMetrics>
#include <QPainter>
#include <QPixmapCache>

namespace MemberRowPainter {

namespace {

int g_fileReads = 0;

QPixmap readPicture(const QString& path)
{
    QPixmap picture;
    if (path.isEmpty())
        return picture;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return picture;
    ++g_fileReads;
    picture.loadFromData(file.readAll());
    return picture;
}

} // namespace

QPixmap avatar(const QString& account, const QString& displayName, int side, qreal dpr)
{
    const QSharedPointer<AddressBookPerson> person
        = KP_BusinessView::instance()->getAddressBookView()->getAddressBookOnePerson_Account(account, false);
    const QString path = person ? person->headImagePath() : QString();
    if (!(dpr > 0))
        dpr = 1.0;
    // The name is part of the key: a drawn avatar shows it.
    const QString key = QStringLiteral("kp.member.avatar\x1f%1\x1f%2\x1f%3\x1f%4\x1f%5")
                            .arg(account, path, displayName)
                            .arg(side)
                            .arg(dpr);
    QPixmap pixmap;
    if (QPixmapCache::find(key, &pixmap))
        return pixmap;
    const QPixmap picture = readPicture(path);
    const int pixels = qRound(side * dpr);
    const int corner = qRound(4 * dpr);
    pixmap = picture.isNull()
        ? KP_UI_UTIL::getSelfDrawPicHead(account, displayName, pixels, pixels, true, corner, qRound(12 * dpr))
        : KP_UI_UTIL::PixmapToRound(picture, pixels, pixels, corner);
    pixmap.setDevicePixelRatio(dpr);
    QPixmapCache::insert(key, pixmap);
    return pixmap;
}

int avatarFileReads()
{
    return g_fileReads;
}

QPixmap icon(const QString& path, int size, qreal dpr)
{
    if (!(dpr > 0))
        dpr = 1.0;
    const QString key = QStringLiteral("kp.member.icon\x1f%1\x1f%2\x1f%3").arg(path).arg(size).arg(dpr);
    QPixmap pixmap;
    if (QPixmapCache::find(key, &pixmap))
        return pixmap;
    pixmap = QPixmap(path);
    if (!pixmap.isNull()) {
        const int pixels = qRound(size * dpr);
        pixmap = pixmap.scaled(pixels, pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        pixmap.setDevicePixelRatio(dpr);
    }
    QPixmapCache::insert(key, pixmap);
    return pixmap;
}

QFont nameFont(double scale)
{
    QFont font(QStringLiteral("Microsoft Yahei"));
    font.setWeight(75);
    font.setPixelSize(qMax(1, qRound(14 * scale)));
    return font;
}

QFont labelFont(double scale)
{
    QFont font(QStringLiteral("Microsoft Yahei"));
    font.setPixelSize(qMax(1, qRound(12 * scale)));
    return font;
}

void paintAvatarAndName(
    QPainter* painter, const QRect& row, double scale, const ConferenceMemberInfo& member, const QFont& font)
{
    const QRect avatarArea = MemberRowGeometry::avatarRect(row, scale);
    const qreal dpr = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
    painter->drawPixmap(avatarArea.topLeft(), avatar(member.account, member.name, avatarArea.width(), dpr));

    const QRect nameArea = MemberRowGeometry::nameRect(row, scale);
    painter->setFont(font);
    painter->setPen(QColor(QStringLiteral("#333333")));
    const QString elided = KpElideLabel::elided(QFontMetrics(font), member.name, nameArea.width());
    painter->drawText(nameArea, Qt::AlignLeft | Qt::AlignVCenter, elided);
}

} // namespace MemberRowPainter
