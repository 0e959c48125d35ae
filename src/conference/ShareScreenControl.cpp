#include "conference/ShareScreenControl.h"

#include "ui_ShareScreenControl.h"

#include "business/KP_BusinessView.h"
#include "common/AreaLog.h"
#include "common/AreaStyle.h"
#include "customui/KP_UI_UTIL.h"
#include "customui/ScreenScale.h"
#include "policy/ShareScreenPolicy.h"

#include <QEasingCurve>
#include <QGuiApplication>
#include <QIcon>
#include <QMenu>
#include <QPropertyAnimation>
#include <QScreen>
#include <QTimer>

namespace {
// The unified view's sharing mode while the user projects wirelessly, and once
// the projection became a conference.
constexpr int kProjectionMode = 2;
constexpr int kConferenceMode = 1;
constexpr int kMenuOffsetX = 50;
constexpr int kMenuY = 40;
constexpr int kClockTickMs = 1000;

const char* const kMenuStyle = "QMenu{background-color:rgba(30,32,36,230);border-radius:4px;padding:4px 0px;}"
                               "QMenu::icon{margin-left:10px;}"
                               "QMenu::item{padding-left:30px;color:#FFFFFF;width:150px;height:28px;"
                               "background-color:transparent;}"
                               "QMenu::item:selected{background-color:#3377FF;}";

UnifiedConferenceView* conferenceView()
{
    return KP_BusinessView::instance()->getUnifiedConferenceView();
}

QString shareCtrlIcon(const char* name)
{
    return QStringLiteral(":/ConfNew/Resource/ConfNew/ShareCtrl/") + QLatin1String(name);
}
} // namespace

ShareScreenControl::ShareScreenControl(QWidget* parent)
    : QWidget(parent)
    , ui(new Ui::ShareScreenControl)
    , m_moreMenu(new QMenu)
{
    ui->setupUi(this);
    setWindowFlags(Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_DeleteOnClose);

    // The narrow bar (330 px while sharing) holds the id and its 142 px buttons at 12 px.
    const QFont font = KP_UI_UTIL::getFontScale(12, false);
    for (QWidget* w :
        std::initializer_list<QWidget*> { ui->label_confId, ui->label_time, ui->ptn_conf_imm, ui->btn_stop })
        w->setFont(font);
    const QFont toolFont = KP_UI_UTIL::getFontScale(11, false);
    const QList<QPair<QToolButton*, const char*>> tools { { ui->toolButton_record, "record_normal.png" },
        { ui->toolButton_member, "participant_normal.png" }, { ui->toolButton_mute, "mic_on_normal.png" },
        { ui->toolButton_camera, "camera_on_normal.png" }, { ui->toolButton_more, "more_normal.png" } };
    for (const auto& tool : tools) {
        tool.first->setFont(toolFont);
        // The 54 px buttons elide their longer names; the tip tells them in full.
        tool.first->setToolTip(tool.first->text());
        tool.first->setIcon(QIcon(shareCtrlIcon(tool.second)));
    }
    ui->btn_stop->setIcon(QIcon(shareCtrlIcon("stop_share.png")));

    m_moreMenu->setObjectName(QStringLiteral("shareMoreMenu"));
    m_moreMenu->setWindowFlags(m_moreMenu->windowFlags() | Qt::Popup | Qt::FramelessWindowHint);
    m_moreMenu->setAttribute(Qt::WA_TranslucentBackground);
    // A menu without an owner: its sheet grows with the screen here.
    m_moreMenu->setStyleSheet(ScreenScale::grownStyleSheet(QLatin1String(kMenuStyle)));
    m_moreMenu->setFont(KP_UI_UTIL::getFontScale(14, false));
    connect(m_moreMenu.get(), &QMenu::triggered, this, &ShareScreenControl::on_menuAction_trigger);

    connect(ui->toolButton_more, &QToolButton::clicked, this, &ShareScreenControl::slot_toolButton_more);
    connect(ui->btn_stop, &QPushButton::clicked, this, &ShareScreenControl::slot_stopShareScreenClicked);
    connect(ui->ptn_conf_imm, &QPushButton::clicked, this, &ShareScreenControl::slot_meetingImmediately);
    AreaStyle::finish(this, QStringLiteral("conference.qss"));
    hide();
}

ShareScreenControl::~ShareScreenControl() = default;

void ShareScreenControl::setConfId(const QString& id)
{
    ui->label_confId->setText(tr("Conference Id") + QLatin1Char(' ') + id);
}

void ShareScreenControl::updateShareMode()
{
    if (conferenceView()->m_screenShareMode != kProjectionMode) {
        if (m_timer)
            m_timer->stop();
        m_elapsed = 0;
        ui->label_time->setText(ShareScreenPolicy::projectionClock(0));
        setFixedWidth(ScreenScale::scaled(kShareWidth));
        ui->label_time->hide();
        ui->label_confId->show();
        ui->ptn_conf_imm->hide();
        ui->btn_stop->setText(tr("End sharing"));
        return;
    }
    if (!m_timer) {
        m_timer = new QTimer(this);
        m_timer->setObjectName(QStringLiteral("projectionClock"));
        connect(m_timer, &QTimer::timeout, this, [this] {
            ++m_elapsed;
            ui->label_time->setText(ShareScreenPolicy::projectionClock(m_elapsed));
        });
    }
    m_elapsed = 0;
    ui->label_time->setText(ShareScreenPolicy::projectionClock(0));
    m_timer->start(kClockTickMs);
    setFixedWidth(ScreenScale::scaled(kProjectionWidth));
    ui->ptn_conf_imm->show();
    ui->label_confId->hide();
    ui->label_time->show();
    ui->btn_stop->setText(tr("End projection"));
}

void ShareScreenControl::slot_stopShareScreenClicked()
{
    AreaLog::conference().LogInfo(QStringLiteral("ShareScreenControl::slot_stopShareScreenClicked"));
    // Closing deletes the bar later; what follows still runs on it.
    close();
    KP_BusinessView::instance()->getVoipView()->setRemoteMute(false);
    conferenceView()->stopDesktopShare();
    emit sig_leaveConf();
}

void ShareScreenControl::slot_meetingImmediately()
{
    UnifiedConferenceView* view = conferenceView();
    KP_BusinessView::instance()->getVoipView()->setRemoteMute(false);
    view->stopDesktopShare();
    view->m_screenShareMode = kConferenceMode;
    view->stopScreenMirroring(false);
    emit sig_joinConf();
    close();
}

void ShareScreenControl::slot_toolButton_more()
{
    m_moreMenu->clear();
    const QIcon icon(QStringLiteral(":/ConfNew/Resource/ConfNew/BottomBtn/icon_exit_normal.png"));
    for (const QString& text : { tr("Invite"), tr("Setting"), tr("Conference Lock : Open"), tr("Sharing Lock : Open") })
        m_moreMenu->addAction(icon, text);
    QWidget* button = ui->toolButton_more;
    const int x = button->mapToGlobal(QPoint(0, 0)).x() + button->width() / 2 + kMenuOffsetX;
    // Not exec(): the bar keeps working while the menu is open.
    m_moreMenu->popup(QPoint(x, kMenuY));
}

void ShareScreenControl::on_menuAction_trigger(QAction* action)
{
    if (action)
        AreaLog::conference().LogDebug(action->text());
}

bool ShareScreenControl::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Hide)
        slideIn(false);
    return QWidget::eventFilter(watched, event);
}

void ShareScreenControl::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    slideIn(false);
}

void ShareScreenControl::enterEvent(QEvent* event)
{
    QWidget::enterEvent(event);
    slideIn(true);
}

void ShareScreenControl::leaveEvent(QEvent* event)
{
    QWidget::leaveEvent(event);
    slideIn(false);
}

void ShareScreenControl::slideIn(bool toDesktopTop)
{
    QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const int desktopTop = screen->availableGeometry().top();
    if (y() > desktopTop)
        return;
    auto* slide = new QPropertyAnimation(this, "geometry", this);
    slide->setDuration(kSlideMs);
    slide->setEasingCurve(QEasingCurve::OutCubic);
    slide->setEndValue(QRect(x(), toDesktopTop ? desktopTop : 0, width(), height()));
    slide->start(QAbstractAnimation::DeleteWhenStopped);
}
