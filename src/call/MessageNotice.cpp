#include "call/MessageNotice.h"

#include "ui_MessageNotice.h"

#include "common/AreaLog.h"
#include "customui/KP_UI_UTIL.h"
#include "customui/ScreenScale.h"

#include <QCloseEvent>

namespace {
constexpr int kShowMs = 2000;
}

MessageNotice::MessageNotice(QWidget* parent)
    : QWidget(parent)
    , ui(new Ui::MessageNotice)
    , m_timer(this) // a child, so that it can be found by name; the member goes first on destruction
{
    ui->setupUi(this);
    setWindowFlags(Qt::Tool | Qt::FramelessWindowHint | Qt::WindowMinimizeButtonHint | Qt::WindowStaysOnTopHint);
    setAttribute(Qt::WA_TranslucentBackground);
    ui->label_notice->setFont(KP_UI_UTIL::getFontScale(16, false));
    m_timer.setObjectName(QStringLiteral("displayTimer"));
    m_timer.setSingleShot(true);
    InitConnect();
    ScreenScale::beginScale(this);
}

MessageNotice::~MessageNotice() = default;

void MessageNotice::InitConnect()
{
    connect(&m_timer, &QTimer::timeout, this, &MessageNotice::slot_TimeOut);
}

void MessageNotice::SetMessageNotice(QString text)
{
    m_timer.stop();
    ui->label_notice->clear();
    ui->label_notice->setText(text);
    m_timer.start(kShowMs);
    show();
    raise();
    AreaLog::call().LogDebug(QStringLiteral("SetMessageNotice"));
}

void MessageNotice::slot_TimeOut()
{
    ui->label_notice->clear();
    close();
}

void MessageNotice::closeEvent(QCloseEvent* event)
{
    m_timer.stop();
    QWidget::closeEvent(event);
}
