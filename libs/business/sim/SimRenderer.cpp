// The simulator as the native renderer: handles handed over for video get a
// test card; stopping the stream or handing over nullptr takes it away.

#include "business/sim/BusinessSimulator.h"

#include "business/KP_BusinessView.h"
#include "business/sim/TestCardRenderer.h"

namespace {
QString deviceLabel(int deviceType)
{
    switch (deviceType) {
    case CONFMEMBER_DEVICE_TELEPHONE:
        return QStringLiteral("telephone");
    case CONFMEMBER_DEVICE_MOBILE:
        return QStringLiteral("mobile");
    case CONFMEMBER_DEVICE_PAD:
    case CONFMEMBER_DEVICE_PAD_LIMITED:
        return QStringLiteral("tablet");
    case CONFMEMBER_DEVICE_WEB:
        return QStringLiteral("browser");
    default:
        return QStringLiteral("camera");
    }
}

quintptr handleArg(const QVariantList& a, int i)
{
    return a.value(i).value<quintptr>();
}
} // namespace

void BusinessSimulator::registerRenderHandlers()
{
    const auto selfName = [] {
        const UserInfoView::State& user = KP_BusinessView::instance()->getUserInfoView()->state();
        return user.name.isEmpty() ? user.account : user.name;
    };
    const auto memberName = [this](const QString& account, int deviceType) {
        if (const ConferenceMemberInfo* m
            = KP_BusinessView::instance()->getUnifiedConferenceView()->member(account, deviceType))
            return m->name.isEmpty() ? account : m->name;
        return displayName(account);
    };

    // One-to-one calls.
    const QString voip = QStringLiteral("VoipView");
    const auto bindCall = [this, selfName](const QVariantList& a, bool withShare) {
        const quintptr remote = handleArg(a, 0);
        const quintptr local = handleArg(a, 1);
        const quintptr remoteShare = withShare ? handleArg(a, 2) : 0;
        const quintptr localShare = withShare ? handleArg(a, 3) : 0;
        const QString self = selfName();
        render([this, remote, local, remoteShare, localShare, self, withShare] {
            m_renderer->show(
                QStringLiteral("voip.remote"), remote, QStringLiteral("Remote party"), QStringLiteral("remote video"));
            m_renderer->show(QStringLiteral("voip.local"), local, self, QStringLiteral("local preview"));
            if (withShare) {
                m_renderer->show(QStringLiteral("voip.remoteShare"), remoteShare, QStringLiteral("Remote party"),
                    QStringLiteral("shared screen"));
                m_renderer->show(QStringLiteral("voip.localShare"), localShare, self, QStringLiteral("shared screen"));
            }
        });
    };
    onRender(voip, QStringLiteral("setVideoView"), [bindCall](const QVariantList& a) { bindCall(a, false); });
    onRender(voip, QStringLiteral("setVideoViewEX"), [bindCall](const QVariantList& a) { bindCall(a, true); });
    onRender(voip, QStringLiteral("setLocalCameraPreview"), [this, selfName](const QVariantList& a) {
        const bool on = a.value(1).toBool();
        const quintptr local = KP_BusinessView::instance()->getVoipView()->state().localView;
        const QString self = selfName();
        render([this, on, local, self] {
            m_renderer->show(QStringLiteral("voip.local"), on ? local : 0, self, QStringLiteral("local preview"));
        });
    });

    // Unified conference.
    const QString conf = QStringLiteral("UnifiedConferenceView");
    onRender(conf, QStringLiteral("requestStartMemberVideo"), [this, memberName](const QVariantList& a) {
        const QString account = a.value(0).toString();
        const int deviceType = a.value(1).toInt();
        const quintptr handle = handleArg(a, 2);
        const QString name = memberName(account, deviceType);
        render([this, account, deviceType, handle, name] {
            m_renderer->show(
                QStringLiteral("conf.video.") + memberKey(account, deviceType), handle, name, deviceLabel(deviceType));
        });
    });
    onRender(conf, QStringLiteral("requestStopMemberVideo"), [this](const QVariantList& a) {
        const QString slot = QStringLiteral("conf.video.") + memberKey(a.value(0).toString(), a.value(1).toInt());
        render([this, slot] { m_renderer->remove(slot); });
    });
    onRender(conf, QStringLiteral("resetSelfVideoView"), [this, selfName](const QVariantList& a) {
        const quintptr handle = handleArg(a, 0);
        const QString self = selfName();
        render([this, handle, self] {
            m_renderer->show(QStringLiteral("conf.self"), handle, self, QStringLiteral("local camera"));
        });
    });
    onRender(conf, QStringLiteral("requestDesktopShareView"), [this, memberName](const QVariantList& a) {
        const QString account = a.value(0).toString();
        const int deviceType = a.value(1).toInt();
        const quintptr handle = handleArg(a, 2);
        const QString name = memberName(account, deviceType);
        render([this, account, deviceType, handle, name] {
            m_renderer->show(QStringLiteral("conf.share.") + memberKey(account, deviceType), handle, name,
                QStringLiteral("shared desktop"));
        });
    });
    onRender(conf, QStringLiteral("stopDesktopShareView"), [this](const QVariantList& a) {
        const QString slot = QStringLiteral("conf.share.") + memberKey(a.value(0).toString(), a.value(1).toInt());
        render([this, slot] { m_renderer->remove(slot); });
    });

    // Older video meetings.
    const QString meeting = QStringLiteral("MeetingView");
    onRender(meeting, QStringLiteral("setVideoView"), [this, selfName](const QVariantList& a) {
        const quintptr handle = handleArg(a, 0);
        const QString self = selfName();
        render([this, handle, self] {
            m_renderer->show(QStringLiteral("meeting.self"), handle, self, QStringLiteral("local camera"));
        });
    });
    onRender(meeting, QStringLiteral("requestConferenceMemberVideo"), [this](const QVariantList& a) {
        const QString account = a.value(0).toString();
        const quintptr handle = handleArg(a, 1);
        const QString name = displayName(account);
        render([this, account, handle, name] {
            m_renderer->show(QStringLiteral("meeting.member.") + account, handle, name, QStringLiteral("camera"));
        });
    });
    onRender(meeting, QStringLiteral("cancelConferenceMemberVideo"), [this](const QVariantList& a) {
        const QString slot = QStringLiteral("meeting.member.") + a.value(0).toString();
        render([this, slot] { m_renderer->remove(slot); });
    });
    onRender(meeting, QStringLiteral("closeVideoMeeting"),
        [this](const QVariantList&) { render([this] { m_renderer->removeWithPrefix(QStringLiteral("meeting.")); }); });
}
