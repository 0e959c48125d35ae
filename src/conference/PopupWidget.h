#pragma once

#include "business/ConferenceRecords.h"
#include "policy/ConferencePopupPolicy.h"

#include <QDialog>
#include <QHash>
#include <QPointer>
#include <memory>

class MoreMenuChild;
class NewPPC_Info;
class PPC_Chat;
class PPC_Invite;
class PPC_Material;
class PPC_Member;
class PPC_Minutes;
class PPC_ScreenLayout;
namespace Ui {
class PopupWidget;
}

// The conference window's panel host: one of the side pages (layout chooser,
// material, meeting information, settings, minutes, invitation, members,
// chat) under a title strip. The window makes a new one for every opening and
// shows it modally; closing deletes it, hiding leaves it for its opener.
class PopupWidget : public QDialog
{
    Q_OBJECT

public:
    using PopupWidgetType = ConferencePopupPolicy::PopupWidgetType;

    explicit PopupWidget(QWidget* parent = nullptr);
    ~PopupWidget() override;

    // The title and the page of the type; another value is logged and changes nothing.
    void setShowType(int type);
    int showType() const { return m_type; }
    void setConferenceInfo(const ConferenceBriefInfo& info);
    void setHost(bool host);
    // The layout chooser's current layout; only while it is the page shown.
    void setLayoutType(int type);
    // Whether a share runs: the pages do not depend on it.
    void setSharing(bool sharing);

    PPC_ScreenLayout* layoutPage() const { return m_layoutPage; }
    NewPPC_Info* infoPage() const { return m_infoPage; }
    PPC_Chat* chatPage() const { return m_chatPage; }
    PPC_Invite* invitePage() const { return m_invitePage; }
    PPC_Member* memberPage() const { return m_memberPage; }
    QString title() const;

signals:
    void sig_setScreenLayout(int type);

public slots:
    void slot_hidePopupWgt();
    void slot_closePopupWgt();

private:
    // Puts the panel into its page as a plain child and relays its closing.
    template<typename Panel> Panel* host(QWidget* page);
    void showDeviceSettings(int devicePage);

    std::unique_ptr<Ui::PopupWidget> ui;
    int m_type = -1;
    bool m_isHost = false;
    ConferenceBriefInfo m_info;
    PPC_ScreenLayout* m_layoutPage = nullptr;
    PPC_Material* m_materialPage = nullptr;
    NewPPC_Info* m_infoPage = nullptr;
    PPC_Minutes* m_minutesPage = nullptr;
    PPC_Member* m_memberPage = nullptr;
    PPC_Chat* m_chatPage = nullptr;
    PPC_Invite* m_invitePage = nullptr;
    QPointer<MoreMenuChild> m_deviceSettings;
};
