<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>AttendeesOneWidget</name>
    <message>
        <location filename="../src/vidyo/forms/AttendeesOneWidget.ui" line="+38"/>
        <location line="+5"/>
        <source>Mute or un-mute</source>
        <translation>静音或取消静音</translation>
    </message>
    <message>
        <location filename="../src/vidyo/AttendeesOneWidget.cpp" line="+75"/>
        <source>Muted</source>
        <translation>已静音</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>In the meeting</source>
        <translation>会议中</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>Profile</source>
        <translation>个人资料</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Delete members</source>
        <translation>删除成员</translation>
    </message>
</context>
<context>
    <name>AttendeesWidget</name>
    <message>
        <location filename="../src/vidyo/forms/AttendeesWidget.ui" line="+24"/>
        <location filename="../src/vidyo/AttendeesWidget.cpp" line="+30"/>
        <source>Members:(0/20)</source>
        <translation>成员：(0/20)</translation>
    </message>
    <message>
        <location line="+14"/>
        <location filename="../src/vidyo/AttendeesWidget.cpp" line="+107"/>
        <source>un-mute</source>
        <translation>取消静音</translation>
    </message>
    <message>
        <location line="+18"/>
        <location line="+10"/>
        <source>Add Friend</source>
        <translation>添加好友</translation>
    </message>
    <message>
        <location filename="../src/policy/VidyoPolicy.cpp" line="+74"/>
        <source>Members:</source>
        <translation>成员：</translation>
    </message>
    <message>
        <location filename="../src/vidyo/AttendeesWidget.cpp" line="-3"/>
        <source>Speaking banned</source>
        <translation>禁止发言</translation>
    </message>
</context>
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
        <location filename="../src/call/BottomTipWidget.cpp" line="+151"/>
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
    <name>CallPhoneDlg</name>
    <message>
        <location filename="../src/panels/forms/CallPhoneDlg.ui" line="+8"/>
        <location line="+32"/>
        <source>Invite phone to join</source>
        <translation>电话邀请入会</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Phone number</source>
        <translation>电话号码</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Please enter your mobile phone number</source>
        <translation>请输入手机号码</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Confirm call</source>
        <translation>确认呼叫</translation>
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
        <location filename="../src/policy/MeetingTipPolicy.cpp" line="+16"/>
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
    <name>ComConfirmDlg</name>
    <message>
        <location filename="../src/panels/forms/ComConfirmDlg.ui" line="+6"/>
        <source>Confirm</source>
        <translation>确定</translation>
    </message>
    <message>
        <location line="+53"/>
        <source>OK</source>
        <translation>确定</translation>
    </message>
</context>
<context>
    <name>ConfMembersControlDelegate</name>
    <message>
        <location filename="../src/members/ConfMembersControlDelegate.cpp" line="+88"/>
        <source>Host, The main venue</source>
        <translation>主持人，主会场</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Host</source>
        <translation>主持人</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The main venue</source>
        <translation>主会场</translation>
    </message>
    <message>
        <location line="+60"/>
        <source>Invitation sent!</source>
        <translation>邀请已发送！</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Close video</source>
        <translation>关闭视频</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Open video</source>
        <translation>打开视频</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Close audio</source>
        <translation>关闭音频</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Open audio</source>
        <translation>打开音频</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Kick out</source>
        <translation>移出会议</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Set as host</source>
        <translation>设为主持人</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>Information</source>
        <translation>信息</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Are you sure to kick out %1?</source>
        <translation>确定将 %1 移出会议吗？</translation>
    </message>
</context>
<context>
    <name>ConfMembersControlWidget</name>
    <message>
        <location filename="../src/members/forms/ConfMembersControlWidget.ui" line="+6"/>
        <source>Form</source>
        <translation>窗体</translation>
    </message>
    <message>
        <location line="+67"/>
        <location filename="../src/members/ConfMembersControlWidget.cpp" line="+282"/>
        <source>Joined (%1)</source>
        <translation>已入会 (%1)</translation>
    </message>
    <message>
        <location line="+10"/>
        <location filename="../src/members/ConfMembersControlWidget.cpp" line="+7"/>
        <source>Not enrolled (%1)</source>
        <translation>未入会 (%1)</translation>
    </message>
    <message>
        <location line="+67"/>
        <source>invitation</source>
        <translation>邀请</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Personnel control</source>
        <translation>人员控制</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Turn on
all cameras</source>
        <translation>打开
全部摄像头</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Turn off
all cameras</source>
        <translation>关闭
全部摄像头</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Mute all</source>
        <translation>全体静音</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Unmute all</source>
        <translation>取消全体静音</translation>
    </message>
    <message>
        <location line="-152"/>
        <location filename="../src/members/ConfMembersControlWidget.cpp" line="-197"/>
        <source>Search for enrolled members</source>
        <translation>搜索已入会成员</translation>
    </message>
    <message>
        <location filename="../src/members/ConfMembersControlWidget.cpp" line="-52"/>
        <source>Search</source>
        <translation>搜索</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Clear the search</source>
        <translation>清除搜索内容</translation>
    </message>
</context>
<context>
    <name>ConfRightWgt</name>
    <message>
        <location filename="../src/members/forms/ConfRightWgt.ui" line="+7"/>
        <source>Form</source>
        <translation>窗体</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <location filename="../src/members/ConfRightWgt.cpp" line="+77"/>
        <source>attendee</source>
        <translation>成员</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>chat</source>
        <translation>聊天</translation>
    </message>
</context>
<context>
    <name>ConfShareWidget</name>
    <message>
        <location filename="../src/panels/forms/ConfShareWidget.ui" line="+8"/>
        <location line="+58"/>
        <location filename="../src/panels/ConfShareWidget.cpp" line="+24"/>
        <location line="+1"/>
        <source>Conference Share</source>
        <translation>会议分享</translation>
    </message>
    <message>
        <location line="-17"/>
        <location line="+29"/>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <location line="-21"/>
        <location line="+13"/>
        <source>Minimize</source>
        <translation>最小化</translation>
    </message>
    <message>
        <location line="+38"/>
        <location line="+5"/>
        <source>Conf Topic</source>
        <translation>会议主题</translation>
    </message>
    <message>
        <location line="+9"/>
        <location line="+5"/>
        <source>Conf Num</source>
        <translation>会议号</translation>
    </message>
    <message>
        <location line="+9"/>
        <location line="+5"/>
        <source>Phone Num</source>
        <translation>电话号码</translation>
    </message>
    <message>
        <location line="+9"/>
        <location line="+5"/>
        <source>Conf Url</source>
        <translation>会议链接</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Copy Share Info</source>
        <translation>复制分享信息</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Copy Url</source>
        <translation>复制链接</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Scan QRCode
share conference</source>
        <translation>扫描二维码
分享会议</translation>
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
        <location line="+11"/>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>Phone number</source>
        <translation>电话号码</translation>
    </message>
    <message>
        <location line="+3"/>
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
    <name>ConferenceMainUi</name>
    <message>
        <location filename="../src/conference/forms/ConferenceMainUi.ui" line="+7"/>
        <location filename="../src/conference/ConferenceMainUi.cpp" line="+131"/>
        <source>meeting</source>
        <translation>会议</translation>
    </message>
    <message>
        <location line="+25"/>
        <location line="+62"/>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <location line="-53"/>
        <location line="+35"/>
        <source>Minimize</source>
        <translation>最小化</translation>
    </message>
    <message>
        <location line="-26"/>
        <location line="+35"/>
        <source>Maximize</source>
        <translation>最大化</translation>
    </message>
    <message>
        <location line="-20"/>
        <source>Kestrum Conference</source>
        <translation>Kestrum 会议</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>Asks whether to leave or end the conference</source>
        <translation>询问是离开还是结束会议</translation>
    </message>
    <message>
        <location filename="../src/conference/ConferenceLayoutControl.cpp" line="+185"/>
        <source>When there are less than 2 participants in the meeting, display with full screen</source>
        <translation>会议成员少于 2 人时，以全屏显示</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>When switching layouts, round robin will fail</source>
        <translation>切换布局后，轮巡将失效</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>When there are not enough participants, the round robin mode cannot be turned on!</source>
        <translation>成员人数不足，无法开启轮巡模式！</translation>
    </message>
    <message>
        <location filename="../src/conference/ConferenceMainUi.cpp" line="+168"/>
        <source>Media timeout, you will leave the meeting!</source>
        <translation>媒体超时，您将离开会议！</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Move out of meeting</source>
        <translation>移出会议</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>You have joined the meeting on another device, and the current device has been removed from the meeting.</source>
        <translation>您已在其他设备上加入会议，当前设备已被移出会议。</translation>
    </message>
    <message>
        <location line="+50"/>
        <location line="+1075"/>
        <source>invite</source>
        <translation>邀请</translation>
    </message>
    <message>
        <location line="-1074"/>
        <location line="+1076"/>
        <source>invite tellphone</source>
        <translation>电话邀请</translation>
    </message>
    <message>
        <location line="-922"/>
        <source>Turn off voice activation</source>
        <translation>关闭语音激励</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Turn on voice activation</source>
        <translation>开启语音激励</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Polling</source>
        <translation>轮巡</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Meeting information</source>
        <translation>会议信息</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Configura</source>
        <translation>设置</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Meeting lock: turned on</source>
        <translation>会议锁：已开启</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Meeting lock: turned off</source>
        <translation>会议锁：已关闭</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Sharing lock: turned on</source>
        <translation>共享锁：已开启</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Shared lock: turned off</source>
        <translation>共享锁：已关闭</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>Cannot be opened without device</source>
        <translation>没有设备，无法打开</translation>
    </message>
    <message>
        <location line="+47"/>
        <source>The moderator has turned on sharing lock, please wait</source>
        <translation>主持人已开启共享锁，请稍候</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>The meeting is being shared, please wait</source>
        <translation>会议中有人正在共享，请稍候</translation>
    </message>
    <message>
        <location line="+209"/>
        <source>Invite phone to join</source>
        <translation>电话邀请入会</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Please enter your mobile phone number</source>
        <translation>请输入手机号码</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Confirm call</source>
        <translation>确认呼叫</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <location line="+63"/>
        <source>Offline call sent</source>
        <translation>已向未入会成员发起呼叫</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>There are currently no unincorporated members</source>
        <translation>当前没有未入会的成员</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>The current share is H5, browser does not support</source>
        <translation>当前共享来自 H5 客户端，浏览器不支持</translation>
    </message>
    <message>
        <location line="+88"/>
        <source>The moderator turns on the sharing lock, prohibiting whiteboard sharing</source>
        <translation>主持人已开启共享锁，禁止共享白板</translation>
    </message>
    <message>
        <location line="+144"/>
        <source>The moderator is about to start sharing, and you have been stopped sharing already</source>
        <translation>主持人即将开始共享，您的共享已被停止</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>The moderator has turned on the sharing lock, currently only the modartaor can initiate sharing</source>
        <translation>主持人已开启共享锁，目前只有主持人可以发起共享</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>Is the camera on?</source>
        <translation>是否打开摄像头？</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Closing room exception</source>
        <translation>关闭会议室异常</translation>
    </message>
    <message>
        <location line="+132"/>
        <source>The file does not exist in the current path</source>
        <translation>当前路径下不存在该文件</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>The monitoring plug-in is running, please do not open it repeatedly</source>
        <translation>监控插件正在运行，请勿重复打开</translation>
    </message>
    <message>
        <location filename="../src/policy/ConferenceWindowPolicy.cpp" line="+43"/>
        <source>%1 day %2</source>
        <translation>%1 天 %2</translation>
    </message>
</context>
<context>
    <name>ConferenceMembersDelegate</name>
    <message>
        <location filename="../src/members/ConferenceMembersDelegate.cpp" line="+60"/>
        <source>Kick out</source>
        <translation>移出会议</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Microphone</source>
        <translation>麦克风</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Camera</source>
        <translation>摄像头</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Hands up</source>
        <translation>举手</translation>
    </message>
    <message>
        <location line="+95"/>
        <source>lecturer</source>
        <translation>主讲人</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>moderator</source>
        <translation>主持人</translation>
    </message>
    <message>
        <location line="+68"/>
        <source>Deal with hands up</source>
        <translation>处理举手</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Deal with %1 &apos;s hands up</source>
        <translation>处理 %1 的举手</translation>
    </message>
    <message>
        <location line="+17"/>
        <location line="+27"/>
        <source>Move out of training</source>
        <translation>移出培训</translation>
    </message>
    <message>
        <location line="-26"/>
        <location line="+28"/>
        <source>Set as the presenter</source>
        <translation>设为主讲人</translation>
    </message>
    <message>
        <location line="-21"/>
        <source>Information</source>
        <translation>信息</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Are you sure to kick out %1?</source>
        <translation>确定将 %1 移出会议吗？</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Invitation sent!</source>
        <translation>邀请已发送！</translation>
    </message>
</context>
<context>
    <name>ConferenceTipWidget</name>
    <message>
        <location filename="../src/meeting/forms/ConferenceTipWidget.ui" line="+8"/>
        <location line="+55"/>
        <source>Pay attention to the phone call</source>
        <translation>请留意接听来电</translation>
    </message>
    <message>
        <location line="-26"/>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
</context>
<context>
    <name>ConferenceTitleBar</name>
    <message>
        <location filename="../src/conference/forms/ConferenceTitleBar.ui" line="+46"/>
        <source>Security</source>
        <translation>安全</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Shows whether the conference is encrypted</source>
        <translation>显示会议是否已加密</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Network quality</source>
        <translation>网络质量</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Shows the delay and packet loss of the connection</source>
        <translation>显示连接的延迟和丢包率</translation>
    </message>
    <message>
        <location line="+44"/>
        <source>Recording</source>
        <translation>录制</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Recording in progress</source>
        <translation>正在录制</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Copy conference number</source>
        <translation>复制会议号</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Layout</source>
        <translation>布局</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Choose layout</source>
        <translation>选择布局</translation>
    </message>
    <message>
        <location filename="../src/conference/ConferenceTitleBar.cpp" line="+149"/>
        <source>Copy success</source>
        <translation>复制成功</translation>
    </message>
    <message>
        <location filename="../src/policy/ConferenceLayoutPolicy.cpp" line="+29"/>
        <source>PIP Mode</source>
        <translation>画中画模式</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Speaker mode</source>
        <translation>主讲人模式</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>L-shaped layout mode</source>
        <translation>L 型布局模式</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Gong Ge model</source>
        <translation>宫格模式</translation>
    </message>
</context>
<context>
    <name>ConferenceToolBar</name>
    <message>
        <location filename="../src/conference/forms/ConferenceToolBar.ui" line="+50"/>
        <location line="+31"/>
        <source>Microphone</source>
        <translation>麦克风</translation>
    </message>
    <message>
        <location line="-30"/>
        <source>Mutes or unmutes your microphone</source>
        <translation>打开或关闭您的麦克风</translation>
    </message>
    <message>
        <location line="+70"/>
        <source>Camera</source>
        <translation>摄像头</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Turns your camera on or off</source>
        <translation>打开或关闭您的摄像头</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>camera</source>
        <translation>摄像头</translation>
    </message>
    <message>
        <location line="+23"/>
        <location line="+5"/>
        <source>Local recording</source>
        <translation>本地录制</translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+6"/>
        <source>Polling</source>
        <translation>轮巡</translation>
    </message>
    <message>
        <location line="-5"/>
        <source>Shows the members one after another</source>
        <translation>依次轮流显示成员画面</translation>
    </message>
    <message>
        <location line="+10"/>
        <location line="+5"/>
        <source>Layout</source>
        <translation>布局</translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+5"/>
        <source>Full screen</source>
        <translation>全屏</translation>
    </message>
    <message>
        <location line="+6"/>
        <location line="+5"/>
        <source>Invite</source>
        <translation>邀请</translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+5"/>
        <source>More</source>
        <translation>更多</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>Participants</source>
        <translation>成员</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>attendee</source>
        <translation>成员</translation>
    </message>
    <message>
        <location line="+46"/>
        <source>Share screen</source>
        <translation>共享屏幕</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>share</source>
        <translation>共享</translation>
    </message>
    <message>
        <location line="+70"/>
        <source>chat</source>
        <translation>聊天</translation>
    </message>
    <message>
        <location line="+49"/>
        <source>Work bench</source>
        <translation>工作台</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Host tools: polling, meeting lock and sharing lock</source>
        <translation>主持人工具：轮巡、会议锁和共享锁</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>workbench</source>
        <translation>工作台</translation>
    </message>
    <message>
        <location line="+46"/>
        <source>stop conference</source>
        <translation>结束会议</translation>
    </message>
    <message>
        <location filename="../src/conference/ConferenceToolBar.cpp" line="+54"/>
        <source>Please do not click frequently!</source>
        <translation>请勿频繁点击！</translation>
    </message>
    <message>
        <location line="+37"/>
        <location line="+49"/>
        <source>Turn off the microphone</source>
        <translation>关闭麦克风</translation>
    </message>
    <message>
        <location line="-48"/>
        <location line="+55"/>
        <source>turn off camera</source>
        <translation>关闭摄像头</translation>
    </message>
    <message>
        <location filename="../src/conference/forms/ConferenceToolBar.ui" line="-159"/>
        <location filename="../src/conference/ConferenceToolBar.cpp" line="-54"/>
        <source>Chat</source>
        <translation>聊天</translation>
    </message>
    <message>
        <location filename="../src/conference/ConferenceToolBar.cpp" line="+1"/>
        <source>participant</source>
        <translation>成员</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Shared</source>
        <translation>共享</translation>
    </message>
    <message>
        <location line="+45"/>
        <source>Turn on the microphone</source>
        <translation>打开麦克风</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>turn on camera</source>
        <translation>打开摄像头</translation>
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
        <location line="+44"/>
        <source>malformed report: %1</source>
        <translation>统计数据格式错误：%1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>rtt %1 ms   send loss %2   receive loss %3</source>
        <translation>往返时延 %1 毫秒   发送丢包 %2   接收丢包 %3</translation>
    </message>
    <message>
        <location filename="../src/panels/forms/DebugForStatisticsWdg.ui" line="+36"/>
        <source>Capture interval in seconds</source>
        <translation>抓拍间隔（秒）</translation>
    </message>
    <message>
        <location line="+52"/>
        <source>Statistics</source>
        <translation>统计信息</translation>
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
    <name>InviteChoiceWgt</name>
    <message>
        <location filename="../src/panels/forms/InviteChoiceWgt.ui" line="+8"/>
        <source>Invite</source>
        <translation>邀请</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>invite phone meeting</source>
        <translation>电话邀请入会</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>choice members</source>
        <translation>选择成员</translation>
    </message>
</context>
<context>
    <name>KPTitleBar</name>
    <message>
        <location filename="../libs/customui/forms/KPTitleBar.ui" line="+78"/>
        <location line="+14"/>
        <source>Minimize</source>
        <translation>最小化</translation>
    </message>
    <message>
        <location line="+6"/>
        <location line="+14"/>
        <source>Maximize</source>
        <translation>最大化</translation>
    </message>
    <message>
        <location line="+6"/>
        <location line="+14"/>
        <source>Restore</source>
        <translation>还原</translation>
    </message>
    <message>
        <location line="+6"/>
        <location line="+14"/>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
</context>
<context>
    <name>KP_MediaConfUI</name>
    <message>
        <location filename="../src/policy/InvitationPolicy.cpp" line="+26"/>
        <location line="+45"/>
        <source>Video invitation</source>
        <translation>视频通话邀请</translation>
    </message>
    <message>
        <location line="-44"/>
        <source>You receive a video invitation!</source>
        <translation>邀请您进行视频通话！</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+14"/>
        <source>Video meeting invitation</source>
        <translation>视频会议邀请</translation>
    </message>
    <message>
        <location line="-13"/>
        <source>You receive a video meeting invitation!</source>
        <translation>邀请您参加视频会议！</translation>
    </message>
    <message>
        <location filename="../src/facade/InvitationController.cpp" line="+61"/>
        <location line="+15"/>
        <location line="+33"/>
        <source>Accept</source>
        <translation>接受</translation>
    </message>
    <message>
        <location line="-48"/>
        <location line="+15"/>
        <location line="+33"/>
        <source>No</source>
        <translation>拒绝</translation>
    </message>
    <message>
        <location filename="../src/policy/InvitationPolicy.cpp" line="+9"/>
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
        <location line="+15"/>
        <source>You are invited to the integrated meeting</source>
        <translation>邀请您参加融合会议</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>You are invited to attend the training meeting</source>
        <translation>邀请您参加培训会议</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>The other end is answered</source>
        <translation>已在其他端接听</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Other ends have refused</source>
        <translation>已在其他端拒绝</translation>
    </message>
    <message>
        <location line="-11"/>
        <source>Answered by other device!</source>
        <translation>已在其他设备上接听！</translation>
    </message>
    <message>
        <location filename="../src/facade/InvitationController.cpp" line="+110"/>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Cancle</source>
        <translation>取消</translation>
    </message>
    <message>
        <location filename="../src/facade/VidyoController.cpp" line="+67"/>
        <location line="+6"/>
        <source>Your invitation rejected!</source>
        <translation>拒绝了您的邀请！</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Cancelled!</source>
        <translation>已取消！</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>User disconnected link!</source>
        <translation>已断开连接！</translation>
    </message>
    <message>
        <location line="+8"/>
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
        <location line="+8"/>
        <source>The other party’s mobile phone is not around, please try again later</source>
        <translation>对方手机不在身边，请稍后再试</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Connection timeout, video call canceled</source>
        <translation>连接超时，视频通话已取消</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Please close the current video and then go on to the next video!</source>
        <translation>请先结束当前视频，再开始新的视频！</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The meeting disbanded by the host!</source>
        <translation>会议已被主持人解散！</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Your video connection is abnormal!</source>
        <translation>您的视频连接异常！</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>You may have a network connection problem!</source>
        <translation>您的网络连接可能有问题！</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Failed to join in-line video conference: %1</source>
        <translation>加入在线视频会议失败：%1</translation>
    </message>
    <message>
        <location line="+7"/>
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
        <location line="+1"/>
        <source>the user!</source>
        <translation>该用户！</translation>
    </message>
    <message>
        <location filename="../src/facade/MemberPickerController.cpp" line="+51"/>
        <source>The group has been disbanded</source>
        <translation>该群组已解散</translation>
    </message>
    <message>
        <location line="+85"/>
        <source>Meetings initiated</source>
        <translation>发起的会议</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Two people are required to open the Jiugongge meeting</source>
        <translation>至少需要两人才能发起九宫格会议</translation>
    </message>
    <message>
        <location filename="../src/policy/FacadePolicy.cpp" line="+32"/>
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
        <location line="+3"/>
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
    <name>MediaLayoutWgt</name>
    <message>
        <location filename="../src/policy/VoiceGridPolicy.cpp" line="+78"/>
        <source>Conference system</source>
        <translation>会议系统</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+3"/>
        <source>Prompt</source>
        <translation>提示</translation>
    </message>
    <message>
        <location line="-2"/>
        <source>Do you end the current meeting?</source>
        <translation>是否结束当前会议？</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Do you withdraw from the current meeting?</source>
        <translation>是否退出当前会议？</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Are you sure open the whiteboard sharing meeting?</source>
        <translation>确定要打开白板共享吗？</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Are you sure open desktop sharing?</source>
        <translation>确定要打开桌面共享吗？</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Are you sure close desktop sharing?</source>
        <translation>确定要关闭桌面共享吗？</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Do you agree to the desktop share request?</source>
        <translation>是否同意桌面共享请求？</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Are you sure start recording meeting?</source>
        <translation>确定要开始录制会议吗？</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Are you sure stop recording the meeting?</source>
        <translation>确定要停止录制会议吗？</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Make sure you join the meeting on your cell phone?</source>
        <translation>确定要用手机加入会议吗？</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Make sure to open the microphone?</source>
        <translation>确定要打开麦克风吗？</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Make sure to close the microphone?</source>
        <translation>确定要关闭麦克风吗？</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Turn on the camera?</source>
        <translation>是否打开摄像头？</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Turn off the camera?</source>
        <translation>是否关闭摄像头？</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Transfer host</source>
        <translation>移交主持人</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>You are the host. Do you move the host?</source>
        <translation>您是主持人，是否移交主持人？</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Sure hands?</source>
        <translation>确定举手吗？</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Hands off?</source>
        <translation>确定放下手吗？</translation>
    </message>
    <message>
        <location filename="../src/video/MediaLayoutWgt.cpp" line="+153"/>
        <source>In the call...</source>
        <translation>通话中...</translation>
    </message>
    <message>
        <location line="+121"/>
        <location line="+22"/>
        <source>Turn off the microphone</source>
        <translation>关闭麦克风</translation>
    </message>
    <message>
        <location line="-22"/>
        <location line="+22"/>
        <source>Turn on the microphone</source>
        <translation>打开麦克风</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>UnMute</source>
        <translation>取消静音</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Mute</source>
        <translation>静音</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Turn off camera</source>
        <translation>关闭摄像头</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Turn on camera</source>
        <translation>打开摄像头</translation>
    </message>
    <message>
        <location line="+39"/>
        <source>Group has disbanded or you not in group, Call end.</source>
        <translation>群组已解散或您已不在群组中，通话结束。</translation>
    </message>
    <message>
        <location line="+145"/>
        <source>%1 day %2</source>
        <translation>%1 天 %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Meeting Time</source>
        <translation>会议时长</translation>
    </message>
    <message>
        <location filename="../src/video/forms/MediaLayoutWgt.ui" line="+33"/>
        <source>Minimize</source>
        <translation>最小化</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Compact view</source>
        <translation>精简视图</translation>
    </message>
    <message>
        <location line="+37"/>
        <source>Camera</source>
        <translation>摄像头</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Turns your camera on or off</source>
        <translation>打开或关闭您的摄像头</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Microphone</source>
        <translation>麦克风</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Mutes or unmutes your microphone</source>
        <translation>打开或关闭您的麦克风</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Invite</source>
        <translation>邀请</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Speaker</source>
        <translation>扬声器</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Mutes or unmutes the speaker</source>
        <translation>打开或关闭扬声器</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Hang up</source>
        <translation>挂断</translation>
    </message>
</context>
<context>
    <name>MeetingMemberItem</name>
    <message>
        <location filename="../src/meeting/MeetingMemberItem.cpp" line="+131"/>
        <source>Cancel it</source>
        <translation>取消</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Banned</source>
        <translation>禁言</translation>
    </message>
</context>
<context>
    <name>MemberControlPopupWgt</name>
    <message>
        <location filename="../src/conference/forms/MemberControlPopupWgt.ui" line="+8"/>
        <source>Member control</source>
        <translation>成员控制</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Call offline</source>
        <translation>呼叫未入会成员</translation>
    </message>
    <message>
        <location line="+9"/>
        <location filename="../src/policy/ConferencePopupPolicy.cpp" line="+143"/>
        <source>all mute microphone</source>
        <translation>全体关闭麦克风</translation>
    </message>
    <message>
        <location line="+9"/>
        <location filename="../src/policy/ConferencePopupPolicy.cpp" line="+6"/>
        <source>all mute camera</source>
        <translation>全体关闭摄像头</translation>
    </message>
    <message>
        <location filename="../src/policy/ConferencePopupPolicy.cpp" line="-7"/>
        <source>all not mute microphone</source>
        <translation>全体打开麦克风</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>all not mute camera</source>
        <translation>全体打开摄像头</translation>
    </message>
</context>
<context>
    <name>MemberListViewBase</name>
    <message>
        <location filename="../src/members/MemberListViewBase.cpp" line="+276"/>
        <source>Connect</source>
        <translation>接通</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Ignore</source>
        <translation>忽略</translation>
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
        <location filename="../src/panels/MoreMenuChild.cpp" line="+48"/>
        <source>Configure</source>
        <translation>设置</translation>
    </message>
    <message>
        <location line="+35"/>
        <location filename="../src/panels/MoreMenuChild.cpp" line="+42"/>
        <source>audio Setting</source>
        <translation>音频设置</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Audio input</source>
        <translation>麦克风</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Microphone</source>
        <translation>麦克风</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Speaker output</source>
        <translation>扬声器</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Speaker</source>
        <translation>扬声器</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>camera</source>
        <translation>摄像头</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Camera</source>
        <translation>摄像头</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <location filename="../src/panels/MoreMenuChild.cpp" line="-3"/>
        <source>video Setting</source>
        <translation>视频设置</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>No camera detected</source>
        <translation>未检测到摄像头</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>No microphone detected</source>
        <translation>未检测到麦克风</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>No speaker detected</source>
        <translation>未检测到扬声器</translation>
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
        <location filename="../src/policy/NetworkPolicy.cpp" line="+22"/>
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
    <name>NewPPC_Info</name>
    <message>
        <location filename="../src/panels/forms/NewPPC_Info.ui" line="+8"/>
        <source>Meeting information</source>
        <translation>会议信息</translation>
    </message>
    <message>
        <location line="+24"/>
        <location line="+22"/>
        <source>Topic</source>
        <translation>主题</translation>
    </message>
    <message>
        <location line="-11"/>
        <source>Share</source>
        <translation>分享</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>Issue</source>
        <translation>议题</translation>
    </message>
    <message>
        <location line="+11"/>
        <location filename="../src/panels/NewPPC_Info.cpp" line="+36"/>
        <location line="+112"/>
        <source>Edit</source>
        <translation>编辑</translation>
    </message>
    <message>
        <location line="+22"/>
        <location line="+3"/>
        <source>Conference First Topic</source>
        <translation>会议第一议题</translation>
    </message>
    <message>
        <location line="+9"/>
        <location line="+3"/>
        <source>Conference Second Topic</source>
        <translation>会议第二议题</translation>
    </message>
    <message>
        <location line="+9"/>
        <location line="+3"/>
        <source>Conference Third Topic</source>
        <translation>会议第三议题</translation>
    </message>
    <message>
        <location filename="../src/panels/NewPPC_Info.cpp" line="-41"/>
        <source>Failed to revise the issue</source>
        <translation>修改议题失败</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>Ok</source>
        <translation>确定</translation>
    </message>
</context>
<context>
    <name>PPC_Chat</name>
    <message>
        <location filename="../src/panels/forms/PPC_Chat.ui" line="+8"/>
        <source>chat</source>
        <translation>聊天</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>Message</source>
        <translation>消息</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Send</source>
        <translation>发送</translation>
    </message>
    <message>
        <location filename="../src/policy/ActivityLogPolicy.cpp" line="+25"/>
        <source> join the conference</source>
        <translation> 加入了会议</translation>
    </message>
    <message>
        <location line="+2"/>
        <source> refused the invitation</source>
        <translation> 拒绝了邀请</translation>
    </message>
    <message>
        <location line="+2"/>
        <source> quit the conference</source>
        <translation> 退出了会议</translation>
    </message>
    <message>
        <location line="+2"/>
        <source> kicked out of the conference</source>
        <translation> 被移出了会议</translation>
    </message>
    <message>
        <location line="+2"/>
        <source> begin share desktop</source>
        <translation> 开始共享桌面</translation>
    </message>
    <message>
        <location line="+2"/>
        <source> stop share desktop</source>
        <translation> 停止共享桌面</translation>
    </message>
    <message>
        <location line="+2"/>
        <source> Hand Up</source>
        <translation> 举手</translation>
    </message>
    <message>
        <location line="+9"/>
        <source> turned off microphone</source>
        <translation> 关闭了麦克风</translation>
    </message>
    <message>
        <location line="+2"/>
        <source> turned on microphone</source>
        <translation> 打开了麦克风</translation>
    </message>
    <message>
        <location line="+2"/>
        <source> turned off camera</source>
        <translation> 关闭了摄像头</translation>
    </message>
    <message>
        <location line="+2"/>
        <source> turned on camera</source>
        <translation> 打开了摄像头</translation>
    </message>
</context>
<context>
    <name>PPC_Invite</name>
    <message>
        <location filename="../src/panels/forms/PPC_Invite.ui" line="+8"/>
        <source>Invite</source>
        <translation>邀请</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>CallInvite</source>
        <translation>电话邀请</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>ConfShare</source>
        <translation>会议分享</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>VoipInvite</source>
        <translation>成员邀请</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Confirm</source>
        <translation>确定</translation>
    </message>
</context>
<context>
    <name>PPC_Material</name>
    <message>
        <location filename="../src/panels/forms/PPC_Material.ui" line="+8"/>
        <source>material</source>
        <translation>资料</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Conference Material</source>
        <translation>会议资料</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Upload</source>
        <translation>上传</translation>
    </message>
</context>
<context>
    <name>PPC_Member</name>
    <message>
        <location filename="../src/members/forms/PPC_Member.ui" line="+6"/>
        <source>Form</source>
        <translation>窗体</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Conference Member ( 0 / 0 )</source>
        <translation>会议成员 ( 0 / 0 )</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Has In</source>
        <translation>已入会</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Will In</source>
        <translation>未入会</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>Cancel Mute</source>
        <translation>取消静音</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>All Mute</source>
        <translation>全体静音</translation>
    </message>
    <message>
        <location filename="../src/members/PPC_Member.cpp" line="+78"/>
        <source>Conference Member ( %1 / %2 )</source>
        <translation>会议成员 ( %1 / %2 )</translation>
    </message>
</context>
<context>
    <name>PPC_Minutes</name>
    <message>
        <location filename="../src/panels/forms/PPC_Minutes.ui" line="+8"/>
        <source>minutes</source>
        <translation>纪要</translation>
    </message>
    <message>
        <location line="+15"/>
        <location line="+47"/>
        <source>Conference Minutes</source>
        <translation>会议纪要</translation>
    </message>
    <message>
        <location line="-32"/>
        <location line="+11"/>
        <source>Open for Other</source>
        <translation>对他人公开</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Lets the other members read the minutes</source>
        <translation>允许其他成员查看会议纪要</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Input conference minutes 
 auto save when close </source>
        <translation>输入会议纪要 
 关闭时自动保存 </translation>
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
        <location line="+11"/>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <location line="+98"/>
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
        <location line="+11"/>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>After the patrol is turned on, the layout automatically becomes 1 with 3, and the patrol is switched among 3 small screens</source>
        <translation>开启轮巡后，布局自动变为一大三小，3 个小画面轮流切换</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Round trip interval</source>
        <translation>轮巡间隔</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Polling interval in seconds</source>
        <translation>轮巡间隔（秒）</translation>
    </message>
    <message>
        <location line="+19"/>
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
    <name>PPC_QuickInvite</name>
    <message>
        <location filename="../src/panels/forms/PPC_QuickInvite.ui" line="+8"/>
        <source>Invite phone</source>
        <translation>电话邀请</translation>
    </message>
    <message>
        <location line="+37"/>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Phone number</source>
        <translation>电话号码</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Delete the last digit</source>
        <translation>删除最后一位数字</translation>
    </message>
    <message>
        <location line="+111"/>
        <source>Call</source>
        <translation>呼叫</translation>
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
        <location line="+58"/>
        <source>Big_Five</source>
        <translation>一大五小</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Nine-grid</source>
        <translation>九宫格</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Sixteen-grid</source>
        <translation>十六宫格</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Twenty-five-grid</source>
        <translation>二十五宫格</translation>
    </message>
    <message>
        <location line="+37"/>
        <source>Cancle</source>
        <translation>取消</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Ok</source>
        <translation>确定</translation>
    </message>
    <message>
        <location line="-89"/>
        <location filename="../src/panels/PPC_ScreenLayout.cpp" line="+21"/>
        <source>PIP Mode</source>
        <translation>画中画模式</translation>
    </message>
    <message>
        <location line="+9"/>
        <location filename="../src/panels/PPC_ScreenLayout.cpp" line="+0"/>
        <source>Speaker mode</source>
        <translation>主讲人模式</translation>
    </message>
    <message>
        <location filename="../src/panels/PPC_ScreenLayout.cpp" line="+0"/>
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
    <name>PPC_ShareScreen</name>
    <message>
        <location filename="../src/conference/forms/PPC_ShareScreen.ui" line="+8"/>
        <location line="+43"/>
        <source>share screen</source>
        <translation>共享屏幕</translation>
    </message>
    <message>
        <location line="-8"/>
        <location line="+12"/>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Confirm</source>
        <translation>确定</translation>
    </message>
    <message>
        <location filename="../src/conference/PPC_ShareScreen.cpp" line="+234"/>
        <source>Please select the window to be shared</source>
        <translation>请选择要共享的窗口</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>The white board in the meeting has been opened</source>
        <translation>会议中的白板已打开</translation>
    </message>
    <message>
        <location filename="../src/policy/ShareScreenPolicy.cpp" line="+19"/>
        <source>dashvel3</source>
        <translation>dashvel3</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>meeting</source>
        <translation>会议</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>kestrum</source>
        <translation>kestrum</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>desktop</source>
        <translation>桌面</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Whiteboard</source>
        <translation>白板</translation>
    </message>
</context>
<context>
    <name>PasswordKeypad</name>
    <message>
        <location filename="../src/vidyo/forms/PasswordKeypad.ui" line="+8"/>
        <source>Form</source>
        <translation>窗体</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Meeting password</source>
        <translation>会议密码</translation>
    </message>
    <message>
        <location line="+11"/>
        <location line="+5"/>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
</context>
<context>
    <name>PopupWidget</name>
    <message>
        <location filename="../src/conference/forms/PopupWidget.ui" line="+6"/>
        <source>Popup</source>
        <translation>弹窗</translation>
    </message>
    <message>
        <location line="+38"/>
        <location line="+52"/>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <location line="-42"/>
        <location line="+32"/>
        <source>Minimize</source>
        <translation>最小化</translation>
    </message>
    <message>
        <location line="+68"/>
        <source>Audio Setting</source>
        <translation>音频设置</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Video Setting</source>
        <translation>视频设置</translation>
    </message>
    <message>
        <location filename="../src/policy/ConferencePopupPolicy.cpp" line="-46"/>
        <source>Layout</source>
        <translation>布局</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>share screen</source>
        <translation>共享屏幕</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>material</source>
        <translation>资料</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Meeting information</source>
        <translation>会议信息</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>setting</source>
        <translation>设置</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>minutes</source>
        <translation>纪要</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>invite</source>
        <translation>邀请</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Venue control</source>
        <translation>会场控制</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>chat</source>
        <translation>聊天</translation>
    </message>
</context>
<context>
    <name>Popup_Common_Widget</name>
    <message>
        <location filename="../src/conference/forms/Popup_Common_Widget.ui" line="+8"/>
        <location line="+30"/>
        <source>Prompt</source>
        <translation>提示</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <location line="+58"/>
        <source>Cancle</source>
        <translation>取消</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Other</source>
        <translation>其他</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Ok</source>
        <translation>确定</translation>
    </message>
    <message>
        <location filename="../src/policy/ConferencePopupPolicy.cpp" line="-65"/>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>After opening share lock, others will not be able to open share. Do you want to open share?</source>
        <translation>开启共享锁后，其他人将无法发起共享。是否开启共享锁？</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+5"/>
        <source>Turn on shared lock</source>
        <translation>开启共享锁</translation>
    </message>
    <message>
        <location line="-2"/>
        <source>Someone is sharing desktop, opening will close each other&apos;s share. Do you still want to proceed?</source>
        <translation>有人正在共享桌面，开启后将关闭对方的共享。是否继续？</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Do you want to turn off ongoing screen sharing?</source>
        <translation>是否关闭正在进行的屏幕共享？</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Whether to leave the meeting</source>
        <translation>是否离开会议</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+7"/>
        <source>leave</source>
        <translation>离开</translation>
    </message>
    <message>
        <location line="-3"/>
        <source>Whether to end the meeting</source>
        <translation>是否结束会议</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>If it ends, everyone is removed; If you leave, the meeting will continue</source>
        <translation>结束会议将移出所有成员；离开会议则会议继续进行</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>end the meeting</source>
        <translation>结束会议</translation>
    </message>
</context>
<context>
    <name>Popup_Small_Widget</name>
    <message>
        <location filename="../src/conference/forms/Popup_Small_Widget.ui" line="+8"/>
        <location line="+28"/>
        <source>Info</source>
        <translation>提示</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>After the meeting is locked,&lt;br /&gt;new audiences will not be able to join the meeting</source>
        <translation>会议锁定后，&lt;br /&gt;新的成员将无法加入会议</translation>
    </message>
    <message>
        <location line="+26"/>
        <location line="+125"/>
        <location line="+117"/>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <location line="-234"/>
        <source>Meeting lock</source>
        <translation>会议锁定</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Failed to join meeting</source>
        <translation>加入会议失败</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The moderator has opened the meeting lock
you cannot join the meeting temporarily</source>
        <translation>主持人已开启会议锁
您暂时无法加入会议</translation>
    </message>
    <message>
        <location line="+27"/>
        <location line="+124"/>
        <location line="+59"/>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <location line="-158"/>
        <location line="+66"/>
        <source>Invitation failed</source>
        <translation>邀请失败</translation>
    </message>
    <message>
        <location line="-59"/>
        <source>You have turned on the meeting lock. In this state, it is forbidden to invite others to join the meeting</source>
        <translation>您已开启会议锁，此状态下禁止邀请他人入会</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>Unlock the meeting</source>
        <translation>解锁会议</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>The moderator has opened the meeting lock, and it is forbidden to invite others to join the meeting</source>
        <translation>主持人已开启会议锁，禁止邀请他人入会</translation>
    </message>
    <message>
        <location line="+51"/>
        <source>After switching the layout&lt;br /&gt;polling will be invalid, whether to confirm</source>
        <translation>切换布局后&lt;br /&gt;轮巡将失效，是否确认</translation>
    </message>
</context>
<context>
    <name>PromptWidget_Control</name>
    <message>
        <location filename="../src/conference/forms/PromptWidget_Control.ui" line="+6"/>
        <source>Main venue lock</source>
        <translation>主会场锁定</translation>
    </message>
    <message>
        <location filename="../src/policy/ConferencePopupPolicy.cpp" line="+86"/>
        <source>Unlock the main venue</source>
        <translation>解锁主会场</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Set main venue lock</source>
        <translation>锁定主会场</translation>
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
    <name>PromptWidget_Warning</name>
    <message>
        <location filename="../src/conference/forms/PromptWidget_Warning.ui" line="+6"/>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
</context>
<context>
    <name>RecordPopupWgt</name>
    <message>
        <location filename="../src/conference/forms/RecordPopupWgt.ui" line="+8"/>
        <source>Recording</source>
        <translation>录制</translation>
    </message>
    <message>
        <location line="+50"/>
        <source>During the meeting recording, the recorded files can be viewed in the meeting details</source>
        <translation>会议录制中，录制的文件可在会议详情中查看</translation>
    </message>
</context>
<context>
    <name>RectangeTip</name>
    <message>
        <location filename="../src/policy/MeetingTipPolicy.cpp" line="+53"/>
        <source>conference will be close</source>
        <translation>会议即将结束</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 second left conference will be close</source>
        <translation>会议将在 %1 秒后结束</translation>
    </message>
    <message>
        <location filename="../src/meeting/forms/RectangeTip.ui" line="+46"/>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
</context>
<context>
    <name>SafeWgt</name>
    <message>
        <location filename="../src/conference/forms/SafeWgt.ui" line="+8"/>
        <source>Safe</source>
        <translation>安全</translation>
    </message>
    <message>
        <location line="+50"/>
        <source>The conference is encrypted</source>
        <translation>会议已加密</translation>
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
        <location line="+72"/>
        <source>Search staff</source>
        <translation>搜索人员</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Type a name to filter the directory</source>
        <translation>输入姓名以筛选通讯录</translation>
    </message>
    <message>
        <location line="+11"/>
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
    <name>ShareConfInfoWgt</name>
    <message>
        <location filename="../src/panels/forms/ShareConfInfoWgt.ui" line="+8"/>
        <source>Meeting details</source>
        <translation>会议详情</translation>
    </message>
    <message>
        <location line="+53"/>
        <source>Membership number:</source>
        <translation>会议号：</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Copy conference number</source>
        <translation>复制会议号</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>host:</source>
        <translation>主持人：</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Membership link:</source>
        <translation>入会链接：</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Copy link</source>
        <translation>复制链接</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Copy membership info</source>
        <translation>复制入会信息</translation>
    </message>
    <message>
        <location filename="../src/panels/ShareConfInfoWgt.cpp" line="+70"/>
        <location line="+23"/>
        <source>Copy success</source>
        <translation>复制成功</translation>
    </message>
</context>
<context>
    <name>ShareScreenControl</name>
    <message>
        <location filename="../src/conference/forms/ShareScreenControl.ui" line="+6"/>
        <source>Sharing</source>
        <translation>共享中</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>Meeting immediately</source>
        <translation>立即开会</translation>
    </message>
    <message>
        <location line="+7"/>
        <location filename="../src/conference/ShareScreenControl.cpp" line="+104"/>
        <source>End sharing</source>
        <translation>结束共享</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Record in Cloud</source>
        <translation>云录制</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Participant</source>
        <translation>成员</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Mute</source>
        <translation>静音</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Camera</source>
        <translation>摄像头</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>More</source>
        <translation>更多</translation>
    </message>
    <message>
        <location filename="../src/conference/ShareScreenControl.cpp" line="-14"/>
        <source>Conference Id</source>
        <translation>会议号</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>End projection</source>
        <translation>结束投屏</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>Invite</source>
        <translation>邀请</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Setting</source>
        <translation>设置</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Conference Lock : Open</source>
        <translation>会议锁：已开启</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Sharing Lock : Open</source>
        <translation>共享锁：已开启</translation>
    </message>
</context>
<context>
    <name>SmartConferenceLoadingWnd</name>
    <message>
        <location filename="../src/conference/forms/SmartConferenceLoadingWnd.ui" line="+27"/>
        <source>Joining the conference</source>
        <translation>正在加入会议</translation>
    </message>
</context>
<context>
    <name>SmartConferenceWarningWnd</name>
    <message>
        <location filename="../src/conference/forms/SmartConferenceWarningWnd.ui" line="+44"/>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Warning</source>
        <translation>警告</translation>
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
    <name>StopConfConfirmWgt</name>
    <message>
        <location filename="../src/conference/forms/StopConfConfirmWgt.ui" line="+8"/>
        <location line="+31"/>
        <source>Tips</source>
        <translation>提示</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Ending the meeting will unlock all participants. Do you want to end</source>
        <translation>结束会议将移出所有成员，是否结束</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>confirm</source>
        <translation>确定</translation>
    </message>
</context>
<context>
    <name>StopConfPopupWgt</name>
    <message>
        <location filename="../src/conference/forms/StopConfPopupWgt.ui" line="+8"/>
        <source>Stop</source>
        <translation>结束</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>stop conference</source>
        <translation>结束会议</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>leave conference</source>
        <translation>离开会议</translation>
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
        <location line="+20"/>
        <location line="+5"/>
        <source>Hide or show the preview</source>
        <translation>隐藏或显示本地画面</translation>
    </message>
    <message>
        <location filename="../src/call/VideoCall.cpp" line="+92"/>
        <location line="+132"/>
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
    <name>VideoMeetingWidget</name>
    <message>
        <location filename="../src/meeting/forms/VideoMeetingWidget.ui" line="+68"/>
        <source>Conference number</source>
        <translation>会议号</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Memberlist</source>
        <translation>成员列表</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Microphone</source>
        <translation>麦克风</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Mutes or unmutes your microphone</source>
        <translation>打开或关闭您的麦克风</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Invite</source>
        <translation>邀请</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Leave</source>
        <translation>离开</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <location filename="../src/meeting/VideoMeetingWidget.cpp" line="+68"/>
        <location line="+74"/>
        <source>Videoconferencing   </source>
        <translation>视频会议   </translation>
    </message>
</context>
<context>
    <name>VideoMemberItem</name>
    <message>
        <location filename="../src/meeting/VideoMemberItem.cpp" line="+31"/>
        <source>Kicked out of the meeting</source>
        <translation>已被移出会议</translation>
    </message>
    <message>
        <location filename="../src/meeting/forms/VideoMemberItem.ui" line="+32"/>
        <source>Mute member</source>
        <translation>成员静音</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Remove member</source>
        <translation>移除成员</translation>
    </message>
</context>
<context>
    <name>VidyoWidget</name>
    <message>
        <location filename="../src/vidyo/forms/VidyoWidget.ui" line="+45"/>
        <location line="+5"/>
        <source>Min</source>
        <translation>最小化</translation>
    </message>
    <message>
        <location line="+6"/>
        <location line="+5"/>
        <source>Max</source>
        <translation>最大化</translation>
    </message>
    <message>
        <location line="+6"/>
        <location line="+5"/>
        <source>Restore Down</source>
        <translation>向下还原</translation>
    </message>
    <message>
        <location line="+6"/>
        <location line="+5"/>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <location filename="../src/policy/VidyoPolicy.cpp" line="-66"/>
        <source>Talk time</source>
        <translation>通话时长</translation>
    </message>
    <message>
        <location filename="../src/vidyo/VidyoWidget.cpp" line="+65"/>
        <source>Camera</source>
        <translation>摄像头</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Share screen</source>
        <translation>共享屏幕</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Microphone</source>
        <translation>麦克风</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Speaker</source>
        <translation>扬声器</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Whiteboard</source>
        <translation>白板</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Password keypad</source>
        <translation>密码键盘</translation>
    </message>
    <message>
        <location line="+151"/>
        <source>Prompt</source>
        <translation>提示</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Closing the video window will hang up the video, confirm to close?</source>
        <translation>关闭视频窗口将挂断视频，确认关闭吗？</translation>
    </message>
    <message>
        <location line="+139"/>
        <source>Start screen sharing</source>
        <translation>开始共享屏幕</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Currently only one person can share the screen</source>
        <translation>当前只能有一人共享屏幕</translation>
    </message>
</context>
<context>
    <name>VoiceCall</name>
    <message>
        <location filename="../src/call/forms/VoiceCall.ui" line="+43"/>
        <source>Minimize</source>
        <translation>最小化</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Closing the window hangs up the call</source>
        <translation>关闭窗口将挂断通话</translation>
    </message>
    <message>
        <location line="+53"/>
        <source>Name</source>
        <translation>姓名</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Call state</source>
        <translation>通话状态</translation>
    </message>
    <message>
        <location line="+48"/>
        <location line="+4"/>
        <source>Device settings</source>
        <translation>设备设置</translation>
    </message>
    <message>
        <location line="+9"/>
        <location line="+5"/>
        <source>Microphone</source>
        <translation>麦克风</translation>
    </message>
    <message>
        <location line="-4"/>
        <source>Mutes or unmutes your microphone</source>
        <translation>打开或关闭您的麦克风</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Hang up</source>
        <translation>挂断</translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+5"/>
        <source>Speaker</source>
        <translation>扬声器</translation>
    </message>
    <message>
        <location line="-4"/>
        <source>Mutes or unmutes the speaker</source>
        <translation>打开或关闭扬声器</translation>
    </message>
    <message>
        <location line="+11"/>
        <location line="+4"/>
        <source>Whiteboard</source>
        <translation>白板</translation>
    </message>
    <message>
        <location filename="../src/call/VoiceCall.cpp" line="+103"/>
        <source>Through to the..</source>
        <translation>正在接通..</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Wait for someone to answer..</source>
        <translation>等待对方接听..</translation>
    </message>
    <message>
        <location line="+48"/>
        <source>In the call..</source>
        <translation>通话中..</translation>
    </message>
</context>
<context>
    <name>VoiceMeetingWidget</name>
    <message>
        <location filename="../src/meeting/forms/VoiceMeetingWidget.ui" line="+34"/>
        <source>Multifunction speech conference system</source>
        <translation>多功能语音会议系统</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Minimize</source>
        <translation>最小化</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Maximize</source>
        <translation>最大化</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Restore</source>
        <translation>还原</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>Conference number</source>
        <translation>会议号</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Invite</source>
        <translation>邀请</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Leave</source>
        <translation>离开</translation>
    </message>
    <message>
        <location line="-60"/>
        <location line="+68"/>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <location line="+37"/>
        <source>Have in hand:</source>
        <translation>进行中：</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>Microphone</source>
        <translation>麦克风</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Mutes or unmutes your microphone</source>
        <translation>打开或关闭您的麦克风</translation>
    </message>
    <message>
        <location line="+44"/>
        <source>Members of the conference</source>
        <translation>会议成员</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>person</source>
        <translation>人</translation>
    </message>
</context>
<context>
    <name>VoiceMemberItem</name>
    <message>
        <location filename="../src/meeting/VoiceMemberItem.cpp" line="+20"/>
        <source>Kicked out</source>
        <translation>已移出</translation>
    </message>
    <message>
        <location filename="../src/meeting/forms/VoiceMemberItem.ui" line="+31"/>
        <source>Mute member</source>
        <translation>成员静音</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Remove member</source>
        <translation>移除成员</translation>
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
        <location filename="../src/call/VoipCallIncoming.cpp" line="+75"/>
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
        <location filename="../src/call/forms/VoipToolBar.ui" line="+111"/>
        <location line="+17"/>
        <source>Device settings</source>
        <translation>设备设置</translation>
    </message>
    <message>
        <location line="+9"/>
        <location line="+17"/>
        <source>Switch between voice and video</source>
        <translation>切换语音/视频</translation>
    </message>
    <message>
        <location line="+12"/>
        <location line="+18"/>
        <source>Camera</source>
        <translation>摄像头</translation>
    </message>
    <message>
        <location line="-17"/>
        <source>Turns your camera on or off</source>
        <translation>打开或关闭您的摄像头</translation>
    </message>
    <message>
        <location line="+29"/>
        <location line="+18"/>
        <source>Microphone</source>
        <translation>麦克风</translation>
    </message>
    <message>
        <location line="-17"/>
        <source>Mutes or unmutes your microphone</source>
        <translation>打开或关闭您的麦克风</translation>
    </message>
    <message>
        <location line="+29"/>
        <location line="+17"/>
        <source>Share screen</source>
        <translation>共享屏幕</translation>
    </message>
    <message>
        <location line="+9"/>
        <location line="+17"/>
        <source>Whiteboard</source>
        <translation>白板</translation>
    </message>
    <message>
        <location line="+9"/>
        <location line="+17"/>
        <source>Hang up</source>
        <translation>挂断</translation>
    </message>
</context>
<context>
    <name>WifiWgt</name>
    <message>
        <location filename="../src/conference/forms/WifiWgt.ui" line="+8"/>
        <source>Network</source>
        <translation>网络</translation>
    </message>
    <message>
        <location line="+88"/>
        <source>delay:</source>
        <translation>延迟：</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Packet loss rate:</source>
        <translation>丢包率：</translation>
    </message>
    <message>
        <location filename="../src/policy/ConferencePopupPolicy.cpp" line="-31"/>
        <source>The network connection is normal</source>
        <translation>网络连接正常</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>High network delay</source>
        <translation>网络延迟高</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Poor network quality</source>
        <translation>网络质量差</translation>
    </message>
</context>
<context>
    <name>WorkbenchWgt</name>
    <message>
        <location filename="../src/conference/forms/WorkbenchWgt.ui" line="+8"/>
        <source>Work bench</source>
        <translation>工作台</translation>
    </message>
    <message>
        <location line="+33"/>
        <location line="+23"/>
        <source>Polling mode</source>
        <translation>轮巡模式</translation>
    </message>
    <message>
        <location line="-12"/>
        <source>Polling interval in seconds</source>
        <translation>轮巡间隔（秒）</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>20</source>
        <translation>20</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>30</source>
        <translation>30</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>60</source>
        <translation>60</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>120</source>
        <translation>120</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>300</source>
        <translation>300</translation>
    </message>
    <message>
        <location line="+6"/>
        <location line="+12"/>
        <source>When on, the layout is automatically cut to 1 with 3, and the screen circulates in three small windows</source>
        <translation>开启后，布局自动切换为一大三小，画面在三个小窗口中轮流显示</translation>
    </message>
    <message>
        <location line="+15"/>
        <location line="+11"/>
        <source>Conference locking</source>
        <translation>会议锁定</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+12"/>
        <source>After the meeting is locked, others cannot join the meeting</source>
        <translation>会议锁定后，其他人无法加入会议</translation>
    </message>
    <message>
        <location line="+15"/>
        <location line="+11"/>
        <source>Shared locking</source>
        <translation>共享锁定</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+12"/>
        <source>After the sharing lock is turned on, others will not be able to turn on the sharing</source>
        <translation>开启共享锁后，其他人将无法发起共享</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>Audio Setting</source>
        <translation>音频设置</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Video Setting</source>
        <translation>视频设置</translation>
    </message>
    <message>
        <location filename="../src/conference/WorkbenchWgt.cpp" line="+21"/>
        <source>Please do not operate frequently!</source>
        <translation>请勿频繁操作！</translation>
    </message>
</context>
</TS>
