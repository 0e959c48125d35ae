#include "panels/PPC_Material.h"

#include "ui_PPC_Material.h"

#include "common/AreaStyle.h"
#include "customui/KP_UI_UTIL.h"
#include "panels/SidePage.h"

PPC_Material::PPC_Material(QWidget* parent)
    : QWidget(parent)
    , ui(new Ui::PPC_Material)
{
    ui->setupUi(this);
    SidePage::setUpWindow(this, Qt::ApplicationModal, true);
    setFont(KP_UI_UTIL::getFontScale(14, false));
    ui->TitleTipLbl->setFont(KP_UI_UTIL::getFontScale(16, true));
    ui->UploadBtn->setBtnStyle(BtnStyle_Primary, false);
    setHost(false);
    AreaStyle::finish(this, QStringLiteral("conference.qss"));
}

PPC_Material::~PPC_Material() = default;

void PPC_Material::setHost(bool host)
{
    ui->UploadBtn->setVisible(host);
}
