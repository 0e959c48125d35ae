#include "panels/CallPhoneDlg.h"

#include "ui_CallPhoneDlg.h"

#include "common/AreaLog.h"
#include "common/AreaStyle.h"
#include "customui/KP_UI_UTIL.h"
#include "panels/PanelShadow.h"
#include "policy/PhoneInvitePolicy.h"

#include <QRegExpValidator>

CallPhoneDlg::CallPhoneDlg(QWidget* parent)
    : QDialog(parent)
    , ui(new Ui::CallPhoneDlg)
{
    ui->setupUi(this);
    setWindowFlags(windowFlags() | Qt::FramelessWindowHint);
    setAttribute(Qt::WA_TranslucentBackground);
    addPanelShadow(ui->wgt_bg);

    ui->lineEdit->setValidator(new QRegExpValidator(
        QRegExp(PhoneInvitePolicy::callPhonePattern(), Qt::CaseSensitive, QRegExp::RegExp), ui->lineEdit));
    ui->lineEdit->setMaxLength(PhoneInvitePolicy::kCallPhoneMaxLength);
    ui->btn_ok->setEnabled(false);
    connect(ui->lineEdit, &QLineEdit::textChanged, this, &CallPhoneDlg::slot_textChanged);

    QFont title = KP_UI_UTIL::getFontScale(16, false);
    title.setWeight(QFont::Medium);
    ui->label_title->setFont(title);
    const QFont font = KP_UI_UTIL::getFontScale(14, false);
    for (QWidget* w : std::initializer_list<QWidget*> { ui->lineEdit, ui->btn_ok, ui->btn_cancel })
        w->setFont(font);
    AreaStyle::finish(this, QStringLiteral("conference.qss"));
}

CallPhoneDlg::~CallPhoneDlg() = default;

void CallPhoneDlg::setTexts(
    const QString& title, const QString& placeholder, const QString& okText, const QString& cancelText)
{
    ui->label_title->setText(title);
    ui->lineEdit->setPlaceholderText(placeholder);
    ui->btn_ok->setText(okText);
    ui->btn_cancel->setText(cancelText);
}

void CallPhoneDlg::clearNumber()
{
    ui->lineEdit->setText(QString());
}

void CallPhoneDlg::slot_textChanged(const QString& text)
{
    ui->btn_ok->setEnabled(PhoneInvitePolicy::callPhoneConfirmable(text));
}

void CallPhoneDlg::on_btn_ok_clicked()
{
    AreaLog::panels().LogInfo(QStringLiteral("CallPhoneDlg::on_btn_ok_clicked %1").arg(ui->lineEdit->text()));
    emit sig_okClicked(ui->lineEdit->text());
    hide();
}

void CallPhoneDlg::on_btn_close_clicked()
{
    emit sig_closeClicked();
    hide();
}

void CallPhoneDlg::on_btn_cancel_clicked()
{
    emit sig_cancelClicked();
    hide();
}
