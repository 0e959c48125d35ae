<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>BottomTipWidget</name>
    <message>
        <location filename="../src/call/forms/BottomTipWidget.ui" line="+8"/>
        <source>Form</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+69"/>
        <source>Subject:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <location filename="../src/call/BottomTipWidget.cpp" line="+154"/>
        <source>Host:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <location filename="../src/call/BottomTipWidget.cpp" line="+1"/>
        <source>Attendance:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+30"/>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/call/BottomTipWidget.cpp" line="-2"/>
        <source>Conference theme: </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CloseMediaWidgetTip</name>
    <message>
        <location filename="../src/meeting/forms/CloseMediaWidgetTip.ui" line="+8"/>
        <location filename="../src/meeting/CloseMediaWidgetTip.cpp" line="+30"/>
        <source>Prompt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+52"/>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/meeting/MeetingTipPolicy.cpp" line="+18"/>
        <source>Exit the current audio session?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Dismiss current audio sessions?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Exit the current video meeting?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Dismiss current video meeting?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Exit point-to-point speech?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Exit point to point video?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ConfSmartBaseVideoPlayWgt</name>
    <message>
        <location filename="../src/video/forms/ConfSmartBaseVideoPlayWgt.ui" line="+6"/>
        <source>Form</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ConfSmartVideoPlayMainWdg</name>
    <message>
        <location filename="../src/video/forms/ConfSmartVideoPlayMainWdg.ui" line="+7"/>
        <source>Form</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ConfSmartVideoPlaySmallInfoWdg</name>
    <message>
        <location filename="../src/video/forms/ConfSmartVideoPlaySmallInfoWdg.ui" line="+7"/>
        <source>Form</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ConferenceCallWidget</name>
    <message>
        <location filename="../src/meeting/forms/ConferenceCallWidget.ui" line="+8"/>
        <location line="+33"/>
        <source>Invite phone to join</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+40"/>
        <source>Enter the number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+33"/>
        <source>Call</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/meeting/ConferenceCallWidget.cpp" line="+76"/>
        <source>This cannot be empty</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ConferenceTipWidget</name>
    <message>
        <location filename="../src/meeting/forms/ConferenceTipWidget.ui" line="+8"/>
        <location line="+54"/>
        <source>Pay attention to the phone call</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DebugForStatisticsWdg</name>
    <message>
        <location filename="../src/panels/DebugForStatisticsWdg.cpp" line="+62"/>
        <source>The current setting failed, please enter an integer between 1-20</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>It is currently set to crawl every %1 second</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+46"/>
        <source>rtt %1 ms   send loss %2   receive loss %3</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ExtendDurationWidget</name>
    <message>
        <location filename="../libs/customui/forms/ExtendDurationWidget.ui" line="+9"/>
        <source>Extend the meeting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+33"/>
        <source>15 minutes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>30 minutes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>60 minutes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+25"/>
        <source>No</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Extend</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../libs/customui/ExtendDurationWidget.cpp" line="+20"/>
        <source>The meeting is about to end</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+64"/>
        <source>The meeting will end soon. Extend it? (%1 s)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GroupConfMsgBox</name>
    <message>
        <location filename="../libs/customui/forms/GroupConfMsgBox.ui" line="+9"/>
        <location filename="../libs/customui/GroupConfMsgBox.cpp" line="+26"/>
        <source>Group meeting invitation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+71"/>
        <source>No</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Accept</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../libs/customui/GroupConfMsgBox.cpp" line="+49"/>
        <source>Group: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>KPTitleBar</name>
    <message>
        <location filename="../libs/customui/forms/KPTitleBar.ui" line="+110"/>
        <source>Minimize</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Maximize</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Restore</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>KP_MediaConfUI</name>
    <message>
        <location filename="../src/facade/KP_MediaConfUI.cpp" line="+201"/>
        <location line="+194"/>
        <source>Video invitation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-192"/>
        <source>You receive a video invitation!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+23"/>
        <source>Video meeting invitation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-21"/>
        <source>You receive a video meeting invitation!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <location line="+25"/>
        <location line="+34"/>
        <source>Accept</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-59"/>
        <location line="+25"/>
        <location line="+34"/>
        <source>No</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-48"/>
        <source>A Voice meeting invitation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source> Invite you to an audio conference</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Invite you to a video conference</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+17"/>
        <location line="+21"/>
        <source>You are invited to the integrated meeting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-1"/>
        <source>You are invited to attend the training meeting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+94"/>
        <source>The other end is answered</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Other ends have refused</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+34"/>
        <source>Answered by other device!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Cancle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+49"/>
        <location line="+7"/>
        <source>Your invitation rejected!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Cancelled!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+9"/>
        <source>User disconnected link!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+9"/>
        <source>You were removed from the meeting!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The user</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Busy now!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The other party’s mobile phone is not around, please try again later</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Connection timeout, video call canceled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Please close the current video and then go on to the next video!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The meeting disbanded by the host!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Your video connection is abnormal!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>You may have a network connection problem!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Failed to join in-line video conference: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Failed to join the video conference</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Server logging in failed!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Sure to delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>the user!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+95"/>
        <source>The group has been disbanded</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+72"/>
        <source>Meetings initiated</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Two people are required to open the Jiugongge meeting</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>KP_Util</name>
    <message>
        <location filename="../libs/util/KP_Util.cpp" line="+18"/>
        <source>Success</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The invitation was refused</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Other ends have refused</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+1"/>
        <source>The account has been suspended</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bad request</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The call was forbidden</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The user was not found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The call was not answered</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The user is temporarily unavailable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The user is busy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The call was cancelled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The media is not acceptable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The service is unavailable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The call was declined</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The meeting ID was not found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Wrong password for meeting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The meeting is full and cannot be joined</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The meeting is locked and cannot join the meeting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Send app register notify fail</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The meeting is not started.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Conferece total count beyond limit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>You cannot join the meeting belonging to another organization.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>KpMsgBox</name>
    <message>
        <location filename="../libs/customui/forms/KpMsgBox.ui" line="+20"/>
        <location filename="../libs/customui/KpMsgBox.cpp" line="+51"/>
        <location line="+134"/>
        <source>Prompt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+127"/>
        <location filename="../libs/customui/KpMsgBox.cpp" line="+77"/>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+13"/>
        <location filename="../libs/customui/KpMsgBox.cpp" line="-1"/>
        <source>Confirm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../libs/customui/KpMsgBox.cpp" line="-101"/>
        <source>You are in a voice call. Please end it first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>You are in a video call. Please end it first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>You are in a conference. Please leave it first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>You are in a video meeting. Please leave it first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>You are in a meeting. Please leave it first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>You are in a whiteboard meeting. Leave it and continue?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The microphone or camera is in use. Please try again later.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+89"/>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MessageNotice</name>
    <message>
        <location filename="../src/call/forms/MessageNotice.ui" line="+26"/>
        <source>Notice</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MessageTipWidget</name>
    <message>
        <location filename="../libs/customui/forms/MessageTipWidget.ui" line="+9"/>
        <location filename="../libs/customui/MessageTipWidget.cpp" line="+37"/>
        <source>Meeting reminder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+64"/>
        <source>Got it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../libs/customui/MessageTipWidget.cpp" line="+3"/>
        <source>Prompt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Subject: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Conference ID: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Start time: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>not fixed</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MoreMenuChild</name>
    <message>
        <location filename="../src/panels/forms/MoreMenuChild.ui" line="+8"/>
        <location filename="../src/panels/MoreMenuChild.cpp" line="+53"/>
        <source>Configure</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+36"/>
        <location filename="../src/panels/MoreMenuChild.cpp" line="+46"/>
        <source>audio Setting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+35"/>
        <source>Audio input</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Speaker output</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+29"/>
        <source>camera</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+50"/>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/panels/MoreMenuChild.cpp" line="-3"/>
        <source>video Setting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+36"/>
        <location line="+130"/>
        <source>No camera detected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-104"/>
        <source>No microphone detected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+19"/>
        <source>No speaker detected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+87"/>
        <source>Looking for cameras...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The camera picture is shown in the call window</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NetworkWidget</name>
    <message>
        <location filename="../src/panels/forms/NetworkWidget.ui" line="+8"/>
        <source>Network</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+64"/>
        <source>Delay:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Uplink packet loss rate:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Downstream packet loss rate:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Uplink rate:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Descending rate:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/panels/NetworkPolicy.cpp" line="+22"/>
        <source>Poor network quality</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>High network delay</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The network connection is normal</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PPC_NewScreenLayout</name>
    <message>
        <location filename="../src/panels/forms/PPC_NewScreenLayout.ui" line="+8"/>
        <location line="+34"/>
        <source>Layout</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+108"/>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PPC_Polling</name>
    <message>
        <location filename="../src/panels/forms/PPC_Polling.ui" line="+8"/>
        <location line="+35"/>
        <source>Polling</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+31"/>
        <source>After the patrol is turned on, the layout automatically becomes 1 with 3, and the patrol is switched among 3 small screens</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Round trip interval</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Turn on/off video round robin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>On</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+42"/>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PPC_ScreenLayout</name>
    <message>
        <location filename="../src/panels/forms/PPC_ScreenLayout.ui" line="+8"/>
        <source>Layout</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+56"/>
        <source>Big_Five</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+57"/>
        <source>Cancle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Ok</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/panels/PPC_ScreenLayout.cpp" line="+22"/>
        <source>PIP Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Speaker mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>L-shaped layout mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <location line="+1"/>
        <source>Gong Ge model</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PromptWidget_SysMsg</name>
    <message>
        <location filename="../src/video/forms/PromptWidget_SysMsg.ui" line="+6"/>
        <source>Form</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RectangeTip</name>
    <message>
        <location filename="../src/meeting/MeetingTipPolicy.cpp" line="+62"/>
        <source>conference will be close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 second left conference will be close</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SectionStaffWindow</name>
    <message>
        <location filename="../libs/customui/forms/SectionStaffWindow.ui" line="+20"/>
        <location filename="../libs/customui/SectionStaffWindow.cpp" line="+32"/>
        <source>Select members</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+82"/>
        <source>Search by name, account or number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+126"/>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+13"/>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../libs/customui/SectionStaffWindow.cpp" line="+97"/>
        <source>%1 persons</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Selected: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StaffPickerModel</name>
    <message>
        <location filename="../libs/customui/StaffPickerModel.cpp" line="+294"/>
        <source>No department</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>VideoCall</name>
    <message>
        <location filename="../src/call/forms/VideoCall.ui" line="+86"/>
        <source>Voice only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Hide or show the preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/call/VideoCall.cpp" line="+83"/>
        <location line="+126"/>
        <source>Duration   </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+29"/>
        <source>No camera detected</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>VoiceCall</name>
    <message>
        <location filename="../src/call/forms/VoiceCall.ui" line="+106"/>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Call state</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+51"/>
        <source>Device settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Microphone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Hang up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Speaker</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Whiteboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/call/VoiceCall.cpp" line="+113"/>
        <source>Through to the..</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Wait for someone to answer..</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+55"/>
        <source>In the call..</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>VoipCallIncoming</name>
    <message>
        <location filename="../src/call/forms/VoipCallIncoming.ui" line="+48"/>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Call prompt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Hang up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Answer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/call/VoipCallIncoming.cpp" line="+72"/>
        <source>You receive a voice call...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>You receive a video call...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>VoipToolBar</name>
    <message>
        <location filename="../src/call/forms/VoipToolBar.ui" line="+127"/>
        <source>Device settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Switch between voice and video</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+28"/>
        <source>Camera</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+28"/>
        <source>Microphone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+28"/>
        <source>Share screen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Whiteboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Hang up</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
