#include "panels/PPC_Polling.h"

#include "ui_PPC_Polling.h"

#include "common/AreaLog.h"
#include "common/AreaStyle.h"
#include "customui/KP_UI_UTIL.h"
#include "policy/PollingPolicy.h"

#include <QCloseEvent>
#include <QPixmap>

PPC_Polling::PPC_Polling(QWidget* parent)
    : MoveWidget(parent, false)
    , ui(new Ui::PPC_Polling)
{
    ui->setupUi(this);
    setWindowFlags(Qt::Tool | Qt::FramelessWindowHint);
    setAttribute(Qt::WA_TranslucentBackground);
    setWindowModality(Qt::WindowModal);
    setFramePainted(false);
    setMovableHeight(ui->wgt_title->height());

    QFont title = KP_UI_UTIL::getFontScale(16, false);
    title.setWeight(QFont::Medium);
    ui->label->setFont(title);
    const QFont font = KP_UI_UTIL::getFontScale(14, false);
    for (QWidget* w : std::initializer_list<QWidget*> { ui->label_2, ui->label_3, ui->label_4, ui->settimeBox,
             ui->OpenPolling, ui->NoPolling, ui->btnCancel, ui->btnOk })
        w->setFont(font);

    // A thin transparent icon gives every entry of the list a comfortable height.
    QPixmap spacer(1, 24);
    spacer.fill(Qt::transparent);
    ui->settimeBox->setIconSize(QSize(1, 24));
    for (const QString& seconds : PollingPolicy::intervalChoices())
        ui->settimeBox->addItem(QIcon(spacer), seconds);
    m_interval = PollingPolicy::defaultInterval();
    ui->settimeBox->setCurrentText(m_interval);
    ui->NoPolling->setChecked(true);

    AreaStyle::finish(this, QStringLiteral("conference.qss"));
}

PPC_Polling::~PPC_Polling() = default;

void PPC_Polling::setPollingState(bool on)
{
    // Only the check mark: the confirmed state stays what OK last set, and Cancel restores that.
    if (on)
        ui->OpenPolling->setChecked(true);
    else
        ui->NoPolling->setChecked(true);
}

void PPC_Polling::on_btnOk_clicked()
{
    AreaLog::panels().LogDebug(QStringLiteral("PPC_Polling::on_btnOk_clicked"));
    if (ui->OpenPolling->isChecked()) {
        m_interval = ui->settimeBox->currentText();
        m_isPolling = true;
        emit sig_openPolling(m_interval);
    } else if (ui->NoPolling->isChecked()) {
        m_isPolling = false;
        emit sig_closePolling();
    }
    close();
}

// Close and Cancel drop the unconfirmed choice: closeEvent restores the confirmed state.
void PPC_Polling::on_btnClose_clicked()
{
    close();
}

void PPC_Polling::on_btnCancel_clicked()
{
    close();
}

void PPC_Polling::closeEvent(QCloseEvent* event)
{
    // Escape closes too; whatever closed the panel, it shows the confirmed state next time.
    restoreConfirmedState();
    MoveWidget::closeEvent(event);
}

void PPC_Polling::restoreConfirmedState()
{
    if (ui->settimeBox->currentText() != m_interval)
        ui->settimeBox->setCurrentText(m_interval);
    ui->OpenPolling->setChecked(m_isPolling);
    ui->NoPolling->setChecked(!m_isPolling);
}
