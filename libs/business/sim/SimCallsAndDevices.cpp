// One-to-one call, local device and older meeting answers of the simulator.

#include "BusinessSimulator.h"

#include "KP_BusinessView.h"

namespace {
constexpr int deviceDelayMs = 50;
constexpr int meetingDelayMs = 500;

VoipView* voipView()
{
    return KP_BusinessView::instance()->getVoipView();
}
MeetingView* meetingView()
{
    return KP_BusinessView::instance()->getMeetingView();
}
} // namespace

void BusinessSimulator::registerCallAndDeviceHandlers()
{
    const QString voip = QStringLiteral("VoipView");
    // Devices answer with the state the view keeps (SetMute changes it).
    on(voip, QStringLiteral("GetMuteStatus"), [this](const QVariantList&) {
        after(deviceDelayMs, [] { emit voipView()->sig_onGetMuteStatus(voipView()->state().muted); });
    });
    on(voip, QStringLiteral("SetMute"), [this](const QVariantList& a) {
        const bool mute = a.value(0).toBool();
        after(deviceDelayMs, [mute] { emit voipView()->sig_OnSetMuteStatus(BusinessReason::DeviceSuccess, mute); });
    });
    on(voip, QStringLiteral("GetSpeakerStatus"), [this](const QVariantList&) {
        after(deviceDelayMs, [] {
            emit voipView()->sig_OnGetSpeakerStatus(BusinessReason::DeviceSuccess, voipView()->state().speakerVolume);
        });
    });
    on(voip, QStringLiteral("SetSpeakerStatus"), [this](const QVariantList& a) {
        const uint volume = a.value(0).toUInt();
        after(deviceDelayMs,
            [volume] { emit voipView()->sig_OnSetSpeakerStatus(BusinessReason::DeviceSuccess, volume); });
    });
    on(voip, QStringLiteral("getCameraInfo"), [this](const QVariantList&) {
        after(deviceDelayMs, [] { emit voipView()->sig_onGetCameraInfo(voipView()->state().cameras); });
    });
    on(voip, QStringLiteral("getMicroPhoneInfo"), [this](const QVariantList&) {
        after(deviceDelayMs, [] { emit voipView()->sig_onGetMicroPhoneInfo(voipView()->state().microphones); });
    });
    on(voip, QStringLiteral("getSpeakerInfo"), [this](const QVariantList&) {
        after(deviceDelayMs, [] { emit voipView()->sig_onGetSpeakerInfo(voipView()->state().speakers); });
    });
    // Screens first: the chooser builds its cards when the window list arrives.
    on(voip, QStringLiteral("selectShareWindow"), [this](const QVariantList&) {
        after(deviceDelayMs, [this] {
            const VoipView::State& s = voipView()->state();
            QList<long long> screens;
            for (qlonglong id : s.screens)
                screens << id;
            emit voipView()->sig_onGetShareScreenInfoList(screens);
            emit voipView()->sig_onGetShareDeviceInfoList(s.shareWindows);
            handled(QStringLiteral("selectShareWindow"));
        });
    });
    on(voip, QStringLiteral("closeVideoCallWnd"),
        [this](const QVariantList&) { after(0, [] { emit voipView()->sig_closeVideoCallWnd(); }); });

    const QString meeting = QStringLiteral("MeetingView");
    on(meeting, QStringLiteral("acceptMeeting"), [this](const QVariantList&) {
        after(meetingDelayMs, [this] {
            MeetingView* view = meetingView();
            const int type = view->state().inviteMeetingType == 2 ? 2 : 1;
            view->state().inviteMeetingCallid.clear();
            emit view->sig_showMeetingWidget(type);
            if (type == 2)
                emit view->sig_showVideoMeetingId(view->state().meetingId);
            else
                emit view->sig_showVoiceMeetingId(view->state().meetingId);
            handled(QStringLiteral("acceptMeeting"));
        });
    });
    on(meeting, QStringLiteral("closeVoiceMeeting"),
        [this](const QVariantList&) { after(0, [] { emit meetingView()->sig_closeVoiceMeeting(); }); });
    on(meeting, QStringLiteral("closeVideoMeeting"),
        [this](const QVariantList&) { after(0, [] { emit meetingView()->sig_closeVideoMeeting(); }); });
}
