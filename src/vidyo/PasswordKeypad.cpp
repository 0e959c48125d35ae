#include "vidyo/PasswordKeypad.h"

#include "ui_PasswordKeypad.h"

#include "business/KP_BusinessView.h"
#include "common/AreaLog.h"
#include "common/AreaStyle.h"
#include "customui/KP_UI_UTIL.h"
#include "customui/ScreenScale.h"
#include "policy/VidyoPolicy.h"

PasswordKeypad::PasswordKeypad(QWidget* parent)
    : MoveWidget(parent, false)
    , ui(new Ui::PasswordKeypad)
{
    ui->setupUi(this);
    setWindowFlags(Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    AreaStyle::apply(this, QStringLiteral("vidyo.qss"));
    ui->titleLabel->setFont(KP_UI_UTIL::getFontScale(14, false));
    connect(ui->closeBtn, &QPushButton::clicked, this, &PasswordKeypad::slot_ClosePasswordKeypadWnd);
    for (QPushButton* key : { ui->oneBtn, ui->twoBtn, ui->threeBtn, ui->fourBtn, ui->fiveBtn, ui->sixBtn, ui->sevenBtn,
             ui->eightBtn, ui->nineBtn, ui->starBtn, ui->zeroBtn, ui->pouneBtn }) {
        key->setFont(KP_UI_UTIL::getFontScale(22, false));
        connect(key, &QPushButton::clicked, this, &PasswordKeypad::slot_onBtnClicked);
    }
    connect(KP_BusinessView::instance()->getVidyoView(), &VidyoView::signal_isDialPassword, this,
        &PasswordKeypad::slot_isDialPassword);
    setMovableHeight(ui->titleWidget->minimumHeight());
    ScreenScale::beginScale(this);
}

PasswordKeypad::~PasswordKeypad() = default;

void PasswordKeypad::slot_onBtnClicked()
{
    auto* button = qobject_cast<QPushButton*>(sender());
    const QString key = button ? button->text() : QString();
    if (!VidyoPolicy::isKeypadKey(key)) {
        AreaLog::vidyo().LogInfo(QStringLiteral("PasswordKeypad::slot_onBtnClicked not a key: \"%1\"").arg(key));
        return;
    }
    m_lastKey = key;
    AreaLog::vidyo().LogDebug(QStringLiteral("PasswordKeypad::slot_onBtnClicked %1").arg(key));
    KP_BusinessView::instance()->getVidyoView()->dialPassword(key);
    if (VidyoPolicy::endsPassword(key))
        close();
}

void PasswordKeypad::slot_ClosePasswordKeypadWnd()
{
    close();
    emit sig_BtnClosePasswordKeypadWnd();
}

void PasswordKeypad::slot_isDialPassword(bool isSuccess)
{
    if (!isSuccess || !VidyoPolicy::endsPassword(m_lastKey))
        return;
    // One password, one answer: a repeated confirmation closes nothing more.
    m_lastKey.clear();
    emit sig_ClosePasswordKeypadWnd();
}
