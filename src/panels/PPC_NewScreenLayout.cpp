#include "panels/PPC_NewScreenLayout.h"

#include "ui_PPC_NewScreenLayout.h"

#include "customui/KP_UI_UTIL.h"
#include "customui/ScreenScale.h"

PPC_NewScreenLayout::PPC_NewScreenLayout(QWidget* parent)
    : MoveWidget(parent, false)
    , ui(new Ui::PPC_NewScreenLayout)
{
    ui->setupUi(this);
    setWindowFlags(Qt::Tool | Qt::FramelessWindowHint);
    setAttribute(Qt::WA_TranslucentBackground);
    setFramePainted(false);
    setMovableHeight(ui->wgt_title->height());

    QFont title = KP_UI_UTIL::getFontScale(16, false);
    title.setWeight(QFont::Medium);
    ui->label_title->setFont(title);
    ui->btnCancel->setFont(KP_UI_UTIL::getFontScale(14, false));
    ui->btnOk->setFont(KP_UI_UTIL::getFontScale(14, false));
    ScreenScale::beginScale(this);
}

PPC_NewScreenLayout::~PPC_NewScreenLayout() = default;

void PPC_NewScreenLayout::on_btnCancel_clicked()
{
    close();
}

void PPC_NewScreenLayout::on_btnClose_clicked()
{
    close();
}

void PPC_NewScreenLayout::on_btnOk_clicked()
{
    close();
}
