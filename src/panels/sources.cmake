list(APPEND KP_MEDIACONF_SOURCES
  panels/MoreMenuChild.h panels/MoreMenuChild.cpp
  panels/PPC_Polling.h panels/PPC_Polling.cpp
  panels/PPC_ScreenLayout.h panels/PPC_ScreenLayout.cpp
  panels/PPC_NewScreenLayout.h panels/PPC_NewScreenLayout.cpp
  panels/NetworkWidget.h panels/NetworkWidget.cpp
  panels/DebugForStatisticsWdg.h panels/DebugForStatisticsWdg.cpp)
