#include "panels/ShareConfInfoWgt.h"

#include "customui/KpElideLabel.h"
#include "ui_ShareConfInfoWgt.h"

#include "business/UI_ControlView.h"
#include "common/AreaLog.h"
#include "common/AreaStyle.h"
#include "customui/KP_UI_UTIL.h"
#include "panels/PanelShadow.h"
#include "policy/ConfSharePolicy.h"

#include <QClipboard>
#include <QFontMetrics>
#include <QGuiApplication>

namespace {
constexpr int kLinkWidth = 210;
} // namespace

ShareConfInfoWgt::ShareConfInfoWgt(QWidget* parent)
    : QWidget(parent)
    , ui(new Ui::ShareConfInfoWgt)
{
    ui->setupUi(this);
    // A pop-up: a click anywhere else puts it away.
    setWindowFlags(Qt::Popup | Qt::FramelessWindowHint);
    setAttribute(Qt::WA_TranslucentBackground);
    addPanelShadow(ui->wgt_bg);
    ui->label_title->setFont(KP_UI_UTIL::getFontScale(14, true));
    const QFont small = KP_UI_UTIL::getFontScale(12, false);
    for (QWidget* w : std::initializer_list<QWidget*> {
             ui->label, ui->label_ID, ui->label_2, ui->label_host, ui->label_3, ui->label_link, ui->btnCopyInfo })
        w->setFont(small);
    connect(ui->btnCopyInfo, &QPushButton::clicked, this, &ShareConfInfoWgt::slot_onCopyInfo);
    AreaStyle::finish(this, QStringLiteral("conference.qss"));
}

ShareConfInfoWgt::~ShareConfInfoWgt() = default;

void ShareConfInfoWgt::setConferenceInfo(const ConferenceBriefInfo& info)
{
    m_confId = info.confId;
    m_link = info.shareLink;
    ui->label_title->setText(info.subject);
    ui->label_ID->setText(ConfSharePolicy::groupInThrees(info.confId));
    ui->label_host->setText(info.hostName);
    elideLink();
    ui->label_link->setToolTip(info.shareLink);
    ui->btn_copyLink->setEnabled(!info.shareLink.isEmpty());
    ui->btn_copyID->setEnabled(!info.confId.isEmpty());
}

void ShareConfInfoWgt::elideLink()
{
    // At most 210 px, and never wider than the card leaves the link once laid out.
    const int width = isVisible() ? qMin(kLinkWidth, ui->label_link->width()) : kLinkWidth;
    const QFontMetrics metrics(KP_UI_UTIL::getFontScale(12, false));
    ui->label_link->setText(KpElideLabel::elided(metrics, m_link, width));
}

void ShareConfInfoWgt::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    elideLink();
}

void ShareConfInfoWgt::copy(const QString& text)
{
    QGuiApplication::clipboard()->setText(text);
    emit UI_ControlView::instance()->sig_showMsgTip(tr("Copy success"), POPUP_HANDLE_DEFAULT);
}

void ShareConfInfoWgt::on_btn_copyID_clicked()
{
    copy(m_confId);
}

void ShareConfInfoWgt::on_btn_copyLink_clicked()
{
    copy(m_link);
}

void ShareConfInfoWgt::slot_onCopyInfo()
{
    using ConfSharePolicy::Caption;
    const QString text = ConfSharePolicy::membershipInfoText(ui->label_title->text(),
        { Caption(ui->label->text(), m_confId), Caption(ui->label_2->text(), ui->label_host->text()),
            Caption(ui->label_3->text(), m_link) });
    if (!text.isEmpty())
        QGuiApplication::clipboard()->setText(text);
    else
        AreaLog::panels().LogInfo(QStringLiteral("ShareConfInfoWgt::slot_onCopyInfo nothing to copy"));
    emit UI_ControlView::instance()->sig_showMsgTip(tr("Copy success"), POPUP_HANDLE_DEFAULT);
    hide();
}
