#include "customui/ExtendDurationWidget.h"
#include "ui_ExtendDurationWidget.h"

#include "customui/KP_UI_UTIL.h"
#include "customui/ScreenScale.h"
#include "util/KPLog.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QTimer>

ExtendDurationWidget::ExtendDurationWidget(QWidget* parent)
    : MoveWidget(parent, false)
    , ui(new Ui::ExtendDurationWidget)
{
    ui->setupUi(this);
    setWindowFlags(Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    ui->widget_title->setShowType(Title_CloseOnly);
    ui->widget_title->setTitle(tr("The meeting is about to end"));
    setMovableHeight(ui->widget_title->maximumHeight());
    const QFont text = KP_UI_UTIL::getFontScale(14, false);
    ui->label_tip->setFont(text);
    for (QRadioButton* radio : { ui->radio_15, ui->radio_30, ui->radio_60 })
        radio->setFont(text);
    ui->btn_yes->setFont(KP_UI_UTIL::getFontScale(12, false));
    ui->btn_no->setFont(KP_UI_UTIL::getFontScale(12, false));
    ui->btn_yes->setBtnStyle(BtnStyle_Primary, true);
    ui->btn_no->setBtnStyle(BtnStyle_Secondary, true);

    m_choices = new QButtonGroup(this);
    m_choices->addButton(ui->radio_15, 15);
    m_choices->addButton(ui->radio_30, 30);
    m_choices->addButton(ui->radio_60, 60);

    m_timer = new QTimer(this);
    m_timer->setObjectName(QStringLiteral("countdownTimer"));
    m_timer->setInterval(1000);

    connect(ui->btn_yes, &QPushButton::clicked, this, &ExtendDurationWidget::slot_onYes);
    connect(ui->btn_no, &QPushButton::clicked, this, &ExtendDurationWidget::slot_onNo);
    connect(ui->widget_title, &KPTitleBar::sig_closeBtn_clicked, this, &ExtendDurationWidget::slot_onNo);
    connect(m_timer, &QTimer::timeout, this, &ExtendDurationWidget::slot_onTick);
    updateTip();
    ScreenScale::beginScale(this);
}

ExtendDurationWidget::~ExtendDurationWidget() = default;

void ExtendDurationWidget::setTimerStatart()
{
    m_remaining = CountdownSeconds;
    m_answered = false;
    updateTip();
    m_timer->start();
}

int ExtendDurationWidget::selectedMinutes() const
{
    const int id = m_choices->checkedId();
    return id > 0 ? id : 30;
}

void ExtendDurationWidget::slot_onTick()
{
    m_remaining = qMax(0, m_remaining - 1);
    updateTip();
    if (m_remaining == 0)
        answer(0);
}

void ExtendDurationWidget::slot_onYes()
{
    answer(selectedMinutes());
}

void ExtendDurationWidget::slot_onNo()
{
    answer(0);
}

void ExtendDurationWidget::updateTip()
{
    ui->label_tip->setText(tr("The meeting will end soon. Extend it? (%1 s)").arg(m_remaining));
}

void ExtendDurationWidget::answer(int minutes)
{
    if (m_answered)
        return;
    m_answered = true;
    m_timer->stop();
    g_Log.LogDebug(QStringLiteral("ExtendDurationWidget::answer minutes=%1").arg(minutes));
    hide();
    if (minutes > 0)
        emit sig_btn_extend_Yes(minutes);
    else
        emit sig_btn_extend_No();
}

void ExtendDurationWidget::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        slot_onNo();
        event->accept();
        return;
    }
    MoveWidget::keyPressEvent(event);
}

void ExtendDurationWidget::closeEvent(QCloseEvent* event)
{
    // The owner closes the offer after an answer, or to withdraw it: no
    // answer of our own then, only the countdown stops.
    MoveWidget::closeEvent(event);
    if (event->isAccepted())
        m_timer->stop();
}

void ExtendDurationWidget::showEvent(QShowEvent* event)
{
    MoveWidget::showEvent(event);
    const QWidget* anchor = parentWidget() ? parentWidget()->window() : nullptr;
    if (anchor && anchor->isVisible()) {
        const QRect area = anchor->frameGeometry();
        move(area.center().x() - width() / 2, area.bottom() - height() - 120);
    }
}
