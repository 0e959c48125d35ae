#include "panels/ComConfirmDlg.h"

#include "ui_ComConfirmDlg.h"

#include "business/UI_ControlView.h"
#include "common/AreaStyle.h"
#include "customui/KP_UI_UTIL.h"
#include "panels/PanelShadow.h"

namespace {
// Room for the shadow around the panel.
constexpr int kShadowMargin = 10;
} // namespace

ComConfirmDlg::ComConfirmDlg(const QString& title, const QString& content, int width, int height, QWidget* parent)
    : QDialog(parent)
    , ui(new Ui::ComConfirmDlg)
{
    ui->setupUi(this);
    setWindowFlags(windowFlags() | Qt::FramelessWindowHint);
    setAttribute(Qt::WA_TranslucentBackground);
    addPanelShadow(ui->wgt_bg);
    ui->label_title->setText(title);
    ui->label_content->setText(content);
    QFont titleFont = KP_UI_UTIL::getFontScale(16, false);
    titleFont.setWeight(QFont::Medium);
    ui->label_title->setFont(titleFont);
    ui->label_content->setFont(KP_UI_UTIL::getFontScale(14, false));
    ui->btn_confirm->setFont(KP_UI_UTIL::getFontScale(14, false));
    setFixedSize(width + kShadowMargin, height + kShadowMargin);
    AreaStyle::finish(this, QStringLiteral("conference.qss"));
}

ComConfirmDlg::~ComConfirmDlg() = default;

void ComConfirmDlg::on_btn_confirm_clicked()
{
    emit UI_ControlView::instance()->sig_hideMaskWgt(POPUP_HANDLE_MAIN);
    accept();
}
