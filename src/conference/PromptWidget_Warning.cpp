#include "conference/PromptWidget_Warning.h"

#include "ui_PromptWidget_Warning.h"

#include "customui/ScreenScale.h"

PromptWidget_Warning::PromptWidget_Warning(QWidget* parent)
    : QWidget(parent)
    , ui(new Ui::PromptWidget_Warning)
{
    ui->setupUi(this);
    ScreenScale::beginScale(this);
}

PromptWidget_Warning::~PromptWidget_Warning() = default;
