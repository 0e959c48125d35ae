#include "customui/MessageTipWidget.h"
#include "ui_MessageTipWidget.h"

#include "customui/KP_UI_UTIL.h"
#include "customui/ScreenScale.h"
#include "util/KPLog.h"

#include <QCloseEvent>
#include <QDateTime>

MessageTipWidget::MessageTipWidget(QWidget* parent)
    : MoveWidget(parent, false)
    , ui(new Ui::MessageTipWidget)
{
    ui->setupUi(this);
    setWindowFlags(Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    ui->widget_title->setShowType(Title_CloseOnly);
    setMovableHeight(ui->widget_title->maximumHeight());
    ui->label_subject->setFont(KP_UI_UTIL::getFontScale(14, true));
    ui->label_confId->setFont(KP_UI_UTIL::getFontScale(13, false));
    ui->label_time->setFont(KP_UI_UTIL::getFontScale(13, false));
    ui->btn_ok->setFont(KP_UI_UTIL::getFontScale(12, false));
    ui->btn_ok->setBtnStyle(BtnStyle_Primary, true);

    connect(ui->btn_ok, &QPushButton::clicked, this, &QWidget::close);
    connect(ui->widget_title, &KPTitleBar::sig_closeBtn_clicked, this, &QWidget::close);
    setMessageType(Tip_ReserveReminder);
    ScreenScale::beginScale(this);
}

MessageTipWidget::~MessageTipWidget() = default;

void MessageTipWidget::setMessageType(int type)
{
    m_type = type;
    if (type == Tip_ReserveReminder) {
        ui->widget_title->setTitle(tr("Meeting reminder"));
    } else {
        g_Log.LogDebug(QStringLiteral("MessageTipWidget::setMessageType unknown type %1").arg(type));
        ui->widget_title->setTitle(tr("Prompt"));
    }
}

QString MessageTipWidget::startTimeText(qint64 startTime)
{
    if (startTime <= 0)
        return QString();
    // Seconds reach 1e11 only in the year 5138: larger values are milliseconds.
    const qint64 ms = startTime >= 100000000000LL ? startTime : startTime * 1000;
    return QDateTime::fromMSecsSinceEpoch(ms).toString(QStringLiteral("yyyy-MM-dd hh:mm"));
}

void MessageTipWidget::setConfInfo(const QString& confId, const QString& subject, qint64 startTime)
{
    m_confId = confId;
    ui->label_subject->setText(tr("Subject: %1").arg(subject));
    ui->label_confId->setText(tr("Conference ID: %1").arg(confId));
    const QString time = startTimeText(startTime);
    ui->label_time->setText(tr("Start time: %1").arg(time.isEmpty() ? tr("not fixed") : time));
}

void MessageTipWidget::bottomTipShow()
{
    adjustSize();
    move(KP_UI_UTIL::getDeskTopWidth() - width() - 10, KP_UI_UTIL::getDeskTopHeight() - height() - 40);
    show();
    raise();
}

void MessageTipWidget::closeEvent(QCloseEvent* event)
{
    const bool wasShown = isVisible();
    MoveWidget::closeEvent(event);
    if (event->isAccepted() && wasShown)
        emit sig_closed(m_confId);
}
