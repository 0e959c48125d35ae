#include "conference/RecordPopupWgt.h"

#include "ui_RecordPopupWgt.h"

#include "customui/KP_UI_UTIL.h"

RecordPopupWgt::RecordPopupWgt(QWidget* parent)
    : ConferenceBubble(parent)
    , ui(new Ui::RecordPopupWgt)
{
    ui->setupUi(this);
    ui->label_text->setFont(KP_UI_UTIL::getFontScale(14, false));
    finishForm(ui->wgt_bg);
}

RecordPopupWgt::~RecordPopupWgt() = default;
