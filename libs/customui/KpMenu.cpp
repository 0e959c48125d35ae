#include "customui/KpMenu.h"

#include "customui/KP_UI_UTIL.h"
#include "customui/KpStyle.h"
#include "customui/ScreenScale.h"
#include "util/KPLog.h"

namespace {

QString lightSheet()
{
    return QStringLiteral("QMenu{background:#ffffff;border:1px solid #e3e3e3;border-radius:6px;padding:4px 0px;}"
                          "QMenu::item{color:#333333;padding:6px 24px 6px 16px;background:transparent;}"
                          "QMenu::item:selected{background:#f0f0f0;color:#1d6fe8;}"
                          "QMenu::item:disabled{color:#bbbbbb;}"
                          "QMenu::separator{height:1px;background:#e3e3e3;margin:4px 8px;}");
}

QString darkSheet()
{
    return QStringLiteral("QMenu{background:rgba(0,0,0,200);border:none;border-radius:6px;padding:4px 0px;}"
                          "QMenu::item{color:#ffffff;padding:6px 24px 6px 16px;background:transparent;}"
                          "QMenu::item:selected{background:rgba(255,255,255,40);}"
                          "QMenu::item:disabled{color:#888888;}"
                          "QMenu::separator{height:1px;background:rgba(255,255,255,60);margin:4px 8px;}");
}

} // namespace

KpMenu::KpMenu(QWidget* parent)
    : QMenu(parent)
{ }

void KpMenu::setMenuType(KpMenuType type)
{
    QString name;
    switch (type) {
    case KpMenu_Light:
        name = QStringLiteral("light");
        setStyleSheet(ScreenScale::grownStyleSheet(lightSheet()));
        break;
    case KpMenu_Dark:
        name = QStringLiteral("dark");
        setStyleSheet(ScreenScale::grownStyleSheet(darkSheet()));
        break;
    default:
        if (type != KpMenu_Default)
            g_Log.LogDebug(QStringLiteral("KpMenu::setMenuType unknown type %1").arg(int(type)));
        type = KpMenu_Default;
        name = QStringLiteral("default");
        setStyleSheet(QString());
        break;
    }
    m_type = type;
    // Rounded corners need a see-through window around them.
    const bool custom = type != KpMenu_Default;
    setWindowFlag(Qt::FramelessWindowHint, custom);
    setWindowFlag(Qt::NoDropShadowWindowHint, custom);
    setAttribute(Qt::WA_TranslucentBackground, custom);
    if (custom)
        setFont(KP_UI_UTIL::getFontScale(14, false));
    KpStyle::setStyleProperty(this, "menuType", name);
}

void KpMenu::setMenuType(int type)
{
    setMenuType(static_cast<KpMenuType>(type));
}
