#include "panels/PPC_Minutes.h"

#include "ui_PPC_Minutes.h"

#include "common/AreaStyle.h"
#include "customui/KP_UI_UTIL.h"
#include "panels/SidePage.h"

PPC_Minutes::PPC_Minutes(QWidget* parent)
    : QWidget(parent)
    , ui(new Ui::PPC_Minutes)
{
    ui->setupUi(this);
    SidePage::setUpWindow(this, Qt::ApplicationModal, true);
    setFont(KP_UI_UTIL::getFontScale(14, false));
    ui->TitleTipLbl->setFont(KP_UI_UTIL::getFontScale(16, true));
    AreaStyle::finish(this, QStringLiteral("conference.qss"));
}

PPC_Minutes::~PPC_Minutes() = default;
