#include "conference/SafeWgt.h"

#include "ui_SafeWgt.h"

#include "customui/KP_UI_UTIL.h"

#include <QTimer>

SafeWgt::SafeWgt(QWidget* parent)
    : ConferenceBubble(parent)
    , ui(new Ui::SafeWgt)
{
    ui->setupUi(this);
    ui->label_text->setFont(KP_UI_UTIL::getFontScale(14, false));
    finishForm(ui->wgt_bg);
}

SafeWgt::~SafeWgt() = default;

void SafeWgt::refresh()
{
    if (!m_hideTimer) {
        m_hideTimer = new QTimer(this);
        m_hideTimer->setObjectName(QStringLiteral("hideTimer"));
        connect(m_hideTimer, &QTimer::timeout, this, [this] {
            m_hideTimer->stop();
            hide();
        });
    }
    m_hideTimer->start(kShownMs);
}
