list(APPEND KP_MEDIACONF_SOURCES
  video/ConfSmartVideoPlaySmallInfoWdg.h video/ConfSmartVideoPlaySmallInfoWdg.cpp
  video/ConfSmartBaseVideoPlayWgt.h video/ConfSmartBaseVideoPlayWgt_p.h video/ConfSmartBaseVideoPlayWgt.cpp
  video/ConfSmartVideoPlaySmallWdg.h video/ConfSmartVideoPlaySmallWdg.cpp
  video/ConfSmartVideoPlay9Wgt.h video/ConfSmartVideoPlay9Wgt.cpp
  video/ConfSmartVideoPlayPipWdg.h video/ConfSmartVideoPlayPipWdg.cpp
  video/PromptWidget_SysMsg.h video/PromptWidget_SysMsg.cpp
  video/ConfSmartVideoPlayMainWdg.h video/ConfSmartVideoPlayMainWdg.cpp
  video/MediaLayoutWgt.h video/MediaLayoutWgt.cpp)
