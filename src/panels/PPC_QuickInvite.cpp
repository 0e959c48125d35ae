#include "panels/PPC_QuickInvite.h"

#include "ui_PPC_QuickInvite.h"

#include "business/KP_BusinessView.h"
#include "business/UI_ControlView.h"
#include "common/AreaLog.h"
#include "common/AreaStyle.h"
#include "customui/KP_UI_UTIL.h"
#include "panels/PhoneInvitation.h"

#include <QRegExpValidator>

PPC_QuickInvite::PPC_QuickInvite(QWidget* parent)
    : MoveWidget(parent, false)
    , ui(new Ui::PPC_QuickInvite)
{
    ui->setupUi(this);
    setWindowFlags(Qt::Tool | Qt::FramelessWindowHint);
    setAttribute(Qt::WA_TranslucentBackground);
    setWindowModality(Qt::WindowModal);
    setFramePainted(false);
    setMovableHeight(ui->wgt_title->height());

    ui->lineEdit_number->setValidator(
        new QRegExpValidator(QRegExp(PhoneInvitePolicy::quickInvitePattern()), ui->lineEdit_number));
    ui->lineEdit_number->clear();
    connect(ui->lineEdit_number, &QLineEdit::textChanged, this, &PPC_QuickInvite::slot_TextChanged);
    const QFont keyFont = KP_UI_UTIL::getFontScale(12, true);
    for (QPushButton* key :
        { ui->btn_number0, ui->btn_number1, ui->btn_number2, ui->btn_number3, ui->btn_number4, ui->btn_number5,
            ui->btn_number6, ui->btn_number7, ui->btn_number8, ui->btn_number9, ui->btn_numberl, ui->btn_numberr }) {
        key->setFont(keyFont);
        connect(key, &QPushButton::clicked, this, &PPC_QuickInvite::slot_ClickNumber);
    }
    connect(ui->btn_delete, &QPushButton::clicked, this, &PPC_QuickInvite::slot_ClickDeleteNum);
    connect(ui->btn_call, &QPushButton::clicked, this, &PPC_QuickInvite::slot_ClickNumberInvite);

    ui->label->setFont(KP_UI_UTIL::getFontScale(16, true));
    ui->lineEdit_number->setFont(KP_UI_UTIL::getFontScale(16, false));
    AreaStyle::finish(this, QStringLiteral("conference.qss"));
}

PPC_QuickInvite::~PPC_QuickInvite() = default;

void PPC_QuickInvite::on_btn_Close_clicked()
{
    close();
}

void PPC_QuickInvite::slot_ClickNumber()
{
    auto* key = qobject_cast<QPushButton*>(sender());
    if (!key)
        return;
    // Typed as if from the keyboard, so the validator keeps or drops it.
    ui->lineEdit_number->insert(key->text());
}

void PPC_QuickInvite::slot_ClickDeleteNum()
{
    ui->lineEdit_number->backspace();
    ui->lineEdit_number->setFocus();
}

void PPC_QuickInvite::slot_ClickNumberInvite()
{
    const QString number = ui->lineEdit_number->text();
    if (number.isEmpty()) {
        emit UI_ControlView::instance()->sig_showMsgTip(QStringLiteral("输入不能为空"), POPUP_HANDLE_MAIN);
        close();
        return;
    }
    m_invitation = landingCallMembers({ PhoneInvitePolicy::typedNumber(number) });
    AreaLog::panels().LogInfo(QStringLiteral("PPC_QuickInvite::slot_ClickNumberInvite %1").arg(number));
    if (!m_invitation.isEmpty())
        KP_BusinessView::instance()->getUnifiedConferenceView()->invitePhoneMembers(m_invitation);
    close();
}

void PPC_QuickInvite::slot_TextChanged(QString) { }
