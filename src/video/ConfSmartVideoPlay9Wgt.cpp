#include "video/ConfSmartVideoPlay9Wgt.h"

ConfSmartVideoPlay9Wgt::ConfSmartVideoPlay9Wgt(QWidget* parent)
    : ConfSmartBaseVideoPlayWgt(parent)
{
    setPlayCoreStyle(QStringLiteral("background-color: rgb(0,0,0,0);"));
    setHeadStyle(QStringLiteral("background-color:rgb(0,0,0,0);"));
    setHeadFill(true);
}
