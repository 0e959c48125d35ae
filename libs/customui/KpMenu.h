#pragma once

#include "customui/kp_customui_global.h"

#include <QMenu>

enum KpMenuType {
    KpMenu_Default = 0, // the platform's menu
    KpMenu_Light = 1, // white, rounded, grey hover: menus over light windows (member lists)
    KpMenu_Dark = 2, // translucent black with white text: menus over video
};

// The library's pop-up menu. The type is also the dynamic property
// "menuType" ("default", "light", "dark").
class KP_CUSTOMUI_EXPORT KpMenu : public QMenu
{
    Q_OBJECT
public:
    explicit KpMenu(QWidget* parent = nullptr);

    void setMenuType(KpMenuType type);
    void setMenuType(int type);
    KpMenuType menuType() const { return m_type; }

private:
    KpMenuType m_type = KpMenu_Default;
};
