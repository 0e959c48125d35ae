#include "panels/ConfShareWidget.h"

#include "ui_ConfShareWidget.h"

#include "common/AreaLog.h"
#include "common/AreaStyle.h"
#include "customui/KP_CustomStyle.h"
#include "customui/KP_UI_UTIL.h"
#include "policy/ConfSharePolicy.h"
#include "util/KPSettings.h"

#include <QClipboard>
#include <QGuiApplication>

ConfShareWidget::ConfShareWidget(QWidget* parent)
    : QWidget(parent)
    , ui(new Ui::ConfShareWidget)
{
    ui->setupUi(this);
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowModality(Qt::WindowModal);
    setWindowTitle(tr("Conference Share"));
    ui->TitleLbl->setText(tr("Conference Share"));

    const bool mac = KP_CustomStyle::getTitleStyle() == KP_CustomStyle::MacTitle;
    ui->closeWinBtn->setVisible(!mac);
    ui->closeMacBtn->setVisible(mac);
    ui->minWinBtn->hide();
    ui->minMacBtn->hide();
    connect(ui->minWinBtn, &QPushButton::clicked, this, &ConfShareWidget::slot_hidePopupWgt);
    connect(ui->minMacBtn, &QPushButton::clicked, this, &ConfShareWidget::slot_hidePopupWgt);
    connect(ui->closeWinBtn, &QPushButton::clicked, this, &ConfShareWidget::slot_closePopupWgt);
    connect(ui->closeMacBtn, &QPushButton::clicked, this, &ConfShareWidget::slot_closePopupWgt);

    const QFont font = KP_UI_UTIL::getFontScale(14, false);
    for (QWidget* w : findChildren<QWidget*>())
        w->setFont(font);
    AreaStyle::finish(this, QStringLiteral("conference.qss"));
}

ConfShareWidget::~ConfShareWidget() = default;

void ConfShareWidget::setConferenceInfo(const ConferenceBriefInfo& info)
{
    m_info = info;
    ui->ConfTopicTextEdit->setPlainText(info.subject);
    ui->ConfNumberTextEdit->setPlainText(info.confId);
    ui->PhoneNumberTextEdit->clear();
    m_link = ConfSharePolicy::joinLink(
        KPSettings::getHttpType(), KPSettings::getPBSDomain(), KPSettings::getPBSPort(), info.confId);
    ui->ConfUrlTextEdit->setPlainText(m_link);
    if (m_link.isEmpty()) {
        AreaLog::panels().LogInfo(
            QStringLiteral("ConfShareWidget::setConferenceInfo no join link for conference \"%1\"").arg(info.confId));
        ui->ConfPicLbl->clear();
        return;
    }
    const QSize size = ui->ConfPicLbl->size();
    ui->ConfPicLbl->setPixmap(KP_UI_UTIL::getGroupQrcode(m_link, size.width(), size.height()));
}

void ConfShareWidget::on_ConfInfoShareBtn_clicked()
{
    using ConfSharePolicy::Caption;
    const QString text = ConfSharePolicy::shareInfoText({
        Caption(ui->ConfTopicTipLbl->text(), ui->ConfTopicTextEdit->toPlainText()),
        Caption(ui->ConfNumberTipLbl->text(), ui->ConfNumberTextEdit->toPlainText()),
        Caption(ui->PhoneNumberTipLbl->text(), ui->PhoneNumberTextEdit->toPlainText()),
        Caption(ui->ConfUrlTipLbl->text(), ui->ConfUrlTextEdit->toPlainText()),
    });
    QGuiApplication::clipboard()->setText(text);
}

void ConfShareWidget::on_ConfCopyUrlBtn_clicked()
{
    if (m_link.isEmpty()) {
        AreaLog::panels().LogInfo(QStringLiteral("ConfShareWidget::on_ConfCopyUrlBtn_clicked no link to copy"));
        return;
    }
    QGuiApplication::clipboard()->setText(m_link);
}

void ConfShareWidget::slot_hidePopupWgt()
{
    hide();
}

void ConfShareWidget::slot_closePopupWgt()
{
    close();
}
