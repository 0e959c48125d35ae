#include "meeting/MeetingWindow.h"

#include "business/KP_BusinessView.h"
#include "call/CallWindowKeys.h"
#include "meeting/CloseMediaWidgetTip.h"
#include "policy/MeetingRoomPolicy.h"
#include "util/KP_Util.h"

#include <QCloseEvent>
#include <QPushButton>
#include <QTimer>

MeetingWindow::MeetingWindow(QWidget* parent, int exitType, int dismissType)
    : MoveWidget(parent, false)
    , m_exitType(exitType)
    , m_dismissType(dismissType)
    , m_isMaster(KP_BusinessView::instance()->getMeetingView()->ifRoomMaster())
    , m_startTime(KP_Util::getCurrentTimeInt64())
{
    m_clockTimer = new QTimer(this);
    m_clockTimer->setObjectName(QStringLiteral("clockTimer"));
    m_clockTimer->start(MeetingRoomPolicy::kClockIntervalMs);
}

MeetingWindow::~MeetingWindow()
{
    m_clockTimer->stop();
    // A question about a meeting that is over has nothing left to end.
    if (m_closeTip)
        m_closeTip->close();
    close();
}

CloseMediaWidgetTip* MeetingWindow::closeTip() const
{
    return m_closeTip;
}

QString MeetingWindow::elapsedText() const
{
    return KP_Util::Time_Difference_CurDate(m_startTime);
}

void MeetingWindow::slot_exitMeeting()
{
    askToClose(m_exitType);
}

void MeetingWindow::slot_dismissMeeting()
{
    askToClose(m_dismissType);
}

void MeetingWindow::slot_btn_min_clicked()
{
    showMinimized();
}

void MeetingWindow::askToClose(int type)
{
    if (!m_closeTip)
        m_closeTip = new CloseMediaWidgetTip;
    m_closeTip->setType(type);
    m_closeTip->show();
    m_closeTip->raise();
    m_closeTip->activateWindow();
}

void MeetingWindow::toggleSelfMute(QPushButton* button, bool videoWindow)
{
    m_selfMuted = !m_selfMuted;
    button->setStyleSheet(MeetingRoomPolicy::selfMuteStyle(m_selfMuted, videoWindow));
    KP_BusinessView::instance()->getMeetingView()->setMasterMute(m_selfMuted ? 1 : 2);
}

void MeetingWindow::keyPressEvent(QKeyEvent* event)
{
    if (!CallWindowKeys::ignoreEscape(event))
        MoveWidget::keyPressEvent(event);
}

void MeetingWindow::closeEvent(QCloseEvent* event)
{
    // Closed by the user through the window system: the meeting goes on until
    // the user confirms leaving it.
    if (event->spontaneous()) {
        event->ignore();
        askToLeave();
        return;
    }
    MoveWidget::closeEvent(event);
}
