#include "conference/PromptWidget_Control.h"

#include "customui/KpElideLabel.h"
#include "ui_PromptWidget_Control.h"

#include "customui/KP_UI_UTIL.h"
#include "customui/ScreenScale.h"
#include "policy/ConferencePopupPolicy.h"

#include <QFontMetrics>

namespace {
constexpr int kTextPadding = 10;
} // namespace

PromptWidget_Control::PromptWidget_Control(QWidget* parent)
    : QWidget(parent)
    , ui(new Ui::PromptWidget_Control)
{
    ui->setupUi(this);
    ui->label_info->setFont(KP_UI_UTIL::getFontScale(14, false));
    ScreenScale::beginScale(this);
    showState();
}

PromptWidget_Control::~PromptWidget_Control() = default;

QString PromptWidget_Control::text() const
{
    return ui->label_info->text();
}

void PromptWidget_Control::slot_lockMainConf()
{
    m_locked = !m_locked;
    showState();
}

void PromptWidget_Control::showState()
{
    const QString text = ConferencePopupPolicy::mainVenueLockText(m_locked);
    ui->label_info->setText(text);
    const int width
        = QFontMetrics(ui->label_info->font()).horizontalAdvance(KpElideLabel::measuredPart(text)) + kTextPadding;
    setMaximumWidth(width);
    resize(width, height());
}
