#pragma once

#include <QFont>
#include <QPixmap>
#include <QString>

class QPainter;
class QRect;
struct ConferenceMemberInfo;

// What both member lists paint the same way: the avatar and the name, and the
// images of the resources.
//
// A row is painted whenever it scrolls into view or changes, so nothing that
// costs is done per paint: a person's picture is read from disk and rounded
// once per account, picture and size (a drawn avatar is made once too), and
// icons are loaded and scaled once. Both sit in QPixmapCache.
namespace MemberRowPainter {

// The member's avatar, a square of the side with corners of 4 px: the picture
// file of the directory person, else one drawn from the name. `dpr` is the
// painted device's pixel ratio: the pixmap is made sharp for it.
QPixmap avatar(const QString& account, const QString& displayName, int side, qreal dpr = 1.0);
// Picture files read since start: the cache's witness for the tests.
int avatarFileReads();

// An image of the resources scaled to a square of the size (sharp for the
// device pixel ratio); a null pixmap when missing.
QPixmap icon(const QString& path, int size, qreal dpr = 1.0);

// "Microsoft Yahei": the name bold (weight 75) at 14 px, the role label at 12 px,
// grown by the screen scale like the rows themselves.
QFont nameFont(double scale = 1.0);
QFont labelFont(double scale = 1.0);

// The avatar, then the name in the font (the name font) and #333333, elided at the right.
void paintAvatarAndName(
    QPainter* painter, const QRect& row, double scale, const ConferenceMemberInfo& member, const QFont& font);

} // namespace MemberRowPainter
