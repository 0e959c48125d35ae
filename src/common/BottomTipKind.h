#pragma once

// What the bottom notification holds. The notification's own enumeration
// (BottomTipWidget::BottomTipType) and the invitation rules, which choose the
// kind by invitation, both take their values from here. Header-only and free of
// Qt so that the policy library can use it.
namespace BottomTipKind {
enum Value : int {
    None = 0,
    VidyoCall = 1, // Vidyo video-call invitation
    VidyoMeeting = 2, // Vidyo video-meeting invitation
    VoiceMeeting = 3, // voice-meeting invitation
    VideoMeeting = 4, // video-meeting invitation
    Conference = 5, // unified-conference invitation
    OtherDeviceAnswered = 6, // notice: another device of the user answered
};
} // namespace BottomTipKind
