#pragma once

#include "policy/VideoItem.h"

#include <QList>
#include <QRect>
#include <QSize>
#include <QString>

#include <optional>

// Rules of the voice conference grid (MediaLayoutWgt) that need no widget: the
// video area's geometry by member count, the tile order, the meeting clock,
// the group id of the conference summary and the table of its questions.
namespace VoiceGridPolicy {

// --- geometry ---

constexpr int kNormalWidth = 487;
constexpr int kNormalHeight = 605;
constexpr int kMiniWidth = 160;
constexpr int kMiniHeight = 230;

// Where the video area stands inside its container: the container's width,
// a height by member count (the whole width for 1, 3, 4 and 7 or more, half
// for 2, two thirds for 5 and 6; the whole width in mini mode), centred
// vertically.
QRect videoAreaGeometry(const QSize& container, int memberCount, bool miniMode);

// --- order ---

// The tiles' order: the user on this client first, everybody else (the user's
// other devices included) in the members' order.
QList<VideoItem> gridOrder(const QList<VideoItem>& members, const QString& selfAccount);

// --- meeting clock ---

struct Elapsed
{
    bool shown = false; // false: no time is shown (not started, or unreadable)
    qint64 days = 0;
    QString clock; // "HH:mm:ss" of the rest of the day
};

// Time since the conference started ("yyyy-MM-dd hh:mm:ss", local time).
Elapsed meetingElapsed(const QString& startText, qint64 nowMs);

// --- summary ---

// "groupId" of the summary's extension JSON: nullopt when the text is not a
// JSON object (the group id stays as it was), else the value, which is empty
// when the object has none.
std::optional<QString> groupIdOf(const QString& extensionJson);

// --- questions ---

// The questions of the confirmation box, by pop-up type.
enum Question : int {
    Question_EndMeeting = 85,
    Question_LeaveMeeting = 86,
    Question_OpenWhiteboard = 87,
    Question_OpenDesktopShare = 88,
    Question_CloseDesktopShare = 89,
    Question_AgreeDesktopShare = 90,
    Question_StartRecording = 91,
    Question_StopRecording = 92,
    Question_MoveToMobile = 93,
    Question_OpenMicrophone = 94,
    Question_CloseMicrophone = 95,
    Question_OpenCamera = 96,
    Question_CloseCamera = 97,
    Question_TransferHost = 98,
    Question_RaiseHand = 99,
    Question_LowerHand = 100,
};

struct QuestionText
{
    QString title;
    QString text;
    bool withIcon = true;
};

// Title and text of a type (translated); nullopt for a type that asks nothing.
std::optional<QuestionText> questionText(int type);

// The business call an answer makes.
enum class Answer {
    None,
    DismissConference,
    LeaveConference,
    BeginDesktopShare,
    StopDesktopShare,
    BeginRecording,
    StopRecording,
    SwitchToMobile, // then the phone notice
    OpenMicrophone,
    CloseMicrophone,
    OpenCamera,
    CloseCamera,
    RaiseHand,
    LowerHand,
    QueryWhiteboard, // only asks whether a whiteboard runs
};

Answer acceptAnswer(int type);
Answer rejectAnswer(int type);

} // namespace VoiceGridPolicy
