#pragma once

#include "business/BusinessEnums.h"

#include <QPointer>
#include <QString>
#include <QWidget>

class SmartConferenceLoadingWnd;

// Enters one conference straight away when the client is started from an
// outside link: shows the loading window while the business library logs in,
// joins the conference once the login succeeds, and turns the window into
// the failure notice when the join fails. The conference window itself is
// the facade's; the manager only hides its loading window when that shows.
//
// A widget used only to receive signals, never shown. It owns the loading
// window and takes it along when it goes.
class SmartConferenceLaunchMgr : public QWidget
{
    Q_OBJECT

public:
    explicit SmartConferenceLaunchMgr(QWidget* parent = nullptr);
    ~SmartConferenceLaunchMgr() override;

    // show: the loading window in the loading or the failure state; otherwise hidden.
    void showLoading(bool show = true, bool failed = false);
    // Stores the conference to enter and starts waiting for the login again.
    // The other two texts of the link are not used.
    void setLaunchParam(const QString& confId, const QString& second, const QString& third);

    QString confId() const { return m_confId; }
    // From setLaunchParam until the conference is entered; a failed join keeps it pending.
    bool isLaunchPending() const { return m_launchPending; }
    // Null until the first showLoading(true, ...).
    SmartConferenceLoadingWnd* loadingWnd() const;

public slots:
    void slot_onLoginSuccess(QString userName);
    void slot_showConferenceMainWidget(ENUM_CONFERENCE_TYPE confType, ENUM_CONFERENCE_MEDIA_TYPE mediaType, bool flag);
    void slot_onJoinConference(bool isSuccess, QString errorMsg, QString confId);
    void slot_onJoinConferenceSuccess();
    void slot_onJoinConferenceFailed(QString errorMsg);

private:
    // The conference is entered: the window goes and later logins join nothing.
    void launchDone();

    QString m_confId;
    QPointer<SmartConferenceLoadingWnd> m_loadingWnd;
    // The manager is made for a launch: until the first setLaunchParam a login joins the empty id.
    bool m_launchPending = true;
};
