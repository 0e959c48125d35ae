<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>BottomTipWidget</name>
    <message>
        <location filename="../src/call/forms/BottomTipWidget.ui" line="+8"/>
        <source>Form</source>
        <translation>窗体</translation>
    </message>
    <message>
        <location line="+69"/>
        <source>Subject:</source>
        <translation>主题：</translation>
    </message>
    <message>
        <location line="+6"/>
        <location filename="../src/call/BottomTipWidget.cpp" line="+154"/>
        <source>Host:</source>
        <translation>主持人：</translation>
    </message>
    <message>
        <location line="+6"/>
        <location filename="../src/call/BottomTipWidget.cpp" line="+1"/>
        <source>Attendance:</source>
        <translation>参会人数：</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <location filename="../src/call/BottomTipWidget.cpp" line="-2"/>
        <source>Conference theme: </source>
        <translation>会议主题：</translation>
    </message>
</context>
<context>
    <name>CloseMediaWidgetTip</name>
    <message>
        <location filename="../src/meeting/forms/CloseMediaWidgetTip.ui" line="+8"/>
        <location filename="../src/meeting/CloseMediaWidgetTip.cpp" line="+30"/>
        <source>Prompt</source>
        <translation>提示</translation>
    </message>
    <message>
        <location line="+52"/>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <location filename="../src/meeting/MeetingTipPolicy.cpp" line="+16"/>
        <source>Exit the current audio session?</source>
        <translation>确定退出当前语音会议吗？</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Dismiss current audio sessions?</source>
        <translation>确定结束当前语音会议吗？</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Exit the current video meeting?</source>
        <translation>确定退出当前视频会议吗？</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Dismiss current video meeting?</source>
        <translation>确定结束当前视频会议吗？</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Exit point-to-point speech?</source>
        <translation>确定结束当前语音通话吗？</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Exit point to point video?</source>
        <translation>确定结束当前视频通话吗？</translation>
    </message>
</context>
<context>
    <name>ConfSmartBaseVideoPlayWgt</name>
    <message>
        <location filename="../src/video/forms/ConfSmartBaseVideoPlayWgt.ui" line="+6"/>
        <source>Form</source>
        <translation>窗体</translation>
    </message>
</context>
<context>
    <name>ConfSmartVideoPlayMainWdg</name>
    <message>
        <location filename="../src/video/forms/ConfSmartVideoPlayMainWdg.ui" line="+7"/>
        <source>Form</source>
        <translation>窗体</translation>
    </message>
</context>
<context>
    <name>ConfSmartVideoPlaySmallInfoWdg</name>
    <message>
        <location filename="../src/video/forms/ConfSmartVideoPlaySmallInfoWdg.ui" line="+7"/>
        <source>Form</source>
        <translation>窗体</translation>
    </message>
</context>
<context>
    <name>ConferenceCallWidget</name>
    <message>
        <location filename="../src/meeting/forms/ConferenceCallWidget.ui" line="+8"/>
        <location line="+33"/>
        <source>Invite phone to join</source>
        <translation>电话邀请入会</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>Enter the number</source>
        <translation>请输入电话号码</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>Call</source>
        <translation>呼叫</translation>
    </message>
    <message>
        <location filename="../src/meeting/ConferenceCallWidget.cpp" line="+76"/>
        <source>This cannot be empty</source>
        <translation>号码不能为空</translation>
    </message>
</context>
<context>
    <name>ConferenceTipWidget</name>
    <message>
        <location filename="../src/meeting/forms/ConferenceTipWidget.ui" line="+8"/>
        <location line="+54"/>
        <source>Pay attention to the phone call</source>
        <translation>请留意接听来电</translation>
    </message>
</context>
<context>
    <name>DebugForStatisticsWdg</name>
    <message>
        <location filename="../src/panels/DebugForStatisticsWdg.cpp" line="+60"/>
        <source>The current setting failed, please enter an integer between 1-20</source>
        <translation>设置失败，请输入 1-20 之间的整数</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>It is currently set to crawl every %1 second</source>
        <translation>当前设置为每 %1 秒抓取一次</translation>
    </message>
    <message>
        <location line="+43"/>
        <source>malformed report: %1</source>
        <translation>统计数据格式错误：%1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>rtt %1 ms   send loss %2   receive loss %3</source>
        <translation>往返时延 %1 毫秒   发送丢包 %2   接收丢包 %3</translation>
    </message>
</context>
<context>
    <name>ExtendDurationWidget</name>
    <message>
        <location filename="../libs/customui/forms/ExtendDurationWidget.ui" line="+9"/>
        <source>Extend the meeting</source>
        <translation>延长会议</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>15 minutes</source>
        <translation>15 分钟</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>30 minutes</source>
        <translation>30 分钟</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>60 minutes</source>
        <translation>60 分钟</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>No</source>
        <translation>不延长</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Extend</source>
        <translation>延长</translation>
    </message>
    <message>
        <location filename="../libs/customui/ExtendDurationWidget.cpp" line="+20"/>
        <source>The meeting is about to end</source>
        <translation>会议即将结束</translation>
    </message>
    <message>
        <location line="+64"/>
        <source>The meeting will end soon. Extend it? (%1 s)</source>
        <translation>会议即将结束，是否延长？（%1 秒）</translation>
    </message>
</context>
<context>
    <name>GroupConfMsgBox</name>
    <message>
        <location filename="../libs/customui/forms/GroupConfMsgBox.ui" line="+9"/>
        <location filename="../libs/customui/GroupConfMsgBox.cpp" line="+31"/>
        <source>Group meeting invitation</source>
        <translation>群会议邀请</translation>
    </message>
    <message>
        <location line="+71"/>
        <source>No</source>
        <translation>拒绝</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Accept</source>
        <translation>接受</translation>
    </message>
    <message>
        <location filename="../libs/customui/GroupConfMsgBox.cpp" line="+53"/>
        <source>Group: %1</source>
        <translation>群组：%1</translation>
    </message>
</context>
<context>
    <name>KPTitleBar</name>
    <message>
        <location filename="../libs/customui/forms/KPTitleBar.ui" line="+91"/>
        <source>Minimize</source>
        <translation>最小化</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Maximize</source>
        <translation>最大化</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Restore</source>
        <translation>还原</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
</context>
<context>
    <name>KP_MediaConfUI</name>
    <message>
        <location filename="../src/facade/KP_MediaConfUI.cpp" line="+200"/>
        <location line="+194"/>
        <source>Video invitation</source>
        <translation>视频通话邀请</translation>
    </message>
    <message>
        <location line="-192"/>
        <source>You receive a video invitation!</source>
        <translation>邀请您进行视频通话！</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+23"/>
        <source>Video meeting invitation</source>
        <translation>视频会议邀请</translation>
    </message>
    <message>
        <location line="-21"/>
        <source>You receive a video meeting invitation!</source>
        <translation>邀请您参加视频会议！</translation>
    </message>
    <message>
        <location line="+6"/>
        <location line="+25"/>
        <location line="+34"/>
        <source>Accept</source>
        <translation>接受</translation>
    </message>
    <message>
        <location line="-59"/>
        <location line="+25"/>
        <location line="+34"/>
        <source>No</source>
        <translation>拒绝</translation>
    </message>
    <message>
        <location line="-48"/>
        <source>A Voice meeting invitation</source>
        <translation>语音会议邀请</translation>
    </message>
    <message>
        <location line="+1"/>
        <source> Invite you to an audio conference</source>
        <translation> 邀请您参加语音会议</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Invite you to a video conference</source>
        <translation>邀请您参加视频会议</translation>
    </message>
    <message>
        <location line="+17"/>
        <location line="+21"/>
        <source>You are invited to the integrated meeting</source>
        <translation>邀请您参加融合会议</translation>
    </message>
    <message>
        <location line="-1"/>
        <source>You are invited to attend the training meeting</source>
        <translation>邀请您参加培训会议</translation>
    </message>
    <message>
        <location line="+94"/>
        <source>The other end is answered</source>
        <translation>已在其他端接听</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Other ends have refused</source>
        <translation>已在其他端拒绝</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>Answered by other device!</source>
        <translation>已在其他设备上接听！</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Cancle</source>
        <translation>取消</translation>
    </message>
    <message>
        <location line="+49"/>
        <location line="+7"/>
        <source>Your invitation rejected!</source>
        <translation>拒绝了您的邀请！</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Cancelled!</source>
        <translation>已取消！</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>User disconnected link!</source>
        <translation>已断开连接！</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>You were removed from the meeting!</source>
        <translation>您已被移出会议！</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The user</source>
        <translation>该用户</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Busy now!</source>
        <translation>正忙！</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The other party’s mobile phone is not around, please try again later</source>
        <translation>对方手机不在身边，请稍后再试</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Connection timeout, video call canceled</source>
        <translation>连接超时，视频通话已取消</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Please close the current video and then go on to the next video!</source>
        <translation>请先结束当前视频，再开始新的视频！</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The meeting disbanded by the host!</source>
        <translation>会议已被主持人解散！</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Your video connection is abnormal!</source>
        <translation>您的视频连接异常！</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>You may have a network connection problem!</source>
        <translation>您的网络连接可能有问题！</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Failed to join in-line video conference: %1</source>
        <translation>加入在线视频会议失败：%1</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Failed to join the video conference</source>
        <translation>加入视频会议失败</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Server logging in failed!</source>
        <translation>服务器登录失败！</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Sure to delete</source>
        <translation>确定删除</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>the user!</source>
        <translation>该用户！</translation>
    </message>
    <message>
        <location line="+96"/>
        <source>The group has been disbanded</source>
        <translation>该群组已解散</translation>
    </message>
    <message>
        <location line="+72"/>
        <source>Meetings initiated</source>
        <translation>发起的会议</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Two people are required to open the Jiugongge meeting</source>
        <translation>至少需要两人才能发起九宫格会议</translation>
    </message>
    <message>
        <location filename="../src/facade/FacadePolicy.cpp" line="+30"/>
        <location line="+4"/>
        <source>Other user is not online.Try again later</source>
        <translation>对方不在线，请稍后再试</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Have been suspended</source>
        <translation>账号已被停用</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Busy now.Try again later</source>
        <translation>对方忙，请稍后再试</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Time out.Try again later</source>
        <translation>呼叫超时，请稍后再试</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Server internal error</source>
        <translation>服务器内部错误</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>error code:%1</source>
        <translation>错误码：%1</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The meeting ID was not found</source>
        <translation>会议号不存在</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Wrong password for meeting</source>
        <translation>会议密码错误</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The meeting is full and cannot be joined</source>
        <translation>会议人数已满，无法加入</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The meeting is locked and cannot join the meeting</source>
        <translation>会议已锁定，无法加入</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Send app register notify fail</source>
        <translation>发送应用注册通知失败</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The meeting is not started.</source>
        <translation>会议尚未开始。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Conferece total count beyond limit</source>
        <translation>会议总数已达上限</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>You cannot join the meeting belonging to another organization.</source>
        <translation>不能加入其他组织的会议。</translation>
    </message>
</context>
<context>
    <name>KP_Util</name>
    <message>
        <location filename="../libs/util/KP_Util.cpp" line="+18"/>
        <source>Success</source>
        <translation>成功</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The invitation was refused</source>
        <translation>邀请被拒绝</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Other ends have refused</source>
        <translation>已在其他端拒绝</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+1"/>
        <source>The account has been suspended</source>
        <translation>账号已被停用</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bad request</source>
        <translation>请求无效</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The call was forbidden</source>
        <translation>呼叫被禁止</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The user was not found</source>
        <translation>用户不存在</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The call was not answered</source>
        <translation>呼叫无人接听</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The user is temporarily unavailable</source>
        <translation>用户暂时无法接通</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The user is busy</source>
        <translation>用户忙</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The call was cancelled</source>
        <translation>呼叫已取消</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The media is not acceptable</source>
        <translation>媒体格式不支持</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The service is unavailable</source>
        <translation>服务不可用</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The call was declined</source>
        <translation>呼叫被拒绝</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The meeting ID was not found</source>
        <translation>会议号不存在</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Wrong password for meeting</source>
        <translation>会议密码错误</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The meeting is full and cannot be joined</source>
        <translation>会议人数已满，无法加入</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The meeting is locked and cannot join the meeting</source>
        <translation>会议已锁定，无法加入</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Send app register notify fail</source>
        <translation>发送应用注册通知失败</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The meeting is not started.</source>
        <translation>会议尚未开始。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Conferece total count beyond limit</source>
        <translation>会议总数已达上限</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>You cannot join the meeting belonging to another organization.</source>
        <translation>不能加入其他组织的会议。</translation>
    </message>
</context>
<context>
    <name>KpMsgBox</name>
    <message>
        <location filename="../libs/customui/forms/KpMsgBox.ui" line="+20"/>
        <location filename="../libs/customui/KpMsgBox.cpp" line="+49"/>
        <location line="+129"/>
        <source>Prompt</source>
        <translation>提示</translation>
    </message>
    <message>
        <location line="+127"/>
        <location filename="../libs/customui/KpMsgBox.cpp" line="+78"/>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <location line="+13"/>
        <location filename="../libs/customui/KpMsgBox.cpp" line="-1"/>
        <source>Confirm</source>
        <translation>确定</translation>
    </message>
    <message>
        <location filename="../libs/customui/KpMsgBox.cpp" line="-102"/>
        <source>You are in a voice call. Please end it first.</source>
        <translation>您正在语音通话中，请先结束通话。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>You are in a video call. Please end it first.</source>
        <translation>您正在视频通话中，请先结束通话。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>You are in a conference. Please leave it first.</source>
        <translation>您正在会议中，请先退出会议。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>You are in a video meeting. Please leave it first.</source>
        <translation>您正在视频会议中，请先退出会议。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>You are in a meeting. Please leave it first.</source>
        <translation>您正在会议中，请先退出当前会议。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>You are in a whiteboard meeting. Leave it and continue?</source>
        <translation>您正在白板会议中，是否退出并继续？</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The microphone or camera is in use. Please try again later.</source>
        <translation>麦克风或摄像头正被占用，请稍后再试。</translation>
    </message>
    <message>
        <location line="+90"/>
        <source>OK</source>
        <translation>确定</translation>
    </message>
</context>
<context>
    <name>MessageNotice</name>
    <message>
        <location filename="../src/call/forms/MessageNotice.ui" line="+26"/>
        <source>Notice</source>
        <translation>通知</translation>
    </message>
</context>
<context>
    <name>MessageTipWidget</name>
    <message>
        <location filename="../libs/customui/forms/MessageTipWidget.ui" line="+9"/>
        <location filename="../libs/customui/MessageTipWidget.cpp" line="+37"/>
        <source>Meeting reminder</source>
        <translation>会议提醒</translation>
    </message>
    <message>
        <location line="+64"/>
        <source>Got it</source>
        <translation>知道了</translation>
    </message>
    <message>
        <location filename="../libs/customui/MessageTipWidget.cpp" line="+3"/>
        <source>Prompt</source>
        <translation>提示</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Subject: %1</source>
        <translation>会议主题：%1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Conference ID: %1</source>
        <translation>会议号：%1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Start time: %1</source>
        <translation>开始时间：%1</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>not fixed</source>
        <translation>未定</translation>
    </message>
</context>
<context>
    <name>MoreMenuChild</name>
    <message>
        <location filename="../src/panels/forms/MoreMenuChild.ui" line="+8"/>
        <location filename="../src/panels/MoreMenuChild.cpp" line="+54"/>
        <source>Configure</source>
        <translation>设置</translation>
    </message>
    <message>
        <location line="+36"/>
        <location filename="../src/panels/MoreMenuChild.cpp" line="+42"/>
        <source>audio Setting</source>
        <translation>音频设置</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>Audio input</source>
        <translation>麦克风</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Speaker output</source>
        <translation>扬声器</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>camera</source>
        <translation>摄像头</translation>
    </message>
    <message>
        <location line="+50"/>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <location filename="../src/panels/MoreMenuChild.cpp" line="-3"/>
        <source>video Setting</source>
        <translation>视频设置</translation>
    </message>
    <message>
        <location line="+36"/>
        <location line="+130"/>
        <source>No camera detected</source>
        <translation>未检测到摄像头</translation>
    </message>
    <message>
        <location line="-104"/>
        <source>No microphone detected</source>
        <translation>未检测到麦克风</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>No speaker detected</source>
        <translation>未检测到扬声器</translation>
    </message>
    <message>
        <location line="+87"/>
        <source>Looking for cameras...</source>
        <translation>正在查找摄像头...</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The camera picture is shown in the call window</source>
        <translation>摄像头画面显示在通话窗口中</translation>
    </message>
</context>
<context>
    <name>NetworkWidget</name>
    <message>
        <location filename="../src/panels/forms/NetworkWidget.ui" line="+8"/>
        <source>Network</source>
        <translation>网络</translation>
    </message>
    <message>
        <location line="+64"/>
        <source>Delay:</source>
        <translation>延迟：</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Uplink packet loss rate:</source>
        <translation>上行丢包率：</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Downstream packet loss rate:</source>
        <translation>下行丢包率：</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Uplink rate:</source>
        <translation>上行速率：</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Descending rate:</source>
        <translation>下行速率：</translation>
    </message>
    <message>
        <location filename="../src/panels/NetworkPolicy.cpp" line="+22"/>
        <source>Poor network quality</source>
        <translation>网络质量差</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>High network delay</source>
        <translation>网络延迟高</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The network connection is normal</source>
        <translation>网络连接正常</translation>
    </message>
</context>
<context>
    <name>PPC_NewScreenLayout</name>
    <message>
        <location filename="../src/panels/forms/PPC_NewScreenLayout.ui" line="+8"/>
        <location line="+34"/>
        <source>Layout</source>
        <translation>布局</translation>
    </message>
    <message>
        <location line="+108"/>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>OK</source>
        <translation>确定</translation>
    </message>
</context>
<context>
    <name>PPC_Polling</name>
    <message>
        <location filename="../src/panels/forms/PPC_Polling.ui" line="+8"/>
        <location line="+35"/>
        <source>Polling</source>
        <translation>轮巡</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>After the patrol is turned on, the layout automatically becomes 1 with 3, and the patrol is switched among 3 small screens</source>
        <translation>开启轮巡后，布局自动变为一大三小，3 个小画面轮流切换</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Round trip interval</source>
        <translation>轮巡间隔</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Turn on/off video round robin</source>
        <translation>开启/关闭视频轮巡</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>On</source>
        <translation>开启</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Off</source>
        <translation>关闭</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>OK</source>
        <translation>确定</translation>
    </message>
</context>
<context>
    <name>PPC_ScreenLayout</name>
    <message>
        <location filename="../src/panels/forms/PPC_ScreenLayout.ui" line="+8"/>
        <source>Layout</source>
        <translation>布局</translation>
    </message>
    <message>
        <location line="+56"/>
        <source>Big_Five</source>
        <translation>一大五小</translation>
    </message>
    <message>
        <location line="+57"/>
        <source>Cancle</source>
        <translation>取消</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Ok</source>
        <translation>确定</translation>
    </message>
    <message>
        <location filename="../src/panels/PPC_ScreenLayout.cpp" line="+22"/>
        <source>PIP Mode</source>
        <translation>画中画模式</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Speaker mode</source>
        <translation>主讲人模式</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>L-shaped layout mode</source>
        <translation>L 型布局模式</translation>
    </message>
    <message>
        <location line="+0"/>
        <location line="+1"/>
        <source>Gong Ge model</source>
        <translation>宫格模式</translation>
    </message>
</context>
<context>
    <name>PromptWidget_SysMsg</name>
    <message>
        <location filename="../src/video/forms/PromptWidget_SysMsg.ui" line="+6"/>
        <source>Form</source>
        <translation>窗体</translation>
    </message>
</context>
<context>
    <name>RectangeTip</name>
    <message>
        <location filename="../src/meeting/MeetingTipPolicy.cpp" line="+53"/>
        <source>conference will be close</source>
        <translation>会议即将结束</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 second left conference will be close</source>
        <translation>会议将在 %1 秒后结束</translation>
    </message>
</context>
<context>
    <name>SectionStaffWindow</name>
    <message>
        <location filename="../libs/customui/forms/SectionStaffWindow.ui" line="+20"/>
        <location filename="../libs/customui/SectionStaffWindow.cpp" line="+32"/>
        <source>Select members</source>
        <translation>选择成员</translation>
    </message>
    <message>
        <location line="+82"/>
        <source>Search by name, account or number</source>
        <translation>搜索姓名、账号或号码</translation>
    </message>
    <message>
        <location line="+126"/>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <location filename="../libs/customui/SectionStaffWindow.cpp" line="+97"/>
        <source>%1 persons</source>
        <translation>%1 人</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Selected: %1</source>
        <translation>已选：%1</translation>
    </message>
</context>
<context>
    <name>StaffPickerModel</name>
    <message>
        <location filename="../libs/customui/StaffPickerModel.cpp" line="+316"/>
        <source>No department</source>
        <translation>未分配部门</translation>
    </message>
</context>
<context>
    <name>VideoCall</name>
    <message>
        <location filename="../src/call/forms/VideoCall.ui" line="+86"/>
        <source>Voice only</source>
        <translation>仅语音</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Hide or show the preview</source>
        <translation>隐藏或显示本地画面</translation>
    </message>
    <message>
        <location filename="../src/call/VideoCall.cpp" line="+86"/>
        <location line="+129"/>
        <source>Duration   </source>
        <translation>通话时长   </translation>
    </message>
    <message>
        <location line="+29"/>
        <source>No camera detected</source>
        <translation>未检测到摄像头</translation>
    </message>
</context>
<context>
    <name>VoiceCall</name>
    <message>
        <location filename="../src/call/forms/VoiceCall.ui" line="+106"/>
        <source>Name</source>
        <translation>姓名</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Call state</source>
        <translation>通话状态</translation>
    </message>
    <message>
        <location line="+51"/>
        <source>Device settings</source>
        <translation>设备设置</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Microphone</source>
        <translation>麦克风</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Hang up</source>
        <translation>挂断</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Speaker</source>
        <translation>扬声器</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Whiteboard</source>
        <translation>白板</translation>
    </message>
    <message>
        <location filename="../src/call/VoiceCall.cpp" line="+114"/>
        <source>Through to the..</source>
        <translation>正在接通..</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Wait for someone to answer..</source>
        <translation>等待对方接听..</translation>
    </message>
    <message>
        <location line="+52"/>
        <source>In the call..</source>
        <translation>通话中..</translation>
    </message>
</context>
<context>
    <name>VoipCallIncoming</name>
    <message>
        <location filename="../src/call/forms/VoipCallIncoming.ui" line="+48"/>
        <source>Name</source>
        <translation>姓名</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Call prompt</source>
        <translation>来电提示</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Hang up</source>
        <translation>挂断</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Answer</source>
        <translation>接听</translation>
    </message>
    <message>
        <location filename="../src/call/VoipCallIncoming.cpp" line="+73"/>
        <source>You receive a voice call...</source>
        <translation>邀请您进行语音通话...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>You receive a video call...</source>
        <translation>邀请您进行视频通话...</translation>
    </message>
</context>
<context>
    <name>VoipToolBar</name>
    <message>
        <location filename="../src/call/forms/VoipToolBar.ui" line="+127"/>
        <source>Device settings</source>
        <translation>设备设置</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Switch between voice and video</source>
        <translation>切换语音/视频</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>Camera</source>
        <translation>摄像头</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>Microphone</source>
        <translation>麦克风</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>Share screen</source>
        <translation>共享屏幕</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Whiteboard</source>
        <translation>白板</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Hang up</source>
        <translation>挂断</translation>
    </message>
</context>
</TS>
