#pragma once

#include <QString>

// Rules of the facade that need no window: call kinds and the texts of failures.
namespace FacadePolicy {

// Call types as the business library sends them: 0 and 2 voice; 1, 6 and 7 video.
bool isVoiceCallType(int callType);
bool isVideoCallType(int callType);

// The text of a failed or ended call. `utilityText` is what the reason table of
// the utility library gave for `reason` (possibly empty).
QString callFailureText(int reason, const QString& utilityText);

// The tip of a failed conference operation: the server's own text unless the
// reason has a fixed one. Empty means nothing is shown.
QString conferenceErrorText(const QString& serverText, int reason);

} // namespace FacadePolicy
