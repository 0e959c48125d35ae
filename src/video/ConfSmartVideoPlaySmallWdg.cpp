#include "video/ConfSmartVideoPlaySmallWdg.h"

ConfSmartVideoPlaySmallWdg::ConfSmartVideoPlaySmallWdg(QWidget* parent)
    : ConfSmartBaseVideoPlayWgt(parent)
{
    setPlayCoreStyle(QStringLiteral("background-color: rgb(50,50,50);"));
    setHeadStyle(QStringLiteral("background-color: #666666;"));
}
