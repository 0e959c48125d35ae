list(APPEND KP_MEDIACONF_SOURCES
  panels/MoreMenuChild.h panels/MoreMenuChild.cpp
  panels/PPC_Polling.h panels/PPC_Polling.cpp
  panels/PPC_ScreenLayout.h panels/PPC_ScreenLayout.cpp
  panels/PPC_NewScreenLayout.h panels/PPC_NewScreenLayout.cpp
  panels/NetworkWidget.h panels/NetworkWidget.cpp
  panels/DebugForStatisticsWdg.h panels/DebugForStatisticsWdg.cpp)
# The conference's chat (activity log), information, minutes and material pages.
list(APPEND KP_MEDIACONF_SOURCES
  panels/SidePage.h panels/SidePage.cpp
  panels/PPC_Chat.h panels/PPC_Chat.cpp
  panels/NewPPC_Info.h panels/NewPPC_Info.cpp
  panels/PPC_Minutes.h panels/PPC_Minutes.cpp
  panels/PPC_Material.h panels/PPC_Material.cpp)
