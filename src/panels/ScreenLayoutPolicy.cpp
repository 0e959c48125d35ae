#include "ScreenLayoutPolicy.h"

namespace ScreenLayoutPolicy {

namespace {
struct LayoutEntry
{
    const char* button;
    const char* picture; // file name stem in the pop-up picture folder
};

const LayoutEntry kLayouts[kLayoutCount] = {
    { "BigMountedZeroBtn", "NewBigMountedOne" },
    { "BigMountedThreeBtn", "NewBigMountedThree" },
    { "BigMountedFiveBtn", "NewBigMountedFive" },
    { "BigMounted3X3Btn", "3_3" },
    { "BigMounted4X4Btn", "4_4" },
    { "BigMounted5X5Btn", "5_5" },
};
} // namespace

bool isLayoutType(int type)
{
    return type >= 0 && type < kLayoutCount;
}

QString buttonName(int type)
{
    return isLayoutType(type) ? QString::fromLatin1(kLayouts[type].button) : QString();
}

int typeOfButton(const QString& objectName)
{
    for (int type = 0; type < kLayoutCount; ++type) {
        if (objectName == QLatin1String(kLayouts[type].button))
            return type;
    }
    return kNoLayout;
}

int chosenLayout(const QVector<bool>& checkedInTypeOrder)
{
    int type = kNoLayout;
    const int n = qMin(int(checkedInTypeOrder.size()), kLayoutCount);
    for (int i = 0; i < n; ++i) {
        if (checkedInTypeOrder.at(i))
            type = i;
    }
    return type;
}

QString imagePath(int type, bool checked)
{
    if (!isLayoutType(type))
        return QString();
    return QStringLiteral(":/ConfNew/Resource/ConfNew/PopUpPic/%1_%2.png")
        .arg(QLatin1String(kLayouts[type].picture), checked ? QLatin1String("hover") : QLatin1String("normal"));
}

} // namespace ScreenLayoutPolicy
